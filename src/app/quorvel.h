// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: owns every widget, the dictionary connection and the consultation table.
// Its slots and methods are grouped below under the subsystem and source file that define them.
#pragma once

#include "session/consultation.h"

#include <QDialog>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QAbstractButton;
class QEvent;
class QItemSelection;
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
    bool eventFilter(QObject *watched, QEvent *e) override;
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
    // --- the window (app/quorvel.cpp)
    // The doctor is asked before rows not yet copied are lost; true when they may go.
    bool mayLoseUncopiedRows(const QString &question, const QString &yes, const QString &no);

    // --- dictionary (db/dictionary.cpp)
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
    // A refill's end: the list's first RC is loaded.
    void showFirstRcOfList(const QString &titlePrefix);
    // The list's highlight follows the RC shown, without a signal: only gestures load RCs.
    void selectInList(int rcId);

    // --- RC definition and criteria (browse/rcdefinition.cpp)
    void fillCriteriaFor(QListWidget *list, int rcId);
    void fillCriteriaWith(QListWidget *list, const QString &sql, const QString &failurePrefix);
    void showPositions(int rcId, QRadioButton *a, QRadioButton *b, QRadioButton *c, QRadioButton *d, QRadioButton *z);
    int ponderClass(const QString &criterionId);
    enum class AldKept { No, Yes };
    // The one RC load: every pane shows the consultation's RC, and the form's choices are cleared.
    void loadShownRc(const QString &titlePrefix, AldKept ald = AldKept::No);
    // The RC list's item chosen by a gesture: shown unless it already is (the second signal of one gesture).
    void pickListItem(QListWidgetItem *item);
    // Unchecks the positions, the follow-up codes and "Asymptomatique", and the ALD box unless it is kept.
    void uncheckChoices(AldKept ald);
    // Ticks these criteria without the parent rule: only the doctor's own ticks force a parent.
    void tickCriteria(const QStringList &ids);
    void forceParentsOfTicked(const QItemSelection &selected);
    // The radios with their letters, in the order A, B, C, D, Z and N, P, R.
    QList<QPair<QString, QRadioButton *>> positionButtons() const;
    QList<QPair<QString, QRadioButton *>> followUpButtons() const;

    // --- see-also and critical diagnoses (browse/related.cpp)
    void fillSeeAlso();
    void fillCriticalDiagnoses(QTableView *view, int rcId);

    // --- session table (session/sessiontable.cpp)
    void setupSessionTable();
    // The table's selection and the move and delete buttons follow the row the form edits.
    void showEditedRow();

    // --- recording and code choice (session/recording.cpp)
    session::Draft formDraft() const;
    // The warnings and the code-N question; true when recording may go on.
    bool choicesAccepted(const session::Draft &draft);
    bool mandatoryCriteriaMet(int rcId, const QStringList &ticked);
    bool subCriteriaMet(const QString &parentId, const QStringList &ticked, QSet<QString> &path);
    QStringList childCriteria(const QString &criterionId);
    QStringList criteriaOfClass(int weightClass, const QString &parentId, const QStringList &topLevel);
    bool chooseCodes(const session::Draft &draft, QString &cim, QString &cisp);
    // The doctor's pick among the entries; false when the choice was cancelled.
    bool askCode(const QStringList &entries, QString &chosen);
    session::CodeChoice rulesOfRcList(const QString &sql);
    session::CodeChoice rulesMetByTicks(int rcId, const QStringList &ticked);

    // --- editing recorded rows (session/editing.cpp)
    void reopenRow(int row);
    // Ticks the row's criteria and checks its position, follow-up code and flags.
    void restoreRowChoices(int row);
    void writeRowCell(QRadioButton *button, const QString &letter, int column);
    // Keys in the table: the arrows, Return and Space re-open a row, Ctrl+C copies the report.
    bool tableKey(QKeyEvent *e);

    // --- report and clipboard (session/report.cpp)
    void buildReport();
    // Puts a report on the clipboard; the table's rows then count as copied.
    void copyReport(const QString &text);
    QStringList sortCriteriaByOrder(const QStringList &ids);
    int criterionOrder(const QString &id);

    // --- keyboard shortcuts (app/shortcuts.cpp)
    void installShortcuts();

    // Auto-exclusive off, unchecked, auto-exclusive on: lets a radio group end with none checked.
    static void uncheckRadio(QAbstractButton *button);

    // Height of the rows of both tables, in pixels.
    static constexpr int kRowHeight = 19;

    std::unique_ptr<QHash<int, QListWidgetItem *>> rcItemMap;
    // True while the RC list holds every RC: a see-also jump then finds its RC without a refill.
    bool fullListShown = true;
    // True once a keyword ran a search: emptying the keyword then falls back to the profile list, once.
    bool keywordSearchActive = false;
    session::Consultation consultation;
    QSqlDatabase db;
    QString connectionName;
    QString databasePath;
    // The critical diagnoses' model, made once and owned by its view: setting a new model per RC costs more
    // than everything else an RC click does.
    QStandardItemModel *criticalModel = nullptr;
    Ui::Quorvel *ui = nullptr;
};
