// SPDX-License-Identifier: GPL-3.0-or-later
// RC lists whose rows are all as wide as the widest title, so that a horizontal scroll bar shows every title
// whole while the rows keep one size for speed.
#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStyledItemDelegate>

#include <array>
#include <vector>

namespace browse
{

// Finds the widest of many one-line texts in a font, measuring exactly only the few that could be the widest:
// the others are ranked by the sum of their characters' advances, which is cheap.
class WidestText
{
public:
    explicit WidestText(const QFont &font);
    void add(const QString &text);
    QString text() const;

private:
    qreal estimate(const QString &text);

    QFontMetricsF m_metrics;
    std::array<qreal, 0x250> m_advance; // of the Latin characters, measured as they first come
    std::vector<std::pair<qreal, QString>> m_candidates;
    qreal m_best = 0;
};

// Item delegate whose size hint is wide enough for the widest title, which whoever fills the list hands it. With
// uniform item sizes the view asks it once per layout, so the rows share that width.
class WidestTitleDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setWidestTitle(const QString &title) { m_widest = title; }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QString m_widest;
};

} // namespace browse
