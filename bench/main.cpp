// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel_bench: drives the real window offscreen on synthetic dictionaries of several sizes and prints, per
// gesture, the window's time beside the time SQLite alone needs for the statements the gesture needs (the floor),
// and the number of statements the window ran beside that need; it exits with 1 when any count differs.
// Usage: quorvel_bench [--scales 1 10 100] [--iterations N]
#include "app/appearance.h"
#include "app/quorvel.h"
#include "app/resources.h"
#include "gendict.h"
#include "statementlog.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace
{

// Bump when the generator's output changes, so stale dictionaries are not measured.
const int kGeneratorRevision = 1;
const char *const kReportRowsText = "20";
const int kReportRows = 20;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void require(bool condition, const QString &what)
{
    if (!condition)
        throw Failure(what.toStdString());
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// What each gesture needs from the dictionary, written out here and never taken from the window's log: a
// statement the window runs twice shows in its count and in its ratio. The words typed have no accent or
// apostrophe, so they go into the keyword statements unchanged.
namespace need
{

using bench::Statements;

std::string fill(std::string text, const std::string &value)
{
    for (std::size_t at = text.find("%1"); at != std::string::npos; at = text.find("%1", at + value.size()))
        text.replace(at, 2, value);
    return text;
}

std::string fill(const std::string &text, int value)
{
    return fill(text, std::to_string(value));
}

const std::string kAllRcs = "select DISTINCT * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                            "ref_rc_seq where validite = 1 group by lib_rc  order by lib_rc";

// Age and sex -1 when not given.
std::string profile(int age, int sex)
{
    const std::string from = "distinct * from ref_rc rc inner join ref_definition def on def.ref_rc_id = ref_rc_seq "
                             "where validite = 1";
    const std::string a = std::to_string(age), s = std::to_string(sex);
    std::string sql;
    if (sex < 0 && age < 0)
        sql = "select " + from + " ";
    else if (age < 0)
        sql = "SELECT " + from + " and ( sex=" + s + " or sex = 3 )";
    else if (sex < 0)
        sql = "SELECT " + from + " and age_min<= " + a + " and age_max >= " + a;
    else
        sql = "SELECT " + from + " and (sex=" + s + " or sex=3) and age_min<= " + a + " and age_max >= " + a;
    return sql + " group by lib_rc ";
}

// No sex or age given: the keystrokes are measured with an empty profile.
std::string keyword(const std::string &word, bool titleOnly)
{
    const std::string head =
        "SELECT distinct rc.ref_rc_seq AS Expr1, rc.lib_rc FROM ref_rc rc inner JOIN ref_definition "
        "def ON def.ref_rc_id = rc.ref_rc_seq left join ref_rc_synonymes syn on syn.ref_rc_id = "
        "rc.ref_rc_seq WHERE def.validite = 1 and ";
    const std::string where = titleOnly
                                  ? " upper(rc.lib_rc) Like upper('%%1%' ) "
                                  : "( ( upper(def.lib_criteres_fr) Like upper('%%1%') and rc.lib_rc is not null ) OR "
                                    "(upper(rc.lib_rc) Like upper('%%1%' )) OR (upper(syn.lib) Like upper('%%1%' )))  ";
    return fill(head + where, word) + " order by rc.lib_rc ";
}

const std::string kSeeAlso = "SELECT  ref_l_rc_voir_aussi_rc.voir_aussi_id,ref_rc.lib_rc FROM ref_l_rc_voir_aussi_rc "
                             "INNER JOIN ref_rc ON ref_l_rc_voir_aussi_rc.voir_aussi_id= ref_rc.ref_rc_seq  where "
                             "ref_l_rc_voir_aussi_rc.ref_rc_id =%1  order by ref_rc.lib_rc";
const std::string kPositions = "select pa,pb,pc,pd,pz from ref_rc where ref_rc_seq = %1";
const std::string kCriteriaFor = "SELECT ref_definition.ref_definition_seq, ref_definition.pere_fk, "
                                 "ref_definition.lib_criteres_fr FROM ref_definition WHERE ref_definition.ref_rc_id=%1 "
                                 "and validite=1  order by ordre";

// Showing an RC: its see-also RCs, critical diagnoses, positions and criteria (the title is the item's text).
Statements rcLoad(int id)
{
    return {fill(kSeeAlso, id),
            fill(" SELECT ref_dic.ref_dic_seq, ref_dic.dic_lib, ref_dic.groupe FROM ref_dic INNER JOIN (ref_l_rc_dic "
                 "INNER JOIN ref_rc ON ref_l_rc_dic.ref_rc_id = ref_rc.ref_rc_seq) ON ref_dic.ref_dic_seq = "
                 "ref_l_rc_dic.ref_dic_id WHERE ref_rc.ref_rc_seq=%1 order by ref_dic.groupe;",
                 id),
            fill(kPositions, id),
            fill("SELECT distinct ref_definition.ref_definition_seq, ref_definition.pere_fk, "
                 "ref_definition.lib_criteres_fr FROM ref_definition WHERE ref_definition.ref_rc_id=%1 and validite=1 "
                 "order by ordre ",
                 id)};
}

const std::string kRuleList =
    " select code_cim_1,code_cim_2,soustitre,code_cisp from ref_l_rc_cim10 rc_cim where ref_rc_id=%1";
const std::string kDefaultEntry = " select code_cim_defaut,lib_rc,code_cisp_defaut from ref_rc where ref_rc_seq=%1";
const std::string kDefaultCodes = " select code_cim_defaut,code_cisp_defaut from ref_rc where ref_rc_seq=%1";
const std::string kCodeRules = " select distinct rc_cim.ref_lrccim_seq from ref_l_rc_cim10 rc_cim   where  "
                               "rc_cim.ref_rc_id=%1  group by (ref_lrccim_seq)";
const std::string kRuleCriteria =
    " select  rc_combi_cim.ref_definition_id from ref_l_rc_cim10 rc_cim left join ref_combi_criteres_cim "
    "rc_combi_cim on  rc_combi_cim.ref_lrccim_id=rc_cim.ref_lrccim_seq left join ref_definition ref_def on "
    "ref_def.ref_definition_seq = rc_combi_cim.ref_definition_id  where  rc_cim.ref_lrccim_seq=%1 and "
    "ref_def.validite=1";
const std::string kRuleValue = " select  rc_cim.%1 from ref_l_rc_cim10 rc_cim where  rc_cim.ref_lrccim_seq=";
const std::string kCriterionText =
    "SELECT ref_definition.lib_criteres_fr FROM ref_definition WHERE (((ref_definition.ref_definition_seq)=%1))";
const std::string kCriterionOrder = " select  ordre from ref_definition  where  ref_definition_seq=%1 ";

void append(Statements &to, const Statements &more)
{
    to.insert(to.end(), more.begin(), more.end());
}

} // namespace need

// One measured operation: for each of its instances (a keystroke, a click), the window's time in every run, the
// floor of the statements the gesture needs, and how many statements the window ran in the warm-up run.
struct Operation {
    std::string name;
    std::vector<std::vector<double>> app;
    std::vector<std::vector<double>> floor;
    // Layout and painting that the toolkit defers to the event loop after the action, measured apart.
    std::vector<std::vector<double>> repaint;
    std::vector<std::size_t> ran, expected;
    bool freshConnection = false; // start-up: the floor opens the file too
    bool countChecked = true;

    void ensure(std::size_t instances)
    {
        if (app.size() < instances) {
            app.resize(instances);
            floor.resize(instances);
            repaint.resize(instances);
            ran.resize(instances);
            expected.resize(instances);
        }
    }
};

// Runs the layout, repaint and other work the action posted to the event loop.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

template <typename T> T *child(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QLatin1String(name));
    require(widget != nullptr, QStringLiteral("widget %1 not found").arg(QLatin1String(name)));
    return widget;
}

void clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    require(item != nullptr, QStringLiteral("%1 has no row %2").arg(list->objectName()).arg(row));
    list->scrollToItem(item);
    settle();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

// Answers every item-choice dialog with its preselected entry, and measures how long each waited for the answer
// so that this wait can be left out of the recording time.
class ChoiceAnswerer : public QObject
{
public:
    ChoiceAnswerer() { qApp->installEventFilter(this); }
    ~ChoiceAnswerer() override { qApp->removeEventFilter(this); }
    double waitedMs = 0;
    int answered = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *dialog = qobject_cast<QInputDialog *>(watched)) {
                m_shown.restart();
                QTimer::singleShot(0, dialog, [this, dialog] {
                    waitedMs += m_shown.nsecsElapsed() / 1e6;
                    ++answered;
                    dialog->done(QDialog::Accepted);
                });
            }
        }
        return false;
    }

