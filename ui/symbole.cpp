#include "ui/symbole.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace {

QIcon standard(QStyle::StandardPixmap p) {
    return QApplication::style()->standardIcon(p);
}

QIcon ausThema(const char* name, const QIcon& ersatz) {
    return QIcon::fromTheme(QString::fromLatin1(name), ersatz);
}

// Draws the icon at the usual sizes; `zeichne` paints into a square of 32 units.
template <class F> QIcon gezeichnet(F zeichne) {
    QIcon icon;
    for (int seite : {16, 22, 24, 32, 48, 64}) {
        QPixmap bild(seite, seite);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(seite / 32.0, seite / 32.0);
        zeichne(p);
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

void zeichneStift(QPainter& p) {
    // A pencil across the lower right corner.
    p.save();
    p.translate(24, 22);
    p.rotate(-45);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(240, 190, 60));
    p.drawRect(QRectF(-3, -2.5, 11, 5));
    p.setBrush(QColor(230, 120, 120));
    p.drawRect(QRectF(8, -2.5, 3, 5));
    QPainterPath spitze;
    spitze.moveTo(-3, -2.5);
    spitze.lineTo(-8, 0);
    spitze.lineTo(-3, 2.5);
    spitze.closeSubpath();
    p.setBrush(QColor(250, 225, 180));
    p.drawPath(spitze);
    p.restore();
}

void zeichneDrucker(QPainter& p) {
    const QColor rand(70, 70, 70);
    p.setPen(QPen(rand, 1.2));
    // Paper going in at the top and coming out at the bottom.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
    p.setBrush(QColor(110, 115, 125));
    p.drawRect(QRectF(7, 20, 18, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 20, 14, 9));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (double y : {23.5, 26.0})
        p.drawLine(QPointF(11, y), QPointF(21, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 200, 90));
    p.drawEllipse(QPointF(25, 15), 1.5, 1.5);
}

} // namespace

namespace Symbol {

QIcon neu() {
    return ausThema("document-new", standard(QStyle::SP_FileIcon));
}

QIcon oeffnen() {
    return ausThema("document-open", standard(QStyle::SP_DialogOpenButton));
}

QIcon speichern() {
    return ausThema("document-save", standard(QStyle::SP_DialogSaveButton));
}

QIcon speichernUnter() {
    if (QIcon::hasThemeIcon(QStringLiteral("document-save-as")))
        return QIcon::fromTheme(QStringLiteral("document-save-as"));
    const QIcon diskette = speichern();
    return gezeichnet([&](QPainter& p) {
        p.drawPixmap(QRect(0, 0, 26, 26), diskette.pixmap(64));
        zeichneStift(p);
    });
}

QIcon drucken() {
    if (QIcon::hasThemeIcon(QStringLiteral("document-print")))
        return QIcon::fromTheme(QStringLiteral("document-print"));
    return gezeichnet(zeichneDrucker);
}

QIcon ok() {
    return standard(QStyle::SP_DialogApplyButton);
}

QIcon wiederholen() {
    return standard(QStyle::SP_BrowserReload);
}

QIcon abbrechen() {
    return standard(QStyle::SP_DialogCancelButton);
}

QIcon doppelhaken() {
    const QIcon haken = ok();
    return gezeichnet([&](QPainter& p) {
        p.drawPixmap(QRect(0, 2, 22, 22), haken.pixmap(64));
        p.drawPixmap(QRect(10, 8, 22, 22), haken.pixmap(64));
    });
}

} // namespace Symbol
