// A capability's own keys in the JSON form, through the registry: written, read, left out,
// and their faults reported at their places like those of the form's own keys.
#include "core/bytes.h"
#include "core/datei.h"
#include "core/fehler.h"
#include "exchange/jsonexport.h"
#include "exchange/jsonimport.h"
#include "exchange/jsonschluessel.h"
#include "tests/support/aufbau.h"

#include <QTest>

#include <map>
#include <stdexcept>

namespace {

// A mark per ingredient, a note per recipe, a factor per line and a title for the whole.
class TTestAbschnitt : public TAbschnitt {
public:
    static const TAbschnittArt& art();

    QString titel;
    std::map<uint32_t, int32_t> marken;
    std::map<uint32_t, QString> notizen;
    std::map<std::pair<uint32_t, uint32_t>, double> faktoren;

    bool leer() const override {
        return titel.isEmpty() && marken.empty() && notizen.empty() && faktoren.empty();
    }
    void schreibe(TByteSchreiber& s) const override {
        s.text(titel);
        s.int32(int32_t(marken.size()));
        for (const auto& [nr, m] : marken) {
            s.uint32(nr);
            s.int32(m);
        }
        s.int32(int32_t(notizen.size()));
        for (const auto& [nr, t] : notizen) {
            s.uint32(nr);
            s.text(t);
        }
        s.int32(int32_t(faktoren.size()));
        for (const auto& [ort, f] : faktoren) {
            s.uint32(ort.first);
            s.uint32(ort.second);
            s.dbl(f);
        }
    }
    void lese(TByteLeser& l) override {
        titel = l.text();
        for (uint32_t n = l.anzahl(8); n > 0; --n) {
            const uint32_t nr = l.uint32();
            marken[nr] = l.int32();
        }
        for (uint32_t n = l.anzahl(8); n > 0; --n) {
            const uint32_t nr = l.uint32();
            notizen[nr] = l.text();
        }
        for (uint32_t n = l.anzahl(16); n > 0; --n) {
            const uint32_t nr = l.uint32();
            const uint32_t zeile = l.uint32();
            faktoren[{nr, zeile}] = l.dbl();
        }
    }
    void pruefe(uint32_t, uint32_t) const override {}
    void zutatEntfernt(uint32_t) override {}
    void rezeptEntfernt(uint32_t) override {}
    void rezeptKopiert(uint32_t, uint32_t) override {}
    void datensaetzeGeleert() override {}
};

const bool abschnittGemeldet =
    MeldeAbschnitt({AbschnittTag("TJSN"), QStringLiteral("JSON-Test"), bezugZutaten | bezugRezepte,
                    [] { return std::unique_ptr<TAbschnitt>(new TTestAbschnitt); }});

const TAbschnittArt& TTestAbschnitt::art() {
    Q_UNUSED(abschnittGemeldet);
    return *AbschnittArt(AbschnittTag("TJSN"));
}

TTestAbschnitt& abschnitt(TDaten& d) {
    return d.erweiterung.abschnitt<TTestAbschnitt>();
}
const TTestAbschnitt* abschnitt(const TDaten& d) {
    return static_cast<const TTestAbschnitt*>(d.erweiterung.finde(AbschnittTag("TJSN")));
}

int fehlendeMarken = 0; // how often an ingredient came without its key

const bool schluesselGemeldet = [] {
    MeldeJsonSchluessel(
        {TJsonEbene::oben, "testtitel",
         [](const TDaten& d, const TJsonOrt&) {
             return abschnitt(d) && !abschnitt(d)->titel.isEmpty();
         },
         [](const TDaten& d, const TJsonOrt&, TJsonAusgabe& aus) { aus.text(abschnitt(d)->titel); },
         [](TDaten& d, const TJsonOrt&, const TJsonWert& w, TJsonLeser& l) {
             if (const auto t = l.text(w))
                 abschnitt(d).titel = *t;
         },
         nullptr});
    // Every ingredient has a mark: written always, -1 when left out.
    MeldeJsonSchluessel({TJsonEbene::zutat, "testmarke", nullptr,
                         [](const TDaten& d, const TJsonOrt& o, TJsonAusgabe& aus) {
                             const TTestAbschnitt* a = abschnitt(d);
                             aus.ganzzahl(a && a->marken.count(o.nr) ? a->marken.at(o.nr) : -1);
                         },
                         [](TDaten& d, const TJsonOrt& o, const TJsonWert& w, TJsonLeser& l) {
                             const auto m = l.ganzzahl(w, -1, 100);
                             if (m && *m >= 0)
                                 abschnitt(d).marken[o.nr] = int32_t(*m);
                             if (m && *m == 0)
                                 l.warnung(w.pfad, QStringLiteral("Marke 0 ist ungewöhnlich"));
                         },
                         [](TDaten&, const TJsonOrt&) { ++fehlendeMarken; }});
    MeldeJsonSchluessel({TJsonEbene::rezept, "testnotiz",
                         [](const TDaten& d, const TJsonOrt& o) {
                             return abschnitt(d) && abschnitt(d)->notizen.count(o.nr) > 0;
                         },
                         [](const TDaten& d, const TJsonOrt& o, TJsonAusgabe& aus) {
                             aus.objektAnfang();
                             aus.schluessel("text");
                             aus.text(abschnitt(d)->notizen.at(o.nr));
                             aus.objektEnde();
                         },
                         [](TDaten& d, const TJsonOrt& o, const TJsonWert& w, TJsonLeser& l) {
                             l.objekt(w, {"text"}, [&](int, const TJsonWert& t) {
                                 if (const auto s = l.text(t))
                                     abschnitt(d).notizen[o.nr] = *s;
                             });
                         },
                         nullptr});
    MeldeJsonSchluessel(
        {TJsonEbene::zeile, "testfaktor",
         [](const TDaten& d, const TJsonOrt& o) {
             return abschnitt(d) && abschnitt(d)->faktoren.count({o.nr, o.zeile}) > 0;
         },
         [](const TDaten& d, const TJsonOrt& o, TJsonAusgabe& aus) {
             aus.zahl(abschnitt(d)->faktoren.at({o.nr, o.zeile}));
         },
         [](TDaten& d, const TJsonOrt& o, const TJsonWert& w, TJsonLeser& l) {
             if (const auto z = l.zahl(w))
                 abschnitt(d).faktoren[{o.nr, o.zeile}] = *z;
         },
         nullptr});
    return true;
}();

void baue(TDaten& d) {
    NeueZutat(d, QStringLiteral("Mehl"), 1, 1);
    NeueZutat(d, QStringLiteral("Zucker"), 2, 1);
    TRezept& r = NeuesRezept(d, QStringLiteral("Brot"));
    NeueZeile(r, 0, 0.5);
    NeueZeile(r, 1, 0.25);
    NeuesRezept(d, QStringLiteral("Wasser"));
    TTestAbschnitt& a = abschnitt(d);
    a.titel = QStringLiteral("Küche");
    a.marken[1] = 7;
    a.notizen[0] = QStringLiteral("knusprig");
    a.faktoren[{0, 1}] = -0.0;
}

} // namespace

