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
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QVector>

bool Quorvel::fillRcList(QListWidget *list, const QString &sql, bool withToolTips, QString *failure)
{
    // One repaint for the whole refill, the clearing included: this runs on every keystroke.
    list->setUpdatesEnabled(false);
    list->clear();
    rcItemMap->clear();
    browse::WidestText widest(list->font());
    QStringList titles;
    QVector<int> ids;
    const bool ok = db::forEachRow(
        db, sql,
        [&titles, &ids, &widest](const QSqlQuery &row) {
            ids << row.value(0).toInt();
            titles << row.value(1).toString();
            widest.add(titles.last());
        },
        QString(), failure);
    // A list cut short by a failed read is not shown. All rows go in as one insertion: one item at a time, the
    // model signalled every row to the view and its selection, which cost more than reading the rows.
    if (ok) {
        list->addItems(titles);
        rcItemMap->reserve(ids.size());
        for (int i = 0; i < ids.size(); ++i) {
            QListWidgetItem *item = list->item(i);
            item->setData(browse::kIdRole, ids.at(i));
            if (withToolTips)
                item->setData(Qt::ToolTipRole, titles.at(i));
            rcItemMap->insert(ids.at(i), item);
        }
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

void Quorvel::selectInList(int rcId)
{
    QListWidget *list = ui->List_RefRC;
    QListWidgetItem *item = rcItemMap->value(rcId, nullptr);
    const QSignalBlocker quiet(list);
    if (!item) {
        list->clearSelection();
        return;
    }
    list->setCurrentItem(item);
    list->scrollToItem(item, QAbstractItemView::EnsureVisible);
}

void Quorvel::showFirstRcOfList(const QString &titlePrefix)
{
    QListWidget *list = ui->List_RefRC;
    if (list->count() == 0) {
        // No RC matches (or the dictionary could not be read): show no RC rather than a stale one.
        consultation.showNothing();
        loadShownRc(browse::kTitleFromList);
        return;
    }
    QListWidgetItem *first = list->item(0);
    const int id = first->data(browse::kIdRole).toInt();
    consultation.show(id, first->text(), session::Shown::ByRefill);
    selectInList(id);
    // One load: the panes it fills are not filled again, only the title keeps the wording of each road.
    loadShownRc(titlePrefix.isNull() ? browse::kTitleFromList : titlePrefix);
}

void Quorvel::on_List_RefRC_itemSelectionChanged()
{
    // The keys, the mouse and a screen reader all select the item they choose; a focus-in only makes an item
    // current, and a refill selects nothing, so neither changes the RC being recorded or edited.
    const QList<QListWidgetItem *> selected = ui->List_RefRC->selectedItems();
    if (selected.size() == 1)
        pickListItem(selected.first());
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

    // Unchecking by program emits no clicked signal, and the emptied age box refills nothing: the full list
    // below replaces whatever that refill would have shown.
    if (ui->rbHomme->isChecked())
        uncheckRadio(ui->rbHomme);
    if (ui->rbFemme->isChecked())
        uncheckRadio(ui->rbFemme);
    {
        const QSignalBlocker quiet(ui->txtAge);
        ui->txtAge->clear();
    }
    loadAllRcs(ui->List_RefRC);
    showFirstRcOfList(browse::kTitleClearProfile);
}

void Quorvel::on_btEffacer_clicked()
{
    if (!mayLoseUncopiedRows(QStringLiteral("Réinitialiser et perdre ces RC ?"),
                             QStringLiteral("Réinitialiser sans copier"), QStringLiteral("Ne pas réinitialiser")))
        return;
    // The ALD box survives a reset. The emptied boxes refill nothing: the full list below replaces it all.
    const bool ald = ui->chkALD->isChecked();
    {
        const QSignalBlocker quietAge(ui->txtAge);
        const QSignalBlocker quietKeyword(ui->txtSearchCriteria);
        ui->txtAge->clear();
        ui->txtSearchCriteria->clear();
    }
    keywordSearchActive = false;
    uncheckRadio(ui->rbHomme);
    uncheckRadio(ui->rbFemme);
    ui->onlytitreCk->setChecked(false);
    consultation.clearRows();
    loadAllRcs(ui->List_RefRC);
    showFirstRcOfList(browse::kTitleJump);
    ui->chkALD->setChecked(ald);
}
