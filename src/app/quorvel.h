// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: owns every widget, the dictionary connection and the consultation table.
// Its slots and methods are grouped below under the subsystem and source file that define them.
#pragma once

#include <QDialog>
#include <QLoggingCategory>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QEvent;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QMouseEvent;
class QRadioButton;
class QStandardItemModel;
class QTableView;

// What the window writes on its debug channel as it works (statements shown, ids listed, steps taken).
Q_DECLARE_LOGGING_CATEGORY(lcTrace)

namespace Ui
{
class Quorvel;
}
namespace session
{
class CodeChoice;
}

class Quorvel : public QDialog
{
    Q_OBJECT

public:
    explicit Quorvel(QWidget *parent = nullptr);
    ~Quorvel() override;

public slots:
    // Escape and the close box both end here: a consultation not yet copied is lost only if the doctor says so.
    void reject() override;

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private slots:
    // --- RC list, search and profile (browse/rclist.cpp)
    void on_List_RefRC_itemSelectionChanged();
    void on_txtSearchCriteria_textChanged(const QString &arg1);
    void on_onlytitreCk_clicked();
    void on_rbHomme_clicked();
    void on_rbFemme_clicked();
    void on_txtAge_textChanged(const QString &arg1);
    void on_btEffacerProfilPatient_clicked();
    void on_btEffacer_clicked();

    // --- RC definition and criteria (browse/rcdefinition.cpp)
    void on_List_RefRC_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void on_List_RefRC_itemClicked(QListWidgetItem *current);
    void on_listeSynonymes_itemClicked(QListWidgetItem *item);
    void on_List_Criteres_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void on_List_Criteres_itemClicked(QListWidgetItem *item);

    // --- recording and code choice (session/recording.cpp)
    void on_btAjouterRC_clicked();

    // --- editing recorded rows (session/editing.cpp)
    void on_tableView_clicked(const QModelIndex &index);
    void on_rdPos_A_clicked();
    void on_rdPos_B_clicked();
    void on_rdPos_C_clicked();
    void on_rdPos_D_clicked();
    void on_rdPos_Z_clicked();
    void on_rdCodeR_clicked();
    void on_rdCodeP_clicked();
    void on_rdCodeN_clicked();
    void on_chkAsymptomique_clicked(bool checked);
    void on_chkALD_clicked(bool checked);
    void on_btAucunCritere_clicked();
    void on_btUp_clicked();
    void on_btDown_clicked();
    void on_btSupprimerRC_clicked();

    // --- report and clipboard (session/report.cpp)
    void on_tabWidget_tabBarClicked(int index);
    void on_tabWidget_currentChanged(int index);
    void on_btCopyToClipboard_clicked();
    void on_btCopyToClipboard1_clicked();

    // --- dialogs (dialogs/dialogslots.cpp)
    void on_btShowArgument_clicked();
    void on_btApropos_clicked();
    void on_btHALVANE_clicked();

private:
    // --- dictionary (db/dictionary.cpp)
    bool openDatabase(const QString &path, const QString &name);
    // True when the dictionary opened; a failure has been shown to the doctor.
    bool openDictionary();
    void showConnectionError(const QString &driverText);

    // --- RC list, search and profile (browse/rclist.cpp)
    // False when the list could not be read (`failure` then holds the driver's text), true when it is whole.
    bool loadAllRcs(QListWidget *list, QString *failure = nullptr);
    void filterRcsByProfile(QLineEdit *ageBox, const QString &sexText, QListWidget *list);
    void searchRcs(QString keyword, QLineEdit *ageBox, const QString &sexText, QListWidget *list);
    bool fillRcList(QListWidget *list, const QString &sql, bool withToolTips, QString *failure = nullptr);
    QString profileSexText() const;
    void sexClicked(QRadioButton *button, const QString &sexText);
    // The keyword list when a keyword is typed, else the profile list (which then shows its first RC).
    void refillForProfile(const QString &sexText);
    void showFirstRcOfList(const QString &titlePrefix);
    void clearDefinitionPanes();

    // --- RC definition and criteria (browse/rcdefinition.cpp)
    void fillCriteria(QListWidget *list);
    void fillCriteriaFor(QListWidget *list, int rcId);
    void fillCriteriaWith(QListWidget *list, const QString &sql, const QString &failurePrefix);
    void showPositions(int rcId, QRadioButton *a, QRadioButton *b, QRadioButton *c, QRadioButton *d, QRadioButton *z);
    int ponderClass(const QString &criterionId);
    void loadRc(QListWidgetItem *current);
    // See-also list, critical diagnoses and offered positions of the RC shown (currentRcId must be rcId).
    void fillRelatedPanes(int rcId);
    enum class AldBox { Clear, Keep };
    // Unchecks the positions, the follow-up codes and "Asymptomatique", and the ALD box unless it is kept.
    void uncheckChoices(AldBox ald);
    // Highlights the RC of a see-also jump in the list and shows its title, when the list holds it.
    void selectJumpTarget(int rcId);
    // The radios with their letters, in the order A, B, C, D, Z and N, P, R.
    QList<QPair<QString, QRadioButton *>> positionButtons() const;
    QList<QPair<QString, QRadioButton *>> followUpButtons() const;

