#include "exchange/print/druckauftrag.h"

#include "core/fehler.h"
#include "lists/chart/diagramm.h"

#include <QPdfWriter>

void Drucke(QPagedPaintDevice& drucker, const QString& name,
            const std::function<void(QPainter&, const TSeiten&)>& zeichne,
            const TAuftragsname& benenne) {
    if (benenne)
        benenne(name);
    else if (auto* pdf = dynamic_cast<QPdfWriter*>(&drucker))
        pdf->setTitle(name);

    QPainter p;
    if (!p.begin(&drucker))
        throw TFehler(QStringLiteral("Der Druckauftrag \"%1\" konnte nicht begonnen werden: "
                                     "Es ist kein Drucker bereit, oder er nimmt keine "
                                     "Aufträge an")
                          .arg(name));
    TSeiten seiten;
    seiten.dpi = drucker.logicalDpiX();
    seiten.breite = drucker.width();
    seiten.hoehe = drucker.height();
    seiten.neueSeite = [&drucker, &name] {
        if (!drucker.newPage())
            throw TFehler(
                QStringLiteral("Der Drucker hat eine weitere Seite des Auftrags \"%1\" abgelehnt")
                    .arg(name));
    };
    // On an error the painter ends the job with what was drawn so far; a file's saving
    // discards it, a printer has no way back.
    zeichne(p, seiten);
    if (!p.end())
        throw TFehler(
            QStringLiteral("Der Druckauftrag \"%1\" konnte nicht abgeschlossen werden").arg(name));
}

void DruckeListView(QPagedPaintDevice& drucker, const QString& title, const TListe& listview1,
                    const QStringList& str, const TAuftragsname& benenne) {
    Drucke(
        drucker, title,
        [&](QPainter& p, const TSeiten& seiten) {
            DruckeTabelle(p, seiten, title, listview1, str);
        },
        benenne);
}

void PrintDiagram(QPagedPaintDevice& drucker, const TListe& tabelle, int zeile,
                  const QString& kennzahl, const TAuftragsname& benenne) {
    Drucke(
        drucker, QStringLiteral("Diagramm"),
        [&](QPainter& p, const TSeiten& seiten) {
            // Truncated, where the table printer rounds its margin.
            const int rand = int(1.5 * seiten.dpi / 2.54);
            drawdiagramm(p, rand, rand, seiten.breite - 2 * rand, seiten.hoehe - 2 * rand,
                         seiten.dpi, tabelle, zeile, kennzahl);
        },
        benenne);
}
