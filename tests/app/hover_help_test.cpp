#include "tests/app/window_fixture.h"

namespace rolvex::app {
namespace {

// The information line explains what lies under the mouse, and only what the help covers.
class AideSousLaSouris : public FenêtreDeJeu {
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
  Survoler("CaseLibre(1)");
  EXPECT_EQ(Info(), Q("La Libre (toujours disponible)\rAs"));
  Survoler("CaseDescente(1)");
  EXPECT_EQ(Info(), Q("La Descente (de haut en bas)\rAs"));
  Survoler("CaseAnnonce(13)");
  EXPECT_EQ(Info(), Q("L'Annonce (annonce au 1er jet) \r Yam : 5 dés identiques donnent 70 + le "
                      "total des 5 dés"));
}

TEST_F(AideSousLaSouris, UpperBonusSaysWhatIsMissing) {
  Survoler("CaseBonusHautMontée");
  EXPECT_EQ(Info(), Q("Il vous manque 60 points pour obtenir le premier bonus de 30 points !"));
}

TEST_F(AideSousLaSouris, LowerBonusOfAnnonceAnswersAClickNotTheMouse) {
  const QString bas = Q("Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la "
                        "colonne.");
  Survoler("CaseBonusBasAnnonce");
  EXPECT_NE(Info(), bas);
  Cliquer("CaseBonusBasAnnonce");
  EXPECT_EQ(Info(), bas);
  Survoler("PictureAireJeu", {2, 2});
  Survoler("CaseBonusBasSèche");
  EXPECT_EQ(Info(), bas);
}

TEST_F(AideSousLaSouris, ResultPanelsExplainThemselves) {
  Survoler("PanelTotalDés");
  EXPECT_EQ(Info(), Q("Somme des 5 dés actuellement tirés."));
  Survoler("PanelFigureRéalisée");
  EXPECT_EQ(Info(), Q("Figure actuellement réalisée."));
  Survoler("PanelScoreTotal");
  EXPECT_EQ(Info(), Q("Score total (correspondant à la somme des scores de chaque colonne)."));
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
