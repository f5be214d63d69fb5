#include "ui/rezeptform.h"

#include "core/fehler.h"
#include "core/melder.h"
#include "core/zahlen.h"
#include "costing/formdeklaration.h"
#include "costing/mengen.h"
#include "costing/rezepteditor.h"
#include "costing/rezeptkopie.h"
#include "costing/rezeptzeilen.h"
#include "costing/zwischenrezepte.h"
#include "costing/zwischenrezeptwege.h"
#include "ui/bildform.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/mengenform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatauswahl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace fenster {

namespace {

const std::array<const char*, 7> feldnamen = {"EinkaufspreisEd", "DeckungsbeitragEd", "WEQuoteEd",
                                              "KalkBruttoEd",    "KalkNettoEd",       "RxSpinEdit2",
                                              "TatsNettoEd"};
constexpr size_t tatsBrutto = 5;

template <class W> W* benannt(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QPushButton* knopf(const QString& text, const char* name) {
    return benannt(new QPushButton(text), name);
}

// The description is stored with CR LF between lines; the text field knows only its
// own line ends.
QString zumAnzeigen(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString zumSpeichern(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

TRezeptForm::TRezeptForm(QWidget* parent)
    : TDialogBasis(QStringLiteral("Rezept bearbeiten"), parent) {
    setObjectName(QStringLiteral("RezeptForm"));
    baueFelder();
    baueLayout();
    verbinde();
    zeigeZustand();
}

void TRezeptForm::baueFelder() {
    NameEd = benannt(new QLineEdit, "NameEd");
    RxSpinEdit1 = benannt(new TZahlFeld(4), "RxSpinEdit1");
    RxSpinEdit1->setAlignment(Qt::AlignRight);
    ComboBox1 = benannt(new QComboBox, "ComboBox1");
    ComboBox1->setMaxVisibleItems(20);
    Memo1 = benannt(new QPlainTextEdit, "Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTabChangesFocus(true);
    CheckBox1 = benannt(new QCheckBox(QStringLiteral("Als Zutat verwenden (&Zwischenrezept)")),
                        "CheckBox1");
    EinheitEd = benannt(new QLineEdit, "EinheitEd");
    VerwendetLabel = benannt(new QLabel, "VerwendetLabel");
    VerwendetLabel->setWordWrap(true);
    VerwendetLabel->setMaximumWidth(260);

    NewZutatBtn = knopf(QStringLiteral("Neues Zutat..."), "NewZutatBtn");
    EditZutatBtn = knopf(QStringLiteral("Bearbeiten..."), "EditZutatBtn");
    DelZutatBtn = knopf(QStringLiteral("Löschen"), "DelZutatBtn");
    ListView2 = new TListenAnsicht(QStringLiteral("ListView2"));
    ListView2->setAccessibleName(QStringLiteral("Zutaten"));
    BitBtn3 = benannt(new QToolButton, "BitBtn3");
    BitBtn3->setArrowType(Qt::UpArrow);
    BitBtn4 = benannt(new QToolButton, "BitBtn4");
    BitBtn4->setArrowType(Qt::DownArrow);
    for (auto [k, text] : {std::pair{BitBtn3, "Nach oben"}, std::pair{BitBtn4, "Nach unten"}}) {
        k->setAccessibleName(QString::fromUtf8(text));
        k->setToolTip(QString::fromUtf8(text));
        k->setFixedSize(28, 28);
    }

    FilenameEdit1 = benannt(new QLineEdit, "FilenameEdit1");
    DurchsuchenBtn = knopf(QStringLiteral("Durchsuchen..."), "DurchsuchenBtn");
    ZiegeBilderBtn = knopf(QStringLiteral("Zeig das Bild..."), "ZiegeBilderBtn");

    GroupBox1 = benannt(new QGroupBox(QStringLiteral("Pro Mengeneinheit")), "GroupBox1");
    for (size_t i = 0; i < preisfelder.size(); ++i) {
        auto* f = benannt(new TZahlFeld(4), feldnamen[i]);
        f->setAlignment(Qt::AlignRight);
        if (i != tatsBrutto)
            Vergraue(f);
        preisfelder[i] = f;
    }
    RxSpinEdit2 = preisfelder[tatsBrutto];

    BedarfEd = benannt(new TZahlFeld(3), "BedarfEd");
    BedarfEd->setzeBereich(1.0, 10000000000.0);
    BedarfEd->setAlignment(Qt::AlignRight);
    BitBtn2 = knopf(QStringLiteral("Megen berechnen"), "BitBtn2");

    OKBtn = knopf(QStringLiteral("OK"), "OKBtn");
    OKBtn->setDefault(true);
    KalkulationDruckenBtn = knopf(QStringLiteral("Kalkulation drucken"), "KalkulationDruckenBtn");
    RezeptDruckenBtn = knopf(QStringLiteral("Rezept drucken"), "RezeptDruckenBtn");
    RezeptkarteDruckenBtn = knopf(QStringLiteral("Rezeptkarte drucken"), "RezeptkarteDruckenBtn");
    CancelBtn = knopf(QStringLiteral("Cancel"), "CancelBtn");
    KennzeichnungLabel = benannt(new QLabel, "KennzeichnungLabel");
    KennzeichnungLabel->setWordWrap(true);
    KennzeichnungLabel->setTextFormat(Qt::RichText);
    KennzeichnungLabel->setMaximumWidth(260);
}

void TRezeptForm::baueLayout() {
    auto* links = new QGridLayout;
    links->addWidget(Beschriftung(QStringLiteral("&Name:"), NameEd), 0, 0, 1, 2);
    links->addWidget(NameEd, 1, 0, 1, 2);
    links->addWidget(Beschriftung(QStringLiteral("Rezept gilt für diese &Menge:"), RxSpinEdit1), 2,
                     0);
    links->addWidget(RxSpinEdit1, 3, 0);
    links->addWidget(Beschriftung(QStringLiteral("&Gruppe:"), ComboBox1), 2, 1);
    links->addWidget(ComboBox1, 3, 1);
    links->addWidget(CheckBox1, 4, 0);
    links->addWidget(Beschriftung(QStringLiteral("Einh&eit:"), EinheitEd), 4, 1);
    links->addWidget(EinheitEd, 5, 1);
    links->addWidget(Beschriftung(QStringLiteral("&Beschreibung:"), Memo1), 6, 0, 1, 2);
    links->addWidget(Memo1, 7, 0, 1, 2);
    links->setColumnStretch(1, 1);

    auto* zeilenKnoepfe = new QHBoxLayout;
    zeilenKnoepfe->addWidget(NewZutatBtn);
    zeilenKnoepfe->addWidget(EditZutatBtn);
    zeilenKnoepfe->addWidget(DelZutatBtn);
    zeilenKnoepfe->addStretch();
    auto* pfeile = new QVBoxLayout;
    pfeile->addStretch();
    pfeile->addWidget(BitBtn3);
    pfeile->addWidget(BitBtn4);
    pfeile->addStretch();
    auto* zeilen = new QHBoxLayout;
    zeilen->addWidget(ListView2, 1);
    zeilen->addLayout(pfeile);
    Memo1->setFixedHeight(90);
    ListView2->setMinimumSize(400, 200);

    auto* bildzeile = new QHBoxLayout;
    bildzeile->addWidget(FilenameEdit1, 1);
    bildzeile->addWidget(DurchsuchenBtn);
    bildzeile->addWidget(ZiegeBilderBtn);

    auto* linkeSpalte = new QVBoxLayout;
    linkeSpalte->addLayout(links);
    linkeSpalte->addLayout(zeilenKnoepfe);
    linkeSpalte->addLayout(zeilen, 1);
    linkeSpalte->addWidget(Beschriftung(QStringLiteral("B&ilddatei:"), FilenameEdit1));
    linkeSpalte->addLayout(bildzeile);

    auto* box = new QVBoxLayout(GroupBox1);
    for (size_t i = 0; i < preisfelder.size(); ++i) {
        const QString text = i == tatsBrutto ? QStringLiteral("Tatsächlicher VK-Preis b&rutto:")
                                             : TProMengeneinheit::beschriftungen[i].toString();
        box->addWidget(Beschriftung(text, preisfelder[i]));
        box->addWidget(preisfelder[i]);
    }
    auto* bedarf = new QHBoxLayout;
    bedarf->addWidget(BedarfEd, 1);
    bedarf->addWidget(BitBtn2);

    auto* rechteSpalte = new QVBoxLayout;
    rechteSpalte->addWidget(GroupBox1);
    rechteSpalte->addWidget(KennzeichnungLabel);
    rechteSpalte->addWidget(VerwendetLabel);
    rechteSpalte->addStretch();
    rechteSpalte->addWidget(Beschriftung(QStringLiteral("Be&darfsmenge:"), BedarfEd));
    rechteSpalte->addLayout(bedarf);
    GroupBox1->setMinimumWidth(240);

    setzeSpaltenUndKnoepfe(
        linkeSpalte, rechteSpalte,
        {OKBtn, KalkulationDruckenBtn, RezeptDruckenBtn, RezeptkarteDruckenBtn, CancelBtn});

    const QList<QWidget*> folge = {NameEd,
                                   RxSpinEdit1,
                                   ComboBox1,
                                   CheckBox1,
                                   EinheitEd,
                                   Memo1,
                                   NewZutatBtn,
                                   EditZutatBtn,
                                   DelZutatBtn,
                                   ListView2,
                                   BitBtn3,
                                   BitBtn4,
                                   FilenameEdit1,
                                   DurchsuchenBtn,
                                   ZiegeBilderBtn,
                                   RxSpinEdit2,
                                   BedarfEd,
                                   BitBtn2,
                                   OKBtn,
                                   KalkulationDruckenBtn,
                                   RezeptDruckenBtn,
                                   RezeptkarteDruckenBtn,
                                   CancelBtn};
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void TRezeptForm::verbinde() {
    // Every widget writes its value into the dialog state as it changes.
    connect(NameEd, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!fuellt)
            zustand.name = t;
    });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (!fuellt)
            zustand.beschreibung = zumSpeichern(Memo1);
    });
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool an) {
        if (!fuellt)
            zustand.zutatenrezeptur = an;
        EinheitEd->setEnabled(an);
    });
    connect(EinheitEd, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!fuellt)
            zustand.einheit = t;
    });
    connect(FilenameEdit1, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!fuellt)
            zustand.bilddatei = t;
    });
    connect(BedarfEd, &TZahlFeld::geaendert, this, [this](const QString& t) {
        if (!fuellt)
            zustand.bedarfsmenge = t;
    });
    connect(ListView2, &TListenAnsicht::auswahlGeaendert, this, [this] {
        if (!fuellt)
            zustand.zeilenauswahl = int(ListView2->gewaehlteZeile().value_or(-1));
    });
    connect(RxSpinEdit1, &TZahlFeld::geaendert, this,
            Sicher(this, &TRezeptForm::RxSpinEdit1Change));
    connect(RxSpinEdit2, &TZahlFeld::geaendert, this,
            Sicher(this, &TRezeptForm::RxSpinEdit2Change));
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TRezeptForm::ComboBox1Change));

    connect(NewZutatBtn, &QPushButton::clicked, this, Sicher(this, &TRezeptForm::NewZutatBtnClick));
    connect(EditZutatBtn, &QPushButton::clicked, this,
            Sicher(this, &TRezeptForm::EditZutatBtnClick));
    connect(ListView2, &TListenAnsicht::zeileAktiviert, this,
            Sicher(this, &TRezeptForm::ListView2DblClick));
    connect(DelZutatBtn, &QPushButton::clicked, this, Sicher(this, &TRezeptForm::DelZutatBtnClick));
    connect(BitBtn3, &QToolButton::clicked, this, Sicher(this, &TRezeptForm::BitBtn3Click));
    connect(BitBtn4, &QToolButton::clicked, this, Sicher(this, &TRezeptForm::BitBtn4Click));
    connect(DurchsuchenBtn, &QPushButton::clicked, this,
            Sicher(this, &TRezeptForm::DurchsuchenBtnClick));
    connect(ZiegeBilderBtn, &QPushButton::clicked, this,
            Sicher(this, &TRezeptForm::ZiegeBilderBtnClick));
    connect(BitBtn2, &QPushButton::clicked, this, Sicher(this, &TRezeptForm::BitBtn2Click));
    connect(OKBtn, &QPushButton::clicked, this, Sicher(this, &TRezeptForm::OKBtnClick));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TRezeptForm::setzeDialoge(TZutatAuswaehlenForm* p, TZeigeBildForm* b, TCalcAmountsForm* m) {
    picker = p;
    bild = b;
    mengen = m;
}

