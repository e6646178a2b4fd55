// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random walks over what a doctor does in the window, checked after every step against a small model of
// the consultation: the rows recording appends, the edits a re-opened row allows, the moves and deletions.
// QUORVEL_WALKS raises the number of walks, QUORVEL_WALK_STEPS their length; QUORVEL_WALK_SEED replays one walk.
#include "app/quorvel.h"
#include "testkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextEdit>
#include <QTextStream>
#include <random>

using namespace testkit;

namespace
{

const char *const kPositions[] = {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z"};
const char *const kFollowUps[] = {"rdCodeN", "rdCodeP", "rdCodeR"};

// What the dictionary says of each RC, read once on a connection of the test's own.
struct Reference {
    QHash<QString, QString> title;
    QHash<QString, QString> offered;        // position letters whose column is 1
    QHash<QString, QSet<QString>> cimTexts; // default code and every rule's CIM 10 text
    // What the panes show for each RC: criterion ids in force, see-also RC ids, critical diagnoses' texts.
    QHash<QString, QStringList> criteria, seeAlso, critical;
};

Reference readReference(const QString &path)
{
    Reference ref;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("walk_reference"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("select ref_rc_seq, lib_rc, pa, pb, pc, pd, pz, code_cim_defaut from ref_rc"));
        while (q.next()) {
            const QString id = q.value(0).toString();
            ref.title[id] = q.value(1).toString();
            for (int i = 0; i < 5; ++i)
                ref.offered[id] += q.value(2 + i).toInt() == 1 ? QString(QLatin1Char("ABCDZ"[i])) : QString();
            ref.cimTexts[id] << q.value(7).toString();
        }
        q.exec(QStringLiteral("select ref_rc_id, code_cim_1, code_cim_2 from ref_l_rc_cim10"));
        while (q.next()) {
            const QString second = q.value(2).toString();
            ref.cimTexts[q.value(0).toString()]
                << q.value(1).toString() + (second.isEmpty() ? QString() : QLatin1Char('/') + second);
        }
        const QPair<QHash<QString, QStringList> *, const char *> panes[] = {
            {&ref.criteria, "select ref_rc_id, ref_definition_seq from ref_definition where validite = 1"},
            {&ref.seeAlso, "select l.ref_rc_id, l.voir_aussi_id from ref_l_rc_voir_aussi_rc l join ref_rc on "
                           "ref_rc_seq = l.voir_aussi_id"},
            {&ref.critical, "select l.ref_rc_id, d.dic_lib from ref_l_rc_dic l join ref_dic d on "
                            "ref_dic_seq = l.ref_dic_id"}};
        for (const auto &pane : panes) {
            q.exec(QString::fromLatin1(pane.second));
            while (q.next())
                (*pane.first)[q.value(0).toString()] << q.value(1).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("walk_reference"));
    return ref;
}

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class Walk
{
public:
    Walk(Quorvel &w, const Reference &ref, quint32 seed) : w(w), ref(ref), rng(seed) { load(firstId()); }

    // One action chosen at random, then every invariant; false (with `failure` set) at the first breach.
    bool step()
    {
        // Weights of the actions of act(), in its order: the form and the table more often than the resets.
        static const int weights[] = {3, 1, 2, 2, 1, 1, 4, 3, 3, 3, 4, 4, 3, 1, 3, 3, 5, 2, 2, 1, 1, 2, 2, 1};
        std::discrete_distribution<int> kind(std::begin(weights), std::end(weights));
        act(kind(rng));
        return check();
    }
    QStringList actions;
    QString failure;

private:
    int pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng); }
    QListWidgetItem *anyItem(QListWidget *list) { return list->count() ? list->item(pick(list->count())) : nullptr; }
    QString firstId() { return rcList(w)->count() ? rcList(w)->item(0)->data(Qt::UserRole).toString() : QString(); }
    void show(const QString &rcId)
    {
        shownRc = rcId;
        titleRc = rcId;
    }
    // An RC load other than a re-opening: the form shows that RC and no longer edits a row.
    void load(const QString &rcId)
    {
        show(rcId);
        reopened = false;
        selected = -1;
    }
    void write(int column, const QString &value)
    {
        if (reopened && selected >= 0)
            rows[selected][column] = value;
    }
    void move(int by)
    {
        rows.swapItemsAt(selected, selected + by);
        selected += by;
    }
    bool fail(const QString &what)
    {
        failure = what;
        return false;
    }
    void act(int kind);
    void recordRc();
    void answer(QWidget *modal);
    bool check();
    bool reportHoldsRows(const QString &report) const;
    bool panesShowOneRc();
    // A box that closes gives the focus back; a focused list without a current RC then makes its first one
    // current, which loads it as any other current change does.
    // A button pressed with the mouse takes the focus, as the doctor's click does.
    void press(const char *name)
    {
        auto *button = widget<QWidget>(w, name);
        if (button->focusPolicy() & Qt::ClickFocus)
            button->setFocus(Qt::MouseFocusReason);
        click(w, name);
    }
    void followListAfterBox(QListWidgetItem *before)
    {
        QListWidgetItem *now = rcList(w)->currentItem();
        if (now && now != before)
            load(now->data(Qt::UserRole).toString());
    }

