// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the RC shown in the form as a new row of the consultation table: the checks on position and
// follow-up code, the weighting rules for code N, and the choice of the CIM 10 and CISP codes.
#include "app/quorvel.h"
#include "browse/rclistitems.h"
#include "db/database.h"
#include "session/codechoice.h"
#include "session/sessioncolumns.h"
#include "session/weighting.h"

#include "ui_quorvel.h"

#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QStandardItemModel>

namespace
{

const QString kTopLevelCriteriaSql =
    QStringLiteral("SELECT ref_definition.ref_definition_seq,ref_definition.lib_criteres_fr FROM ref_definition "
                   "WHERE ref_definition.ref_rc_id=%1 and validite=1 and ref_definition.pere_fk=0 order by ordre");
const QString kChildCriteriaSql =
    QStringLiteral(" select ref_definition_seq from ref_definition where pere_fk = %1 and validite=1");
const QString kCodeRulesSql = QStringLiteral(" select distinct rc_cim.ref_lrccim_seq from ref_l_rc_cim10 rc_cim   "
                                             "where  rc_cim.ref_rc_id=%1  group by (ref_lrccim_seq)");
const QString kRuleCriteriaSql = QStringLiteral(
    " select  rc_combi_cim.ref_definition_id from ref_l_rc_cim10 rc_cim left join ref_combi_criteres_cim "
    "rc_combi_cim on  rc_combi_cim.ref_lrccim_id=rc_cim.ref_lrccim_seq left join ref_definition ref_def on "
    "ref_def.ref_definition_seq = rc_combi_cim.ref_definition_id  where  rc_cim.ref_lrccim_seq=%1 and "
    "ref_def.validite=1");
// %1 is one of the rule columns below, never a value from the dictionary or the doctor.
const QString kRuleValueSql =
    QStringLiteral(" select  rc_cim.%1 from ref_l_rc_cim10 rc_cim where  rc_cim.ref_lrccim_seq=%2");
const QString kRuleCim1 = QStringLiteral("code_cim_1");
const QString kRuleCim2 = QStringLiteral("code_cim_2");
const QString kRuleSubtitle = QStringLiteral("soustitre");
const QString kRuleCisp = QStringLiteral("Code_cisp");
const QString kRuleListSql =
    QStringLiteral(" select code_cim_1,code_cim_2,soustitre,code_cisp from ref_l_rc_cim10 rc_cim where ref_rc_id=%1");
const QString kDefaultEntrySql =
    QStringLiteral(" select code_cim_defaut,lib_rc,code_cisp_defaut from ref_rc where ref_rc_seq=%1");
const QString kDefaultCodesSql =
    QStringLiteral(" select code_cim_defaut,code_cisp_defaut from ref_rc where ref_rc_seq=%1");
const QString kDefaultCispSql = QStringLiteral(" select code_cisp_defaut from ref_rc where ref_rc_seq=%1");
// The parent id that stands for the RC's own top level.
const QString kTopLevel = QStringLiteral("-1");
const QString kRcTitleSql = QStringLiteral("select lib_rc from ref_rc where ref_rc_seq = %1");

const QString kNoFollowUp = QStringLiteral("Veuilliez séléctionner un code suivi");
const QString kNoPosition = QStringLiteral("Veuilliez séléctionner une position diagnostique");
const QString kIncompleteCriteria =
    QStringLiteral("Vous n'avez pas séléctionné l'ensemble de critères obligatoires pour cet RC ayant le code suivi N"
                   "      \n                                Voulez vous continuer ?");
const QString kChoiceTitle = QStringLiteral("Choix du code CIM10");
const QString kChoiceLabel = QStringLiteral("Veuilliez sélectionner le code CIM10 ");
const QString kRecordingIcon = QStringLiteral(":/images/chouette-2015.jpg");
const QString kNoRcShown = QStringLiteral("Aucun RC n'est affiché : choisissez d'abord un RC dans la liste.");
const QString kAlreadyRecorded =
    QStringLiteral("Ce RC est déjà dans la consultation avec ces choix (position, code suivi, asymptomatique et "
                   "critères) : il n'a pas été enregistré une seconde fois.\n\nPour changer une ligne (l'ALD par "
                   "exemple), cliquez sur elle dans le tableau puis modifiez-la.");

// A hidden radio is a choice the RC does not offer and the doctor cannot see: it never counts.
QString checkedLetter(const QList<QPair<QString, QRadioButton *>> &buttons)
{
    for (const auto &button : buttons) {
        if (button.second->isChecked() && !button.second->isHidden())
            return button.first;
    }
    return QString();
}

void prepareRecordingBox(QMessageBox &box)
{
    box.setIcon(QMessageBox::Warning);
    box.setWindowIcon(QIcon(kRecordingIcon));
}

void warnNotRecorded(const QString &text)
{
    QMessageBox box;
    prepareRecordingBox(box);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

// The doctor may record code N without every mandatory criterion; Cancel (also Escape or the close box) stops.
bool confirmIncompleteCriteria()
{
    QMessageBox box;
    prepareRecordingBox(box);
    box.setText(kIncompleteCriteria);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Non"));
    return box.exec() == QMessageBox::Ok;
}

// The title of the RC being recorded. The list's selection normally holds it, but it can be empty or still show
// another RC (a see-also jump to an RC missing from the list); the dictionary then gives the title of currentRcId.
QString recordedTitle(QListWidget *list, const QSqlDatabase &db, int rcId)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (!selected.isEmpty() && selected.first()->data(browse::kIdRole).toInt() == rcId)
        return selected.first()->text();
    return db::lastRow(db, kRcTitleSql.arg(rcId), 1).first();
}

} // namespace

