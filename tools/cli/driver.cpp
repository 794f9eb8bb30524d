#include "driver.h"

#include <istream>
#include <ostream>

#include "coach_json.h"
#include "layout_json.h"
#include "state_json.h"
#include "stats_json.h"

namespace rolvex::cli {

namespace {

template <typename... Cas>
struct Selon : Cas... {
  using Cas::operator()...;
};
template <typename... Cas>
Selon(Cas...) -> Selon<Cas...>;

}  // namespace

void VueFenetre::OptionsChargees() {
  optionMode = session->Etat().ModeJeu;
  texteNom = session->NomJoueur();
}

// As the main window once it has loaded: the empty sheet, and how to start.
Pilote::Pilote() { vue_.session = &session_; }

nlohmann::ordered_json Pilote::EtatJson() const { return EtatEnJson(session_, vue_); }

Reponse Pilote::Executer(std::string_view ligne) {
  return std::visit(
      Selon{
          [](const LigneVide&) { return Reponse{}; },
          [](const Refus& r) { return Reponse{.refus = r.raison}; },
          [this](const Commande& c) {
            const bool commencee = session_.Ecran().partieCommencee;
            if (EstCommandeDeJeu(c) && !commencee)
              return Reponse{.refus = "no game yet: start one with 'new' first"};
            if (std::holds_alternative<DemanderRevue>(c) && !session_.RevuePossible())
              return Reponse{.refus = "the review comes once a game is over"};
            if (std::holds_alternative<ChargerDossier>(c) && commencee)
              return Reponse{.refus =
                                 "data comes before the first game: the window loads its "
                                 "files once, at start-up"};
            // The history's failure goes where the script's faults go, with nothing printed.
            if (const auto* stats = std::get_if<AfficherStatistiques>(&c)) {
              const BilanHistorique bilan =
                  session_.StatistiquesHistorique(stats->modeJeu.value_or(session_.Etat().ModeJeu));
              if (bilan.echec) return Reponse{.refus = *bilan.echec};
              return Reponse{.sortie = LigneJson(StatistiquesEnJson(bilan.stats))};
            }
            return Reponse{.sortie = Appliquer(c)};
          },
      },
      LireLigne(ligne));
}

// Each command reaches the session the way the window would deliver it.
std::optional<std::string> Pilote::Appliquer(const Commande& commande) {
  Session& s = session_;
  std::optional<std::string> sortie;
  std::visit(Selon{
                 [&](const ChoixLangue& c) { s.ChoisirLangue(c.langue); },
                 [&](const FixerGraine& c) { s.FixerGraine(c.graine); },
                 [&](const NouvellePartie& c) {
                   s.ChoisirMode(c.modeJeu);
                   s.AppelNouveau();
                 },
                 [&](const MettreDesEnFile& c) {
                   for (int16_t face : c.faces) s.FileDes().Ajouter(face);
                 },
                 [&](const PresserOk&) { s.PanelOkDe_Click(); },
                 [&](const AnnulerCase&) { s.Annuler(); },
                 [&](const BoutonSurDe& c) { s.ImageDe_MouseDown(c.de, c.bouton); },
                 [&](const CliquerPlaceDe& c) { s.PanelDe_Click(c.de); },
                 [&](const CliquerCase& c) { s.AppelCliqueCase(c.colonne, c.figure); },
                 [&](const ChoisirFaces& c) { s.ChoisirFaces(c.typeDes); },
                 [&](const Tics& c) { s.Tic(c.nombre); },
                 [&](const AfficherEtat&) {
                   sortie = LigneJson(EtatJson());
                   vue_.messages.clear();
                 },
                 [&](const SurvolerCase& c) { s.SurvolerCase(c.colonne, c.figure); },
                 [&](const SurvolerBonus& c) { s.SurvolerBonus(c.ou, c.colonne); },
                 [&](const SurvolerPanel& c) { s.SurvolerPanel(c.panel); },
                 [&](const SurvolerPanelScore& c) { s.SurvolerPanelScore(c.panel, c.rang); },
                 [&](const SurvolerAire&) { s.SurvolerAire(); },
                 [&](const Disposer& c) {
                   sortie = LigneJson(DispositionEnJson(c.largeur, c.hauteur, c.nbColonnes));
                 },
                 [&](const ChargerDossier& c) {
                   s.ChargerOptions({c.dossier, c.dossier});
                 },
                 [&](const ValiderNom& c) {
                   vue_.texteNom = c.nom;
                   s.PanelOkParams_Click(c.nom, vue_.optionMode);
                 },
                 [&](const ChoisirOptionMode& c) { vue_.optionMode = c.modeJeu; },
                 [&](const DemanderConseil&) {
                   s.DemanderConseil();
                   sortie = LigneJson(ConseilEnJson(s.Conseils()));
                 },
                 [&](const BasculerChances&) { s.BasculerChances(); },
                 [&](const DemanderRevue&) {
                   s.DemanderRevue();
                   sortie = LigneJson(RevueEnJson(s));
                 },
                 [&](const AfficherStatistiques&) {},  // answered by Executer
             },
             commande);
  return sortie;
}

int JouerScript(std::istream& script, std::ostream& sortie, std::ostream& erreurs) {
  Pilote pilote;
  bool refusee = false;
  std::string ligne;
  for (long numero = 1; std::getline(script, ligne); ++numero) {
    const Reponse r = pilote.Executer(ligne);
    if (r.sortie) sortie << *r.sortie << '\n' << std::flush;
    if (r.refus) {
      erreurs << "line " << numero << ": " << *r.refus << '\n';
      refusee = true;
    }
  }
  return refusee ? 1 : 0;
}

}  // namespace rolvex::cli
