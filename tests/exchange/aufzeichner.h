#pragma once

#include "exchange/print/tabellendruck.h"

#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>
#include <QTextItem>

#include <memory>

// A paint device that keeps what is drawn on it, page by page, in device pixels: the
// texts with their baseline position and boldness, and the lines with their pen width.
class TAufzeichner : public QPaintDevice {
public:
    struct TText {
        QString text;
        QPointF pos; // baseline start
        bool fett;   // the bold body font of the captions, not the black title font
    };
    struct TLinie {
        QLineF linie;
        qreal stift;
    };
    struct TSeite {
        QList<TText> texte;
        QList<TLinie> linien;
    };

    TAufzeichner(int dpi, int breite, int hoehe)
        : dpi(dpi), breite(breite), hoehe(hoehe), motor(std::make_unique<TMotor>(*this)) {
        seiten.append(TSeite());
    }

    // The pages of this device for the table printer.
    TSeiten alsSeiten() {
        TSeiten s;
        s.dpi = dpi;
        s.breite = breite;
        s.hoehe = hoehe;
        s.neueSeite = [this] { seiten.append(TSeite()); };
        return s;
    }

    QPaintEngine* paintEngine() const override { return motor.get(); }

    QList<TSeite> seiten;
    const int dpi, breite, hoehe;

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return breite;
        case PdmHeight:
            return hoehe;
        case PdmWidthMM:
            return int(breite * 25.4 / dpi);
        case PdmHeightMM:
            return int(hoehe * 25.4 / dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class TMotor : public QPaintEngine {
    public:
        explicit TMotor(TAufzeichner& geraet)
            : QPaintEngine(QPaintEngine::AllFeatures), geraet(geraet) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }
        void updateState(const QPaintEngineState& s) override {
            if (s.state() & QPaintEngine::DirtyPen)
                stift = s.pen().widthF();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawLines(const QLineF* linien, int anzahl) override {
            for (int i = 0; i < anzahl; ++i)
                geraet.seiten.last().linien.append({linien[i], stift});
        }
        void drawLines(const QLine* linien, int anzahl) override {
            for (int i = 0; i < anzahl; ++i)
                geraet.seiten.last().linien.append({QLineF(linien[i]), stift});
        }
        void drawTextItem(const QPointF& p, const QTextItem& t) override {
            geraet.seiten.last().texte.append({t.text(), p, t.font().weight() == QFont::Bold});
        }

    private:
        TAufzeichner& geraet;
        qreal stift = 0;
    };

    std::unique_ptr<TMotor> motor;
};
