#include "exchange/print/rezeptkarte.h"

#include "core/zahlen.h"
#include "costing/formdeklaration.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QTextLayout>

#include <algorithm>

namespace {

int punkte(double pt, int dpi) {
    return std::max(1, int(pt * dpi / 72.0 + 0.5));
}

int cm(double v, int dpi) {
    return int(v * dpi / 2.54 + 0.5);
}

QFont Schrift(double pt, int dpi, bool fett = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(punkte(pt, dpi));
    f.setWeight(fett ? QFont::Bold : QFont::Normal);
    return f;
}

// Where the next line goes; begins a further page when a block of `hoehe` no longer fits.
class TSchreiber {
public:
    TSchreiber(QPainter& p, const TSeiten& s)
        : p(p), seiten(s), rand(cm(1.5, s.dpi)), y(rand), breite(s.breite - 2 * rand) {}

    int links() const { return rand; }
    int textbreite() const { return breite; }

    void platz(int hoehe) {
        // A block taller than a page is drawn from a page's top and cut at its end.
        if (y > rand && y + hoehe > seiten.hoehe - rand) {
            seiten.neueSeite();
            y = rand;
        }
    }
    void abstand(int h) { y += h; }

    // Wrapped text from x to the right margin, line by line.
    void absatz(const QString& text, const QFont& schrift, int x = 0) {
        p.setFont(schrift);
        const QFontMetrics fm(schrift, p.device());
        for (const QString& zeile : UmbrechenAnWorten(text, breite - x, schrift, p.device())) {
            platz(fm.height());
            p.drawText(rand + x, y + fm.ascent(), zeile);
            y += fm.height();
        }
    }

    void bild(const QImage& b, int hoechstBreite, int hoechstHoehe) {
        const QSize groesse = b.size().scaled(hoechstBreite, hoechstHoehe, Qt::KeepAspectRatio);
        platz(groesse.height());
        p.drawImage(QRect(QPoint(rand, y), groesse), b);
        y += groesse.height();
    }

    // The ingredient lines: quantity right-aligned, the unit, the name wrapped in its column.
    void zeilen(const QList<TRezeptkarte::TZeile>& zeilen, const QFont& schrift) {
        p.setFont(schrift);
        const QFontMetrics fm(schrift, p.device());
        const int luecke = cm(0.4, seiten.dpi);
        int mengeBreite = 0, einheitBreite = 0;
        for (const auto& z : zeilen) {
            mengeBreite = std::max(mengeBreite, fm.horizontalAdvance(z.menge));
            einheitBreite = std::max(einheitBreite, fm.horizontalAdvance(z.einheit));
        }
        // Long units or quantities never push the names off the page.
        mengeBreite = std::min(mengeBreite, breite / 4);
        einheitBreite = std::min(einheitBreite, breite / 4);
        const int nameX = mengeBreite + luecke + einheitBreite + (einheitBreite ? luecke : 0);
        for (const auto& z : zeilen) {
            const QStringList namen =
                UmbrechenAnWorten(z.zutat, breite - nameX, schrift, p.device());
            platz(fm.height() * int(std::max<qsizetype>(1, namen.size())));
            const int grundlinie = y + fm.ascent();
            p.drawText(QRect(rand, y, mengeBreite, fm.height()), Qt::AlignRight | Qt::AlignTop,
                       z.menge);
            p.drawText(rand + mengeBreite + luecke, grundlinie,
                       fm.horizontalAdvance(z.einheit) <= einheitBreite
                           ? z.einheit
                           : fm.elidedText(z.einheit, Qt::ElideRight, einheitBreite));
            for (const QString& n : namen) {
                p.drawText(rand + nameX, y + fm.ascent(), n);
                y += fm.height();
            }
            if (namen.isEmpty())
                y += fm.height();
        }
    }

private:
    QPainter& p;
    const TSeiten& seiten;
    int rand;
    int y;
    int breite;
};

QImage LiesBild(const QString& pfad) {
    if (pfad.isEmpty())
        return {};
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    return leser.read();
}

} // namespace

