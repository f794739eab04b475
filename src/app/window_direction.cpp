// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_direction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>

namespace {

// The application's style, drawing captions left to right. A painter on a widget takes the
// application's direction, not the widget's (seen with Qt 6.4; Qt does not say which), so in a
// right-to-left application even a left-to-right button would show "</html>" as "<html/>".
// The right-to-left rows of tst_save_command compare the window's pixels with English's.
class LeftToRightCaptions : public QProxyStyle
{
public:
    LeftToRightCaptions()
        : QProxyStyle(QApplication::style()->name())
    { }

    void drawItemText(QPainter *painter, const QRect &rectangle, int flags, const QPalette &palette,
                      bool enabled, const QString &text, QPalette::ColorRole role) const override
    {
        const Qt::LayoutDirection direction = painter->layoutDirection();
        painter->setLayoutDirection(Qt::LeftToRight);
        QProxyStyle::drawItemText(painter, rectangle, flags, palette, enabled, text, role);
        painter->setLayoutDirection(direction);
    }
};

} // namespace

void keepLeftToRight(QWidget &window)
{
    // Set on the window, a direction reaches every control in it but no window of its own.
    window.setLayoutDirection(Qt::LeftToRight);
    auto *captions = new LeftToRightCaptions;
    captions->setParent(&window); // after the controls, so it outlives them
    for (QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control))
            control->setStyle(captions);
    }
}
