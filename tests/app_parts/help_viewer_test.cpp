#include "app/help_viewer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "tests/ui/qt_print.h"

namespace rolvex {
namespace {

// The main window that owns the help, and what the help window holds.
class Aide : public testing::Test {
 protected:
  void SetUp() override {
    fenêtre = std::make_unique<QWidget>();
    fenêtre->resize(400, 300);
    fenêtre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenêtre.get()));
    ASSERT_TRUE(dossier.isValid());
  }

  static QTextBrowser* Texte(QWidget* aide) { return aide->findChild<QTextBrowser*>(); }

  // A help window small enough for the file to scroll.
  QWidget* Ouvrir(const QString& fichier, Langue langue = Langue::Français) {
    QWidget* aide = OuvrirAide(fenêtre.get(), fichier, langue);
    aide->resize(360, 240);
    return aide;
  }

  QString Écrire(const QString& nom, const QByteArray& contenu) const {
    const QString chemin = dossier.filePath(nom);
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    return chemin;
  }

  std::unique_ptr<QWidget> fenêtre;
  QTemporaryDir dossier;
};

// The help file of a run sits next to the program and follows the language.
TEST(FichierAide, IsTheFrenchFileInTheProgramFolderInFrench) {
  const QFileInfo fichier(FichierAide(Langue::Français));
  EXPECT_EQ(fichier.fileName(), "rolvexFr.hlp");
  EXPECT_EQ(fichier.absolutePath(), QCoreApplication::applicationDirPath());
  EXPECT_TRUE(fichier.isFile());  // built there
}

TEST(FichierAide, IsTheEnglishFileInTheProgramFolderInEnglish) {
  const QFileInfo fichier(FichierAide(Langue::Anglais));
  EXPECT_EQ(fichier.fileName(), "rolvexUs.hlp");
  EXPECT_EQ(fichier.absolutePath(), QCoreApplication::applicationDirPath());
  EXPECT_TRUE(fichier.isFile());
}

// F1 shows the help file at its contents page, in a window of the game.
using HelpViewerOpens = Aide;

TEST_F(HelpViewerOpens, TheFrenchHelpUnderItsOwnTitle) {
  QWidget* aide = Ouvrir(FichierAide(Langue::Français));
  EXPECT_TRUE(aide->isVisible());
  EXPECT_TRUE(aide->isWindow());
  EXPECT_EQ(aide->windowTitle(), "ROLVEX - Aide");
  EXPECT_TRUE(Texte(aide)->toPlainText().startsWith("ROLVEX - Sommaire"));
}

TEST_F(HelpViewerOpens, TheEnglishHelpUnderItsOwnTitle) {
  QWidget* aide = Ouvrir(FichierAide(Langue::Anglais), Langue::Anglais);
  EXPECT_EQ(aide->windowTitle(), "ROLVEX - Help");
  EXPECT_TRUE(Texte(aide)->toPlainText().contains("Contents"));
}

TEST_F(HelpViewerOpens, AWindowThatGoesWithTheMainWindow) {
  QPointer<QWidget> aide = Ouvrir(FichierAide(Langue::Français));
  EXPECT_EQ(aide->parentWidget(), fenêtre.get());
  fenêtre.reset();
  EXPECT_TRUE(aide.isNull());
}

TEST_F(HelpViewerOpens, AtTheTopOfTheFile) {
  QWidget* aide = Ouvrir(FichierAide(Langue::Français));
  QScrollBar* défilement = Texte(aide)->verticalScrollBar();
  ASSERT_GT(défilement->maximum(), 0);  // the file is longer than the window
  EXPECT_EQ(défilement->value(), 0);
  EXPECT_EQ(Texte(aide)->textCursor().position(), 0);
}

TEST_F(HelpViewerOpens, AtTheTopAgainAfterThePlayerScrolledAway) {
  QWidget* aide = Ouvrir(FichierAide(Langue::Français));
  QScrollBar* défilement = Texte(aide)->verticalScrollBar();
  défilement->setValue(défilement->maximum());
  ASSERT_GT(défilement->value(), 0);
  Ouvrir(FichierAide(Langue::Français));
  EXPECT_EQ(défilement->value(), 0);
}

TEST_F(HelpViewerOpens, TheSameWindowEachTime) {
  QWidget* première = Ouvrir(FichierAide(Langue::Français));
  première->hide();  // closed by the player
  QWidget* seconde = Ouvrir(FichierAide(Langue::Français));
  EXPECT_EQ(seconde, première);
  EXPECT_TRUE(seconde->isVisible());
  EXPECT_EQ(fenêtre->findChildren<QTextBrowser*>().size(), 1);
}

