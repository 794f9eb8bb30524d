#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/text.h"

namespace rolvex {
namespace {

const QString NomFenetreAide = QStringLiteral("FenetreAide");
const QSize TailleFenetreAide(640, 520);

constexpr Bilingue FichierIllisible = {
    "Impossible d'afficher l'aide : le fichier %1 est absent ou illisible.",
    "The help cannot be shown: the file %1 is missing or cannot be read."};

QWidget* CreerFenetreAide(QWidget* fenetre) {
  // A window of its own, yet a child of the main window: it goes when the game goes.
  auto* aide = new QWidget(fenetre, Qt::Window);
  aide->setObjectName(NomFenetreAide);
  if (fenetre == nullptr) aide->setAttribute(Qt::WA_DeleteOnClose);
  auto* texte = new QTextBrowser(aide);
  texte->setOpenExternalLinks(false);
  auto* disposition = new QVBoxLayout(aide);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->addWidget(texte);
  aide->resize(TailleFenetreAide);
  // Escape closes it, as it closes the game's other panels.
  auto* fermer = new QShortcut(QKeySequence(Qt::Key_Escape), aide);
  QObject::connect(fermer, &QShortcut::activated, aide, &QWidget::close);
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
      langue == Langue::Francais ? QStringLiteral("rolvexFr.hlp") : QStringLiteral("rolvexUs.hlp");
  const QDir programme(dossierProgramme);
  const QString aCote = programme.filePath(nom);
  const QString installe =
      QDir::cleanPath(programme.filePath(QStringLiteral("../share/rolvex/") + nom));
  if (!QFileInfo(aCote).isFile() && QFileInfo(installe).isFile()) return installe;
  return aCote;
}

QString FichierAide(Langue langue) {
  return FichierAide(langue, QCoreApplication::applicationDirPath());
}

QWidget* OuvrirAide(QWidget* fenetre, const QString& fichierAide, Langue langue) {
  QWidget* aide = fenetre == nullptr
                      ? nullptr
                      : fenetre->findChild<QWidget*>(NomFenetreAide, Qt::FindDirectChildrenOnly);
  if (aide == nullptr) aide = CreerFenetreAide(fenetre);
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
