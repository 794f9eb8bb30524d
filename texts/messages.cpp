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

// Why a file was not written, in the game's words when the game itself refused it.
std::string Raison(const EchecFichier& echec, Langue langue) {
  const bool fr = langue == Langue::Francais;
  switch (echec.refus) {
    case RefusFichier::LectureSeule:
      return fr ? "il est en lecture seule, et le jeu ne remplace pas un tel fichier"
                : "it is read-only, and the game does not replace such a file";
    case RefusFichier::Illisible:
      return (fr ? "il ne peut pas être lu, et le remplacer perdrait ce qu'il contient : "
                 : "it cannot be read, and replacing it would lose what it holds: ") +
             echec.erreur.message();
    case RefusFichier::Aucun: break;
  }
  return echec.erreur.message();
}

std::string CeQuiNEstPasSauve(const ObjetSauvegarde& objet, Langue langue) {
  const bool fr = langue == Langue::Francais;
  using enum ObjetSauvegarde::Quoi;
  switch (objet.quoi) {
    case Score:
      return fr ? "Votre score de " + std::to_string(objet.score) + " (place " +
                      std::to_string(objet.place) + ") n'est pas enregistré"
                : "Your score of " + std::to_string(objet.score) + " (place " +
                      std::to_string(objet.place) + ") is not saved";
    case Nom:
      return fr ? "Le nom « " + objet.nom + " » et le mode de jeu ne sont pas enregistrés"
                : "The name \u201C" + objet.nom + "\u201D and the game mode are not saved";
    case TablesDefaut:
      return fr ? "Les tables des meilleurs scores ne sont pas enregistrées"
                : "The high-score tables are not saved";
    case CopieUtilisateur:
      return fr ? "Les fichiers de données ne sont pas copiés dans " + objet.nom
                : "The data files are not copied into " + objet.nom;
    case PartieEnCours:
      return fr ? "La partie en cours n'est pas enregistrée" : "The game in progress is not saved";
    case Options: break;
  }
  return fr ? "Les scores, le nom et les options ne sont pas enregistrés"
            : "The scores, the name and the options are not saved";
}

std::string_view LaSuite(const ObjetSauvegarde& objet, Langue langue) {
  const bool fr = langue == Langue::Francais;
  switch (objet.quoi) {
    case ObjetSauvegarde::Quoi::Options:
      return fr ? "ROLVEX s'arrête sans eux." : "ROLVEX ends without them.";
    case ObjetSauvegarde::Quoi::CopieUtilisateur:
      return fr ? "Le jeu les lit là où ils sont ; le prochain enregistrement essaiera de "
                  "nouveau."
                : "The game reads them where they are; the next save will try again.";
    case ObjetSauvegarde::Quoi::PartieEnCours:
      return fr ? "Elle continue ; chaque coup essaiera de nouveau de l'enregistrer."
                : "It goes on; every move will try again to save it.";
    default:
      return fr ? "Les scores restent en mémoire ; le prochain enregistrement essaiera de "
                  "nouveau."
                : "The scores stay in memory; the next save will try again.";
  }
}

}  // namespace

std::string_view MsgPartieReprise(Langue langue) {
  return langue == Langue::Francais ? "La partie en cours reprend là où vous l'aviez laissée."
                                    : "Your game in progress is back where you left it.";
}

std::string_view MsgCaseAnnulee(Langue langue) {
  return langue == Langue::Francais
             ? "La dernière case inscrite est effacée : les dés sont revenus, choisissez une case."
             : "The last square written is taken back: the dice are back, choose a square.";
}

std::string MsgPartieIllisible(const std::string& chemin, const std::optional<std::string>& aCote,
                               Langue langue) {
  const bool fr = langue == Langue::Francais;
  std::string texte(fr ? "La partie enregistrée dans " : "The game saved in ");
  texte += chemin;
  texte += fr ? " ne peut pas être reprise : le fichier est abîmé ou n'est pas le sien. "
              : " cannot be resumed: the file is damaged or not one of ours. ";
  if (aCote) {
    texte += fr ? "Il est mis de côté sous " : "It is set aside as ";
    texte += *aCote;
    texte += ". ";
  }
  texte += fr ? "Une nouvelle partie peut commencer." : "A new game can begin.";
  return texte;
}

std::string MessageEchecFichier(const EchecFichier& echec, Langue langue) {
  return MsgEchecLecture(echec.chemin.string(), echec.erreur.message(), langue);
}

std::string MessageEchecSauvegarde(const EchecFichier& echec, const ObjetSauvegarde& objet,
                                   Langue langue) {
  if (echec.operation == OperationFichier::Lecture) return MessageEchecFichier(echec, langue);
  const bool fr = langue == Langue::Francais;
  return CeQuiNEstPasSauve(objet, langue) + (fr ? " : le fichier " : ": the file ") +
         echec.chemin.string() + (fr ? " n'a pas pu être écrit (" : " could not be written (") +
         Raison(echec, langue) + "). " + std::string(LaSuite(objet, langue));
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
