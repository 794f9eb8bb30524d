#include "app/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <array>
#include <utility>

#include "app/controls.h"
#include "app/keyboard.h"
#include "app/main_window.h"
#include "app/params_dialog.h"
#include "playarea/sheet_names.h"
#include "texts/accessible_texts.h"
#include "texts/hover_help.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/text.h"

namespace rolvex::app {

namespace {

// A screen reader hears of a change only when the text really changed.
void Nommer(QWidget& widget, std::string_view nom, std::string_view description) {
  const QString n = ui::EnQString(nom);
  const QString d = ui::EnQString(description);
  if (widget.accessibleName() != n) widget.setAccessibleName(n);
  if (widget.accessibleDescription() != d) widget.setAccessibleDescription(d);
}

void Nommer(QWidget* widget, const TexteAccessible& texte) {
  if (widget) Nommer(*widget, texte.nom, texte.description);
}

QWidget& Controle(QWidget& fenetre, const Cle& cle) {
  QWidget* widget = Trouver<QWidget>(fenetre, cle);
  Q_ASSERT(widget != nullptr);
  return *widget;
}

// What a screen reader is told a control is, kept on the control itself, so that its
// accessible interface reads it whatever asks.
constexpr const char* ProprieteRole = "rolvexRole";
constexpr const char* ProprieteCoche = "rolvexCoche";                // a die kept
constexpr const char* ProprieteChoisissable = "rolvexChoisissable";  // a square to write
constexpr const char* ProprieteLigne = "rolvexLigne";                // a cell's row from 0
constexpr const char* ProprieteColonne = "rolvexColonne";            // and column
constexpr const char* ProprieteEntetes = "rolvexEntetes";            // a table's: its columns'
constexpr const char* ProprieteLignes = "rolvexLignes";              // and its rows' names
constexpr const char* ProprieteInfo = "rolvexInfo";  // the window's: its information line

void Role(QWidget* widget, QAccessible::Role role) {
  if (widget) widget->setProperty(ProprieteRole, int{role});
}

void Cellule(QWidget* widget, int ligne, int colonne) {
  Role(widget, QAccessible::Cell);
  widget->setProperty(ProprieteLigne, ligne);
  widget->setProperty(ProprieteColonne, colonne);
}

// The state the control's interface reports changes: the screen reader hears of it.
void Marquer(QWidget* widget, const char* propriete, bool valeur) {
  if (!widget || widget->property(propriete).toBool() == valeur) return;
  widget->setProperty(propriete, valeur);
  QAccessible::State change;
  if (propriete == ProprieteCoche)
    change.checked = true;
  else
    change.selectable = change.focusable = true;
  QAccessibleStateChangeEvent event(widget, change);
  QAccessible::updateAccessibility(&event);
}

// Buttons, dice and the cells of the tables: their role, their states and what pressing does,
// the very signal the mouse raises. The focused control's description begins with the
// information line, which is how a player who cannot see it hears it.
class InterfaceControle : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  InterfaceControle(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QAccessible::State state() const override {
    QAccessible::State etat = QAccessibleWidget::state();
    if (role() == QAccessible::CheckBox) {
      etat.checkable = true;
      etat.checked = widget()->property(ProprieteCoche).toBool();
    }
    if (role() == QAccessible::Cell) {
      etat.selectable = etat.focusable = Choisissable();
      etat.selected = widget()->hasFocus();
    }
    return etat;
  }

  QString text(QAccessible::Text t) const override {
    const QString texte = QAccessibleWidget::text(t);
    if (t != QAccessible::Description || !widget()->hasFocus()) return texte;
    const QString info = widget()->window()->property(ProprieteInfo).toString();
    return info.isEmpty() ? texte : info + QLatin1Char('\n') + texte;
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableCellInterface && role() == QAccessible::Cell)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QStringList actionNames() const override {
    QStringList noms;
    if (role() == QAccessible::CheckBox) noms << toggleAction();
    if (role() == QAccessible::Button || role() == QAccessible::CheckBox || Choisissable())
      noms << pressAction();
    return noms + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action != pressAction() && action != toggleAction())
      return QAccessibleWidget::doAction(action);
    if (!actionNames().contains(action) || !widget()->isEnabled()) return;
    if (auto* panneau = qobject_cast<ui::Panneau*>(widget())) emit panneau->clicked();
    if (auto* image = qobject_cast<ui::Image*>(widget())) emit image->mouseDown(bouton::Gauche);
  }

