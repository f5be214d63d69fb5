#include "ui/fehlerbox.h"

#include "core/fehler.h"
#include "core/melder.h"

#include <new>

void ZeigeFehler(const QString& text) {
    melder().meldung(text + QLatin1Char('.'), QString::fromLatin1(Anwendungstitel),
                     TSymbol::fehler);
}

bool Behandle(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const TAbbruch&) {
    } catch (const TFehler& f) {
        ZeigeFehler(f.meldung());
    } catch (const std::bad_alloc&) {
        ZeigeFehler(QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        ZeigeFehler(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

TAnwendung::TAnwendung(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    bool ergebnis = false;
    Behandle([&] { ergebnis = QApplication::notify(empfaenger, ereignis); });
    return ergebnis;
}
