// SPDX-License-Identifier: GPL-3.0-or-later
// How the window looks at any font and screen density: application attributes, font inheritance under
// style sheets, and widgets that grow to the width their text needs.
#pragma once

#include <QHash>
#include <QObject>
#include <QSize>

class QAbstractButton;
class QWidget;

namespace appearance
{

// High-DPI scaling and pixmaps, and fonts that flow through style sheets. Must run before the application
// object exists; the library also runs it at load time, so every program that links it gets the same window.
void setApplicationAttributes();

// Makes every widget under root that has no font of its own take its parent's, parents first.
void inheritParentFonts(QWidget *root);

// Width a button needs to show its whole text (with its icon, check indicator and frame) at its font and style.
int textWidthNeeded(const QAbstractButton *button);

// Keeps the text buttons under a window, and the containers placed by fixed geometry that hold them, at least
// as wide as their texts need: the form's sizes stay the minimum, and a font or style change fits them again.
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
    void fitContainer(QWidget *container);
    Limits &limitsOf(QWidget *widget);

    QWidget *m_window;
    QHash<QWidget *, Limits> m_form; // sizes as the form set them
};

} // namespace appearance
