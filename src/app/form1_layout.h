// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <span>

// One row of the editor window's layout table. Positions and sizes are in twips
// (1440 to the inch, 15 to a pixel at 96 dots per inch), relative to the client area.
struct ControlPlacement
{
    enum Kind { Button, MultiLineBox, OneLineBox, Label };

    int tab; // position in the tab order
    Kind kind;
    const char *name;
    int index; // member of a two-button array, or -1 for a single control
    const char *text; // caption of a button or label, initial text of a box
    int left;
    int top;
    int width;
    int height;
    // What a screen reader calls a control that has no caption; captions name the others.
    const char *accessibleName = nullptr;
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int clientWidthTwips = 8130;
inline constexpr int clientHeightTwips = 9480;

// Twips to pixels, with the table grown by a scale (see layout_scale.h); at scale 1 every
// value of the table is a whole number of pixels.
constexpr int pixels(int twips, double scale = 1)
{
    return qRound(twips * scale / twipsPerPixel);
}

// Where a control stands at a scale. Each edge is rounded on its own, not each width, so
// neighbours that overlap by one pixel at scale 1 still meet at any scale.
constexpr QRect pixelRect(const ControlPlacement &placement, double scale = 1)
{
    const int left = pixels(placement.left, scale);
    const int top = pixels(placement.top, scale);
    return {left, top, pixels(placement.left + placement.width, scale) - left,
            pixels(placement.top + placement.height, scale) - top};
}

std::span<const ControlPlacement> form1Layout();

// A label's place widened to the right over the free room beside it, up to the nearest control
// on its rows or the window's edge, where nothing else is drawn. A label that another control
// overlaps keeps its place.
ControlPlacement withFreeRoom(const ControlPlacement &label);
