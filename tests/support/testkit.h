// SPDX-License-Identifier: GPL-3.0-or-later
// Test support shared by every suite: test dictionaries built from SQL text, config.ini beside the test program,
// debug-log capture by category, a watcher that answers modal boxes, widgets found by name, and acting on the
// window as the doctor does (typing, clicks on views and tabs, recording an RC).
// Helpers that can fail return a result for the test to check (a failure inside a helper would not stop the test);
// only widget<T>() stops the run, on an object name the form lacks.
#pragma once

#include "db/database.h"

#include <QByteArray>
#include <QList>
#include <QListWidget>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <functional>

class QLineEdit;
class QTabWidget;

namespace testkit
{

// Base of the suites: QTEST_MAIN runs initMain before the application object, which prepares it as main does.
struct TestCase : QObject {
    static void initMain();
};

// Directory of the running test program: where the window looks for config.ini and its dictionary.
QString appDir();

[[nodiscard]] bool writeFile(const QString &path, const QByteArray &content);
// config.ini with group BD and bdName = name.
[[nodiscard]] bool writeConfig(const QString &bdName);
// config.ini with arbitrary bytes (broken settings files).
[[nodiscard]] bool writeRawConfig(const QByteArray &content);
void removeConfig();
QByteArray fileBytes(const QString &path);

// The project's dictionary schema (data/schema.sql).
QString schemaSql();

// Runs SQL text (several statements, any quoting) on the SQLite file at path, creating it when missing.
[[nodiscard]] bool runSql(const QString &path, const QString &sql, QString *error = nullptr);

// Creates appDir()/fileName afresh from SQL text; with withSchema the project's schema runs first.
// Returns the file's path, or an empty text (with a warning naming SQLite's complaint) when the text is rejected.
[[nodiscard]] QString buildDictionary(const QString &fileName, const QString &sql, bool withSchema = true);

// Writes the dictionary and config.ini together; the usual start of a window test. Empty on failure.
[[nodiscard]] QString useDictionary(const QString &sql, const QString &fileName = QStringLiteral("test.sqlite"));

// Copy of the bundled sample dictionary into appDir(), with config.ini pointing at it. Empty on failure.
[[nodiscard]] QString useSampleDictionary();

// Records every message while alive, with its logging category (with QUORVEL_TEST_VERBOSE set, prints it too).
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    QStringList lines() const;
    QStringList lines(const QLoggingCategory &category) const;
    int count(const QLoggingCategory &category) const;
    // Messages containing the text, whatever their category: for debug lines whose wording is what is tested.
    int count(const QString &substring) const;
    void clear();
};

// What a modal widget showed when the watcher met it.
struct ModalSeen {
    QString className;
    QString title;
    QString text;
    QStringList buttons; // button texts, in the box's order
    QString iconName;    // "warning", "information", "question", "critical" or ""
};

// Arm before the action that opens modal widgets. Each time a modal widget becomes active, its texts are recorded
// and `answer` is run on it (by default: Escape-like reject). A modal widget still open after `giveUpMs` is
// rejected and counted in forcedClosures, so a broken answer makes the test fail instead of hanging.
class ModalWatcher : public QObject
{
    Q_OBJECT
public:
    using Answer = std::function<void(QWidget *)>;
    explicit ModalWatcher(Answer answer = Answer(), int giveUpMs = 5000);
    ~ModalWatcher() override;
    void setAnswer(Answer answer) { m_answer = std::move(answer); }
    QList<ModalSeen> seen;
    int forcedClosures = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void poll();
    void forget(QObject *modal);
    Answer m_answer;
    QTimer m_timer;
    QWidget *m_current = nullptr;
    int m_elapsedOnCurrent = 0;
    int m_giveUpMs;
};

// Answers: press the button with this text (message boxes, dialogs with buttons).
ModalWatcher::Answer pressButton(const QString &text);
// Answer for QInputDialog::getItem: choose the entry (or type it when editable), then accept or reject.
ModalWatcher::Answer chooseItem(const QString &text, bool accept = true);
ModalWatcher::Answer rejectDialog();

// A NULL of type T, as the SQL driver returns it for a NULL column (Qt 6 took the QVariant::Type constructor away).
template <typename T> QVariant nullValue()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QVariant(QMetaType::fromType<T>());
#else
    return QVariant(QVariant::Type(qMetaTypeId<T>()));
#endif
}
// A hurried doctor: the first button of a message box, the proposed entry of a choice, Escape for anything else.
void answerAnything(QWidget *modal);

// The child of `parent` named `name`, of class T. Object names carry behaviour: a missing one is a broken form,
// and the run stops there naming it (a null pointer would only crash further on).
[[noreturn]] void missingWidget(const QObject &parent, const QString &name, const char *className);
template <class T> T *widget(const QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        missingWidget(parent, name, T::staticMetaObject.className());
    return found;
}

// Types any text key by key, one key event per character (a character outside the basic plane is one event
// carrying both halves of its surrogate pair, as a keyboard or an input method delivers it).
void typeText(QWidget *widget, const QString &text);
// Replaces a box's text as the doctor does: select all, then type over it (or erase it when text is empty).
void replaceText(QWidget *box, const QString &text);
QListWidgetItem *findItem(QListWidget *list, const QString &text);
// Clicks through the view's viewport at the centre of the item, row or tab, as the mouse does.
[[nodiscard]] bool clickItem(QListWidget *list, QListWidgetItem *item);
[[nodiscard]] bool clickItem(QListWidget *list, const QString &text);
[[nodiscard]] bool clickRow(QTableView *view, int row, int column = 0);
[[nodiscard]] bool clickTab(QTabWidget *tabs, int index);
QStringList itemTexts(QListWidget *list);
QStringList selectedTexts(QListWidget *list);

// The main window's form, reached by its object names.
QListWidget *rcList(const QWidget &w);
QListWidget *criteria(const QWidget &w);
QTableView *table(const QWidget &w);
QTabWidget *tabs(const QWidget &w);
QLineEdit *keywordBox(const QWidget &w);
// The title above the criteria, as the label holds it (HTML).
QString rcTitle(const QWidget &w);
QAbstractItemModel *model(const QWidget &w);
int rowCount(const QWidget &w);
QStringList rowCells(const QWidget &w, int row);
// Presses the named button (or radio, or check box) by program.
void click(const QWidget &w, const QString &buttonName);
// Ticks criteria in the given order, the way a program selection does (no forced parent, no toggling).
[[nodiscard]] bool tick(const QWidget &w, const QStringList &texts);
// Picks an RC in the list, ticks criteria, chooses the position and follow-up radios, then presses
// "Enregistrer le RC". Empty names leave a radio unchosen. False when the RC or a criterion is not listed.
[[nodiscard]] bool record(const QWidget &w, const QString &rc, const QStringList &ticks, const char *position,
                          const char *followUp);

} // namespace testkit
