// A display without a window: it remembers what each control of the window would show.
// Tests and benchmarks of the engine alone play through it.
#pragma once

#include <string>
#include <string_view>

#include "display.h"
#include "score_sheet.h"

namespace rolvex {

class AffichageMemoire : public Affichage {
 public:
  // What the window would show now.
  ParDe<int16_t> imagesDes;     // face picture 0..11 or ImageDeFond
  std::string info;             // the information line, if written as text
  bool infoEstMessage = false;  // the line holds `message` rather than `info`
  Message message = Message::MsgPourJouer;
  std::string legendeOkDe = "OK";
  TexteFigure figureRealisee = TexteFigure::Aucun;
  std::string legendeTotalDes;
  std::string legendeScoreTotal;
  bool okDeVisible = false;

  // How often the game asked for each thing since the last Oublier().
  int nbDessins = 0;
  int nbNouvellesParties = 0;
  int nbFinsPartie = 0;

  AffichageMemoire() { imagesDes.fill(ImageDeFond); }

  void Oublier() { nbDessins = nbNouvellesParties = nbFinsPartie = 0; }

  void ImageDe(int16_t de, int16_t modele) override { imagesDes[de] = modele; }
  void DessineCases() override { ++nbDessins; }
  void InfoDeroulement(Message m) override {
    infoEstMessage = true;
    message = m;
  }
  void InfoInterface(std::string_view texte) override {
    infoEstMessage = false;
    info = texte;
  }
  void LegendeOkDe(std::string_view l) override { legendeOkDe = l; }
  void LegendeFigureRealisee(TexteFigure f) override { figureRealisee = f; }
  void LegendeTotalDes(std::string_view l) override { legendeTotalDes = l; }
  void LegendeScoreTotal(std::string_view l) override { legendeScoreTotal = l; }
  void PanelOkDeVisible(bool v) override { okDeVisible = v; }
  void PreparerNouvellePartie() override { ++nbNouvellesParties; }
  void AppelFinPartie() override { ++nbFinsPartie; }
};

}  // namespace rolvex
