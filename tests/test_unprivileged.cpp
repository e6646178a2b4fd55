// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary as practices deploy it: the window and quorvel-check, run as root and as an ordinary user, on the
// sample dictionary in a directory that user can read but not write, in each journal mode a tool may leave it.
#include "app/quorvel.h"
#include "testkit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <sqlite3.h>
#include <unistd.h>

using namespace testkit;

namespace
{

// The test runs itself with this argument to build the window in the prepared directory, as the user it was
// started as, and to say what the window showed.
const char *const kChildArgument = "--window-here";
const QString kDictionary = QStringLiteral("dictionnaire du cabinet.sqlite");
const QString kUnprivilegedUser = QStringLiteral("nobody");

enum class Journal { Delete, Wal, WalWithLoggedChange, WalWithEmptyLog };

// What the window showed, as the child reported it.
struct WindowSeen {
    int exitCode = -1;
    int uid = -1;
    int rcs = -1;
    QStringList boxes; // title, a tab, text
    QStringList sqlLines;
    QString output;
};

int childMain()
{
    LogCapture log;
    ModalWatcher watcher(answerAnything);
    int rcs = -1;
    {
        Quorvel w;
        w.show();
        rcs = rcList(w)->count();
    }
    QTextStream out(stdout);
    out << "uid " << geteuid() << '\n' << "rcs " << rcs << '\n';
    for (const ModalSeen &seen : watcher.seen)
        out << "box " << seen.title << '\t' << seen.text << '\n';
    for (const QString &line : log.lines(lcSql()))
        out << "sql " << line << '\n';
    return 0;
}

// A WAL file whose last committed change lies in its -wal log only, as a tool that stopped before its checkpoint
// leaves it: copies of the file and its log taken while the change is still in the log.
[[nodiscard]] bool copyWithLoggedChange(const QString &source, const QString &target)
{
    const QString scratch = target + QStringLiteral(".scratch");
    if (!QFile::copy(source, scratch))
        return false;
    sqlite3 *handle = nullptr;
    bool ok = sqlite3_open(scratch.toUtf8().constData(), &handle) == SQLITE_OK &&
              sqlite3_exec(handle,
                           "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0; UPDATE ref_rc SET lib_rc = lib_rc "
                           "|| ' (modifié)';",
                           nullptr, nullptr, nullptr) == SQLITE_OK;
    ok = ok && QFile::copy(scratch, target) && QFile::copy(scratch + QStringLiteral("-wal"), target + "-wal");
    sqlite3_close(handle);
    QFile::remove(scratch);
    return ok && QFile(target + "-wal").size() > 0;
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class TestUnprivileged : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readOnlyPlaces_data();
    void readOnlyPlaces();

private:
    // Runs the program as root, or as the ordinary user; its exit code, -1 when it crashed or hung.
    static int run(bool asUser, const QString &program, const QStringList &arguments, QString *output);
    static WindowSeen runWindow(const QString &dir, bool asUser);
    int m_fullList = 0;
};

void TestUnprivileged::initTestCase()
{
    // The full list, as root sees the sample beside this program.
    QVERIFY(!useSampleDictionary().isEmpty());
    Quorvel w;
    m_fullList = rcList(w)->count();
    QVERIFY(m_fullList > 0);
}

int TestUnprivileged::run(bool asUser, const QString &program, const QStringList &arguments, QString *output)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A sanitized child reads no suppression file it may not reach; leaks are the in-process suites' concern.
    env.remove(QStringLiteral("LSAN_OPTIONS"));
    if (env.contains(QStringLiteral("ASAN_OPTIONS")))
        env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) + ":detect_leaks=0");
    // Root's home is no place for an ordinary user's caches.
    env.insert(QStringLiteral("HOME"), QStringLiteral("/nonexistent"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(QStringLiteral("/"));
    const QStringList dropPrivileges = {QStringLiteral("--reuid=") + kUnprivilegedUser,
                                        QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
                                        QStringLiteral("--"), program};
    if (asUser)
        p.start(QStringLiteral("setpriv"), dropPrivileges + arguments);
    else
        p.start(program, arguments);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    *output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

WindowSeen TestUnprivileged::runWindow(const QString &dir, bool asUser)
{
    WindowSeen seen;
    seen.exitCode =
        run(asUser, dir + QStringLiteral("/test_unprivileged"), {QString::fromLatin1(kChildArgument)}, &seen.output);
    for (const QString &line : seen.output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("uid ")))
            seen.uid = line.mid(4).toInt();
        else if (line.startsWith(QLatin1String("rcs ")))
            seen.rcs = line.mid(4).toInt();
        else if (line.startsWith(QLatin1String("box ")))
            seen.boxes << line.mid(4);
        else if (line.startsWith(QLatin1String("sql ")))
            seen.sqlLines << line.mid(4);
    }
    return seen;
}

