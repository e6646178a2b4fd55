// SPDX-License-Identifier: GPL-3.0-or-later
// The publisher dialog. Its picture is a file beside the program, not a resource, so it can be replaced on site.
#include "dialogs/halvanequorvel.h"

#include "app/appearance.h"
#include "ui_halvanequorvel.h"

#include <QCoreApplication>

namespace dialogs
{

namespace
{

// Characters that the style-sheet parser accepts in an unquoted url(); measured, it refuses accented letters,
// apostrophes, unbalanced parentheses and several punctuation marks there.
bool safeUnquoted(const QString &path)
{
    for (const QChar c : path) {
        const ushort u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == ' ' ||
                        u == '/' || u == '.' || u == '_' || u == '-' || u == ':';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

QString publisherImageStyleSheet(const QString &appDir)
{
    const QString path = appDir + QStringLiteral("/images/p_halvane.png");
    if (safeUnquoted(path))
        return QStringLiteral("border-image:url(%1);").arg(path);
    // Installed under a folder such as "Hélène" or "D'Arcy", the unquoted form would leave the button blank.
    // The parser still misreads a backslash followed by a hex digit; no platform puts one in this path.
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QStringLiteral("border-image:url(\"%1\");").arg(escaped);
}

} // namespace dialogs

HalvaneQuorvel::HalvaneQuorvel(QWidget *parent) : QDialog(parent), ui(new Ui::HalvaneQuorvel)
{
    ui->setupUi(this);
    ui->image->setStyleSheet(dialogs::publisherImageStyleSheet(QCoreApplication::applicationDirPath()));
    appearance::usePalette();
    appearance::fitToScreen(this, size());
}

HalvaneQuorvel::~HalvaneQuorvel()
{
    delete ui;
}
