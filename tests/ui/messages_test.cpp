#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "tests/ui/qt_print.h"
#include "ui/messages.h"

namespace rolvex::ui {
namespace {

// What the player saw in a message box.
struct BoîteVue {
  bool vue = false;
  QString texte;
  QString titre;
  QMessageBox::StandardButtons boutons;
  QMessageBox::Icon icône = QMessageBox::Information;
  Qt::TextFormat format = Qt::AutoText;
};

// Once the box is up, notes what it shows and lets `répondre` close it as a player would.
void QuandLaBoîteParaît(BoîteVue& vue, std::function<void(QMessageBox&)> répondre) {
  QTimer::singleShot(0, [&vue, répondre] {
    auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boîte) {
      ADD_FAILURE() << "no modal message box is shown";
      for (QWidget* w : QApplication::topLevelWidgets())  // rather than hang the run
        if (auto* b = qobject_cast<QMessageBox*>(w)) b->done(0);
      return;
    }
    vue = {true, boîte->text(), boîte->windowTitle(), boîte->standardButtons(), boîte->icon(),
           boîte->textFormat()};
    répondre(*boîte);
  });
}

void CliquerSur(QMessageBox& boîte, QMessageBox::StandardButton bouton) {
  QTest::mouseClick(boîte.button(bouton), Qt::LeftButton);
}

// A message has one OK button, no icon and the application's title; it waits for the player.
TEST(AfficherMessage, ShowsTextAndTitleWithOneOkButtonAndNoIcon) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { CliquerSur(b, QMessageBox::Ok); });
  AfficherMessage(nullptr, QStringLiteral("Au revoir !"), QStringLiteral("ROLVEX"));
  ASSERT_TRUE(vue.vue);
  EXPECT_EQ(vue.texte, QStringLiteral("Au revoir !"));
  EXPECT_EQ(vue.titre, QStringLiteral("ROLVEX"));
  EXPECT_EQ(vue.boutons, QMessageBox::Ok);
  EXPECT_EQ(vue.icône, QMessageBox::NoIcon);
}

TEST(AfficherMessage, ShowsACarriageReturnAsALineBreak) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { CliquerSur(b, QMessageBox::Ok); });
  AfficherMessage(nullptr, QStringLiteral("Bravo Zoé !\rVous êtes 1er."), QStringLiteral("ROLVEX"));
  ASSERT_TRUE(vue.vue);
  EXPECT_EQ(vue.texte, QStringLiteral("Bravo Zoé !\nVous êtes 1er."));
}

TEST(AfficherMessage, ShowsAPlayersNameAsPlainText) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { CliquerSur(b, QMessageBox::Ok); });
  AfficherMessage(nullptr, QStringLiteral("Bravo <b>Léa</b> !"), QStringLiteral("ROLVEX"));
  ASSERT_TRUE(vue.vue);
  EXPECT_EQ(vue.format, Qt::PlainText);
  EXPECT_EQ(vue.texte, QStringLiteral("Bravo <b>Léa</b> !"));
}

TEST(AfficherMessage, IsModalOverItsParent) {
  QWidget fenêtre;
  fenêtre.show();
  bool modale = false;
  QWidget* parent = nullptr;
  QTimer::singleShot(0, [&] {
    auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boîte) return;
    modale = boîte->isModal();
    parent = boîte->parentWidget();
    boîte->accept();
  });
  AfficherMessage(&fenêtre, QStringLiteral("..."), QStringLiteral("ROLVEX"));
  EXPECT_TRUE(modale);
  EXPECT_EQ(parent, &fenêtre);
}

// The quit question answers true for Yes only.
TEST(DemanderOuiNon, ShowsYesAndNoWithoutIcon) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { CliquerSur(b, QMessageBox::Yes); });
  DemanderOuiNon(nullptr, QStringLiteral("Voulez-vous quitter ROLVEX ?"), QStringLiteral("ROLVEX"));
  ASSERT_TRUE(vue.vue);
  EXPECT_EQ(vue.texte, QStringLiteral("Voulez-vous quitter ROLVEX ?"));
  EXPECT_EQ(vue.titre, QStringLiteral("ROLVEX"));
  EXPECT_EQ(vue.boutons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(vue.icône, QMessageBox::NoIcon);
}

TEST(DemanderOuiNon, YesAnswersTrue) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { CliquerSur(b, QMessageBox::Yes); });
  EXPECT_TRUE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX")));
}

TEST(DemanderOuiNon, NoAnswersFalse) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { CliquerSur(b, QMessageBox::No); });
  EXPECT_FALSE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX")));
}

TEST(DemanderOuiNon, EscapeAnswersFalse) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); });
  EXPECT_FALSE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX")));
  EXPECT_TRUE(vue.vue);
}

TEST(DemanderOuiNon, ClosingTheBoxAnswersFalse) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { b.close(); });
  EXPECT_FALSE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX")));
  EXPECT_TRUE(vue.vue);
}

TEST(DemanderOuiNon, EnterAnswersYes) {
  BoîteVue vue;
  QuandLaBoîteParaît(vue, [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); });
  EXPECT_TRUE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX")));
}

// The buttons speak the game's language when it names them, and keep their answers.
TEST(LegendesBoutons, AMessageShowsTheGivenOkCaption) {
  QString légende;
  QTimer::singleShot(0, [&] {
    auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boîte) return;
    légende = boîte->button(QMessageBox::Ok)->text();
    CliquerSur(*boîte, QMessageBox::Ok);
  });
  AfficherMessage(nullptr, QStringLiteral("..."), QStringLiteral("ROLVEX"),
                  {QStringLiteral("D'accord"), {}, {}});
  EXPECT_EQ(légende, QStringLiteral("D'accord"));
}

TEST(LegendesBoutons, FrenchYesAndNoStillAnswerYesAndNo) {
  const LégendesBoutons français{QStringLiteral("OK"), QStringLiteral("Oui"), QStringLiteral("Non")};
  QStringList vus;
  auto répondre = [&](QMessageBox::StandardButton bouton) {
    QTimer::singleShot(0, [&vus, bouton] {
      auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!boîte) return;
      vus << boîte->button(QMessageBox::Yes)->text() << boîte->button(QMessageBox::No)->text();
      CliquerSur(*boîte, bouton);
    });
  };
  répondre(QMessageBox::Yes);
  EXPECT_TRUE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX"), français));
  répondre(QMessageBox::No);
  EXPECT_FALSE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX"), français));
  EXPECT_EQ(vus, (QStringList{QStringLiteral("Oui"), QStringLiteral("Non"), QStringLiteral("Oui"),
                              QStringLiteral("Non")}));
}

TEST(LegendesBoutons, EmptyCaptionsKeepThePlatformsButtons) {
  QString légende;
  QTimer::singleShot(0, [&] {
    auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boîte) return;
    légende = boîte->button(QMessageBox::Yes)->text();
    CliquerSur(*boîte, QMessageBox::No);
  });
  DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX"));
  EXPECT_FALSE(légende.isEmpty());
  EXPECT_NE(légende, QStringLiteral("Oui"));
}

}  // namespace
}  // namespace rolvex::ui
