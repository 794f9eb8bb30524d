#include "ui/text.h"

#include <QFontMetrics>

namespace rolvex::ui {

QString EnQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString AvecSautsDeLigne(const QString& texte) {
  QString lignes = texte;
  lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lignes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lignes;
}

QStringList LignesCoupeesAuxBlancs(const QString& texte, const QFontMetrics& mesure, int largeur) {
  QStringList lignes;
  for (const QString& paragraphe : AvecSautsDeLigne(texte).split(QLatin1Char('\n'))) {
    // Empty words keep the double blanks of a text where they stand.
    const QStringList mots = paragraphe.split(QLatin1Char(' '));
    QString ligne = mots.front();
    for (qsizetype i = 1; i < mots.size(); ++i) {
      QString essai = ligne + QLatin1Char(' ') + mots[i];
      // A line of blanks alone is never left behind: the words after it would gain nothing.
      if (mesure.horizontalAdvance(essai) > largeur && !ligne.trimmed().isEmpty()) {
        lignes.append(ligne);
        ligne = mots[i];
      } else {
        ligne = std::move(essai);
      }
    }
    lignes.append(ligne);
  }
  return lignes;
}

}  // namespace rolvex::ui
