// SPDX-License-Identifier: GPL-3.0-or-later
// Application attributes, colours, the window kept inside its screen, font inheritance under style sheets, widths
// fitted to texts, focus and disabled looks.
#include "app/appearance.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QGraphicsColorizeEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <QVariant>
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
    // A 125 % or 150 % desk gets that scale, not 100 % or 200 %: rounded up, 150 % made the window larger than a
    // 1080-line screen; rounded down, the text still grows through the DPI but the form's fixed heights do not, and
    // a 20-pixel heading cuts 24 pixels of text.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QCoreApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
}

QPalette palette()
{
    const QColor ground(214, 221, 211); // the window's own background
    const QColor ink(Qt::black);
    const QColor white(Qt::white);
    QPalette palette(QColor(232, 236, 230), ground); // button, window; the shades derive from them
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, ink);
        palette.setColor(group, QPalette::Text, ink);
        palette.setColor(group, QPalette::ButtonText, ink);
        palette.setColor(group, QPalette::Base, white);
        palette.setColor(group, QPalette::AlternateBase, QColor(222, 233, 234));
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, ink);
        palette.setColor(group, QPalette::BrightText, white);
        // The headings' dark blue: white text on it reads at 6.9:1.
        palette.setColor(group, QPalette::Highlight, QColor(22, 91, 160));
        palette.setColor(group, QPalette::HighlightedText, white);
        palette.setColor(group, QPalette::Link, QColor(22, 91, 160));
        palette.setColor(group, QPalette::LinkVisited, QColor(96, 48, 144));
        palette.setColor(group, QPalette::PlaceholderText, QColor(96, 96, 96));
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::Base, ground);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, white);
    return palette;
}

void usePalette()
{
    // Every role of every group is set, so a desktop palette that changes later has nothing left to fill in.
    QApplication::setPalette(palette());
}

void lightText(QWidget *widget)
{
    QPalette own = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText})
            own.setColor(group, role, Qt::white);
    widget->setPalette(own);
}

