// SPDX-License-Identifier: GPL-3.0-or-later
// The RC list: all RCs, the patient-profile filter, the keyword search, the two reset buttons, and an RC
// chosen by a screen reader.
#include "app/quorvel.h"

#include "browse/rclistitems.h"
#include "browse/rcqueries.h"
#include "browse/rctitles.h"
#include "browse/sex.h"
#include "db/database.h"
#include "ui_quorvel.h"

#include <QListWidget>
#include <QPalette>
#include <QScopedValueRollback>
#include <QSqlQuery>
#include <QStandardItemModel>

bool Quorvel::fillRcList(QListWidget *list, const QString &sql, bool withToolTips, QString *failure)
{
    // One repaint for the whole refill, the clearing included: this runs on every keystroke.
    list->setUpdatesEnabled(false);
    list->clear();
    rcItemMap->clear();
    browse::WidestText widest(list->font());
    const bool ok = db::forEachRow(
        db, sql,
        [this, list, withToolTips, &widest](const QSqlQuery &row) {
            const int id = row.value(0).toInt();
            const QString title = row.value(1).toString();
            auto *item = new QListWidgetItem(title);
            item->setData(browse::kIdRole, id);
            if (withToolTips)
                item->setData(Qt::ToolTipRole, title);
            list->addItem(item);
            rcItemMap->insert(id, item);
            widest.add(title);
        },
        QString(), failure);
    if (!ok) {
        list->clear();
        rcItemMap->clear();
    }
    if (auto *delegate = qobject_cast<browse::WidestTitleDelegate *>(list->itemDelegate()))
        delegate->setWidestTitle(widest.text());
    list->setUpdatesEnabled(true);
    return ok;
}

bool Quorvel::loadAllRcs(QListWidget *list, QString *failure)
{
    fullListShown = true;
    return fillRcList(list, browse::allRcsStatement(), true, failure);
}

void Quorvel::filterRcsByProfile(QLineEdit *ageBox, const QString &sexText, QListWidget *list)
{
    const int age = ageBox->text().isEmpty() ? -1 : ageBox->text().toInt();
    fullListShown = false;
    const int sex = sexText == browse::profileText(browse::Sex::Man)     ? 1
                    : sexText == browse::profileText(browse::Sex::Woman) ? 2
                                                                         : -1;
    fillRcList(list, browse::profileStatement(age, sex), false);

    showFirstRcOfList(QString());
    // The positions were cleared by the first RC's load, which showPositions then left unchecked.
    uncheckChoices(AldBox::Clear);
}

void Quorvel::searchRcs(QString keyword, QLineEdit *ageBox, const QString &sexText, QListWidget *list)
{
    keyword = browse::foldKeyword(keyword);
    fullListShown = false;
    if (browse::keywordTooLongForLike(keyword)) {
        list->clear();
        rcItemMap->clear();
        return;
    }
    const QString sql = browse::keywordStatement(keyword, ui->onlytitreCk->isChecked(), sexText, ageBox->text());
    fillRcList(list, sql, true);
}

QString Quorvel::profileSexText() const
{
    browse::Sex sex = browse::Sex::None;
    if (ui->rbHomme->isChecked())
        sex = browse::Sex::Man;
    if (ui->rbFemme->isChecked())
        sex = browse::Sex::Woman;
    return browse::profileText(sex);
}

void Quorvel::showFirstRcOfList(const QString &titlePrefix)
{
    QListWidget *list = ui->List_RefRC;
    leaveReopenedRow();
    if (list->count() == 0) {
        clearDefinitionPanes();
        return;
    }
    list->setCurrentRow(0); // runs the RC load of the first row
    QListWidgetItem *item = list->currentItem();
    currentRcId = item->data(browse::kIdRole);
    const int id = currentRcId.toInt();
    fillCriteriaFor(ui->List_Criteres, id);
    if (!titlePrefix.isNull())
        ui->txtTitreRc->setText(browse::titleText(titlePrefix, item->text()));
    fillRelatedPanes(id);
}

void Quorvel::clearDefinitionPanes()
{
    // No RC matches (or the dictionary could not be read): show no RC rather than a stale one.
    currentRcId = QVariant();
    ui->txtTitreRc->setText(browse::titleText(browse::kTitleFromList, QString()));
    {
        QScopedValueRollback<bool> loading(criteriaLoading, true);
        ui->List_Criteres->clear();
    }
    ui->listeSynonymes->clear();
    criticalModel->removeRows(0, criticalModel->rowCount());
    uncheckChoices(AldBox::Clear);
    for (const auto &position : positionButtons())
        position.second->hide();
}

