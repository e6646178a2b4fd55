// SPDX-License-Identifier: GPL-3.0-or-later
// Widest title of an RC list, found with font metrics, and the delegate that sizes the rows with it.
#include "browse/rctitles.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFontMetricsF>
#include <QStyle>

#include <algorithm>

namespace browse
{

namespace
{
// Advances of the Latin characters in the last font asked for, filled as characters come.
struct AdvanceTable {
    QFont font;
    std::array<qreal, 0x250> advance;
    bool valid = false;
};

AdvanceTable &advanceTable(const QFont &font)
{
    static AdvanceTable table;
    if (!table.valid || table.font != font) {
        table.font = font;
        table.advance.fill(-1);
        table.valid = true;
    }
    return table;
}

// Shaping can make a text a little wider than its characters side by side (kerning); keep that much slack.
const qreal kSlack = 0.02;
// Texts whose estimate is this far below the best are never measured.
const qreal kCandidateShare = 0.8;
} // namespace

WidestText::WidestText(const QFont &font) : m_font(font), m_metrics(font), m_advance(&advanceTable(font).advance) {}

qreal WidestText::estimate(const QString &text)
{
    qreal width = 0;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code < m_advance->size()) {
            qreal &advance = (*m_advance)[code];
            if (advance < 0)
                advance = m_metrics.horizontalAdvance(c);
            width += advance;
        } else {
            width += m_metrics.horizontalAdvance(c);
        }
    }
    return width;
}

void WidestText::add(const QString &text)
{
    const qreal width = estimate(text);
    if (width < m_best * kCandidateShare)
        return;
    m_best = qMax(m_best, width);
    m_candidates.emplace_back(width, text);
}

QString WidestText::text() const
{
    std::vector<std::pair<qreal, QString>> candidates;
    for (const auto &candidate : m_candidates) {
        if (candidate.first >= m_best * kCandidateShare)
            candidates.push_back(candidate);
    }
    std::sort(candidates.begin(), candidates.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QString widest;
    qreal widestWidth = -1;
    for (const auto &candidate : candidates) {
        if (candidate.first < widestWidth * (1 - kSlack))
            break;
        const qreal width = m_metrics.horizontalAdvance(candidate.second);
        if (width > widestWidth) {
            widestWidth = width;
            widest = candidate.second;
        }
    }
    return widest;
}

QSize WidestTitleDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QAbstractItemModel *model = index.model();
    if (!model)
        return size;
    WidestText widest(option.font);
    const int rows = model->rowCount(index.parent());
    for (int row = 0; row < rows; ++row)
        widest.add(model->index(row, index.column(), index.parent()).data(Qt::DisplayRole).toString());

    QStyleOptionViewItem widestOption = option;
    initStyleOption(&widestOption, index);
    widestOption.text = widest.text();
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return size.expandedTo(style->sizeFromContents(QStyle::CT_ItemViewItem, &widestOption, QSize(), widget));
}

} // namespace browse
