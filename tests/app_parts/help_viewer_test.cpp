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
    fenetre = std::make_unique<QWidget>();
    fenetre->resize(400, 300);
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    ASSERT_TRUE(dossier.isValid());
  }

  static QTextBrowser* Texte(QWidget* aide) { return aide->findChild<QTextBrowser*>(); }

  // A help window small enough for the file to scroll.
  QWidget* Ouvrir(const QString& fichier, Langue langue = Langue::Francais) {
    QWidget* aide = OuvrirAide(fenetre.get(), fichier, langue);
    aide->resize(360, 240);
    return aide;
  }

  QString Ecrire(const QString& nom, const QByteArray& contenu) const {
    const QString chemin = dossier.filePath(nom);
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    return chemin;
  }

  std::unique_ptr<QWidget> fenetre;
  QTemporaryDir dossier;
};

// The help file of a run sits next to the program and follows the language.
TEST(FichierAide, IsTheFileOfTheLanguageInTheProgramFolder) {
  for (const auto& [langue, nom] :
       {std::pair{Langue::Francais, "rolvexFr.hlp"}, std::pair{Langue::Anglais, "rolvexUs.hlp"}}) {
    const QFileInfo fichier(FichierAide(langue));
    EXPECT_EQ(fichier.fileName(), nom);
    EXPECT_EQ(fichier.absolutePath(), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(fichier.isFile()) << nom << " is built there";
  }
}

// F1 shows the help file at its contents page, in one window of the game that goes with the
// main window, at the top of the file each time.
using HelpViewerOpens = Aide;

TEST_F(HelpViewerOpens, EachLanguageUnderItsOwnTitle) {
  QWidget* aide = Ouvrir(FichierAide(Langue::Francais));
  EXPECT_TRUE(aide->isVisible());
  EXPECT_TRUE(aide->isWindow());
  EXPECT_EQ(aide->windowTitle(), "ROLVEX - Aide");
  EXPECT_TRUE(Texte(aide)->toPlainText().startsWith("ROLVEX - Sommaire"));
  aide = Ouvrir(FichierAide(Langue::Anglais), Langue::Anglais);
  EXPECT_EQ(aide->windowTitle(), "ROLVEX - Help");
  EXPECT_TRUE(Texte(aide)->toPlainText().contains("Contents"));
}

TEST_F(HelpViewerOpens, TheSameWindowEachTimeAtTheTopGoingWithTheMainWindow) {
  QPointer<QWidget> aide = Ouvrir(FichierAide(Langue::Francais));
  EXPECT_EQ(aide->parentWidget(), fenetre.get());
  QScrollBar* defilement = Texte(aide)->verticalScrollBar();
  ASSERT_GT(defilement->maximum(), 0);  // the file is longer than the window
  EXPECT_EQ(defilement->value(), 0);
  EXPECT_EQ(Texte(aide)->textCursor().position(), 0);

  defilement->setValue(defilement->maximum());
  aide->hide();  // closed by the player
  EXPECT_EQ(Ouvrir(FichierAide(Langue::Francais)), aide.data());
  EXPECT_TRUE(aide->isVisible());
  EXPECT_EQ(defilement->value(), 0);
  EXPECT_EQ(fenetre->findChildren<QTextBrowser*>().size(), 1);
  fenetre.reset();
  EXPECT_TRUE(aide.isNull());
}

TEST_F(HelpViewerOpens, WithoutAnOwnerAndThenGoesWhenClosed) {
  QPointer<QWidget> aide = OuvrirAide(nullptr, FichierAide(Langue::Francais), Langue::Francais);
  ASSERT_FALSE(aide.isNull());
  EXPECT_TRUE(aide->isVisible());
  aide->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(aide.isNull());
}

// The links of the contents page lead to their section of the same file.
using HelpViewerLinks = Aide;

TEST_F(HelpViewerLinks, AClickOnAContentsEntryShowsItsSection) {
  QWidget* aide = Ouvrir(FichierAide(Langue::Francais));
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

// A help file that cannot be read is said so in the help window by its name, as plain text,
// never a crash; it shows once it is there.
using HelpViewerReports = Aide;

TEST_F(HelpViewerReports, AMissingFileOrAFolderByNameInTheLanguage) {
  const QString absent = dossier.filePath("<b>aide</b>.hlp");
  QWidget* aide = Ouvrir(absent);
  EXPECT_TRUE(aide->isVisible());
  EXPECT_EQ(aide->windowTitle(), "ROLVEX");
  QString texte = Texte(aide)->toPlainText();
  EXPECT_TRUE(texte.contains(QDir::toNativeSeparators(absent))) << texte.toStdString();
  EXPECT_TRUE(texte.contains("absent ou illisible")) << texte.toStdString();

  texte = Texte(Ouvrir(absent, Langue::Anglais))->toPlainText();
  EXPECT_TRUE(texte.contains("missing or cannot be read")) << texte.toStdString();

  ASSERT_TRUE(QDir(dossier.path()).mkdir("rolvexFr.hlp"));
  texte = Texte(Ouvrir(dossier.filePath("rolvexFr.hlp")))->toPlainText();
  EXPECT_TRUE(texte.contains("absent ou illisible")) << texte.toStdString();
}

TEST_F(HelpViewerReports, TheFileAgainOnceItIsThere) {
  const QString fichier = dossier.filePath("aide.hlp");
  Ouvrir(fichier);
  Ecrire("aide.hlp", "<html><head><title>Aide</title></head><body>Sommaire</body></html>");
  QWidget* aide = Ouvrir(fichier);
  EXPECT_EQ(aide->windowTitle(), "Aide");
  EXPECT_EQ(Texte(aide)->toPlainText(), "Sommaire");
}

}  // namespace
}  // namespace rolvex
