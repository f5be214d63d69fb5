#pragma once

// What the tests of the main window share: a private data folder per test, files made
// from data, and controls found by the caption a person reads.
#include "core/datei.h"
#include "core/daten.h"
#include "core/uhr.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "ui/listenansicht.h"
#include "ui/mainform.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// A fresh, empty per-user data folder for the lifetime of the object.
class TDatenordner {
public:
    TDatenordner() { qputenv("XDG_DATA_HOME", ordner.path().toLocal8Bit()); }
    ~TDatenordner() { qunsetenv("XDG_DATA_HOME"); }

    QString arbeitsdatei() const { return ordner.path() + "/Tolvane/Vellitra/zutaten.dat"; }
    QString pfad(const QString& name) const { return ordner.filePath(name); }
    // Writes the data as the working file or as a document.
    void schreibeArbeitsdatei(const TDaten& d) const {
        QDir().mkpath(ordner.path() + "/Tolvane/Vellitra");
        QVERIFY(SaveOptionsFile(d, arbeitsdatei()).ok());
    }
    QString schreibeDokument(const TDaten& d, const QString& name) const {
        const QString p = pfad(name);
        [&] { QVERIFY(SaveOptionsFile(d, p).ok()); }();
        return p;
    }

private:
    QTemporaryDir ordner;
};

// A data folder whose working file holds the kitchen `baue` makes, with "today" on
// 15 June 2024 and the German locale (set before the group rates are written as texts):
// where each test of a window's tab starts.
class TKuechenOrdner : public TDatenordner {
public:
    explicit TKuechenOrdner(void (*baue)(TDaten&)) {
        TUhr::setzeHeute(QDate(2024, 6, 15));
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TDaten kueche;
        baue(kueche);
        schreibeArbeitsdatei(kueche);
    }
};

// A dialog script whose checks may fail the test: they run, then the dialog's result is
// handed back.
template <class D> TTestMelder::TDialogSkript Skript(std::function<void(D&)> pruefe) {
    return [pruefe](QObject& o) {
        auto& d = static_cast<D&>(o);
        pruefe(d);
        return d.result();
    };
}

// The menu item or top-level item with this caption.
inline QAction* Menuepunkt(fenster::TMainForm& f, const QString& text) {
    for (QAction* a : f.menuBar()->actions()) {
        if (OhneMnemonik(a->text()) == text)
            return a;
        if (a->menu())
            for (QAction* b : a->menu()->actions())
                if (OhneMnemonik(b->text()) == text)
                    return b;
    }
    return nullptr;
}

// The push button with this caption on a page (several tabs have a "Suchen").
inline QPushButton* Knopf(QWidget* seite, const QString& text) {
    return Knopf<QPushButton>(*seite, text);
}

// The texts of one column of a list as shown, top to bottom.
inline QStringList Spalte(const TListenAnsicht& l, int spalte) {
    QStringList s;
    for (qsizetype z = 0; z < l.liste().anzahlZeilen(); ++z)
        s << l.liste().zelle(z, spalte);
    return s;
}
