// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog: version history beside the program's picture.
#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class AproposQuorvel;
}

class AproposQuorvel : public QDialog
{
    Q_OBJECT

public:
    explicit AproposQuorvel(QWidget *parent = nullptr);
    ~AproposQuorvel() override;

private slots:
    void on_btClose_clicked();

private:
    Ui::AproposQuorvel *ui = nullptr;
};

namespace dialogs
{

// The HTML of the About box: the publisher's web-site line, then the change history, newest first.
QString aboutHtml();

} // namespace dialogs
