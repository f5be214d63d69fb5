// ormisto: the window program.
#include "core/melder.h"
#include "core/uhr.h"
#include "ui/fehlerbox.h"
#include "ui/fenstermelder.h"
#include "ui/mainform.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

// Numbers and dates follow the user's locale; a bare system without one (C or POSIX)
// reads German.
void setzeLocale() {
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany)
                                                        : system);
}

} // namespace

int main(int argc, char** argv) {
    TAnwendung app(argc, argv);
    // The program's title, which message boxes without a title of their own carry. Set as
    // the name, not as the display name, which X11 would append to every window title.
    QCoreApplication::setApplicationName(QString::fromLatin1(Anwendungstitel));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.tolvane.Ormisto"));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("de.tolvane.Ormisto")));

    if (const QString fehler = TUhr::setzeHeuteAusUmgebung(); !fehler.isEmpty()) {
        std::fprintf(stderr, "%s.\n", fehler.toLocal8Bit().constData());
        return 2;
    }
    setzeLocale();
    // Qt's own texts (standard buttons, file dialogs) in German like the rest.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexte);

    TFensterMelder fenstermelder;
    setzeMelder(&fenstermelder);

    fenster::TMainForm mainForm(QCoreApplication::arguments().mid(1));
    mainForm.show();
    const int ergebnis = QApplication::exec();
    setzeMelder(nullptr);
    return ergebnis;
}
