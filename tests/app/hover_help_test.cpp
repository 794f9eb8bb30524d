#include "tests/app/window_fixture.h"

namespace rolvex::app {
namespace {

// The information line explains what lies under the mouse, and only what the help covers.
class AideSousLaSouris : public FenetreDeJeu {
 protected:
  void SetUp() override {
    Ouvrir();
    NouvellePartie(3);
  }
};

TEST_F(AideSousLaSouris, ASquareIsExplainedOnlyOnceItCanBeChosen) {
  const QString avant = Info();
  Survoler("CaseLibre(1)");
  EXPECT_EQ(Info(), avant);
  Jeter("11234");
  const std::pair<const char*, const char*> aides[] = {
      {"CaseLibre(1)", "La Libre (toujours disponible)\rAs"},
      {"CaseDescente(1)", "La Descente (de haut en bas)\rAs"},
      {"CaseAnnonce(13)",
       "L'Annonce (annonce au 1er jet) \r Yam : 5 dés identiques donnent 70 + le total des 5 dés"},
      {"CaseBonusHautMontée",
       "Il vous manque 60 points pour obtenir le premier bonus de 30 points !"},
      {"PanelTotalDés", "Somme des 5 dés actuellement tirés."},
      {"PanelFigureRéalisée", "Figure actuellement réalisée."},
      {"PanelScoreTotal", "Score total (correspondant à la somme des scores de chaque colonne)."}};
  for (const auto& [controle, aide] : aides) {
    Survoler(controle);
    EXPECT_EQ(Info(), Q(aide)) << controle;
  }
}

TEST_F(AideSousLaSouris, LowerBonusOfAnnonceAnswersAClickNotTheMouse) {
  const QString bas =
      Q("Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la "
        "colonne.");
  Survoler("CaseBonusBasAnnonce");
  EXPECT_NE(Info(), bas);
  Cliquer("CaseBonusBasAnnonce");
  EXPECT_EQ(Info(), bas);
  Survoler("PictureAireJeu", {2, 2});
  Survoler("CaseBonusBasSèche");
  EXPECT_EQ(Info(), bas);
}

TEST_F(AideSousLaSouris, BareSheetClearsTheLineAndLabelsLeaveIt) {
  Survoler("PanelTotalDés");
  Survoler("CaseNomLibre");
  Survoler("CaseInfoGauche(3)");
  Survoler("CaseTotalHautLibre");
  Survoler("ImageDé(1)");
  EXPECT_EQ(Info(), Q("Somme des 5 dés actuellement tirés."));
  Survoler("PictureAireJeu", {2, 2});
  EXPECT_EQ(Info(), "");
}

}  // namespace
}  // namespace rolvex::app
