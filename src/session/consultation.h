// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation's state, without a widget: the RC the form shows and how it came there, the row the form
// edits, the recorded rows and the rows as last copied. The window turns each gesture into one operation here
// and then shows the result, so what is recorded or edited never depends on the order of the toolkit's signals.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QStandardItemModel;

namespace session
{

// How the RC in the form came to be shown.
enum class Shown {
    Nothing,         // no RC: an empty list or an unreadable dictionary
    FromList,        // a click, a key or a screen reader in the RC list
    ByRefill,        // a refill of the RC list showed its first RC (start-up, profile, resets, a deletion)
    SeeAlso,         // a see-also jump to an RC the list holds
    SeeAlsoUnlisted, // a see-also jump to an RC missing from the list: the title label keeps the previous title
    FromRow          // a recorded row re-opened into the form
};

// What the form holds when "Enregistrer le RC" is pressed; every step of the recording reads this value only.
struct Draft {
    int rcId = -1;
    QString title;
    QStringList ticked; // criterion ids, in the order the criteria list gives them
    QString position;   // empty when no visible position is checked
    QString followUp;
    bool asymptomatic = false;
    bool ald = false;
};

class Consultation
{
public:
    Consultation();
    ~Consultation();

    // The rows, as the consultation table shows them.
    QStandardItemModel *model() const { return m_model.get(); }

    // --- the RC shown
    bool hasRc() const { return m_rc >= 0; }
    int rc() const { return m_rc; }
    const QString &rcTitle() const { return m_title; }
    Shown shownBy() const { return m_shownBy; }
    // The row the form edits, or -1 when the form is a draft for the next recording.
    int editedRow() const { return m_editedRow; }

    // An RC chosen in the RC list. False when it changes nothing: the same RC already shown from the list, so the
    // second signal of one gesture, or a click on the RC being worked on, never reloads it.
    bool pickFromList(int rcId, const QString &title);
    // Any other road to an RC (refill, see-also jump): the form shows it as a draft.
    void show(int rcId, const QString &title, Shown how);
    void showNothing();
    // Re-opens `row` into the form; false for a row that does not exist. The RC shown becomes the row's.
    bool reopen(int row);
    int rowRc(int row) const;

    // --- the rows
    int rowCount() const;
    QString cell(int row, int column) const;
    // True when a row already holds the draft's RC with the same position, follow-up, flag and criteria.
    bool isDuplicate(const Draft &draft) const;
    // Appends the draft's row with its codes; the form then edits it, so a correction lands in that row.
    int record(const Draft &draft, const QString &cim, const QString &cisp);
    // Writes into the row the form edits; false (nothing written) when the form edits no row.
    bool writeEdited(int column, const QString &value);
    // Moves the edited row by -1 or +1; false at either end or without an edited row.
    bool moveEdited(int by);
    // Deletes the edited row; the form then edits no row.
    bool removeEdited();
    void clearRows();

    // --- copies
    void markCopied();
    // True when the table holds rows that differ from those of the last copy.
    bool hasUncopiedRows() const;

private:
    QStringList snapshot() const;

    std::unique_ptr<QStandardItemModel> m_model;
    int m_rc = -1;
    QString m_title;
    Shown m_shownBy = Shown::Nothing;
    int m_editedRow = -1;
    QStringList m_copied;
};

} // namespace session
