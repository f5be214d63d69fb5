#pragma once

#include <QString>
#include <array>

// The 40 recipe groups: 0..19 products, 20..39 services. Names and rates are kept as
// the texts that the master-data page shows, so that the page can edit them in place
// and every reader sees what was typed at once.
class TGruppenTabelle {
public:
    static constexpr int anzahl = 40;

    TGruppenTabelle(); // the defaults

    QString GetGruppe(int nr) const;
    void SetGruppe(int nr, const QString& nam);
    double GetGruppeMwst(int nr) const;
    void SetGruppeMwst(int nr, double mwst);
    double GetGruppeWE(int nr) const;
    void SetGruppeWE(int nr, double we);

    // The raw texts, as the master-data fields hold them.
    QString& nameText(int nr) { return eintraege[size_t(nr)].name; }
    QString& mwstText(int nr) { return eintraege[size_t(nr)].mwst; }
    QString& weText(int nr) { return eintraege[size_t(nr)].we; }
    const QString& nameText(int nr) const { return eintraege[size_t(nr)].name; }
    const QString& mwstText(int nr) const { return eintraege[size_t(nr)].mwst; }
    const QString& weText(int nr) const { return eintraege[size_t(nr)].we; }

    static bool gueltig(int nr) { return nr >= 0 && nr < anzahl; }
    static QString Standardname(int nr);

    bool operator==(const TGruppenTabelle&) const = default;

private:
    struct TEintrag {
        QString name;
        QString mwst;
        QString we;
        bool operator==(const TEintrag&) const = default;
    };
    std::array<TEintrag, anzahl> eintraege;
};
