// The main window: its controls, their layout and the start values.
#include "ui/mainform.h"

#include "core/datumstext.h"
#include "core/uhr.h"
#include "lists/auswertung.h"
#include "lists/listen.h"
#include "ui/diagrammflaeche.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/stammdatenseite.h"
#include "ui/symbole.h"
#include "ui/zahlfeld.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace fenster {

namespace {

const QDate ersterTag(1900, 1, 1);
const QDate letzterTag(2199, 12, 31);

// Pixels at 96 dpi on this screen.
int px(const QWidget* w, int pixel96) {
    return int(pixel96 * w->logicalDpiX() / 96.0 + 0.5);
}

QLabel* Beschriftung(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

QPushButton* Knopf(const char* name, const QString& text, const QIcon& icon = {}) {
    auto* b = new QPushButton(icon, text);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QDateEdit* Datumsfeld(const char* name, QDate datum) {
    auto* d = new QDateEdit;
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(KurzesDatumsformat()); // four-digit years
    d->setCalendarPopup(true);
    d->setDateRange(ersterTag, letzterTag);
    d->setDate(datum);
    return d;
}

QComboBox* Auswahlliste(const char* name) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(false);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    c->setMinimumContentsLength(18);
    return c;
}

QLineEdit* Suchfeld(const char* name) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    e->setClearButtonEnabled(true);
    return e;
}

// A list view named for the control and for the people reading it.
TListenAnsicht* Liste(const char* name, const QString& lesbar) {
    auto* l = new TListenAnsicht(lesbar);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QToolButton* Werkzeugknopf(const char* name, const QString& tipp, const QIcon& icon) {
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(icon);
    b->setToolTip(tipp);
    b->setAccessibleName(tipp);
    b->setText(tipp);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setAutoRaise(true);
    return b;
}

// The search row of a list: a field with its label and the two buttons.
QHBoxLayout* Suchzeile(QLineEdit* feld, QPushButton* suchen, QPushButton* weiter) {
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(Beschriftung(QStringLiteral("Such&text:"), feld));
    zeile->addWidget(feld, 1);
    zeile->addWidget(suchen);
    zeile->addWidget(weiter);
    return zeile;
}

// A panel of fixed height above or below a list.
QWidget* Tafel(QLayout* inhalt, int hoehe, QWidget* massstab) {
    auto* t = new QWidget;
    t->setLayout(inhalt);
    t->setFixedHeight(std::max(px(massstab, hoehe), inhalt->sizeHint().height()));
    return t;
}

// A list page: the two rows of controls on a panel above the list.
QWidget* Listenseite(QLayout* oben, QLayout* unten, QWidget* liste, QWidget* massstab) {
    auto* tafel = new QVBoxLayout;
    tafel->setContentsMargins(0, 0, 0, 0);
    tafel->addLayout(oben);
    tafel->addLayout(unten);
    auto* seite = new QWidget;
    auto* layout = new QVBoxLayout(seite);
    layout->addWidget(Tafel(tafel, 73, massstab));
    layout->addWidget(liste, 1);
    return seite;
}

} // namespace

TMainForm::TMainForm(QStringList args, QWidget* parent)
    : QMainWindow(parent), argumente(std::move(args)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tolvane Ormisto 1.0"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    baueMenue();
    baueWerkzeugleiste();

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = baueStammdaten();
    TabSheet2 = baueZutaten();
    TabSheet3 = baueRezepte();
    TabSheet4 = baueVerkaeufe();
    TabSheet5 = baueAuswertung();
    const QStringList reiter = {QStringLiteral("Stammdaten"), QStringLiteral("Zutaten"),
                                QStringLiteral("Rezepte"), QStringLiteral("Verkäufe"),
                                QStringLiteral("Auswertung")};
    const QList<QWidget*> seiten = {TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5};
    for (int i = 0; i < seiten.size(); ++i) {
        seiten[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        PageControl1->addTab(seiten[i], reiter[i]);
    }
    PageControl1->setCurrentWidget(TabSheet2);
    setCentralWidget(PageControl1);

    freigabe.setSingleShot(true);
    freigabe.setInterval(0);
    connect(&freigabe, &QTimer::timeout, this, [this] {
        freizugeben.clear();
        rueckgabe.start();
    });
    // Large lists leave the heap full of free space. Handing it back at once would make
    // the next rebuild (a sale, the next document) fault every page in again, so it goes
    // back only after two quiet seconds.
    rueckgabe.setSingleShot(true);
    rueckgabe.setInterval(2000);
#ifdef __GLIBC__
    connect(&rueckgabe, &QTimer::timeout, this, [] { malloc_trim(0); });
#endif

    verbinde();
    verbindeZutaten();
    verbindeRezepte();
    verbindeVerkauf();
    verbindeInfo();
    verbindeAuswertung();
    verbindeCsv();
    verbindeDruck();
    verbindeExtras();
    verbindeTastatur();
    verbindeVerlauf();
    verbindeKennzeichnung();
    resize(px(this, 719), px(this, 543) + menuBar()->sizeHint().height());

    Behandle([this] { FormCreate(); });
}

TMainForm::~TMainForm() {
    // Destroying the window hides its pages once more, when the data is gone. A field
    // that still has the focus is left now, while the table it writes into is there.
    for (TStammdatenSeite* seite : {ProduktSeite, DienstleistungSeite})
        seite->disconnect(this);
    if (QWidget* feld = focusWidget())
        feld->clearFocus();
}

void TMainForm::baueMenue() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Datei1 = MainMenu1->addMenu(QStringLiteral("&Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    const auto eintrag = [this](const char* name, const QString& text, const QIcon& icon,
                                QKeySequence::StandardKey taste) {
        QAction* a = Datei1->addAction(icon, text);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(taste);
        return a;
    };
    Neu1 = eintrag("Neu1", QStringLiteral("&Neu..."), Symbol::neu(), QKeySequence::New);
    ffnen1 = eintrag("ffnen1", QStringLiteral("Ö&ffnen..."), Symbol::oeffnen(), QKeySequence::Open);
    Speichern1 = eintrag("Speichern1", QStringLiteral("&Speichern"), Symbol::speichern(),
                         QKeySequence::Save);
    Speichernunter1 = eintrag("Speichernunter1", QStringLiteral("Speichern &unter..."),
                              Symbol::speichernUnter(), QKeySequence::SaveAs);
    Datei1->addSeparator();
    Druckereinrichten1 = eintrag("Druckereinrichten1", QStringLiteral("Drucker &einrichten..."), {},
                                 QKeySequence::UnknownKey);
    Drucken1 =
        eintrag("Drucken1", QStringLiteral("&Drucken"), Symbol::drucken(), QKeySequence::Print);
    Datei1->addSeparator();
    Beenden1 = eintrag("Beenden1", QStringLiteral("&Beenden"), {}, QKeySequence::Quit);
    ber1 = MainMenu1->addAction(QStringLiteral("Ü&ber..."));
    ber1->setObjectName(QStringLiteral("ber1"));
}

void TMainForm::baueWerkzeugleiste() {
    ToolBar1 = addToolBar(QStringLiteral("Werkzeugleiste"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->setIconSize(QSize(px(this, 32), px(this, 32)));
    NewBtn = Werkzeugknopf("NewBtn", QStringLiteral("Neu"), Symbol::neu());
    OpenBtn = Werkzeugknopf("OpenBtn", QStringLiteral("Öffnen"), Symbol::oeffnen());
    SaveBtn = Werkzeugknopf("SaveBtn", QStringLiteral("Speichern"), Symbol::speichern());
    SpeedButton1 = Werkzeugknopf("SpeedButton1", QStringLiteral("Speichern unter..."),
                                 Symbol::speichernUnter());
    SpeedButton2 = Werkzeugknopf("SpeedButton2", QStringLiteral("Drucken"), Symbol::drucken());
    for (QToolButton* b : {NewBtn, OpenBtn, SaveBtn, SpeedButton1, SpeedButton2}) {
        b->setFixedSize(px(this, 41), px(this, 41));
        if (b == SpeedButton2) {
            // A small gap sets printing apart from the four file buttons.
            auto* luecke = new QWidget;
            luecke->setFixedWidth(px(this, 8));
            ToolBar1->addWidget(luecke);
        }
        ToolBar1->addWidget(b);
    }
}

QWidget* TMainForm::baueStammdaten() {
    auto* seite = new QWidget;
    PageControl2 = new QTabWidget;
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    ProduktSeite = new TStammdatenSeite(daten.gruppen, 0);
    DienstleistungSeite = new TStammdatenSeite(daten.gruppen, 20);
    ProduktSeite->setObjectName(QStringLiteral("ProduktSeite"));
    DienstleistungSeite->setObjectName(QStringLiteral("DienstleistungSeite"));
    PageControl2->addTab(ProduktSeite, QStringLiteral("Produkte"));
    PageControl2->addTab(DienstleistungSeite, QStringLiteral("Dienstleistungen"));
    auto* layout = new QVBoxLayout(seite);
    layout->addWidget(PageControl2);
    return seite;
}

QLineEdit* TMainForm::GruppenEdit(int nr) const {
    return nr < 20 ? ProduktSeite->name(nr) : DienstleistungSeite->name(nr);
}

TZahlFeld* TMainForm::MwstEdit(int nr) const {
    return nr < 20 ? ProduktSeite->mwst(nr) : DienstleistungSeite->mwst(nr);
}

TZahlFeld* TMainForm::WeEdit(int nr) const {
    return nr < 20 ? ProduktSeite->we(nr) : DienstleistungSeite->we(nr);
}

QWidget* TMainForm::baueZutaten() {
    NewZutatBtn = Knopf("NewZutatBtn", QStringLiteral("Neue Zutat..."), Symbol::ok());
    ZutatEditBtn = Knopf("ZutatEditBtn", QStringLiteral("Bearbeiten..."), Symbol::wiederholen());
    DelZutatBtn = Knopf("DelZutatBtn", QStringLiteral("Löschen"), Symbol::abbrechen());
    BitBtn5 = Knopf("BitBtn5", QStringLiteral("Exportieren als CSV..."));
    ImportBtn = Knopf("ImportBtn", QStringLiteral("CSV Datei importieren..."));
    DoNotImportColumnsCheck =
        new QCheckBox(QStringLiteral("Spaltenüberschriften nicht importieren"));
    DoNotImportColumnsCheck->setObjectName(QStringLiteral("DoNotImportColumnsCheck"));
    DoNotImportColumnsCheck->setChecked(true);
    SuchEd = Suchfeld("SuchEd");
    SuchenBtn = Knopf("SuchenBtn", QStringLiteral("Suchen"));
    WeitersuchenBtn = Knopf("WeitersuchenBtn", QStringLiteral("Weitersuchen"));
    ListView1 = Liste("ListView1", QStringLiteral("Zutaten"));

    auto* oben = new QHBoxLayout;
    oben->addWidget(NewZutatBtn);
    oben->addWidget(ZutatEditBtn);
    oben->addWidget(DelZutatBtn);
    oben->addStretch(1);
    oben->addWidget(BitBtn5);
    oben->addWidget(ImportBtn);
    auto* unten = Suchzeile(SuchEd, SuchenBtn, WeitersuchenBtn);
    unten->addStretch(1);
    unten->addWidget(DoNotImportColumnsCheck);
    return Listenseite(oben, unten, ListView1, this);
}

QWidget* TMainForm::baueRezepte() {
    NewRezeptBtn = Knopf("NewRezeptBtn", QStringLiteral("Neues Rezept..."), Symbol::ok());
    EditRezeptBtn = Knopf("EditRezeptBtn", QStringLiteral("Bearbeiten..."), Symbol::wiederholen());
    RezeptKopieBtn = Knopf("RezeptKopieBtn", QStringLiteral("Kopieren..."), Symbol::doppelhaken());
    DelRezeptBtm = Knopf("DelRezeptBtm", QStringLiteral("Löschen"), Symbol::abbrechen());
    BitBtn4 = Knopf("BitBtn4", QStringLiteral("Exportieren als CSV..."));
    FilterCombo = Auswahlliste("FilterCombo");
    SuchEd2 = Suchfeld("SuchEd2");
    SuchBtn2 = Knopf("SuchBtn2", QStringLiteral("Suchen"));
    WeiterSuchenBtn2 = Knopf("WeiterSuchenBtn2", QStringLiteral("Weitersuchen"));
    ListView2 = Liste("ListView2", QStringLiteral("Rezepte"));

    auto* oben = new QHBoxLayout;
    for (QPushButton* b : {NewRezeptBtn, EditRezeptBtn, RezeptKopieBtn, DelRezeptBtm})
        oben->addWidget(b);
    oben->addStretch(1);
    oben->addWidget(BitBtn4);
    auto* unten = new QHBoxLayout;
    unten->addWidget(Beschriftung(QStringLiteral("&Filtern:"), FilterCombo));
    unten->addWidget(FilterCombo);
    unten->addSpacing(px(this, 16));
    unten->addLayout(Suchzeile(SuchEd2, SuchBtn2, WeiterSuchenBtn2), 1);
    return Listenseite(oben, unten, ListView2, this);
}

QWidget* TMainForm::baueVerkaeufe() {
    ListView3 = Liste("ListView3", QStringLiteral("Verkäufe"));
    MonthCalendar1 = new QCalendarWidget;
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setDateRange(ersterTag, letzterTag);
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->setGridVisible(false);
    PortionEd = new TZahlFeld(0);
    PortionEd->setObjectName(QStringLiteral("PortionEd"));
    PortionEd->setzeBereich(1.0, 100000000.0);
    PortionEd->setzeTextBleibt(true); // "Hinzufügen" refuses what is no whole count
    PortionEd->setAlignment(Qt::AlignRight);
    PortionEd->setzeWert(1);
    VerkaufBtn = Knopf("VerkaufBtn", QStringLiteral("Hinzufügen"), Symbol::doppelhaken());
    VerkaufsListeBtn =
        Knopf("VerkaufsListeBtn", QStringLiteral("Verkaufsliste"), Symbol::wiederholen());
    FilterCombo2 = Auswahlliste("FilterCombo2");
    DateTimePicker3 = Datumsfeld("DateTimePicker3", TUhr::heute());
    SuchEd3 = Suchfeld("SuchEd3");
    SuchBtn3 = Knopf("SuchBtn3", QStringLiteral("Suchen"));
    WeiterSuchenBtn3 = Knopf("WeiterSuchenBtn3", QStringLiteral("Weitersuchen"));
    BitBtn2 = Knopf("BitBtn2", QStringLiteral("Exportieren als CSV..."));

    // Left: the day of the sale; middle: portions and the two buttons; right: what
    // the list shows.
    auto* links = new QVBoxLayout;
    auto* kalenderText =
        Beschriftung(QStringLiteral("Datum anklicken auf das Sie die Abverkäufe erfassen wollen:"),
                     MonthCalendar1);
    kalenderText->setWordWrap(true);
    links->addWidget(kalenderText);
    links->addWidget(MonthCalendar1, 1);

    auto* mitte = new QGridLayout;
    mitte->addWidget(Beschriftung(QStringLiteral("Verkaufte &Portionen:"), PortionEd), 0, 0);
    mitte->addWidget(PortionEd, 0, 1);
    mitte->addWidget(VerkaufBtn, 1, 0, 1, 2);
    mitte->addWidget(VerkaufsListeBtn, 2, 0, 1, 2);
    auto* hinweis = new QLabel(QStringLiteral(
        "Klicken Sie auf ein Gericht in der Liste, geben Sie die verkaufte Menge ein und "
        "drücken Sie \"Hinzufügen\"."));
    hinweis->setWordWrap(true);
    mitte->addWidget(hinweis, 3, 0, 1, 2);
    mitte->setRowStretch(4, 1);

    auto* rechts = new QGridLayout;
    rechts->addWidget(Beschriftung(QStringLiteral("&Filtern:"), FilterCombo2), 0, 0);
    rechts->addWidget(FilterCombo2, 0, 1);
    rechts->addWidget(Beschriftung(QStringLiteral("Anzeigen für diesen Ta&g:"), DateTimePicker3), 1,
                      0);
    rechts->addWidget(DateTimePicker3, 1, 1);
    rechts->addLayout(Suchzeile(SuchEd3, SuchBtn3, WeiterSuchenBtn3), 2, 0, 1, 2);
    auto* export_ = new QHBoxLayout;
    export_->addStretch(1);
    export_->addWidget(BitBtn2);
    rechts->addLayout(export_, 3, 0, 1, 2);
    rechts->setRowStretch(4, 1);

    auto* tafel = new QHBoxLayout;
    tafel->setContentsMargins(0, 0, 0, 0);
    tafel->addLayout(links);
    tafel->addSpacing(px(this, 8));
    tafel->addLayout(mitte);
    tafel->addSpacing(px(this, 8));
    tafel->addLayout(rechts, 1);

    auto* seite = new QWidget;
    auto* layout = new QVBoxLayout(seite);
    layout->addWidget(ListView3, 1);
    layout->addWidget(Tafel(tafel, 186, this));
    return seite;
}

QWidget* TMainForm::baueAuswertung() {
    KennzahlCombo = Auswahlliste("KennzahlCombo");
    KennzahlCombo->addItems(Kennzahlnamen());
    GruppeBox = Auswahlliste("GruppeBox");
    OriginalCheck = new QRadioButton(QStringLiteral(
        "Originaldaten (Ist-Darstellung: verwendet die beim jeweiligen Abverkauf gültigen Werte)"));
    OriginalCheck->setObjectName(QStringLiteral("OriginalCheck"));
    OriginalCheck->setChecked(true);
    SimulationCheck = new QRadioButton(
        QStringLiteral("aktulle Einstellungen (Simulation: wendet die derzeit eingestellten "
                       "Werte auf alle Abverkäufe an)"));
    SimulationCheck->setObjectName(QStringLiteral("SimulationCheck"));
    const QDate heute = TUhr::heute();
    DateTimePicker1 = Datumsfeld("DateTimePicker1", QDate(heute.year(), 1, 1));
    DateTimePicker2 = Datumsfeld("DateTimePicker2", heute);
    BitBtn3 = Knopf("BitBtn3", QStringLiteral("Exportieren als CSV..."));
    ListView4 = Liste("ListView4", QStringLiteral("Tabellarische Auswertung"));
    PaintBox1 = new TDiagrammFlaeche(*ListView4, *GruppeBox, *KennzahlCombo);

    auto* raster = new QGridLayout;
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Beschriftung(QStringLiteral("&Kennzahl:"), KennzahlCombo), 0, 0);
    raster->addWidget(KennzahlCombo, 0, 1);
    auto* gruppe = new QHBoxLayout;
    gruppe->addStretch(1);
    gruppe->addWidget(
        Beschriftung(QStringLiteral("&Gruppe für graphische Darstellung:"), GruppeBox));
    gruppe->addWidget(GruppeBox);
    raster->addLayout(gruppe, 0, 2, 1, 3);
    raster->addWidget(OriginalCheck, 1, 0, 1, 5);
    raster->addWidget(SimulationCheck, 2, 0, 1, 5);
    raster->addWidget(Beschriftung(QStringLiteral("&Start:"), DateTimePicker1), 3, 0);
    raster->addWidget(DateTimePicker1, 3, 1, Qt::AlignLeft);
    auto* ende = new QHBoxLayout;
    ende->addWidget(Beschriftung(QStringLiteral("&Ende:"), DateTimePicker2));
    ende->addWidget(DateTimePicker2);
    ende->addStretch(1);
    ende->addWidget(BitBtn3);
    raster->addLayout(ende, 3, 2, 1, 3);
    raster->setColumnStretch(4, 1);

    PageControl3 = new QTabWidget;
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    PageControl3->addTab(ListView4, QStringLiteral("Tabellarische Auswertung"));
    PageControl3->addTab(PaintBox1, QStringLiteral("Graphische Auswertung"));

    auto* seite = new QWidget;
    auto* layout = new QVBoxLayout(seite);
    layout->addWidget(Tafel(raster, 137, this));
    layout->addWidget(PageControl3, 1);
    return seite;
}

void TMainForm::setzeStartwerte() {
    const QDate heute = TUhr::heute();
    DateTimePicker1->setDate(QDate(heute.year(), 1, 1));
    DateTimePicker2->setDate(heute);
    MonthCalendar1->setSelectedDate(heute);
    DateTimePicker3->setDate(heute);
    KennzahlCombo->setCurrentIndex(0);
    for (QComboBox* filter : {FilterCombo, FilterCombo2}) {
        const QSignalBlocker still(filter);
        filter->clear();
        filter->addItem(QStringLiteral("Alle"));
        filter->setCurrentIndex(0);
    }
    // Filled once, with the names as they read before the working file is loaded.
    GruppeBox->clear();
    GruppeBox->addItems({QStringLiteral("Alle"), QStringLiteral("Alle Produkte"),
                         QStringLiteral("Alle Dienstleistungen")});
    for (int nr = 0; nr < TGruppenTabelle::anzahl; ++nr)
        GruppeBox->addItem(daten.GetGruppe(nr));
    GruppeBox->setCurrentIndex(0);
}

void TMainForm::FormCreate() {
    daten.progpath = QCoreApplication::applicationDirPath();
    if (!daten.progpath.endsWith(QLatin1Char('/')))
        daten.progpath += QLatin1Char('/');
    setzeStartwerte();
    daten.maincap = windowTitle();
    // The columns show from the start, also when no file is read.
    ListView1->zeige(ZutatenListe(daten));
    ListView2->zeige(RezeptListe(daten, FilterAlle));
    ListView3->zeige(VerkaufsListe(daten, FilterAlle, DateTimePicker3->date()));
    for (TListenAnsicht* l : {ListView1, ListView2, ListView3})
        l->zeigeSortierung(0, Qt::AscendingOrder);
    LoadZutaten();
    FillAuswertung();
}

void TMainForm::verbinde() {
    // Documents and the menu.
    for (auto [knopf, aktion, handler] :
         {std::tuple{NewBtn, Neu1, &TMainForm::Neu1Click},
          std::tuple{OpenBtn, ffnen1, &TMainForm::ffnen1Click},
          std::tuple{SaveBtn, Speichern1, &TMainForm::Speichern1Click},
          std::tuple{SpeedButton1, Speichernunter1, &TMainForm::Speichernunter1Click}}) {
        connect(knopf, &QToolButton::clicked, this, Sicher(this, handler));
        connect(aktion, &QAction::triggered, this, Sicher(this, handler));
    }
    connect(Datei1, &QMenu::aboutToShow, this, Sicher(this, &TMainForm::Datei1Click));
    connect(Beenden1, &QAction::triggered, this, &QWidget::close);

    // The lists.
    connect(ListView1, &TListenAnsicht::spalteGeklickt, this,
            Sicher(this, &TMainForm::ListView1ColumnClick));
    connect(ListView2, &TListenAnsicht::spalteGeklickt, this,
            Sicher(this, &TMainForm::ListView2ColumnClick));
    connect(ListView3, &TListenAnsicht::spalteGeklickt, this,
            Sicher(this, &TMainForm::ListView3ColumnClick));
    connect(ListView1, &TListenAnsicht::zeileAktiviert, this,
            Sicher(this, &TMainForm::ListView1DblClick));
    connect(ListView2, &TListenAnsicht::zeileAktiviert, this,
            Sicher(this, &TMainForm::ListView2DblClick));
    for (TListenAnsicht* l : {ListView1, ListView2, ListView3})
        l->setzeSortierbar(true);
    connect(FilterCombo, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TMainForm::FilterComboChange));
    connect(FilterCombo2, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TMainForm::FilterCombo2Change));
    connect(DateTimePicker3, &QDateEdit::dateChanged, this,
            Sicher(this, &TMainForm::DateTimePicker3Change));

    // Search: Return in a search field searches on from the selected row.
    for (auto [feld, suchen, weiter, beiSuchen, beiWeiter] :
         {std::tuple{SuchEd, SuchenBtn, WeitersuchenBtn, &TMainForm::SuchenBtnClick,
                     &TMainForm::WeitersuchenBtnClick},
          std::tuple{SuchEd2, SuchBtn2, WeiterSuchenBtn2, &TMainForm::SuchBtn2Click,
                     &TMainForm::WeiterSuchenBtn2Click},
          std::tuple{SuchEd3, SuchBtn3, WeiterSuchenBtn3, &TMainForm::SuchBtn3Click,
                     &TMainForm::WeiterSuchenBtn3Click}}) {
        connect(suchen, &QPushButton::clicked, this, Sicher(this, beiSuchen));
        connect(weiter, &QPushButton::clicked, this, Sicher(this, beiWeiter));
        connect(feld, &QLineEdit::returnPressed, this, Sicher(this, beiWeiter));
    }
    connect(PageControl1, &QTabWidget::currentChanged, this, Sicher(this, &TMainForm::Datei1Click));
    for (TStammdatenSeite* seite : {ProduktSeite, DienstleistungSeite})
        connect(seite, &TStammdatenSeite::bearbeitet, this,
                Sicher(this, &TMainForm::StammdatenBearbeitet));
}

} // namespace fenster
