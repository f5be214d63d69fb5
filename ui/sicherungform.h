#pragma once

#include "core/sicherungen.h"
#include "ui/listenansicht.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace fenster {

// "Sicherung wiederherstellen": the backups of the working file, newest first, with
// what each holds; "Wiederherstellen" (also a double click) takes the selected one.
class TSicherungForm : public QDialog {
    Q_OBJECT
public:
    explicit TSicherungForm(QWidget* parent = nullptr);

    // Reads the backups in `ordner`; the first one is selected.
    void fuelle(const QString& ordner);
    // The selected backup, if it reads.
    std::optional<TSicherung> gewaehlt() const;

    TListenAnsicht* ListView1;
    QLabel* HinweisLabel;
    QPushButton* OkBtn;
    QPushButton* AbbrechenBtn;

private:
    void auswahlGeaendert();
    std::vector<TSicherungsZeile> zeilen;
    TSicherungsGedaechtnis gelesen;
};

} // namespace fenster