private:
    QElapsedTimer m_shown;
};

class ScaleRun
{
public:
    ScaleRun(int runs, const QString &dictionaryPath) : m_runs(runs), m_path(dictionaryPath.toStdString()) {}

    std::vector<Operation> run()
    {
        m_floorDb = bench::openReadOnly(m_path);
        require(m_floorDb != nullptr, QStringLiteral("cannot open the dictionary for the floor"));
        for (const std::string &id : bench::firstColumn(m_floorDb, need::kAllRcs))
            m_fullIds.push_back(std::stoi(id));
        require(m_fullIds.size() > 40, QStringLiteral("the full RC list has 40 RCs or fewer"));
        measureStartup();
        Quorvel window;
        window.show();
        QApplication::setActiveWindow(&window);
        settle();
        m_window = &window;
        measureKeystrokes("keystroke_full", false);
        measureKeystrokes("keystroke_title", true);
        measureAge();
        measureSex();
        measureRcClick();
        measureRcKeys();
        measureSeeAlso();
        measureKeywordReturn();
        measureRecord();
        measureReport();
        measureCopies();
        measureReopen();
        measureDelete();
        measureClearProfile();
        measureReset();
        m_window = nullptr;
        sqlite3_close(m_floorDb);
        return m_ops;
    }

private:
    using Statements = bench::Statements;

