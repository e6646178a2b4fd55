// SPDX-License-Identifier: GPL-3.0-or-later
// Test support shared by every suite (see testkit.h).
#include "testkit.h"

#include "app/appearance.h"
#include "app/resources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QTabBar>
#include <QTabWidget>
#include <sqlite3.h>

namespace testkit
{

void TestCase::initMain()
{
    appearance::setApplicationAttributes();
    quorvelInitResources();
}

QString appDir()
{
    return QCoreApplication::applicationDirPath();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

bool writeRawConfig(const QByteArray &content)
{
    return writeFile(appDir() + QStringLiteral("/config.ini"), content);
}

bool writeConfig(const QString &bdName)
{
    return writeRawConfig("[BD]\nbdName=" + bdName.toUtf8() + "\n");
}

void removeConfig()
{
    QFile::remove(appDir() + QStringLiteral("/config.ini"));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QString schemaSql()
{
    return QString::fromUtf8(fileBytes(QStringLiteral(QUORVEL_SCHEMA_SQL)));
}

bool runSql(const QString &path, const QString &sql, QString *error)
{
    sqlite3 *handle = nullptr;
    char *message = nullptr;
    int rc = sqlite3_open(path.toUtf8().constData(), &handle);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK && error)
        *error = QString::fromUtf8(message ? message : sqlite3_errmsg(handle));
    sqlite3_free(message);
    sqlite3_close(handle);
    return rc == SQLITE_OK;
}

QString buildDictionary(const QString &fileName, const QString &sql, bool withSchema)
{
    const QString path = appDir() + QLatin1Char('/') + fileName;
    QFile::remove(path);
    QString error;
    if (!runSql(path, withSchema ? schemaSql() + QLatin1Char('\n') + sql : sql, &error)) {
        QWARN(qPrintable(QStringLiteral("test dictionary rejected: ") + error));
        return QString();
    }
    return path;
}

QString useDictionary(const QString &sql, const QString &fileName)
{
    const QString path = buildDictionary(fileName, sql);
    return !path.isEmpty() && writeConfig(fileName) ? path : QString();
}

QString useSampleDictionary()
{
    const QString path = appDir() + QStringLiteral("/sample.sqlite");
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(QUORVEL_SAMPLE_DICTIONARY), path)) {
        QWARN("sample dictionary missing: build the quorvel target first");
        return QString();
    }
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return writeConfig(QStringLiteral("sample.sqlite")) ? path : QString();
}

// ---- log capture

namespace
{

struct Message {
    QString category;
    QString text;
};

QMutex logMutex;
QList<Message> logLines;
QtMessageHandler previousHandler = nullptr;
int captureDepth = 0;

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&logMutex);
        logLines.append({QString::fromLatin1(context.category ? context.category : "default"), message});
    }
    if (qEnvironmentVariableIsSet("QUORVEL_TEST_VERBOSE") || type == QtFatalMsg)
        previousHandler(type, context, message);
}

} // namespace

LogCapture::LogCapture()
{
    QMutexLocker lock(&logMutex);
    if (captureDepth++ == 0)
        previousHandler = qInstallMessageHandler(captureHandler);
    logLines.clear();
}

LogCapture::~LogCapture()
{
    QMutexLocker lock(&logMutex);
    if (--captureDepth == 0)
        qInstallMessageHandler(previousHandler);
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&logMutex);
    QStringList texts;
    for (const Message &m : qAsConst(logLines))
        texts << m.text;
    return texts;
}

QStringList LogCapture::lines(const QLoggingCategory &category) const
{
    const QString name = QString::fromLatin1(category.categoryName());
    QMutexLocker lock(&logMutex);
    QStringList texts;
    for (const Message &m : qAsConst(logLines))
        if (m.category == name)
            texts << m.text;
    return texts;
}

int LogCapture::count(const QLoggingCategory &category) const
{
    return lines(category).size();
}

int LogCapture::count(const QString &substring) const
{
    return lines().filter(substring).size();
}

void LogCapture::clear()
{
    QMutexLocker lock(&logMutex);
    logLines.clear();
}

// ---- modal watcher

namespace
{

void dismiss(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

QString iconName(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning:
        return QStringLiteral("warning");
    case QMessageBox::Information:
        return QStringLiteral("information");
    case QMessageBox::Question:
        return QStringLiteral("question");
    case QMessageBox::Critical:
        return QStringLiteral("critical");
    default:
        return QString();
    }
}

} // namespace

ModalWatcher::ModalWatcher(Answer answer, int giveUpMs) : m_answer(std::move(answer)), m_giveUpMs(giveUpMs)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

ModalWatcher::~ModalWatcher()
{
    m_timer.stop();
}

void ModalWatcher::forget(QObject *modal)
{
    if (m_current == modal)
        m_current = nullptr;
}

// A box answered and the next one opened between two polls can share an address (dialogs live on the stack), or
// be the same dialog shown again: forgetting a box once it hides or dies makes the next showing count as new.
bool ModalWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide)
        forget(watched);
    return false;
}

void ModalWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal) {
        m_current = nullptr;
        return;
    }
    if (modal == m_current) {
        m_elapsedOnCurrent += m_timer.interval();
        if (m_elapsedOnCurrent >= m_giveUpMs) {
            ++forcedClosures;
            dismiss(modal);
            m_elapsedOnCurrent = 0;
        }
        return;
    }
    m_current = modal;
    m_elapsedOnCurrent = 0;
    modal->installEventFilter(this);
    connect(modal, &QObject::destroyed, this, &ModalWatcher::forget, Qt::UniqueConnection);
    ModalSeen s;
    s.className = QString::fromLatin1(modal->metaObject()->className());
    s.title = modal->windowTitle();
    QList<QAbstractButton *> buttons = modal->findChildren<QAbstractButton *>();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        s.text = box->text();
        s.iconName = iconName(box->icon());
        buttons = box->buttons();
    } else if (auto *input = qobject_cast<QInputDialog *>(modal)) {
        s.text = input->labelText();
    }
    for (QAbstractButton *b : buttons)
        s.buttons << b->text();
    seen << s;
    if (m_answer)
        m_answer(modal);
    else
        dismiss(modal);
}

ModalWatcher::Answer pressButton(const QString &text)
{
    return [text](QWidget *modal) {
        for (QAbstractButton *b : modal->findChildren<QAbstractButton *>()) {
            if (b->text() == text) {
                b->click();
                return;
            }
        }
        QWARN(qPrintable(QStringLiteral("no button '%1' in the modal widget").arg(text)));
    };
}

ModalWatcher::Answer chooseItem(const QString &text, bool accept)
{
    return [text, accept](QWidget *modal) {
        auto *input = qobject_cast<QInputDialog *>(modal);
        if (!input) {
            QWARN("expected an item dialog");
            modal->close();
            return;
        }
        if (auto *combo = input->findChild<QComboBox *>()) {
            const int index = combo->findText(text);
            if (index >= 0)
                combo->setCurrentIndex(index);
            else
                combo->setEditText(text);
        }
        input->setTextValue(text);
        input->done(accept ? QDialog::Accepted : QDialog::Rejected);
    };
}

ModalWatcher::Answer rejectDialog()
{
    return dismiss;
}

void answerAnything(QWidget *modal)
{
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (box && !box->buttons().isEmpty())
        box->buttons().first()->click();
    else if (auto *input = qobject_cast<QInputDialog *>(modal))
        input->done(QDialog::Accepted);
    else if (qobject_cast<QDialog *>(modal))
        dismiss(modal);
}

// ---- widgets and user-like actions

void missingWidget(const QObject &parent, const QString &name, const char *className)
{
    qFatal("no %s named %s in %s", className, qPrintable(name), parent.metaObject()->className());
}

void typeText(QWidget *widget, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        const QChar first = character.at(0);
        if (!pair && first.unicode() < 128 && first.isPrint())
            QTest::keyClick(widget, first.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, character, Qt::NoModifier);
        i += pair ? 1 : 0;
    }
}

void replaceText(QWidget *box, const QString &text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    typeText(box, text);
}

QListWidgetItem *findItem(QListWidget *list, const QString &text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == text)
            return list->item(i);
    return nullptr;
}

bool clickItem(QListWidget *list, QListWidgetItem *item)
{
    if (!item || item->listWidget() != list)
        return false;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
    return true;
}

bool clickItem(QListWidget *list, const QString &text)
{
    return clickItem(list, findItem(list, text));
}

bool clickRow(QTableView *view, int row, int column)
{
    const QModelIndex index = view->model()->index(row, column);
    if (!index.isValid())
        return false;
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
    return true;
}

bool clickTab(QTabWidget *tabs, int index)
{
    if (index < 0 || index >= tabs->count())
        return false;
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, tabs->tabBar()->tabRect(index).center());
    return true;
}

QStringList itemTexts(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList selectedTexts(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            texts << list->item(i)->text();
    return texts;
}

// ---- the main window's form

QListWidget *rcList(const QWidget &w)
{
    return widget<QListWidget>(w, QStringLiteral("List_RefRC"));
}

QListWidget *criteria(const QWidget &w)
{
    return widget<QListWidget>(w, QStringLiteral("List_Criteres"));
}

QTableView *table(const QWidget &w)
{
    return widget<QTableView>(w, QStringLiteral("tableView"));
}

QTabWidget *tabs(const QWidget &w)
{
    return widget<QTabWidget>(w, QStringLiteral("tabWidget"));
}

QLineEdit *keywordBox(const QWidget &w)
{
    return widget<QLineEdit>(w, QStringLiteral("txtSearchCriteria"));
}

QString rcTitle(const QWidget &w)
{
    return widget<QLabel>(w, QStringLiteral("txtTitreRc"))->text();
}

QAbstractItemModel *model(const QWidget &w)
{
    return table(w)->model();
}

int rowCount(const QWidget &w)
{
    return model(w)->rowCount();
}

QStringList rowCells(const QWidget &w, int row)
{
    QStringList cells;
    for (int column = 0; column < model(w)->columnCount(); ++column)
        cells << model(w)->index(row, column).data().toString();
    return cells;
}

void click(const QWidget &w, const QString &buttonName)
{
    widget<QAbstractButton>(w, buttonName)->click();
}

bool tick(const QWidget &w, const QStringList &texts)
{
    for (const QString &text : texts) {
        QListWidgetItem *item = findItem(criteria(w), text);
        if (!item)
            return false;
        item->setSelected(true);
    }
    return true;
}

bool record(const QWidget &w, const QString &rc, const QStringList &ticks, const char *position, const char *followUp)
{
    if (!clickItem(rcList(w), rc) || !tick(w, ticks))
        return false;
    if (*position)
        click(w, QString::fromLatin1(position));
    if (*followUp)
        click(w, QString::fromLatin1(followUp));
    click(w, QStringLiteral("btAjouterRC"));
    return true;
}

} // namespace testkit