namespace
{
// Room a window manager takes round a window that is not mapped yet: a title bar about as high as GNOME's.
const QMargins kFrameGuess(4, 38, 4, 4);
// The minimum size a window asks for when the screen can hold it.
const char *const kWantedMinimum = "quorvelWantedMinimum";

QMargins frameOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (!window->isVisible() || outer == inner)
        return kFrameGuess;
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

// The offscreen platform's one 800x600 screen stands for no desk: windows there keep the size they are given.
bool onRealScreen(const QWidget *window)
{
    return window->screen() && QGuiApplication::platformName() != QLatin1String("offscreen");
}

QSize contentsNeed(const QWidget *window)
{
    const auto *area = window->findChild<QScrollArea *>(QStringLiteral("screenFit"), Qt::FindDirectChildrenOnly);
    return area ? area->widget()->minimumSizeHint() : QSize();
}

// Keeps its window inside the screen when it is shown, and once the window manager has framed it.
class ScreenFitter : public QObject
{
public:
    explicit ScreenFitter(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const bool framed = event->type() == QEvent::Move && window->isVisible();
        if ((event->type() == QEvent::Show || framed) && onRealScreen(window)) {
            // Opened as large as its contents need where the screen holds them: no scroll bar to begin with. Its
            // fonts are settled only now.
            if (!framed)
                window->resize(window->size().expandedTo(contentsNeed(window)));
            const QRect available = window->screen()->availableGeometry();
            if (!framed || !available.contains(window->frameGeometry()))
                fitInto(window, available);
        }
        return QObject::eventFilter(watched, event);
    }
};
// Sizes the scroll area's page: the viewport's size, never less than the page's minimum. The area's own resizing
// would measure the whole page again at every layout request of any label, on every click.
class PageSizer : public QObject
{
public:
    // The viewport and the page are kept by themselves: while the area is destroyed, it is no scroll area any more.
    explicit PageSizer(QScrollArea *area) : QObject(area), viewport(area->viewport()), page(area->widget())
    {
        viewport->installEventFilter(this);
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool resized = event->type() == QEvent::Resize && watched == viewport;
        if ((resized || (event->type() == QEvent::LayoutRequest && watched == page)) && viewport && page) {
            const QSize wanted = viewport->size().expandedTo(page->minimumSizeHint());
            // A layout request resizes the page only when its minimum grew past it, which a click never does.
            if (resized ? wanted != page->size() : page->size().expandedTo(wanted) != page->size())
                page->resize(wanted);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> viewport;
    QPointer<QWidget> page;
};
} // namespace

void fitToScreen(QWidget *window, const QSize &minimum)
{
    // The contents move into a scroll area that fills the window: laid out, they keep their layout; placed by
    // geometry, they keep their places in a page of the window's size.
    auto *area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("screenFit"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(false);
    auto *content = new QWidget;
    area->setWidget(content);
    // The window's own background shows through.
    area->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    if (QLayout *layout = window->layout()) {
        content->setLayout(layout); // moves the widgets without touching the focus order
    } else {
        content->setMinimumSize(window->size());
        const QList<QWidget *> children = window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            if (child == area || child->isWindow())
                continue;
            const QRect place = child->geometry();
            const bool hidden = child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
            child->setParent(content);
            child->setGeometry(place);
            child->setVisible(!hidden);
        }
    }
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    new ScreenFitter(window);
    new PageSizer(area);
    // What takes the focus by a shortcut, or as a box closes, is scrolled into sight as a Tab would scroll it. A
    // click focuses what the doctor sees already: the page stays where it is.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget *, QWidget *now) {
        if (now && area->widget()->isAncestorOf(now) && QApplication::mouseButtons() == Qt::NoButton)
            area->ensureWidgetVisible(now);
    });
    window->setProperty(kWantedMinimum, minimum);
    window->setMinimumSize(minimum);
    if (onRealScreen(window))
        fitInto(window, window->screen()->availableGeometry());
}

void fitInto(QWidget *window, const QRect &available)
{
    const QVariant asked = window->property(kWantedMinimum);
    const QSize wanted = asked.isValid() ? asked.toSize() : window->minimumSize();
    const QMargins frame = frameOf(window);
    const QSize room = available.size().shrunkBy(frame);
    window->setMinimumSize(wanted.boundedTo(room));
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return; // the window manager gives it the available area
    const QSize size = window->size().boundedTo(room);
    if (!window->isVisible()) {
        // Where it goes is the window manager's choice; it fits now, as large as its contents need.
        window->resize(size.expandedTo(contentsNeed(window)).boundedTo(room));
        return;
    }
    QRect outer(window->geometry().topLeft() - QPoint(frame.left(), frame.top()), size.grownBy(frame));
    if (!available.contains(outer)) {
        outer.moveLeft(qBound(available.left(), outer.left(), available.right() + 1 - outer.width()));
        outer.moveTop(qBound(available.top(), outer.top(), available.bottom() + 1 - outer.height()));
    }
    window->setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size));
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
    // A margin on each side, as centred text leans out of either; the size hint counts it. The headings the
    // program fills later end in an RC's title, whose last capital may lean farther than the form's own text.
    const int overhang =
        qMax(inkOverhang(label->fontMetrics(), text), inkOverhang(label->fontMetrics(), QStringLiteral("W")));
    const QMargins margins = label->contentsMargins();
    label->setContentsMargins(overhang, margins.top(), overhang, margins.bottom());
}

void TextFitter::fitContainer(QWidget *container)
{
    // A scroll area's page is sized by its area: a minimum set on the viewport here would stretch the viewport
    // past the area's edge, hiding the page's bottom with no scroll bar to reach it.
    if (qobject_cast<QAbstractScrollArea *>(container->parentWidget()->parentWidget()))
        return;
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
