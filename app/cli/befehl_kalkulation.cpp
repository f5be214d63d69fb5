// The recipe dialog's calculation of one recipe, and optionally the amount dialog.
#include "app/cli/befehl_kalkulation.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "costing/mengen.h"
#include "costing/rezepteditor.h"
#include "exchange/csvexport.h"

#include <QRegularExpression>

TRezeptArgument RezeptArgument(const TArgumente& a) {
    const auto nrText = a.wert(QStringLiteral("rezept"));
    if (!nrText)
        throw TNutzungsFehler(QStringLiteral("--rezept fehlt"));
    static const QRegularExpression ganzzahl(QStringLiteral("^[+-]?[0-9]+$"));
    if (!ganzzahl.match(*nrText).hasMatch())
        throw TNutzungsFehler(
            QStringLiteral("--rezept erwartet eine ganze Zahl, nicht \"%1\"").arg(*nrText));
    // Negative and huge numbers are well-formed; they name no recipe.
    bool ok = false;
    const qint64 gelesen = nrText->toLongLong(&ok, 10);
    return {*nrText, ok ? gelesen : -1};
}

void FuelleRezeptDialog(TRezeptForm& form, const TDaten& daten, const TRezeptArgument& r) {
    if (r.nr < 0 || r.nr >= qint64(daten.anzahlRezepte()))
        throw TFehler(daten.anzahlRezepte() == 0
                          ? QStringLiteral("Die Datei enthält kein Rezept mit der Nummer %1; "
                                           "sie enthält keine Rezepte")
                                .arg(r.text)
                          : QStringLiteral("Die Datei enthält kein Rezept mit der Nummer %1; "
                                           "gültig sind 0 bis %2")
                                .arg(r.text)
                                .arg(daten.anzahlRezepte() - 1));
    FuelleAusRezept(form, daten, daten.rezept(uint32_t(r.nr)));
}

namespace {

void zeile(QByteArray& aus, QStringView beschriftung, const QString& text) {
    aus += beschriftung.toUtf8();
    aus += ' ';
    aus += text.toUtf8();
    aus += '\n';
}

void preise(QByteArray& aus, const TProMengeneinheit& p) {
    const auto felder = p.felder();
    for (size_t i = 0; i < felder.size(); ++i)
        zeile(aus, TProMengeneinheit::beschriftungen[i], *felder[i]);
}

int kalkulation(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const TRezeptArgument rezept = RezeptArgument(a);
    TDaten daten;
    LadeDatei(daten, datei);
    TRezeptForm form;
    FuelleRezeptDialog(form, daten, rezept);

    QByteArray aus;
    zeile(aus, u"Name:", form.name);
    zeile(aus, TRezeptForm::mengeBeschriftung, form.menge);
    preise(aus, form.preise);
    zeile(aus, u"Gruppe:",
          form.gruppe >= 0 && form.gruppe < form.gruppenliste.size()
              ? form.gruppenliste[form.gruppe]
              : QString());
    aus += '\n';
    aus += CsvBytes(form.zutaten, TBom::ohne);

    if (const auto bedarf = a.wert(QStringLiteral("bedarfsmenge"))) {
        form.bedarfsmenge = *bedarf;
        const TCalcAmountsForm mengen = MengenBerechnen(form);
        aus += '\n';
        zeile(aus, u"Name:", mengen.name);
        zeile(aus, u"Menge:", mengen.menge);
        preise(aus, mengen.preise);
        aus += '\n';
        aus += CsvBytes(mengen.zutaten, TBom::ohne);
    }
    SchreibeAusgabe(aus, {});
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"kalkulation",
                "kalkulation DATEI --rezept NR [--bedarfsmenge A]",
                "zeigt Rezept NR (Position in den Rezepten) wie der Rezeptdialog, mit "
                "--bedarfsmenge auch die Mengenberechnung für A Einheiten",
                {},
                {QStringLiteral("rezept"), QStringLiteral("bedarfsmenge")},
                &kalkulation})
