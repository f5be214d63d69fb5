#include "costing/formdeklaration.h"

#include <algorithm>
#include <vector>

TFormKennzeichnung FormKennzeichnung(const TDaten& d, const TRezeptForm& form) {
    // The lines as shown: their hidden "Nr" cell names the ingredient.
    std::vector<TRezeptZutat> zeilen;
    for (qsizetype i = 0; i < form.zutaten.anzahlZeilen(); ++i) {
        bool ok = false;
        const int nr = form.zutaten.zelle(i, TRezeptForm::spalteNr).toInt(&ok);
        zeilen.push_back({ok ? nr : -1, 0, 0});
    }
    TNachweis n;
    const TDeklaration dekl = Deklaration(d, zeilen, &n);
    TKennzeichnungsTeile teile = KennzeichnungsTeile(dekl, Kennzeichnung(d).tabelle);
    TFormKennzeichnung k;
    const QString offen = teile.ungeklaert;
    teile.ungeklaert.clear();
    k.deklariert = teile.text();
    if (offen.isEmpty())
        return k;
    std::vector<TUrsache> wer;
    const auto merke = [&](const std::vector<TUrsache>& liste) {
        for (const TUrsache& u : liste)
            if (std::find(wer.begin(), wer.end(), u) == wer.end())
                wer.push_back(u);
    };
    for (int g = 0; g < AllergenGruppen; ++g)
        if (dekl.zustand(g) == TAllergenZustand::ungeklaert)
            merke(n.gruppen[size_t(g)]);
    if (dekl.zusatzstoffeUngeklaert)
        merke(n.ungepruefteZusatzstoffe);
    QStringList namen;
    for (const TUrsache& u : wer)
        namen << u.text();
    k.ungeklaert = QStringLiteral("ungeklärt: ") + offen;
    if (!namen.isEmpty())
        k.ungeklaert +=
            QStringLiteral(" (nicht deklariert bei: %1)").arg(namen.join(QStringLiteral(", ")));
    else if (zeilen.empty())
        k.ungeklaert += QStringLiteral(" (keine Zutaten)");
    return k;
}
