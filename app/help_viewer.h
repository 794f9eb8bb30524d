// The game's help: the HTML help files next to the program, shown in a small viewer window of
// our own, so that F1 works on every desktop.
#pragma once

#include <QString>

#include "texts/language_tables.h"

class QWidget;

namespace rolvex {

// The help file of `langue`, rolvexFr.hlp or rolvexUs.hlp, for a program in `dossierProgramme`:
// beside it, else in ../share/rolvex from it (bin/rolvex and share/rolvex/ once installed).
// Where neither holds it, the path beside the program, so that the viewer names it missing.
QString FichierAide(Langue langue, const QString& dossierProgramme);
// The help file of the running program.
QString FichierAide(Langue langue);

// Shows `fichierAide` at its contents page (its top) in the help window owned by `fenêtre`,
// the one already open if there is one, and brings it to the front. Its title is the file's
// own. A file that cannot be read is said so in the help window, in `langue`, naming the file.
// Returns the help window; without an owner it closes for good when the player closes it.
QWidget* OuvrirAide(QWidget* fenetre, const QString& fichierAide, Langue langue);

}  // namespace rolvex
