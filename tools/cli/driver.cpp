#include "driver.h"

#include <istream>
#include <ostream>

#include "state_json.h"

namespace rolvex::cli {

namespace {

template <typename... Cas>
struct Selon : Cas... {
  using Cas::operator()...;
};
template <typename... Cas>
Selon(Cas...) -> Selon<Cas...>;

}  // namespace

nlohmann::ordered_json Pilote::ÉtatJson() const {
  return ÉtatEnJson(partie_.État(), affichage_, langue_);
}

Réponse Pilote::Exécuter(std::string_view ligne) {
  return std::visit(
      Selon{
          [](const LigneVide&) { return Réponse{}; },
          [](const Refus& r) { return Réponse{.refus = r.raison}; },
          [this](const Commande& c) {
            if (EstCommandeDeJeu(c) && !partieCommencée_)
              return Réponse{.refus = "no game yet: start one with 'new' first"};
            return Réponse{.sortie = Appliquer(c)};
          },
      },
      LireLigne(ligne));
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
            return LigneJson(ÉtatJson());
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
