#include "language_tables.h"

#include <algorithm>
#include <cassert>
#include <span>

namespace rolvex {

namespace {

using Variable = std::string TextesPartages::*;

// One write of a text: onto a control's caption, or into one of the shared variables.
struct Ecriture {
  Fenetre fenetre = Fenetre::FormRolvex;
  std::string_view controle;  // empty when the text goes to `variable`
  Variable variable = nullptr;
  Bilingue texte;
  bool suiviDuTitre = false;  // the caption ends with TitreApplication
};

constexpr Ecriture Sur(std::string_view controle, std::string_view fr, std::string_view en) {
  Ecriture e;
  e.controle = controle;
  e.texte = {fr, en};
  return e;
}
constexpr Ecriture SurParams(std::string_view controle, std::string_view fr, std::string_view en) {
  Ecriture e = Sur(controle, fr, en);
  e.fenetre = Fenetre::FormParams;
  return e;
}
constexpr Ecriture SuiviDuTitre(Ecriture e) {
  e.suiviDuTitre = true;
  return e;
}
constexpr Ecriture Dans(Variable variable, std::string_view fr, std::string_view en) {
  Ecriture e;
  e.variable = variable;
  e.texte = {fr, en};
  return e;
}

// The texts of the quit question and the farewell, written before all others.
constexpr Ecriture EcrituresCommunes[] = {
    Dans(&TextesPartages::MsgQuitter, "Voulez-vous vraiment arrêter ",
         "Do you really want to quit "),
    Dans(&TextesPartages::MsgAuRevoir, "A bientôt !!!", "See you !!!"),
};

// The texts of one language, in the order they are written. The window's title and the row
// numbers 1 to 6 come before them; the right-hand row labels after them.
constexpr Ecriture EcrituresLangue[] = {
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
    Sur("MenuAnnuler", "Annuler la dernière case", "Undo the last square"),
    Sur("MenuQuit", "Quitter", "Quit"),
    Sur("MenuOptions", "Options", "Options"),
    Sur("MenuVoirScores", "Voir les scores", "See the scores"),
    Sur("MenuStatistiques", "Statistiques", "Statistics"),
    Sur("MenuChoixDés", "Choix des dés", "Dices Type"),
    Sur("MenuDésClassiques", "Classiques", "Classical"),
    Sur("MenuDésNumériques", "Numériques", "Numerical"),
    Sur("MenuAide", "Aide", "Help"),
    Sur("MenuContents", "Sommaire", "Contents"),
    SuiviDuTitre(Sur("MenuAbout", "A propos de ", "About ")),

    Dans(&TextesPartages::MsgPourJouer,
         "Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2.",
         "To start a new game, choose the menu Yam->New Game or Press F2."),
    Dans(&TextesPartages::MsgChoisirCase, "Veuillez sélectionner une case...",
         "You have to choose a square..."),
    // The left-button sentence, then the right-button one on a line of its own.
    Dans(&TextesPartages::MsgBoutonsSouris,
         "Bouton gauche de la souris pour garder ou jeter un dé"
         "\r"
         "Bouton droit de la souris pour garder les mêmes dés",
         "To keep/throw a dice, use the left button of your mouse."
         "\r"
         "To keep identical dices, use the right button of your mouse."),
    Dans(&TextesPartages::MsgNouveauTirage,
         "Cliquez sur le bouton OK pour effectuer un nouveau tirage...",
         "Click on the button OK to go on th next drawing..."),
    Dans(&TextesPartages::MsgChoisirOuJeter,
         "Vous devez choisir une case ou jeter au moins un dé...",
         "Choose a square or throw at least one dice..."),

    Sur("PanelNewGame", "REJOUER", "PLAY AGAIN"),
    Sur("PanelNewMode", "CHANGER", "NEW MODE"),

    Dans(&TextesPartages::TexteSuite, "SUITE", "SEQUENCE"),
    Dans(&TextesPartages::TexteFull, "FULL", "FULL"),
    Dans(&TextesPartages::TexteCarre, "CARRE", "SQUARE"),
    Dans(&TextesPartages::TexteYam, "YAM", "YAM"),

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

    Dans(&TextesPartages::TexteColonnes, " colonnes", " columns"),
};

inline constexpr int NbLignesNumerotees = 6;  // the upper figures are labelled by their number

std::string TexteEcrit(const Ecriture& e, Langue langue) {
  std::string texte(e.texte.pour(langue));
  if (e.suiviDuTitre) texte += TitreApplication;
  return texte;
}

// Writes `é` into `textes`, either as a caption or into its variable.
void Ecrire(const Ecriture& e, Langue langue, TextesLangue& textes) {
  if (e.variable != nullptr) {
    textes.variables.*e.variable = TexteEcrit(e, langue);
  } else {
    textes.legendes.push_back({e.fenetre, std::string(e.controle), TexteEcrit(e, langue)});
  }
}

}  // namespace

std::string_view Texte(Variable variable, Langue langue) {
  for (std::span<const Ecriture> table :
       {std::span<const Ecriture>(EcrituresCommunes), std::span<const Ecriture>(EcrituresLangue)})
    for (const Ecriture& e : table)
      if (e.variable == variable) return e.texte.pour(langue);
  assert(false && "every shared text has a write");
  return {};
}

std::string_view Texte(Message message, Langue langue) {
  switch (message) {
    case Message::MsgPourJouer: return Texte(&TextesPartages::MsgPourJouer, langue);
    case Message::MsgChoisirCase: return Texte(&TextesPartages::MsgChoisirCase, langue);
    case Message::MsgBoutonsSouris: return Texte(&TextesPartages::MsgBoutonsSouris, langue);
    case Message::MsgNouveauTirage: return Texte(&TextesPartages::MsgNouveauTirage, langue);
    case Message::MsgChoisirOuJeter: return Texte(&TextesPartages::MsgChoisirOuJeter, langue);
  }
  return {};
}

std::string_view Texte(TexteFigure figure, Langue langue) {
  switch (figure) {
    case TexteFigure::Aucun: return {};
    case TexteFigure::TexteSuite: return Texte(&TextesPartages::TexteSuite, langue);
    case TexteFigure::TexteFull: return Texte(&TextesPartages::TexteFull, langue);
    case TexteFigure::TexteCarre: return Texte(&TextesPartages::TexteCarre, langue);
    case TexteFigure::TexteYam: return Texte(&TextesPartages::TexteYam, langue);
  }
  return {};
}

std::string NomControle(std::string_view tableau, int index) {
  return std::string(tableau) + "(" + std::to_string(index) + ")";
}

std::optional<std::string> TextesLangue::LegendeDe(std::string_view controle) const {
  const auto trouvee = std::find_if(legendes.begin(), legendes.end(),
                                    [&](const Legende& l) { return l.controle == controle; });
  if (trouvee == legendes.end()) return std::nullopt;
  return trouvee->texte;
}

void InitTextesCommun(Langue langue, TextesPartages& textes) {
  for (const Ecriture& e : EcrituresCommunes) textes.*e.variable = TexteEcrit(e, langue);
}

TextesLangue InitTextesLangue(Langue langue) {
  TextesLangue textes;
  InitTextesCommun(langue, textes.variables);
  textes.legendes.push_back({Fenetre::FormRolvex, "FormRolvex", std::string(TitreApplication)});
  for (int i = 1; i <= NbLignesNumerotees; ++i)
    textes.legendes.push_back(
        {Fenetre::FormRolvex, NomControle("CaseInfoGauche", i), std::to_string(i)});
  for (const Ecriture& e : EcrituresLangue) Ecrire(e, langue, textes);
  // The right-hand labels are copies, so the two sides of a row can never disagree.
  for (int i = 1; i <= NbFigures; ++i) {
    auto gauche = textes.LegendeDe(NomControle("CaseInfoGauche", i));
    assert(gauche.has_value());
    textes.legendes.push_back(
        {Fenetre::FormRolvex, NomControle("CaseInfoDroite", i), std::move(gauche).value_or("")});
  }
  return textes;
}

}  // namespace rolvex