TRezeptkarte Rezeptkarte(const TRezeptForm& form, const TDaten* daten) {
    TRezeptkarte k;
    k.name = form.name;
    k.bilddatei = form.bilddatei;
    k.portionen = ZahlAllgemein(Feldwert(form.menge));
    for (qsizetype i = 0; i < form.zutaten.anzahlZeilen(); ++i)
        k.zeilen.append({ZahlAllgemein(Feldwert(form.zutaten.zelle(i, TRezeptForm::spalteMenge))),
                         form.zutaten.zelle(i, TRezeptForm::spalteEinheit),
                         form.zutaten.zelle(i, TRezeptForm::spalteName)});
    k.zubereitung = form.beschreibung;
    if (daten) {
        const TFormKennzeichnung f = FormKennzeichnung(*daten, form);
        k.kennzeichnung = f.ungeklaert.isEmpty() || f.deklariert.isEmpty()
                              ? f.deklariert + f.ungeklaert
                              : f.deklariert + QStringLiteral("; ") + f.ungeklaert;
    }
    return k;
}

QStringList UmbrechenAnWorten(const QString& text, int breite, const QFont& schrift,
                              QPaintDevice* geraet) {
    QStringList zeilen;
    QString absaetze = text;
    absaetze.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& absatz : absaetze.split(QLatin1Char('\n'))) {
        if (absatz.trimmed().isEmpty()) {
            zeilen << QString();
            continue;
        }
        QTextLayout satz(absatz, schrift, geraet);
        satz.setTextOption(option);
        satz.beginLayout();
        for (QTextLine z = satz.createLine(); z.isValid(); z = satz.createLine()) {
            z.setLineWidth(std::max(1, breite));
            QString teil = absatz.mid(z.textStart(), z.textLength());
            while (!teil.isEmpty() && teil.back().isSpace())
                teil.chop(1);
            zeilen << teil;
        }
        satz.endLayout();
    }
    // A text ending in a line break has no empty line after its last one.
    if (!text.isEmpty() && zeilen.size() > 1 && zeilen.last().isEmpty() &&
        (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))))
        zeilen.removeLast();
    return zeilen;
}

void ZeichneRezeptkarte(QPainter& p, const TSeiten& seiten, const TRezeptkarte& karte) {
    const int dpi = seiten.dpi;
    const QFont titel = Schrift(20, dpi, true);
    const QFont kopf = Schrift(13, dpi, true);
    const QFont text = Schrift(11, dpi);
    const int zeile = QFontMetrics(text, p.device()).height();
    TSchreiber s(p, seiten);

    s.absatz(karte.name, titel);
    const QImage bild = LiesBild(karte.bilddatei);
    if (!bild.isNull()) {
        s.abstand(zeile / 2);
        s.bild(bild, s.textbreite() / 2, cm(7, dpi));
    }
    s.abstand(zeile);
    s.absatz(QStringLiteral("Zutaten für %1 Portionen:").arg(karte.portionen), kopf);
    s.abstand(zeile / 3);
    s.zeilen(karte.zeilen, text);
    if (!karte.kennzeichnung.isEmpty()) {
        s.abstand(zeile / 2);
        s.absatz(QStringLiteral("Allergene und Zusatzstoffe: %1").arg(karte.kennzeichnung), text);
    }
    if (!karte.zubereitung.trimmed().isEmpty()) {
        s.abstand(zeile);
        s.absatz(QStringLiteral("Zubereitung:"), kopf);
        s.abstand(zeile / 3);
        s.absatz(karte.zubereitung, text);
    }
}

void DruckeRezeptkarten(QPagedPaintDevice& drucker, const QString& name,
                        const QList<TRezeptkarte>& karten, const TAuftragsname& benenne) {
    Drucke(
        drucker, name,
        [&](QPainter& p, const TSeiten& seiten) {
            for (qsizetype i = 0; i < karten.size(); ++i) {
                if (i > 0)
                    seiten.neueSeite();
                ZeichneRezeptkarte(p, seiten, karten[i]);
            }
        },
        benenne);
}
