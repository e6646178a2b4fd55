// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the RC shown in the form as a new row of the consultation table: the checks on position and
// follow-up code, the weighting rules for code N, and the choice of the CIM 10 and CISP codes.
#include "app/quorvel.h"
#include "browse/rclistitems.h"
#include "db/database.h"
#include "session/codechoice.h"
#include "session/weighting.h"

#include "ui_quorvel.h"

#include <QComboBox>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>

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
// %1 is one of the rule columns rulesMetByTicks names, never a value from the dictionary or the doctor.
const QString kRuleValueSql =
    QStringLiteral(" select  rc_cim.%1 from ref_l_rc_cim10 rc_cim where  rc_cim.ref_lrccim_seq=%2");
const QString kRuleListSql =
    QStringLiteral(" select code_cim_1,code_cim_2,soustitre,code_cisp from ref_l_rc_cim10 rc_cim where ref_rc_id=%1");
const QString kDefaultEntrySql =
    QStringLiteral(" select code_cim_defaut,lib_rc,code_cisp_defaut from ref_rc where ref_rc_seq=%1");
const QString kDefaultCodesSql =
    QStringLiteral(" select code_cim_defaut,code_cisp_defaut from ref_rc where ref_rc_seq=%1");
const QString kDefaultCispSql = QStringLiteral(" select code_cisp_defaut from ref_rc where ref_rc_seq=%1");
// The parent id that stands for the RC's own top level.
const QString kTopLevel = QStringLiteral("-1");

const QString kNoFollowUp = QStringLiteral("Veuilliez séléctionner un code suivi");
const QString kNoPosition = QStringLiteral("Veuilliez séléctionner une position diagnostique");
const QString kIncompleteCriteria =
    QStringLiteral("Vous n'avez pas séléctionné l'ensemble de critères obligatoires pour cet RC ayant le code suivi N"
                   "      \n                                Voulez vous continuer ?");
const QString kChoiceTitle = QStringLiteral("Choix du code CIM10");
const QString kChoiceLabel = QStringLiteral("Veuilliez sélectionner le code CIM10 ");
const QString kRecordingIcon = QStringLiteral(":/images/chouette-2015.jpg");
const QString kUnknownCode =
    QStringLiteral("« %1 » n'est pas dans la liste des codes de ce RC : choisissez une entrée de la liste, ou Annuler "
                   "pour ne pas enregistrer le RC.");
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

