// SPDX-License-Identifier: GPL-3.0-or-later
// Application attributes, font inheritance under style sheets, and widths fitted to texts.
#include "app/appearance.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace appearance
{

void setApplicationAttributes()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Always on in Qt 6.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    // Qt 6 passes fractional screen scale factors through; rounding them, as Qt 5 does, keeps pixel sizes whole.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QCoreApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
}

namespace
{
// Tests and the benchmark create their own application object; they get the attributes all the same.
const bool kAttributesSet = (setApplicationAttributes(), true);
} // namespace

void inheritParentFonts(QWidget *root)
{
    // Children created under a style sheet, and tab pages built without a parent, kept the application font.
    const QList<QWidget *> widgets = root->findChildren<QWidget *>(); // parents before their children
    for (QWidget *widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(QFont());
    }
}

int textWidthNeeded(const QAbstractButton *button)
{
    const QString text = button->text();
    if (text.isEmpty())
        return 0;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const int probeWidth = 10000;
    option.rect = QRect(0, 0, probeWidth, 100);

    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<const QCheckBox *>(button)) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (const auto *push = qobject_cast<const QPushButton *>(button)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
    }
    // Frame, padding and check indicator: what the style keeps of a very wide button for its label.
    const int frame = probeWidth - button->style()->subElementRect(contents, &option, button).width();
    int label = button->fontMetrics().size(Qt::TextShowMnemonic, text).width();
    if (!option.icon.isNull())
        label += option.iconSize.width() + 4; // the styles' gap between icon and text
    return qMax(frame + label, button->sizeHint().width());
}

TextFitter::TextFitter(QWidget *window) : QObject(window), m_window(window)
{
    window->ensurePolished(); // style sheets decide frames and some fonts
    fitAll();
}

void TextFitter::fitAll()
{
    const QList<QAbstractButton *> buttons = m_window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->text().isEmpty())
            continue;
        if (!m_form.contains(button))
            button->installEventFilter(this);
        fitButton(button);
    }
}

bool TextFitter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        if (auto *button = qobject_cast<QAbstractButton *>(watched))
            fitButton(button);
    }
    return QObject::eventFilter(watched, event);
}

TextFitter::Limits &TextFitter::limitsOf(QWidget *widget)
{
    auto it = m_form.find(widget);
    if (it == m_form.end())
        it = m_form.insert(widget, Limits{widget->minimumSize(), widget->maximumSize(), widget->size()});
    return *it;
}

void TextFitter::fitButton(QAbstractButton *button)
{
    const Limits &form = limitsOf(button);
    const int minimum = qMax(form.minimum.width(), textWidthNeeded(button));
    button->setMinimumWidth(minimum);
    button->setMaximumWidth(qMax(form.maximum.width(), minimum));

    // A layout on a widget placed by geometry does not resize its widget: grow that one by hand.
    QWidget *container = button->parentWidget();
    if (container && container->layout() && container->parentWidget() && !container->parentWidget()->layout())
        fitContainer(container);
}

void TextFitter::fitContainer(QWidget *container)
{
    const Limits &form = limitsOf(container);
    container->resize(form.size.expandedTo(container->minimumSizeHint()));

    // Its holder sits in a layout: make the layout keep room for it. A tab page is left alone, so the window's
    // minimum size stays what it is (the report tab may be cut there).
    QWidget *holder = container->parentWidget();
    if (qobject_cast<QStackedWidget *>(holder->parentWidget()))
        return;
    const Limits &holderForm = limitsOf(holder);
    const QSize needed(container->geometry().right() + 1, container->geometry().bottom() + 1);
    const QSize minimum = holderForm.minimum.expandedTo(needed);
    holder->setMinimumSize(minimum);
    holder->setMaximumSize(holderForm.maximum.expandedTo(minimum));
}

} // namespace appearance
