#include "language_tables.h"

namespace rolvex {

namespace {

struct Bilingue {
  std::string_view fr;
  std::string_view en;
  std::string_view pour(Langue l) const { return l == Langue::Français ? fr : en; }
};

}  // namespace

std::string_view Texte(Message message, Langue langue) {
  switch (message) {
    case Message::MsgPourJouer:
      return Bilingue{
          "Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2.",
          "To start a new game, choose the menu Yam->New Game or Press F2."}
          .pour(langue);
    case Message::MsgChoisirCase:
      return Bilingue{"Veuillez sélectionner une case...", "You have to choose a square..."}
          .pour(langue);
    case Message::MsgBoutonsSouris:
      return Bilingue{
          "Bouton gauche de la souris pour garder ou jeter un dé\r"
          "Bouton droit de la souris pour garder les mêmes dés",
          "To keep/throw a dice, use the left button of your mouse.\r"
          "To keep identical dices, use the right button of your mouse."}
          .pour(langue);
    case Message::MsgNouveauTirage:
      return Bilingue{"Cliquez sur le bouton OK pour effectuer un nouveau tirage...",
                      "Click on the button OK to go on th next drawing..."}
          .pour(langue);
    case Message::MsgChoisirOuJeter:
      return Bilingue{"Vous devez choisir une case ou jeter au moins un dé...",
                      "Choose a square or throw at least one dice..."}
          .pour(langue);
  }
  return {};
}

std::string_view Texte(TexteFigure figure, Langue langue) {
  switch (figure) {
    case TexteFigure::Aucun: return {};
    case TexteFigure::TexteSuite: return Bilingue{"SUITE", "SEQUENCE"}.pour(langue);
    case TexteFigure::TexteFull: return "FULL";
    case TexteFigure::TexteCarré: return Bilingue{"CARRE", "SQUARE"}.pour(langue);
    case TexteFigure::TexteYam: return "YAM";
  }
  return {};
}

}  // namespace rolvex
