#include "texts/accessible_texts.h"

#include <array>
#include <cctype>

#include "texts/hover_help.h"

namespace rolvex {

namespace {

constexpr ParColonne<Bilingue> NomsColonnes = [] {
  ParColonne<Bilingue> t;
  t[colonne::Libre] = {"Libre", "Free"};
  t[colonne::Descente] = {"Descente", "Down"};
  t[colonne::Montee] = {"Montée", "Up"};
  t[colonne::Seche] = {"Sèche", "Straight"};
  t[colonne::Deux] = {"Deux", "Two"};
  t[colonne::Annonce] = {"Annonce", "Announce"};
  return t;
}();

// When a column lets its squares be written.
constexpr ParColonne<Bilingue> ReglesColonnes = [] {
  ParColonne<Bilingue> t;
  t[colonne::Libre] = {"toute case, à chaque jet.", "any square, after any throw."};
  t[colonne::Descente] = {"de haut en bas, une case après l'autre.",
                          "from top to bottom, one square after the other."};
  t[colonne::Montee] = {"de bas en haut, une case après l'autre.",
                        "from bottom to top, one square after the other."};
  t[colonne::Seche] = {"au premier jet seulement.", "after the first throw only."};
  t[colonne::Deux] = {"au premier ou au deuxième jet.", "after the first or the second throw."};
  t[colonne::Annonce] = {
      "la figure annoncée juste après le premier jet, écrite après le troisième.",
      "the figure announced right after the first throw, written after the "
      "third."};
  return t;
}();

constexpr ParFigure<Bilingue> NomsFigures = [] {
  ParFigure<Bilingue> t;
  t[figure::As] = {"As", "Ace"};
  t[figure::Deux] = {"Deux", "Two"};
  t[figure::Trois] = {"Trois", "Three"};
  t[figure::Quatre] = {"Quatre", "Four"};
  t[figure::Cinq] = {"Cinq", "Five"};
  t[figure::Six] = {"Six", "Six"};
  t[figure::Maxi] = {"Maxi", "Maxi"};
  t[figure::Mini] = {"Mini", "Mini"};
  t[figure::Full] = {"Full", "Full"};
  t[figure::Carre] = {"Carré", "Square"};
  t[figure::Suite] = {"Suite", "Sequence"};
  t[figure::PetitTotal] = {"8 ou moins", "8 or less"};
  t[figure::Yam] = {"Yam", "Yam"};
  return t;
}();

// What the dice must show for a figure, and what it scores.
constexpr ParFigure<Bilingue> ReglesFigures = [] {
  ParFigure<Bilingue> t;
  t[figure::As] = {"Somme des dés qui montrent 1.", "Sum of the dice showing 1."};
  t[figure::Deux] = {"Somme des dés qui montrent 2.", "Sum of the dice showing 2."};
  t[figure::Trois] = {"Somme des dés qui montrent 3.", "Sum of the dice showing 3."};
  t[figure::Quatre] = {"Somme des dés qui montrent 4.", "Sum of the dice showing 4."};
  t[figure::Cinq] = {"Somme des dés qui montrent 5.", "Sum of the dice showing 5."};
  t[figure::Six] = {"Somme des dés qui montrent 6.", "Sum of the dice showing 6."};
  t[figure::Maxi] = {"Total des 5 dés, plus grand que le Mini.",
                     "Sum of the 5 dice, above the Mini."};
  t[figure::Mini] = {"Total des 5 dés, plus petit que le Maxi.",
                     "Sum of the 5 dice, below the Maxi."};
  t[figure::Full] = {"3 dés identiques et 2 dés identiques : 20 plus le total des dés.",
                     "3 alike and 2 alike: 20 plus the sum of the dice."};
  t[figure::Carre] = {"4 dés identiques : 30 plus le total de ces 4 dés.",
                      "4 alike: 30 plus the sum of these 4 dice."};
  t[figure::Suite] = {"1, 2, 3, 4, 5 donne 45 ; 2, 3, 4, 5, 6 donne 50.",
                      "1, 2, 3, 4, 5 gives 45; 2, 3, 4, 5, 6 gives 50."};
  t[figure::PetitTotal] = {
      "Total des dés de 8 ou moins : 8 donne 60, 7 donne 65, 6 donne 70, 5 "
      "donne 75.",
      "Sum of the dice of 8 or less: 8 gives 60, 7 gives 65, 6 gives 70, 5 "
      "gives 75."};
  t[figure::Yam] = {"5 dés identiques : 70 plus le total des dés.",
                    "5 alike: 70 plus the sum of the dice."};
  return t;
}();

// The total and bonus rows, upper then lower.
struct LigneAccessible {
  Bilingue nom;
  Bilingue description;
};
constexpr std::array<LigneAccessible, 2> TotauxAccessibles = {{
    {{"Total du haut", "Upper total"},
     {"Somme des scores du haut de la colonne.", "Sum of the upper scores of the column."}},
    {{"Total du bas", "Lower total"},
     {"Somme des scores du bas de la colonne.", "Sum of the lower scores of the column."}},
}};
constexpr std::array<LigneAccessible, 2> LignesBonus = {{
    {{"Bonus du haut", "Upper bonus"},
     {"30, 50 ou 100 points quand le haut de la colonne atteint 60, 70 ou 80.",
      "30, 50 or 100 points when the upper part of the column reaches 60, 70 or 80."}},
    {{"Bonus du bas", "Lower bonus"},
     {"100 points quand toutes les figures du bas sont faites, 200 avec le bonus du haut.",
      "100 points when every lower figure is made, 200 with the upper bonus."}},
}};

bool EnFrancais(Langue langue) { return langue == Langue::Francais; }

// "Libre, total du haut", "Free, upper total".
std::string DeLaColonne(std::string_view ligne, int16_t colonne, Langue langue) {
  std::string nom(ligne);
  if (!nom.empty()) nom[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(nom[0])));
  return std::string(NomsColonnes[colonne].pour(langue)) + ", " + nom;
}

// "Score total : 12" in French typography, "Total score: 12" in English.
std::string Avec(std::string_view nom, std::string_view valeur, Langue langue) {
  std::string texte(nom);
  texte += EnFrancais(langue) ? " : " : ": ";
  texte += valeur;
  return texte;
}

// "25 points", "1 point"; French keeps 0 in the singular.
std::string Points(int n, Langue langue) {
  const bool pluriel = EnFrancais(langue) ? n > 1 : n != 1;
  return std::to_string(n) + (pluriel ? " points" : " point");
}

std::string NomCaseAccessible(int16_t colonne, int16_t figure, Langue langue) {
  return std::string(NomsColonnes[colonne].pour(langue)) + ", " +
         std::string(NomsFigures[figure].pour(langue));
}

std::string EtatCase(const EtatPartie& e, int16_t colonne, int16_t figure, Langue langue) {
  const CaseJeu& k = e.Cases(colonne, figure);
  const bool fr = EnFrancais(langue);
  if (k.Prise) {
    if (k.Score == 0) return fr ? "barrée" : "crossed out";
    return fr ? Points(k.Score, langue) + (k.Score > 1 ? " marqués" : " marqué")
              : "scored " + std::to_string(k.Score);
  }
  if (!k.Visible) return fr ? "fermée" : "closed";
  std::string etat;
  if (colonne == colonne::Annonce && e.FigureAnnoncee == figure)
    etat = fr ? "annoncée, " : "announced, ";
  if (!k.Selectionnable) return etat + (fr ? "à jouer" : "open");
  const std::string points = Points(k.ScorePotentiel, langue);
  return etat + points + (fr ? (k.ScorePotentiel > 1 ? " possibles" : " possible") : " possible");
}

std::string ActionCase(const EtatPartie& e, int16_t colonne, int16_t figure, Langue langue) {
  const CaseJeu& k = e.Cases(colonne, figure);
  const bool fr = EnFrancais(langue);
  if (!k.Visible || !k.Selectionnable || k.Prise)
    return fr ? "Ne peut pas être choisie maintenant." : "Cannot be chosen now.";
  const bool annonce =
      colonne == colonne::Annonce && e.NbJets == PremierJet && e.FigureAnnoncee == AucuneAnnonce;
  if (annonce)
    return fr ? "Entrée ou clic : annoncer cette figure." : "Enter or click: announce this figure.";
  return fr ? "Entrée ou clic : écrire ce score." : "Enter or click: write this score.";
}

std::string RegleColonne(int16_t colonne, Langue langue) {
  return Avec(NomsColonnes[colonne].pour(langue), ReglesColonnes[colonne].pour(langue), langue);
}

constexpr AccessibleFixe Fixe(std::string_view controle, Bilingue nom, Bilingue description) {
  return {Fenetre::FormRolvex, controle, nom, description};
}
constexpr AccessibleFixe FixeParams(std::string_view controle, Bilingue nom, Bilingue description) {
  return {Fenetre::FormParams, controle, nom, description};
}

constexpr AccessibleFixe Fixes[] = {
    Fixe("FormRolvex", {"ROLVEX", "ROLVEX"},
         {"Jeu de dés de la famille du Yam.", "A dice game of the Yam family."}),
    Fixe("PictureAireJeu", {"Feuille de marque", "Score sheet"},
         {"Flèches : choisir une case ; Entrée : l'écrire.",
          "Arrows: choose a square; Enter: write it."}),
    Fixe("SuperPanelDés", {"Dés", "Dice"},
         {"Touches 1 à 5 : garder ou relancer un dé ; Espace : jeter.",
          "Keys 1 to 5: keep or throw a die again; Space: throw."}),
    Fixe("PanelStart", {"Jouer", "Play"},
         {"Choisir son nom et le nombre de colonnes, puis jouer (F2).",
          "Choose your name and the number of columns, then play (F2)."}),
    Fixe("PanelNewGame", {"Rejouer", "Play again"},
         {"Une nouvelle partie avec le même nombre de colonnes.",
          "A new game with the same number of columns."}),
    Fixe("PanelNewMode", {"Changer", "New mode"},
         {"Choisir un autre nom ou un autre nombre de colonnes.",
          "Choose another name or another number of columns."}),
    Fixe("SuperPanelScore", {"Meilleurs scores", "High scores"},
         {"Les dix meilleurs scores du nombre de colonnes joué.",
          "The ten best scores of the number of columns played."}),
    Fixe("PanelModeColonnes", {"Nombre de colonnes", "Number of columns"},
         {"Le mode de jeu de ces meilleurs scores.", "The game mode of these high scores."}),
    Fixe("PanelScore", {"Tableau des meilleurs scores", "High-score table"},
         {"Place, nom, score, temps et figures réalisées.",
          "Place, name, score, time and figures made."}),
    Fixe("PanelEffacerScores", {"Cacher les scores", "Hide scores"},
         {"Revenir à la feuille de marque.", "Back to the score sheet."}),

    FixeParams("FormParams", {"Options", "Options"},
               {"Votre nom et le nombre de colonnes de la partie.",
                "Your name and the number of columns of the game."}),
    FixeParams("FrameModeColonnes", {"Mode de jeu", "Game mode"},
               {"Le nombre de colonnes de la partie.", "The number of columns of the game."}),
    FixeParams("SSOptionModeColonnes(1)", {"Colonne unique", "One column"},
               {"La Libre seule, 13 tours.", "The Free column alone, 13 turns."}),
    FixeParams("SSOptionModeColonnes(2)", {"Trois colonnes", "Three columns"},
               {"Libre, Descente et Montée, 39 tours.", "Free, Down and Up, 39 turns."}),
    FixeParams("SSOptionModeColonnes(3)", {"Six colonnes", "Six columns"},
               {"Les six colonnes, 78 tours.", "All six columns, 78 turns."}),
    FixeParams("TextName", {"Votre nom", "Your name"},
               {"12 caractères au plus.", "12 characters at most."}),
    FixeParams("PanelOkParams", {"OK", "OK"},
               {"Commencer la partie (Entrée).", "Start the game (Enter)."}),
    FixeParams(
        "PanelCancelParams", {"Annuler", "Cancel"},
        {"Fermer sans commencer de partie (Échap).", "Close without starting a game (Escape)."}),
};

constexpr AccessibleDemarrage TextesDemarrage[] = {
    {"frmSplash", "ROLVEX", "Choisissez votre langue. Choose your language."},
    {"imgLogo", "ROLVEX", "Trois dés jetés. Three dice thrown."},
    {"PanelStartFrench", "Version française", "Jouer en français."},
    {"PanelStartEnglish", "English version", "Play in English."},
};

}  // namespace