    Quorvel &w;
    const Reference &ref;
    std::mt19937 rng;
    // The model: recorded rows, the selected row (-1: none), whether it is re-opened in the form, the RC shown.
    QList<QStringList> rows;
    int selected = -1;
    bool reopened = false;
    QString shownRc;
    QString titleRc; // whose title the label shows: shownRc but after a see-also jump to an RC the list lacks
    QList<QStringList> copiedRows; // the rows when the report was last copied
    bool keywordActive = false;
    QStringList answers; // how the boxes of the current action were answered
};

void Walk::answer(QWidget *modal)
{
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        QAbstractButton *button = box->buttons().at(pick(box->buttons().size()));
        answers << box->text().left(12) + QStringLiteral(" -> ") + button->text();
        button->click();
    } else if (auto *input = qobject_cast<QInputDialog *>(modal)) {
        const QStringList items = input->comboBoxItems();
        const int choice = pick(items.size() + 2); // an entry, a text of the doctor's own, or cancel
        const QString text = choice < items.size() ? items.at(choice) : QStringLiteral("texte libre");
        answers << QStringLiteral("code -> ") + (choice > items.size() ? QStringLiteral("cancel") : text);
        chooseItem(text, choice <= items.size())(modal);
    } else {
        answers << QStringLiteral("MODEL: unexpected ") + QString::fromLatin1(modal->metaObject()->className());
        modal->close();
    }
}

