#include "ui/fenstermelder.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon icon(TSymbol s) {
    switch (s) {
    case TSymbol::information:
        return QMessageBox::Information;
    case TSymbol::frage:
        return QMessageBox::Question;
    case TSymbol::fehler:
        return QMessageBox::Critical;
    case TSymbol::keins:
        break;
    }
    return QMessageBox::NoIcon;
}

QString titelOder(const QString& titel) {
    return titel.isEmpty() ? QGuiApplication::applicationDisplayName() : titel;
}

QWidget* elternfenster() {
    QWidget* w = QApplication::activeModalWidget();
    return w ? w : QApplication::activeWindow();
}

std::optional<QString> zeige(QFileDialog& dialog, const TDateiDialog& d) {
    if (!d.titel.isEmpty())
        dialog.setWindowTitle(d.titel);
    if (!d.filter.isEmpty())
        dialog.setNameFilter(d.filter);
    dialog.setDefaultSuffix(d.endung);
    if (!d.name.isEmpty())
        dialog.selectFile(d.name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void TFensterMelder::meldung(const QString& text, const QString& titel, TSymbol symbol) {
    QMessageBox box(icon(symbol), titelOder(titel), text, QMessageBox::Ok, elternfenster());
    box.exec();
}

TAntwort TFensterMelder::frage(const QString& text, const QString& titel, TSymbol symbol) {
    QMessageBox box(icon(symbol), titelOder(titel), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, elternfenster());
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TAntwort::ja;
    case QMessageBox::No:
        return TAntwort::nein;
    default:
        return TAntwort::abbrechen;
    }
}

TAntwort TFensterMelder::frageJaNein(const QString& text, const QString& titel, TSymbol symbol) {
    QMessageBox box(icon(symbol), titelOder(titel), text, QMessageBox::Yes | QMessageBox::No,
                    elternfenster());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? TAntwort::ja : TAntwort::nein;
}

std::optional<QString> TFensterMelder::dateiOeffnen(const TDateiDialog& d) {
    QFileDialog dialog(elternfenster());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Without mussExistieren a new name is accepted: that is how a document is started.
    dialog.setFileMode(d.mussExistieren ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return zeige(dialog, d);
}

std::optional<QString> TFensterMelder::dateiSpeichern(const TDateiDialog& d) {
    QFileDialog dialog(elternfenster());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !d.ueberschreibenFragen);
    return zeige(dialog, d);
}

int TFensterMelder::modal(QObject& dialog) {
    auto* d = qobject_cast<QDialog*>(&dialog);
    return d ? d->exec() : 0;
}
