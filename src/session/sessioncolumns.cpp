// SPDX-License-Identifier: GPL-3.0-or-later
// Header texts, flag texts and widths of the consultation table's columns.
#include "session/sessioncolumns.h"

namespace session
{

QStringList headerTexts()
{
    return {QStringLiteral("Résultat de consultation"),
            QStringLiteral("PD"),
            QStringLiteral("CS"),
            QStringLiteral("CIM 10"),
            QStringLiteral("CISP"),
            QStringLiteral("Asymptomatique"),
            QStringLiteral("d"),
            QStringLiteral("IdRC"),
            QStringLiteral("ALD"),
            QStringLiteral("Liste critère")};
}

QString flagText(bool on)
{
    return on ? QStringLiteral("Oui") : QStringLiteral("Non");
}

QVector<QPair<int, int>> columnWidths(int w)
{
    // The title column takes the most room; PD and CS hold one letter; the codes and ALD share the rest.
    // The sum exceeds the width on purpose, so the horizontal scroll bar shows the Asymptomatique column.
    return {{Title, int(w / 2.3)}, {Position, w / 12}, {FollowUp, w / 12}, {Cim, w / 6}, {Cisp, w / 6}, {Ald, w / 6}};
}

} // namespace session