std::string_view NomColonne(int16_t colonne, Langue langue) {
  return NomsColonnes[colonne].pour(langue);
}

std::string_view NomFigure(int16_t figure, Langue langue) {
  return NomsFigures[figure].pour(langue);
}

TexteAccessible AccessibleCase(const EtatPartie& e, int16_t colonne, int16_t figure,
                               Langue langue) {
  return {Avec(NomCaseAccessible(colonne, figure, langue), EtatCase(e, colonne, figure, langue),
               langue),
          ActionCase(e, colonne, figure, langue) + " " + RegleColonne(colonne, langue)};
}

TexteAccessible AccessibleTotal(const EtatPartie& e, int16_t ou, int16_t colonne, Langue langue) {
  const int32_t valeur = ou == bonus::Haut ? e.TotalHaut[colonne] : e.TotalBas[colonne];
  const TexteAccessible ligne = AccessibleEtiquetteTotal(ou, langue);
  return {Avec(DeLaColonne(ligne.nom, colonne, langue), std::to_string(valeur), langue),
          ligne.description};
}

TexteAccessible AccessibleBonus(const EtatPartie& e, int16_t ou, int16_t colonne, Langue langue) {
  const int32_t valeur = ou == bonus::Haut ? e.BonusHaut[colonne] : e.BonusBas[colonne];
  const TexteAccessible ligne = AccessibleEtiquetteBonus(ou, langue);
  // The hover help says what the column still lacks; once the game is over it says nothing.
  return {Avec(DeLaColonne(ligne.nom, colonne, langue), std::to_string(valeur), langue),
          AppelMoveBonus(e, ou, colonne, langue).value_or(ligne.description)};
}

