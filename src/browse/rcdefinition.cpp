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
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStandardItemModel>
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

void Quorvel::uncheckChoices(AldKept ald)
{
    for (const auto &radio : followUpButtons() + positionButtons())
        uncheckRadio(radio.second);
    ui->chkAsymptomique->setChecked(false);
    if (ald == AldKept::No)
        ui->chkALD->setChecked(false);
    keepTabStopVisible(positionButtons());
    keepTabStopVisible(followUpButtons());
}

void Quorvel::loadShownRc(const QString &titlePrefix, AldKept ald)
{
    const int id = consultation.rc();
    if (consultation.shownBy() != session::Shown::SeeAlsoUnlisted)
        ui->txtTitreRc->setText(browse::titleText(titlePrefix, consultation.rcTitle()));
    if (!consultation.hasRc()) {
        ui->List_Criteres->clear();
        ui->listeSynonymes->clear();
        criticalModel->removeRows(0, criticalModel->rowCount());
        uncheckChoices(AldKept::No);
        for (const auto &position : positionButtons())
            position.second->hide();
    } else {
        fillSeeAlso();
        fillCriticalDiagnoses(ui->listCritique, id);
        showPositions(id, ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z);
        const QString criteriaSql = kCriteriaSql.arg(id);
        qCDebug(lcTrace).noquote() << criteriaSql;
        fillCriteriaWith(ui->List_Criteres, criteriaSql, QString());
        uncheckChoices(ald);
    }
    showEditedRow();
}

void Quorvel::pickListItem(QListWidgetItem *item)
{
    if (!item || !consultation.pickFromList(item->data(browse::kIdRole).toInt(), item->text()))
        return;
    selectInList(consultation.rc());
    loadShownRc(browse::kTitleFromList);
}

void Quorvel::on_List_RefRC_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous)
{
    Q_UNUSED(previous)
    // The keys select the item they make current; a focus-in makes one current without selecting it, and that
    // chooses nothing.
    if (current && current->isSelected())
        pickListItem(current);
}

void Quorvel::on_List_RefRC_itemClicked(QListWidgetItem *current)
{
    try {
        // A click on the RC a re-opened row or a see-also jump shows makes it a draft of the list's.
        pickListItem(current);
    } catch (const std::exception &e) {
        QMessageBox box(this);
        box.setText(QString::fromLocal8Bit(e.what()));
        box.exec();
    }
}

void Quorvel::on_listeSynonymes_itemClicked(QListWidgetItem *item)
{
    try {
        if (!item)
            return;
        bool isInt = false;
        const int id = item->data(browse::kIdRole).toInt(&isInt);
        if (!isInt)
            return;
        const QString title = item->text();
        if (!fullListShown)
            loadAllRcs(ui->List_RefRC);
        const bool listed = rcItemMap->contains(id);
        consultation.show(id, title, listed ? session::Shown::SeeAlso : session::Shown::SeeAlsoUnlisted);
        selectInList(id);
        ui->List_RefRC->setFocus();
        loadShownRc(browse::kTitleJump, AldKept::Yes); // destroys `item`
    } catch (const std::exception &e) {
        QMessageBox box(this);
        box.setText(QString::fromLocal8Bit(e.what()));
        box.exec();
    }
}

void Quorvel::on_List_Criteres_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous)
{
    // Moving through the criteria ticks nothing: only a tick, by a click or Space, forces a parent.
    Q_UNUSED(current)
    Q_UNUSED(previous)
}

void Quorvel::forceParentsOfTicked(const QItemSelection &selected)
{
    QListWidget *list = ui->List_Criteres;
    // Only the direct parent: ticking it here must not force the parent's parent in turn.
    const QSignalBlocker quiet(list->selectionModel());
    bool forced = false;
    for (const QModelIndex &index : selected.indexes()) {
        const QString parentText = index.data(browse::kParentRole).toString();
        QListWidgetItem *parent = nullptr;
        for (int row = 0; row < list->count() && !parentText.isEmpty() && !parent; ++row) {
            if (list->item(row)->data(browse::kIdRole).toInt() == parentText.toInt())
                parent = list->item(row);
        }
        if (!parent || parent->isSelected())
            continue;
        // The parent is listed before its sub-criterion in the row and the report, as the forced tick came first.
        QListWidgetItem *sub = list->item(index.row());
        sub->setSelected(false);
        parent->setSelected(true);
        sub->setSelected(true);
        forced = true;
    }
    if (forced)
        list->viewport()->update();
}

void Quorvel::tickCriteria(const QStringList &ids)
{
    QListWidget *list = ui->List_Criteres;
    const QSignalBlocker quiet(list->selectionModel());
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        if (ids.contains(QString::number(item->data(browse::kIdRole).toInt())))
            item->setSelected(true);
    }
    list->viewport()->update();
}

void Quorvel::on_List_Criteres_itemClicked(QListWidgetItem *item)
{
    Q_UNUSED(item)
    if (consultation.editedRow() >= 0) {
        ui->btUp->setEnabled(false);
        ui->btDown->setEnabled(false);
    }
}
