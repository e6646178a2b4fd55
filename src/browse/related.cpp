// Related entries of the RC shown: the RCs to see also, and the critical diagnoses with their criticality icons.
#include "app/quorvel.h"

#include "db/database.h"
#include "ui_quorvel.h"

#include <QDebug>
#include <QHeaderView>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QSqlQuery>
#include <QStandardItemModel>

void Quorvel::fillSeeAlso()
{
    QListWidget *list = ui->listeSynonymes;
    list->clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!qdb::exec(query, QStringLiteral("SELECT  ref_l_rc_voir_aussi_rc.voir_aussi_id,ref_rc.lib_rc FROM "
                                         "ref_l_rc_voir_aussi_rc INNER JOIN ref_rc ON "
                                         "ref_l_rc_voir_aussi_rc.voir_aussi_id= ref_rc.ref_rc_seq  where "
                                         "ref_l_rc_voir_aussi_rc.ref_rc_id =%1  order by ref_rc.lib_rc")
                              .arg(currentRcId.toInt())))
        return;
    while (query.next()) {
        const int id = query.value(0).toInt();
        qDebug() << id;
        const QString title = query.value(1).toString();
        auto *item = new QListWidgetItem(title);
        item->setData(Qt::UserRole, id);
        item->setData(Qt::ToolTipRole, title);
        list->addItem(item);
    }
    if (qdb::stoppedOnError(query))
        list->clear();
}

// The view's own two-column model, emptied. Setting a new model on a table view costs more than everything else
// an RC click does (the headers reconnect to it), so the model is made once and refilled afterwards.
static QStandardItemModel *emptyCriticalModel(QTableView *view)
{
    auto *model = qobject_cast<QStandardItemModel *>(view->model());
    if (!model || model->parent() != view) {
        QAbstractItemModel *previous = view->model();
        model = new QStandardItemModel(0, 2, view);
        view->setModel(model);
        if (previous && previous->parent() == view)
            delete previous;
    }
    model->removeRows(0, model->rowCount());
    return model;
}

void Quorvel::fillCriticalDiagnoses(QTableView *view, int rcId)
{
    QStandardItemModel *model = emptyCriticalModel(view);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (qdb::exec(query, QStringLiteral(" SELECT ref_dic.ref_dic_seq, ref_dic.dic_lib, ref_dic.groupe FROM ref_dic "
                                        "INNER JOIN (ref_l_rc_dic INNER JOIN ref_rc ON ref_l_rc_dic.ref_rc_id = "
                                        "ref_rc.ref_rc_seq) ON ref_dic.ref_dic_seq = ref_l_rc_dic.ref_dic_id WHERE "
                                        "ref_rc.ref_rc_seq=%1 order by ref_dic.groupe;")
                             .arg(rcId))) {
        while (query.next()) {
            const QString group = query.value(2).toString();
            int level = 0;
            if (group == QLatin1String("1"))
                level = 1;
            else if (group == QLatin1String("2"))
                level = 2;
            else if (group == QLatin1String("3"))
                level = 3;
            // Each row goes on top, so the most critical group, sorted last, ends first.
            model->insertRow(0);
            model->setData(model->index(0, 0), query.value(1).toString(), Qt::EditRole);
            if (level == 0) {
                model->setData(model->index(0, 1), QString(), Qt::EditRole);
                continue;
            }
            const QImage image(QStringLiteral(":/images/critic_%1.png").arg(level));
            auto *iconItem = new QStandardItem;
            iconItem->setData(QPixmap::fromImage(image), Qt::DecorationRole);
            model->setItem(0, 1, iconItem);
        }
        if (qdb::stoppedOnError(query))
            model->removeRows(0, model->rowCount());
    }

    view->setColumnWidth(0, 300);
    view->setColumnWidth(1, 60);
    view->horizontalHeader()->hide();
}
