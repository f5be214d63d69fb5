#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class TDaten;

namespace fenster {

// The master-data page "Kennzeichnung": codes and texts of the 14 allergen groups and of
// the additive classes, edited in place. A change that would make a code empty or used
// twice is refused with a message and the cell shows the stored code again.
class TKennzeichnungSeite : public QWidget {
    Q_OBJECT
public:
    explicit TKennzeichnungSeite(TDaten& daten, QWidget* parent = nullptr);

    // Shows the tables again, after the data was replaced.
    void zeige();

    QTableWidget* GruppenTabelle;
    QTableWidget* ZusatzTabelle;
    QPushButton* NeuerZusatzstoffBtn;

    void NeuerZusatzstoffBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void geaendert(QTableWidgetItem* item);
    TDaten& daten;
    bool zeigt = false;
};

} // namespace fenster
