#include "bench/generator/grossdaten.h"

#include "core/datei.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/einheitendaten.h"
#include "costing/umrechnung.h"
#include "costing/zwischenrezepte.h"

#include <QLocale>
#include <QStringList>

#include <random>

namespace {

const QStringList namen = {
    QStringLiteral("Mehl"),       QStringLiteral("Butter"),     QStringLiteral("Zucker"),
    QStringLiteral("Eier"),       QStringLiteral("Milch"),      QStringLiteral("Sahne"),
    QStringLiteral("Kartoffeln"), QStringLiteral("Zwiebeln"),   QStringLiteral("Rinderhack"),
    QStringLiteral("Hähnchen"),   QStringLiteral("Lachsfilet"), QStringLiteral("Tomaten"),
    QStringLiteral("Paprika"),    QStringLiteral("Olivenöl"),   QStringLiteral("Reis"),
    QStringLiteral("Spätzle"),    QStringLiteral("Äpfel"),      QStringLiteral("Petersilie")};
const QStringList lieferanten = {QStringLiteral("Frischhof"), QStringLiteral("Großmarkt Süd"),
                                 QStringLiteral("Müller & Söhne"), QStringLiteral("Bio-Kontor"),
                                 QStringLiteral("Fischhaus Nord")};
const QStringList zgruppen = {QStringLiteral("Backwaren"),   QStringLiteral("Molkerei"),
                              QStringLiteral("Fleisch"),     QStringLiteral("Gemüse"),
                              QStringLiteral("Trockenware"), QStringLiteral("Gewürze")};
const QStringList einheiten = {QStringLiteral("kg"), QStringLiteral("l"), QStringLiteral("Stk"),
                               QStringLiteral("g")};
const QStringList gerichte = {QStringLiteral("Gulasch"),        QStringLiteral("Schnitzel"),
                              QStringLiteral("Apfelkuchen"),    QStringLiteral("Kartoffelsuppe"),
                              QStringLiteral("Lachs mit Reis"), QStringLiteral("Käsespätzle"),
                              QStringLiteral("Salatteller"),    QStringLiteral("Catering-Buffet")};

} // namespace

void ErzeugeDaten(TDaten& d, const TUmfang& u) {
    std::mt19937 zufall(u.seed);
    auto wahl = [&](const QStringList& l) -> const QString& {
        return l[qsizetype(zufall() % uint32_t(l.size()))];
    };
    auto bereich = [&](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(zufall);
    };
    auto cent = [](double w) { return double(qRound64(w * 100)) / 100; };

    const uint32_t ersteZutat = d.zutats.count;
    auto* z = static_cast<TZutat*>(d.zutats.AddMany(uint32_t(u.zutaten)));
    for (int i = 0; i < u.zutaten; ++i, ++z) {
        CopyText(z->name, wahl(namen) + QStringLiteral(" Nr. ") + QString::number(i + 1));
        CopyText(z->lieferant, wahl(lieferanten));
        CopyText(z->zgruppe, wahl(zgruppen));
        CopyText(z->einheit, wahl(einheiten));
        z->preis = cent(bereich(0.2, 60));
        static const double mengen[] = {1, 0.5, 2.5, 5, 10, 12};
        z->menge = mengen[zufall() % 6];
        CopyText(z->preisproeinheit, ZahlAllgemein(z->preis / z->menge));
    }

    for (int i = 0; i < u.rezepte; ++i) {
        TRezept& r = *d.NeuesRezept();
        CopyText(r.name, wahl(gerichte) + QLatin1Char(' ') + QString::number(i + 1));
        CopyText(r.bilddatei,
                 i % 7 == 0 ? QStringLiteral("bilder/gericht %1.jpg").arg(i) : QString());
        CopyText(r.beschreibung,
                 i % 3 == 0 ? QStringLiteral("Zubereitung:\r\nAlles mischen.") : QString());
        r.menge = double(1 + zufall() % 10);
        r.vkbrutto = cent(bereich(3, 45));
        r.gruppe = int32_t(zufall() % 40);
        auto* l = static_cast<TRezeptZutat*>(r.zutaten->AddMany(uint32_t(u.zeilenProRezept)));
        for (int k = 0; k < u.zeilenProRezept; ++k, ++l) {
            l->zutatnr = int32_t(ersteZutat + zufall() % uint32_t(u.zutaten));
            l->menge = double(qRound64(bereich(0.01, 2) * 1000)) / 1000;
            static const double verluste[] = {0, 0, 0, 10, 20, 35};
            l->gewichtsverlust = verluste[zufall() % 6];
        }
        const QDate start = u.ersterVerkaufstag.addDays(zufall() % 60);
        auto* v = static_cast<TVerkauf*>(r.verkaeufe->AddMany(uint32_t(u.verkaufstageProRezept)));
        for (int k = 0; k < u.verkaufstageProRezept; ++k, ++v) {
            const QDate tag = start.addDays(k * (u.verkaufstageProRezept > 200 ? 1 : 3));
            v->jahr = uint16_t(tag.year());
            v->monat = uint16_t(tag.month());
            v->tag = uint16_t(tag.day());
            v->menge = int32_t(1 + zufall() % 40);
            const double netto = r.vkbrutto * 100 / 119;
            const double kosten = cent(bereich(0.5, 8));
            v->umsatznetto = v->menge * netto;
            v->umsatzbrutto = v->menge * r.vkbrutto;
            v->wareneinsatz = v->menge * kosten;
            v->wequote = v->umsatznetto != 0 ? 100 * v->wareneinsatz / v->umsatznetto : 0;
            v->deckungsbeitrag = v->menge * netto - v->menge * kosten;
        }
    }
}

