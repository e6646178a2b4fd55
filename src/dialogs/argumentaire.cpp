// SPDX-License-Identifier: GPL-3.0-or-later
// The argument text dialog: a text box the doctor may scroll and mark up, and a close button.
#include "dialogs/argumentaire.h"

#include "app/appearance.h"
#include "ui_argumentaire.h"

Argumentaire::Argumentaire(QWidget *parent) : QDialog(parent), ui(new Ui::Argumentaire)
{
    ui->setupUi(this);
    appearance::usePalette();
    appearance::fitToScreen(this, size());
}

Argumentaire::~Argumentaire()
{
    delete ui;
}

void Argumentaire::setArgumentText(const QString &text)
{
    ui->txtArgumentaire->setText(text);
}

void Argumentaire::on_btClose_clicked()
{
    close();
}
