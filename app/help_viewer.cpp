#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/text.h"

namespace rolvex {
namespace {

const QString NomFenêtreAide = QStringLiteral("FenetreAide");
const QSize TailleFenêtreAide(640, 520);

constexpr Bilingue FichierIllisible = {
    "Impossible d'afficher l'aide : le fichier %1 est absent ou illisible.",
    "The help cannot be shown: the file %1 is missing or cannot be read."};

QWidget* CréerFenêtreAide(QWidget* fenêtre) {
  // A window of its own, yet a child of the main window: it goes when the game goes.
  auto* aide = new QWidget(fenêtre, Qt::Window);
  aide->setObjectName(NomFenêtreAide);
  if (fenêtre == nullptr) aide->setAttribute(Qt::WA_DeleteOnClose);
  auto* texte = new QTextBrowser(aide);
  texte->setOpenExternalLinks(false);
  auto* disposition = new QVBoxLayout(aide);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->addWidget(texte);
  aide->resize(TailleFenêtreAide);
  return aide;
}

void MontrerFichier(QTextBrowser& texte, QWidget& aide, const QString& fichierAide, Langue langue) {
  QFile fichier(fichierAide);
  QByteArray contenu;
  bool lu = fichier.open(QIODevice::ReadOnly);
  if (lu) {
    contenu = fichier.readAll();
    lu = fichier.error() == QFileDevice::NoError;  // a folder opens, but does not read
  }
  if (!lu) {
    const QString phrase =
        ui::EnQString(FichierIllisible.pour(langue)).arg(QDir::toNativeSeparators(fichierAide));
    texte.setPlainText(phrase);
    aide.setWindowTitle(ui::EnQString(TitreApplication));
    return;
  }
  // Relative links of the file, if any, are found beside it.
  texte.document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(fichierAide).absoluteFilePath()));
  texte.setHtml(QString::fromUtf8(contenu));
  const QString titre = texte.documentTitle();
  aide.setWindowTitle(titre.isEmpty() ? ui::EnQString(TitreApplication) : titre);
}

}  // namespace

QString FichierAide(Langue langue, const QString& dossierProgramme) {
  const QString nom =
      langue == Langue::Français ? QStringLiteral("rolvexFr.hlp") : QStringLiteral("rolvexUs.hlp");
  const QDir programme(dossierProgramme);
  const QString àCôté = programme.filePath(nom);
  const QString installé =
      QDir::cleanPath(programme.filePath(QStringLiteral("../share/rolvex/") + nom));
  if (!QFileInfo(àCôté).isFile() && QFileInfo(installé).isFile()) return installé;
  return àCôté;
}

QString FichierAide(Langue langue) {
  return FichierAide(langue, QCoreApplication::applicationDirPath());
}

QWidget* OuvrirAide(QWidget* fenêtre, const QString& fichierAide, Langue langue) {
  QWidget* aide = fenêtre == nullptr
                      ? nullptr
                      : fenêtre->findChild<QWidget*>(NomFenêtreAide, Qt::FindDirectChildrenOnly);
  if (aide == nullptr) aide = CréerFenêtreAide(fenêtre);
  auto* texte = aide->findChild<QTextBrowser*>();

  // Read again at every call: a new document opens at its top, the contents page, and shows
  // the file as it is now.
  MontrerFichier(*texte, *aide, fichierAide, langue);

  aide->show();
  aide->raise();
  aide->activateWindow();
  return aide;
}

}  // namespace rolvex
