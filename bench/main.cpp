// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel_bench: drives the real window offscreen on synthetic dictionaries of several sizes and prints, per
// operation, the window's time beside the time SQLite alone needs for the same statements (the floor).
// Usage: quorvel_bench [--scales 1 10 100] [--iterations N]
#include "app/appearance.h"
#include "app/quorvel.h"
#include "app/resources.h"
#include "gendict.h"
#include "statementlog.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
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
#include <stdexcept>
#include <string>
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

// One measured operation: for each of its instances (a keystroke, a click), the window's time in every run and
// the statements it ran, replayed after each timed run for the floor.
struct Operation {
    std::string name;
    std::vector<std::vector<double>> app;
    std::vector<std::vector<double>> floor;
    // Layout and painting that the toolkit defers to the event loop after the action, measured apart.
    std::vector<std::vector<double>> repaint;
    std::vector<bench::Statements> statements;
    bool freshConnection = false; // start-up: the floor opens the file too

    void ensure(std::size_t instances)
    {
        if (app.size() < instances) {
            app.resize(instances);
            floor.resize(instances);
            repaint.resize(instances);
            statements.resize(instances);
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
        measureStartup();
        Quorvel window;
        window.show();
        settle();
        m_window = &window;
        measureKeystrokes("keystroke_full", false);
        measureKeystrokes("keystroke_title", true);
        measureAge();
        measureSex();
        measureRcClick();
        measureRecord();
        measureReport();
        m_window = nullptr;
        sqlite3_close(m_floorDb);
        return m_ops;
    }

private:
    Operation &op(const std::string &name)
    {
        for (Operation &o : m_ops)
            if (o.name == name)
                return o;
        m_ops.push_back(Operation{name, {}, {}, {}, {}, false});
        return m_ops.back();
    }

    double floorOf(const Operation &o, std::size_t instance)
    {
        return o.freshConnection ? bench::openAndRunStatements(m_path, o.statements[instance])
                                 : bench::runStatements(m_floorDb, o.statements[instance]);
    }

    // Run 0 records the statements and warms the caches; the other runs are timed without the hook. Each timed
    // run replays the floor right after the window's action, so that both meet the same machine load.
    template <typename Action> void sample(Operation &o, std::size_t instance, int run, Action action)
    {
        o.ensure(instance + 1);
        if (run == 0) {
            bench::startRecording();
            action();
            settle();
            o.statements[instance] = bench::stopRecording();
            require(!o.statements[instance].empty(),
                    QStringLiteral("%1: no statement was run").arg(QString::fromStdString(o.name)));
            floorOf(o, instance);
            return;
        }
        QElapsedTimer timer;
        timer.start();
        const double subtracted = action();
        o.app[instance].push_back(timer.nsecsElapsed() / 1e6 - subtracted);
        timer.restart();
        settle();
        o.repaint[instance].push_back(timer.nsecsElapsed() / 1e6);
        o.floor[instance].push_back(floorOf(o, instance));
    }

    QListWidget *rcList() { return child<QListWidget>(m_window, "List_RefRC"); }

    void measureStartup()
    {
        Operation &o = op("startup");
        o.freshConnection = true;
        for (int run = 0; run <= m_runs; ++run) {
            Quorvel *window = nullptr;
            sample(o, 0, run, [&] {
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
                for (const QChar letter : word) {
                    sample(o, instance++, run, [&] {
                        QTest::keyClick(box, letter.toLatin1());
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
            for (const char key : {'4', '5'}) {
                sample(o, instance++, run, [&] {
                    QTest::keyClick(age, key);
                    return 0.0;
                });
            }
            require(age->text() == QLatin1String("45"),
                    QStringLiteral("age_keystroke: the age box holds ") + age->text());
            require(rcList()->count() > 0, QStringLiteral("age_keystroke: no RC for age 45"));
        }
        silentlyClear(age);
    }

    void measureSex()
    {
        Operation &o = op("sex_click");
        QRadioButton *men = child<QRadioButton>(m_window, "rbHomme");
        QRadioButton *women = child<QRadioButton>(m_window, "rbFemme");
        for (int run = 0; run <= m_runs; ++run) {
            std::size_t instance = 0;
            for (QRadioButton *button : {men, women}) {
                sample(o, instance++, run, [&] {
                    click(button);
                    return 0.0;
                });
                require(button->isChecked() && rcList()->count() > 0,
                        QStringLiteral("sex_click: no RC listed after ") + button->text());
            }
        }
        for (QRadioButton *button : {men, women}) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }

    void showFullList()
    {
        click(child<QPushButton>(m_window, "btEffacer"));
        settle();
        require(rcList()->count() > 2, QStringLiteral("the full RC list has fewer than three RCs"));
    }

    void measureRcClick()
    {
        Operation &o = op("rc_click");
        showFullList();
        QLabel *title = child<QLabel>(m_window, "txtTitreRc");
        for (int run = 0; run <= m_runs; ++run) {
            std::size_t instance = 0;
            for (const int row : {1, 2}) {
                sample(o, instance++, run, [&] {
                    clickRow(rcList(), row);
                    return 0.0;
                });
                require(title->text().contains(rcList()->item(row)->text()),
                        QStringLiteral("rc_click: the clicked RC is not shown"));
            }
        }
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

    int sessionRows() { return child<QTableView>(m_window, "tableView")->model()->rowCount(); }

    void measureRecord()
    {
        Operation &o = op("record");
        showFullList();
        QPushButton *record = child<QPushButton>(m_window, "btAjouterRC");
        const int available = rcList()->count();
        for (int run = 0; run <= m_runs; ++run) {
            // No criterion ticked: every rule of the RC is a candidate, so the code choice is asked.
            prepareRecording(1 + run % (available - 1), {});
            const int before = sessionRows();
            ChoiceAnswerer answerer;
            sample(o, 0, run, [&] {
                click(record);
                return answerer.waitedMs;
            });
            require(answerer.answered == 1, QStringLiteral("record: the code choice was not asked"));
            require(sessionRows() == before + 1, QStringLiteral("record: no row was recorded"));
        }
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

        auto *tabs = child<QTabWidget>(m_window, "tabWidget");
        QTabBar *bar = tabs->tabBar();
        QTextEdit *result = child<QTextEdit>(m_window, "txtResult");
        const QString firstTitle = child<QTableView>(m_window, "tableView")->model()->index(0, 0).data().toString();
        for (int run = 0; run <= m_runs; ++run) {
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(0).center());
            settle();
            result->clear();
            sample(o, 0, run, [&] {
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
                return 0.0;
            });
            require(result->toPlainText().contains(firstTitle), QStringLiteral("report: the report was not built"));
        }
    }

    int m_runs;
    std::string m_path;
    sqlite3 *m_floorDb = nullptr;
    QWidget *m_window = nullptr;
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
// minutes, and two keep the whole benchmark within about twenty minutes.
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

    std::printf("scale,operation,app_ms,floor_ms,ratio\n");
    std::fflush(stdout);
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
                std::size_t statements = 0;
                for (std::size_t i = 0; i < o.app.size(); ++i) {
                    appMedians.push_back(median(o.app[i]));
                    floorMedians.push_back(median(o.floor[i]));
                    repaintMedians.push_back(median(o.repaint[i]));
                    worstApp = std::max(worstApp, *std::max_element(o.app[i].begin(), o.app[i].end()));
                    worstFloor = std::max(worstFloor, floorMedians.back());
                    statements += o.statements[i].size();
                }
                const double appMs = std::accumulate(appMedians.begin(), appMedians.end(), 0.0) / appMedians.size();
                const double floorMs =
                    std::accumulate(floorMedians.begin(), floorMedians.end(), 0.0) / floorMedians.size();
                std::printf("%d,%s,%.2f,%.2f,%.2f\n", scale, o.name.c_str(), appMs, floorMs, appMs / floorMs);
                std::fprintf(stderr,
                             "# %d,%s: slowest instance median %.2f ms (floor %.2f ms), max sample %.2f ms, "
                             "then layout and repaint %.2f ms, %zu instance(s), %zu statement(s), %d timed run(s)\n",
                             scale, o.name.c_str(), *std::max_element(appMedians.begin(), appMedians.end()), worstFloor,
                             worstApp,
                             std::accumulate(repaintMedians.begin(), repaintMedians.end(), 0.0) / repaintMedians.size(),
                             o.app.size(), statements, runs);
            }
            std::printf("%d,peak_rss_mb,%.1f,,\n", scale, peakRssMb());
            std::fprintf(stderr, "# load average after S=%d: %s\n", scale, loadAverage().constData());
            std::fflush(stdout);
        }
    } catch (const Failure &failure) {
        std::fprintf(stderr, "quorvel_bench: %s\n", failure.what());
        return 1;
    }
    return 0;
}
