// The headless driver: plays one game engine from the lines of a script, with the window
// around it kept in memory: the texts, the hover help, the high scores and the data files.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "records/high_scores.h"
#include "engine/dice.h"
#include "engine/game.h"
#include "engine/headless_display.h"
#include "playarea/layout.h"
#include "script_commands.h"
#include "texts/hover_help.h"
#include "texts/language_tables.h"
#include "window_view.h"

namespace rolvex::cli {

// What one line gave: the state to print, a refusal, or neither.
struct Reponse {
  std::optional<std::string> sortie = {};  // one line of JSON, for `state` and `layout`
  std::optional<std::string> refus = {};   // what is wrong; the line changed nothing
};

// The driver's default high-score tables are drawn from this seed, so that a run without data
// files prints the same tables every time.
inline constexpr std::uint64_t GraineTablesParDefaut = 0;

class Pilote {
 public:
  Pilote();
  Pilote(const Pilote&) = delete;
  Pilote& operator=(const Pilote&) = delete;

  Reponse Executer(std::string_view ligne);

  // The state as `state` prints it; it does not clear the message boxes, `state` does.
  nlohmann::ordered_json EtatJson() const;
  const EtatPartie& Etat() const { return partie_.Etat(); }
  const AffichageMemoire& Fenetre() const { return affichage_; }
  const VueFenetre& Vue() const { return vue_; }
  const HighScores& Scores() const { return scores_; }
  std::size_t DesEnAttente() const { return file_.NbEnAttente(); }

 private:
  // The engine's display: it remembers what the window shows, and acts where the window
  // acts on its own (the drawing of the squares, the layout of a new game, the end of a game).
  class AffichagePilote final : public AffichageMemoire {
   public:
    explicit AffichagePilote(Pilote& pilote) : pilote_(pilote) {}
    void DessineCases() override;
    void PreparerNouvellePartie() override;
    void AppelFinPartie() override;

   private:
    Pilote& pilote_;
  };

  std::optional<std::string> Appliquer(const Commande& commande);
  void ChargerOptions(const std::filesystem::path& dossier);
  void SauverOptions();
  void PanelOkParams_Click(const std::string& nom);
  void FinirPartie();
  // The help of a control under the mouse, if it gives one.
  void InfoInterface(const AideSurvol& aide);
  // The score sheet is on screen unless the high scores stand in its place.
  bool FeuilleMontree() const { return !vue_.scoresMontres; }

  AffichagePilote affichage_{*this};
  DeEquitable de_;  // the clock until a seed is given
  DesEnFile file_{de_};
  Partie partie_{affichage_, file_};
  AireJeu aire_{LargeurEcranReference, HauteurEcranReference};
  VueFenetre vue_;
  HighScores scores_;
  std::string nomJoueur_;
  std::optional<std::filesystem::path> dossier_;  // none: nothing is read or written
  Langue langue_ = Langue::Francais;
  bool partieCommencee_ = false;
};

// Plays the whole script: states go to `sortie`, refusals ("line N: …") to `erreurs`.
// Returns the exit status: 1 when any line was refused, else 0.
int JouerScript(std::istream& script, std::ostream& sortie, std::ostream& erreurs);

}  // namespace rolvex::cli