void Quorvel::on_btAjouterRC_clicked()
{
    // The form, not the list, says which RC is recorded: a keyword refill leaves the list without a current item
    // while the form still shows the RC and the doctor's choices.
    if (currentRcId.toString().isEmpty()) {
        warnNotRecorded(kNoRcShown);
        return;
    }
    // The boxes below give the focus back when they close, and a focused list without a current item then loads
    // its first RC: the row is the RC the doctor chose the codes for, whatever the form shows by then.
    const QVariant rcId = currentRcId;

    QStringList ticked;
    const QList<QListWidgetItem *> selectedCriteria = ui->List_Criteres->selectedItems();
    for (const QListWidgetItem *item : selectedCriteria)
        ticked << QString::number(item->data(browse::kIdRole).toInt());
    QVariantList row;
    for (int column = 0; column < session::ColumnCount; ++column)
        row << QString();
    const QString position = checkedLetter(positionButtons());
    const QString followUp = checkedLetter(followUpButtons());
    row[session::Position] = position;
    row[session::FollowUp] = followUp;
    row[session::Asymptomatic] = session::flagText(ui->chkAsymptomique->isChecked());
    row[session::Ald] = session::flagText(ui->chkALD->isChecked());
    row[session::Criteria] = ticked.join(QLatin1Char(';'));
    row[session::CriteriaList] = ticked.join(QLatin1Char(','));

    // Pressing the button twice must not record the same finding twice.
    if (isDuplicateRow(position, followUp, row[session::Asymptomatic].toString(), row[session::Criteria].toString())) {
        warnNotRecorded(kAlreadyRecorded);
        return;
    }
    if (!choicesAccepted(position, followUp, ticked))
        return;
    QString cim;
    QString cisp;
    if (!chooseCodes(ticked, cim, cisp))
        return;
    row[session::Cim] = cim;
    row[session::Cisp] = cisp;
    row[session::Title] = recordedTitle(ui->List_RefRC, db, rcId.toInt());
    row[session::RcId] = rcId;
    appendSessionRow(row);
}

