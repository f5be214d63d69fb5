#pragma once

// Finding the controls of a window the way a person does: by the caption they read.

#include <QAbstractButton>
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
