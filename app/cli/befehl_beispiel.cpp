// An example kitchen to try the program with, for training and for the screenshots of
// the program's metadata.
#include "app/cli/befehle.h"

#include "core/daten.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "costing/zutatkatalog.h"
#include "lists/verkauf.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

namespace {

struct TBeispielZutat {
    const char* name;
    const char* lieferant;
    const char* gruppe;
    const char* einheit;
    double menge;
    double preis;
};

const TBeispielZutat zutaten[] = {
    {"Kartoffeln", "Frischhof", "Gemüse", "kg", 25, 18.75},
    {"Zwiebeln", "Frischhof", "Gemüse", "kg", 10, 9.90},
    {"Tomaten", "Frischhof", "Gemüse", "kg", 6, 17.40},
    {"Äpfel", "Frischhof", "Obst", "kg", 10, 24.90},
    {"Petersilie", "Frischhof", "Kräuter", "Bund", 10, 9.90},
    {"Eier", "Frischhof", "Molkerei", "Stk", 30, 8.40},
    {"Rindergulasch", "Metzgerei Brandt", "Fleisch", "kg", 5, 64.50},
    {"Schweineschnitzel", "Metzgerei Brandt", "Fleisch", "kg", 5, 47.50},
    {"Lachsfilet", "Fischhaus Nord", "Fisch", "kg", 2, 49.80},
    {"Sahne", "Molkerei Weber", "Molkerei", "l", 5, 17.25},
    {"Butter", "Molkerei Weber", "Molkerei", "kg", 2.5, 21.75},
    {"Bergkäse", "Molkerei Weber", "Molkerei", "kg", 2, 31.80},
    {"Mehl", "Großmarkt Süd", "Trockenware", "kg", 10, 7.90},
    {"Zucker", "Großmarkt Süd", "Trockenware", "kg", 10, 11.90},
    {"Semmelbrösel", "Großmarkt Süd", "Trockenware", "kg", 1, 3.20},
    {"Spätzle", "Großmarkt Süd", "Trockenware", "kg", 5, 14.50},
    {"Reis", "Großmarkt Süd", "Trockenware", "kg", 5, 12.45},
    {"Apfelsaft", "Getränke Hoffmann", "Getränke", "l", 6, 8.94},
    {"Mineralwasser", "Getränke Hoffmann", "Getränke", "l", 12, 7.20},
};

enum : int32_t {
    kartoffeln,
    zwiebeln,
    tomaten,
    aepfel,
    petersilie,
    eier,
    rindergulasch,
    schnitzel,
    lachs,
    sahne,
    butter,
    bergkaese,
    mehl,
    zucker,
    semmelbroesel,
    spaetzle,
    reis,
    apfelsaft,
    mineralwasser,
};

struct TBeispielZeile {
    int32_t zutat;
    double menge;
    double gewichtsverlust;
};

struct TBeispielRezept {
    const char* name;
    int32_t gruppe;
    double menge; // portions the recipe yields
    double vkbrutto;
    const char* beschreibung;
    std::initializer_list<TBeispielZeile> zeilen;
    double portionenProTag; // on an ordinary day
    double winter;          // how much more sells in January than in July (0.3: 30 %)
};

const TBeispielRezept rezepte[] = {
    {"Kartoffelsuppe",
     0,
     10,
     5.90,
     "Kartoffeln schälen und würfeln, mit den Zwiebeln anschwitzen, mit Wasser "
     "aufgießen und weich kochen. Pürieren, Sahne einrühren, mit Petersilie anrichten.",
     {{kartoffeln, 2, 15},
      {zwiebeln, 0.3, 10},
      {sahne, 0.5, 0},
      {butter, 0.1, 0},
      {petersilie, 1, 0}},
     9,
     0.6},
    {"Gulasch mit Spätzle",
     1,
     8,
     16.90,
     "Fleisch scharf anbraten, Zwiebeln und Tomaten zugeben und zwei Stunden schmoren.",
     {{rindergulasch, 1.6, 0}, {zwiebeln, 0.8, 10}, {tomaten, 0.4, 5}, {spaetzle, 0.8, 0}},
     7,
     0.4},
    {"Schnitzel mit Bratkartoffeln",
     1,
     4,
     15.50,
     "",
     {{schnitzel, 0.7, 0},
      {eier, 2, 0},
      {mehl, 0.1, 0},
      {semmelbroesel, 0.2, 0},
      {kartoffeln, 1, 15},
      {butter, 0.1, 0}},
     11,
     0},
    {"Lachs mit Reis",
     1,
     4,
     19.80,
     "",
     {{lachs, 0.6, 0}, {reis, 0.3, 0}, {butter, 0.05, 0}, {petersilie, 0.5, 0}},
     5,
     -0.2},
    {"Käsespätzle",
     1,
     4,
     12.90,
     "",
     {{spaetzle, 0.5, 0}, {bergkaese, 0.25, 0}, {zwiebeln, 0.2, 10}, {butter, 0.05, 0}},
     6,
     0.3},
    {"Apfelkuchen",
     2,
     12,
     3.90,
     "Mürbeteig aus Mehl, Butter, Zucker und Eiern, mit Apfelspalten belegt.",
     {{aepfel, 1.5, 20}, {mehl, 0.4, 0}, {butter, 0.25, 0}, {zucker, 0.2, 0}, {eier, 4, 0}},
     8,
     0},
    {"Apfelschorle 0,4 l",
     3,
     1,
     3.80,
     "",
     {{apfelsaft, 0.2, 0}, {mineralwasser, 0.2, 0}},
     18,
     -0.5},
    {"Catering-Buffet je Person",
     20,
     10,
     29.00,
     "Für Feiern ab 20 Personen, mit Aufbau und Geschirr.",
     {{rindergulasch, 1.2, 0},
      {lachs, 0.8, 0},
      {spaetzle, 0.8, 0},
      {kartoffeln, 2, 15},
      {aepfel, 1, 20},
      {mehl, 0.3, 0},
      {butter, 0.2, 0},
      {sahne, 0.5, 0}},
     0,
     0},
};

struct TBeispielGruppe {
    int nr;
    const char* name;
    double mwst;
    double we;
};

const TBeispielGruppe gruppen[] = {
    {0, "Vorspeisen", 7, 28}, {1, "Hauptgerichte", 7, 32}, {2, "Desserts", 7, 25},
    {3, "Getränke", 19, 20},  {20, "Catering", 19, 30},    {21, "Lieferung", 19, 30},
};

void schreibeStammdaten(TDaten& daten) {
    for (const TBeispielGruppe& g : gruppen) {
        daten.SetGruppe(g.nr, QString::fromUtf8(g.name));
        daten.SetGruppeMwst(g.nr, g.mwst);
        daten.SetGruppeWE(g.nr, g.we);
    }
    for (const TBeispielZutat& z : zutaten)
        ZutatHinzufuegen(daten, {QString::fromUtf8(z.name), QString::fromUtf8(z.lieferant),
                                 QString::fromUtf8(z.gruppe), QString::fromUtf8(z.einheit), z.menge,
                                 z.preis});
    for (const TBeispielRezept& b : rezepte) {
        TRezept& r = *daten.NeuesRezept();
        CopyText(r.name, QString::fromUtf8(b.name));
        CopyText(r.beschreibung, QString::fromUtf8(b.beschreibung));
        r.gruppe = b.gruppe;
        r.menge = b.menge;
        r.vkbrutto = b.vkbrutto;
        auto* l = static_cast<TRezeptZutat*>(r.zutaten->AddMany(uint32_t(b.zeilen.size())));
        for (const TBeispielZeile& z : b.zeilen) {
            l->zutatnr = z.zutat;
            l->menge = z.menge;
            l->gewichtsverlust = z.gewichtsverlust;
            ++l;
        }
    }
}

// Sales of every day of the last `monate` months up to today, closed on Mondays; more on
// weekends, soup in winter and drinks in summer. The same numbers on every machine: the
// engine's raw output is used, not a distribution whose algorithm the library chooses.
void schreibeVerkaeufe(TDaten& daten, int monate) {
    std::mt19937 zufall(2024);
    const QDate bis = TUhr::heute();
    const QDate von = bis.addMonths(-monate).addDays(1);
    for (QDate tag = von; tag <= bis; tag = tag.addDays(1)) {
        if (tag.dayOfWeek() == Qt::Monday)
            continue;
        const double wochenende = tag.dayOfWeek() >= Qt::Friday ? 1.5 : 1.0;
        const double jahreszeit = std::cos((tag.dayOfYear() - 15) * 2 * std::numbers::pi / 365.25);
        for (uint32_t nr = 0; nr < daten.anzahlRezepte(); ++nr) {
            const TBeispielRezept& b = rezepte[nr];
            int32_t portionen = 0;
            if (b.portionenProTag > 0) {
                const double erwartet =
                    b.portionenProTag * wochenende * (1 + b.winter * jahreszeit / 2);
                const double schwankung = 0.6 + double(zufall() % 81) / 100;
                portionen = int32_t(std::lround(erwartet * schwankung));
            } else if (zufall() % 12 == 0) {
                portionen = int32_t(20 + zufall() % 60); // a catering order
            }
            if (portionen >= MinPortionen)
                ErfasseVerkauf(daten, daten.rezept(nr), tag, portionen);
        }
    }
}

int beispiel(const TArgumente& a) {
    a.hoechstens(1);
    const QString aus = a.position(0, QStringLiteral("AUS"));
    const int monate = int(a.ganzzahl(QStringLiteral("monate"), 0, 120, 12));
    TDaten daten;
    schreibeStammdaten(daten);
    schreibeVerkaeufe(daten, monate);
    SpeichereDatei(daten, aus);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"beispiel",
                "beispiel AUS [--monate N]",
                "schreibt eine Beispielküche zum Ausprobieren: Zutaten, Rezepte und Gruppen "
                "eines Restaurants mit den Verkäufen der letzten N Monate bis heute "
                "(0 bis 120, Vorgabe 12)",
                {},
                {QStringLiteral("monate")},
                &beispiel})
