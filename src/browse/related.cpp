// SPDX-License-Identifier: GPL-3.0-or-later
// Related entries of the RC shown: the RCs to see also, and the critical diagnoses with their criticality icons.
#include "app/quorvel.h"

#include "browse/rclistitems.h"
#include "db/database.h"
#include "ui_quorvel.h"

#include <QHeaderView>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QSqlQuery>
#include <QStandardItemModel>

namespace
{

const QString kSeeAlsoSql = QStringLiteral(
    "SELECT  ref_l_rc_voir_aussi_rc.voir_aussi_id,ref_rc.lib_rc FROM ref_l_rc_voir_aussi_rc INNER JOIN ref_rc ON "
    "ref_l_rc_voir_aussi_rc.voir_aussi_id= ref_rc.ref_rc_seq  where ref_l_rc_voir_aussi_rc.ref_rc_id =%1  order by "
    "ref_rc.lib_rc");
const QString kCriticalSql = QStringLiteral(
    " SELECT ref_dic.ref_dic_seq, ref_dic.dic_lib, ref_dic.groupe FROM ref_dic INNER JOIN (ref_l_rc_dic INNER JOIN "
    "ref_rc ON ref_l_rc_dic.ref_rc_id = ref_rc.ref_rc_seq) ON ref_dic.ref_dic_seq = ref_l_rc_dic.ref_dic_id WHERE "
    "ref_rc.ref_rc_seq=%1 order by ref_dic.groupe;");
const int kCriticalLabelWidth = 300;
const int kCriticalIconWidth = 60;

} // namespace

void Quorvel::fillSeeAlso()
{
    QListWidget *list = ui->listeSynonymes;
    list->clear();
    const bool ok = db::forEachRow(db, kSeeAlsoSql.arg(consultation.rc()), [list](const QSqlQuery &row) {
        const int id = row.value(0).toInt();
        qCDebug(lcTrace) << id;
        const QString title = row.value(1).toString();
        auto *item = new QListWidgetItem(title);
        item->setData(browse::kIdRole, id);
        item->setData(Qt::ToolTipRole, title);
        list->addItem(item);
    });
    if (!ok)
        list->clear();
}

void Quorvel::fillCriticalDiagnoses(QTableView *view, int rcId)
{
    // The model is the view's own, made once with the window: it is emptied and refilled, never replaced.
    QStandardItemModel *model = criticalModel;
    model->removeRows(0, model->rowCount());
    const bool ok = db::forEachRow(db, kCriticalSql.arg(rcId), [model](const QSqlQuery &row) {
        const QString group = row.value(2).toString();
        // Each row goes on top, so the most critical group, sorted last, ends first.
        model->insertRow(0);
        model->setData(model->index(0, 0), row.value(1).toString(), Qt::EditRole);
        if (group != QLatin1String("1") && group != QLatin1String("2") && group != QLatin1String("3")) {
            model->setData(model->index(0, 1), QString(), Qt::EditRole);
            return;
        }
        const QImage image(QStringLiteral(":/images/critic_%1.png").arg(group));
        auto *iconItem = new QStandardItem;
        iconItem->setData(QPixmap::fromImage(image), Qt::DecorationRole);
        model->setItem(0, 1, iconItem);
    });
    if (!ok)
        model->removeRows(0, model->rowCount());

    if (view->model() != model)
        view->setModel(model);
    view->setColumnWidth(0, kCriticalLabelWidth);
    view->setColumnWidth(1, kCriticalIconWidth);
    view->horizontalHeader()->hide();
}
