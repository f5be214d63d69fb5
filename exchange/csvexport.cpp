#include "exchange/csvexport.h"

#include "core/datei.h"
#include "core/fehler.h"

#include <QBuffer>

namespace {

void haengeZelleAn(QString& zeile, const QString& zelle) {
    for (const QChar c : zelle) {
        if (c == QLatin1Char('\r'))
            zeile += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            zeile += QLatin1String("\\n");
        else
            zeile += c;
    }
}

void haengeZeileAn(QByteArray& ausgabe, const QStringList& zellen, qsizetype spalten) {
    QString zeile;
    const qsizetype n = std::max(spalten, zellen.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0)
            zeile += QLatin1Char(';');
        if (i < zellen.size())
            haengeZelleAn(zeile, zellen[i]);
    }
    zeile += QLatin1String("\r\n");
    ausgabe += zeile.toUtf8();
}

void schreibe(QIODevice& geraet, QByteArray& puffer) {
    qsizetype pos = 0;
    while (pos < puffer.size()) {
        const qint64 n = geraet.write(puffer.constData() + pos, puffer.size() - pos);
        if (n <= 0)
            throw TFehler(QStringLiteral("Disk full"));
        pos += n;
    }
    puffer.clear();
}

} // namespace

void SchreibeCsv(const TListe& liste, QIODevice& geraet, TBom bom) {
    QByteArray puffer;
    if (bom == TBom::mit)
        puffer += "\xEF\xBB\xBF";
    QStringList titel;
    for (const TSpalte& s : liste.spalten)
        titel << s.titel;
    haengeZeileAn(puffer, titel, 0);
    for (const QStringList& zeile : liste.zeilen) {
        haengeZeileAn(puffer, zeile, liste.anzahlSpalten());
        if (puffer.size() > (1 << 20))
            schreibe(geraet, puffer);
    }
    schreibe(geraet, puffer);
}

QByteArray CsvBytes(const TListe& liste, TBom bom) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    SchreibeCsv(liste, puffer, bom);
    return bytes;
}

void ExportToFile(const TListe& liste, const QString& fname) {
    const TDateiErgebnis e =
        SpeichereAtomar(fname, [&](QIODevice& geraet) { SchreibeCsv(liste, geraet); });
    if (!e.ok())
        throw TFehler(e.meldung);
}
