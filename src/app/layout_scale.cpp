// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout_scale.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

using Measures = std::array<qreal, 3>;

// What of a caption must have room in its control: its advance, which the style centres; its
// ink, which hinting may widen faster than the advance; and the height of its line.
Measures needs(const QFontMetricsF &font, const QString &text)
{
    return {font.horizontalAdvance(text), font.tightBoundingRect(text).width(), font.height()};
}

Measures offered(QSize room)
{
    return {qreal(room.width()), qreal(room.width()), qreal(room.height())};
}

// The font the table was drawn for, Qt's default on a bare Debian, if it is installed. Named by
// its family, so that which family fontconfig makes the default sans changes nothing.
std::optional<QFontMetricsF> drawnFor()
{
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    if (QFontInfo(font).family() != font.family())
        return std::nullopt;
    return QFontMetricsF(font);
}

struct Caption
{
    Measures needs;
    Measures leeway; // how far each need may outgrow the room
    const std::function<QSize(double)> *room;

    bool fitsAt(double scale) const
    {
        const Measures room = offered((*this->room)(scale));
        for (std::size_t i = 0; i < needs.size(); ++i) {
            if (needs[i] > room[i] * leeway[i])
                return false;
        }
        return true;
    }
};

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
    // In the font the table was drawn for, a few tag captions are wider than their buttons'
    // room ("</Body>" by six pixels on Qt 6.4); the table keeps them so, and lets such a caption
    // outgrow its room by as much in any font.
    const auto drawn = drawnFor();
    std::vector<Caption> shown;
    for (const ShownCaption &caption : captions) {
        if (caption.text.isEmpty())
            continue;
        shown.push_back(
                {needs(QFontMetricsF(caption.font), caption.text), {1, 1, 1}, &caption.room});
        if (!drawn)
            continue;
        const Measures asDrawn = needs(*drawn, caption.text);
        const Measures room = offered(caption.room(1));
        for (std::size_t i = 0; i < room.size(); ++i)
            shown.back().leeway[i] = std::max(1.0, asDrawn[i] / room[i]);
    }
    const auto allFit = [&shown](double scale) {
        return std::ranges::all_of(shown,
                                   [scale](const Caption &one) { return one.fitsAt(scale); });
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