void Walk::recordRc()
{
    QString position;
    QString followUp;
    for (const char *name : kPositions) {
        auto *radio = widget<QRadioButton>(w, name);
        position += radio->isChecked() && !radio->isHidden() ? QString(QLatin1Char(name[6])) : QString();
    }
    for (const char *name : kFollowUps)
        followUp += widget<QRadioButton>(w, name)->isChecked() ? QString(QLatin1Char(name[6])) : QString();
    QStringList ticked;
    for (const QListWidgetItem *item : criteria(w)->selectedItems())
        ticked << QString::number(item->data(Qt::UserRole).toInt());
    QStringList row = {ref.title.value(shownRc),
                       position,
                       followUp,
                       QString(),
                       QString(),
                       widget<QCheckBox>(w, "chkAsymptomique")->isChecked() ? "Oui" : "Non",
                       ticked.join(';'),
                       shownRc,
                       widget<QCheckBox>(w, "chkALD")->isChecked() ? "Oui" : "Non",
                       ticked.join(',')};
    bool duplicate = false;
    for (const QStringList &r : rows)
        duplicate =
            duplicate || (r[7] == row[7] && r[1] == row[1] && r[2] == row[2] && r[5] == row[5] && r[6] == row[6]);
    const bool possible = !shownRc.isEmpty() && !duplicate;

    ModalWatcher watcher([this](QWidget *modal) { answer(modal); });
    QListWidgetItem *current = rcList(w)->currentItem();
    press("btAjouterRC");
    followListAfterBox(current);
    const QList<ModalSeen> &seen = watcher.seen;
    const bool warned = !seen.isEmpty() && seen.first().className == QLatin1String("QMessageBox") &&
                        seen.first().text.startsWith(QStringLiteral("Veuilliez"));
    if (!possible || position.isEmpty() || followUp.isEmpty()) {
        // Nothing is recorded, and one box says why.
        const QString why = shownRc.isEmpty() ? QStringLiteral("choisissez d'abord un RC")
                            : duplicate       ? QStringLiteral("déjà dans la consultation")
                                              : QStringLiteral("Veuilliez");
        if (seen.size() != 1 || !seen.first().text.contains(why))
            answers << QStringLiteral("MODEL: expected one box saying '%1', saw %2").arg(why).arg(seen.size());
        return;
    }
    if (warned || (!seen.isEmpty() && seen.first().text.startsWith(QStringLiteral("Vous")) && followUp != "N"))
        answers << QStringLiteral("MODEL: unexpected box ") + seen.first().text;
    const QString answered = answers.join(' ');
    if (answered.contains(QStringLiteral("-> Non")) || answered.contains(QStringLiteral("cancel")) ||
        rowCount(w) != rows.size() + 1)
        return; // nothing recorded; check() reports a row that should be there
    // The code choice itself has tests of its own: here the codes must be the chosen entry's, or the RC's.
    row[3] = model(w)->index(rows.size(), 3).data().toString();
    row[4] = model(w)->index(rows.size(), 4).data().toString();
    const QString chosen = answers.filter(QStringLiteral("code -> ")).value(0).mid(8);
    if (!chosen.isEmpty()) // an entry is "CIM 10 : sub-title"; a text of the doctor's own gives no CIM 10
        row[3] = chosen.contains(QStringLiteral(" : ")) ? chosen.section(QStringLiteral(" : "), 0, 0) : QString();
    else if (!ref.cimTexts.value(shownRc).contains(row[3]))
        answers << QStringLiteral("MODEL: CIM 10 '%1' is no code of RC %2").arg(row[3], shownRc);
    rows << row;
    selected = rows.size() - 1;
}