  bool isSelected() const override { return widget()->hasFocus(); }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return widget()->property(ProprieteColonne).toInt(); }
  int rowIndex() const override { return widget()->property(ProprieteLigne).toInt(); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  bool Choisissable() const { return widget()->property(ProprieteChoisissable).toBool(); }
};

// The sheet and the high scores: tables whose cells are the children that know their row and
// column, with the names of the columns and rows as their headers.
class InterfaceTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit InterfaceTable(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int ligne, int colonne) const override {
    for (QWidget* w : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (w->property(ProprieteLigne) == ligne && w->property(ProprieteColonne) == colonne)
        return QAccessible::queryAccessibleInterface(w);
    return nullptr;
  }
  int columnCount() const override { return Entetes(ProprieteEntetes).size(); }
  int rowCount() const override { return Entetes(ProprieteLignes).size(); }
  QString columnDescription(int colonne) const override {
    return Entetes(ProprieteEntetes).value(colonne);
  }
  QString rowDescription(int ligne) const override { return Entetes(ProprieteLignes).value(ligne); }
  // The focused cell is the one selected.
  int selectedCellCount() const override { return int(selectedCells().size()); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->parentWidget() != widget() || !focus->property(ProprieteLigne).isValid())
      return {};
    return {QAccessible::queryAccessibleInterface(focus)};
  }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  QStringList Entetes(const char* propriete) const {
    return widget()->property(propriete).toStringList();
  }
};

QAccessibleInterface* FabriqueJeu(const QString&, QObject* objet) {
  if (!objet || !objet->isWidgetType()) return nullptr;
  const QVariant role = objet->property(ProprieteRole);
  if (!role.isValid()) return nullptr;
  auto* widget = static_cast<QWidget*>(objet);
  if (role.toInt() == QAccessible::Table) return new InterfaceTable(widget);
  return new InterfaceControle(widget, static_cast<QAccessible::Role>(role.toInt()));
}

// Once per run, before any control is asked for its interface.
void InstallerFabrique() {
  static const bool installee = [] {
    QAccessible::installFactory(FabriqueJeu);
    return true;
  }();
  (void)installee;
}

}  // namespace

// The high-score table is filled by the end of a game and shown after; its rows are named as
// it appears.
class AccessibiliteJeu::SuiviScores : public QObject {
 public:
  explicit SuiviScores(AccessibiliteJeu& accessibilite) : accessibilite_(accessibilite) {}

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override {
    if (event->type() == QEvent::Show) accessibilite_.ActualiserScores();
    return QObject::eventFilter(objet, event);
  }

 private:
  AccessibiliteJeu& accessibilite_;
};

