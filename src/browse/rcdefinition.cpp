// SPDX-License-Identifier: GPL-3.0-or-later
// The RC shown: its title, criteria (a sub-criterion forces its parent), offered positions, weighting classes,
// and the slots of the RC list, the see-also list and the criteria list.
#include "app/quorvel.h"

#include "browse/rclistitems.h"
#include "db/database.h"
#include "session/weighting.h"
#include "ui_quorvel.h"

#include <QListWidget>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QSqlQuery>
#include <QToolTip>
#include <exception>

namespace
{

const QString kCriteriaSql =
    QStringLiteral("SELECT distinct ref_definition.ref_definition_seq, ref_definition.pere_fk, "
                   "ref_definition.lib_criteres_fr FROM ref_definition WHERE ref_definition.ref_rc_id=%1 and "
                   "validite=1 order by ordre ");
const QString kCriteriaForSql =
    QStringLiteral("SELECT ref_definition.ref_definition_seq, ref_definition.pere_fk, ref_definition.lib_criteres_fr "
                   "FROM ref_definition WHERE ref_definition.ref_rc_id=%1 and validite=1  order by ordre");
const QString kPositionsSql = QStringLiteral("select pa,pb,pc,pd,pz from ref_rc where ref_rc_seq = %1");
const QString kPonderSql = QStringLiteral("SELECT ref_ponder_id  FROM ref_definition   WHERE ref_definition_seq= %1 ");

// An exclusive group keeps one tab stop, on the radio checked last; once that radio is hidden for the RC shown, Tab
// would skip the whole group. The stop goes to the checked visible radio, else to the first visible one.
void keepTabStopVisible(const QList<QPair<QString, QRadioButton *>> &group)
{
    QRadioButton *stop = nullptr;
    for (const auto &radio : group) {
        if (!radio.second->isHidden() && radio.second->isChecked())
            stop = radio.second;
    }
    for (int i = 0; i < group.size() && !stop; ++i) {
        if (!group.at(i).second->isHidden())
            stop = group.at(i).second;
    }
    for (const auto &radio : group) {
        const Qt::FocusPolicy policy = radio.second->focusPolicy();
        radio.second->setFocusPolicy(radio.second == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                          : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

} // namespace

void Quorvel::fillCriteriaWith(QListWidget *list, const QString &sql, const QString &failurePrefix)
{
    QScopedValueRollback<bool> loading(criteriaLoading, true);
    list->clear();
    const bool ok = db::forEachRow(
        db, sql,
        [list](const QSqlQuery &row) {
            const QString text = row.value(2).toString();
            auto *item = new QListWidgetItem(text);
            item->setData(browse::kIdRole, row.value(0).toInt());
            item->setData(browse::kParentRole, row.value(1).toString());
            if (!text.trimmed().isEmpty())
                item->setData(Qt::ToolTipRole, text);
            else
                QToolTip::hideText();
            list->addItem(item);
        },
        failurePrefix);
    if (!ok)
        list->clear();
}

void Quorvel::fillCriteria(QListWidget *list)
{
    const QString sql = kCriteriaSql.arg(currentRcId.toInt());
    qCDebug(lcTrace).noquote() << sql;
    fillCriteriaWith(list, sql, QString());
}

void Quorvel::fillCriteriaFor(QListWidget *list, int rcId)
{
    const QString sql = kCriteriaForSql.arg(rcId);
    fillCriteriaWith(list, sql, sql + QStringLiteral(" problem  "));
}

void Quorvel::showPositions(int rcId, QRadioButton *a, QRadioButton *b, QRadioButton *c, QRadioButton *d,
                            QRadioButton *z)
{
    QRadioButton *const buttons[] = {a, b, c, d, z};
    const std::optional<QVariantList> offered = db::firstRow(db, kPositionsSql.arg(rcId), 5);
    for (int i = 0; i < 5; ++i) {
        if (offered && offered->value(i).toInt() == 1) {
            uncheckRadio(buttons[i]);
            buttons[i]->show();
        } else {
            buttons[i]->hide();
        }
    }
    keepTabStopVisible(positionButtons());
}

int Quorvel::ponderClass(const QString &criterionId)
{
    const std::optional<QVariantList> row = db::firstRow(db, kPonderSql.arg(criterionId), 1);
    return row ? session::weightClassOf(row->value(0)) : session::kUncountedClass;
}

QList<QPair<QString, QRadioButton *>> Quorvel::positionButtons() const
{
    return {{QStringLiteral("A"), ui->rdPos_A},
            {QStringLiteral("B"), ui->rdPos_B},
            {QStringLiteral("C"), ui->rdPos_C},
            {QStringLiteral("D"), ui->rdPos_D},
            {QStringLiteral("Z"), ui->rdPos_Z}};
}

QList<QPair<QString, QRadioButton *>> Quorvel::followUpButtons() const
{
    return {{QStringLiteral("N"), ui->rdCodeN}, {QStringLiteral("P"), ui->rdCodeP}, {QStringLiteral("R"), ui->rdCodeR}};
}

void Quorvel::uncheckChoices(AldBox ald)
{
    for (const auto &radio : followUpButtons() + positionButtons())
        uncheckRadio(radio.second);
    ui->chkAsymptomique->setChecked(false);
    if (ald == AldBox::Clear)
        ui->chkALD->setChecked(false);
    keepTabStopVisible(positionButtons());
    keepTabStopVisible(followUpButtons());
}

void Quorvel::fillRelatedPanes(int rcId)
{
    fillSeeAlso();
    fillCriticalDiagnoses(ui->listCritique, rcId);
    showPositions(rcId, ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z);
}

void Quorvel::loadRc(QListWidgetItem *current)
{
    if (!current)
        return;
    leaveReopenedRow();
    currentRcId = current->data(browse::kIdRole);
    ui->txtTitreRc->setText(browse::titleText(browse::kTitleFromList, current->text()));
    fillRelatedPanes(currentRcId.toInt());
    fillCriteria(ui->List_Criteres);
    uncheckChoices(AldBox::Clear);
    ui->btUp->setEnabled(false);
    ui->btDown->setEnabled(false);
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

void Quorvel::selectJumpTarget(int rcId)
{
    // Keep the list's highlight on the RC the panes show: the recorded title is read from it.
    QListWidget *list = ui->List_RefRC;
    list->clearSelection();
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *candidate = list->item(row);
        if (candidate->data(browse::kIdRole).toInt() == rcId) {
            candidate->setSelected(true);
            list->scrollToItem(candidate, QAbstractItemView::EnsureVisible);
            ui->txtTitreRc->setText(browse::titleText(browse::kTitleJump, candidate->text()));
            return;
        }
    }
}

void Quorvel::on_listeSynonymes_itemClicked(QListWidgetItem *item)
{
    try {
        if (!item)
            return;
        QScopedValueRollback<bool> jumping(seeAlsoJump, true);
        bool isInt = false;
        const int id = item->data(browse::kIdRole).toInt(&isInt);
        if (!isInt)
            return;
        leaveReopenedRow();
        if (!fullListShown)
            loadAllRcs(ui->List_RefRC);
        selectJumpTarget(id);
        ui->List_RefRC->setFocus();
        currentRcId = id;

        fillRelatedPanes(id); // destroys `item`
        fillCriteria(ui->List_Criteres);
        // Positions too: showPositions leaves a hidden one checked, and the doctor cannot see or untick it.
        uncheckChoices(AldBox::Keep);
        ui->btUp->setEnabled(false);
        ui->btDown->setEnabled(false);
    } catch (const std::exception &e) {
        // seeAlsoJump is already false again: its rollback ran as the exception left the block.
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
    const QString parentText = current->data(browse::kParentRole).toString();
    if (parentText.isEmpty())
        return;
    const int parentId = parentText.toInt();
    QListWidget *list = ui->List_Criteres;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *candidate = list->item(row);
        if (candidate->data(browse::kIdRole).toInt() == parentId) {
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
