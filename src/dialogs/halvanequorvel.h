// SPDX-License-Identifier: GPL-3.0-or-later
// The publisher dialog: one large picture read from the images folder beside the program.
#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class HalvaneQuorvel;
}

class HalvaneQuorvel : public QDialog
{
    Q_OBJECT

public:
    explicit HalvaneQuorvel(QWidget *parent = nullptr);
    ~HalvaneQuorvel() override;

private:
    Ui::HalvaneQuorvel *ui = nullptr;
};

namespace dialogs
{

// Style sheet that stretches appDir/images/p_halvane.png over a button; appDir with forward slashes, as the
// toolkit reports the application directory on every platform.
QString publisherImageStyleSheet(const QString &appDir);

} // namespace dialogs
