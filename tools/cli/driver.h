// The headless driver: plays one game engine from the lines of a script.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "engine/dice.h"
#include "engine/game.h"
#include "engine/headless_display.h"
#include "script_commands.h"
#include "texts/language_tables.h"

namespace rolvex::cli {

// What one line gave: the state to print, a refusal, or neither.
struct Réponse {
  std::optional<std::string> sortie = {};  // one line of JSON, for `state`
  std::optional<std::string> refus = {};   // what is wrong; the line changed nothing
};

class Pilote {
 public:
  Pilote() = default;
  Pilote(const Pilote&) = delete;
  Pilote& operator=(const Pilote&) = delete;

  Réponse Exécuter(std::string_view ligne);

  nlohmann::ordered_json ÉtatJson() const;
  const ÉtatPartie& État() const { return partie_.État(); }
  const AffichageMémoire& Fenêtre() const { return affichage_; }
  std::size_t DésEnAttente() const { return file_.NbEnAttente(); }

 private:
  std::optional<std::string> Appliquer(const Commande& commande);

  AffichageMémoire affichage_;
  DéÉquitable dé_;  // the clock until a seed is given
  DésEnFile file_{dé_};
  Partie partie_{affichage_, file_};
  Langue langue_ = Langue::Français;
  bool partieCommencée_ = false;
};

// Plays the whole script: states go to `sortie`, refusals ("line N: …") to `erreurs`.
// Returns the exit status: 1 when any line was refused, else 0.
int JouerScript(std::istream& script, std::ostream& sortie, std::ostream& erreurs);

}  // namespace rolvex::cli