void Walk::act(int kind)
{
    QListWidget *list = rcList(w);
    auto *keyword = widget<QLineEdit>(w, "txtSearchCriteria");
    auto *age = widget<QLineEdit>(w, "txtAge");
    QListWidgetItem *item = nullptr;
    switch (kind) {
    case 0: { // keyword typed or cleared: emptying it after a search falls back to the profile list
        static const QStringList words = {"a", "dou", "ou", "fi", "é", "zzz", "", ""};
        const QString word = words.at(pick(words.size()));
        actions << QStringLiteral("keyword '%1'").arg(word);
        const bool fallBack = word.isEmpty() && !keyword->text().isEmpty() && keywordActive;
        replaceText(keyword, word);
        keywordActive = !word.isEmpty() || (keywordActive && !fallBack);
        if (fallBack)
            load(firstId());
        break;
    }
    case 1:
        actions << QStringLiteral("title only");
        press("onlytitreCk");
        break;
    case 2: { // age typed or cleared: without a keyword, the profile list shows its first RC
        static const QStringList ages = {"3", "17", "45", "80", "125", ""};
        const QString text = ages.at(pick(ages.size()));
        actions << QStringLiteral("age '%1'").arg(text);
        QSignalSpy changes(age, &QLineEdit::textChanged);
        replaceText(age, text);
        if (!changes.isEmpty() && keyword->text().isEmpty())
            load(firstId());
        break;
    }
    case 3: {
        const char *sex = pick(2) ? "rbHomme" : "rbFemme";
        actions << QString::fromLatin1(sex);
        press(sex);
        if (keyword->text().isEmpty())
            load(firstId());
        break;
    }
    case 4: {
        actions << QStringLiteral("Effacer profil");
        const bool profile = !age->text().isEmpty() || widget<QRadioButton>(w, "rbHomme")->isChecked() ||
                             widget<QRadioButton>(w, "rbFemme")->isChecked();
        press("btEffacerProfilPatient");
        if (profile)
            load(firstId());
        break;
    }
    case 5:
        actions << QStringLiteral("Réinitialiser");
        press("btEffacer");
        rows.clear();
        keywordActive = false;
        load(firstId());
        break;
    case 6: // an RC clicked in the list, or a see-also RC
    case 8: {
        if (!(item = anyItem(kind == 6 ? list : widget<QListWidget>(w, "listeSynonymes"))))
            return;
        actions << (kind == 6 ? QStringLiteral("RC ") : QStringLiteral("see also ")) + item->text();
        const QString title = titleRc;
        const QString id = item->data(Qt::UserRole).toString();
        load(id);
        if (!clickItem(item->listWidget(), item))
            actions << QStringLiteral("MODEL: item not clickable");
        bool listed = false;
        for (int i = 0; i < list->count(); ++i)
            listed = listed || list->item(i)->data(Qt::UserRole).toString() == id;
        if (!listed) // a jump to an RC the list lacks keeps the title shown
            titleRc = title;
        break;
    }
    case 7: { // arrow key in the list
        const bool down = pick(2);
        actions << (down ? QStringLiteral("key down") : QStringLiteral("key up"));
        item = list->currentItem();
        QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
        if (list->currentItem() && list->currentItem() != item)
            load(list->currentItem()->data(Qt::UserRole).toString());
        break;
    }
    case 9: // a criterion ticked or unticked
        if (!(item = anyItem(criteria(w))))
            return;
        actions << QStringLiteral("criterion ") + item->text();
        if (!clickItem(criteria(w), item))
            actions << QStringLiteral("MODEL: criterion not clickable");
        break;
    case 10: { // a position the RC offers: only visible radios can be clicked
        QList<const char *> visible;
        for (const char *name : kPositions)
            if (!widget<QRadioButton>(w, name)->isHidden())
                visible << name;
        if (visible.isEmpty())
            return;
        const char *name = visible.at(pick(visible.size()));
        actions << QString::fromLatin1(name);
        press(name);
        write(1, QString(QLatin1Char(name[6])));
        break;
    }
    case 11: {
        const char *name = kFollowUps[pick(3)];
        actions << QString::fromLatin1(name);
        press(name);
        write(2, QString(QLatin1Char(name[6])));
        break;
    }
    case 12: {
        const bool ald = pick(2);
        auto *box = widget<QCheckBox>(w, ald ? "chkALD" : "chkAsymptomique");
        actions << box->objectName();
        box->click();
        write(ald ? 8 : 5, box->isChecked() ? "Oui" : "Non");
        break;
    }
    case 13:
        actions << QStringLiteral("Version 2015 - 1");
        press("btAucunCritere");
        break;
    case 14: // a position and a follow-up code chosen just before recording, as a doctor mostly does
        act(10);
        act(11);
        Q_FALLTHROUGH();
    case 15:
        actions << QStringLiteral("Enregistrer le RC");
        answers.clear();
        recordRc();
        if (!answers.isEmpty())
            actions.last() += QStringLiteral(" [") + answers.join(QStringLiteral("; ")) + QLatin1Char(']');
        break;
    case 16: { // a recorded row re-opened
        if (rows.isEmpty())
            return;
        const int row = pick(rows.size());
        actions << QStringLiteral("row %1").arg(row);
        if (!clickRow(table(w), row))
            actions << QStringLiteral("MODEL: no row to click");
        show(rows[row][7]);
        selected = row;
        reopened = true;
        break;
    }
    case 17:
    case 18: {
        const char *name = kind == 17 ? "btUp" : "btDown";
        actions << QString::fromLatin1(name);
        const bool enabled = widget<QPushButton>(w, name)->isEnabled();
        press(name);
        if (enabled && kind == 17 && selected > 0)
            move(-1);
        else if (enabled && kind == 18 && selected >= 0 && selected < rows.size() - 1)
            move(1);
        break;
    }
    case 19: // deleting re-opens the first row; deleting the last row shows the list's first RC
        actions << QStringLiteral("Supprimer un RC");
        press("btSupprimerRC");
        if (selected < 0)
            break;
        rows.removeAt(selected);
        if (!rows.isEmpty()) {
            show(rows[0][7]);
            selected = 0;
            reopened = true;
        } else if (list->count() > 0) {
            load(firstId());
        } else {
            selected = -1;
        }
        break;
    case 20: { // the "Résultat" tab, its copy button at times, then back
        const bool copy = pick(2);
        actions << (copy ? QStringLiteral("Résultat, copied") : QStringLiteral("Résultat"));
        if (!clickTab(tabs(w), 1) || !reportHoldsRows(widget<QTextEdit>(w, "txtResult")->toPlainText()))
            actions << QStringLiteral("MODEL: report");
        if (copy) {
            press("btCopyToClipboard");
            if (!reportHoldsRows(QApplication::clipboard()->text()))
                actions << QStringLiteral("MODEL: clipboard");
            copiedRows = rows;
        }
        if (!clickTab(tabs(w), 0))
            actions << QStringLiteral("MODEL: tab");
        break;
    }
    case 21: { // whatever is selected, the copy holds every row (an empty report for an empty table)
        actions << QStringLiteral("Copier");
        QApplication::clipboard()->setText(QStringLiteral("avant"));
        press("btCopyToClipboard1");
        if (!reportHoldsRows(QApplication::clipboard()->text()))
            actions << QStringLiteral("MODEL: clipboard");
        copiedRows = rows;
        break;
    }
    case 22: { // Return or keypad Enter in a box: the typing is over, the focus goes to the RCs found
        const bool enter = pick(2);
        QLineEdit *box = pick(2) ? keyword : age;
        actions << (enter ? QStringLiteral("Enter in ") : QStringLiteral("Return in ")) + box->objectName();
        item = list->currentItem();
        box->setFocus();
        ModalWatcher watcher([this](QWidget *modal) { answer(modal); });
        QTest::keyClick(box, enter ? Qt::Key_Enter : Qt::Key_Return, enter ? Qt::KeypadModifier : Qt::NoModifier);
        if (!watcher.seen.isEmpty() || w.focusWidget() != list)
            actions << QStringLiteral("MODEL: Return pressed something");
        if (list->currentItem() && list->currentItem() != item)
            load(list->currentItem()->data(Qt::UserRole).toString());
        break;
    }
    default: { // Escape: asks first when rows were not copied; the doctor keeps the window
        const bool uncopied = !rows.isEmpty() && rows != copiedRows;
        actions << (uncopied ? QStringLiteral("Escape, rows not copied") : QStringLiteral("Escape"));
        ModalWatcher watcher(pressButton(QStringLiteral("Ne pas fermer")));
        item = list->currentItem();
        QTest::keyClick(&w, Qt::Key_Escape);
        if (watcher.seen.size() != (uncopied ? 1 : 0) || w.isVisible() != uncopied)
            actions << QStringLiteral("MODEL: closing asked %1 times").arg(watcher.seen.size());
        if (!w.isVisible()) // closed as it should; the walk goes on with the same window
            w.show();
        followListAfterBox(item);
        break;
    }
    }
}