// Boxes of their own window, so that a click on the main window cannot raise it over them.
void warnNotRecorded(QWidget *window, const QString &text)
{
    QMessageBox box(window);
    prepareRecordingBox(box);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

// The doctor may record code N without every mandatory criterion; Cancel (also Escape or the close box) stops.
// "Oui" stays the default whatever order the desktop gives the buttons.
bool confirmIncompleteCriteria(QWidget *window)
{
    QMessageBox box(window);
    prepareRecordingBox(box);
    box.setText(kIncompleteCriteria);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Non"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace

session::Draft Quorvel::formDraft() const
{
    session::Draft draft;
    draft.rcId = consultation.rc();
    draft.title = consultation.rcTitle();
    for (const QListWidgetItem *item : ui->List_Criteres->selectedItems())
        draft.ticked << QString::number(item->data(browse::kIdRole).toInt());
    draft.position = checkedLetter(positionButtons());
    draft.followUp = checkedLetter(followUpButtons());
    draft.asymptomatic = ui->chkAsymptomique->isChecked();
    draft.ald = ui->chkALD->isChecked();
    return draft;
}

void Quorvel::on_btAjouterRC_clicked()
{
    // What the form shows now is what is recorded: the boxes below give the focus back as they close, and
    // nothing that happens meanwhile changes this value.
    const session::Draft draft = formDraft();
    if (!consultation.hasRc()) {
        warnNotRecorded(this, kNoRcShown);
        return;
    }
    // Pressing the button twice must not record the same finding twice.
    if (consultation.isDuplicate(draft)) {
        warnNotRecorded(this, kAlreadyRecorded);
        return;
    }
    if (!choicesAccepted(draft))
        return;
    QString cim;
    QString cisp;
    if (!chooseCodes(draft, cim, cisp))
        return;
    consultation.record(draft, cim, cisp);
    showEditedRow();
    // The next search can be typed at once.
    ui->txtSearchCriteria->setFocus(Qt::OtherFocusReason);
    ui->txtSearchCriteria->selectAll();
}

bool Quorvel::choicesAccepted(const session::Draft &draft)
{
    if (draft.followUp.isEmpty() || draft.position.isEmpty()) {
        warnNotRecorded(this, draft.position.isEmpty() ? kNoPosition : kNoFollowUp);
        return false;
    }
    return draft.followUp != QLatin1String("N") || mandatoryCriteriaMet(draft.rcId, draft.ticked) ||
           confirmIncompleteCriteria(this);
}

bool Quorvel::mandatoryCriteriaMet(int rcId, const QStringList &ticked)
{
    const QStringList topLevel = db::firstColumn(db, kTopLevelCriteriaSql.arg(rcId));
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
    for (const QString &id : ticked) {
        if (!children.contains(id))
            continue;
        tickedTally.add(ponderClass(id));
        // A failure ends the whole test, so the path needs no unwinding.
        if (!path.contains(id) && !childCriteria(id).isEmpty() && !subCriteriaMet(id, ticked, path))
            return false;
    }
    session::ClassTally level;
    for (int k = 0; k < session::kCountedClasses; ++k)
        level.set(k, criteriaOfClass(k, parentId, QStringList()).size());
    path.remove(parentId);
    return session::levelRequirementsMet(tickedTally, level);
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

session::CodeChoice Quorvel::rulesMetByTicks(int rcId, const QStringList &ticked)
{
    session::CodeChoice choice;
    const auto ruleValue = [this](const QString &column, const QString &ruleId) {
        return db::lastRow(db, kRuleValueSql.arg(column, ruleId), 1).first();
    };
    const QStringList rules = db::firstColumn(db, kCodeRulesSql.arg(rcId));
    for (const QString &ruleId : rules) {
        // Rule ids are read from the dictionary and spliced into the next statements: only a plain integer
        // may go there (a hand-edited file could hold any text).
        bool isInteger = false;
        ruleId.toLongLong(&isInteger);
        if (!isInteger) {
            qCDebug(lcTrace).noquote() << QStringLiteral("regle de codage ignoree, identifiant non entier : ") + ruleId;
            continue;
        }
        if (!session::ruleApplies(db::firstColumn(db, kRuleCriteriaSql.arg(ruleId)), ticked))
            continue;
        const QString cim2 = ruleValue(QStringLiteral("code_cim_2"), ruleId);
        const QString cim1 = ruleValue(QStringLiteral("code_cim_1"), ruleId);
        const QString ruleCisp = ruleValue(QStringLiteral("Code_cisp"), ruleId);
        const QString subtitle = ruleValue(QStringLiteral("soustitre"), ruleId);
        choice.addRule(session::cimText(cim1, cim2), subtitle, ruleCisp);
    }
    return choice;
}

bool Quorvel::chooseCodes(const session::Draft &draft, QString &cim, QString &cisp)
{
    cim.clear();
    cisp.clear();
    const int rcId = draft.rcId;
    const QStringList &ticked = draft.ticked;
    const QString ruleListSql = ticked.isEmpty() ? kRuleListSql.arg(rcId) : QString();
    session::CodeChoice choice = ticked.isEmpty() ? rulesOfRcList(ruleListSql) : rulesMetByTicks(rcId, ticked);
    qCDebug(lcTrace).noquote() << QStringLiteral("requete select code cim10 ") + ruleListSql;

    if (choice.candidateCount() == 1) {
        cim = choice.only().cim;
        cisp = choice.only().cisp;
    } else if (choice.candidateCount() > 1) {
        const QStringList defaults = db::lastRow(db, kDefaultEntrySql.arg(rcId), 3);
        choice.addDefault(defaults.at(0), defaults.at(1), defaults.at(2));
        QString chosen;
        // A cancelled choice records nothing: the doctor did not pick a code, so none is guessed for them.
        if (!askCode(choice.entries(), chosen))
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

bool Quorvel::askCode(const QStringList &entries, QString &chosen)
{
    for (;;) {
        QInputDialog dialog(this);
        dialog.setWindowTitle(kChoiceTitle);
        dialog.setLabelText(kChoiceLabel);
        dialog.setComboBoxItems(entries);
        dialog.setComboBoxEditable(true);
        dialog.setTextValue(entries.value(0));
        // The inline completion would take the first Return for itself: one Return accepts the entry shown.
        if (auto *combo = dialog.findChild<QComboBox *>())
            combo->setCompleter(nullptr);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        chosen = dialog.textValue();
        if (entries.contains(chosen))
            return true;
        // A code typed by hand has no rule behind it: recording it would leave the row without a CIM 10 code.
        warnNotRecorded(this, kUnknownCode.arg(chosen));
    }
}
