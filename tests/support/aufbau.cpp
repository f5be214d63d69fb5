#include "tests/support/aufbau.h"

#include "core/texte.h"

TZutat& NeueZutat(TDaten& d, const QString& name, double preis, double menge,
                  const QString& einheit, const QString& lieferant, const QString& zgruppe,
                  const QString& preisproeinheit) {
    auto& z = *static_cast<TZutat*>(d.zutats.Add());
    CopyText(z.name, name);
    CopyText(z.lieferant, lieferant);
    CopyText(z.zgruppe, zgruppe);
    CopyText(z.preisproeinheit, preisproeinheit);
    CopyText(z.einheit, einheit);
    z.preis = preis;
    z.menge = menge;
    return z;
}

TRezept& NeuesRezept(TDaten& d, const QString& name, double menge, double vkbrutto, int gruppe) {
    TRezept& r = *d.NeuesRezept();
    CopyText(r.name, name);
    CopyText(r.bilddatei, QString());
    CopyText(r.beschreibung, QString());
    r.menge = menge;
    r.vkbrutto = vkbrutto;
    r.gruppe = gruppe;
    return r;
}

TRezeptZutat& NeueZeile(TRezept& r, int zutatnr, double menge, double gewichtsverlust) {
    auto& z = *static_cast<TRezeptZutat*>(r.zutaten->Add());
    z.zutatnr = zutatnr;
    z.menge = menge;
    z.gewichtsverlust = gewichtsverlust;
    return z;
}

TVerkauf& NeuerVerkauf(TRezept& r, int jahr, int monat, int tag, int menge, double netto,
                       double brutto, double wareneinsatz, double wequote, double db) {
    auto& v = *static_cast<TVerkauf*>(r.verkaeufe->Add());
    v.jahr = uint16_t(jahr);
    v.monat = uint16_t(monat);
    v.tag = uint16_t(tag);
    v.menge = menge;
    v.umsatznetto = netto;
    v.umsatzbrutto = brutto;
    v.wareneinsatz = wareneinsatz;
    v.wequote = wequote;
    v.deckungsbeitrag = db;
    return v;
}

void BaueBeispiel(TDaten& d) {
    NeueZutat(d, QStringLiteral("Mehl"), 4.0, 2.0, QStringLiteral("kg"), QString(),
              QStringLiteral("Basis"), QStringLiteral("2"));
    TRezept& r = NeuesRezept(d, QStringLiteral("Brot"), 1.0, 5.95, 0);
    NeueZeile(r, 0, 0.5, 0.0);
    NeuerVerkauf(r, 2023, 5, 17, 1, 5.0, 5.95, 1.0, 20.0, 4.0);
}
