#pragma once

#include <QApplication>
#include <QString>

#include <functional>
#include <utility>

// The application title: the title of the running program and of the error box.
inline constexpr char Anwendungstitel[] = "Rovasquet";

// The general error box: an error icon, an OK button, the application title and the
// error's text with a full stop added.
void ZeigeFehler(const QString& text);

// Runs a handler. An error that the handler does not handle itself (TFehler, an
// allocation failure, any other exception) ends it and is shown in the error box; a
// TAbbruch ends it silently. True when the handler ran to its end.
bool Behandle(const std::function<void()>& handler);

// A slot for connect() that runs the member function through Behandle.
template <class O, class... A> auto Sicher(O* objekt, void (O::*methode)(A...)) {
    return [objekt, methode](A... args) {
        Behandle([&] { (objekt->*methode)(std::forward<A>(args)...); });
    };
}

// The application object: an exception that escapes an event handler ends up in the
// error box instead of ending the program.
class TAnwendung : public QApplication {
public:
    TAnwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* ereignis) override;
};
