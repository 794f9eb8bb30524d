// The game's texts in French and English: the captions of the main window and of the name
// dialog, and the messages they share. The language is chosen once at start-up, so every text
// is given for a language and never rewritten.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/display.h"
#include "engine/figure_scoring.h"
#include "texts/version.h"  // TexteVersion

namespace rolvex {

enum class Langue : int16_t { Francais = 1, Anglais = 2 };

// Character 13 alone joins the lines of a multi-line text; the window shows it as a line break.
inline constexpr char RetourLigne = '\r';

inline constexpr std::string_view TitreApplication = "ROLVEX";

// One text in both languages.
struct Bilingue {
  std::string_view fr;
  std::string_view en;
  constexpr std::string_view pour(Langue langue) const {
    return langue == Langue::Francais ? fr : en;
  }
};

// The texts that several parts of the game show: the information line, PanelFigureRéalisée,
// PanelModeColonnes and the quit and farewell boxes.
struct TextesPartages {
  std::string MsgPourJouer;
  std::string MsgChoisirCase;
  std::string MsgBoutonsSouris;  // two sentences joined by RetourLigne
  std::string MsgNouveauTirage;
  std::string MsgChoisirOuJeter;
  std::string TexteSuite;
  std::string TexteFull;
  std::string TexteCarre;
  std::string TexteYam;
  std::string TexteColonnes;  // begins with a blank: it follows the number of columns
  std::string MsgQuitter;     // ends with a blank: TitreApplication follows
  std::string MsgAuRevoir;
};

// The progress messages of the information line.
std::string_view Texte(Message message, Langue langue);

// The names of the combinations shown in PanelFigureRéalisée (empty for none).
std::string_view Texte(TexteFigure figure, Langue langue);

// Any shared text on its own: Texte(&TextesPartages::TexteColonnes, langue).
std::string_view Texte(std::string TextesPartages::*variable, Langue langue);

enum class Fenetre : int8_t { FormRolvex, FormParams };

// The caption one control receives. A control of an array is named with its index,
// "CaseInfoGauche(7)"; the main window itself is "FormRolvex". TextName receives its text
// rather than a caption.
struct Legende {
  Fenetre fenetre = Fenetre::FormRolvex;
  std::string controle;
  std::string texte;
  friend bool operator==(const Legende&, const Legende&) = default;
};

// "CaseInfoGauche", 7 → "CaseInfoGauche(7)".
std::string NomControle(std::string_view tableau, int index);

// Everything the windows receive for one language.
struct TextesLangue {
  TextesPartages variables;
  std::vector<Legende> legendes;  // in the order they are written

  // The caption given to `contrôle`, or nothing when it receives none.
  std::optional<std::string> LegendeDe(std::string_view controle) const;
};

// The texts of the quit question and of the farewell.
void InitTextesCommun(Langue langue, TextesPartages& textes);

// Every caption of FormRolvex and FormParams, and every shared text, for the language of the
// run. CaseInfoDroite(i) always repeats CaseInfoGauche(i).
TextesLangue InitTextesLangue(Langue langue);

}  // namespace rolvex
