// The headless driver: plays one session from the lines of a script, and prints what the
// window would show as JSON.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "script_commands.h"
#include "session/session.h"

namespace rolvex::cli {

// What one line gave: the state to print, a refusal, or neither.
struct Reponse {
  std::optional<std::string> sortie = {};  // one line of JSON, for `state` and `layout`
  std::optional<std::string> refus = {};   // what is wrong; the line changed nothing
};

// The driver's default high-score tables are drawn from this seed, so that a run without data
// files prints the same tables every time.
inline constexpr std::uint64_t GraineTablesParDefaut = 0;

// What the window shows beyond the session's own screen: the name dialog's contents and the
// message boxes shown since the last state.
struct VueFenetre final : VueSession {
  // TextName: the language's invitation until the options are loaded or a name is typed.
  std::optional<std::string> texteNom;
  int16_t optionMode = 3;  // the selected SSOptionModeColonnes, 1..3
  std::vector<std::string> messages;

  const Session* session = nullptr;
  void OptionsChargees() override;
  void AfficherMessage(std::string_view texte) override { messages.emplace_back(texte); }
  // A script asks the coach on purpose: its question is shown and answered yes.
  bool DemanderOuiNon(std::string_view texte) override {
    messages.emplace_back(texte);
    return true;
  }
};

class Pilote {
 public:
  Pilote();
  Pilote(const Pilote&) = delete;
  Pilote& operator=(const Pilote&) = delete;

  Reponse Executer(std::string_view ligne);

  // The state as `state` prints it; it does not clear the message boxes, `state` does.
  nlohmann::ordered_json EtatJson() const;
  const Session& Jeu() const { return session_; }
  const VueFenetre& Vue() const { return vue_; }

 private:
  std::optional<std::string> Appliquer(const Commande& commande);

  VueFenetre vue_;
  Session session_{vue_, Langue::Francais, LargeurEcranReference, HauteurEcranReference,
                   GraineTablesParDefaut};
};

// Plays the whole script: states go to `sortie`, refusals ("line N: …") to `erreurs`.
// Returns the exit status: 1 when any line was refused, else 0.
int JouerScript(std::istream& script, std::ostream& sortie, std::ostream& erreurs);

}  // namespace rolvex::cli
