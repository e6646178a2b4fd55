// SPDX-License-Identifier: GPL-3.0-or-later
// Widest title of an RC list, found with font metrics, and the delegate that sizes the rows with it.
#include "browse/rctitles.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

namespace browse
{

namespace
{
// Shaping can make a text a little wider than its characters side by side (kerning); keep that much slack.
const qreal kSlack = 0.02;
// Texts whose estimate is this far below the best are never measured.
const qreal kCandidateShare = 0.8;
} // namespace

WidestText::WidestText(const QFont &font) : m_metrics(font)
{
    m_advance.fill(-1);
}

qreal WidestText::estimate(const QString &text)
{
    qreal width = 0;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code < m_advance.size()) {
            qreal &advance = m_advance[code];
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
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem widestOption = option;
    initStyleOption(&widestOption, index);
    widestOption.text = m_widest;
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return size.expandedTo(style->sizeFromContents(QStyle::CT_ItemViewItem, &widestOption, QSize(), widget));
}

} // namespace browse