void TRezeptForm::fuelleNeu(const TDaten& d) {
    daten = &d;
    FuelleNeuesRezept(zustand, d);
    zeigeZustand();
}

void TRezeptForm::fuelleAus(const TDaten& d, const TRezept& rezept) {
    daten = &d;
    FuelleAusRezept(zustand, d, rezept);
    zeigeZustand();
}

bool TRezeptForm::fuelleKopie(const TDaten& d, int nr) {
    if (!FuelleKopie(zustand, d, nr))
        return false;
    daten = &d;
    zeigeZustand();
    return true;
}

void TRezeptForm::zeigeZustand() {
    fuellt = true;
    NameEd->setText(zustand.name);
    NameEd->setCursorPosition(0);
    RxSpinEdit1->setzeText(zustand.menge);
    ComboBox1->clear();
    ComboBox1->addItems(zustand.gruppenliste);
    ComboBox1->setCurrentIndex(zustand.gruppe);
    Memo1->setPlainText(zumAnzeigen(zustand.beschreibung));
    CheckBox1->setChecked(zustand.zutatenrezeptur);
    EinheitEd->setText(zustand.einheit);
    EinheitEd->setEnabled(zustand.zutatenrezeptur);
    zeigeZwischenrezept();
    FilenameEdit1->setText(zustand.bilddatei);
    FilenameEdit1->setCursorPosition(0);
    RxSpinEdit2->setzeText(zustand.preise.tatsBrutto);
    BedarfEd->setzeText(zustand.bedarfsmenge);
    fuellt = false;
    zeigeZeilen();
    ListView2->scrollToTop();
    zeigeErgebnisse();
}

