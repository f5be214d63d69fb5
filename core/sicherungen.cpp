#include "core/sicherungen.h"

#include "core/daten.h"
#include "core/datumstext.h"
#include "core/fehler.h"
#include "core/liste.h"
#include "core/uhr.h"
#include "core/zahlen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString Vorsilbe = QStringLiteral("zutaten-");

bool Neuer(const TSicherung& a, const TSicherung& b) {
    if (a.zeitpunkt() != b.zeitpunkt())
        return a.zeitpunkt() > b.zeitpunkt();
    if (a.folge != b.folge)
        return a.folge > b.folge;
    return a.datei > b.datei;
}

// Copies the file through the atomic writer, so that a failed copy leaves no half file
// under a backup's name.
TDateiErgebnis Kopiere(const QString& von, const QString& nach) {
    QFile quelle(von);
    if (!quelle.open(QIODevice::ReadOnly))
        return TDateiErgebnis::Fehler(
            TDateiErgebnis::Art::nichtGeoeffnet,
            QStringLiteral("Cannot open file \"%1\". %2").arg(von, quelle.errorString()));
    const QByteArray bytes = quelle.readAll();
    if (quelle.error() != QFileDevice::NoError)
        return TDateiErgebnis::Fehler(TDateiErgebnis::Art::fehler, quelle.errorString());
    return SpeichereAtomar(nach, [&](QIODevice& ziel) {
        if (ziel.write(bytes) != bytes.size())
            throw TFehler(ziel.errorString().isEmpty() ? QStringLiteral("Disk full")
                                                       : ziel.errorString());
    });
}

TDateiErgebnis Ordner(const QString& ordner) {
    if (QDir().mkpath(ordner))
        return {};
    return TDateiErgebnis::Fehler(TDateiErgebnis::Art::nichtGeoeffnet,
                                  QStringLiteral("Cannot create folder \"%1\"").arg(ordner));
}

QString MitTrenner(QString pfad) {
    if (!pfad.isEmpty() && !pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    return pfad;
}

} // namespace

QString StandardDatenordner() {
    const QString basis = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (basis.isEmpty())
        return {};
    return MitTrenner(basis) + QStringLiteral("Tolvane/Vellitra/");
}

QString Sicherungsordner(const QString& datenordner) {
    return MitTrenner(datenordner) + QStringLiteral("Sicherungen/");
}

std::optional<TSicherung> LeseSicherungsname(const QString& name) {
    static const QRegularExpression muster(QStringLiteral(
        "^zutaten-(\\d{4}-\\d{2}-\\d{2})(?:-(\\d{6})-([a-z]+)(?:-([1-9]\\d{0,5}))?)?\\.dat$"));
    const QRegularExpressionMatch m = muster.match(name);
    if (!m.hasMatch())
        return std::nullopt;
    TSicherung s;
    s.datei = name;
    s.datum = QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd"));
    if (!s.datum.isValid())
        return std::nullopt;
    if (m.hasCaptured(2)) {
        s.uhrzeit = QTime::fromString(m.captured(2), QStringLiteral("HHmmss"));
        if (!s.uhrzeit.isValid())
            return std::nullopt;
        s.grund = m.captured(3);
        if (m.hasCaptured(4)) {
            s.folge = m.captured(4).toInt();
            if (s.folge < 2)
                return std::nullopt;
        }
    } else {
        s.grund = Sicherungsgrund::taeglich;
    }
    return s;
}

std::vector<TSicherung> Sicherungen(const QString& ordner) {
    std::vector<TSicherung> liste;
    const QDir dir(ordner);
    const QFileInfoList dateien =
        dir.entryInfoList({Vorsilbe + QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& info : dateien) {
        std::optional<TSicherung> s = LeseSicherungsname(info.fileName());
        if (!s)
            continue;
        s->pfad = info.filePath();
        s->groesse = info.size();
        liste.push_back(std::move(*s));
    }
    std::sort(liste.begin(), liste.end(), Neuer);
    return liste;
}

TDateiErgebnis SichereTaeglich(const QString& arbeitsdatei, const QString& ordner, QDate heute) {
    const QFileInfo info(arbeitsdatei);
    if (!info.exists())
        return {};
    const QDate tag = info.lastModified().toLocalTime().date();
    if (!tag.isValid() || tag >= heute)
        return {};
    const QString ziel = MitTrenner(ordner) + Vorsilbe +
                         tag.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".dat");
    if (QFileInfo::exists(ziel))
        return {};
    if (TDateiErgebnis e = Ordner(ordner); !e.ok())
        return e;
    TDateiErgebnis e = Kopiere(arbeitsdatei, ziel);
    if (e.ok())
        RaeumeSicherungenAuf(ordner);
    return e;
}

