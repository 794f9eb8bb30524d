#include "driver.h"

#include <istream>
#include <ostream>

#include "app/records/end_of_game.h"
#include "app/records/file_store.h"
#include "layout_json.h"
#include "playarea/sheet_names.h"
#include "state_json.h"
#include "texts/messages.h"

namespace rolvex::cli {

namespace {

template <typename... Cas>
struct Selon : Cas... {
  using Cas::operator()...;
};
template <typename... Cas>
Selon(Cas...) -> Selon<Cas...>;

HighScores TablesParDéfaut() {
  HasardUniforme tirage(GraineTablesParDéfaut);
  return HighScoresParDéfaut(tirage);
}

}  // namespace

void Pilote::AffichagePilote::DessineCases() {
  AffichageMémoire::DessineCases();
  pilote_.vue_.Dessiner(pilote_.partie_.État(), pilote_.aire_);
}

void Pilote::AffichagePilote::PréparerNouvellePartie() {
  AffichageMémoire::PréparerNouvellePartie();
  pilote_.aire_.DispositionMode(pilote_.partie_.État().NbColonnes, LargeurÉcranRéférence);
  pilote_.vue_.scoresMontrés = false;
  pilote_.vue_.place = 0;
}

void Pilote::AffichagePilote::AppelFinPartie() {
  AffichageMémoire::AppelFinPartie();
  pilote_.FinirPartie();
}

// As the main window once it has loaded: the empty sheet, and how to start.
Pilote::Pilote() : scores_(TablesParDéfaut()) {
  affichage_.InfoDéroulement(Message::MsgPourJouer);
}

nlohmann::ordered_json Pilote::ÉtatJson() const {
  return ÉtatEnJson(partie_.État(), affichage_, vue_, scores_, langue_);
}

Réponse Pilote::Exécuter(std::string_view ligne) {
  return std::visit(
      Selon{
          [](const LigneVide&) { return Réponse{}; },
          [](const Refus& r) { return Réponse{.refus = r.raison}; },
          [this](const Commande& c) {
            if (EstCommandeDeJeu(c) && !partieCommencée_)
              return Réponse{.refus = "no game yet: start one with 'new' first"};
            if (std::holds_alternative<ChargerDossier>(c) && partieCommencée_)
              return Réponse{.refus = "data comes before the first game: the window loads its "
                                      "files once, at start-up"};
            return Réponse{.sortie = Appliquer(c)};
          },
      },
      LireLigne(ligne));
}

void Pilote::InfoInterface(const AideSurvol& aide) {
  if (aide) affichage_.InfoInterface(*aide);
}

void Pilote::ChargerOptions(const std::filesystem::path& dossier) {
  HasardUniforme tirage(GraineTablesParDéfaut);
  const ChargementDossier ch = rolvex::ChargerOptions(dossier, tirage);
  dossier_ = dossier;
  const DonnéesOptions& d = ch.chargement.données;
  partie_.ChoisirMode(d.ModeJeu);
  partie_.ChoisirFaces(d.TypeDés);
  nomJoueur_ = d.NomJoueur;
  scores_ = d.Scores;
  vue_.optionMode = d.ModeJeu;
  vue_.texteNom = d.NomJoueur;
  if (ch.échec) vue_.messages.push_back(MessageÉchecFichier(*ch.échec, langue_));
}

// Without a folder the driver keeps everything in memory.
void Pilote::SauverOptions() {
  if (!dossier_) return;
  const ÉtatPartie& é = partie_.État();
  const DonnéesOptions données{é.ModeJeu, é.TypeDés, nomJoueur_, scores_};
  const RésultatSauvegarde r = rolvex::SauverOptions(*dossier_, données);
  if (r.échec) vue_.messages.push_back(MessageÉchecFichier(*r.échec, langue_));
}

void Pilote::PanelOkParams_Click(const std::string& nom) {
  vue_.texteNom = nom;
  if (nom.empty()) {
    vue_.messages.emplace_back(MsgNomVide(langue_));
    return;
  }
  partie_.ChoisirMode(vue_.optionMode);
  nomJoueur_ = nom;
  SauverOptions();
  partie_.AppelNouveau();
  partieCommencée_ = true;
}

// The engine has written the last square; the clock still holds the game's time.
void Pilote::FinirPartie() {
  const ÉtatPartie& é = partie_.État();
  const FinDePartie fin = AppelFinPartie(
      scores_, é.ModeJeu, {nomJoueur_, é.ScoreTotal, é.SecondesPartie, é.NbFiguresRéalisées},
      langue_);
  vue_.place = fin.place;
  if (fin.afficherScores) {
    vue_.scoresMontrés = true;
    vue_.tableMontrée = scores_[é.ModeJeu];
  }
  if (fin.sauver) SauverOptions();
  if (fin.message) vue_.messages.push_back(*fin.message);
  affichage_.InfoInterface(fin.info);
}

// Each command reaches the game the way the window would deliver it.
std::optional<std::string> Pilote::Appliquer(const Commande& commande) {
  return std::visit(
      Selon{
          [this](const ChoixLangue& c) -> std::optional<std::string> {
            langue_ = c.langue;
            return std::nullopt;
          },
          [this](const FixerGraine& c) -> std::optional<std::string> {
            dé_.FixerGraine(c.graine);
            return std::nullopt;
          },
          [this](const NouvellePartie& c) -> std::optional<std::string> {
            partie_.ChoisirMode(c.modeJeu);
            partie_.AppelNouveau();
            partieCommencée_ = true;
            return std::nullopt;
          },
          [this](const MettreDésEnFile& c) -> std::optional<std::string> {
            for (int16_t face : c.faces) file_.Ajouter(face);
            return std::nullopt;
          },
          [this](const PresserOk&) -> std::optional<std::string> {
            // A hidden button gets no press.
            if (affichage_.okDéVisible) partie_.AppelOkDéClique();
            return std::nullopt;
          },
          [this](const BoutonSurDé& c) -> std::optional<std::string> {
            partie_.ImageDé_MouseDown(c.dé, c.bouton);
            return std::nullopt;
          },
          [this](const CliquerPlaceDé& c) -> std::optional<std::string> {
            partie_.PanelDé_Click(c.dé);
            return std::nullopt;
          },
          [this](const CliquerCase& c) -> std::optional<std::string> {
            // A hidden square gets no click.
            if (partie_.État().Cases(c.colonne, c.figure).Visible)
              partie_.AppelCliqueCase(c.colonne, c.figure);
            return std::nullopt;
          },
          [this](const ChoisirFaces& c) -> std::optional<std::string> {
            partie_.ChoisirFaces(c.typeDés);
            return std::nullopt;
          },
          [this](const Tics& c) -> std::optional<std::string> {
            for (int32_t i = 0; i < c.nombre; ++i) partie_.TimerChrono_Timer();
            return std::nullopt;
          },
          [this](const AfficherÉtat&) -> std::optional<std::string> {
            std::string ligne = LigneJson(ÉtatJson());
            vue_.messages.clear();
            return ligne;
          },
          [this](const SurvolerCase& c) -> std::optional<std::string> {
            if (FeuilleMontrée() && vue_.cases[c.colonne][c.figure].aspect != Aspect::Cachée)
              InfoInterface(AppelMoveCase(partie_.État(), c.colonne, c.figure, langue_));
            return std::nullopt;
          },
          [this](const SurvolerBonus& c) -> std::optional<std::string> {
            const LigneTotal ligne = c.où == bonus::Haut ? LigneTotal::BonusHaut
                                                         : LigneTotal::BonusBas;
            const bool montré = aire_[NomTotal(ligne, c.colonne)].montré.value_or(true);
            if (FeuilleMontrée() && montré)
              InfoInterface(AppelMoveBonus(partie_.État(), c.où, c.colonne, langue_));
            return std::nullopt;
          },
          [this](const SurvolerPanel& c) -> std::optional<std::string> {
            // The dice area is on screen from the first game on.
            if (partieCommencée_) affichage_.InfoInterface(AppelMovePanel(c.panel, langue_));
            return std::nullopt;
          },
          [this](const SurvolerPanelScore& c) -> std::optional<std::string> {
            if (vue_.scoresMontrés)
              affichage_.InfoInterface(AppelMovePanelScore(c.panel, c.rang, langue_));
            return std::nullopt;
          },
          [this](const SurvolerAire&) -> std::optional<std::string> {
            if (FeuilleMontrée()) InfoInterface(PictureAireJeu_MouseMove(partie_.État()));
            return std::nullopt;
          },
          [](const Disposer& c) -> std::optional<std::string> {
            return LigneJson(DispositionEnJson(c.largeur, c.hauteur, c.nbColonnes));
          },
          [this](const ChargerDossier& c) -> std::optional<std::string> {
            ChargerOptions(c.dossier);
            return std::nullopt;
          },
          [this](const ValiderNom& c) -> std::optional<std::string> {
            PanelOkParams_Click(c.nom);
            return std::nullopt;
          },
          [this](const ChoisirOptionMode& c) -> std::optional<std::string> {
            vue_.optionMode = c.modeJeu;
            return std::nullopt;
          },
      },
      commande);
}

int JouerScript(std::istream& script, std::ostream& sortie, std::ostream& erreurs) {
  Pilote pilote;
  bool refusée = false;
  std::string ligne;
  for (long numéro = 1; std::getline(script, ligne); ++numéro) {
    const Réponse r = pilote.Exécuter(ligne);
    if (r.sortie) sortie << *r.sortie << '\n' << std::flush;
    if (r.refus) {
      erreurs << "line " << numéro << ": " << *r.refus << '\n';
      refusée = true;
    }
  }
  return refusée ? 1 : 0;
}

}  // namespace rolvex::cli
