#include "tests/support/auswertung_naiv.h"

#include "costing/preise.h"

namespace {

bool gehoertZu(int zeile, int32_t gruppe) {
    switch (zeile) {
    case 0:
        return true;
    case 1:
        return gruppe < 20;
    case 2:
        return gruppe >= 20;
    default:
        return gruppe == zeile - 3;
    }
}

double zelle(const TDaten& d, const TAuswertungsWahl& w, int zeile, int jahr, int monat) {
    double wert = 0, hilf = 0;
    const bool simulation = w.modus == TAuswertungsModus::simulation;
    for (uint32_t ri = 0; ri < d.anzahlRezepte(); ++ri) {
        const TRezept& r = d.rezept(ri);
        if (!gehoertZu(zeile, r.gruppe) || !r.verkaeufe)
            continue;
        for (uint32_t vi = 0; vi < r.verkaeufe->count; ++vi) {
            const TVerkauf& v = *r.verkaeufe->at<TVerkauf>(vi);
            if (v.jahr != jahr || v.monat != monat)
                continue;
            if (!simulation) {
                switch (w.kennzahl) {
                case 0:
                    wert += v.umsatznetto;
                    break;
                case 1:
                    wert += v.umsatzbrutto;
                    break;
                case 2:
                    wert += v.wareneinsatz;
                    break;
                case 3:
                    wert += v.umsatznetto;
                    hilf += v.wareneinsatz;
                    break;
                case 4:
                    wert += v.deckungsbeitrag;
                    break;
                }
                continue;
            }
            const double m = v.menge;
            const double n = TatsNetto(r.vkbrutto, d.GetGruppeMwst(r.gruppe));
            const double c = WareneinsatzProPortion(d, r);
            switch (w.kennzahl) {
            case 0:
                wert += m * n;
                break;
            case 1:
                wert += m * r.vkbrutto;
                break;
            case 2:
                wert += m * c;
                break;
            case 3:
                wert += m * n;
                hilf += m * c;
                break;
            case 4:
                wert += m * n - m * c;
                break;
            }
        }
    }
    if (w.kennzahl == 3)
        wert = Quotient(100 * hilf, wert).value_or(0);
    return wert;
}

} // namespace

std::optional<TAuswertungsWerte> BerechneAuswertungNaiv(const TDaten& d,
                                                        const TAuswertungsWahl& w) {
    if (w.start > w.ende)
        return std::nullopt;
    const int jahr2 = w.ende.year(), monat2 = w.ende.month();
    TAuswertungsWerte e;
    for (int zeile = 0; zeile < AuswertungsZeilen; ++zeile) {
        int jahr = w.start.year(), monat = w.start.month();
        qsizetype anzahl = 0;
        for (;;) {
            e.werte.push_back(zelle(d, w, zeile, jahr, monat));
            ++anzahl;
            if (jahr == jahr2 && monat == monat2)
                break;
            if (++monat > 12) {
                monat = 1;
                ++jahr;
            }
        }
        e.monate = anzahl;
    }
    return e;
}
