#include "lists/kennzeichnungslisten.h"

#include "core/texte.h"
#include "lists/listen.h"

#include <QLocale>

namespace {

QString Zutaten(const std::vector<TUrsache>& liste, bool mitDatum) {
    QStringList teile;
    for (const TUrsache& u : liste) {
        QString t = u.text();
        if (mitDatum)
            t +=
                QStringLiteral(" – ") +
                (u.deklariertAm.isValid() ? QLocale().toString(u.deklariertAm, QLocale::ShortFormat)
                                          : QStringLiteral("nie deklariert"));
        teile << t;
    }
    return teile.join(mitDatum ? QStringLiteral("; ") : QStringLiteral(", "));
}

} // namespace

TListe Allergenkarte(const TDaten& d, int filter) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Rezept"), 180},
                    {QStringLiteral("Allergene"), 120},
                    {QStringLiteral("Zusatzstoffe"), 80},
                    {QStringLiteral("Spuren"), 70},
                    {QStringLiteral("Ungeklärt"), 110},
                    {QStringLiteral("Kennzeichnung"), 260}});
    const TKennzeichnungsTabelle& t = Kennzeichnung(d).tabelle;
    for (uint32_t nr = 0; nr < d.anzahlRezepte(); ++nr) {
        const TRezept& r = d.rezept(nr);
        if (!PasstFilter(filter, r.gruppe))
            continue;
        const TKennzeichnungsTeile k = KennzeichnungsTeile(Deklaration(d, r), t);
        l.zeilen.append(
            {Text(r.name), k.allergene, k.zusatzstoffe, k.spuren, k.ungeklaert, k.text()});
    }
    return l;
}

int UngeklaerteRezepte(const TDaten& d, int filter) {
    int n = 0;
    for (uint32_t nr = 0; nr < d.anzahlRezepte(); ++nr) {
        const TRezept& r = d.rezept(nr);
        if (PasstFilter(filter, r.gruppe) && !Deklaration(d, r).vollstaendig())
            ++n;
    }
    return n;
}

TListe AllergenDokumentation(const TDaten& d, const TRezept& r, bool mitDatum) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Gruppe"), 110},
                    {QStringLiteral("Code"), 40},
                    {QStringLiteral("Text"), 170},
                    {QStringLiteral("Zustand"), 70},
                    {QStringLiteral("Zutaten"), 300}});
    const TKennzeichnungsTabelle& t = Kennzeichnung(d).tabelle;
    TNachweis n;
    const TDeklaration dekl = Deklaration(d, r, &n);
    for (int g = 0; g < AllergenGruppen; ++g) {
        QString text = t.texte[size_t(g)];
        QStringList arten;
        for (int a = 0; a < ArtenAnzahl; ++a)
            if (ArtGruppe(a) == g && ((dekl.arten >> a) & 1u))
                arten << ArtName(a).toString();
        if (!arten.isEmpty())
            text += QStringLiteral(" (%1)").arg(arten.join(QStringLiteral(", ")));
        l.zeilen.append({AllergenVorgaben()[size_t(g)].schluessel.toString(), t.codes[size_t(g)],
                         text, ZustandsText(dekl.zustand(g)),
                         Zutaten(n.gruppen[size_t(g)], mitDatum)});
    }
    const QString zusatz = QStringLiteral("Zusatzstoff");
    for (const auto& [nr, wer] : n.zusatzstoffe) {
        const TZusatzstoffKlasse& k = t.zusatzstoffe[size_t(nr - 1)];
        l.zeilen.append({zusatz, k.code, k.text, ZustandsText(TAllergenZustand::enthaelt),
                         Zutaten(wer, mitDatum)});
    }
    if (dekl.zusatzstoffeUngeklaert)
        l.zeilen.append({zusatz, QString(), QStringLiteral("Zusatzstoffe"),
                         ZustandsText(TAllergenZustand::ungeklaert),
                         Zutaten(n.ungepruefteZusatzstoffe, mitDatum)});
    return l;
}