    Operation &op(const std::string &name)
    {
        for (Operation &o : m_ops)
            if (o.name == name)
                return o;
        m_ops.emplace_back();
        m_ops.back().name = name;
        return m_ops.back();
    }

    double floorOf(const Operation &o, const Statements &statements)
    {
        return o.freshConnection ? bench::openAndRunStatements(m_path, statements)
                                 : bench::runStatements(m_floorDb, statements);
    }

    // Run 0 counts the window's statements and warms the caches; the other runs are timed without the hook. Each
    // timed run runs the floor right after the window's action, so that both meet the same machine load.
    template <typename Action>
    void sample(Operation &o, std::size_t instance, int run, const Statements &expected, Action action)
    {
        o.ensure(instance + 1);
        if (run == 0) {
            bench::startRecording();
            action();
            settle();
            const Statements ran = bench::stopRecording();
            o.ran[instance] = ran.size();
            o.expected[instance] = expected.size();
            if (ran.size() != expected.size() && qEnvironmentVariableIsSet("QUORVEL_BENCH_STATEMENTS")) {
                for (const auto &[who, list] : {std::make_pair("window", &ran), std::make_pair("needed", &expected)})
                    for (const std::string &sql : *list)
                        std::fprintf(stderr, "#   %s %s: %.90s\n", o.name.c_str(), who, sql.c_str());
            }
            floorOf(o, expected);
            return;
        }
        QElapsedTimer timer;
        timer.start();
        const double subtracted = action();
        o.app[instance].push_back(timer.nsecsElapsed() / 1e6 - subtracted);
        timer.restart();
        settle();
        o.repaint[instance].push_back(timer.nsecsElapsed() / 1e6);
        o.floor[instance].push_back(floorOf(o, expected));
    }

    // The first RC a list statement gives, -1 for none.
    int firstRc(const std::string &listSql)
    {
        const std::vector<std::string> ids = bench::firstColumn(m_floorDb, listSql);
        return ids.empty() ? -1 : std::stoi(ids.front());
    }

    // A refill that ends by showing its first RC: the list statement, then that RC's load once.
    Statements refillShowingFirst(const std::string &listSql)
    {
        Statements statements{listSql};
        if (const int first = firstRc(listSql); first >= 0)
            need::append(statements, need::rcLoad(first));
        return statements;
    }

    QListWidget *rcList() { return child<QListWidget>(m_window, "List_RefRC"); }

    void measureStartup()
    {
        Operation &o = op("startup");
        o.freshConnection = true;
        // The window first checks that the file reads, with a statement no gesture needs.
        o.countChecked = false;
        const Statements expected = refillShowingFirst(need::kAllRcs);
        for (int run = 0; run <= m_runs; ++run) {
            Quorvel *window = nullptr;
            sample(o, 0, run, expected, [&] {
                window = new Quorvel;
                return 0.0;
            });
            QListWidget *list = child<QListWidget>(window, "List_RefRC");
            require(list->count() > 0, QStringLiteral("startup: the RC list is empty"));
            require(child<QLabel>(window, "txtTitreRc")->text().contains(list->item(0)->text()),
                    QStringLiteral("startup: the first RC is not shown"));
            delete window;
            settle();
        }
    }

    // Empties a box without running its slot: only the keystrokes are measured, not the way back.
    static void silentlyClear(QLineEdit *box)
    {
        const QSignalBlocker blocker(box);
        box->clear();
    }

    void measureKeystrokes(const std::string &name, bool titleOnly)
    {
        Operation &o = op(name);
        QLineEdit *box = child<QLineEdit>(m_window, "txtSearchCriteria");
        QCheckBox *titles = child<QCheckBox>(m_window, "onlytitreCk");
        const QStringList words = {QStringLiteral("lomb"), QStringLiteral("dou")};
        for (int run = 0; run <= m_runs; ++run) {
            std::size_t instance = 0;
            for (const QString &word : words) {
                silentlyClear(box);
                titles->setChecked(titleOnly);
                for (int i = 0; i < word.size(); ++i) {
                    sample(o, instance++, run, {need::keyword(word.left(i + 1).toStdString(), titleOnly)}, [&] {
                        QTest::keyClick(box, word.at(i).toLatin1());
                        return 0.0;
                    });
                }
                require(box->text() == word, QStringLiteral("%1: typed text is %2").arg(name.c_str(), box->text()));
                require(rcList()->count() > 0,
                        QStringLiteral("%1: no RC matches \"%2\"").arg(QString::fromStdString(name), word));
            }
        }
        silentlyClear(box);
        titles->setChecked(false);
    }

