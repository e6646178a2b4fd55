// SPDX-License-Identifier: GPL-3.0-or-later
// Main-window slots that open the secondary dialogs: argument text, About, publisher picture.
#include "app/quorvel.h"

#include "db/database.h"
#include "dialogs/aproposquorvel.h"
#include "dialogs/argumentaire.h"
#include "dialogs/argumentdecoding.h"
#include "dialogs/halvanequorvel.h"
#include "ui_quorvel.h"

#include <QMessageBox>

namespace
{
const QString kArgumentSql = QStringLiteral("select argumentaire from ref_rc where ref_rc_seq = %1");
}

void Quorvel::on_btShowArgument_clicked()
{
    if (!consultation.hasRc())
        return;
    const std::optional<QVariantList> row = db::firstRow(db, kArgumentSql.arg(consultation.rc()), 1);
    // A statement that failed says nothing about the argument; telling the doctor there is none would be false.
    if (!row)
        return;
    const QString text = row->isEmpty() ? QString() : dialogs::argumentText(row->first());

    if (text.isEmpty()) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Argumentaire"),
                        QStringLiteral("Aucun argumentaire à afficher"), QMessageBox::Ok, this);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return;
    }
    // A parent keeps the dialog above the window on Wayland and Xwayland, where a click there would bury it.
    Argumentaire dialog(this);
    dialog.setArgumentText(text);
    dialog.exec();
}

void Quorvel::on_btApropos_clicked()
{
    AproposQuorvel dialog(this);
    dialog.exec();
}

void Quorvel::on_btHALVANE_clicked()
{
    HalvaneQuorvel dialog(this);
    dialog.exec();
}