const QByteArray& GrosseDateiBytes() {
    static const QByteArray bytes = [] {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TDaten d;
        ErzeugeDaten(d, GrosseKueche());
        return DatenAlsBytes(d);
    }();
    return bytes;
}

void MacheZwischenrezepte(TDaten& d, int anzahl, int ebenen, unsigned seed) {
    std::mt19937 zufall(seed);
    const int jeEbene = anzahl / ebenen;
    static const QStringList einheitenZwischen = {QStringLiteral("kg"), QStringLiteral("l"),
                                                  QStringLiteral("Portion")};
    for (int i = 0; i < jeEbene * ebenen; ++i)
        SetzeZwischenrezept(d, uint32_t(i), true, einheitenZwischen[i % 3]);
    auto zutatAus = [&](int ebene) {
        const uint32_t r = uint32_t(ebene * jeEbene + int(zufall() % uint32_t(jeEbene)));
        return int32_t(*ZutatVonRezept(d, r));
    };
    for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
        const int ebene = int(r) / jeEbene;
        if (ebene == 0)
            continue;
        TDynaArray* zeilen = d.rezept(r).zutaten;
        if (!zeilen || zeilen->count < 2)
            continue;
        for (uint32_t k = 0; k < 2; ++k)
            zeilen->at<TRezeptZutat>(k)->zutatnr =
                zutatAus(ebene < ebenen ? ebene - 1 : int(zufall() % uint32_t(ebenen)));
    }
    Nachrechnen(d);
}

const QByteArray& GrosseDateiMitZwischenrezeptenBytes() {
    static const QByteArray bytes = [] {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TDaten d;
        LeseDaten(d, GrosseDateiBytes());
        MacheZwischenrezepte(d);
        return DatenAlsBytes(d);
    }();
    return bytes;
}

void GibInAnderenEinheitenEin(TDaten& d) {
    auto& einheiten = d.erweiterung.abschnitt<TEinheitenDaten>();
    for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
        TRezept& rezept = d.rezept(r);
        std::vector<std::optional<TEingabe>> eingaben;
        for (uint32_t i = 0; i < rezept.zutaten->count; ++i) {
            TRezeptZutat& l = *rezept.zutaten->at<TRezeptZutat>(i);
            const QStringView einheit = TextView(d.zutat(uint32_t(l.zutatnr)).einheit);
            TEingabe e{l.menge, QStringLiteral("Stück")};
            if (einheit == u"kg")
                e = {double(qRound64(l.menge * 1000)), QStringLiteral("g")};
            else if (einheit == u"g")
                e = {l.menge / 1000, QStringLiteral("kg")};
            else if (einheit == u"l")
                e = {double(qRound64(l.menge * 1000)), QStringLiteral("ml")};
            l.menge = InZutateinheit(d, uint32_t(l.zutatnr), e.menge, e.einheit).menge.value_or(0);
            eingaben.push_back(std::move(e));
        }
        einheiten.setzeEingaben(r, eingaben);
    }
}

const QByteArray& GrosseDateiMitEinheitenBytes() {
    static const QByteArray bytes = [] {
        GrosseDateiBytes();
        TDaten d;
        ErzeugeDaten(d, GrosseKueche());
        GibInAnderenEinheitenEin(d);
        return DatenAlsBytes(d);
    }();
    return bytes;
}