    void measureAge()
    {
        Operation &o = op("age_keystroke");
        QLineEdit *age = child<QLineEdit>(m_window, "txtAge");
        for (int run = 0; run <= m_runs; ++run) {
            silentlyClear(age);
            std::size_t instance = 0;
            for (const int typed : {4, 45}) {
                sample(o, instance++, run, refillShowingFirst(need::profile(typed, -1)), [&] {
                    QTest::keyClick(age, char('0' + typed % 10));
                    return 0.0;
                });
            }
            require(age->text() == QLatin1String("45"),
                    QStringLiteral("age_keystroke: the age box holds ") + age->text());
            require(rcList()->count() > 0, QStringLiteral("age_keystroke: no RC for age 45"));
        }
        silentlyClear(age);
    }

    void uncheckSex()
    {
        for (const char *name : {"rbHomme", "rbFemme"}) {
            QRadioButton *button = child<QRadioButton>(m_window, name);
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }

    void measureSex()
    {
        Operation &o = op("sex_click");
        QRadioButton *men = child<QRadioButton>(m_window, "rbHomme");
        QRadioButton *women = child<QRadioButton>(m_window, "rbFemme");
        for (int run = 0; run <= m_runs; ++run) {
            std::size_t instance = 0;
            for (QRadioButton *button : {men, women}) {
                const int sex = button == men ? 1 : 2;
                sample(o, instance++, run, refillShowingFirst(need::profile(-1, sex)), [&] {
                    click(button);
                    return 0.0;
                });
                require(button->isChecked() && rcList()->count() > 0,
                        QStringLiteral("sex_click: no RC listed after ") + button->text());
            }
        }
        uncheckSex();
    }

    // Copied first, so that the reset has no uncopied rows to ask about.
    void showFullList()
    {
        click(child<QPushButton>(m_window, "btCopyToClipboard1"));
        click(child<QPushButton>(m_window, "btEffacer"));
        settle();
        require(rcList()->count() == int(m_fullIds.size()), QStringLiteral("the full RC list is not shown"));
    }

    void measureRcClick()
    {
        Operation &o = op("rc_click");
        showFullList();
        QLabel *title = child<QLabel>(m_window, "txtTitreRc");
        for (int run = 0; run <= m_runs; ++run) {
            std::size_t instance = 0;
            for (const int row : {1, 2}) {
                sample(o, instance++, run, need::rcLoad(m_fullIds[row]), [&] {
                    clickRow(rcList(), row);
                    return 0.0;
                });
                require(title->text().contains(rcList()->item(row)->text()),
                        QStringLiteral("rc_click: the clicked RC is not shown"));
            }
        }
    }

    // Down from the second RC of the full list to the third, and Up back, with the list focused.
    void measureRcKeys()
    {
        QListWidget *list = rcList();
        clickRow(list, 1);
        settle();
        list->setFocus();
        require(list->hasFocus(), QStringLiteral("rc_down: the RC list does not take the focus"));
        for (int run = 0; run <= m_runs; ++run) {
            for (const auto &[name, key, to] :
                 {std::make_tuple("rc_down", Qt::Key_Down, 2), std::make_tuple("rc_up", Qt::Key_Up, 1)}) {
                sample(op(name), 0, run, need::rcLoad(m_fullIds[to]), [&, key = key] {
                    QTest::keyClick(QApplication::focusWidget(), key);
                    return 0.0;
                });
                require(list->currentRow() == to, QStringLiteral("%1: the current row is not %2").arg(name).arg(to));
            }
        }
    }

    // From the second and the third RC of the full list, a click on the first RC to see also.
    void measureSeeAlso()
    {
        Operation &o = op("seealso_click");
        QListWidget *seeAlso = child<QListWidget>(m_window, "listeSynonymes");
        for (int run = 0; run <= m_runs; ++run) {
            std::size_t instance = 0;
            for (const int row : {1, 2}) {
                clickRow(rcList(), row);
                settle();
                const std::vector<std::string> targets =
                    bench::firstColumn(m_floorDb, need::fill(need::kSeeAlso, m_fullIds[row]));
                require(!targets.empty() && seeAlso->count() == int(targets.size()),
                        QStringLiteral("seealso_click: the RC has no RC to see also"));
                sample(o, instance++, run, need::rcLoad(std::stoi(targets.front())), [&] {
                    clickRow(seeAlso, 0);
                    return 0.0;
                });
            }
        }
    }

    // Return after typing a keyword shows the first RC found.
    void measureKeywordReturn()
    {
        Operation &o = op("keyword_return");
        QLineEdit *box = child<QLineEdit>(m_window, "txtSearchCriteria");
        const int first = firstRc(need::keyword("lomb", false));
        require(first >= 0, QStringLiteral("keyword_return: no RC matches \"lomb\""));
        for (int run = 0; run <= m_runs; ++run) {
            silentlyClear(box);
            QTest::keyClicks(box, QStringLiteral("lomb"));
            settle();
            box->setFocus();
            require(box->hasFocus() && rcList()->currentItem() == nullptr,
                    QStringLiteral("keyword_return: the keyword box has no focus, or the list a current RC"));
            sample(o, 0, run, need::rcLoad(first), [&] {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                return 0.0;
            });
            require(rcList()->currentRow() == 0, QStringLiteral("keyword_return: the first RC is not current"));
        }
        silentlyClear(box);
    }

    // Picks an RC, an offered position and follow-up code P (no weighting question), ticking `criteria` rows.
    void prepareRecording(int row, const std::vector<int> &criteria)
    {
        clickRow(rcList(), row);
        settle();
        QListWidget *criteriaList = child<QListWidget>(m_window, "List_Criteres");
        for (int c : criteria) {
            if (c < criteriaList->count() && !criteriaList->item(c)->isSelected())
                clickRow(criteriaList, c);
        }
        bool positioned = false;
        for (const char *name : {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z"}) {
            QRadioButton *position = child<QRadioButton>(m_window, name);
            if (position->isVisibleTo(m_window)) {
                click(position);
                positioned = true;
                break;
            }
        }
        require(positioned, QStringLiteral("record: the RC offers no position"));
        click(child<QRadioButton>(m_window, "rdCodeP"));
        settle();
    }

    QAbstractItemModel *session() { return child<QTableView>(m_window, "tableView")->model(); }
    int sessionRows() { return session()->rowCount(); }
    QString sessionCell(int row, int column) { return session()->index(row, column).data().toString(); }

    // The code choice with criteria ticked: every rule's criteria are read, the rules they meet give their codes.
    // Every generated rule and RC has an ICPC code, so the default ICPC lookup never runs.
    Statements codeChoice(int rc, int *applying)
    {
        std::set<std::string> ticked;
        for (const QListWidgetItem *item : child<QListWidget>(m_window, "List_Criteres")->selectedItems())
            ticked.insert(std::to_string(item->data(Qt::UserRole).toInt()));
        Statements statements{need::fill(need::kCodeRules, rc)};
        *applying = 0;
        for (const std::string &rule : bench::firstColumn(m_floorDb, statements.front())) {
            statements.push_back(need::fill(need::kRuleCriteria, rule));
            const std::vector<std::string> criteria = bench::firstColumn(m_floorDb, statements.back());
            if (criteria.empty() || !std::all_of(criteria.begin(), criteria.end(),
                                                 [&](const std::string &id) { return ticked.count(id) > 0; }))
                continue;
            ++*applying;
            for (const char *column : {"code_cim_2", "code_cim_1", "Code_cisp", "soustitre"})
                statements.push_back(need::fill(need::kRuleValue, column) + rule);
        }
        if (*applying == 0)
            statements.push_back(need::fill(need::kDefaultCodes, rc));
        else if (*applying > 1)
            statements.push_back(need::fill(need::kDefaultEntry, rc));
        return statements;
    }

    // With no criterion ticked every rule of the RC is offered, so the code choice is asked; with the first
    // criterion ticked, at most one rule applies and no choice is asked.
    void measureRecord()
    {
        showFullList();
        QPushButton *record = child<QPushButton>(m_window, "btAjouterRC");
        const int available = rcList()->count();
        for (int run = 0; run <= m_runs; ++run) {
            const int row = 1 + run % (available - 1), rc = m_fullIds[row];
            for (const bool choice : {true, false}) {
                prepareRecording(row, choice ? std::vector<int>{} : std::vector<int>{0});
                Statements expected{need::fill(need::kRuleList, rc)};
                int applying = 0;
                if (choice) {
                    const std::size_t rules = bench::firstColumn(m_floorDb, expected.front()).size();
                    require(rules > 1, QStringLiteral("record_choice: the RC has fewer than two rules"));
                    expected.push_back(need::fill(need::kDefaultEntry, rc));
                } else {
                    expected = codeChoice(rc, &applying);
                    require(applying <= 1, QStringLiteral("record_direct: the first criterion meets two rules"));
                }
                const int before = sessionRows();
                ChoiceAnswerer answerer;
                sample(op(choice ? "record_choice" : "record_direct"), 0, run, expected, [&] {
                    click(record);
                    return answerer.waitedMs;
                });
                require(answerer.answered == (choice ? 1 : 0),
                        QStringLiteral("record: the code choice was asked %1 time(s)").arg(answerer.answered));
                require(sessionRows() == before + 1, QStringLiteral("record: no row was recorded"));
            }
        }
    }

    // One text per criterion of every row, and one order lookup per criterion of a row to sort them.
    Statements reportStatements()
    {
        Statements statements;
        for (int row = 0; row < sessionRows(); ++row) {
            std::set<QString> looked;
            for (const QString &id : sessionCell(row, 6).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                if (looked.insert(id).second)
                    statements.push_back(need::fill(need::kCriterionOrder, id.toStdString()));
                statements.push_back(need::fill(need::kCriterionText, id.toStdString()));
            }
        }
        return statements;
    }

    QTabBar *tabBar() { return child<QTabWidget>(m_window, "tabWidget")->tabBar(); }
    void clickTab(int index)
    {
        QTest::mouseClick(tabBar(), Qt::LeftButton, Qt::NoModifier, tabBar()->tabRect(index).center());
    }

    void measureReport()
    {
        Operation &o = op("report");
        showFullList();
        require(sessionRows() == 0, QStringLiteral("report: the session table was not emptied"));
        QPushButton *record = child<QPushButton>(m_window, "btAjouterRC");
        const int available = rcList()->count();
        {
            ChoiceAnswerer answerer;
            for (int row = 1; sessionRows() < kReportRows && row < available; ++row) {
                prepareRecording(row, {0, 2, 4});
                click(record);
                settle();
            }
        }
        require(sessionRows() == kReportRows, QStringLiteral("report: could not record %1 rows").arg(kReportRowsText));

        QTextEdit *result = child<QTextEdit>(m_window, "txtResult");
        const QString firstTitle = sessionCell(0, 0);
        const Statements expected = reportStatements();
        for (int run = 0; run <= m_runs; ++run) {
            clickTab(0);
            settle();
            result->clear();
            sample(o, 0, run, expected, [&] {
                clickTab(1);
                return 0.0;
            });
            require(result->toPlainText().contains(firstTitle), QStringLiteral("report: the report was not built"));
        }
    }

    // "Copier dans le presse papier" on the report shown, then "Copier" under the table, which builds it again.
    void measureCopies()
    {
        QTextEdit *result = child<QTextEdit>(m_window, "txtResult");
        const Statements report = reportStatements();
        for (int run = 0; run <= m_runs; ++run) {
            clickTab(1);
            settle();
            sample(op("copy_result"), 0, run, {}, [&] {
                click(child<QPushButton>(m_window, "btCopyToClipboard"));
                return 0.0;
            });
            clickTab(0);
            settle();
            QApplication::clipboard()->clear();
            sample(op("copy_table"), 0, run, report, [&] {
                click(child<QPushButton>(m_window, "btCopyToClipboard1"));
                return 0.0;
            });
            require(!result->toPlainText().isEmpty() && QApplication::clipboard()->text() == result->toPlainText(),
                    QStringLiteral("copy_table: the report was not copied"));
        }
    }

    void clickSessionRow(int row)
    {
        auto *view = child<QTableView>(m_window, "tableView");
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        settle();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
    }

    // A click on the second session row while the first is open, then on the second again.
    void measureReopen()
    {
        const int rc = sessionCell(1, 7).toInt();
        require(rc != sessionCell(0, 7).toInt(), QStringLiteral("reopen: the first two rows hold the same RC"));
        for (int run = 0; run <= m_runs; ++run) {
            clickSessionRow(0);
            settle();
            sample(op("reopen_other"), 0, run, need::rcLoad(rc), [&] {
                clickSessionRow(1);
                return 0.0;
            });
            sample(op("reopen_same"), 0, run, {need::fill(need::kCriteriaFor, rc), need::fill(need::kPositions, rc)},
                   [&] {
                       clickSessionRow(1);
                       return 0.0;
                   });
            require(child<QLabel>(m_window, "txtTitreRc")->text().contains(sessionCell(1, 0)),
                    QStringLiteral("reopen: the row's RC is not shown"));
        }
    }

    // "Supprimer un RC" on the last row re-opens the first; the row is then recorded again for the next run.
    void measureDelete()
    {
        QPushButton *record = child<QPushButton>(m_window, "btAjouterRC");
        for (int run = 0; run <= m_runs; ++run) {
            const int rows = sessionRows();
            clickSessionRow(rows - 1);
            settle();
            const int first = sessionCell(0, 7).toInt();
            require(first != sessionCell(rows - 1, 7).toInt(), QStringLiteral("delete_row: first and last RC agree"));
            sample(op("delete_row"), 0, run, need::rcLoad(first), [&] {
                click(child<QPushButton>(m_window, "btSupprimerRC"));
                return 0.0;
            });
            require(sessionRows() == rows - 1, QStringLiteral("delete_row: no row was deleted"));
            ChoiceAnswerer answerer;
            prepareRecording(kReportRows + 1 + run % (rcList()->count() - kReportRows - 1), {});
            click(record);
            settle();
            require(sessionRows() == rows, QStringLiteral("delete_row: the row was not recorded again"));
        }
    }

    // "Effacer profil" with only the sex given, then with age and sex, which empties the age box first.
    void measureClearProfile()
    {
        Operation &o = op("clear_profile");
        QLineEdit *age = child<QLineEdit>(m_window, "txtAge");
        // The emptied age box refills nothing: the full list replaces whatever that refill would show.
        Statements expected{need::kAllRcs};
        need::append(expected, need::rcLoad(m_fullIds[0]));
        for (int run = 0; run <= m_runs; ++run) {
            std::size_t instance = 0;
            for (const bool typed : {false, true}) {
                if (typed)
                    QTest::keyClicks(age, QStringLiteral("45"));
                click(child<QRadioButton>(m_window, "rbHomme"));
                settle();
                sample(o, instance++, run, expected, [&] {
                    click(child<QPushButton>(m_window, "btEffacerProfilPatient"));
                    return 0.0;
                });
                require(age->text().isEmpty() && rcList()->count() == int(m_fullIds.size()),
                        QStringLiteral("clear_profile: the profile was not cleared"));
            }
        }
    }

    void measureReset()
    {
        Statements expected{need::kAllRcs};
        need::append(expected, need::rcLoad(m_fullIds[0]));
        for (int run = 0; run <= m_runs; ++run) {
            clickRow(rcList(), 1 + run % 2);
            click(child<QPushButton>(m_window, "btCopyToClipboard1"));
            settle();
            sample(op("reset"), 0, run, expected, [&] {
                click(child<QPushButton>(m_window, "btEffacer"));
                return 0.0;
            });
            require(sessionRows() == 0 && rcList()->currentRow() == 0, QStringLiteral("reset: the form was not reset"));
        }
    }

    int m_runs;
    std::string m_path;
    sqlite3 *m_floorDb = nullptr;
    QWidget *m_window = nullptr;
    std::vector<int> m_fullIds; // the full RC list, from the dictionary
    std::vector<Operation> m_ops;
};

double peakRssMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

QString dictionaryFor(int scale)
{
    const QString path = QCoreApplication::applicationDirPath() +
                         QStringLiteral("/bench-r%1-s%2.sqlite").arg(kGeneratorRevision).arg(scale);
    if (QFileInfo::exists(path))
        return path;
    std::string schema;
    require(gendict::readFile(QUORVEL_SCHEMA_SQL, schema), QStringLiteral("cannot read the schema"));
    std::string error;
    gendict::Counts counts;
    std::fprintf(stderr, "# generating the S=%d dictionary...\n", scale);
    // Written under another name first: a run stopped half-way must not leave a partial dictionary to measure.
    const QString partial = path + QStringLiteral(".part");
    if (!gendict::generate(partial.toStdString(), scale, schema, error, &counts))
        throw Failure("generation failed: " + error);
    require(QFile::rename(partial, path), QStringLiteral("cannot rename ") + partial);
    std::fprintf(stderr, "# S=%d: %lld RCs, %lld criteria\n", scale, counts.rcs, counts.criteria);
    return path;
}

void pointWindowAt(const QString &dictionaryPath)
{
    QFile config(QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini"));
    require(config.open(QIODevice::WriteOnly | QIODevice::Truncate), QStringLiteral("cannot write config.ini"));
    config.write("[BD]\nbdName=" + QFileInfo(dictionaryPath).fileName().toUtf8() + "\n");
}

// Enough runs for a stable median at the sizes where one run is quick; at S=100 one run of every operation takes
// minutes, and two keep the whole benchmark within about ten minutes.
int defaultRuns(int scale)
{
    if (scale <= 1)
        return 31;
    if (scale <= 10)
        return 11;
    return 2;
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// What building the window costs with no row to read: the part of start-up that no dictionary size changes.
double emptyWindowMs(int runs)
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/bench-empty.sqlite");
    QFile::remove(path);
    std::string schema;
    require(gendict::readFile(QUORVEL_SCHEMA_SQL, schema), QStringLiteral("cannot read the schema"));
    sqlite3 *db = nullptr;
    const bool made = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK &&
                      sqlite3_exec(db, schema.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    require(made, QStringLiteral("cannot create the empty dictionary"));
    pointWindowAt(path);
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto *window = new Quorvel;
        if (run > 0)
            times.push_back(timer.nsecsElapsed() / 1e6);
        delete window;
        settle();
    }
    return median(times);
}

// A frame at 60 Hz. Where SQLite alone already takes a frame, the window is held to a ratio of that floor.
const double kFrameMs = 16.7;

bool withinTarget(int scale, double appMs, double floorMs)
{
    const double ratio = scale <= 1 ? 1.3 : scale <= 10 ? 1.15 : 1.5;
    if (scale > 10)
        return appMs <= kFrameMs || appMs <= ratio * floorMs;
    return floorMs >= kFrameMs ? appMs <= ratio * floorMs : appMs <= kFrameMs;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::installStatementHook();
    appearance::setApplicationAttributes();
    quorvelInitResources();
    QApplication app(argc, argv);

    std::vector<int> scales;
    int iterations = 0;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--iterations") && i + 1 < args.size()) {
            iterations = args[++i].toInt();
        } else if (args[i] == QLatin1String("--scales")) {
            while (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--")))
                scales.push_back(args[++i].toInt());
        } else {
            std::fprintf(stderr, "usage: quorvel_bench [--scales S...] [--iterations N]\n");
            return 2;
        }
    }
    if (scales.empty())
        scales = {1, 10, 100};

    // The window's debug lines would be written to the terminal between measurements; a doctor's desktop
    // launcher discards them too. Formatting them is still counted.
    qInstallMessageHandler(quiet);

    std::printf("scale,operation,app_ms,floor_ms,ratio,statements,expected,verdict\n");
    std::fflush(stdout);
    int countMismatches = 0;
    try {
        std::fprintf(stderr, "# load average at start: %s\n", loadAverage().constData());
        std::fprintf(stderr, "# window construction on an empty dictionary: %.2f ms (median)\n",
                     emptyWindowMs(iterations > 0 ? iterations : 11));
        for (int scale : scales) {
            require(scale >= 1, QStringLiteral("scales start at 1"));
            const QString path = dictionaryFor(scale);
            pointWindowAt(path);
            const int runs = iterations > 0 ? iterations : defaultRuns(scale);
            ScaleRun measure(runs, path);
            const std::vector<Operation> ops = measure.run();
            for (const Operation &o : ops) {
                // Per instance, the median over the runs; an operation's figure is the mean over its instances
                // (a keystroke figure is the cost of an average keystroke of the words typed).
                std::vector<double> appMedians, floorMedians;
                std::vector<double> repaintMedians;
                double worstApp = 0, worstFloor = 0;
                bool countsAgree = true;
                for (std::size_t i = 0; i < o.app.size(); ++i) {
                    appMedians.push_back(median(o.app[i]));
                    floorMedians.push_back(median(o.floor[i]));
                    repaintMedians.push_back(median(o.repaint[i]));
                    worstApp = std::max(worstApp, *std::max_element(o.app[i].begin(), o.app[i].end()));
                    worstFloor = std::max(worstFloor, floorMedians.back());
                    if (o.ran[i] != o.expected[i] && o.countChecked) {
                        countsAgree = false;
                        std::fprintf(stderr,
                                     "quorvel_bench: S=%d %s, instance %zu: the window ran %zu statements, "
                                     "the gesture needs %zu\n",
                                     scale, o.name.c_str(), i, o.ran[i], o.expected[i]);
                    }
                }
                countMismatches += countsAgree ? 0 : 1;
                const double appMs = std::accumulate(appMedians.begin(), appMedians.end(), 0.0) / appMedians.size();
                const double floorMs =
                    std::accumulate(floorMedians.begin(), floorMedians.end(), 0.0) / floorMedians.size();
                const std::size_t ran = std::accumulate(o.ran.begin(), o.ran.end(), std::size_t(0));
                const std::size_t expected = std::accumulate(o.expected.begin(), o.expected.end(), std::size_t(0));
                std::printf("%d,%s,%.2f,%.2f,%.2f,%zu,%zu,%s%s\n", scale, o.name.c_str(), appMs, floorMs,
                            floorMs > 0.005 ? appMs / floorMs : 0.0, ran, expected,
                            withinTarget(scale, appMs, floorMs) ? "ok" : "SLOW",
                            !o.countChecked ? " (count not checked)"
                            : countsAgree   ? ""
                                            : " COUNT");
                std::fprintf(stderr,
                             "# %d,%s: slowest instance median %.2f ms (floor %.2f ms), max sample %.2f ms, "
                             "then layout and repaint %.2f ms, %zu instance(s), %d timed run(s)\n",
                             scale, o.name.c_str(), *std::max_element(appMedians.begin(), appMedians.end()), worstFloor,
                             worstApp,
                             std::accumulate(repaintMedians.begin(), repaintMedians.end(), 0.0) / repaintMedians.size(),
                             o.app.size(), runs);
            }
            std::printf("%d,peak_rss_mb,%.1f,,\n", scale, peakRssMb());
            std::fprintf(stderr, "# load average after S=%d: %s\n", scale, loadAverage().constData());
            std::fflush(stdout);
        }
    } catch (const Failure &failure) {
        std::fprintf(stderr, "quorvel_bench: %s\n", failure.what());
        return 1;
    }
    if (countMismatches > 0)
        std::fprintf(stderr,
                     "quorvel_bench: FAILED, %d row(s) where the window ran another number of statements "
                     "than the gesture needs (COUNT above)\n",
                     countMismatches);
    return countMismatches > 0 ? 1 : 0;
}