void TRezeptForm::zeigeZeilen() {
    const int auswahl = zustand.zeilenauswahl;
    const bool vorher = fuellt;
    fuellt = true;
    // The previous rows are released only after the new ones are on screen.
    TListe alt = ListView2->zeige(zustand.zutaten);
    ListView2->waehleZeile(auswahl);
    if (auswahl >= 0)
        ListView2->scrollTo(ListView2->model()->index(auswahl, 0));
    fuellt = vorher;
    zustand.zeilenauswahl = auswahl;
    zeigeKennzeichnung();
}

void TRezeptForm::zeigeKennzeichnung() {
    if (!daten) {
        KennzeichnungLabel->clear();
        return;
    }
    const TFormKennzeichnung k = FormKennzeichnung(*daten, zustand);
    // Nothing to declare reads as such, not as a caption without its value.
    const QString deklariert =
        k.deklariert.isEmpty() && k.ungeklaert.isEmpty() ? QStringLiteral("keine") : k.deklariert;
    QString html = QStringLiteral("Kennzeichnung: ") + deklariert.toHtmlEscaped();
    if (!k.ungeklaert.isEmpty())
        html += (k.deklariert.isEmpty() ? QString() : QStringLiteral("; ")) +
                QStringLiteral("<span style=\"color:#c00000\">%1</span>")
                    .arg(k.ungeklaert.toHtmlEscaped());
    KennzeichnungLabel->setText(html);
    KennzeichnungLabel->setAccessibleName(
        QStringLiteral("Kennzeichnung: ") + deklariert +
        (k.ungeklaert.isEmpty() ? QString() : QStringLiteral("; ") + k.ungeklaert));
}

