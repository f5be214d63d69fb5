#include "exchange/jsonexport.h"

#include "core/texte.h"
#include "exchange/jsonausgabe.h"
#include "exchange/jsonnamen.h"
#include "exchange/jsonschluessel.h"

#include <QBuffer>

namespace {

namespace n = jsonnamen;

// The keys capabilities add to a record.
void schreibeWeitere(const TDaten& daten, TJsonAusgabe& aus) {
    for (const TJsonSchluessel& s : JsonSchluessel(aus.ort.ebene)) {
        if (s.vorhanden && !s.vorhanden(daten, aus.ort))
            continue;
        aus.schluessel(s.name);
        s.schreibe(daten, aus.ort, aus);
    }
}

void schreibeZutaten(const TDaten& daten, TJsonAusgabe& aus) {
    aus.listeAnfang();
    for (uint32_t i = 0; i < daten.anzahlZutaten(); ++i) {
        const TZutat& z = daten.zutat(i);
        aus.ort = {TJsonEbene::zutat, i, 0};
        aus.objektAnfang();
        aus.schluessel(n::zutat[0]);
        aus.text(TextView(z.name));
        aus.schluessel(n::zutat[1]);
        aus.text(TextView(z.lieferant));
        aus.schluessel(n::zutat[2]);
        aus.text(TextView(z.zgruppe));
        aus.schluessel(n::zutat[3]);
        aus.text(TextView(z.preisproeinheit));
        aus.schluessel(n::zutat[4]);
        aus.zahl(z.preis);
        aus.schluessel(n::zutat[5]);
        aus.zahl(z.menge);
        aus.schluessel(n::zutat[6]);
        aus.text(TextView(z.einheit));
        schreibeWeitere(daten, aus);
        aus.objektEnde();
        aus.leeren();
    }
    aus.listeEnde();
}

void schreibeZeilen(const TDaten& daten, const TRezept& r, uint32_t nr, TJsonAusgabe& aus) {
    aus.listeAnfang();
    const uint32_t anzahl = r.zutaten ? r.zutaten->count : 0;
    for (uint32_t k = 0; k < anzahl; ++k) {
        const TRezeptZutat& l = *r.zutaten->at<TRezeptZutat>(k);
        aus.ort = {TJsonEbene::zeile, nr, k};
        aus.objektAnfang();
        aus.schluessel(n::zeile[0]);
        aus.ganzzahl(l.zutatnr);
        aus.schluessel(n::zeile[1]);
        aus.zahl(l.menge);
        aus.schluessel(n::zeile[2]);
        aus.zahl(l.gewichtsverlust);
        schreibeWeitere(daten, aus);
        aus.objektEnde();
    }
    aus.listeEnde();
    aus.ort = {TJsonEbene::rezept, nr, 0};
}

void schreibeVerkaeufe(const TRezept& r, TJsonAusgabe& aus) {
    aus.listeAnfang();
    const uint32_t anzahl = r.verkaeufe ? r.verkaeufe->count : 0;
    for (uint32_t k = 0; k < anzahl; ++k) {
        const TVerkauf& v = *r.verkaeufe->at<TVerkauf>(k);
        aus.objektAnfang();
        aus.schluessel(n::verkauf[0]);
        aus.ganzzahl(v.jahr);
        aus.schluessel(n::verkauf[1]);
        aus.ganzzahl(v.monat);
        aus.schluessel(n::verkauf[2]);
        aus.ganzzahl(v.tag);
        aus.schluessel(n::verkauf[3]);
        aus.ganzzahl(v.menge);
        aus.schluessel(n::verkauf[4]);
        aus.zahl(v.umsatznetto);
        aus.schluessel(n::verkauf[5]);
        aus.zahl(v.umsatzbrutto);
        aus.schluessel(n::verkauf[6]);
        aus.zahl(v.wareneinsatz);
        aus.schluessel(n::verkauf[7]);
        aus.zahl(v.wequote);
        aus.schluessel(n::verkauf[8]);
        aus.zahl(v.deckungsbeitrag);
        aus.objektEnde();
    }
    aus.listeEnde();
}

void schreibeRezepte(const TDaten& daten, TJsonAusgabe& aus) {
    aus.listeAnfang();
    for (uint32_t i = 0; i < daten.anzahlRezepte(); ++i) {
        const TRezept& r = daten.rezept(i);
        aus.ort = {TJsonEbene::rezept, i, 0};
        aus.objektAnfang();
        aus.schluessel(n::rezept[0]);
        aus.text(TextView(r.name));
        aus.schluessel(n::rezept[1]);
        aus.text(TextView(r.beschreibung));
        aus.schluessel(n::rezept[2]);
        aus.text(TextView(r.bilddatei));
        aus.schluessel(n::rezept[3]);
        aus.zahl(r.menge);
        aus.schluessel(n::rezept[4]);
        aus.zahl(r.vkbrutto);
        aus.schluessel(n::rezept[5]);
        aus.ganzzahl(r.gruppe);
        aus.schluessel(n::rezept[6]);
        schreibeZeilen(daten, r, i, aus);
        aus.schluessel(n::rezept[7]);
        schreibeVerkaeufe(r, aus);
        schreibeWeitere(daten, aus);
        aus.objektEnde();
        aus.leeren();
    }
    aus.listeEnde();
}

// The names and rates as the data file gets them: an empty name as its default name.
void schreibeGruppen(const TDaten& daten, TJsonAusgabe& aus) {
    aus.ort = {};
    aus.listeAnfang();
    for (int nr = 0; nr < TGruppenTabelle::anzahl; ++nr) {
        aus.ortText = QStringLiteral("gruppen[%1]").arg(nr);
        aus.objektAnfang();
        aus.schluessel(n::gruppe[0]);
        aus.text(daten.GetGruppe(nr));
        aus.schluessel(n::gruppe[1]);
        aus.zahl(daten.GetGruppeMwst(nr));
        aus.schluessel(n::gruppe[2]);
        aus.zahl(daten.GetGruppeWE(nr));
        aus.objektEnde();
    }
    aus.listeEnde();
    aus.ortText.clear();
}

// The sections of the extension block that this program does not know, byte for byte.
void schreibeFremde(const TDaten& daten, TJsonAusgabe& aus) {
    const auto& fremde = daten.erweiterung.fremde;
    if (fremde.empty())
        return;
    aus.schluessel(n::oben[n::erweiterung]);
    aus.listeAnfang();
    for (const TFremderAbschnitt& f : fremde) {
        aus.objektAnfang();
        aus.schluessel(n::abschnitt[0]);
        aus.text(TagText(f.tag));
        aus.schluessel(n::abschnitt[1]);
        aus.ganzzahl(f.bezug);
        aus.schluessel(n::abschnitt[2]);
        aus.bytes(f.inhalt);
        aus.objektEnde();
        aus.leeren();
    }
    aus.listeEnde();
}

} // namespace

void SchreibeJson(const TDaten& daten, QIODevice& geraet) {
    TJsonAusgabe aus(geraet);
    aus.objektAnfang();
    aus.schluessel(n::oben[n::format]);
    aus.text(QString::fromUtf8(n::formatName.data(), qsizetype(n::formatName.size())));
    aus.schluessel(n::oben[n::version]);
    aus.ganzzahl(n::version1);
    aus.schluessel(n::oben[n::zutaten]);
    schreibeZutaten(daten, aus);
    aus.schluessel(n::oben[n::rezepte]);
    schreibeRezepte(daten, aus);
    aus.schluessel(n::oben[n::gruppen]);
    schreibeGruppen(daten, aus);
    schreibeFremde(daten, aus);
    aus.ort = {};
    schreibeWeitere(daten, aus);
    aus.objektEnde();
    aus.abschliessen();
}

QByteArray DatenAlsJson(const TDaten& daten) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    SchreibeJson(daten, puffer);
    return bytes;
}
