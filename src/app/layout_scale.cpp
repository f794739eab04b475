// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout_scale.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>

namespace {

// What of a caption must have room in its control: its advance, which the style centres; its
// ink, which hinting may widen faster than the advance; and the height of its line.
std::array<qreal, 3> measures(const QFontMetricsF &font, const QString &text)
{
    return {font.horizontalAdvance(text), font.tightBoundingRect(text).width(), font.height()};
}

} // namespace

double layoutScale(std::span<const ShownCaption> captions)
{
    // The font the table was drawn for: Qt's default on Linux when no desktop theme sets one.
    const QFontMetricsF drawnFor(QFont(QStringLiteral("Sans Serif"), 9));
    double scale = 1;
    for (const ShownCaption &caption : captions) {
        if (caption.text.isEmpty())
            continue;
        const auto shown = measures(QFontMetricsF(caption.font), caption.text);
        const auto drawn = measures(drawnFor, caption.text);
        for (std::size_t i = 0; i < shown.size(); ++i)
            scale = std::max(scale, shown[i] / drawn[i]);
    }
    return scale;
}