bool Quorvel::choicesAccepted(const QString &position, const QString &followUp, const QStringList &ticked)
{
    if (followUp.isEmpty()) {
        warnNotRecorded(position.isEmpty() ? kNoPosition : kNoFollowUp);
        return false;
    }
    if (position.isEmpty()) {
        warnNotRecorded(kNoPosition);
        return false;
    }
    return followUp != QLatin1String("N") || mandatoryCriteriaMet(ticked) || confirmIncompleteCriteria();
}

void Quorvel::appendSessionRow(const QVariantList &cells)
{
    const int row = sessionRowCount;
    if (!sessionModel->insertRow(row))
        return;
    for (int column = 0; column < session::ColumnCount; ++column)
        sessionModel->setData(sessionModel->index(row, column), cells.at(column), Qt::EditRole);
    ui->tableView->selectRow(row);
    ++sessionRowCount;
}

bool Quorvel::isDuplicateRow(const QString &position, const QString &followUp, const QString &asymptomatic,
                             const QString &criteriaText) const
{
    const QString rcId = currentRcId.toString();
    if (rcId.isEmpty())
        return false;
    // ALD and the codes are left out: the same finding with only another ALD answer is still the same finding.
    for (int row = 0; row < sessionModel->rowCount(); ++row) {
        if (sessionCell(row, session::RcId) == rcId && sessionCell(row, session::Position) == position &&
            sessionCell(row, session::FollowUp) == followUp &&
            sessionCell(row, session::Asymptomatic) == asymptomatic &&
            sessionCell(row, session::Criteria) == criteriaText)
            return true;
    }
    return false;
}

bool Quorvel::mandatoryCriteriaMet(const QStringList &ticked)
{
    const QStringList topLevel = topLevelCriteria(currentRcId.toInt());
    session::ClassTally tickedTally;
    for (const QString &id : ticked) {
        if (topLevel.contains(id))
            tickedTally.add(ponderClass(id));
        const QStringList children = childCriteria(id);
        if (!children.isEmpty()) {
            qCDebug(lcTrace) << "sous-criteres de" << id << ":" << children;
            QSet<QString> path;
            if (!subCriteriaMet(id, ticked, path))
                return false;
        }
    }
    session::ClassTally level;
    for (int k = 0; k < session::kCountedClasses; ++k)
        level.set(k, criteriaOfClass(k, kTopLevel, topLevel).size());
    return session::levelRequirementsMet(tickedTally, level);
}

bool Quorvel::subCriteriaMet(const QString &parentId, const QStringList &ticked, QSet<QString> &path)
{
    // path holds the criteria under test from the top down to here; a dictionary whose parent links loop back
    // would otherwise send this test round the loop for ever.
    path.insert(parentId);
    const QStringList children = childCriteria(parentId);
    session::ClassTally tickedTally;
    bool met = true;
    for (const QString &id : ticked) {
        if (!children.contains(id))
            continue;
        tickedTally.add(ponderClass(id));
        if (path.contains(id))
            continue;
        if (!childCriteria(id).isEmpty() && !subCriteriaMet(id, ticked, path)) {
            met = false;
            break;
        }
    }
    if (met) {
        session::ClassTally level;
        for (int k = 0; k < session::kCountedClasses; ++k)
            level.set(k, criteriaOfClass(k, parentId, QStringList()).size());
        met = session::levelRequirementsMet(tickedTally, level);
    }
    path.remove(parentId);
    return met;
}

QStringList Quorvel::topLevelCriteria(int rcId)
{
    return db::firstColumn(db, kTopLevelCriteriaSql.arg(rcId));
}

QStringList Quorvel::childCriteria(const QString &criterionId)
{
    return db::firstColumn(db, kChildCriteriaSql.arg(criterionId));
}

QStringList Quorvel::criteriaOfClass(int weightClass, const QString &parentId, const QStringList &topLevel)
{
    const QStringList level = parentId == kTopLevel ? topLevel : childCriteria(parentId);
    QStringList members;
    for (const QString &id : level) {
        if (ponderClass(id) == weightClass)
            members << id;
    }
    return members;
}

