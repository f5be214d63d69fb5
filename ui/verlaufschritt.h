#pragma once

#include "ui/mainform.h"

#include <exception>

class TDaten;

namespace fenster {

// One step of the undo history for the lifetime of a handler: made right before the
// handler changes data, recorded by the SaveZutaten() that ends it, forgotten when the
// handler returns without saving (a cancelled dialog).
class TOffenerSchritt {
public:
    TOffenerSchritt(TMainForm& f, const QString& name)
        : form(f), ausnahmen(std::uncaught_exceptions()) {
        form.oeffneSchritt(name);
    }
    // A step that replaces much (an import): the working file is first kept as a backup.
    TOffenerSchritt(TMainForm& f, const QString& name, const QString& sicherungsgrund)
        : form(f), ausnahmen(std::uncaught_exceptions()) {
        form.sichereVor(sicherungsgrund);
        form.oeffneSchritt(name);
    }
    ~TOffenerSchritt() { form.endeSchritt(std::uncaught_exceptions() > ausnahmen); }
    TOffenerSchritt(const TOffenerSchritt&) = delete;
    TOffenerSchritt& operator=(const TOffenerSchritt&) = delete;

private:
    TMainForm& form;
    int ausnahmen;
};

// Step names with the record's name, e.g. "Rezept „Apfelkuchen“ löschen".
QString ZutatSchritt(const TDaten& daten, int nr, const QString& was);
QString RezeptSchritt(const TDaten& daten, int nr, const QString& was);
QString VerkaeufeLoeschenSchritt(const TDaten& daten, int nr);

} // namespace fenster
