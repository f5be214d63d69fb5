#include "ui/sicherungform.h"

#include "core/liste.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenster {

TSicherungForm::TSicherungForm(QWidget* parent)
    : QDialog(parent), ListView1(new TListenAnsicht(QStringLiteral("Sicherungen"), this)),
      HinweisLabel(new QLabel(this)),
      OkBtn(new QPushButton(QStringLiteral("Wiederherstellen"), this)),
      AbbrechenBtn(new QPushButton(QStringLiteral("Abbrechen"), this)) {
    setWindowTitle(QStringLiteral("Sicherung wiederherstellen"));
    setObjectName(QStringLiteral("TSicherungForm"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    AbbrechenBtn->setObjectName(QStringLiteral("AbbrechenBtn"));
    HinweisLabel->setWordWrap(true);
    HinweisLabel->setText(QStringLiteral(
        "Die gewählte Sicherung wird zu den aktuellen Daten. Die Arbeitsdatei wird vorher "
        "selbst gesichert; ein geöffnetes Dokument ändert sich erst beim Speichern."));
    ListView1->zeige(SicherungsListe({}));
    ListView1->setzeSortierbar(false);
    const double faktor = logicalDpiX() / 96.0;
    ListView1->setMinimumSize(int(600 * faktor), int(300 * faktor));
    OkBtn->setDefault(true);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OkBtn);
    knoepfe->addWidget(AbbrechenBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addWidget(HinweisLabel);
    layout->addLayout(knoepfe);

    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListView1, &TListenAnsicht::zeileAktiviert, this, [this] {
        if (OkBtn->isEnabled())
            accept();
    });
    connect(ListView1, &TListenAnsicht::auswahlGeaendert, this, [this] { auswahlGeaendert(); });
}

void TSicherungForm::fuelle(const QString& ordner) {
    zeilen = LeseSicherungen(ordner, &gelesen);
    ListView1->zeige(SicherungsListe(zeilen));
    ListView1->waehleZeile(zeilen.empty() ? -1 : 0);
    auswahlGeaendert();
}

std::optional<TSicherung> TSicherungForm::gewaehlt() const {
    const std::optional<int> nr = ListView1->gewaehlteNr();
    if (!nr || *nr < 0 || size_t(*nr) >= zeilen.size() || !zeilen[size_t(*nr)].inhalt)
        return std::nullopt;
    return zeilen[size_t(*nr)].sicherung;
}

void TSicherungForm::auswahlGeaendert() {
    // A backup that does not read cannot be restored.
    OkBtn->setEnabled(gewaehlt().has_value());
}

} // namespace fenster
