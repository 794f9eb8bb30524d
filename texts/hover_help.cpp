#include "hover_help.h"

#include <array>

namespace rolvex {

namespace {

// What each column is, as its square's help says it on the first line.
constexpr ParColonne<Bilingue> AideColonne = [] {
  ParColonne<Bilingue> t;
  t[colonne::Libre] = {"La Libre (toujours disponible)", "The Free column (always available)"};
  t[colonne::Descente] = {"La Descente (de haut en bas)", "The Down column"};
  t[colonne::Montee] = {"La Montée (de bas en haut)", "The Up column"};
  t[colonne::Seche] = {"La Sèche (au premier jet)", "The Straight column"};
  t[colonne::Deux] = {"La Deux (2 jets maximum) ", "The Two column"};
  t[colonne::Annonce] = {"L'Annonce (annonce au 1er jet) ", "The Announce column"};
  return t;
}();

// What each figure asks of the dice and scores; some take several lines.
constexpr ParFigure<Bilingue> AideFigure = [] {
  ParFigure<Bilingue> t;
  t[figure::As] = {"As", "Ace"};
  t[figure::Deux] = {"Deux", "Two"};
  t[figure::Trois] = {"Trois", "Three"};
  t[figure::Quatre] = {"Quatre", "Four"};
  t[figure::Cinq] = {"Cinq", "Five"};
  t[figure::Six] = {"Six", "Six"};
  t[figure::Maxi] = {
      "Maxi : Total des 5 dés. Ce total doit être strictement supérieur au Mini. Un BONUS = "
      "(MAXI-MINI)x3 est accordé si vous faites le MAXI et le MINI !!!",
      "Maxi : Sum of the 5 dices. This sum has to be strictly superior to Mini. Extra BONUS = "
      "(MAXI-MINI)x3 !!!"};
  t[figure::Mini] = {
      "Mini : Total des 5 dés. Ce total doit être strictement inférieur au Maxi. Un BONUS = "
      "(MAXI-MINI)x3 est accordé si vous faites le MAXI et le MINI !!!",
      "Mini : Sum of the 5 dices. This sum has to be strictly less than Maxi. Extra BONUS = "
      "(MAXI-MINI)x3 !!!"};
  t[figure::Full] = {
      "Full : 3 dés identiques + 2 dés identiques donnent  : 20 + le total des 5 dés",
      "Full : 3 identical dices + 2 identical dices equals : 20 + sum of the 5 dices"};
  t[figure::Carre] = {"Carré : 4 dés identiques donnent 30 + le total des dés du carré",
                      "Square : 4 identical dices equals 30 + sum of dices of the square"};
  t[figure::Suite] = {"Petite Suite : 12345 donnent 45\rou\rGrande Suite : 23456 donnent 50",
                      "Sequence 12345 equals 45\ror\rSequence 23456 equals 50"};
  // The scale of the low total is one English line in both languages.
  t[figure::PetitTotal] = {
      "Total des dés inférieur ou égal à 8\r"
      "8=60 points , 7=65 points, 6=70 points and 5= 75 points",
      "Sum of 5 dices less thant 8\r"
      "8=60 points , 7=65 points, 6=70 points and 5= 75 points"};
  t[figure::Yam] = {" Yam : 5 dés identiques donnent 70 + le total des 5 dés",
                    " Yam : 5 identical dices equals 70 + sum of the 5 dices"};
  return t;
}();

// The upper bonus: one text for each threshold of PaliersBonusHaut, in its order.
constexpr std::array<Bilingue, PaliersBonusHaut.size()> AidePaliersHaut = {{
    {"Exceptionnel, vous obtenez le bonus de 100 points pour avoir dépassé 80 points dans la "
     "partie haute de cette colonne !",
     "Congratulations, you get the 100 points bonus !"},
    {"Félicitations, vous avez pour cette colonne un bonus de 50 points pour votre score "
     "supérieur à 70 points en haut !",
     "Congratulations, you get the 50 points bonus !"},
    {"Bravo, vous obtenez le bonus de 30 points pour avoir réalisé plus de 60 points en haut !",
     "Congratulations, you get the 30 points bonus !"},
}};
// Below the first threshold: the points still missing, between these two pieces.
constexpr Bilingue IlManqueAvant = {"Il vous manque ", "You have to get "};
constexpr Bilingue IlManqueApres = {" points pour obtenir le premier bonus de 30 points !",
                                    " points more for the first bonus of 30 points !"};

// The lower bonus: every lower figure made, with or without the upper bonus.
constexpr Bilingue BasIncomplet = {
    "Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la colonne.",
    "To get the down bonus of this column, you just have to complete all figures of this "
    "column."};
constexpr Bilingue BasSimple = {
    "Vous obtenez le bonus de 100 points pour avoir réalisé toutes les figures de la colonne.",
    "You get the 100 points bonus because you got all the figures of the column."};
constexpr Bilingue BasDouble = {
    "Vous avez réalisé toutes les figures de la colonne avec le bonus du haut, vous obtenez "
    "donc un bonus exceptionnel de 200 points !",
    "You get a bonus of 200 points because you got all the figures and the up bonus"};

constexpr Bilingue AideFigureRealisee = {"Figure actuellement réalisée.", "Current figure."};
constexpr Bilingue AideTotalDes = {"Somme des 5 dés actuellement tirés.",
                                   "Total of the current 5 dices."};
constexpr Bilingue AideScoreTotal = {
    "Score total (correspondant à la somme des scores de chaque colonne).",
    "This is the score (sum of column scores)."};

// A high-score panel says its row number between these two pieces.
struct AideRang {
  Bilingue avant;
  Bilingue apres;
};
constexpr AideRang AideClassement = {{"Joueur classé en position ", "Player position "}, {"", ""}};
constexpr AideRang AideNom = {
    {"Nom du joueur classé en position N° ", " Name of the player at position "}, {"", ""}};
constexpr AideRang AideTemps = {{"Temps réalisé de la position N° ", "Time elapsed at position "},
                                {"", ""}};
constexpr AideRang AideNbFigures = {
    {"Nombre de figures réalisées pour le score N° ", "Number of figures of the score "}, {"", ""}};
constexpr AideRang AideScore = {{"Meilleur score N° ", "High score "}, {" / 10", " / 10"}};

constexpr bool ColonneValide(int c) { return c >= 1 && c <= NbColonnesMax; }

std::string Entre(const Bilingue& avant, int32_t nombre, const Bilingue& apres, Langue langue) {
  std::string texte(avant.pour(langue));
  texte += std::to_string(nombre);
  texte += apres.pour(langue);
  return texte;
}

}  // namespace

AideSurvol AppelMoveCase(const EtatPartie& etat, int16_t col, int16_t ind, Langue langue) {
  if (!ColonneValide(col) || ind < 1 || ind > NbFigures) return std::nullopt;
  if (!etat.Cases(col, ind).Selectionnable) return std::nullopt;
  std::string texte(AideColonne[col].pour(langue));
  texte += RetourLigne;
  texte += AideFigure[ind].pour(langue);
  return texte;
}

AideSurvol AppelMoveBonus(const EtatPartie& etat, int16_t ou, int16_t c, Langue langue) {
  if (etat.PartieTerminee || !ColonneValide(c)) return std::nullopt;
  const int32_t totalHaut = etat.TotalHaut[c];
  if (ou == bonus::Haut) {
    for (std::size_t i = 0; i < PaliersBonusHaut.size(); ++i)
      if (totalHaut >= PaliersBonusHaut[i].seuil)
        return std::string(AidePaliersHaut[i].pour(langue));
    return Entre(IlManqueAvant, SeuilBonusHaut - totalHaut, IlManqueApres, langue);
  }
  if (ou == bonus::Bas) {
    if (etat.NbFiguresColonne[c] != NbFiguresBas) return std::string(BasIncomplet.pour(langue));
    const Bilingue& texte = totalHaut < SeuilBonusHaut ? BasSimple : BasDouble;
    return std::string(texte.pour(langue));
  }
  return std::nullopt;
}

std::string AppelMovePanel(Seul panel, Langue langue) {
  switch (panel) {
    case Seul::PanelFigureRealisee: return std::string(AideFigureRealisee.pour(langue));
    case Seul::PanelTotalDes: return std::string(AideTotalDes.pour(langue));
    case Seul::PanelScoreTotal: return std::string(AideScoreTotal.pour(langue));
    default: return {};
  }
}

std::string AppelMovePanelScore(Famille colonne, int16_t rang, Langue langue) {
  const AideRang* aide = nullptr;
  switch (colonne) {
    case Famille::PanelScoreClassement: aide = &AideClassement; break;
    case Famille::PanelScoreNom: aide = &AideNom; break;
    case Famille::PanelScoreTemps: aide = &AideTemps; break;
    case Famille::PanelScoreNbFigures: aide = &AideNbFigures; break;
    case Famille::PanelScoreScore: aide = &AideScore; break;
    default: return {};
  }
  return Entre(aide->avant, rang, aide->apres, langue);
}

AideSurvol PictureAireJeu_MouseMove(const EtatPartie& etat) {
  if (etat.PartieTerminee) return std::nullopt;
  return std::string();
}

}  // namespace rolvex
