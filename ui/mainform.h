#pragma once

#include "core/daten.h"
#include "core/liste.h"
#include "core/melder.h"
#include "core/verlauf.h"
#include "lists/sortierung.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class TDiagrammFlaeche;
class TListenAnsicht;
class TStammdatenSeite;
class TZahlFeld;
struct TDateiErgebnis;

namespace fenster {

class TAboutBox;
class TAllergenDokuForm;
class TAllergenkarteForm;
class TAufschluesselungForm;
class TProduktionsForm;
class TCalcAmountsForm;
class TKennzeichnungSeite;
class TKostenpruefungForm;
class TMenueanalyseForm;
class TPreisaenderungForm;
class TRezeptForm;
class TSicherungForm;
struct TVerlaufsZustand;
class TVerkaufsImportForm;
class TPreisentwicklungForm;
class TPreisverlaufForm;
class TVerkaufsListeForm;
class TZeigeBildForm;
class TZielpreisForm;
class TZutatAuswaehlenForm;
class TZutatForm;

// The main window: owner of all data of the running program. It starts the run (loads
// the working file), keeps the data in the working file, opens and saves documents, and
// shows the lists of the five tabs. Every change of ingredients, recipes or sales ends
// with ListRezepte() and SaveZutaten(), in this order.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // `argumente`: the command-line arguments after the program's name; the first one
    // names a document that is opened at the first showing.
    explicit TMainForm(QStringList argumente = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- Data, start, working file and documents (mainform.cpp, mainform_datei.cpp) ---
    TDaten daten;

    void FormCreate();
    void FormShow();
    // Writes the open document and the working file, then releases the data. Runs once,
    // when the window closes; asks nothing.
    void FormDestroy();
    // The data directory, ending in a separator; `create` makes it when missing.
    QString GetProgramDir(bool create) const;
    void LoadZutaten();
    // Writes the working file. A failure is shown once, until a save succeeds again.
    void SaveZutaten();
    void Neu1Click();
    void ffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void Datei1Click();
    // The window title: maincap, and the open document's path while there is one.
    void setzeTitel();
    // The file dialogs of documents.
    static TDateiDialog OpenDialog1();
    static TDateiDialog SaveDialog1();

    // --- Menu bar and tool bar ---
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Datei1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Druckereinrichten1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* ber1 = nullptr; // top-level item after the menus; insert new menus before it
    TAboutBox* AboutBox = nullptr;
    void ber1Click(); // mainform_info.cpp
    QToolBar* ToolBar1 = nullptr;
    QToolButton* NewBtn = nullptr;
    QToolButton* OpenBtn = nullptr;
    QToolButton* SaveBtn = nullptr;
    QToolButton* SpeedButton1 = nullptr; // "Speichern unter..."
    QToolButton* SpeedButton2 = nullptr; // "Drucken"

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // "Stammdaten"
    QWidget* TabSheet2 = nullptr; // "Zutaten"
    QWidget* TabSheet3 = nullptr; // "Rezepte"
    QWidget* TabSheet4 = nullptr; // "Verkäufe"
    QWidget* TabSheet5 = nullptr; // "Auswertung"

    // --- Tab "Stammdaten": the group table ---
    QTabWidget* PageControl2 = nullptr;
    TStammdatenSeite* ProduktSeite = nullptr;        // groups 0..19
    TStammdatenSeite* DienstleistungSeite = nullptr; // groups 20..39
    // The name field Edit1 .. Edit40 of group nr (0..39) and its two rate fields.
    QLineEdit* GruppenEdit(int nr) const;
    TZahlFeld* MwstEdit(int nr) const;
    TZahlFeld* WeEdit(int nr) const;
    // An edit of the table was finished: the lists show its rates and names (the
    // working file is written with the next change of data, as before).
    void StammdatenBearbeitet();

    // --- Tab "Zutaten" ---
    QPushButton* NewZutatBtn = nullptr;
    QPushButton* ZutatEditBtn = nullptr;
    QPushButton* DelZutatBtn = nullptr;
    QCheckBox* DoNotImportColumnsCheck = nullptr;
    QLineEdit* SuchEd = nullptr;
    QPushButton* SuchenBtn = nullptr;
    QPushButton* WeitersuchenBtn = nullptr;
    QPushButton* BitBtn5 = nullptr; // export
    QPushButton* ImportBtn = nullptr;
    TListenAnsicht* ListView1 = nullptr;
    void ListView1ColumnClick(int spalte);
    void ListView1DblClick(); // does what "Bearbeiten..." does
    void SuchenBtnClick();
    void WeitersuchenBtnClick();
    void BitBtn5Click(); // export (mainform_csv.cpp)
    // Appends ingredients from a CSV file chosen in OpenDialog2 (mainform_csv.cpp).
    void ImportBtnClick();
    // The ingredient dialog and its handlers (mainform_zutaten.cpp).
    TZutatForm* ZutatForm = nullptr;
    void NewZutatBtnClick();
    void ZutatEditBtnClick();
    void DelZutatBtnClick();

    // --- Tab "Rezepte" ---
    QPushButton* NewRezeptBtn = nullptr;
    QPushButton* EditRezeptBtn = nullptr;
    QPushButton* RezeptKopieBtn = nullptr;
    QPushButton* DelRezeptBtm = nullptr;
    QComboBox* FilterCombo = nullptr;
    QLineEdit* SuchEd2 = nullptr;
    QPushButton* SuchBtn2 = nullptr;
    QPushButton* WeiterSuchenBtn2 = nullptr;
    QPushButton* BitBtn4 = nullptr; // export
    TListenAnsicht* ListView2 = nullptr;
    void ListView2ColumnClick(int spalte);
    void ListView2DblClick(); // does what "Bearbeiten..." does
    void FilterComboChange();
    void SuchBtn2Click();
    void WeiterSuchenBtn2Click();
    void BitBtn4Click(); // export (mainform_csv.cpp)
    // The recipe dialog, the dialogs it opens, and the handlers (mainform_rezepte.cpp).
    TRezeptForm* RezeptForm = nullptr;
    TZutatAuswaehlenForm* ZutatAuswaehlenForm = nullptr;
    TZeigeBildForm* ZeigeBildForm = nullptr;
    TCalcAmountsForm* CalcAmountsForm = nullptr;
    void NewRezeptBtnClick();
    void EditRezeptBtnClick();
    // The recipe dialog for the stored recipe nr, and its change on OK.
    void bearbeiteRezept(int nr);
    void RezeptKopieBtnClick();
    void DelRezeptBtmClick();

    // --- Tab "Verkäufe" ---
    TListenAnsicht* ListView3 = nullptr;
    QCalendarWidget* MonthCalendar1 = nullptr;
    TZahlFeld* PortionEd = nullptr;
    QPushButton* VerkaufBtn = nullptr;
    QPushButton* VerkaufsListeBtn = nullptr;
    QComboBox* FilterCombo2 = nullptr;
    QDateEdit* DateTimePicker3 = nullptr;
    QLineEdit* SuchEd3 = nullptr;
    QPushButton* SuchBtn3 = nullptr;
    QPushButton* WeiterSuchenBtn3 = nullptr;
    QPushButton* BitBtn2 = nullptr; // export
    void ListView3ColumnClick(int spalte);
    void FilterCombo2Change();
    void DateTimePicker3Change();
    void SuchBtn3Click();
    void WeiterSuchenBtn3Click();
    // Recording a sale and the sales list dialog (mainform_verkauf.cpp).
    TVerkaufsListeForm* VerkaufsListeForm = nullptr;
    void VerkaufBtnClick();
    void VerkaufsListeBtnClick();
    void BitBtn2Click(); // export (mainform_csv.cpp)

    // --- Tab "Auswertung" ---
    QComboBox* KennzahlCombo = nullptr;
    QComboBox* GruppeBox = nullptr;
    QRadioButton* OriginalCheck = nullptr;
    QRadioButton* SimulationCheck = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QDateEdit* DateTimePicker2 = nullptr;
    QPushButton* BitBtn3 = nullptr; // export
    QTabWidget* PageControl3 = nullptr;
    TListenAnsicht* ListView4 = nullptr;
    TDiagrammFlaeche* PaintBox1 = nullptr;
    // Rebuilds the evaluation table from the settings and redraws the chart; a start
    // after the end keeps the table shown.
    void FillAuswertung();
    // The triggers of the evaluation (mainform_auswertung.cpp). The radio buttons act on
    // their state, whatever switched them.
    void KennzahlComboChange();
    void OriginalCheckClick(bool gewaehlt);
    void SimulationCheckClick(bool gewaehlt);
    // A start after the end moves the end, an end before the start moves the start.
    void DateTimePicker1Change();
    void DateTimePicker2Change();
    void GruppeBoxChange(); // redraws the chart
    void TabSheet5Show();
    void BitBtn3Click(); // export of the table, whichever page is shown (mainform_csv.cpp)

    // --- CSV (mainform_csv.cpp) ---
    // The one save dialog of the four exports: it proposes the name chosen last.
    TDateiDialog SaveDialog2() const;
    TDateiDialog OpenDialog2() const;
    // Writes the list as shown; throws TFehler when the file cannot be written.
    void ExportToFile(const TListenAnsicht& listview1, const QString& fname);

    // --- Menu "Extras": costing insights and the till-sales import (mainform_extras.cpp) ---
    QMenu* Extras1 = nullptr;
    QAction* Kostenaufschluesselung1 = nullptr;
    QAction* Kostenpruefung1 = nullptr;
    QAction* Zielpreis1 = nullptr;
    QAction* Preisaenderung1 = nullptr;
    QAction* Menueanalyse1 = nullptr;
    QAction* VerkaeufeImportieren1 = nullptr;
    TAufschluesselungForm* AufschluesselungForm = nullptr;
    TProduktionsForm* ProduktionsForm = nullptr; // "Produktionsliste" of the amounts
    TKostenpruefungForm* KostenpruefungForm = nullptr;
    TZielpreisForm* ZielpreisForm = nullptr;
    TPreisaenderungForm* PreisaenderungForm = nullptr;
    TMenueanalyseForm* MenueanalyseForm = nullptr;
    TVerkaufsImportForm* VerkaufsImportForm = nullptr;
    // Purchase prices over time (mainform_preise.cpp).
    QAction* PreislisteImportieren1 = nullptr;
    QAction* Preisaenderungen1 = nullptr;
    TVerkaufsImportForm* PreislistenImportForm = nullptr;
    TPreisentwicklungForm* PreisentwicklungForm = nullptr;
    TPreisverlaufForm* PreisverlaufForm = nullptr;
    QString letztePreisliste;
    void verbindePreise();
    void PreislisteImportieren1Click();
    void Preisaenderungen1Click();
    // "Preisverlauf..." of the ingredient dialog.
    void zeigePreisverlauf(uint32_t zutat);
    QLabel* KostenhinweisLabel = nullptr; // in the status bar
    // The breakdown and the target price act on the recipe selected on the tab "Rezepte".
    void Kostenaufschluesselung1Click();
    void Kostenpruefung1Click();
    void Zielpreis1Click();
    void Preisaenderung1Click();
    void Menueanalyse1Click();
    void VerkaeufeImportieren1Click();
    TDateiDialog OpenDialog3() const; // the till file of the sales import
    // The count of recipes with cost warnings while the tab "Rezepte" is shown, else empty.
    void zeigeKostenhinweise();
    // Prints a table of those dialogs on the window's printer, headed by `titel` and the
    // lines `zeilen`.
    void druckeListe(const QString& titel, const TListe& liste, const QStringList& zeilen = {});

    // --- Menu "Bearbeiten", undo history and backups (mainform_verlauf.cpp) ---
    QMenu* Bearbeiten1 = nullptr;
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederherstellen1 = nullptr;
    QAction* SicherungWiederherstellen1 = nullptr; // in "Datei"
    TSicherungForm* SicherungForm = nullptr;
    void Rueckgaengig1Click();
    void Wiederherstellen1Click();
    // Restores a backup as the working data, after keeping the working file as it is.
    void SicherungWiederherstellen1Click();
    // A step of the history (see TOffenerSchritt, ui/verlaufschritt.h): the state now is
    // the state before the step named `name`; the next SaveZutaten() records it.
    void oeffneSchritt(const QString& name);
    // The handler ended: a step not recorded by then is forgotten, or recorded when the
    // handler left by an error after changing data.
    void endeSchritt(bool fehler);
    // The history for reading: steps, names and memory.
    const TVerlauf& verlauf() const;
    // Keeps the working file as it is now as a backup named by `grund`; a failure is
    // reported as a failing save is.
    void sichereVor(const QString& grund);
    // "Neu..." and "Öffnen...": the working file kept, and a fresh history.
    void neuerStand(const QString& grund);
    // --- Allergens and additives (mainform_kennzeichnung.cpp) ---
    TKennzeichnungSeite* KennzeichnungSeite = nullptr; // master-data page "Kennzeichnung"
    QAction* Allergenkarte1 = nullptr;
    QAction* AllergenDoku1 = nullptr;
    TAllergenkarteForm* AllergenkarteForm = nullptr;
    TAllergenDokuForm* AllergenDokuForm = nullptr;
    void Allergenkarte1Click();
    // The record of the recipe selected on the tab "Rezepte".
    void AllergenDoku1Click();

    // --- Printing (mainform_druck.cpp) ---
    // Runs a printout on the window's printer as every print command does: the printer
    // checked, the job named, a wait cursor meanwhile.
    void druckeAufDrucker(
        const std::function<void(QPrinter&, const std::function<void(const QString&)>&)>& drucke);
    // "Drucken": the active tab's list, or the chart while the evaluation shows it.
    void Drucken1Click();
    // "Drucker einrichten...": printer, paper and orientation for every later printout.
    void Druckereinrichten1Click();
    // The one printer of the run, made at its first use; every printout goes to it.
    QPrinter& Drucker();

    // --- Lists of all tabs (mainform_listen.cpp) ---
    // Rebuilds the ingredient, recipe and sales lists, each ordered by its sort state,
    // and the items of both filters.
    void ListRezepte();
    // "Suchen" (fromstart) and "Weitersuchen": selects the next row holding the text and
    // scrolls it into view.
    void DurchsucheListView(const QString& suchtext, TListenAnsicht& listview1, bool fromstart);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void baueMenue();
    void baueWerkzeugleiste();
    QWidget* baueStammdaten();
    QWidget* baueZutaten();
    QWidget* baueRezepte();
    QWidget* baueVerkaeufe();
    QWidget* baueAuswertung();
    void verbinde();
    void setzeStartwerte();

    // Reads a document and makes it the open one; see the definition for the cases.
    void OeffneDokument(const QString& pfad);
    // Writes all data to a document; throws TFehler with the reason when that fails.
    void SpeichereDokument(const QString& pfad);
    // The data was replaced by a file: show its groups, rebuild the lists.
    void DatenGelesen();

    // Orders a shown list by its sort state, with the keys kept since its filling, and
    // keeps the selected record selected.
    void ordneListe(TListenAnsicht& ansicht, TSortSchluessel& schluessel, int32_t spalte,
                    bool richtung, TListenArt art);
    // Releases lists that are no longer shown, once the new ones are on screen.
    void gibSpaeterFrei(TListe alt);

    // Sales, evaluation and CSV (mainform_verkauf.cpp, mainform_auswertung.cpp,
    // mainform_csv.cpp).
    void verbindeVerkauf();
    // Ingredients, recipes and the about dialog: each creates its dialogs, once, and
    // connects its controls (mainform_zutaten.cpp, mainform_rezepte.cpp, mainform_info.cpp).
    void verbindeZutaten();
    void verbindeRezepte();
    void verbindeInfo();
    // The ingredient or recipe of the selected row; nothing, after the message, when no
    // row is selected.
    std::optional<int> gewaehlteZutat() const;
    std::optional<int> gewaehltesRezept() const;
    // After a change of ingredients or recipes: rebuild, save, and select record nr.
    void zutatenGeaendert(std::optional<int> nr);
    void rezepteGeaendert(std::optional<int> nr);
    void verbindeAuswertung();
    void verbindeCsv();
    // The menu "Extras", its dialogs and the status bar's count (mainform_extras.cpp).
    void verbindeExtras();
    // The menu "Bearbeiten", the restore item and the master-data fields' steps.
    void verbindeVerlauf();
    // Writes the working file as SaveZutaten() does: the open step recorded, the daily
    // backup made, then `bytes`, or the data when they are empty (the bytes of a step just
    // recorded, so that they are not made twice).
    TDateiErgebnis schreibeArbeitsdatei(QByteArray bytes);
    void sichereTaeglich();
    // Records the open step; the data's bytes after it, or nothing when none was open.
    QByteArray schliesseSchritt();
    // The run of edits in one master-data field becomes a step.
    void schliesseStammdatenlauf();
    // feld: 0 the name, 1 the VAT rate, 2 the target ratio of group nr.
    void stammdatenBearbeitet(int nr, int feld);
    void zeigeVerlauf();
    // Undo (zurueck) or redo: the state from the history, shown and saved.
    void geheImVerlauf(bool zurueck);
    void meldeSicherung(const TDateiErgebnis& ergebnis);
    // The data was replaced as a whole: nothing to undo any more.
    void verlaufNeu();
    // The master-data page and the two dialogs of the declaration.
    void verbindeKennzeichnung();
    // The print commands of the window and of the recipe and amount dialogs.
    void verbindeDruck();
    // Alt keys of the tabs' buttons, Return and Delete in the lists and the portions
    // field (mainform_tastatur.cpp).
    void verbindeTastatur();
    // "Kalkulation drucken" and "Rezept drucken" of both dialogs, with what they show.
    void RezeptPrintKalkBtnClick();
    void RezeptBitBtn6Click();
    void MengenPrintKalkBtnClick();
    void MengenBitBtn6Click();
    // "Rezeptkarte drucken": the kitchen's card of what the recipe dialog shows.
    void RezeptkarteBtnClick();
    // Shared, so that the header needs no printer type to destroy it.
    std::shared_ptr<QPrinter> drucker;
    // The recipe of the selected sales row; nothing, after the message, when no row is
    // selected.
    std::optional<uint32_t> gewaehltesGericht() const;
    // After a change of sales: rebuild, save, and select the recipe again.
    void verkaeufeGeaendert(int rezeptNr);
    void exportiere(const TListenAnsicht& liste);
    QString letzteCsvDatei;
    QString letzteImportDatei;
    QString letzteVerkaufsDatei;

    QStringList argumente;
    bool zerstoert = false;
    bool arbeitsdateiFehlerGezeigt = false;
    bool sicherungFehlerGezeigt = false;
    // The history and its open step (mainform_verlauf.cpp); shared so that this header
    // needs no complete type to destroy it.
    std::shared_ptr<TVerlaufsZustand> verlaufZustand;
    TSortSchluessel schluessel1; // ingredient list
    TSortSchluessel schluessel2; // recipe list
    TSortSchluessel schluessel3; // sales list
    std::vector<TListe> freizugeben;
    QTimer freigabe;
    QTimer rueckgabe; // hands freed memory back to the system once the user pauses
};

} // namespace fenster
