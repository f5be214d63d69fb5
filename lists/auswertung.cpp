#include "lists/auswertung.h"

#include "core/datumstext.h"
#include "core/fehler.h"
#include "core/zahlen.h"
#include "costing/preise.h"

#include <array>

namespace {

qint64 monatsZahl(qint64 jahr, int monat) {
    return jahr * 12 + (monat - 1);
}

// What one sale adds to the value and to the auxiliary sum of its cells.
struct TBeitrag {
    double wert;
    double hilf;
};

template <int K> TBeitrag gespeichert(const TVerkauf& v) {
    if constexpr (K == 0)
        return {v.umsatznetto, 0};
    else if constexpr (K == 1)
        return {v.umsatzbrutto, 0};
    else if constexpr (K == 2)
        return {v.wareneinsatz, 0};
    else if constexpr (K == 3)
        return {v.umsatznetto, v.wareneinsatz};
    else
        return {v.deckungsbeitrag, 0};
}

// n: today's net price, c: today's cost of goods per portion of the sale's recipe.
template <int K> TBeitrag neuBerechnet(const TVerkauf& v, double vkbrutto, double n, double c) {
    const double m = v.menge;
    if constexpr (K == 0)
        return {m * n, 0};
    else if constexpr (K == 1)
        return {m * vkbrutto, 0};
    else if constexpr (K == 2)
        return {m * c, 0};
    else if constexpr (K == 3)
        return {m * n, m * c};
    else
        return {m * n - m * c, 0};
}

// Sums per month and row; month-major, so that the cells one sale adds to lie close.
struct TSummen {
    qsizetype monate;
    std::vector<double> wert;
    std::vector<double> hilf;
    void add(qsizetype monat, int zeile, TBeitrag b) {
        const size_t i = size_t(monat * AuswertungsZeilen + zeile);
        wert[i] += b.wert;
        hilf[i] += b.hilf;
    }
};

template <int K, bool Simulation> void sammle(const TDaten& d, qint64 erster, TSummen& s) {
    for (uint32_t ri = 0; ri < d.anzahlRezepte(); ++ri) {
        const TRezept& r = d.rezept(ri);
        if (!r.verkaeufe || r.verkaeufe->count == 0)
            continue;
        // A recipe counts by its current group in every mode.
        const int art = r.gruppe < 20 ? 1 : 2;
        const int gruppe = TGruppenTabelle::gueltig(r.gruppe) ? 3 + r.gruppe : -1;
        double n = 0, c = 0;
        if constexpr (Simulation) {
            // The same for every sale of the recipe.
            n = TatsNetto(r.vkbrutto, d.GetGruppeMwst(r.gruppe));
            c = WareneinsatzProPortion(d, r);
        }
        for (const TVerkauf* v = r.verkaeufe->begin<TVerkauf>(); v != r.verkaeufe->end<TVerkauf>();
             ++v) {
            if (v->monat < 1 || v->monat > 12)
                continue;
            const qint64 monat = monatsZahl(v->jahr, v->monat) - erster;
            if (monat < 0 || monat >= s.monate)
                continue;
            TBeitrag b;
            if constexpr (Simulation)
                b = neuBerechnet<K>(*v, r.vkbrutto, n, c);
            else
                b = gespeichert<K>(*v);
            s.add(monat, 0, b);
            s.add(monat, art, b);
            if (gruppe >= 0)
                s.add(monat, gruppe, b);
        }
    }
}

template <bool Simulation> void sammle(int k, const TDaten& d, qint64 erster, TSummen& s) {
    switch (k) {
    case 0:
        return sammle<0, Simulation>(d, erster, s);
    case 1:
        return sammle<1, Simulation>(d, erster, s);
    case 2:
        return sammle<2, Simulation>(d, erster, s);
    case 3:
        return sammle<3, Simulation>(d, erster, s);
    case 4:
        return sammle<4, Simulation>(d, erster, s);
    default:
        return; // no key figure: every cell stays 0
    }
}

} // namespace

const QStringList& Kennzahlnamen() {
    static const QStringList namen = {
        QStringLiteral("Umsatz netto"), QStringLiteral("Umsatz brutto"),
        QStringLiteral("Wareneinsatz"), QStringLiteral("Wareneinsatzquote"),
        QStringLiteral("Deckungsbeitrag")};
    return namen;
}

