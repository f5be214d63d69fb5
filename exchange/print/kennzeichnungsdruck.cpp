#include "exchange/print/kennzeichnungsdruck.h"

#include "core/texte.h"
#include "core/uhr.h"
#include "core/zahlen.h"
#include "costing/deklaration.h"
#include "exchange/print/tabellendruck.h"
#include "lists/chart/diagramm.h"
#include "lists/kennzeichnungslisten.h"
#include "lists/listen.h"

#include <QLocale>

#include <algorithm>

namespace {

struct TGericht {
    QString name;
    QString preis;
    QString kennzeichnung;
    TDeklaration deklaration;
};

class TSpeisekarte {
public:
    TSpeisekarte(QPainter& p, const TSeiten& seiten, const TKennzeichnungsTabelle& t)
        : p(p), seiten(seiten), tabelle(t), masse(seiten.dpi), titel(Titelschrift(seiten.dpi)),
          text(Textschrift(seiten.dpi)), fett(text), titelMetrik(titel, p.device()),
          metrik(text, p.device()), unten(seiten.hoehe - masse.rand),
          breite(seiten.breite - 2 * masse.rand) {
        fett.setWeight(QFont::Bold);
        nameBreite = breite * 2 / 5 - masse.abstand;
        preisBreite = breite / 7 - masse.abstand;
        kennBreite = breite - nameBreite - preisBreite - 2 * masse.abstand;
    }