void Quorvel::on_List_RefRC_itemSelectionChanged()
{
    // A screen reader selects an item without making it current, so nothing would load it: the form would keep
    // the previous RC and record that one. The mouse and the keys make the item current before selecting it and
    // refills select nothing, so those pass here without a second load; a see-also jump selects without loading
    // on purpose.
    if (seeAlsoJump)
        return;
    QListWidget *list = ui->List_RefRC;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.size() != 1)
        return;
    if (selected.first() != list->currentItem())
        list->setCurrentItem(selected.first()); // runs the RC load, as a click does
    else if (selected.first()->data(browse::kIdRole) != currentRcId)
        loadRc(selected.first()); // the current RC chosen again after a see-also jump showed another one
}

void Quorvel::on_txtSearchCriteria_textChanged(const QString &arg1)
{
    fullListShown = false;
    const QString sex = profileSexText();
    if (arg1.isEmpty()) {
        ui->onlytitreCk->setChecked(false);
        if (keywordSearchActive) {
            keywordSearchActive = false;
            filterRcsByProfile(ui->txtAge, sex, ui->List_RefRC);
        }
        return;
    }
    keywordSearchActive = true;
    searchRcs(arg1, ui->txtAge, sex, ui->List_RefRC);
}

void Quorvel::on_onlytitreCk_clicked()
{
    const QString keyword = ui->txtSearchCriteria->text();
    if (!keyword.isEmpty())
        searchRcs(keyword, ui->txtAge, profileSexText(), ui->List_RefRC);
}

void Quorvel::sexClicked(QRadioButton *button, const QString &sexText)
{
    fullListShown = false;
    if (button->isChecked())
        refillForProfile(sexText);
}

void Quorvel::refillForProfile(const QString &sexText)
{
    const QString keyword = ui->txtSearchCriteria->text();
    if (!keyword.isEmpty())
        searchRcs(keyword, ui->txtAge, sexText, ui->List_RefRC);
    else
        filterRcsByProfile(ui->txtAge, sexText, ui->List_RefRC);
}

void Quorvel::on_rbHomme_clicked()
{
    sexClicked(ui->rbHomme, browse::profileText(browse::Sex::Man));
}

void Quorvel::on_rbFemme_clicked()
{
    sexClicked(ui->rbFemme, browse::profileText(browse::Sex::Woman));
}

void Quorvel::on_txtAge_textChanged(const QString &arg1)
{
    Q_UNUSED(arg1)
    fullListShown = false;
    refillForProfile(profileSexText());
}

void Quorvel::on_btEffacerProfilPatient_clicked()
{
    QPalette palette = ui->btEffacerProfilPatient->palette();
    palette.setBrush(QPalette::All, QPalette::Button, QBrush(Qt::blue, Qt::SolidPattern));
    ui->btEffacerProfilPatient->setPalette(palette);
    ui->btEffacerProfilPatient->setAutoFillBackground(true);
    ui->btEffacerProfilPatient->repaint();

    const bool profileSet = !ui->txtAge->text().isEmpty() || ui->rbHomme->isChecked() || ui->rbFemme->isChecked();
    if (!profileSet)
        return;

    // Unchecking by program emits no clicked signal, so the list is refilled once below, not per button.
    if (ui->rbHomme->isChecked())
        uncheckRadio(ui->rbHomme);
    if (ui->rbFemme->isChecked())
        uncheckRadio(ui->rbFemme);
    if (!ui->txtAge->text().isEmpty())
        ui->txtAge->setText(QString());

    loadAllRcs(ui->List_RefRC);
    showFirstRcOfList(browse::kTitleClearProfile);
}

void Quorvel::on_btEffacer_clicked()
{
    // The ALD box survives a reset; the profile and keyword fall-backs and the first RC's load below would
    // otherwise clear it on the way.
    const bool ald = ui->chkALD->isChecked();
    ui->txtAge->setText(QString());
    uncheckRadio(ui->rbHomme);
    uncheckRadio(ui->rbFemme);
    fullListShown = true;
    ui->txtSearchCriteria->setText(QString());
    loadAllRcs(ui->List_RefRC);

    {
        QScopedValueRollback<bool> loading(criteriaLoading, true);
        ui->List_Criteres->clear();
    }
    clearSessionTable();
    uncheckChoices(AldBox::Keep);
    ui->onlytitreCk->setChecked(false);
    sessionRowCount = 0;

    showFirstRcOfList(browse::kTitleJump);
    ui->chkALD->setChecked(ald);
}