TexteAccessible AccessibleEtiquetteTotal(int16_t ou, Langue langue) {
  const LigneAccessible& l = ou == bonus::Haut ? TotauxAccessibles[0] : TotauxAccessibles[1];
  return {std::string(l.nom.pour(langue)), std::string(l.description.pour(langue))};
}

TexteAccessible AccessibleEtiquetteBonus(int16_t ou, Langue langue) {
  const LigneAccessible& l = ou == bonus::Haut ? LignesBonus[0] : LignesBonus[1];
  return {std::string(l.nom.pour(langue)), std::string(l.description.pour(langue))};
}

TexteAccessible AccessibleEntete(int16_t colonne, Langue langue) {
  const std::string nom(NomsColonnes[colonne].pour(langue));
  return {EnFrancais(langue) ? "Colonne " + nom : nom + " column",
          std::string(ReglesColonnes[colonne].pour(langue))};
}

TexteAccessible AccessibleEtiquette(int16_t figure, Langue langue) {
  return {std::string(NomsFigures[figure].pour(langue)),
          std::string(ReglesFigures[figure].pour(langue))};
}

TexteAccessible AccessibleDe(const EtatPartie& e, int16_t de, Langue langue) {
  const bool fr = EnFrancais(langue);
  const std::string numero = std::to_string(de);
  std::string etat;
  if (e.NbJets == 0 || e.Des[de] < 1)
    etat = fr ? "pas encore jeté" : "not thrown yet";
  else
    etat = std::to_string(e.Des[de]) + ", " +
           (e.DesGardes[de] ? (fr ? "gardé" : "kept") : (fr ? "à relancer" : "to throw again"));
  return {Avec((fr ? "Dé " : "Die ") + numero, etat, langue),
          fr ? "Touche " + numero +
                   " ou clic gauche : garder ou relancer ce dé. Clic droit : garder "
                   "les dés identiques."
             : "Key " + numero +
                   " or left click: keep or throw this die again. Right click: keep "
                   "the identical dice."};
}

