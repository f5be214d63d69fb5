// The keyboard on the tabs: Return and Delete where a person expects them, and Alt
// shortcuts for the buttons.
#include "ui/mainform.h"

#include "ui/listenansicht.h"
#include "ui/zahlfeld.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace fenster {

namespace {

// Where the mark goes: the letter starting a word, else its first place in the caption.
qsizetype Stelle(const QString& text, QChar buchstabe) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].toLower() == buchstabe && (i == 0 || text[i - 1].isSpace()))
            return i;
    return text.indexOf(buchstabe, 0, Qt::CaseInsensitive);
}

// Marks `buchstabe` of the caption (either case) as the button's Alt key. The caption
// read and the name reported to assistive technology stay without the mark.
void Kurztaste(QAbstractButton* knopf, QChar buchstabe) {
    QString text = knopf->text();
    const qsizetype stelle = Stelle(text, buchstabe);
    Q_ASSERT(stelle >= 0 && !text.contains(QLatin1Char('&')));
    if (stelle < 0)
        return;
    text.insert(stelle, QLatin1Char('&'));
    knopf->setText(text);
}

} // namespace

void TMainForm::verbindeTastatur() {
    // The menu bar holds D (Datei), E (Extras) and B (Über); the labels of each tab hold
    // their own letters. Only the shown tab's buttons take their keys.
    const struct {
        QAbstractButton* knopf;
        char buchstabe;
    } kurztasten[] = {
        {NewZutatBtn, 'n'},      {ZutatEditBtn, 'r'},
        {DelZutatBtn, 'l'},      {BitBtn5, 'x'},
        {ImportBtn, 'i'},        {SuchenBtn, 's'},
        {WeitersuchenBtn, 'w'},  {DoNotImportColumnsCheck, 'a'},
        {NewRezeptBtn, 'n'},     {EditRezeptBtn, 'r'},
        {RezeptKopieBtn, 'k'},   {DelRezeptBtm, 'l'},
        {BitBtn4, 'x'},          {SuchBtn2, 's'},
        {WeiterSuchenBtn2, 'w'}, {VerkaufBtn, 'h'},
        {VerkaufsListeBtn, 'v'}, {SuchBtn3, 's'},
        {WeiterSuchenBtn3, 'w'}, {BitBtn2, 'x'},
        {OriginalCheck, 'o'},    {SimulationCheck, 'u'},
        {BitBtn3, 'x'},
    };
    for (const auto& k : kurztasten)
        Kurztaste(k.knopf, QLatin1Char(k.buchstabe));

    // Return in "Verkaufte Portionen" books the sale.
    connect(PortionEd->eingabe(), &QLineEdit::returnPressed, VerkaufBtn, &QPushButton::click);
    // Return on a row edits it, Delete deletes it, as the buttons do.
    connect(ListView1, &TListenAnsicht::eingabeTaste, ZutatEditBtn, &QPushButton::click);
    connect(ListView1, &TListenAnsicht::entfernenTaste, DelZutatBtn, &QPushButton::click);
    connect(ListView2, &TListenAnsicht::eingabeTaste, EditRezeptBtn, &QPushButton::click);
    connect(ListView2, &TListenAnsicht::entfernenTaste, DelRezeptBtm, &QPushButton::click);
}

} // namespace fenster
