#include "ui/bildform.h"

#include "core/melder.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace fenster {

namespace {
const QString titel = QStringLiteral("Bild zeigen");

QString grund(QImageReader::ImageReaderError fehler, const QString& pfad,
              const QByteArray& format) {
    switch (fehler) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("Die Bilddatei \"%1\" wurde nicht gefunden.").arg(pfad);
    case QImageReader::DeviceError:
        return QStringLiteral("Die Bilddatei \"%1\" kann nicht gelesen werden.").arg(pfad);
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("Bilder im Format %1 können auf diesem System nicht angezeigt "
                              "werden.")
            .arg(QString::fromLatin1(format.toUpper()));
    default:
        break;
    }
    return QStringLiteral("Die Datei \"%1\" enthält kein lesbares Bild im Format %2.")
        .arg(pfad, QString::fromLatin1(format.toUpper()));
}
} // namespace

std::optional<QByteArray> BildFormat(QStringView pfad) {
    const QString endung = QFileInfo(pfad.toString()).suffix().toLower();
    if (endung == u"jpg" || endung == u"jpeg")
        return QByteArrayLiteral("jpeg");
    if (endung == u"tif" || endung == u"tiff")
        return QByteArrayLiteral("tiff");
    for (const char* f : {"png", "bmp", "gif", "ico", "wmf", "emf"})
        if (endung == QLatin1String(f))
            return QByteArray(f);
    return std::nullopt;
}

TZeigeBildForm::TZeigeBildForm(QWidget* parent)
    : TDialogBasis(QStringLiteral("Bild zeigen"), parent) {
    setObjectName(QStringLiteral("ZeigeBildForm"));
    setSizeGripEnabled(true);

    ZurueckBtn =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("Zurück"));
    ZurueckBtn->setObjectName(QStringLiteral("ZurueckBtn"));
    ZurueckBtn->setFixedSize(Pixel(this, 115), Pixel(this, 25));
    ZurueckBtn->setDefault(true);

    auto* leiste = new QWidget;
    leiste->setFixedHeight(Pixel(this, 41));
    auto* leistenLayout = new QHBoxLayout(leiste);
    leistenLayout->setContentsMargins(Pixel(this, 8), 0, 0, 0);
    leistenLayout->addWidget(ZurueckBtn);
    leistenLayout->addStretch();

    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAccessibleName(QStringLiteral("Bild"));
    ScrollBox1->setBackgroundRole(QPalette::Dark); // the workspace colour
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setWidget(Image1);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(leiste);
    spalte->addWidget(ScrollBox1, 1);
    resize(Pixel(this, 764), Pixel(this, 542));

    connect(ZurueckBtn, &QPushButton::clicked, this, &QDialog::accept);
}

bool TZeigeBildForm::laden(const QString& pfad) {
    if (pfad.isEmpty()) {
        melder().fehler(QStringLiteral("Es ist keine Bilddatei angegeben."), titel);
        return false;
    }
    const auto format = BildFormat(pfad);
    if (!format) {
        melder().fehler(QStringLiteral("Das Bildformat der Datei \"%1\" ist unbekannt. Bilder "
                                       "mit den Endungen jpg, jpeg, png, bmp, gif, tif, tiff, "
                                       "ico, wmf und emf können angezeigt werden.")
                            .arg(pfad),
                        titel);
        return false;
    }
    if (!QFileInfo(pfad).isFile()) {
        melder().fehler(grund(QImageReader::FileNotFoundError, pfad, *format), titel);
        return false;
    }
    // The extension decides the format, whatever the contents look like.
    QImageReader leser(pfad, *format);
    leser.setDecideFormatFromContent(false);
    leser.setAutoTransform(true);
    const QImage bild = leser.read();
    if (bild.isNull()) {
        melder().fehler(grund(leser.error(), pfad, *format), titel);
        return false;
    }
    QPixmap p = QPixmap::fromImage(bild);
    // One picture pixel on one screen pixel, also on a scaled screen.
    p.setDevicePixelRatio(devicePixelRatioF());
    Image1->setPixmap(p);
    Image1->resize(p.deviceIndependentSize().toSize());
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
    return true;
}

} // namespace fenster
