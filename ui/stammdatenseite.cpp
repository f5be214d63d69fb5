#include "ui/stammdatenseite.h"

#include "core/gruppen.h"
#include "ui/zahlfeld.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

int px(const QWidget* w, int pixel96) {
    return int(pixel96 * w->logicalDpiX() / 96.0 + 0.5);
}

TZahlFeld* Satzfeld(QWidget* eltern) {
    auto* f = new TZahlFeld(2, eltern);
    f->setzeSchritt(1);
    f->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    f->setAlignment(Qt::AlignRight);
    return f;
}

} // namespace

TStammdatenSeite::TStammdatenSeite(TGruppenTabelle& t, int ersteGruppe, QWidget* parent)
    : QWidget(parent), tabelle(t), erste(ersteGruppe) {
    auto* aussen = new QHBoxLayout(this);
    aussen->setSpacing(px(this, 24));
    const QString mwstTitel = QStringLiteral("MwSt-Satz:");
    const QString weTitel = QStringLiteral("Soll Waren- einsatzquoten:");
    // Fields are created row by row, block by block: that is also the Tab order.
    for (int block = 0; block < 2; ++block) {
        auto* raster = new QGridLayout;
        raster->setHorizontalSpacing(px(this, 6));
        raster->setVerticalSpacing(0);
        auto* mwstKopf = new QLabel(mwstTitel, this);
        auto* weKopf = new QLabel(weTitel, this);
        weKopf->setWordWrap(true);
        // Wide enough for "Soll Waren-" and "einsatzquoten:", so that it reads as two lines.
        const QFontMetrics fm(weKopf->font());
        weKopf->setFixedWidth(
            std::max({px(this, 73), fm.horizontalAdvance(QStringLiteral("Soll Waren-")),
                      fm.horizontalAdvance(QStringLiteral("einsatzquoten:"))}) +
            2);
        mwstKopf->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        weKopf->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        raster->addWidget(mwstKopf, 0, 2);
        raster->addWidget(weKopf, 0, 3);
        for (int zeile = 0; zeile < 10; ++zeile) {
            const int i = block * 10 + zeile;
            const int nr = erste + i;
            const QString beschriftung = QStringLiteral("Gruppe %1:").arg(i + 1);
            auto* label = new QLabel(beschriftung, this);
            auto* name = new QLineEdit(this);
            name->setObjectName(QStringLiteral("Edit%1").arg(nr + 1));
            name->setFixedWidth(px(this, 121));
            label->setBuddy(name);
            auto* mwst = Satzfeld(this);
            mwst->setObjectName(QStringLiteral("MwstEdit%1").arg(nr + 1));
            mwst->setAccessibleName(beschriftung + QLatin1Char(' ') + mwstTitel);
            auto* we = Satzfeld(this);
            we->setObjectName(QStringLiteral("WeEdit%1").arg(nr + 1));
            we->setAccessibleName(beschriftung + QLatin1Char(' ') + weTitel);
            for (TZahlFeld* f : {mwst, we})
                f->setFixedWidth(std::max(px(this, 57), f->sizeHint().width()));
            if (zeile == 0) {
                mwstKopf->setBuddy(mwst);
                weKopf->setBuddy(we);
            }
            const int hoehe = px(this, 24);
            raster->setRowMinimumHeight(zeile + 1, hoehe);
            raster->addWidget(label, zeile + 1, 0);
            raster->addWidget(name, zeile + 1, 1);
            raster->addWidget(mwst, zeile + 1, 2);
            raster->addWidget(we, zeile + 1, 3);
            namen[size_t(i)] = name;
            mwstFelder[size_t(i)] = mwst;
            weFelder[size_t(i)] = we;
            connect(name, &QLineEdit::textChanged, this, [this, nr](const QString& text) {
                tabelle.nameText(nr) = text;
                geaendert = geaendert || !zeigt;
            });
            connect(mwst, &TZahlFeld::geaendert, this, [this, nr](const QString& text) {
                tabelle.mwstText(nr) = text;
                geaendert = geaendert || !zeigt;
            });
            connect(we, &TZahlFeld::geaendert, this, [this, nr](const QString& text) {
                tabelle.weText(nr) = text;
                geaendert = geaendert || !zeigt;
            });
            connect(name, &QLineEdit::editingFinished, this, &TStammdatenSeite::fertig);
            connect(mwst, &QAbstractSpinBox::editingFinished, this, &TStammdatenSeite::fertig);
            connect(we, &QAbstractSpinBox::editingFinished, this, &TStammdatenSeite::fertig);
        }
        raster->setRowStretch(11, 1);
        aussen->addLayout(raster);
    }
    aussen->addStretch(1);
    zeigeTabelle();
}

void TStammdatenSeite::fertig() {
    if (!geaendert)
        return;
    geaendert = false;
    Q_EMIT bearbeitet();
}

void TStammdatenSeite::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    fertig();
}

void TStammdatenSeite::zeigeTabelle() {
    zeigt = true;
    for (int i = 0; i < zeilen; ++i) {
        const int nr = erste + i;
        // Copies: setting a field writes its text back into the table.
        namen[size_t(i)]->setText(QString(tabelle.nameText(nr)));
        mwstFelder[size_t(i)]->setzeText(QString(tabelle.mwstText(nr)));
        weFelder[size_t(i)]->setzeText(QString(tabelle.weText(nr)));
    }
    zeigt = false;
}