QString Kennzahlname(int k) {
    return k >= 0 && k < Kennzahlnamen().size() ? Kennzahlnamen()[k] : QString();
}

QString Monatskuerzel(int monat) {
    static const std::array<const char*, 12> kuerzel = {"Jan.", "Feb.", "März", "April",
                                                        "Mai",  "Juni", "Juli", "Aug.",
                                                        "Sep.", "Okt.", "Nov.", "Dez."};
    return monat >= 1 && monat <= 12 ? QString::fromUtf8(kuerzel[size_t(monat - 1)]) : QString();
}

QDate FruehestesAuswertungsdatum() {
    return QDate(ErstesAuswertungsjahr, 1, 1);
}

QDate SpaetestesAuswertungsdatum() {
    return QDate(LetztesAuswertungsjahr, 12, 31);
}

bool ImAuswertungsbereich(QDate tag) {
    return tag.isValid() && tag >= FruehestesAuswertungsdatum() &&
           tag <= SpaetestesAuswertungsdatum();
}

std::optional<TAuswertungsWerte> BerechneAuswertung(const TDaten& d, const TAuswertungsWahl& w) {
    for (const QDate& tag : {w.start, w.ende})
        if (!ImAuswertungsbereich(tag))
            throw TFehler(QStringLiteral("Die Auswertung umfasst nur die Zeit vom %1 bis zum %2")
                              .arg(KurzesDatum(FruehestesAuswertungsdatum()),
                                   KurzesDatum(SpaetestesAuswertungsdatum())));
    if (w.start > w.ende)
        return std::nullopt;
    const qint64 erster = monatsZahl(w.start.year(), w.start.month());
    TSummen s;
    s.monate = monatsZahl(w.ende.year(), w.ende.month()) - erster + 1;
    s.wert.assign(size_t(s.monate * AuswertungsZeilen), 0.0);
    s.hilf.assign(s.wert.size(), 0.0);

    if (w.modus == TAuswertungsModus::simulation)
        sammle<true>(w.kennzahl, d, erster, s);
    else
        sammle<false>(w.kennzahl, d, erster, s);

    TAuswertungsWerte e;
    e.monate = s.monate;
    e.werte.resize(s.wert.size());
    for (int zeile = 0; zeile < AuswertungsZeilen; ++zeile)
        for (qsizetype m = 0; m < s.monate; ++m) {
            const size_t i = size_t(m * AuswertungsZeilen + zeile);
            // The ratio of the month's sums, not an average of ratios.
            e.werte[size_t(zeile * s.monate + m)] =
                w.kennzahl == 3 ? Quotient(100 * s.hilf[i], s.wert[i]).value_or(0) : s.wert[i];
        }
    return e;
}

std::optional<TListe> FillAuswertung(const TDaten& d, const TAuswertungsWahl& w) {
    const auto werte = BerechneAuswertung(d, w);
    if (!werte)
        return std::nullopt;

    TListe t;
    t.spalten.reserve(werte->monate + 1);
    t.spalten.append({QStringLiteral("Name"), 150});
    int monat = w.start.month();
    for (qsizetype i = 0; i < werte->monate; ++i) {
        t.spalten.append({Monatskuerzel(monat), 50});
        monat = monat == 12 ? 1 : monat + 1;
    }

    t.zeilen.reserve(AuswertungsZeilen);
    for (int zeile = 0; zeile < AuswertungsZeilen; ++zeile) {
        QStringList z;
        z.reserve(werte->monate + 1);
        switch (zeile) {
        case 0:
            z.append(QStringLiteral("Alle"));
            break;
        case 1:
            z.append(QStringLiteral("Alle Produkte"));
            break;
        case 2:
            z.append(QStringLiteral("Alle Dienstleistungen"));
            break;
        default:
            z.append(d.GetGruppe(zeile - 3));
        }
        for (qsizetype m = 0; m < werte->monate; ++m)
            z.append(ZahlFest(werte->wert(zeile, m), 2));
        t.zeilen.append(std::move(z));
    }
    return t;
}

void DateTimePicker1Change(TAuswertungsWahl& w) {
    if (w.ende < w.start)
        w.ende = w.start;
}

void DateTimePicker2Change(TAuswertungsWahl& w) {
    if (w.start > w.ende)
        w.start = w.ende;
}