TexteAccessible AccessiblePlaceDe(int16_t de, Langue langue) {
  const std::string numero = std::to_string(de);
  return EnFrancais(langue)
             ? TexteAccessible{"Place du dé " + numero, "Clic : reprendre le dé à relancer."}
             : TexteAccessible{"Place of die " + numero, "Click: keep the die again."};
}

TexteAccessible AccessibleOkDe(const EtatPartie& e, Langue langue) {
  const bool fr = EnFrancais(langue);
  std::string description;
  if (e.NbJets == 0)
    description = fr ? "Aucun jet fait. Espace ou Entrée : jeter les dés."
                     : "No throw made yet. Space or Enter: throw the dice.";
  else if (e.NbJets < NbJetsMax)
    description = fr ? std::to_string(e.NbJets) + " jet" + (e.NbJets > 1 ? "s" : "") +
                           " sur 3. Espace ou Entrée : jeter les dés à relancer."
                     : std::to_string(e.NbJets) +
                           " of 3 throws made. Space or Enter: throw the "
                           "dice again.";
  else
    description =
        fr ? "3 jets sur 3 : choisissez une case." : "3 of 3 throws made: choose a square.";
  // The faces thrown come first: a player who cannot see the dice hears the throw there.
  std::string des;
  for (int16_t i = 1; e.NbJets > 0 && i <= NbDes; ++i)
    des += (i == 1 ? (fr ? "Dés : " : "Dice: ") : ", ") + std::to_string(e.Des[i]);
  if (!des.empty()) description = des + ". " + description;
  return {fr ? "Lancer les dés" : "Throw the dice", std::move(description)};
}

