#include "ui/listenansicht.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Frames the current cell while the list has the focus. Styles such as Fusion draw the
// focus only after a Tab, so a person moving with the arrow keys would not see where.
class TFokusRahmen : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        o.state &= ~QStyle::State_HasFocus; // the style's own frame would cover the row
        QStyledItemDelegate::paint(p, o, index);
        const auto* ansicht = qobject_cast<const QAbstractItemView*>(option.widget);
        if (!ansicht || !ansicht->hasFocus() || ansicht->currentIndex() != index)
            return;
        const bool gewaehlt = option.state & QStyle::State_Selected;
        p->save();
        p->setPen(QPen(option.palette.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text),
                       1, Qt::DotLine));
        p->setBrush(Qt::NoBrush);
        p->drawRect(option.rect.adjusted(0, 0, -1, -1));
        p->restore();
    }
};

} // namespace

TListenAnsicht::TListenAnsicht(const QString& name, QWidget* parent)
    : QTreeView(parent), daten(new TListenModell(this)) {
    setModel(daten);
    setAccessibleName(name);
    setObjectName(name);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setItemDelegate(new TFokusRahmen(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideRight);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(false);

    // The selection keeps its colour without the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);

    connect(header(), &QHeaderView::sectionClicked, this, &TListenAnsicht::spalteGeklickt);
    connect(this, &QAbstractItemView::doubleClicked, this, &TListenAnsicht::zeileAktiviert);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TListenAnsicht::auswahlGeaendert);
}

TListe TListenAnsicht::zeige(TListe neu) {
    const bool spaltenGleich = neu.spalten == daten->liste().spalten;
    TListe alt = daten->setzeListe(std::move(neu));
    if (!spaltenGleich || inhaltsbreite)
        setzeBreiten();
    return alt;
}

void TListenAnsicht::setzeInhaltsbreite(bool ja) {
    inhaltsbreite = ja;
    setzeBreiten();
}

int TListenAnsicht::textbreite(int spalte) const {
    // Measures only the longest text: figures have digits of one width.
    const TListe& l = daten->liste();
    const QString* laengster = nullptr;
    for (const QStringList& zeile : l.zeilen)
        if (spalte < zeile.size() && (!laengster || zeile[spalte].size() > laengster->size()))
            laengster = &zeile[spalte];
    if (!laengster)
        return 0;
    // The margins the style leaves on both sides of a cell's text.
    const int rand = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return fontMetrics().horizontalAdvance(*laengster) + 2 * rand + 2;
}

void TListenAnsicht::setzeBreiten() {
    const double faktor = logicalDpiX() / 96.0;
    const QList<TSpalte>& spalten = daten->liste().spalten;
    for (int i = 0; i < spalten.size(); ++i) {
        setColumnHidden(i, spalten[i].breite == 0);
        if (spalten[i].breite > 0)
            header()->resizeSection(i, std::max(int(spalten[i].breite * faktor + 0.5),
                                                inhaltsbreite ? textbreite(i) : 0));
    }
}

void TListenAnsicht::setzeSortierbar(bool ja) {
    header()->setSectionsClickable(ja);
    header()->setSortIndicatorShown(ja);
}

void TListenAnsicht::setzeEditierbar(int spalte) {
    daten->setzeEditierbareSpalte(spalte);
    setEditTriggers(spalte < 0
                        ? QAbstractItemView::NoEditTriggers
                        : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::SelectedClicked);
}

bool TListenAnsicht::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const int spalte = daten->editierbareSpalte();
    if (spalte >= 0 && index.isValid() && index.column() != spalte)
        return QTreeView::edit(index.siblingAtColumn(spalte), trigger, event);
    return QTreeView::edit(index, trigger, event);
}

void TListenAnsicht::zeigeSortierung(int spalte, Qt::SortOrder richtung) {
    header()->setSortIndicator(spalte, richtung);
}

std::optional<qsizetype> TListenAnsicht::gewaehlteZeile() const {
    const QModelIndexList zeilen = selectionModel()->selectedRows();
    if (zeilen.isEmpty())
        return std::nullopt;
    return zeilen.constFirst().row();
}

std::optional<int> TListenAnsicht::gewaehlteNr() const {
    const auto zeile = gewaehlteZeile();
    return zeile ? liste().nr(*zeile) : std::nullopt;
}

void TListenAnsicht::waehleZeile(qsizetype zeile) {
    if (zeile < 0 || zeile >= liste().anzahlZeilen()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = daten->index(int(zeile), 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
}

bool TListenAnsicht::waehleNr(int nr) {
    const qsizetype zeile = liste().zeileMitNr(nr);
    waehleZeile(zeile);
    return zeile >= 0;
}

void TListenAnsicht::rolleZu(qsizetype zeile, int abstand) {
    if (zeile < 0 || zeile >= liste().anzahlZeilen())
        return;
    const QRect r = visualRect(daten->index(int(zeile), 0));
    const int pixel = int(abstand * logicalDpiY() / 96.0 + 0.5);
    QScrollBar* leiste = verticalScrollBar();
    leiste->setValue(leiste->value() + r.top() - pixel);
}

void TListenAnsicht::keyPressEvent(QKeyEvent* e) {
    const bool eingabe = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool entfernen = e->key() == Qt::Key_Delete;
    if ((eingabe || entfernen) && e->modifiers() == Qt::NoModifier && state() != EditingState &&
        currentIndex().isValid()) {
        const QMetaMethod signal = QMetaMethod::fromSignal(
            eingabe ? &TListenAnsicht::eingabeTaste : &TListenAnsicht::entfernenTaste);
        if (isSignalConnected(signal)) {
            e->accept();
            if (eingabe)
                Q_EMIT eingabeTaste();
            else
                Q_EMIT entfernenTaste();
            return;
        }
    }
    QTreeView::keyPressEvent(e);
}

QModelIndex TListenAnsicht::moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) {
    const QModelIndex jetzt = currentIndex();
    if ((aktion != MoveLeft && aktion != MoveRight) || !jetzt.isValid())
        return QTreeView::moveCursor(aktion, tasten);
    // The next shown column in the order the header shows them; the edge stays put.
    const int schritt = aktion == MoveRight ? 1 : -1;
    for (int v = header()->visualIndex(jetzt.column()) + schritt; v >= 0 && v < header()->count();
         v += schritt) {
        const int spalte = header()->logicalIndex(v);
        if (!isColumnHidden(spalte)) {
            return jetzt.siblingAtColumn(spalte);
        }
    }
    return jetzt;
}
