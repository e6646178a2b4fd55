// The RC list: all RCs, the patient-profile filter, the keyword search, and the two reset buttons.
#include "app/quorvel.h"

#include "browse/rcqueries.h"
#include "db/database.h"
#include "ui_quorvel.h"

#include <QListWidget>
#include <QPalette>
#include <QSqlQuery>
#include <QStandardItemModel>

void Quorvel::fillRcList(QListWidget *list, const QString &sql, bool withToolTips)
{
    // One repaint for the whole refill, the clearing included: this runs on every keystroke.
    list->setUpdatesEnabled(false);
    list->clear();
    rcItemMap->clear();

    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!qdb::exec(query, sql)) {
        list->setUpdatesEnabled(true);
        return;
    }

    while (query.next()) {
        const int id = query.value(0).toInt();
        const QString title = query.value(1).toString();
        auto *item = new QListWidgetItem(title);
        item->setData(Qt::UserRole, id);
        if (withToolTips)
            item->setData(Qt::ToolTipRole, title);
        list->addItem(item);
        rcItemMap->insert(id, item);
    }
    if (qdb::stoppedOnError(query)) {
        list->clear();
        rcItemMap->clear();
    }
    list->setUpdatesEnabled(true);
}

void Quorvel::loadAllRcs(QListWidget *list)
{
    fullListShown = true;
    fillRcList(list, browse::allRcsStatement(), true);
}

void Quorvel::filterRcsByProfile(QLineEdit *ageBox, const QString &sexText, QListWidget *list)
{
    const int age = ageBox->text().isEmpty() ? -1 : ageBox->text().toInt();
    int sex = -1;
    if (sexText == QLatin1String("Homme"))
        sex = 1;
    else if (sexText == QLatin1String("Femme"))
        sex = 2;

    fullListShown = false;
    fillRcList(list, browse::profileStatement(age, sex), false);

    showFirstRcOfList(QString());
    uncheckRadio(ui->rdCodeN);
    uncheckRadio(ui->rdCodeP);
    uncheckRadio(ui->rdCodeR);
    ui->chkAsymptomique->setChecked(false);
    ui->chkALD->setChecked(false);
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
    QString sex;
    if (ui->rbHomme->isChecked())
        sex = QStringLiteral("Homme");
    if (ui->rbFemme->isChecked())
        sex = QStringLiteral("Femme");
    return sex;
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
    currentRcId = item->data(Qt::UserRole);
    const int id = currentRcId.toInt();
    fillCriteriaFor(ui->List_Criteres, id);
    if (!titlePrefix.isNull())
        ui->txtTitreRc->setText(titlePrefix + item->text() + QStringLiteral("</center>"));
    fillSeeAlso();
    fillCriticalDiagnoses(ui->listCritique, id);
    showPositions(id, ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z);
}

void Quorvel::clearDefinitionPanes()
{
    // No RC matches (or the dictionary could not be read): show no RC rather than a stale one.
    currentRcId = QVariant();
    ui->txtTitreRc->setText(QStringLiteral("<center> Définition du RC : </center>"));
    criteriaLoading = true;
    ui->List_Criteres->clear();
    criteriaLoading = false;
    ui->listeSynonymes->clear();
    if (auto *critical = qobject_cast<QStandardItemModel *>(ui->listCritique->model()))
        critical->removeRows(0, critical->rowCount());
    for (QRadioButton *position : {ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z}) {
        uncheckRadio(position);
        position->hide();
    }
    uncheckRadio(ui->rdCodeN);
    uncheckRadio(ui->rdCodeP);
    uncheckRadio(ui->rdCodeR);
    ui->chkAsymptomique->setChecked(false);
    ui->chkALD->setChecked(false);
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

void Quorvel::on_rbHomme_clicked()
{
    fullListShown = false;
    if (!ui->rbHomme->isChecked())
        return;
    const QString keyword = ui->txtSearchCriteria->text();
    if (!keyword.isEmpty())
        searchRcs(keyword, ui->txtAge, QStringLiteral("Homme"), ui->List_RefRC);
    else
        filterRcsByProfile(ui->txtAge, QStringLiteral("Homme"), ui->List_RefRC);
}

void Quorvel::on_rbFemme_clicked()
{
    fullListShown = false;
    if (!ui->rbFemme->isChecked())
        return;
    const QString keyword = ui->txtSearchCriteria->text();
    if (!keyword.isEmpty())
        searchRcs(keyword, ui->txtAge, QStringLiteral("Femme"), ui->List_RefRC);
    else
        filterRcsByProfile(ui->txtAge, QStringLiteral("Femme"), ui->List_RefRC);
}

void Quorvel::on_txtAge_textChanged(const QString &arg1)
{
    Q_UNUSED(arg1)
    fullListShown = false;
    const QString sex = profileSexText();
    const QString keyword = ui->txtSearchCriteria->text();
    if (!keyword.isEmpty())
        searchRcs(keyword, ui->txtAge, sex, ui->List_RefRC);
    else
        filterRcsByProfile(ui->txtAge, sex, ui->List_RefRC);
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
    showFirstRcOfList(QStringLiteral("<center>Définition du RC: "));
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

    criteriaLoading = true;
    ui->List_Criteres->clear();

    clearSessionTable();

    for (QRadioButton *radio :
         {ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z, ui->rdCodeN, ui->rdCodeP, ui->rdCodeR})
        uncheckRadio(radio);
    ui->chkAsymptomique->setChecked(false);
    ui->onlytitreCk->setChecked(false);
    sessionRowCount = 0;

    showFirstRcOfList(QStringLiteral("<center>Définition du RC : "));
    ui->chkALD->setChecked(ald);
}
