#pragma once

// Finding the controls of a window the way a person does: by the caption they read.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
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