    // --- see-also and critical diagnoses (browse/related.cpp)
    void fillSeeAlso();
    void fillCriticalDiagnoses(QTableView *view, int rcId);

    // --- session table (session/sessiontable.cpp)
    void setupSessionTable();
    void clearSessionTable();
    QString sessionCell(int row, int column) const;

    // --- recording and code choice (session/recording.cpp)
    bool isDuplicateRow(const QString &position, const QString &followUp, const QString &asymptomatic,
                        const QString &criteriaText) const;
    // The warnings and the code-N question; true when recording may go on.
    bool choicesAccepted(const QString &position, const QString &followUp, const QStringList &ticked);
    bool mandatoryCriteriaMet(const QStringList &ticked);
    bool subCriteriaMet(const QString &parentId, const QStringList &ticked, QSet<QString> &path);
    QStringList topLevelCriteria(int rcId);
    QStringList childCriteria(const QString &criterionId);
    QStringList criteriaOfClass(int weightClass, const QString &parentId, const QStringList &topLevel);
    QStringList codeRulesOfRc();
    QStringList ruleCriteria(const QString &ruleId);
    QString ruleValue(const QString &column, const QString &ruleId);
    bool chooseCodes(const QStringList &ticked, QString &cim, QString &cisp);
    session::CodeChoice rulesOfRcList(const QString &sql);
    session::CodeChoice rulesMetByTicks(const QStringList &ticked);
    // Appends the cells (one per column, the RC id in its own type) and selects the new row.
    void appendSessionRow(const QVariantList &cells);

    // --- editing recorded rows (session/editing.cpp)
    void reopenRow(int row);
    // Makes the RC of a re-opened row the list's current one, refilling the list with every RC if it must.
    // True when that ran the RC load; false when the RC already was the list's current one.
    bool showRowRcInList(int rcId);
    // Ticks the row's criteria and checks its position, follow-up code and flags.
    void restoreRowChoices(int row);
    // Any RC load other than the re-opening itself: the form no longer shows a recorded row.
    void leaveReopenedRow();
    // True when the form edits `row`: a row is re-opened and the RC shown is the row's own.
    bool formEditsRow(int row) const;
    void writeRowCell(QRadioButton *button, const QString &letter, int column);
    void writeRowFlag(QCheckBox *box, int column);
    // Inserts a copy of `row` at `insertAt` (an index before the insertion) and removes the original.
    void moveSessionRow(int row, int insertAt);

    // --- report and clipboard (session/report.cpp)
    void buildReport();
    // Puts a report on the clipboard; the table's rows then count as copied.
    void copyReport(const QString &text);
    // True when the table holds rows that differ from those of the last copy.
    bool hasUncopiedRows() const;
    QStringList sessionSnapshot() const;
    QStringList sortCriteriaByOrder(const QStringList &ids);
    int criterionOrder(const QString &id);

    // --- keyboard shortcuts (app/shortcuts.cpp)
    void installShortcuts();

    // Auto-exclusive off, unchecked, auto-exclusive on: lets a radio group end with none checked.
    static void uncheckRadio(QAbstractButton *button);

    // Height of the rows of both tables, in pixels.
    static constexpr int kRowHeight = 19;

    std::unique_ptr<QMap<int, QListWidgetItem *>> rcItemMap;
    QVariant currentRcId;
    bool criteriaLoading = false;
    bool fullListShown = true;
    bool keywordSearchActive = false;
    bool rcFromList = true;
    bool seeAlsoJump = false;
    // True while reopenRow makes the row's RC current: that RC load belongs to the re-opening.
    bool reopeningRow = false;
    int sessionRowCount = 0;
    // The table's rows as they were when the report was last copied.
    QStringList copiedRows;
    QSqlDatabase db;
    QString connectionName;
    QString databasePath;
    std::unique_ptr<QStandardItemModel> sessionModel;
    // The critical diagnoses' model, made once and owned by its view: setting a new model per RC costs more
    // than everything else an RC click does.
    QStandardItemModel *criticalModel = nullptr;
    Ui::Quorvel *ui = nullptr;
};