AccessibiliteJeu::AccessibiliteJeu(FormRolvex& fenetre)
    : fenetre_(fenetre), suiviScores_(std::make_unique<SuiviScores>(*this)) {
  const Langue langue = fenetre.langue();
  DonnerRoles();
  for (const AccessibleFixe& f : AccessiblesFixes()) {
    QWidget& ou = f.fenetre == Fenetre::FormParams ? static_cast<QWidget&>(fenetre.Params())
                                                   : static_cast<QWidget&>(fenetre);
    if (QWidget* widget = Trouver<QWidget>(ou, f.controle))
      Nommer(*widget, f.nom.pour(langue), f.description.pour(langue));
  }

  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    Nommer(&Controle(fenetre, CleEntete{c}), AccessibleEntete(c, langue));
    for (int i = 1; i <= 4; ++i)
      totaux_[c][i] =
          &Controle(fenetre, CleTotal{LignesTotaux[static_cast<std::size_t>(i - 1)], c});
  }
  for (Cote cote : {Cote::Gauche, Cote::Droite}) {
    for (int16_t f = 1; f <= NbFigures; ++f)
      Nommer(&Controle(fenetre, CleEtiquette{cote, f}), AccessibleEtiquette(f, langue));
    for (LigneTotal ligne : LignesTotaux) {
      const int16_t ou = ligne == LigneTotal::TotalHaut || ligne == LigneTotal::BonusHaut
                             ? bonus::Haut
                             : bonus::Bas;
      const bool estBonus = ligne == LigneTotal::BonusHaut || ligne == LigneTotal::BonusBas;
      Nommer(
          &Controle(fenetre, CleEtiquetteTotal{ligne, cote}),
          estBonus ? AccessibleEtiquetteBonus(ou, langue) : AccessibleEtiquetteTotal(ou, langue));
    }
  }
  for (int16_t i = 1; i <= NbDes; ++i) {
    des_[i] = &Controle(fenetre, CleElement{Famille::ImageDe, i});
    Nommer(&Controle(fenetre, CleElement{Famille::PanelDe, i}), AccessiblePlaceDe(i, langue));
  }
  okDe_ = &Controle(fenetre, Seul::PanelOkDe);
  scoreTotal_ = &Controle(fenetre, Seul::PanelScoreTotal);
  totalDes_ = &Controle(fenetre, Seul::PanelTotalDes);
  figure_ = &Controle(fenetre, Seul::PanelFigureRealisee);
  info_ = &Controle(fenetre, Seul::PanelInfoDeroulement);
  Controle(fenetre, Seul::SuperPanelScore).installEventFilter(suiviScores_.get());

  ActualiserFeuille();
  ActualiserDes();
  ActualiserInfo();
  ActualiserScores();
}

AccessibiliteJeu::~AccessibiliteJeu() = default;

// Before any name is given: a name given makes the interface, which then keeps its role.
void AccessibiliteJeu::DonnerRoles() {
  InstallerFabrique();
  FormRolvex& f = fenetre_;
  for (Seul bouton : {Seul::PanelStart, Seul::PanelOkDe, Seul::PanelNewGame, Seul::PanelNewMode,
                      Seul::PanelEffacerScores})
    Role(Trouver<QWidget>(f, bouton), QAccessible::Button);
  for (const char* bouton : {"PanelOkParams", "PanelCancelParams"})
    Role(Trouver<QWidget>(f.Params(), bouton), QAccessible::Button);
  for (int16_t i = 1; i <= NbDes; ++i) {
    Role(Trouver<QWidget>(f, CleElement{Famille::ImageDe, i}), QAccessible::CheckBox);
    Role(Trouver<QWidget>(f, CleElement{Famille::PanelDe, i}), QAccessible::Button);
  }
  const Langue langue = f.langue();
  QStringList colonnes, figures, places, entetesScores;
  for (int16_t c : OrdreEcran) colonnes << ui::EnQString(AccessibleEntete(c, langue).nom);
  for (int16_t fig = 1; fig <= NbFigures; ++fig) {
    figures << ui::EnQString(AccessibleEtiquette(fig, langue).nom);
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      Cellule(cases_[c][fig] = &Controle(f, CleCase{c, fig}), fig - 1, PlaceDeCase(c, fig).colonne);
  }
  QWidget& feuille = Controle(f, Seul::PictureAireJeu);
  Role(&feuille, QAccessible::Table);
  feuille.setProperty(ProprieteEntetes, colonnes);
  feuille.setProperty(ProprieteLignes, figures);

  for (int16_t rang = 1; rang <= NbPlaces; ++rang) {
    places << QString::number(rang);
    for (std::size_t k = 0; k < FamillesScores.size(); ++k)
      Cellule(Trouver<QWidget>(f, CleElement{FamillesScores[k], rang}), rang - 1, int(k));
  }
  for (std::size_t k = 0; k < FamillesScores.size(); ++k)
    entetesScores << ui::EnQString(AccessibleEnteteScores(k, langue));
  QWidget& scores = Controle(f, Seul::PanelScore);
  Role(&scores, QAccessible::Table);
  scores.setProperty(ProprieteEntetes, entetesScores);
  scores.setProperty(ProprieteLignes, places);
}

