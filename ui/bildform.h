#pragma once

#include "ui/dialogbasis.h"

#include <QByteArray>
#include <QStringView>

#include <optional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace fenster {

// "Bild zeigen": a recipe's picture at its own size in pixels, at the top left of a
// scrolling area with the workspace colour.
class TZeigeBildForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TZeigeBildForm(QWidget* parent = nullptr);

    // Loads the picture, replacing the previous one. When it cannot be shown, the
    // reason goes to the user and the result is false: the viewer is not to be opened.
    bool laden(const QString& pfad);

    QPushButton* ZurueckBtn;
    QScrollArea* ScrollBox1;
    QLabel* Image1;
};

// The picture format an extension names, case-insensitively ("jpeg" for jpg and jpeg,
// "tiff" for tif and tiff, ...); nothing for any other extension.
std::optional<QByteArray> BildFormat(QStringView pfad);

} // namespace fenster