class TestJsonSchluessel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { fehlendeMarken = 0; }

    void schreibtUndLiestDieSchluessel() {
        QVERIFY(schluesselGemeldet);
        TDaten d;
        baue(d);
        const QByteArray json = DatenAlsJson(d);
        QVERIFY(json.contains("\"testtitel\": \"Küche\""));
        QCOMPARE(json.count("\"testmarke\""), 2);
        QVERIFY(json.contains("\"testmarke\": 7"));
        QVERIFY(json.contains("\"testnotiz\": {\n\t\t\t\t\"text\": \"knusprig\"\n\t\t\t}"));
        QCOMPARE(json.count("\"testfaktor\""), 1);
        QVERIFY(json.contains("\"testfaktor\": -0.0"));
        const TJsonImport i = LeseJson(json);
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        QCOMPARE(DatenAlsBytes(*i.daten), DatenAlsBytes(d));
        QCOMPARE(fehlendeMarken, 0);
    }

    void fehlenderSchluesselGibtDieVorgabe() {
        const TJsonImport i = LeseJson(R"({"format": "ormisto", "version": 1,
            "zutaten": [{}, {"testmarke": 3}, {}]})");
        QVERIFY(i.ok());
        QCOMPARE(fehlendeMarken, 2);
        QCOMPARE(abschnitt(std::as_const(*i.daten))->marken, (std::map<uint32_t, int32_t>{{1, 3}}));
    }

    void fehlerUndWarnungenMitOrtUndZeile() {
        const TJsonImport i = LeseJson(R"({"format": "ormisto", "version": 1,
            "zutaten": [{"testmarke": 0},
              {"testmarke":
                 101}],
            "rezepte": [{"testnotiz": {"text": "a",
               "farbe": 1}, "zeilen": [{}, {"testfaktor": [1]}]}],
            "testtitel": 5})");
        QVERIFY(!i.ok());
        QCOMPARE(i.fehler, QStringList({
                               "Zeile 4: zutaten[1].testmarke: 101 liegt außerhalb von -1 bis 100",
                               "Zeile 6: rezepte[0].testnotiz.farbe: unbekannter Schlüssel",
                               "Zeile 6: rezepte[0].zeilen[1].testfaktor: Zahl (oder \"NaN\", "
                               "\"Infinity\", \"-Infinity\") erwartet, aber eine Liste gefunden",
                               "Zeile 7: testtitel: Text erwartet, aber die Zahl 5 gefunden",
                           }));
        QCOMPARE(i.warnungen,
                 QStringList({"Zeile 2: zutaten[0].testmarke: Marke 0 ist ungewöhnlich"}));
    }

    void registrierteSindKeineFremdenAbschnitte() {
        const TJsonImport i = LeseJson(R"({"format": "ormisto", "version": 1,
            "erweiterung": [{"tag": "TJSN", "daten": ""}]})");
        QCOMPARE(i.fehler.value(0),
                 QStringLiteral("Zeile 2: erweiterung[0].tag: TJSN ist der Abschnitt „JSON-Test“, "
                                "den dieses Programm kennt; seine Daten stehen unter eigenen "
                                "Schlüsseln"));
    }

    void doppelteNamenSindEinProgrammierfehler() {
        auto schreibe = [](const TDaten&, const TJsonOrt&, TJsonAusgabe&) {};
        auto lese = [](TDaten&, const TJsonOrt&, const TJsonWert&, TJsonLeser&) {};
        QVERIFY_THROWS_EXCEPTION(
            std::logic_error,
            MeldeJsonSchluessel({TJsonEbene::zutat, "preis", nullptr, schreibe, lese, nullptr}));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 MeldeJsonSchluessel({TJsonEbene::zeile, "testfaktor", nullptr,
                                                      schreibe, lese, nullptr}));
    }
};

QTEST_GUILESS_MAIN(TestJsonSchluessel)
#include "test_json_schluessel.moc"
