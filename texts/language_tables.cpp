#include "language_tables.h"

#include <algorithm>
#include <cassert>
#include <span>

namespace rolvex {

namespace {

using Variable = std::string TextesPartagés::*;

// One write of a text: onto a control's caption, or into one of the shared variables.
struct Écriture {
  Fenêtre fenêtre = Fenêtre::FormRolvex;
  std::string_view contrôle;    // empty when the text goes to `variable`
  Variable variable = nullptr;
  Bilingue texte;
  bool suiviDuTitre = false;    // the caption ends with TitreApplication
};

constexpr Écriture Sur(std::string_view contrôle, std::string_view fr, std::string_view en) {
  Écriture é;
  é.contrôle = contrôle;
  é.texte = {fr, en};
  return é;
}
constexpr Écriture SurParams(std::string_view contrôle, std::string_view fr, std::string_view en) {
  Écriture é = Sur(contrôle, fr, en);
  é.fenêtre = Fenêtre::FormParams;
  return é;
}
constexpr Écriture SuiviDuTitre(Écriture é) {
  é.suiviDuTitre = true;
  return é;
}
constexpr Écriture Dans(Variable variable, std::string_view fr, std::string_view en) {
  Écriture é;
  é.variable = variable;
  é.texte = {fr, en};
  return é;
}

// The texts of the quit question and the farewell, written before all others.
constexpr Écriture ÉcrituresCommunes[] = {
    Dans(&TextesPartagés::MsgQuitter, "Voulez-vous vraiment arrêter ", "Do you really want to quit "),
    Dans(&TextesPartagés::MsgAuRevoir, "A bientôt !!!", "See you !!!"),
};

// The texts of one language, in the order they are written. The window's title and the row
// numbers 1 to 6 come before them; the right-hand row labels after them.
constexpr Écriture ÉcrituresLangue[] = {
    Sur("CaseInfoGauche(7)", "MAXI", "MAXI"),
    Sur("CaseInfoGauche(8)", "MINI", "MINI"),
    Sur("CaseInfoGauche(9)", "FULL", "FULL"),
    Sur("CaseInfoGauche(10)", "CARRE", "SQUARE"),
    Sur("CaseInfoGauche(11)", "SUITE", "SEQUENCE"),
    Sur("CaseInfoGauche(12)", "<= 8", "<= 8"),
    Sur("CaseInfoGauche(13)", "YAM", "YAM"),

    Sur("CaseNomDescente", "DESCENTE", "DOWN"),
    Sur("CaseNomLibre", "LIBRE", "FREE"),
    Sur("CaseNomMontée", "MONTEE", "UP"),
    Sur("CaseNomSèche", "SECHE", "STRAIGHT"),
    Sur("CaseNomDeux", "DEUX", "TWO"),
    Sur("CaseNomAnnonce", "ANNONCE", "ANNOUNCE"),

    Sur("PanelStart", "JOUER !", "PLAY !"),
    Sur("PanelEffacerScores", "Cacher les scores", "Hide scores"),

    Sur("MenuJeu", "Yam", "Yam"),
    Sur("MenuNew", "Nouvelle partie", "New game"),
    Sur("MenuQuit", "Quitter", "Quit"),
    Sur("MenuOptions", "Options", "Options"),
    Sur("MenuVoirScores", "Voir les scores", "See the scores"),
    Sur("MenuChoixDés", "Choix des dés", "Dices Type"),
    Sur("MenuDésClassiques", "Classiques", "Classical"),
    Sur("MenuDésNumériques", "Numériques", "Numerical"),
    Sur("MenuAide", "Aide", "Help"),
    Sur("MenuContents", "Sommaire", "Contents"),
    SuiviDuTitre(Sur("MenuAbout", "A propos de ", "About ")),

    Dans(&TextesPartagés::MsgPourJouer,
         "Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2.",
         "To start a new game, choose the menu Yam->New Game or Press F2."),
    Dans(&TextesPartagés::MsgChoisirCase, "Veuillez sélectionner une case...",
         "You have to choose a square..."),
    // The left-button sentence, then the right-button one on a line of its own.
    Dans(&TextesPartagés::MsgBoutonsSouris,
         "Bouton gauche de la souris pour garder ou jeter un dé"
         "\r"
         "Bouton droit de la souris pour garder les mêmes dés",
         "To keep/throw a dice, use the left button of your mouse."
         "\r"
         "To keep identical dices, use the right button of your mouse."),
    Dans(&TextesPartagés::MsgNouveauTirage,
         "Cliquez sur le bouton OK pour effectuer un nouveau tirage...",
         "Click on the button OK to go on th next drawing..."),
    Dans(&TextesPartagés::MsgChoisirOuJeter,
         "Vous devez choisir une case ou jeter au moins un dé...",
         "Choose a square or throw at least one dice..."),

    Sur("PanelNewGame", "REJOUER", "PLAY AGAIN"),
    Sur("PanelNewMode", "CHANGER", "NEW MODE"),

    Dans(&TextesPartagés::TexteSuite, "SUITE", "SEQUENCE"),
    Dans(&TextesPartagés::TexteFull, "FULL", "FULL"),
    Dans(&TextesPartagés::TexteCarré, "CARRE", "SQUARE"),
    Dans(&TextesPartagés::TexteYam, "YAM", "YAM"),

    Sur("CaseInfoTotalHautGauche", "Total", "Total"),
    Sur("CaseInfoTotalHautDroite", "Total", "Total"),
    Sur("CaseInfoTotalBasGauche", "Total", "Total"),
    Sur("CaseInfoTotalBasDroite", "Total", "Total"),
    Sur("CaseInfoBonusHautGauche", "Bonus", "Bonus"),
    Sur("CaseInfoBonusHautDroite", "Bonus", "Bonus"),
    Sur("CaseInfoBonusBasGauche", "Bonus", "Bonus"),
    Sur("CaseInfoBonusBasDroite", "Bonus", "Bonus"),

    SurParams("FrameModeColonnes", "MODE DE JEU ?", "GAME MODE ?"),
    SurParams("SSOptionModeColonnes(1)", "COLONNE UNIQUE", "ONE COLUMN"),
    SurParams("SSOptionModeColonnes(2)", "TROIS COLONNES", "THREE COLUMNS"),
    SurParams("SSOptionModeColonnes(3)", "SIX COLONNES", "SIX COLUMNS"),
    SurParams("TextName", "Votre nom...", "Your name..."),
    SurParams("PanelCancelParams", "ANNULER", "CANCEL"),

    Dans(&TextesPartagés::TexteColonnes, " colonnes", " columns"),
};

inline constexpr int NbLignesNumérotées = 6;  // the upper figures are labelled by their number

std::string TexteÉcrit(const Écriture& é, Langue langue) {
  std::string texte(é.texte.pour(langue));
  if (é.suiviDuTitre) texte += TitreApplication;
  return texte;
}

// Writes `é` into `textes`, either as a caption or into its variable.
void Écrire(const Écriture& é, Langue langue, TextesLangue& textes) {
  if (é.variable != nullptr) {
    textes.variables.*é.variable = TexteÉcrit(é, langue);
  } else {
    textes.légendes.push_back({é.fenêtre, std::string(é.contrôle), TexteÉcrit(é, langue)});
  }
}

}  // namespace

std::string_view Texte(Variable variable, Langue langue) {
  for (std::span<const Écriture> table :
       {std::span<const Écriture>(ÉcrituresCommunes), std::span<const Écriture>(ÉcrituresLangue)})
    for (const Écriture& é : table)
      if (é.variable == variable) return é.texte.pour(langue);
  assert(false && "every shared text has a write");
  return {};
}

std::string_view Texte(Message message, Langue langue) {
  switch (message) {
    case Message::MsgPourJouer: return Texte(&TextesPartagés::MsgPourJouer, langue);
    case Message::MsgChoisirCase: return Texte(&TextesPartagés::MsgChoisirCase, langue);
    case Message::MsgBoutonsSouris: return Texte(&TextesPartagés::MsgBoutonsSouris, langue);
    case Message::MsgNouveauTirage: return Texte(&TextesPartagés::MsgNouveauTirage, langue);
    case Message::MsgChoisirOuJeter: return Texte(&TextesPartagés::MsgChoisirOuJeter, langue);
  }
  return {};
}

std::string_view Texte(TexteFigure figure, Langue langue) {
  switch (figure) {
    case TexteFigure::Aucun: return {};
    case TexteFigure::TexteSuite: return Texte(&TextesPartagés::TexteSuite, langue);
    case TexteFigure::TexteFull: return Texte(&TextesPartagés::TexteFull, langue);
    case TexteFigure::TexteCarré: return Texte(&TextesPartagés::TexteCarré, langue);
    case TexteFigure::TexteYam: return Texte(&TextesPartagés::TexteYam, langue);
  }
  return {};
}

std::string NomContrôle(std::string_view tableau, int index) {
  return std::string(tableau) + "(" + std::to_string(index) + ")";
}

std::optional<std::string> TextesLangue::LégendeDe(std::string_view contrôle) const {
  const auto trouvée = std::find_if(légendes.begin(), légendes.end(),
                                    [&](const Légende& l) { return l.contrôle == contrôle; });
  if (trouvée == légendes.end()) return std::nullopt;
  return trouvée->texte;
}

void InitTextesCommun(Langue langue, TextesPartagés& textes) {
  for (const Écriture& é : ÉcrituresCommunes) textes.*é.variable = TexteÉcrit(é, langue);
}

TextesLangue InitTextesLangue(Langue langue) {
  TextesLangue textes;
  InitTextesCommun(langue, textes.variables);
  textes.légendes.push_back({Fenêtre::FormRolvex, "FormRolvex", std::string(TitreApplication)});
  for (int i = 1; i <= NbLignesNumérotées; ++i)
    textes.légendes.push_back(
        {Fenêtre::FormRolvex, NomContrôle("CaseInfoGauche", i), std::to_string(i)});
  for (const Écriture& é : ÉcrituresLangue) Écrire(é, langue, textes);
  // The right-hand labels are copies, so the two sides of a row can never disagree.
  for (int i = 1; i <= NbFigures; ++i) {
    auto gauche = textes.LégendeDe(NomContrôle("CaseInfoGauche", i));
    assert(gauche.has_value());
    textes.légendes.push_back(
        {Fenêtre::FormRolvex, NomContrôle("CaseInfoDroite", i), std::move(gauche).value_or("")});
  }
  return textes;
}

}  // namespace rolvex
