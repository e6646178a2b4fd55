// SPDX-License-Identifier: GPL-3.0-or-later
// How the window looks at any font and screen density: application attributes, font inheritance under
// style sheets, widgets that grow to the width their text's ink needs, and focus and disabled states that show.
#pragma once

#include <QHash>
#include <QObject>
#include <QSize>

class QAbstractButton;
class QFontMetrics;
class QLabel;
class QPalette;
class QRect;
class QString;
class QWidget;

namespace appearance
{

// High-DPI scaling and pixmaps, and fonts that flow through style sheets. Every program that shows the window
// calls it before its application object exists, so that each of them gets the same window.
void setApplicationAttributes();

// The colours the style sheets are drawn against: dark text on light grounds, whatever the desktop's palette.
QPalette palette();

// Makes palette() the application's, so that the window, its dialogs and its message boxes all read alike.
void usePalette();

// White text for a widget whose style sheet paints a dark ground and leaves the text's colour to the palette.
void lightText(QWidget *widget);

// Keeps a window inside its screen's available area, title bar included, at any scale: its minimum size is the
// given one or what the screen holds, whichever is smaller, and when its layout needs more than that, its contents
// scroll instead of being squeezed over one another. Call once its widgets are built.
void fitToScreen(QWidget *window, const QSize &minimum);

// Fits the window into an available area, in device-independent pixels: minimum size, and the size and place it
// has when not maximised.
void fitInto(QWidget *window, const QRect &available);

// Makes every widget under root that has no font of its own take its parent's, parents first.
void inheritParentFonts(QWidget *root);

// How far the ink of a text reaches past its advance, on the side where it reaches farther: an italic last letter
// leans out of the width that advances alone make room for.
int inkOverhang(const QFontMetrics &metrics, const QString &text);

// Width a button needs to show its whole text's ink (with its icon, check indicator and frame) at its font and style.
int textWidthNeeded(const QAbstractButton *button);

// Greys the widget out while it is disabled, for buttons whose style sheet paints an image that ignores the state.
void greyWhenDisabled(QWidget *widget);

// Rings whichever widget of the window has the keyboard focus: the window's style sheets hide the style's own
// focus marks on most controls.
void showFocus(QWidget *window);

// Keeps the text buttons under a window, and the containers placed by fixed geometry that hold them, at least
// as wide as their texts need, and gives its labels side margins for their ink: the form's sizes stay the minimum,
// and a font or style change that reaches the window fits them again.
class TextFitter : public QObject
{
    Q_OBJECT
public:
    explicit TextFitter(QWidget *window);
    void fitAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Limits {
        QSize minimum;
        QSize maximum;
        QSize size;
    };
    void fitButton(QAbstractButton *button);
    void fitLabel(QLabel *label);
    void fitContainer(QWidget *container);
    Limits &limitsOf(QWidget *widget);

    QWidget *m_window;
    QHash<QWidget *, Limits> m_form; // sizes as the form set them
};

} // namespace appearance
