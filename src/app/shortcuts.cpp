// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard shortcuts of the main window. They press the same buttons as the mouse, so every slot runs as for a
// click; each key is named in its control's tool tip. Alt+letters are free: the form has no mnemonics.
#include "app/quorvel.h"

#include "ui_quorvel.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QToolTip>

namespace
{
// The tool tip says the key: after the text it had, or alone.
void nameKey(QWidget *control, const QString &keys)
{
    const QString tip = control->toolTip().trimmed();
    control->setToolTip(tip.isEmpty() ? QStringLiteral("Raccourci : ") + keys
                                      : tip + QStringLiteral(" (") + keys + ')');
}
} // namespace

void Quorvel::installShortcuts()
{
    const auto onKeys = [this](const QList<QKeySequence> &keys, auto action) {
        for (const QKeySequence &key : keys) {
            auto *shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::WindowShortcut);
            // A key held a little long must not record twice or flip the tabs back and forth.
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, action);
        }
    };
    QWidget *form = ui->tabWidget->widget(0);
    QWidget *report = ui->tabWidget->widget(1);
    // Keys that act on the form show it first: its dialogs and changes are seen, and no report goes stale unseen.
    const auto showForm = [this, form] { ui->tabWidget->setCurrentWidget(form); };

    onKeys({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_F)}, [this, showForm] {
        showForm();
        ui->txtSearchCriteria->setFocus(Qt::ShortcutFocusReason);
        ui->txtSearchCriteria->selectAll();
    });
    nameKey(ui->txtSearchCriteria, QStringLiteral("F2 ou Ctrl+F"));

    onKeys({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}, [this, showForm] {
        showForm();
        ui->btAjouterRC->click();
    });
    nameKey(ui->btAjouterRC, QStringLiteral("Ctrl+Entrée"));

    // A hidden position is not offered for this RC: the key says so where the positions are, and changes nothing.
    const auto onLetters = [&](const QList<QPair<QString, QRadioButton *>> &radios, const QString &hiddenText) {
        for (const auto &choice : radios) {
            const QString letter = choice.first;
            QRadioButton *radio = choice.second;
            onKeys({QKeySequence(QStringLiteral("Alt+") + letter)}, [showForm, letter, radio, hiddenText] {
                showForm();
                if (!radio->isHidden() && radio->isEnabled()) {
                    radio->click();
                } else if (radio->isHidden()) {
                    QWidget *group = radio->parentWidget();
                    QToolTip::showText(group->mapToGlobal(group->rect().center()), hiddenText.arg(letter), group);
                }
            });
            nameKey(radio, QStringLiteral("Alt+") + letter);
        }
    };
    onLetters(positionButtons(), QStringLiteral("La position %1 n'est pas proposée pour ce RC."));
    onLetters(followUpButtons(), QStringLiteral("Le code de suivi %1 n'est pas proposé pour ce RC."));

    const QString tabKey = QStringLiteral("F9");
    onKeys({QKeySequence(Qt::Key_F9)}, [this, form, report] {
        ui->tabWidget->setCurrentWidget(ui->tabWidget->currentWidget() == report ? form : report);
    });
    ui->tabWidget->setTabToolTip(0, QStringLiteral("Retour à la consultation (") + tabKey + ')');
    ui->tabWidget->setTabToolTip(1, QStringLiteral("Compte rendu (") + tabKey + ')');

    // Each tab has its copy button; the report's own keeps what the doctor typed into the box.
    onKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, [this, report] {
        (ui->tabWidget->currentWidget() == report ? ui->btCopyToClipboard : ui->btCopyToClipboard1)->click();
    });
    nameKey(ui->btCopyToClipboard1, QStringLiteral("Ctrl+Maj+C"));
    nameKey(ui->btCopyToClipboard, QStringLiteral("Ctrl+Maj+C"));
}
