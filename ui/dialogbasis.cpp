#include "ui/dialogbasis.h"

#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

TDialogBasis::TDialogBasis(const QString& titel, QWidget* parent) : QDialog(parent) {
    setWindowTitle(titel);
    setModal(true);
    // No "?" button in the title bar: the dialogs have no context help.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TDialogBasis::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    QRect r = frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
}

void TDialogBasis::setzeSpaltenUndKnoepfe(QLayout* links, QLayout* rechts,
                                          std::initializer_list<QPushButton*> knoepfe) {
    auto* oben = new QHBoxLayout;
    oben->addLayout(links, 1);
    oben->addSpacing(12);
    oben->addLayout(rechts);

    auto* reihe = new QHBoxLayout;
    for (QPushButton* k : knoepfe)
        reihe->addWidget(k);
    reihe->addStretch();

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addSpacing(6);
    spalte->addLayout(reihe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* Beschriftung(const QString& text, QWidget* feld) {
    auto* l = new QLabel(text);
    l->setBuddy(feld);
    return l;
}

void Vergraue(QWidget* feld) {
    // Read-only on a grey ground rather than disabled: the figures stay legible and
    // assistive technology still reads them.
    if (auto* e = qobject_cast<QLineEdit*>(feld))
        e->setReadOnly(true);
    else if (auto* s = qobject_cast<QAbstractSpinBox*>(feld))
        s->setReadOnly(true);
    feld->setFocusPolicy(Qt::NoFocus);
    QPalette p = feld->palette();
    for (auto gruppe : {QPalette::Active, QPalette::Inactive})
        p.setColor(gruppe, QPalette::Base, p.color(gruppe, QPalette::Window));
    feld->setPalette(p);
}

int Pixel(const QWidget* w, int pixel96) {
    return int(pixel96 * w->logicalDpiX() / 96.0 + 0.5);
}
