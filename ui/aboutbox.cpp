#include "ui/aboutbox.h"

#include "core/melder.h"
#include "core/uhr.h"
#include "ormisto_version.h"
#include "ui/fehlerbox.h"

#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

// The pictures live in the static ui library; this keeps the linker from dropping them.
static void LadeBilder() {
    Q_INIT_RESOURCE(ormisto_ui);
}

namespace fenster {

namespace {
QLabel* text(const QString& t, const char* name) {
    auto* l = new QLabel(t);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setWordWrap(true);
    return l;
}
} // namespace

TAboutBox::TAboutBox(QWidget* parent) : TDialogBasis(QStringLiteral("Info"), parent) {
    LadeBilder();
    setObjectName(QStringLiteral("AboutBox"));

    Panel1 = new QFrame;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    QPalette p = Panel1->palette();
    p.setColor(QPalette::Window, QColor(240, 202, 166));
    p.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(p);
    Panel1->setFixedSize(Pixel(this, 649), Pixel(this, 385));

    ProgramIcon = new QLabel;
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/ormisto/produkt.png")));
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setFixedSize(Pixel(this, 306), Pixel(this, 322));
    ProgramIcon->setAccessibleName(QStringLiteral("Ormisto"));

    ProductName =
        text(QStringLiteral("Ormisto %1").arg(QString::fromLatin1(OrmistoVersion)), "ProductName");
    QFont kopf(QStringLiteral("Arial Narrow"));
    kopf.setPixelSize(24);
    kopf.setBold(true);
    ProductName->setFont(kopf);
    Copyright =
        text(QStringLiteral("Copyright © XXXX Tolvane. Alle Rechte vorbehalten."), "Copyright");
    Hersteller =
        text(QStringLiteral("Tolvane Software · E-Mail: ormisto@tolvane.de"), "Hersteller");
    Slogan = text(QStringLiteral("Kalkulieren, was auf den Teller kommt."), "Slogan");
    QFont fett = Slogan->font();
    fett.setBold(true);
    Slogan->setFont(fett);
    Geschichte = text(QStringLiteral("Seit vielen Jahren Software aus der Praxis für die Praxis."),
                      "Geschichte");
    Programme =
        text(QStringLiteral("Tolvane entwickelt Programme für Restaurants, Kantinen, Hotels und "
                            "Caterer: für die Kalkulation von Speisen und Getränken, die "
                            "Verwaltung von Rezepten und Zutaten und die Auswertung der "
                            "Verkäufe. Unsere Programme sind einfach zu bedienen und wachsen mit "
                            "den Anforderungen Ihres Betriebs."),
             "Programme");
    BitBtnXP1 = new QPushButton(QString::fromLatin1(webadresse));
    BitBtnXP1->setObjectName(QStringLiteral("BitBtnXP1"));
    BitBtnXP1->setCursor(Qt::PointingHandCursor);

    OKButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"));
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setFixedSize(Pixel(this, 181), Pixel(this, 37));
    OKButton->setDefault(true);

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(Pixel(this, 8));
    rechts->addWidget(ProductName);
    rechts->addWidget(Copyright);
    rechts->addWidget(Hersteller);
    rechts->addSpacing(Pixel(this, 8));
    rechts->addWidget(Slogan);
    rechts->addWidget(Geschichte);
    rechts->addWidget(Programme);
    rechts->addStretch();
    rechts->addWidget(BitBtnXP1, 0, Qt::AlignLeft);

    auto* innen = new QHBoxLayout(Panel1);
    innen->setContentsMargins(Pixel(this, 12), Pixel(this, 12), Pixel(this, 12), Pixel(this, 12));
    innen->setSpacing(Pixel(this, 16));
    innen->addWidget(ProgramIcon, 0, Qt::AlignTop);
    innen->addLayout(rechts, 1);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(Pixel(this, 7), Pixel(this, 8), Pixel(this, 8), Pixel(this, 8));
    spalte->addWidget(Panel1, 0, Qt::AlignHCenter);
    spalte->addStretch();
    spalte->addWidget(OKButton, 0, Qt::AlignHCenter);
    spalte->addStretch();
    setFixedSize(Pixel(this, 664), Pixel(this, 453));

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnXP1, &QPushButton::clicked, this, Sicher(this, &TAboutBox::BitBtnXP1Click));
    FormCreate();
}

void TAboutBox::FormCreate() {
    Copyright->setText(
        Copyright->text().replace(QStringLiteral("XXXX"), QString::number(TUhr::heute().year())));
}

void TAboutBox::BitBtnXP1Click() {
    if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(webadresse))))
        melder().fehler(QStringLiteral("Die Adresse %1 kann nicht im Browser geöffnet werden.")
                            .arg(QString::fromLatin1(webadresse)),
                        QStringLiteral("Info"));
}

} // namespace fenster