void TRezeptForm::zeigeErgebnisse() {
    const auto texte = std::as_const(zustand.preise).felder();
    for (size_t i = 0; i < preisfelder.size(); ++i)
        if (i != tatsBrutto)
            preisfelder[i]->setzeText(*texte[i]);
}

bool TRezeptForm::bereit() const {
    if (!daten || !picker || !bild || !mengen)
        throw TFehler(QStringLiteral("Der Rezeptdialog ist nicht vorbereitet"));
    return true;
}

void TRezeptForm::RxSpinEdit1Change() {
    if (fuellt)
        return;
    zustand.menge = RxSpinEdit1->text();
    zustand.RxSpinEdit1Change();
    zeigeErgebnisse();
}

void TRezeptForm::RxSpinEdit2Change() {
    if (fuellt)
        return;
    zustand.preise.tatsBrutto = RxSpinEdit2->text();
    zustand.RxSpinEdit2Change();
    zeigeErgebnisse();
}

void TRezeptForm::ComboBox1Change() {
    if (fuellt)
        return;
    zustand.gruppe = ComboBox1->currentIndex();
    zustand.ComboBox1Change();
    zeigeErgebnisse();
}

void TRezeptForm::NewZutatBtnClick() {
    bereit();
    picker->fuerNeueZeile();
    picker->fuelle(*daten);
    picker->setzeRezept(zustand.rezeptNr);
    if (melder().modal(*picker) != QDialog::Accepted)
        return;
    if (!ZeileHinzufuegen(zustand, picker->form()))
        return;
    zustand.zeilenauswahl = int(zustand.zutaten.anzahlZeilen() - 1);
    zeigeZeilen();
    zeigeErgebnisse();
}

