// ormisto-cli: the engine of the program for scripts and batch work.
#include "app/cli/befehle.h"

#include "core/fehler.h"
#include "core/uhr.h"
#include "ormisto_version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <memory>

namespace {

void schreibeFehler(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QString hilfe() {
    QString text = QStringLiteral(
        "Aufruf: ormisto-cli [--locale NAME] BEFEHL ARGUMENTE...\n"
        "\n"
        "Globale Optionen:\n"
        "  --locale NAME   Gebietsschema für Zahlen, Daten und Textvergleich (z. B. de_DE,\n"
        "                  en_US); ohne die Option gilt das des Systems.\n"
        "  --help          zeigt diese Hilfe.\n"
        "  --version       zeigt die Versionsnummer.\n"
        "\n"
        "Befehle:\n");
    for (const TBefehl& b : alleBefehle())
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QString::fromUtf8(b.aufruf), QString::fromUtf8(b.hilfe));
    text += QStringLiteral(
        "\nDaten im Format JJJJ-MM-TT. Die Umgebungsvariable ORMISTO_HEUTE=JJJJ-MM-TT legt\n"
        "\"heute\" fest. Exit-Status: 0 Erfolg, 1 Fehler, 2 falscher Aufruf.\n");
    return text;
}

// Qt's notes about its own setup (for example a missing runtime folder of the offscreen
// platform) are no business of a script reading our standard error.
void filtereQtMeldungen(QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtDebugMsg || typ == QtInfoMsg ||
        (typ == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths:"))))
        return;
    schreibeFehler(text);
}

const TBefehl* finde(const QString& name) {
    for (const TBefehl& b : alleBefehle())
        if (name == QLatin1String(b.name))
            return &b;
    return nullptr;
}

int fuehreAus(const QStringList& args) {
    qsizetype i = 0;
    while (i < args.size() && args[i].startsWith(QLatin1String("--"))) {
        if (args[i] == QLatin1String("--help")) {
            DruckeText(hilfe());
            return 0;
        }
        if (args[i] == QLatin1String("--version")) {
            DruckeText(QStringLiteral("ormisto-cli %1\n").arg(QLatin1String(OrmistoVersion)));
            return 0;
        }
        if (args[i] == QLatin1String("--locale")) {
            if (i + 1 >= args.size())
                throw TNutzungsFehler(QStringLiteral("--locale braucht einen Namen"));
            const QString name = args[i + 1];
            const QLocale locale(name);
            if (locale == QLocale::c() && name != QLatin1String("C") &&
                name != QLatin1String("POSIX"))
                throw TNutzungsFehler(QStringLiteral("Unbekanntes Gebietsschema %1").arg(name));
            QLocale::setDefault(locale);
            i += 2;
            continue;
        }
        throw TNutzungsFehler(QStringLiteral("Unbekannte Option %1").arg(args[i]));
    }
    if (i >= args.size())
        throw TNutzungsFehler(QStringLiteral("Kein Befehl angegeben"));
    const TBefehl* befehl = finde(args[i]);
    if (!befehl)
        throw TNutzungsFehler(QStringLiteral("Unbekannter Befehl %1").arg(args[i]));
    const TArgumente argumente(args.mid(i + 1), befehl->schalter, befehl->werte);
    return befehl->ausfuehren(argumente);
}

bool brauchtGrafik(int argc, char** argv) {
    int i = 1;
    while (i < argc && QByteArrayView(argv[i]) == "--locale")
        i += 2;
    const TBefehl* b = i < argc ? finde(QString::fromLocal8Bit(argv[i])) : nullptr;
    return b && b->grafik;
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(filtereQtMeldungen);
    std::unique_ptr<QCoreApplication> app;
    if (brauchtGrafik(argc, argv)) {
        // Drawing needs a platform; the tool never needs a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("ormisto-cli"));

    if (const QString fehler = TUhr::setzeHeuteAusUmgebung(); !fehler.isEmpty()) {
        schreibeFehler(fehler + QLatin1Char('.'));
        return 2;
    }

    try {
        return fuehreAus(QCoreApplication::arguments().mid(1));
    } catch (const TNutzungsFehler& f) {
        schreibeFehler(QStringLiteral("ormisto-cli: %1\nHilfe: ormisto-cli --help").arg(f.meldung));
        return 2;
    } catch (const TFehler& f) {
        schreibeFehler(f.meldung() + QLatin1Char('.'));
        return 1;
    } catch (const TAbbruch&) {
        return 1;
    } catch (const std::bad_alloc&) {
        schreibeFehler(QStringLiteral("Out of memory."));
        return 1;
    }
}
