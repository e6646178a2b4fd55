// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that shows an RC's argument text.
#pragma once

#include <QDialog>

namespace Ui
{
class Argumentaire;
}

class Argumentaire : public QDialog
{
    Q_OBJECT

public:
    explicit Argumentaire(QWidget *parent = nullptr);
    ~Argumentaire() override;

    // Plain or rich text, as the text box's own detection decides.
    void setArgumentText(const QString &text);

private slots:
    void on_btClose_clicked();

private:
    Ui::Argumentaire *ui = nullptr;
};
