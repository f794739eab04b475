#pragma once

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

constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

std::span<const ControlPlacement> form1Layout();
