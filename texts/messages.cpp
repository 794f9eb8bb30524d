#include "messages.h"

#include <iterator>

namespace rolvex {

namespace {

// The best places have sentences of their own, in one language or both; an empty text means
// the place is said with its number.
constexpr Bilingue PhrasesPropres[] = {
    {"Félicitations, vous êtes classé en première position !!!",
     "Congratulations, you are the best (first position) !!!"},
    {"", "You reach the second position !"},
    {"", "You reach the third position !"},
};
constexpr Bilingue PlaceAvant = {"Bravo, vous arrivez en ", "You reach the "};
constexpr Bilingue PlaceApres = {"ème position !", "th position !"};

constexpr Bilingue HorsClassement = {
    "Malheureusement, vous ne rentrez pas dans les 10 meilleurs scores. Cliquez sur REJOUER ou "
    "touche F2 !",
    "You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2."};
constexpr Bilingue AutrePartie = {
    "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !",
    "To start a new game, click on PLAY AGAIN or press F2."};
constexpr Bilingue NomVide = {"Vous devez saisir votre nom...", "Please enter you name..."};
constexpr Bilingue Credit = {"Un jeu de dés de la famille du Yam, pour un joueur.",
                             "A dice game of the Yam family, for one player."};

constexpr Bilingue BoutonOk = {"OK", "OK"};
constexpr Bilingue BoutonOui = {"Oui", "Yes"};
constexpr Bilingue BoutonNon = {"Non", "No"};

}  // namespace

std::string MessagePlace(int16_t place, Langue langue) {
  constexpr int nbPropres = std::size(PhrasesPropres);
  if (place >= 1 && place <= nbPropres) {
    const std::string_view propre = PhrasesPropres[place - 1].pour(langue);
    if (!propre.empty()) return std::string(propre);
  }
  std::string texte(PlaceAvant.pour(langue));
  texte += std::to_string(place);
  texte += PlaceApres.pour(langue);
  return texte;
}

std::string_view MsgHorsClassement(Langue langue) { return HorsClassement.pour(langue); }

std::string_view MsgAutrePartie(Langue langue) { return AutrePartie.pour(langue); }

std::string_view MsgNomVide(Langue langue) { return NomVide.pour(langue); }

std::string QuestionQuitter(Langue langue) {
  std::string texte(Texte(&TextesPartages::MsgQuitter, langue));
  texte += TitreApplication;
  texte += " ?";
  return texte;
}

std::string_view TexteAuRevoir(Langue langue) {
  return Texte(&TextesPartages::MsgAuRevoir, langue);
}

std::string TexteAPropos(Langue langue) {
  std::string texte(TitreApplication);
  texte += " - version ";
  texte += TexteVersion;
  texte += RetourLigne;
  texte += Credit.pour(langue);
  return texte;
}

BoutonsMessage TextesBoutons(Langue langue) {
  return {BoutonOk.pour(langue), BoutonOui.pour(langue), BoutonNon.pour(langue)};
}

std::string LegendeModeColonnes(int16_t nbColonnes, Langue langue) {
  return std::to_string(nbColonnes) + std::string(Texte(&TextesPartages::TexteColonnes, langue));
}

namespace {

std::string MsgEchecLecture(std::string_view fichier, std::string_view raison, Langue langue) {
  const bool fr = langue == Langue::Francais;
  std::string texte = fr ? "Le fichier " : "The file ";
  texte += fichier;
  texte += fr ? " n'a pas pu être lu (" : " could not be read (";
  texte += raison;
  texte += fr ? "). Le jeu continue sans lui." : "). The game goes on without it.";
  return texte;
}

std::string MsgEchecEcriture(std::string_view fichier, std::string_view raison, Langue langue) {
  const bool fr = langue == Langue::Francais;
  std::string texte = fr ? "Le fichier " : "The file ";
  texte += fichier;
  texte += fr ? " n'a pas pu être enregistré (" : " could not be saved (";
  texte += raison;
  texte += fr ? "). Les scores restent en mémoire ; le prochain enregistrement essaiera de "
                "nouveau."
              : "). The scores stay in memory; the next save will try again.";
  return texte;
}

}  // namespace

std::string MessageEchecFichier(const EchecFichier& echec, Langue langue) {
  const std::string fichier = echec.chemin.string();
  const std::string raison = echec.erreur.message();
  return echec.operation == OperationFichier::Lecture ? MsgEchecLecture(fichier, raison, langue)
                                                      : MsgEchecEcriture(fichier, raison, langue);
}

std::string LegendeCelluleScore(Famille famille, int place, const HighScoreEntry& entree) {
  switch (famille) {
    case Famille::PanelScoreClassement: return std::to_string(place);
    case Famille::PanelScoreNom: return entree.name;
    case Famille::PanelScoreTemps: return ConvertTempsEnChrono(entree.time);
    case Famille::PanelScoreNbFigures: return std::to_string(entree.figures);
    case Famille::PanelScoreScore: return std::to_string(entree.score);
    default: return {};  // the dice have no place in a table
  }
}

}  // namespace rolvex
