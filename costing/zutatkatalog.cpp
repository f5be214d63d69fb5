#include "costing/zutatkatalog.h"

#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preise.h"
#include "costing/zwischenrezepte.h"

#include <QSet>

namespace {
void setze(TZutat& z, const TZutatWerte& w) {
    CopyText(z.name, w.name);
    CopyText(z.lieferant, w.lieferant);
    CopyText(z.zgruppe, w.zgruppe);
    CopyText(z.preisproeinheit, PreisProEinheit(w.preis, w.menge));
    CopyText(z.einheit, w.einheit);
    z.preis = w.preis;
    z.menge = w.menge;
}

bool gueltig(const TDaten& daten, int nr) {
    return nr >= 0 && uint32_t(nr) < daten.anzahlZutaten();
}

// Appends text unless an equal one is listed already.
void merke(QStringList& liste, QSet<QString>& gesehen, const char16_t* feld) {
    QString text = Text(feld);
    if (!gesehen.contains(text)) {
        gesehen.insert(text);
        liste.append(std::move(text));
    }
}
} // namespace

TZutatWerte ZutatWerte(const TZutat& z) {
    return {Text(z.name), Text(z.lieferant), Text(z.zgruppe), Text(z.einheit), z.menge, z.preis};
}

QString PreisProEinheit(double preis, double menge) {
    return ZahlAllgemein(Quotient(preis, menge).value_or(0));
}

TZutat& ZutatHinzufuegen(TDaten& daten, const TZutatWerte& werte) {
    auto& z = *static_cast<TZutat*>(daten.zutats.Add());
    setze(z, werte);
    return z;
}

bool ZutatErsetzen(TDaten& daten, int nr, const TZutatWerte& werte) {
    if (!gueltig(daten, nr))
        return false;
    TZutat& z = daten.zutat(uint32_t(nr));
    FreeZutatInhalt(z);
    setze(z, werte);
    return true;
}

std::optional<TMeldung> ZutatLoeschenMeldung(TZutatLoeschen ergebnis) {
    switch (ergebnis) {
    case TZutatLoeschen::benutzt:
        return TMeldung{Meldung::ZutatBenutzt, Meldung::TitelLoeschen};
    case TZutatLoeschen::fehlt:
        return TMeldung{Meldung::ZutatAnklicken, {}};
    case TZutatLoeschen::rezept:
        return TMeldung{Meldung::ZutatGehoertZuRezept, Meldung::TitelLoeschen};
    case TZutatLoeschen::moeglich:
        break;
    }
    return std::nullopt;
}

TZutatLoeschen PruefeZutatLoeschen(const TDaten& daten, int nr) {
    if (!gueltig(daten, nr))
        return TZutatLoeschen::fehlt;
    if (RezeptVonZutat(daten, uint32_t(nr)))
        return TZutatLoeschen::rezept;
    for (uint32_t i = 0; i < daten.anzahlRezepte(); ++i) {
        const TRezept& r = daten.rezept(i);
        if (!r.zutaten)
            continue;
        for (const auto* l = r.zutaten->begin<TRezeptZutat>(); l != r.zutaten->end<TRezeptZutat>();
             ++l)
            if (l->zutatnr == nr)
                return TZutatLoeschen::benutzt;
    }
    return TZutatLoeschen::moeglich;
}

QStringList RezepteMitZutat(const TDaten& daten, int nr) {
    QStringList namen;
    for (uint32_t i = 0; i < daten.anzahlRezepte(); ++i) {
        const TRezept& r = daten.rezept(i);
        if (!r.zutaten)
            continue;
        for (const auto* l = r.zutaten->begin<TRezeptZutat>(); l != r.zutaten->end<TRezeptZutat>();
             ++l)
            if (l->zutatnr == nr) {
                namen << Text(r.name);
                break;
            }
    }
    return namen;
}

QString ZutatLoeschenText(const TDaten& daten, int nr, TZutatLoeschen ergebnis) {
    const auto meldung = ZutatLoeschenMeldung(ergebnis);
    if (!meldung)
        return {};
    QString text = meldung->text.toString();
    if (ergebnis == TZutatLoeschen::rezept)
        if (const auto r = RezeptVonZutat(daten, uint32_t(nr)))
            return text.arg(Text(daten.rezept(*r).name));
    if (ergebnis != TZutatLoeschen::benutzt)
        return text;
    constexpr qsizetype hoechstens = 10;
    const QStringList namen = RezepteMitZutat(daten, nr);
    text += QStringLiteral(" Verwendet in: ") + namen.mid(0, hoechstens).join(QStringLiteral(", "));
    if (namen.size() > hoechstens)
        text += QStringLiteral(" und %1 weitere").arg(namen.size() - hoechstens);
    return text + QLatin1Char('.');
}

TZutatLoeschen LoescheZutat(TDaten& daten, int nr) {
    const TZutatLoeschen pruefung = PruefeZutatLoeschen(daten, nr);
    if (pruefung != TZutatLoeschen::moeglich)
        return pruefung;
    EntferneZutat(daten, nr);
    return TZutatLoeschen::moeglich;
}

void EntferneZutat(TDaten& daten, int nr) {
    for (uint32_t i = 0; i < daten.anzahlRezepte(); ++i) {
        TRezept& r = daten.rezept(i);
        if (!r.zutaten)
            continue;
        for (auto* l = r.zutaten->begin<TRezeptZutat>(); l != r.zutaten->end<TRezeptZutat>(); ++l)
            if (l->zutatnr > nr)
                --l->zutatnr;
    }
    daten.zutats.GetObject(uint32_t(nr));
    daten.FreeAZutats();
    daten.zutats.Delete(nr);
    daten.erweiterung.zutatEntfernt(uint32_t(nr));
}

TZutatAuswahllisten VerschiedeneWerte(const TDaten& daten) {
    TZutatAuswahllisten listen;
    QSet<QString> lieferanten, gruppen, einheiten;
    for (uint32_t i = 0; i < daten.anzahlZutaten(); ++i) {
        const TZutat& z = daten.zutat(i);
        merke(listen.lieferanten, lieferanten, z.lieferant);
        merke(listen.gruppen, gruppen, z.zgruppe);
        merke(listen.einheiten, einheiten, z.einheit);
    }
    return listen;
}
