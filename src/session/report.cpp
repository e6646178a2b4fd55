// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation report shown on the "Résultat" tab, and the two ways of copying it to the clipboard.
#include "app/quorvel.h"
#include "browse/sex.h"
#include "db/database.h"
#include "session/reporttext.h"
#include "session/sessioncolumns.h"

#include "ui_quorvel.h"

#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QSqlQuery>

namespace
{

const QString kCriterionTextSql = QStringLiteral(
    "SELECT ref_definition.lib_criteres_fr FROM ref_definition WHERE (((ref_definition.ref_definition_seq)=%1))");
const QString kCriterionOrderSql = QStringLiteral(" select  ordre from ref_definition  where  ref_definition_seq=%1 ");
const int kReportTab = 1;

// Criterion ids come from the table's hidden cells; only plain integers are put into a statement.
bool isCriterionId(const QString &id)
{
    bool ok = false;
    id.toLongLong(&ok);
    return ok && !id.trimmed().isEmpty() && id == id.trimmed();
}

std::optional<QString> criterionText(const QSqlDatabase &db, const QString &id)
{
    if (!isCriterionId(id))
        return std::nullopt;
    const std::optional<QVariantList> row = db::firstRow(db, kCriterionTextSql.arg(id), 1);
    if (!row || row->isEmpty())
        return std::nullopt;
    return row->first().toString();
}

} // namespace

void Quorvel::on_tabWidget_tabBarClicked(int index)
{
    // A click that changes the tab builds through the change below; a click on the report already shown builds
    // here, which is how the doctor drops the edits made in the box.
    if (index == kReportTab && ui->tabWidget->currentIndex() == kReportTab)
        buildReport();
}

void Quorvel::on_tabWidget_currentChanged(int index)
{
    // However the tab is reached (mouse, Ctrl+Tab, the tab bar's arrows, a screen reader), the report shown and
    // copied is the table's, never an older build.
    if (index == kReportTab)
        buildReport();
}

void Quorvel::on_btCopyToClipboard_clicked()
{
    // The box's own text, so whatever the doctor typed into the report is copied too.
    copyReport(ui->txtResult->toPlainText());
}

void Quorvel::on_btCopyToClipboard1_clicked()
{
    // The report covers every row whatever is selected; copying nothing would leave the previous patient's text
    // on the clipboard for the doctor to paste.
    buildReport();
    copyReport(ui->txtResult->toPlainText());
}

void Quorvel::copyReport(const QString &text)
{
    QApplication::clipboard()->setText(text, QClipboard::Clipboard);
    consultation.markCopied();
}

void Quorvel::buildReport()
{
    ui->txtResult->clear();
    if (consultation.rowCount() == 0)
        return;

    browse::Sex sex = browse::Sex::None;
    if (ui->rbHomme->isChecked())
        sex = browse::Sex::Man;
    else if (ui->rbFemme->isChecked())
        sex = browse::Sex::Woman;

    QVector<session::ReportRow> rows;
    for (int row = 0; row < consultation.rowCount(); ++row) {
        session::ReportRow r;
        r.title = consultation.cell(row, session::Title);
        r.position = consultation.cell(row, session::Position);
        r.followUp = consultation.cell(row, session::FollowUp);
        r.cim = consultation.cell(row, session::Cim);
        r.cisp = consultation.cell(row, session::Cisp);
        r.asymptomatic = consultation.cell(row, session::Asymptomatic);
        r.ald = consultation.cell(row, session::Ald);
        r.criterionIds = session::splitCriteria(consultation.cell(row, session::Criteria));
        if (!r.criterionIds.isEmpty())
            r.criterionIds = sortCriteriaByOrder(r.criterionIds);
        rows << r;
    }
    const QString text = session::reportText(ui->txtAge->text(), browse::reportSexText(sex), rows,
                                             [this](const QString &id) { return criterionText(db, id); });
    // Plain text: a title or criterion holding "<" must reach the patient file as written.
    ui->txtResult->setPlainText(text);
}

QStringList Quorvel::sortCriteriaByOrder(const QStringList &ids)
{
    // One lookup per id: the order cannot change during one build.
    QHash<QString, int> orders;
    const auto orderOf = [this, &orders](const QString &id) {
        auto it = orders.constFind(id);
        if (it == orders.constEnd())
            it = orders.insert(id, criterionOrder(id));
        return it.value();
    };
    for (const QString &id : ids)
        qCDebug(lcTrace) << id << orderOf(id);
    const QStringList sorted = session::sortByOrder(ids, orderOf);
    qCDebug(lcTrace) << "*******************************";
    for (const QString &id : sorted)
        qCDebug(lcTrace) << id << orderOf(id);
    return sorted;
}

int Quorvel::criterionOrder(const QString &id)
{
    if (!isCriterionId(id))
        return -1;
    int order = -1;
    const bool ok = db::forEachRow(db, kCriterionOrderSql.arg(id),
                                   [&order](const QSqlQuery &row) { order = row.value(0).toInt(); });
    return ok ? order : -1;
}