QStringList Quorvel::codeRulesOfRc()
{
    return db::firstColumn(db, kCodeRulesSql.arg(currentRcId.toInt()));
}

QStringList Quorvel::ruleCriteria(const QString &ruleId)
{
    return db::firstColumn(db, kRuleCriteriaSql.arg(ruleId));
}

QString Quorvel::ruleValue(const QString &column, const QString &ruleId)
{
    return db::lastRow(db, kRuleValueSql.arg(column, ruleId), 1).first();
}

session::CodeChoice Quorvel::rulesOfRcList(const QString &sql)
{
    // Without ticked criteria every rule of the RC is a candidate, whatever its criteria.
    session::CodeChoice listed;
    const bool ok = db::forEachRow(db, sql, [&listed](const QSqlQuery &row) {
        listed.addRule(session::cimText(row.value(0).toString(), row.value(1).toString()), row.value(2).toString(),
                       row.value(3).toString());
    });
    return ok ? listed : session::CodeChoice();
}

session::CodeChoice Quorvel::rulesMetByTicks(const QStringList &ticked)
{
    session::CodeChoice choice;
    const QStringList rules = codeRulesOfRc();
    for (const QString &ruleId : rules) {
        // Rule ids are read from the dictionary and spliced into the next statements: only a plain integer
        // may go there (a hand-edited file could hold any text).
        bool isInteger = false;
        ruleId.toLongLong(&isInteger);
        if (!isInteger) {
            qCDebug(lcTrace).noquote() << QStringLiteral("regle de codage ignoree, identifiant non entier : ") + ruleId;
            continue;
        }
        if (!session::ruleApplies(ruleCriteria(ruleId), ticked))
            continue;
        const QString cim2 = ruleValue(kRuleCim2, ruleId);
        const QString cim1 = ruleValue(kRuleCim1, ruleId);
        const QString ruleCisp = ruleValue(kRuleCisp, ruleId);
        const QString subtitle = ruleValue(kRuleSubtitle, ruleId);
        choice.addRule(session::cimText(cim1, cim2), subtitle, ruleCisp);
    }
    return choice;
}

bool Quorvel::chooseCodes(const QStringList &ticked, QString &cim, QString &cisp)
{
    cim.clear();
    cisp.clear();
    const int rcId = currentRcId.toInt();
    const QString ruleListSql = ticked.isEmpty() ? kRuleListSql.arg(rcId) : QString();
    session::CodeChoice choice = ticked.isEmpty() ? rulesOfRcList(ruleListSql) : rulesMetByTicks(ticked);
    qCDebug(lcTrace).noquote() << QStringLiteral("requete select code cim10 ") + ruleListSql;

    if (choice.candidateCount() == 1) {
        cim = choice.only().cim;
        cisp = choice.only().cisp;
    } else if (choice.candidateCount() > 1) {
        const QStringList defaults = db::lastRow(db, kDefaultEntrySql.arg(rcId), 3);
        choice.addDefault(defaults.at(0), defaults.at(1), defaults.at(2));
        bool ok = false;
        const QString chosen = QInputDialog::getItem(this, kChoiceTitle, kChoiceLabel, choice.entries(), 0, true, &ok);
        // A cancelled choice records nothing: the doctor did not pick a code, so none is guessed for them.
        if (!ok)
            return false;
        const session::CodeCandidate candidate = choice.lookup(chosen);
        cim = candidate.cim;
        cisp = candidate.cisp;
    } else {
        const QStringList defaults = db::lastRow(db, kDefaultCodesSql.arg(rcId), 2);
        cim = defaults.at(0);
        cisp = defaults.at(1);
    }
    if (cisp.isEmpty())
        cisp = db::lastRow(db, kDefaultCispSql.arg(rcId), 1).first();
    return true;
}
