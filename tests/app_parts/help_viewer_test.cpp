#include "app/help_viewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>

#include "tests/ui/qt_print.h"
#include "ui/text.h"

namespace rolvex {
namespace {

QString Texte(QWidget* aide) { return aide->findChild<QTextBrowser*>()->toPlainText(); }

// The help shows in one window the main window owns, read again at its top at every opening,
// under the file's own title; a file that cannot be read is said so in the viewer, naming it,
// in the run's language, and shows once it is there.
TEST(Aide, ShowsTheFileInOneWindowOrSaysWhyItCannot) {
  QTemporaryDir dossier;
  auto fenetre = std::make_unique<QWidget>();
  const QString chemin = dossier.filePath(QStringLiteral("<i>aide.hlp"));
  const QString nom = QDir::toNativeSeparators(chemin);
  QPointer<QWidget> aide = OuvrirAide(fenetre.get(), chemin, Langue::Francais);
  EXPECT_TRUE(aide->isVisible());
  EXPECT_EQ(aide->parentWidget(), fenetre.get());
  EXPECT_EQ(aide->windowTitle(), ui::EnQString(TitreApplication));
  const QString francais = Texte(aide);
  EXPECT_TRUE(francais.contains(nom)) << francais.toStdString();
  const QString anglais = Texte(OuvrirAide(fenetre.get(), chemin, Langue::Anglais));
  EXPECT_TRUE(anglais.contains(nom));
  EXPECT_NE(anglais, francais);
  ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("dossier.hlp")));
  const QString dossierHlp = dossier.filePath(QStringLiteral("dossier.hlp"));
  EXPECT_EQ(Texte(OuvrirAide(fenetre.get(), dossierHlp, Langue::Francais)),
            QString(francais).replace(nom, QDir::toNativeSeparators(dossierHlp)));

  QFile fichier(chemin);
  ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
  fichier.write("<html><head><title>Aide</title></head><body>");
  for (int i = 0; i < 200; ++i) fichier.write("<p>Sommaire</p>");
  fichier.close();
  aide->resize(300, 200);
  QScrollBar* defilement = aide->findChild<QTextBrowser*>()->verticalScrollBar();
  defilement->setValue(defilement->maximum());
  EXPECT_EQ(OuvrirAide(fenetre.get(), chemin, Langue::Francais), aide.data());
  EXPECT_EQ(aide->windowTitle(), "Aide");
  EXPECT_TRUE(Texte(aide).startsWith("Sommaire"));
  EXPECT_GT(defilement->maximum(), 0);
  EXPECT_EQ(defilement->value(), 0);
  fenetre.reset();
  EXPECT_TRUE(aide.isNull());
}

// Each language has its file beside the program, or in ../share/rolvex once installed; where
// neither holds it, the path beside the program names it missing.
TEST(Aide, EachLanguageFindsItsOwnFile) {
  QTemporaryDir racine;
  const QDir arbre(racine.path());
  ASSERT_TRUE(arbre.mkpath("bin") && arbre.mkpath("share/rolvex"));
  for (const char* f :
       {"bin/rolvexFr.hlp", "share/rolvex/rolvexFr.hlp", "share/rolvex/rolvexUs.hlp"})
    QFile(arbre.filePath(f)).open(QIODevice::WriteOnly);
  const QString bin = arbre.filePath("bin");
  EXPECT_EQ(FichierAide(Langue::Francais, bin), arbre.filePath("bin/rolvexFr.hlp"));
  EXPECT_EQ(FichierAide(Langue::Anglais, bin), arbre.filePath("share/rolvex/rolvexUs.hlp"));
  QFile::remove(arbre.filePath("share/rolvex/rolvexUs.hlp"));
  EXPECT_EQ(FichierAide(Langue::Anglais, bin), arbre.filePath("bin/rolvexUs.hlp"));
}

}  // namespace
}  // namespace rolvex
