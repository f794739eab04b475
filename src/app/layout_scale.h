// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <span>

// A caption as the window shows it: its text in the font of its control.
struct ShownCaption
{
    QFont font;
    QString text;
};

// How much the layout table grows so that every caption shows whole in the desktop's fonts.
// The table was drawn for Qt's own default font, in which each caption just fits its control;
// grown by the largest factor by which a caption's text outgrows its size in that font, every
// control has room for its caption again. Never below 1: a smaller font keeps the table as
// drawn, and Qt's own default keeps it to the pixel. Font metrics are in device-independent
// pixels, as the layout is, so Qt's high-DPI scaling multiplies with this scale and is not
// counted in it.
double layoutScale(std::span<const ShownCaption> captions);