TexteAccessible AccessibleScoreTotal(const EtatPartie& e, Langue langue) {
  return {Avec(EnFrancais(langue) ? "Score total" : "Total score", std::to_string(e.ScoreTotal),
               langue),
          AppelMovePanel(Seul::PanelScoreTotal, langue)};
}

TexteAccessible AccessibleTotalDes(const EtatPartie& e, Langue langue) {
  const std::string_view nom = EnFrancais(langue) ? "Somme des dés" : "Sum of the dice";
  return {e.NbJets == 0 ? std::string(nom) : Avec(nom, std::to_string(e.Analyse.TotalDes), langue),
          AppelMovePanel(Seul::PanelTotalDes, langue)};
}

TexteAccessible AccessibleFigureRealisee(const EtatPartie& e, Langue langue) {
  const bool fr = EnFrancais(langue);
  const TexteFigure figure = e.NbJets == 0 ? TexteFigure::Aucun : e.Analyse.FigureNommee;
  const std::string_view texte =
      figure == TexteFigure::Aucun ? (fr ? "aucune" : "none") : Texte(figure, langue);
  return {Avec(fr ? "Figure réalisée" : "Figure made", texte, langue),
          AppelMovePanel(Seul::PanelFigureRealisee, langue)};
}

TexteAccessible AccessibleInfo(std::string_view texte, Langue langue) {
  std::string lignes(texte);
  for (char& c : lignes)
    if (c == RetourLigne) c = '\n';
  return {EnFrancais(langue) ? "Ligne d'information" : "Information line", std::move(lignes)};
}

std::string_view AccessibleEnteteScores(std::size_t colonne, Langue langue) {
  constexpr std::array<Bilingue, 5> Entetes = {{{"Place", "Place"},
                                                {"Nom", "Name"},
                                                {"Score", "Score"},
                                                {"Temps", "Time"},
                                                {"Figures", "Figures"}}};
  return colonne < Entetes.size() ? Entetes[colonne].pour(langue) : std::string_view();
}

std::span<const AccessibleFixe> AccessiblesFixes() { return Fixes; }

std::span<const AccessibleDemarrage> AccessiblesDemarrage() { return TextesDemarrage; }

}  // namespace rolvex
