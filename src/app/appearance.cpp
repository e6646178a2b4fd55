// SPDX-License-Identifier: GPL-3.0-or-later
// Application attributes, font inheritance under style sheets, widths fitted to texts, focus and disabled looks.
#include "app/appearance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QGraphicsColorizeEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextDocumentFragment>
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

void inheritParentFonts(QWidget *root)
{
    // Children created under a style sheet, and tab pages built without a parent, kept the application font.
    const QList<QWidget *> widgets = root->findChildren<QWidget *>(); // parents before their children
    for (QWidget *widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(QFont());
    }
}

int inkOverhang(const QFontMetrics &metrics, const QString &text)
{
    QString inked = text;
    while (!inked.isEmpty() && inked.back().isSpace()) // trailing blanks draw nothing
        inked.chop(1);
    if (inked.isEmpty())
        return 0;
    const QRect ink = metrics.boundingRect(inked);
    return qMax(0, qMax(-ink.left(), ink.right() + 1 - metrics.horizontalAdvance(text)));
}

int textWidthNeeded(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    option.rect = QRect(0, 0, 10000, 100); // wide enough that no style squeezes the label's room
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (auto *push = qobject_cast<const QPushButton *>(button); push && push->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton; // styles frame a default candidate wider
    // Frame, padding and check indicator, from the style. The size hint alone cannot tell: a style sheet's
    // width fixes it whatever the text.
    const int frame = option.rect.width() - button->style()->subElementRect(contents, &option, button).width();
    // An italic first or last letter leans out of the advance, on either side of a centred label.
    int label = button->fontMetrics().size(Qt::TextShowMnemonic, option.text).width() +
                2 * inkOverhang(button->fontMetrics(), option.text);
    if (!option.icon.isNull())
        label += option.iconSize.width() + 4; // the styles' gap between icon and text
    // The style may ask for more than the label's room (a sheet's width, a minimum button width).
    return qMax(frame + label, button->sizeHint().width());
}

namespace
{
// Turns the colourise effect on while its widget is disabled.
class DisabledLook : public QObject
{
public:
    explicit DisabledLook(QWidget *widget) : QObject(widget), m_effect(new QGraphicsColorizeEffect(widget))
    {
        m_effect->setColor(QColor(150, 150, 150));
        m_effect->setStrength(1.0);
        widget->setGraphicsEffect(m_effect);
        widget->installEventFilter(this);
        m_effect->setEnabled(!widget->isEnabled());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange)
            m_effect->setEnabled(!static_cast<QWidget *>(watched)->isEnabled());
        return QObject::eventFilter(watched, event);
    }

private:
    QGraphicsColorizeEffect *m_effect; // owned by the widget
};
} // namespace

void greyWhenDisabled(QWidget *widget)
{
    new DisabledLook(widget);
}

void showFocus(QWidget *window)
{
    // The frame lives among the focus widget's siblings; the connection ends with it.
    auto *frame = new QFocusFrame(window);
    const auto follow = [window, frame](QWidget *, QWidget *now) {
        frame->setWidget(now && window->isAncestorOf(now) ? now : nullptr);
    };
    QObject::connect(qApp, &QApplication::focusChanged, frame, follow);
    follow(nullptr, QApplication::focusWidget());
}

TextFitter::TextFitter(QWidget *window) : QObject(window), m_window(window)
{
    window->ensurePolished(); // style sheets decide frames and some fonts
    // A font or style set on the window, or the application's font, reaches the children before the window's own
    // change event: one filter here sees every refit the window needs.
    window->installEventFilter(this);
    fitAll();
}

void TextFitter::fitAll()
{
    const QList<QAbstractButton *> buttons = m_window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (!button->text().isEmpty()) // icon buttons keep the form's size
            fitButton(button);
    }
    const QList<QLabel *> labels = m_window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->text().isEmpty()) // image labels need no margin
            fitLabel(label);
    }
}

bool TextFitter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitAll();
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

void TextFitter::fitLabel(QLabel *label)
{
    QString text = label->text();
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    // A margin on each side, as centred text leans out of either; the size hint counts it, so it holds for the
    // texts the program sets later too.
    const int overhang = inkOverhang(label->fontMetrics(), text);
    const QMargins margins = label->contentsMargins();
    label->setContentsMargins(overhang, margins.top(), overhang, margins.bottom());
}

void TextFitter::fitContainer(QWidget *container)
{
    const Limits &form = limitsOf(container);
    container->resize(form.size.expandedTo(container->minimumSizeHint()));

    // Its holder sits in a layout: make the layout keep room for it. A tab page is left alone, so the window's
    // minimum size stays what it is.
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