TEST_F(HelpViewerOpens, WithoutAnOwnerAndThenGoesWhenClosed) {
  QPointer<QWidget> aide = OuvrirAide(nullptr, FichierAide(Langue::Français), Langue::Français);
  ASSERT_FALSE(aide.isNull());
  EXPECT_TRUE(aide->isVisible());
  aide->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(aide.isNull());
}

// The links of the contents page lead to their section of the same file.
using HelpViewerLinks = Aide;

TEST_F(HelpViewerLinks, AClickOnAContentsEntryShowsItsSection) {
  QWidget* aide = Ouvrir(FichierAide(Langue::Français));
  QTextBrowser* texte = Texte(aide);
  QTest::qWait(0);
  const QTextCursor lien = texte->document()->find("Les bonus");
  const QTextCursor section = texte->document()->find("Les bonus", lien);
  ASSERT_FALSE(lien.isNull());
  ASSERT_FALSE(section.isNull());
  ASSERT_GT(texte->cursorRect(section).top(), texte->viewport()->height());  // out of sight

  QTest::mouseClick(texte->viewport(), Qt::LeftButton, {}, texte->cursorRect(lien).center());

  EXPECT_GT(texte->verticalScrollBar()->value(), 0);
  const int haut = texte->cursorRect(section).top();
  EXPECT_GE(haut, 0);
  EXPECT_LT(haut, texte->viewport()->height() / 3);  // the section heads the window
}

TEST_F(HelpViewerLinks, ReturnToContentsLeadsBackToTheTop) {
  QWidget* aide = Ouvrir(FichierAide(Langue::Anglais), Langue::Anglais);
  QTextBrowser* texte = Texte(aide);
  // The last one, at the bottom of the file.
  QTextCursor retour;
  for (QTextCursor c = texte->document()->find("Back to the contents"); !c.isNull();
       c = texte->document()->find("Back to the contents", c))
    retour = c;
  ASSERT_FALSE(retour.isNull());
  texte->setTextCursor(retour);
  texte->ensureCursorVisible();
  ASSERT_GT(texte->verticalScrollBar()->value(), 0);

  const int avant = texte->verticalScrollBar()->value();

  QTest::mouseClick(texte->viewport(), Qt::LeftButton, {}, texte->cursorRect(retour).center());

  EXPECT_LT(texte->verticalScrollBar()->value(), avant);
  const int haut = texte->cursorRect(texte->document()->find("ROLVEX - Contents")).top();
  EXPECT_GE(haut, 0);
  EXPECT_LT(haut, texte->viewport()->height() / 3);  // the contents head the window
}

// A help file that cannot be read is said so in the help window, never a crash.
using HelpViewerReports = Aide;

TEST_F(HelpViewerReports, AMissingFileByNameInFrench) {
  const QString absent = dossier.filePath("rolvexFr.hlp");
  QWidget* aide = Ouvrir(absent);
  EXPECT_TRUE(aide->isVisible());
  const QString texte = Texte(aide)->toPlainText();
  EXPECT_TRUE(texte.contains(QDir::toNativeSeparators(absent))) << texte.toStdString();
  EXPECT_TRUE(texte.contains("absent ou illisible")) << texte.toStdString();
  EXPECT_EQ(aide->windowTitle(), "ROLVEX");
}

TEST_F(HelpViewerReports, AMissingFileByNameInEnglish) {
  const QString absent = dossier.filePath("rolvexUs.hlp");
  const QString texte = Texte(Ouvrir(absent, Langue::Anglais))->toPlainText();
  EXPECT_TRUE(texte.contains(absent)) << texte.toStdString();
  EXPECT_TRUE(texte.contains("missing or cannot be read")) << texte.toStdString();
}

TEST_F(HelpViewerReports, AFolderInPlaceOfTheFile) {
  ASSERT_TRUE(QDir(dossier.path()).mkdir("rolvexFr.hlp"));
  const QString texte = Texte(Ouvrir(dossier.filePath("rolvexFr.hlp")))->toPlainText();
  EXPECT_TRUE(texte.contains("absent ou illisible")) << texte.toStdString();
}

TEST_F(HelpViewerReports, ANameWithMarkupAsPlainText) {
  const QString absent = dossier.filePath("<b>aide</b>.hlp");
  const QString texte = Texte(Ouvrir(absent))->toPlainText();
  EXPECT_TRUE(texte.contains("<b>aide</b>.hlp")) << texte.toStdString();
}

TEST_F(HelpViewerReports, TheFileAgainOnceItIsThere) {
  const QString fichier = dossier.filePath("aide.hlp");
  Ouvrir(fichier);
  Écrire("aide.hlp", "<html><head><title>Aide</title></head><body>Sommaire</body></html>");
  QWidget* aide = Ouvrir(fichier);
  EXPECT_EQ(aide->windowTitle(), "Aide");
  EXPECT_EQ(Texte(aide)->toPlainText(), "Sommaire");
}

}  // namespace
}  // namespace rolvex
