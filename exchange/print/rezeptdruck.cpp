#include "exchange/print/rezeptdruck.h"

#include "core/zahlen.h"

namespace {

QString betrag(const QString& feld) {
    return ZahlFest(Feldwert(feld), 2);
}

QString portionen(const QString& menge) {
    return QStringLiteral("Zutaten für %1 Portionen:").arg(ZahlAllgemein(Feldwert(menge)));
}

} // namespace

QStringList KalkulationsZeilen(const TProMengeneinheit& preise, const QString& menge) {
    return {QString(),
            QStringLiteral("Einkaufspreis pro Portion: ") + betrag(preise.einkaufspreis),
            QStringLiteral("Deckungsbeitrag: ") + betrag(preise.deckungsbeitrag),
            QStringLiteral("Wareneinsatzquote: ") + betrag(preise.wequote),
            QStringLiteral("Kalkulierter Verkaufspreis brutto: ") + betrag(preise.kalkBrutto),
            QStringLiteral("Kalkulierter Verkaufspreis netto: ") + betrag(preise.kalkNetto),
            QStringLiteral("Tatsächlicher Verkaufspreis brutto: ") + betrag(preise.tatsBrutto),
            QStringLiteral("Tatsächlicher Verkaufspreis netto: ") + betrag(preise.tatsNetto),
            QString(),
            portionen(menge),
            QString()};
}

QStringList RezeptZeilen(const TProMengeneinheit& preise, const QString& menge) {
    return {QString(), QStringLiteral("Verkaufspreis brutto: ") + betrag(preise.tatsBrutto),
            QString(), portionen(menge), QString()};
}

void DruckeKalkulation(QPagedPaintDevice& drucker, const TRezeptForm& form,
                       const TAuftragsname& benenne) {
    DruckeListView(drucker, form.name, form.zutaten, KalkulationsZeilen(form.preise, form.menge),
                   benenne);
}

void DruckeKalkulation(QPagedPaintDevice& drucker, const TCalcAmountsForm& form,
                       const TAuftragsname& benenne) {
    DruckeListView(drucker, form.name, form.zutaten, KalkulationsZeilen(form.preise, form.menge),
                   benenne);
}

void DruckeRezept(QPagedPaintDevice& drucker, const TRezeptForm& form,
                  const TAuftragsname& benenne) {
    DruckeListView(drucker, form.name, form.zutaten, RezeptZeilen(form.preise, form.menge),
                   benenne);
}

void DruckeRezept(QPagedPaintDevice& drucker, const TCalcAmountsForm& form,
                  const TAuftragsname& benenne) {
    DruckeListView(drucker, form.name, form.zutaten, RezeptZeilen(form.preise, form.menge),
                   benenne);
}