bool Walk::reportHoldsRows(const QString &report) const
{
    int from = 0;
    for (const QStringList &r : rows) {
        const QString line = QStringLiteral(" %1 (%2, %3)%4  ALD : %5   CODE CIM 10 : %6  CODE CISP : %7\n")
                                 .arg(r[0], r[1], r[2], r[5] == "Oui" ? "  Asymptomatique " : "", r[8], r[3], r[4]);
        if ((from = report.indexOf(line, from)) < 0)
            return false;
        from += line.size();
    }
    return !rows.isEmpty() || report.isEmpty();
}

static QStringList sorted(QStringList texts)
{
    texts.sort();
    return texts;
}

bool Walk::panesShowOneRc()
{
    QStringList shown[2];
    QListWidget *lists[] = {criteria(w), widget<QListWidget>(w, "listeSynonymes")};
    for (int pane = 0; pane < 2; ++pane)
        for (int i = 0; i < lists[pane]->count(); ++i)
            shown[pane] << lists[pane]->item(i)->data(Qt::UserRole).toString();
    QStringList critical;
    const QAbstractItemModel *criticalModel = widget<QTableView>(w, "listCritique")->model();
    for (int row = 0; row < criticalModel->rowCount(); ++row)
        critical << criticalModel->index(row, 0).data().toString();
    QString positions;
    for (const char *name : kPositions)
        positions += widget<QRadioButton>(w, name)->isHidden() ? QString() : QString(QLatin1Char(name[6]));
    const QString title = QStringLiteral(": ") + ref.title.value(titleRc) + QStringLiteral("</center>");
    QString wrong;
    if (sorted(shown[0]) != sorted(ref.criteria.value(shownRc)))
        wrong = QStringLiteral("criteria");
    else if (sorted(shown[1]) != sorted(ref.seeAlso.value(shownRc)))
        wrong = QStringLiteral("see-also list");
    else if (sorted(critical) != sorted(ref.critical.value(shownRc)))
        wrong = QStringLiteral("critical diagnoses");
    else if (!shownRc.isEmpty() && positions != ref.offered.value(shownRc))
        wrong = QStringLiteral("positions");
    else if (!rcTitle(w).endsWith(title))
        wrong = QStringLiteral("title ") + rcTitle(w);
    return wrong.isEmpty() || fail(QStringLiteral("the %1 belong to no RC %2").arg(wrong, shownRc));
}

