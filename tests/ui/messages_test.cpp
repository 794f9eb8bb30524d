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
struct BoiteVue {
  bool vue = false;
  QString texte;
  QString titre;
  QMessageBox::StandardButtons boutons;
  QMessageBox::Icon icone = QMessageBox::Information;
  Qt::TextFormat format = Qt::AutoText;
};

// Once the box is up and shown, notes what it shows and lets `répondre` close it as a player
// would. The box is looked for until it shows: on a busy machine it may not be up yet at the
// first turn of its event loop.
void QuandLaBoiteParait(BoiteVue& vue, std::function<void(QMessageBox&)> repondre,
                        int essais = 1000) {
  QTimer::singleShot(5, [&vue, repondre, essais] {
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (boite && boite->isVisible()) {
      vue = {true,          boite->text(),      boite->windowTitle(), boite->standardButtons(),
             boite->icon(), boite->textFormat()};
      repondre(*boite);
    } else if (essais > 0) {
      QuandLaBoiteParait(vue, repondre, essais - 1);
    } else {
      ADD_FAILURE() << "no modal message box is shown";
      for (QWidget* w : QApplication::topLevelWidgets())  // rather than hang the run
        if (auto* b = qobject_cast<QMessageBox*>(w)) b->done(0);
    }
  });
}

void CliquerSur(QMessageBox& boite, QMessageBox::StandardButton bouton) {
  QTest::mouseClick(boite.button(bouton), Qt::LeftButton);
}

// A message has one OK button, no icon and the application's title; it shows a carriage return
// as a line break and a player's name as plain text; it is modal over its parent.
TEST(AfficherMessage, ShowsPlainTextTitleOneOkButtonAndNoIconModallyOverItsParent) {
  QWidget fenetre;
  fenetre.show();
  BoiteVue vue;
  bool modale = false;
  QWidget* parent = nullptr;
  QuandLaBoiteParait(vue, [&](QMessageBox& b) {
    modale = b.isModal();
    parent = b.parentWidget();
    CliquerSur(b, QMessageBox::Ok);
  });
  AfficherMessage(&fenetre, QStringLiteral("Bravo <b>Léa</b> !\rVous êtes 1er."),
                  QStringLiteral("ROLVEX"));
  ASSERT_TRUE(vue.vue);
  EXPECT_EQ(vue.texte, QStringLiteral("Bravo <b>Léa</b> !\nVous êtes 1er."));
  EXPECT_EQ(vue.format, Qt::PlainText);
  EXPECT_EQ(vue.titre, QStringLiteral("ROLVEX"));
  EXPECT_EQ(vue.boutons, QMessageBox::Ok);
  EXPECT_EQ(vue.icone, QMessageBox::NoIcon);
  EXPECT_TRUE(modale);
  EXPECT_EQ(parent, &fenetre);
}

// The quit question shows Yes and No without icon, and answers true for Yes only (Enter is
// Yes; No, Escape and closing the box are not).
TEST(DemanderOuiNon, AnswersTrueForYesOnly) {
  const struct {
    const char* cas;
    std::function<void(QMessageBox&)> repondre;
    bool reponse;
  } cas[] = {
      {"Yes", [](QMessageBox& b) { CliquerSur(b, QMessageBox::Yes); }, true},
      {"Enter", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, true},
      {"No", [](QMessageBox& b) { CliquerSur(b, QMessageBox::No); }, false},
      {"Escape", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, false},
      {"closing", [](QMessageBox& b) { b.close(); }, false},
  };
  for (const auto& c : cas) {
    BoiteVue vue;
    QuandLaBoiteParait(vue, c.repondre);
    EXPECT_EQ(DemanderOuiNon(nullptr, QStringLiteral("Voulez-vous quitter ROLVEX ?"),
                             QStringLiteral("ROLVEX")),
              c.reponse)
        << c.cas;
    ASSERT_TRUE(vue.vue) << c.cas;
    EXPECT_EQ(vue.texte, QStringLiteral("Voulez-vous quitter ROLVEX ?"));
    EXPECT_EQ(vue.titre, QStringLiteral("ROLVEX"));
    EXPECT_EQ(vue.boutons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(vue.icone, QMessageBox::NoIcon);
  }
}

// The buttons speak the game's language when it names them, and keep their answers; empty
// captions keep the platform's own.
TEST(LegendesBoutons, GivenCaptionsShowAndStillAnswer) {
  QStringList vus;
  auto repondre = [&](QMessageBox::StandardButton lu, QMessageBox::StandardButton clique) {
    QTimer::singleShot(0, [&vus, lu, clique] {
      auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!boite) return;
      vus << boite->button(lu)->text();
      CliquerSur(*boite, clique);
    });
  };
  repondre(QMessageBox::Ok, QMessageBox::Ok);
  AfficherMessage(nullptr, QStringLiteral("..."), QStringLiteral("ROLVEX"),
                  {QStringLiteral("D'accord"), {}, {}});
  const LegendesBoutons francais{QStringLiteral("OK"), QStringLiteral("Oui"),
                                 QStringLiteral("Non")};
  repondre(QMessageBox::Yes, QMessageBox::Yes);
  EXPECT_TRUE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX"), francais));
  repondre(QMessageBox::No, QMessageBox::No);
  EXPECT_FALSE(DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX"), francais));
  EXPECT_EQ(
      vus, (QStringList{QStringLiteral("D'accord"), QStringLiteral("Oui"), QStringLiteral("Non")}));
  repondre(QMessageBox::Yes, QMessageBox::No);
  DemanderOuiNon(nullptr, QStringLiteral("?"), QStringLiteral("ROLVEX"));
  ASSERT_EQ(vus.size(), 4);
  EXPECT_FALSE(vus.back().isEmpty());
  EXPECT_NE(vus.back(), QStringLiteral("Oui"));
}

}  // namespace
}  // namespace rolvex::ui
