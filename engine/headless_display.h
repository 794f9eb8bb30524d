// A display without a window: it remembers what each control of the window would show.
// Tests and the headless driver play through it.
#pragma once

#include <string>
#include <string_view>

#include "display.h"
#include "score_sheet.h"

namespace rolvex {

class AffichageMémoire : public Affichage {
 public:
  // What the window would show now.
  Tableau<int16_t, 1, NbDés> imagesDés;  // face picture 0..11 or ImageDéFond
  std::string info;                      // the information line, if written as text
  bool infoEstMessage = false;           // the line holds `message` rather than `info`
  Message message = Message::MsgPourJouer;
  std::string légendeOkDé = "OK";
  TexteFigure figureRéalisée = TexteFigure::Aucun;
  std::string légendeTotalDés;
  std::string légendeScoreTotal;
  bool okDéVisible = false;

  // How often the game asked for each thing since the last Oublier().
  int nbDessins = 0;
  int nbNouvellesParties = 0;
  int nbFinsPartie = 0;

  AffichageMémoire() { imagesDés.fill(ImageDéFond); }

  void Oublier() { nbDessins = nbNouvellesParties = nbFinsPartie = 0; }

  void ImageDé(int16_t dé, int16_t modèle) override { imagesDés[dé] = modèle; }
  void DessineCases() override { ++nbDessins; }
  void InfoDéroulement(Message m) override {
    infoEstMessage = true;
    message = m;
  }
  void InfoInterface(std::string_view texte) override {
    infoEstMessage = false;
    info = texte;
  }
  void LégendeOkDé(std::string_view l) override { légendeOkDé = l; }
  void LégendeFigureRéalisée(TexteFigure f) override { figureRéalisée = f; }
  void LégendeTotalDés(std::string_view l) override { légendeTotalDés = l; }
  void LégendeScoreTotal(std::string_view l) override { légendeScoreTotal = l; }
  void PanelOkDéVisible(bool v) override { okDéVisible = v; }
  void PréparerNouvellePartie() override { ++nbNouvellesParties; }
  void AppelFinPartie() override { ++nbFinsPartie; }
};

}  // namespace rolvex
