#include "lists/preisaenderungsliste.h"

#include "core/texte.h"
#include "core/zahlen.h"
#include "lists/listen.h"

#include <algorithm>
#include <array>

TListe Preisaenderungsliste(const TDaten& d, const TPreisaenderung& a, int filter, bool alle) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Name"), 150},
                    {QStringLiteral("Gruppe"), 100},
                    {QStringLiteral("EK vorher"), 90},
                    {QStringLiteral("EK nachher"), 90},
                    {QStringLiteral("WE-Quote vorher (%)"), 110},
                    {QStringLiteral("WE-Quote nachher (%)"), 110},
                    {QStringLiteral("Soll (%)"), 75},
                    {QStringLiteral("DB vorher"), 90},
                    {QStringLiteral("DB nachher"), 90},
                    {QStringLiteral("Kalk. VK brutto nachher"), 130},
                    {QStringLiteral("Status"), 110}});

    // The group table keeps its rates as texts and makes default names anew; look each
    // up once.
    constexpr int gruppen = TGruppenTabelle::anzahl;
    std::array<double, gruppen> mwst{}, we{};
    std::array<QString, gruppen> namen;
    for (int g = 0; g < gruppen; ++g) {
        mwst[size_t(g)] = d.GetGruppeMwst(g);
        we[size_t(g)] = d.GetGruppeWE(g);
        namen[size_t(g)] = d.GetGruppe(g);
    }

    const std::vector<double> nachher = PreiseNachher(d, a, GewaehlteZutaten(d, a));
    struct TTreffer {
        uint32_t nr;
        TPreisfolgen f;
    };
    std::vector<TTreffer> treffer;
    for (uint32_t nr = 0; nr < d.anzahlRezepte(); ++nr) {
        const TRezept& r = d.rezept(nr);
        if (!PasstFilter(filter, r.gruppe))
            continue;
        const bool gueltig = TGruppenTabelle::gueltig(r.gruppe);
        const TPreisfolgen f = Preisfolgen(d, r, nachher, gueltig ? mwst[size_t(r.gruppe)] : 0,
                                           gueltig ? we[size_t(r.gruppe)] : 0);
        if (alle || f.ekAendertSich())
            treffer.push_back({nr, f});
    }
    std::stable_sort(treffer.begin(), treffer.end(), [](const TTreffer& x, const TTreffer& y) {
        return x.f.anstieg() > y.f.anstieg();
    });

    l.zeilen.reserve(qsizetype(treffer.size()));
    for (const TTreffer& t : treffer) {
        const TRezept& r = d.rezept(t.nr);
        const TPreisfolgen& f = t.f;
        const QString gruppe =
            TGruppenTabelle::gueltig(r.gruppe) ? namen[size_t(r.gruppe)] : QString();
        l.zeilen.append({Text(r.name), gruppe, ZahlFest(f.ekVorher, 4), ZahlFest(f.ekNachher, 4),
                         ZahlFest(f.quoteVorher, 4), ZahlFest(f.quoteNachher, 4),
                         ZahlFest(f.soll, 4), ZahlFest(f.dbVorher, 4), ZahlFest(f.dbNachher, 4),
                         ZahlFest(f.kalkBruttoNachher, 4), SollStatusText(f.status)});
    }
    return l;
}
