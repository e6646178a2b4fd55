// Helpers shared by the consultation-session tests: reaching the window's widgets by name and acting on
// the form like the doctor does (pick an RC, tick criteria, choose the radios, record, click a row).
#pragma once

#include "app/quorvel.h"
#include "testkit.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

namespace sessionkit
{

template <class T> T *widget(Quorvel &w, const char *name)
{
    T *found = w.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

inline QListWidget *rcList(Quorvel &w)
{
    return widget<QListWidget>(w, "List_RefRC");
}

inline QListWidget *criteria(Quorvel &w)
{
    return widget<QListWidget>(w, "List_Criteres");
}

inline QTableView *table(Quorvel &w)
{
    return widget<QTableView>(w, "tableView");
}

inline QAbstractItemModel *model(Quorvel &w)
{
    return table(w)->model();
}

inline void click(Quorvel &w, const char *buttonName)
{
    widget<QAbstractButton>(w, buttonName)->click();
}

// Ticks criteria in the given order, the way a program selection does (no forced parent, no toggling).
inline void tick(Quorvel &w, const QStringList &texts)
{
    for (const QString &text : texts) {
        QListWidgetItem *item = testkit::findItem(criteria(w), text);
        QVERIFY2(item, qPrintable(text));
        item->setSelected(true);
    }
}

// Picks an RC in the list, ticks criteria, chooses the position and follow-up radios, then presses
// "Enregistrer le RC". Empty names leave a radio unchosen.
inline void record(Quorvel &w, const QString &rc, const QStringList &ticks, const char *position, const char *followUp)
{
    testkit::clickItem(rcList(w), rc);
    tick(w, ticks);
    if (*position)
        click(w, position);
    if (*followUp)
        click(w, followUp);
    click(w, "btAjouterRC");
}

inline QStringList rowCells(Quorvel &w, int row)
{
    QStringList cells;
    for (int column = 0; column < model(w)->columnCount(); ++column)
        cells << model(w)->index(row, column).data().toString();
    return cells;
}

inline int rowCount(Quorvel &w)
{
    return model(w)->rowCount();
}

} // namespace sessionkit