void AccessibiliteJeu::ActualiserFeuille() {
  const EtatPartie& e = fenetre_.Etat();
  const Langue langue = fenetre_.langue();
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Nommer(cases_[c][f], AccessibleCase(e, c, f, langue));
      const CaseJeu& k = e.Cases(c, f);
      Marquer(cases_[c][f], ProprieteChoisissable, k.Visible && k.Selectionnable && !k.Prise);
    }
    Nommer(totaux_[c][1], AccessibleTotal(e, bonus::Haut, c, langue));
    Nommer(totaux_[c][2], AccessibleBonus(e, bonus::Haut, c, langue));
    Nommer(totaux_[c][3], AccessibleTotal(e, bonus::Bas, c, langue));
    Nommer(totaux_[c][4], AccessibleBonus(e, bonus::Bas, c, langue));
  }
  // A throw shows its dice before it counts itself: they are named again once it is counted.
  ActualiserDes();
  Nommer(scoreTotal_, AccessibleScoreTotal(e, langue));
  Nommer(totalDes_, AccessibleTotalDes(e, langue));
  Nommer(figure_, AccessibleFigureRealisee(e, langue));
}

void AccessibiliteJeu::ActualiserDes() {
  const EtatPartie& e = fenetre_.Etat();
  for (int16_t i = 1; i <= NbDes; ++i) {
    Nommer(des_[i], AccessibleDe(e, i, fenetre_.langue()));
    Marquer(des_[i], ProprieteCoche, e.NbJets > 0 && e.DesGardes[i]);
  }
  Nommer(okDe_, AccessibleOkDe(e, fenetre_.langue()));
}

void AccessibiliteJeu::ActualiserInfo() {
  const auto* info = qobject_cast<const ui::Panneau*>(info_);
  if (!info) return;
  const TexteAccessible texte = AccessibleInfo(info->caption().toStdString(), fenetre_.langue());
  Nommer(info_, texte);
  // The focused control's description begins with it: a screen reader says it there.
  const QString description = ui::EnQString(texte.description);
  if (fenetre_.property(ProprieteInfo).toString() == description) return;
  fenetre_.setProperty(ProprieteInfo, description);
  QWidget* focus = fenetre_.focusWidget();
  if (focus && focus->property(ProprieteRole).isValid()) {
    QAccessibleEvent event(focus, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void AccessibiliteJeu::ActualiserScores() {
  const Langue langue = fenetre_.langue();
  for (Famille famille : FamillesScores)
    for (int16_t rang = 1; rang <= NbPlaces; ++rang)
      if (auto* panneau = Trouver<ui::Panneau>(fenetre_, CleElement{famille, rang}))
        Nommer(*panneau, panneau->caption().toStdString(),
               AppelMovePanelScore(famille, rang, langue));
}

void NommerDemarrage(QWidget& splash) {
  InstallerFabrique();
  for (const char* bouton : {"PanelStartFrench", "PanelStartEnglish"})
    Role(Trouver<QWidget>(splash, bouton), QAccessible::Button);
  for (const AccessibleDemarrage& d : AccessiblesDemarrage())
    if (QWidget* widget = Trouver<QWidget>(splash, d.controle))
      Nommer(*widget, d.nom, d.description);
}

}  // namespace rolvex::app
