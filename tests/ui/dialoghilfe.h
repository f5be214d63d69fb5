#pragma once

// Finding the controls of a window the way a person does: by the caption they read.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <QWidget>

// A caption as shown, without the mnemonic marks.
inline QString OhneMnemonik(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The field whose label reads `beschriftung`; ends the test when there is none.
template <class T = QWidget> T* Feld(const QWidget& fenster, const QString& beschriftung) {
    for (QLabel* l : fenster.findChildren<QLabel*>())
        if (OhneMnemonik(l->text()) == beschriftung && l->buddy())
            if (auto* f = qobject_cast<T*>(l->buddy()))
                return f;
    qFatal("kein Feld \"%s\"", qPrintable(beschriftung));
}

// The button with this caption, or with this accessible name when it has no caption;
// ends the test when there is none.
template <class T = QAbstractButton> T* Knopf(const QWidget& fenster, const QString& text) {
    for (T* k : fenster.findChildren<T*>())
        if (OhneMnemonik(k->text()) == text || (k->text().isEmpty() && k->accessibleName() == text))
            return k;
    qFatal("kein Knopf \"%s\"", qPrintable(text));
}

// The controls that Tab reaches from `start` until it comes back, in order; the dialog
// must be shown and active.
inline QList<QWidget*> TabFolge(QWidget* start) {
    QList<QWidget*> folge{start};
    start->setFocus();
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        if (w == start)
            break;
        // A spin box's line edit stands for the box.
        if (w && w->parentWidget() && qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            w = w->parentWidget();
        folge.append(w);
    }
    return folge;
}

// Every field of the window is named by a label whose buddy it is or by an accessible
// name, every button by its caption or an accessible name, every list by an accessible
// name, and every caption ending in a colon names a field: assistive technology and
// scripted checks find the controls that way. The parts of combo boxes, spin boxes, line
// edits (their clear button) and calendars are theirs, as a list's header is the list's.
inline void PruefeZugaenglich(const QWidget& fenster) {
    QSet<const QWidget*> beschriftet;
    for (const QLabel* l : fenster.findChildren<QLabel*>()) {
        if (l->buddy())
            beschriftet.insert(l->buddy());
        else if (OhneMnemonik(l->text()).trimmed().endsWith(QLatin1Char(':')))
            QVERIFY2(false, qPrintable(QStringLiteral("Beschriftung ohne Feld: ") + l->text()));
    }
    const auto teilVon = [](const QWidget* w) {
        for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
                qobject_cast<const QLineEdit*>(p) || qobject_cast<const QCalendarWidget*>(p))
                return true;
        return false;
    };
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (teilVon(w) || w->objectName().startsWith(QLatin1String("qt_")))
            continue; // Qt's own parts, such as the menu bar's overflow button
        const QString name = w->objectName();
        if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QPlainTextEdit*>(w))
            QVERIFY2(beschriftet.contains(w) || !w->accessibleName().isEmpty(),
                     qPrintable(QStringLiteral("Feld ohne Namen: ") + name));
        else if (const auto* k = qobject_cast<const QAbstractButton*>(w))
            QVERIFY2(!k->text().isEmpty() || !k->accessibleName().isEmpty(),
                     qPrintable(QStringLiteral("Knopf ohne Namen: ") + name));
        else if (qobject_cast<const QAbstractItemView*>(w) && !qobject_cast<const QHeaderView*>(w))
            QVERIFY2(!w->accessibleName().isEmpty(),
                     qPrintable(QStringLiteral("Liste ohne Namen: ") + name));
    }
}
