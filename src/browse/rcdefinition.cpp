// The RC shown: its title, criteria (a sub-criterion forces its parent), offered positions, weighting classes,
// and the slots of the RC list, the see-also list and the criteria list.
#include "app/quorvel.h"

#include "browse/rcqueries.h"
#include "db/database.h"
#include "ui_quorvel.h"

#include <QDebug>
#include <QListWidget>
#include <QMessageBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolTip>
#include <exception>

void Quorvel::fillCriteriaWith(QListWidget *list, const QString &sql, bool logStatement)
{
    criteriaLoading = true;
    list->clear();

    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (logStatement)
        qDebug().noquote() << sql;
    bool ok = query.exec(sql);
    if (ok) {
        while (query.next()) {
            const QString text = query.value(2).toString();
            auto *item = new QListWidgetItem(text);
            item->setData(Qt::UserRole, query.value(0).toInt());
            item->setData(Qt::UserRole + 1, query.value(1).toString());
            if (!text.trimmed().isEmpty())
                item->setData(Qt::ToolTipRole, text);
            else
                QToolTip::hideText();
            list->addItem(item);
        }
        ok = !query.lastError().isValid();
    }
    if (!ok) {
        if (logStatement)
            qDebug().noquote() << query.lastError().text();
        else
            qDebug().noquote() << sql + QStringLiteral(" problem  ") + query.lastError().text();
        list->clear();
    }
    criteriaLoading = false;
}

void Quorvel::fillCriteria(QListWidget *list)
{
    fillCriteriaWith(list,
                     QStringLiteral("SELECT distinct ref_definition.ref_definition_seq, ref_definition.pere_fk, "
                                    "ref_definition.lib_criteres_fr FROM ref_definition WHERE "
                                    "ref_definition.ref_rc_id=%1 and validite=1 order by ordre ")
                         .arg(currentRcId.toInt()),
                     true);
}

void Quorvel::fillCriteriaFor(QListWidget *list, int rcId)
{
    fillCriteriaWith(list,
                     QStringLiteral("SELECT ref_definition.ref_definition_seq, ref_definition.pere_fk, "
                                    "ref_definition.lib_criteres_fr FROM ref_definition WHERE "
                                    "ref_definition.ref_rc_id=%1 and validite=1  order by ordre")
                         .arg(rcId),
                     false);
}

void Quorvel::showPositions(int rcId, QRadioButton *a, QRadioButton *b, QRadioButton *c, QRadioButton *d,
                            QRadioButton *z)
{
    QRadioButton *const buttons[] = {a, b, c, d, z};
    QSqlQuery query(db);
    if (!qdb::exec(query, QStringLiteral("select pa,pb,pc,pd,pz from ref_rc where ref_rc_seq = %1").arg(rcId))) {
        for (QRadioButton *button : buttons)
            button->hide();
        return;
    }
    int offered[5] = {0, 0, 0, 0, 0};
    if (query.next()) {
        for (int i = 0; i < 5; ++i)
            offered[i] = query.value(i).toInt();
    }
    if (qdb::stoppedOnError(query)) {
        for (QRadioButton *button : buttons)
            button->hide();
        return;
    }
    for (int i = 0; i < 5; ++i) {
        if (offered[i] == 1) {
            uncheckRadio(buttons[i]);
            buttons[i]->show();
        } else {
            buttons[i]->hide();
        }
    }
}

int Quorvel::ponderClass(const QString &criterionId)
{
    QSqlQuery query(db);
    if (!qdb::exec(query, QStringLiteral("SELECT ref_ponder_id  FROM ref_definition   WHERE ref_definition_seq= %1 ")
                              .arg(criterionId)))
        return 9;
    QVariant ponderId;
    if (query.next())
        ponderId = query.value(0);
    if (qdb::stoppedOnError(query))
        return 9;
    return browse::weightClassOf(ponderId);
}

void Quorvel::clearRcLoadOutputs()
{
    for (QRadioButton *radio :
         {ui->rdCodeN, ui->rdCodeP, ui->rdCodeR, ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z})
        uncheckRadio(radio);
    ui->chkAsymptomique->setChecked(false);
    ui->chkALD->setChecked(false);
    ui->btUp->setEnabled(false);
    ui->btDown->setEnabled(false);
}

