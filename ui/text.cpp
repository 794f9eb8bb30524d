#include "ui/text.h"

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

}  // namespace rolvex::ui