bool Walk::check()
{
    if (!actions.isEmpty() && actions.last().contains(QStringLiteral("MODEL:")))
        return fail(actions.last());
    if (!panesShowOneRc())
        return false;
    if (rowCount(w) != rows.size())
        return fail(QStringLiteral("%1 rows in the table, %2 in the model").arg(rowCount(w)).arg(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        if (rowCells(w, row) != rows[row])
            return fail(QStringLiteral("row %1 is [%2], the model has [%3]")
                            .arg(row)
                            .arg(rowCells(w, row).join('|'), rows[row].join('|')));
        if (rows[row][1].size() != 1 || !ref.offered.value(rows[row][7]).contains(rows[row][1]))
            return fail(QStringLiteral("row %1 holds position '%2', not offered by its RC").arg(row).arg(rows[row][1]));
    }
    QItemSelectionModel *selection = table(w)->selectionModel();
    if (selected >= 0 && (table(w)->currentIndex().row() != selected || !selection->isRowSelected(selected, {})))
        return fail(QStringLiteral("row %1 should be current and selected").arg(selected));
    if (selected < 0 && !selection->selectedRows().isEmpty())
        return fail(QStringLiteral("a row is selected, none should be"));
    if ((widget<QPushButton>(w, "btUp")->isEnabled() || widget<QPushButton>(w, "btDown")->isEnabled()) && !reopened)
        return fail(QStringLiteral("a move button is enabled while no row is re-opened"));
    return true;
}

class TestWalk : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }
    void walksKeepTheTableTrue();
};

void TestWalk::walksKeepTheTableTrue()
{
    const QString path = useSampleDictionary();
    const QByteArray dictionary = fileBytes(path);
    const Reference ref = readReference(path);
    const int steps = envInt("QUORVEL_WALK_STEPS", 300);
    const int replay = envInt("QUORVEL_WALK_SEED", 0);
    const int walks = replay ? 1 : envInt("QUORVEL_WALKS", 40);
    int actionsRun = 0;
    for (int i = 0; i < walks; ++i) {
        const quint32 seed = replay ? quint32(replay) : quint32(i + 1);
        Quorvel w;
        w.show();
        QApplication::setActiveWindow(&w);
        LogCapture log;
        Walk walk(w, ref, seed);
        for (int s = 0; s < steps; ++s) {
            bool ok = walk.step();
            const QStringList failed = log.lines(lcSql());
            if (ok && !failed.isEmpty()) {
                walk.failure = QStringLiteral("statement error: ") + failed.first();
                ok = false;
            }
            log.clear();
            if (ok && (s % 50 == 49 || s == steps - 1) && fileBytes(path) != dictionary) {
                walk.failure = QStringLiteral("the dictionary file changed");
                ok = false;
            }
            ++actionsRun;
            if (!ok) {
                // Straight to stderr: the log capture would swallow a warning.
                QTextStream err(stderr);
                err << QStringLiteral("walk seed %1 failed after %2 actions (replay: QUORVEL_WALK_SEED=%1 "
                                      "QUORVEL_WALK_STEPS=%2):\n")
                           .arg(seed)
                           .arg(s + 1);
                for (int a = 0; a < walk.actions.size(); ++a)
                    err << QStringLiteral("  %1. %2\n").arg(a + 1).arg(walk.actions.at(a));
                QFAIL(qPrintable(walk.failure));
            }
        }
    }
    qInfo("%d walks, %d actions", walks, actionsRun);
}

QTEST_MAIN(TestWalk)
#include "test_walk.moc"