TDateiErgebnis SichereVorEreignis(const QString& arbeitsdatei, const QString& ordner,
                                  const QDateTime& jetzt, const QString& grund) {
    if (!QFileInfo::exists(arbeitsdatei))
        return {};
    if (TDateiErgebnis e = Ordner(ordner); !e.ok())
        return e;
    const QString stamm = MitTrenner(ordner) + Vorsilbe +
                          jetzt.toString(QStringLiteral("yyyy-MM-dd-HHmmss-")) + grund;
    QString ziel = stamm + QStringLiteral(".dat");
    for (int folge = 2; QFileInfo::exists(ziel); ++folge)
        ziel = stamm + QStringLiteral("-%1.dat").arg(folge);
    TDateiErgebnis e = Kopiere(arbeitsdatei, ziel);
    if (e.ok())
        RaeumeSicherungenAuf(ordner);
    return e;
}

QDateTime Sicherungszeit() {
    return QDateTime(TUhr::heute(), QTime::currentTime());
}

void RaeumeSicherungenAuf(const QString& ordner) {
    int tage = 0;
    int andere = 0;
    for (const TSicherung& s : Sicherungen(ordner)) {
        int& gezaehlt = s.taeglich() ? tage : andere;
        const int grenze = s.taeglich() ? behalteneTagessicherungen : behalteneEreignissicherungen;
        if (++gezaehlt > grenze)
            QFile::remove(s.pfad);
    }
}

TDateiErgebnis LeseSicherungsInhalt(const QString& pfad, TSicherungsInhalt& inhalt) {
    TDaten daten;
    const TDateiErgebnis e = LoadOptionsFile(daten, pfad);
    if (!e.ok())
        return e;
    inhalt.zutaten = daten.anzahlZutaten();
    inhalt.rezepte = daten.anzahlRezepte();
    inhalt.verkaufstage = 0;
    for (uint32_t i = 0; i < daten.anzahlRezepte(); ++i)
        if (const TDynaArray* v = daten.rezept(i).verkaeufe)
            inhalt.verkaufstage += v->count;
    return e;
}

std::vector<TSicherungsZeile> LeseSicherungen(const QString& ordner,
                                              TSicherungsGedaechtnis* bekannt) {
    std::vector<TSicherungsZeile> zeilen;
    for (TSicherung& s : Sicherungen(ordner)) {
        const QString schluessel = QStringLiteral("%1|%2|%3")
                                       .arg(s.pfad)
                                       .arg(s.groesse)
                                       .arg(QFileInfo(s.pfad).lastModified().toMSecsSinceEpoch());
        if (bekannt && bekannt->contains(schluessel)) {
            zeilen.push_back(bekannt->value(schluessel));
            continue;
        }
        TSicherungsZeile z;
        TSicherungsInhalt inhalt;
        const TDateiErgebnis e = LeseSicherungsInhalt(s.pfad, inhalt);
        if (e.ok())
            z.inhalt = inhalt;
        else
            z.fehler = e.meldung;
        z.sicherung = std::move(s);
        if (bekannt)
            bekannt->insert(schluessel, z);
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

QString Sicherungsgrundtext(const QString& grund) {
    if (grund == Sicherungsgrund::taeglich)
        return QStringLiteral("Tagessicherung");
    if (grund == Sicherungsgrund::import)
        return QStringLiteral("vor Zutatenimport");
    if (grund == Sicherungsgrund::verkaufsimport)
        return QStringLiteral("vor Verkaufsimport");
    if (grund == Sicherungsgrund::neu)
        return QStringLiteral("vor Neu");
    if (grund == Sicherungsgrund::oeffnen)
        return QStringLiteral("vor Öffnen");
    if (grund == Sicherungsgrund::wiederherstellen)
        return QStringLiteral("vor Wiederherstellen");
    return grund;
}

TListe SicherungsListe(const std::vector<TSicherungsZeile>& zeilen) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Datum"), 80},
                    {QStringLiteral("Uhrzeit"), 60},
                    {QStringLiteral("Grund"), 140},
                    {QStringLiteral("Zutaten"), 60},
                    {QStringLiteral("Rezepte"), 60},
                    {QStringLiteral("Verkaufstage"), 80},
                    {QStringLiteral("Größe"), 80},
                    {QStringLiteral("Nr"), 0}});
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const TSicherungsZeile& z = zeilen[i];
        const TSicherung& s = z.sicherung;
        const auto zahl = [&](qint64 n) { return z.inhalt ? ZahlFest(double(n), 0) : QString(); };
        l.zeilen.append(
            {KurzesDatum(s.datum),
             s.taeglich() ? QString() : s.uhrzeit.toString(QStringLiteral("HH:mm:ss")),
             Sicherungsgrundtext(s.grund),
             z.inhalt ? zahl(z.inhalt->zutaten) : QStringLiteral("nicht lesbar"),
             zahl(z.inhalt ? z.inhalt->rezepte : 0), zahl(z.inhalt ? z.inhalt->verkaufstage : 0),
             ZahlFest(double(s.groesse) / 1024.0, 0) + QStringLiteral(" KB"), QString::number(i)});
    }
    return l;
}
