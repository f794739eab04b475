// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout_scale.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

// A caption's advance, which the style centres, and its ink, which hinting may widen faster than
// the advance, against the room's width; its line against the room's height.
bool captionFits(const QFont &font, const QString &text, QSize room)
{
    const QFontMetricsF metrics(font);
    const qreal widest
            = std::max(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).width());
    return widest <= room.width() && metrics.height() <= room.height();
}

} // namespace

QSize captionRoom(const QWidget &control, QSize size)
{
    const auto *button = qobject_cast<const QPushButton *>(&control);
    if (!button)
        return QRect(QPoint(), size).marginsRemoved(control.contentsMargins()).size();
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(), size);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
}

double layoutScale(std::span<const ShownCaption> captions)
{
    const auto allFit = [captions](double scale) {
        return std::ranges::all_of(captions, [scale](const ShownCaption &caption) {
            return caption.text.isEmpty()
                   || captionFits(caption.font, caption.text, caption.room(scale));
        });
    };

    // A control's frame stays as thick and its edges are rounded to whole pixels, so its room
    // does not grow quite in proportion: search for the scale rather than divide.
    constexpr double largest = 16;
    double fits = 1;
    double tooSmall = 1;
    while (!allFit(fits) && fits < largest) {
        tooSmall = fits;
        fits *= 2;
    }
    if (fits == 1)
        return 1;
    for (int step = 0; step < 20; ++step) {
        const double middle = (tooSmall + fits) / 2;
        (allFit(middle) ? fits : tooSmall) = middle;
    }
    return fits;
}
