#include "core/gruppen.h"

#include "core/zahlen.h"

TGruppenTabelle::TGruppenTabelle() {
    for (int nr = 0; nr < anzahl; ++nr) {
        SetGruppeMwst(nr, 19);
        SetGruppeWE(nr, nr < 20 ? 30 : 25);
    }
    for (int nr : {0, 20})
        SetGruppe(nr, QStringLiteral("Gruppe 1"));
    for (int nr : {1, 21})
        SetGruppe(nr, QStringLiteral("Gruppe 2"));
}

QString TGruppenTabelle::Standardname(int nr) {
    if (nr >= 0 && nr < 20)
        return QStringLiteral("Produkte ") + QString::number(nr + 1);
    if (nr >= 20 && nr < anzahl)
        return QStringLiteral("Dienstleistungen ") + QString::number(nr - 19);
    return {};
}

QString TGruppenTabelle::GetGruppe(int nr) const {
    if (!gueltig(nr))
        return {};
    const QString& name = nameText(nr);
    return name.isEmpty() ? Standardname(nr) : name;
}

void TGruppenTabelle::SetGruppe(int nr, const QString& nam) {
    if (gueltig(nr))
        nameText(nr) = nam;
}

double TGruppenTabelle::GetGruppeMwst(int nr) const {
    return gueltig(nr) ? ZahlOder(mwstText(nr)) : 0.0;
}

void TGruppenTabelle::SetGruppeMwst(int nr, double mwst) {
    if (gueltig(nr))
        mwstText(nr) = ZahlFest(mwst, 2);
}

double TGruppenTabelle::GetGruppeWE(int nr) const {
    return gueltig(nr) ? ZahlOder(weText(nr)) : 0.0;
}

void TGruppenTabelle::SetGruppeWE(int nr, double we) {
    if (gueltig(nr))
        weText(nr) = ZahlFest(we, 2);
}