void TRezeptForm::EditZutatBtnClick() {
    bereit();
    if (const auto meldung = PruefeZeilenauswahl(zustand)) {
        melder().information(meldung->text.toString());
        return;
    }
    picker->fuelle(*daten);
    picker->setzeRezept(zustand.rezeptNr);
    picker->fuerZeile(zustand);
    if (melder().modal(*picker) != QDialog::Accepted)
        return;
    if (!ZeileAendern(zustand, picker->form()))
        return;
    zeigeZeilen();
    zeigeErgebnisse();
}

void TRezeptForm::DelZutatBtnClick() {
    if (const auto meldung = PruefeZeilenauswahl(zustand)) {
        melder().information(meldung->text.toString());
        return;
    }
    if (melder().frage(Meldung::ZutatLoeschenFrage.toString(), Meldung::TitelLoeschen.toString(),
                       TSymbol::frage) != TAntwort::ja)
        return;
    if (!ZeileEntfernen(zustand))
        return;
    zeigeZeilen();
    zeigeErgebnisse();
}

void TRezeptForm::BitBtn3Click() {
    if (ZeileHoch(zustand))
        zeigeZeilen();
}

void TRezeptForm::BitBtn4Click() {
    if (ZeileRunter(zustand))
        zeigeZeilen();
}

void TRezeptForm::DurchsuchenBtnClick() {
    TDateiDialog d;
    d.titel = QStringLiteral("Bilddatei auswählen");
    d.filter = QStringLiteral("Alle Dateien (*)");
    d.name = BilddateiPfad(zustand.bilddatei);
    d.mussExistieren = true;
    if (const auto pfad = melder().dateiOeffnen(d))
        FilenameEdit1->setText(BilddateiAnzeige(*pfad));
}

void TRezeptForm::ZiegeBilderBtnClick() {
    bereit();
    if (bild->laden(BilddateiPfad(zustand.bilddatei)))
        melder().modal(*bild);
}

void TRezeptForm::BitBtn2Click() {
    bereit();
    BedarfEd->normalisiere();
    const ::TCalcAmountsForm m = MengenBerechnen(zustand);
    fuellt = true;
    BedarfEd->setzeText(zustand.bedarfsmenge);
    fuellt = false;
    mengen->fuelle(m);
    // The production list of the lines shown, for the amount just computed.
    if (produktionZeigen && daten) {
        const double menge = Feldwert(zustand.bedarfsmenge);
        QString titel =
            QStringLiteral("Produktionsliste: %1, %2").arg(zustand.name, ZahlAllgemein(menge));
        if (zustand.zutatenrezeptur && !zustand.einheit.trimmed().isEmpty())
            titel += QLatin1Char(' ') + zustand.einheit.trimmed();
        mengen->setzeProduktion([this, titel, menge,
                                 zeilen = ZeilenAusListe(*daten, zustand.zutaten),
                                 ausbeute = Feldwert(zustand.menge)] {
            produktionZeigen(titel,
                             ProduktionsListe(*daten, Produktion(*daten, zeilen, ausbeute, menge)));
        });
    } else {
        mengen->setzeProduktion({});
    }
    melder().modal(*mengen);
}

void TRezeptForm::OKBtnClick() {
    // Enter confirms without leaving the fields; store what leaving them shows.
    RxSpinEdit1->normalisiere();
    RxSpinEdit2->normalisiere();
    BedarfEd->normalisiere();
    if (daten)
        if (const QString fehler = RezeptFormFehler(*daten, zustand); !fehler.isEmpty()) {
            melder().fehler(fehler, QStringLiteral("Rezept"));
            return;
        }
    accept();
}

void TRezeptForm::zeigeZwischenrezept() {
    VerwendetLabel->setVisible(!zustand.verwendetIn.isEmpty());
    // No text while hidden: a lone "Verwendet in:" would read as a caption without field.
    VerwendetLabel->setText(zustand.verwendetIn.isEmpty()
                                ? QString()
                                : QStringLiteral("Verwendet in:\n") +
                                      zustand.verwendetIn.join(QLatin1Char('\n')));
}

void TRezeptForm::showEvent(QShowEvent* e) {
    TDialogBasis::showEvent(e);
    NameEd->setFocus();
}

} // namespace fenster
