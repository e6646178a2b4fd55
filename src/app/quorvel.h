// The main window: owns every widget, the dictionary connection and the consultation table.
// Its behaviour is spread over per-subsystem source files (app/, db/, browse/, session/, dialogs/).
#pragma once

#include <QDialog>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

class QAbstractButton;
class QCheckBox;
class QEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QMouseEvent;
class QRadioButton;
class QStandardItemModel;
class QTableView;

namespace Ui
{
class Quorvel;
}

class Quorvel : public QDialog
{
    Q_OBJECT

public:
    explicit Quorvel(QWidget *parent = nullptr);
    ~Quorvel() override;

protected:
    bool event(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private slots:
    void on_btShowArgument_clicked();
    void on_List_Criteres_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void on_btEffacer_clicked();
    void on_rbHomme_clicked();
    void on_rbFemme_clicked();
    void on_txtAge_textChanged(const QString &arg1);
    void on_btAjouterRC_clicked();
    void on_btSupprimerRC_clicked();
    void on_tableView_clicked(const QModelIndex &index);
    void on_List_Criteres_itemClicked(QListWidgetItem *item);
    void on_rdPos_A_clicked();
    void on_rdPos_B_clicked();
    void on_rdPos_C_clicked();
    void on_rdPos_D_clicked();
    void on_rdPos_Z_clicked();
    void on_rdCodeR_clicked();
    void on_rdCodeP_clicked();
    void on_rdCodeN_clicked();
    void on_btAucunCritere_clicked();
    void on_tabWidget_tabBarClicked(int index);
    void on_btCopyToClipboard_clicked();
    void on_txtSearchCriteria_textChanged(const QString &arg1);
    void on_btApropos_clicked();
    void on_btHALVANE_clicked();
    void on_chkAsymptomique_clicked(bool checked);
    void on_btUp_clicked();
    void on_btDown_clicked();
    void on_chkALD_clicked(bool checked);
    void on_List_RefRC_itemClicked(QListWidgetItem *current);
    void on_listeSynonymes_itemClicked(QListWidgetItem *item);
    void on_onlytitreCk_clicked();
    void on_btEffacerProfilPatient_clicked();
    void on_btCopyToClipboard1_clicked();
    void on_List_RefRC_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous);

private:
    // --- dictionary (db/database.cpp)
    bool openDatabase(const QString &path, const QString &name);
    void openDictionary();

    // --- RC list, search and profile (browse/rclist.cpp)
    void loadAllRcs(QListWidget *list);
    void filterRcsByProfile(QLineEdit *ageBox, const QString &sexText, QListWidget *list);
    void searchRcs(QString keyword, QLineEdit *ageBox, const QString &sexText, QListWidget *list);
    void fillRcList(QListWidget *list, const QString &sql, bool withToolTips);
    QString profileSexText() const;
    void showFirstRcOfList(const QString &titlePrefix);
    void clearDefinitionPanes();

    // --- RC definition and criteria (browse/rcdefinition.cpp)
    void fillCriteria(QListWidget *list);
    void fillCriteriaFor(QListWidget *list, int rcId);
    void fillCriteriaWith(QListWidget *list, const QString &sql, bool logStatement);
    void showPositions(int rcId, QRadioButton *a, QRadioButton *b, QRadioButton *c, QRadioButton *d, QRadioButton *z);
    int ponderClass(const QString &criterionId);
    void loadRc(QListWidgetItem *current);
    void clearRcLoadOutputs();

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
    bool mandatoryCriteriaMet(const QStringList &ticked);
    bool subCriteriaMet(const QString &parentId, const QStringList &ticked, QSet<QString> &path);
    QStringList topLevelCriteria(int rcId);
    QStringList childCriteria(const QString &criterionId);
    QStringList criteriaOfClass(int weightClass, const QString &parentId, const QStringList &topLevel);
    QStringList codeRulesOfRc();
    QStringList ruleCriteria(const QString &ruleId);
    QString ruleValue(const QString &column, const QString &ruleId);
    bool chooseCodes(const QStringList &ticked, QString &cim, QString &cisp);

    // --- editing recorded rows (session/editing.cpp)
    void reopenRow(int row);
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
    QStringList sortCriteriaByOrder(const QStringList &ids);
    int criterionOrder(const QString &id);

    // Auto-exclusive off, unchecked, auto-exclusive on: lets a radio group end with none checked.
    static void uncheckRadio(QAbstractButton *button);

    QMap<int, QListWidgetItem *> *rcItemMap = nullptr;
    QVariant currentRcId;
    bool criteriaLoading = false;
    bool fullListShown = true;
    bool keywordSearchActive = false;
    bool rcFromList = true;
    bool seeAlsoJump = false;
    // True while reopenRow makes the row's RC current: that RC load belongs to the re-opening.
    bool reopeningRow = false;
    int sessionRowCount = 0;
    QSqlDatabase db;
    QString connectionName;
    QString databasePath;
    QStandardItemModel *sessionModel = nullptr;
    Ui::Quorvel *ui = nullptr;
};