    void drucke(const std::vector<TGericht>& gerichte, const QStringList& zeilen);

private:
    int zeilenhoehe(const TGericht& g) const {
        const qsizetype n =
            std::max({Umbrechen(g.name, nameBreite, metrik).size(),
                      Umbrechen(g.kennzeichnung, kennBreite, metrik).size(), qsizetype(1)});
        return int(n) * metrik.height();
    }
    QStringList legendenzeilen(const std::vector<TDeklaration>& seite) const {
        QStringList l;
        for (const TLegendenEintrag& e : Legende(seite, tabelle))
            l << e.code + QStringLiteral(": ") + e.text;
        return l;
    }
    int legendenhoehe(const QStringList& l) const {
        if (l.isEmpty())
            return 0;
        int h = 2 * metrik.height(); // gap and heading
        for (const QString& z : l)
            h += int(std::max(qsizetype(1),
                              Umbrechen(z, breite / 2 - masse.abstand, metrik).size())) *
                 metrik.height();
        return h / 2 + metrik.height(); // two columns
    }
    void schreibe(const QStringList& zeilen, int x, int y) {
        for (const QString& z : zeilen) {
            p.drawText(x, y + metrik.ascent(), z);
            y += metrik.height();
        }
    }
    void kopf() {
        p.setFont(fett);
        int x = masse.rand;
        p.drawText(x, y + metrik.ascent(), QStringLiteral("Gericht"));
        x += nameBreite + masse.abstand;
        p.drawText(QRect(x, y, preisBreite, metrik.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Preis"));
        x += preisBreite + masse.abstand;
        p.drawText(x, y + metrik.ascent(), QStringLiteral("Kennzeichnung"));
        p.setFont(text);
        y += 2 * metrik.height();
    }
    void legende(const std::vector<TDeklaration>& seite) {
        const QStringList l = legendenzeilen(seite);
        if (l.isEmpty())
            return;
        y += metrik.height();
        p.drawLine(masse.rand, y, masse.rand + breite, y);
        p.setFont(fett);
        p.drawText(masse.rand, y + metrik.ascent(), QStringLiteral("Legende"));
        p.setFont(text);
        y += metrik.height();
        // Down the first column, then the second.
        const qsizetype haelfte = (l.size() + 1) / 2;
        int yl = y, yr = y;
        for (qsizetype i = 0; i < l.size(); ++i) {
            const bool links = i < haelfte;
            const QStringList z = Umbrechen(l[i], breite / 2 - masse.abstand, metrik);
            int& yy = links ? yl : yr;
            schreibe(z, masse.rand + (links ? 0 : breite / 2), yy);
            yy += int(std::max(qsizetype(1), z.size())) * metrik.height();
        }
        y = std::max(yl, yr);
    }

    QPainter& p;
    const TSeiten& seiten;
    const TKennzeichnungsTabelle& tabelle;
    const TTabellenMasse masse;
    QFont titel, text, fett;
    const QFontMetrics titelMetrik, metrik;
    const int unten, breite;
    int nameBreite = 0, preisBreite = 0, kennBreite = 0;
    int y = 0;
};

void TSpeisekarte::drucke(const std::vector<TGericht>& gerichte, const QStringList& zeilen) {
    p.save();
    p.setPen(QPen(Qt::black, masse.stift));
    y = masse.rand;
    p.setFont(titel);
    p.drawText(masse.rand, y + titelMetrik.ascent(),
               QStringLiteral("Speisekarte mit Kennzeichnung ") +
                   QLocale().toString(TUhr::heute(), QLocale::ShortFormat));
    p.setFont(text);
    y += titelMetrik.height() + metrik.height();
    for (const QString& z : zeilen) {
        const QStringList u = Umbrechen(z, breite, metrik);
        schreibe(u, masse.rand, y);
        y += int(std::max(qsizetype(1), u.size())) * metrik.height();
    }
    y += metrik.height();
    kopf();
    const int ersteZeile = y;
    std::vector<TDeklaration> seite;
    for (const TGericht& g : gerichte) {
        const int h = zeilenhoehe(g);
        seite.push_back(g.deklaration);
        // The row goes to the next page when it and the legend it widens do not fit.
        if (y > ersteZeile && y + h + legendenhoehe(legendenzeilen(seite)) > unten) {
            seite.pop_back();
            legende(seite);
            seiten.neueSeite();
            y = masse.rand;
            kopf();
            seite = {g.deklaration};
        }
        int x = masse.rand;
        schreibe(Umbrechen(g.name, nameBreite, metrik), x, y);
        x += nameBreite + masse.abstand;
        p.drawText(QRect(x, y, preisBreite, metrik.height()), Qt::AlignRight | Qt::AlignVCenter,
                   g.preis);
        x += preisBreite + masse.abstand;
        if (!g.deklaration.vollstaendig())
            p.setFont(fett); // what is undeclared stands out
        schreibe(Umbrechen(g.kennzeichnung, kennBreite, metrik), x, y);
        p.setFont(text);
        y += h;
    }
    legende(seite);
    p.restore();
}

} // namespace

void DruckeSpeisekarte(QPainter& p, const TSeiten& seiten, const TDaten& d, int filter,
                       const QStringList& zeilen) {
    const TKennzeichnungsTabelle& t = Kennzeichnung(d).tabelle;
    std::vector<TGericht> gerichte;
    for (uint32_t nr = 0; nr < d.anzahlRezepte(); ++nr) {
        const TRezept& r = d.rezept(nr);
        if (!PasstFilter(filter, r.gruppe))
            continue;
        TGericht g;
        g.name = Text(r.name);
        g.preis = ZahlFest(r.vkbrutto, 2);
        g.deklaration = Deklaration(d, r);
        g.kennzeichnung = KennzeichnungsText(g.deklaration, t);
        gerichte.push_back(std::move(g));
    }
    TSpeisekarte(p, seiten, t).drucke(gerichte, zeilen);
}

void DruckeSpeisekarte(QPagedPaintDevice& drucker, const TDaten& d, int filter,
                       const QStringList& zeilen, const TAuftragsname& benenne) {
    Drucke(
        drucker, QStringLiteral("Speisekarte mit Kennzeichnung"),
        [&](QPainter& p, const TSeiten& seiten) {
            DruckeSpeisekarte(p, seiten, d, filter, zeilen);
        },
        benenne);
}

void DruckeAllergenDokumentation(QPagedPaintDevice& drucker, const TDaten& d, uint32_t rezept,
                                 const TAuftragsname& benenne) {
    const TRezept& r = d.rezept(rezept);
    TListe tabelle = AllergenDokumentation(d, r, true);
    // The key names the group for machines; on paper the code and text do.
    tabelle.spalten.removeFirst();
    for (QStringList& z : tabelle.zeilen)
        z.removeFirst();
    DruckeListView(drucker, QStringLiteral("Allergen-Dokumentation"), tabelle,
                   {QStringLiteral("Gericht: ") + Text(r.name),
                    QStringLiteral("Schriftliche Allergeninformation; bei jeder Zutat das Datum "
                                   "ihrer letzten Deklaration.")},
                   benenne);
}