void Quorvel::loadRc(QListWidgetItem *current)
{
    if (!current)
        return;
    leaveReopenedRow();
    currentRcId = current->data(Qt::UserRole);
    const int id = currentRcId.toInt();
    fillSeeAlso();
    ui->txtTitreRc->setText(QStringLiteral("<center> Définition du RC : ") + current->text() +
                            QStringLiteral("</center>"));
    fillCriticalDiagnoses(ui->listCritique, id);
    showPositions(id, ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z);
    fillCriteria(ui->List_Criteres);
    clearRcLoadOutputs();
}

void Quorvel::on_List_RefRC_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous)
{
    Q_UNUSED(previous)
    // While a see-also jump runs, giving the list the focus may make its first row current; the jump loads
    // its own RC and must not be overridden (nor the ALD box cleared) by that side effect.
    if (seeAlsoJump)
        return;
    loadRc(current);
}

void Quorvel::on_List_RefRC_itemClicked(QListWidgetItem *current)
{
    try {
        if (seeAlsoJump)
            return;
        leaveReopenedRow();
        loadRc(current);
    } catch (const std::exception &e) {
        QMessageBox box;
        box.setText(QString::fromLocal8Bit(e.what()));
        box.exec();
    }
}

void Quorvel::on_listeSynonymes_itemClicked(QListWidgetItem *item)
{
    try {
        if (!item)
            return;
        seeAlsoJump = true;
        bool isInt = false;
        const int id = item->data(Qt::UserRole).toInt(&isInt);
        if (!isInt) {
            seeAlsoJump = false;
            return;
        }
        leaveReopenedRow();
        if (!fullListShown)
            loadAllRcs(ui->List_RefRC);

        // Keep the list's highlight on the RC the panes show: the recorded title is read from it.
        QListWidget *list = ui->List_RefRC;
        list->clearSelection();
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem *candidate = list->item(row);
            if (candidate->data(Qt::UserRole).toInt() == id) {
                candidate->setSelected(true);
                list->scrollToItem(candidate, QAbstractItemView::EnsureVisible);
                ui->txtTitreRc->setText(QStringLiteral("<center>Définition du RC : ") + candidate->text() +
                                        QStringLiteral("</center>"));
                break;
            }
        }
        list->setFocus();
        currentRcId = id;

        fillSeeAlso(); // destroys `item`
        fillCriticalDiagnoses(ui->listCritique, id);
        showPositions(id, ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z);
        fillCriteria(ui->List_Criteres);

        // Positions too: showPositions leaves a hidden one checked, and the doctor cannot see or untick it.
        for (QRadioButton *radio :
             {ui->rdCodeN, ui->rdCodeP, ui->rdCodeR, ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z})
            uncheckRadio(radio);
        ui->chkAsymptomique->setChecked(false);
        seeAlsoJump = false;
        ui->btUp->setEnabled(false);
        ui->btDown->setEnabled(false);
    } catch (const std::exception &e) {
        seeAlsoJump = false;
        QMessageBox box;
        box.setText(QString::fromLocal8Bit(e.what()));
        box.exec();
    }
}

void Quorvel::on_List_Criteres_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous)
{
    Q_UNUSED(previous)
    if (criteriaLoading || !current)
        return;
    const QString parentText = current->data(Qt::UserRole + 1).toString();
    if (parentText.isEmpty())
        return;
    const int parentId = parentText.toInt();
    QListWidget *list = ui->List_Criteres;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *candidate = list->item(row);
        if (candidate->data(Qt::UserRole).toInt() == parentId) {
            candidate->setSelected(true);
            return;
        }
    }
}

void Quorvel::on_List_Criteres_itemClicked(QListWidgetItem *item)
{
    Q_UNUSED(item)
    if (rcFromList)
        return;
    if (ui->tableView->currentIndex().row() >= 0) {
        ui->btUp->setEnabled(false);
        ui->btDown->setEnabled(false);
    }
}