void TestUnprivileged::readOnlyPlaces_data()
{
    QTest::addColumn<int>("journal");
    QTest::addColumn<bool>("readable"); // the whole list shows, else the connection box
    QTest::addColumn<int>("checkerExit");
    QTest::addColumn<QString>("finding"); // a text quorvel-check must print
    const QString wal = QStringLiteral("Remarque : Le dictionnaire est en mode de journal WAL");
    QTest::newRow("delete mode") << int(Journal::Delete) << true << 0 << "Aucun problème trouvé.";
    QTest::newRow("wal mode") << int(Journal::Wal) << true << 0 << wal;
    // The log may hold changes the file lacks: reading the file alone would show a dictionary that never was.
    QTest::newRow("wal, change left in a log nobody may read")
        << int(Journal::WalWithLoggedChange) << false << 2 << "Un journal WAL non vide accompagne le dictionnaire";
    QTest::newRow("wal, empty log nobody may read") << int(Journal::WalWithEmptyLog) << true << 0 << wal;
}

void TestUnprivileged::readOnlyPlaces()
{
    QFETCH(int, journal);
    QFETCH(bool, readable);
    QFETCH(int, checkerExit);
    QFETCH(QString, finding);

    // A directory of root's, 0755, that the ordinary user can traverse and read but not write, holding copies of
    // the programs (the build tree may lie where that user cannot go), config.ini and the dictionary.
    QTemporaryDir temporary(QStringLiteral("/tmp/quorvel-unprivileged-XXXXXX"));
    QVERIFY(temporary.isValid());
    const QString dir = temporary.path();
    const auto exec = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                      QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    const auto read =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(dir, exec));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), dir + QStringLiteral("/test_unprivileged")));
    QVERIFY(QFile::copy(QStringLiteral(QUORVEL_CHECK_PROGRAM), dir + QStringLiteral("/quorvel-check")));
    QVERIFY(writeFile(dir + QStringLiteral("/config.ini"), "[BD]\nbdName=" + kDictionary.toUtf8() + "\n"));

    const QString path = dir + QLatin1Char('/') + kDictionary;
    const QString log = path + QStringLiteral("-wal");
    if (Journal(journal) == Journal::WalWithLoggedChange) {
        QVERIFY(copyWithLoggedChange(QStringLiteral(QUORVEL_SAMPLE_DICTIONARY), path));
    } else {
        QVERIFY(QFile::copy(QStringLiteral(QUORVEL_SAMPLE_DICTIONARY), path));
        if (Journal(journal) != Journal::Delete)
            QVERIFY(runSql(path, QStringLiteral("PRAGMA journal_mode=WAL;")));
        if (Journal(journal) == Journal::WalWithEmptyLog)
            QVERIFY(writeFile(log, QByteArray()));
    }
    for (const QString &name : {QStringLiteral("test_unprivileged"), QStringLiteral("quorvel-check")})
        QVERIFY(QFile::setPermissions(dir + QLatin1Char('/') + name, exec));
    for (const QString &name : {QStringLiteral("config.ini"), kDictionary})
        QVERIFY(QFile::setPermissions(dir + QLatin1Char('/') + name, read));
    if (QFile::exists(log))
        QVERIFY(QFile::setPermissions(log, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(db::inWalMode(path), Journal(journal) != Journal::Delete);

    const QStringList filesBefore = filesIn(dir);
    const QByteArray bytesBefore = fileBytes(path);
    for (const bool asUser : {false, true}) {
        const QString who = asUser ? kUnprivilegedUser : QStringLiteral("root");
        const WindowSeen seen = runWindow(dir, asUser);
        QVERIFY2(seen.exitCode == 0, qPrintable(who + QStringLiteral(": ") + seen.output));
        QCOMPARE(seen.uid != 0, asUser);
        if (readable) {
            QVERIFY2(seen.rcs == m_fullList, qPrintable(who + QStringLiteral(": ") + seen.output));
            QVERIFY2(seen.boxes.isEmpty(), qPrintable(who + QStringLiteral(": ") + seen.boxes.join('\n')));
            QVERIFY2(seen.sqlLines.isEmpty(), qPrintable(who + QStringLiteral(": ") + seen.sqlLines.join('\n')));
        } else {
            QCOMPARE(seen.rcs, 0);
            QVERIFY2(seen.boxes.size() == 1 &&
                         seen.boxes.first().startsWith(
                             QStringLiteral("Database Connection \t Error in connecting to Database ")) &&
                         seen.boxes.first().contains(QStringLiteral("unable to open database file")),
                     qPrintable(who + QStringLiteral(": ") + seen.output));
            QVERIFY2(!seen.sqlLines.isEmpty(), qPrintable(who + QStringLiteral(": ") + seen.output));
        }

        QString checked;
        QCOMPARE(run(asUser, dir + QStringLiteral("/quorvel-check"), {path}, &checked), checkerExit);
        QVERIFY2(checked.contains(finding), qPrintable(who + QStringLiteral(": ") + checked));

        // No -wal, -shm or -journal appeared; the dictionary was not touched.
        QCOMPARE(filesIn(dir), filesBefore);
        QVERIFY2(fileBytes(path) == bytesBefore, qPrintable(who));
    }
}

int main(int argc, char *argv[])
{
    testkit::TestCase::initMain();
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], kChildArgument) == 0)
        return childMain();
    if (geteuid() != 0) {
        // Only root can become the ordinary user; CI runs as root, so there the test always runs.
        QTextStream(stdout) << "SKIP: test_unprivileged must run as root to run the window as " << kUnprivilegedUser
                            << '\n';
        return 77;
    }
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestUnprivileged test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_unprivileged.moc"
