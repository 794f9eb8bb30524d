// The texts that only one moment of the game shows: the end of a game, the name dialog, the
// quit question, the farewell, the About box and the column mode panel.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/file_store.h"
#include "records/high_scores.h"
#include "texts/hover_help.h"
#include "texts/language_tables.h"

namespace rolvex {

// The message box that announces the place (1..10) a finished game takes in the high scores.
std::string MessagePlace(int16_t place, Langue langue);

// The information line after a game that does not enter the high scores.
std::string_view MsgHorsClassement(Langue langue);

// The information line once the place message has been closed.
std::string_view MsgAutrePartie(Langue langue);

// The information line once a game saved in progress has come back, and once the last square
// written has been taken back.
std::string_view MsgPartieReprise(Langue langue);
std::string_view MsgCaseAnnulee(Langue langue);

// A saved game that cannot be played on: where it was, and where it was set aside (nothing
// when it could not be moved).
std::string MsgPartieIllisible(const std::string& chemin, const std::optional<std::string>& aCote,
                               Langue langue);

// The name dialog refuses an empty name with this message.
std::string_view MsgNomVide(Langue langue);

// The question asked before quitting: MsgQuitter, TitreApplication, " ?".
std::string QuestionQuitter(Langue langue);

// The farewell box, after the player confirmed quitting.
std::string_view TexteAuRevoir(Langue langue);

// The About box: the title, the version, then a line of credit.
std::string TexteAPropos(Langue langue);

// The buttons of the game's message boxes, in the game's language, so that a French game shows
// no English button.
struct BoutonsMessage {
  std::string_view Ok;
  std::string_view Oui;
  std::string_view Non;
};
BoutonsMessage TextesBoutons(Langue langue);

// PanelModeColonnes: the number of columns in play (1, 3 or 6), then TexteColonnes. There is no
// singular form.
std::string LegendeModeColonnes(int16_t nbColonnes, Langue langue);

// What a cell of the high-score panel (a column of FamillesScores) shows of place `place`
// (1..10) of a table.
std::string LegendeCelluleScore(Famille famille, int place, const HighScoreEntry& entree);

// What a save was for, so that its failure says what is not on disk.
struct ObjetSauvegarde {
  enum class Quoi : int8_t {
    Options,           // the name, the mode and the faces, at the quit: nothing comes after
    Nom,               // the name and the mode of a new game
    Score,             // a finished game's place in the high scores
    TablesDefaut,      // the first tables, written at the first start
    CopieUtilisateur,  // the files copied into the user's folder, `nom` holding the folder
    PartieEnCours      // the game in progress, after a move
  };
  Quoi quoi = Quoi::Options;
  std::string nom = {};
  int32_t score = 0;
  int16_t place = 0;
};

// A data file could not be read: which file, why, and that the game goes on without it.
std::string MessageEchecFichier(const EchecFichier& echec, Langue langue);

// A save failed: what is not saved, which file, why, and what the game does next.
std::string MessageEchecSauvegarde(const EchecFichier& echec, const ObjetSauvegarde& objet,
                                   Langue langue);

}  // namespace rolvex
