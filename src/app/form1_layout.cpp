// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1_layout.h"

#include <algorithm>
#include <string_view>

namespace {

using enum ControlPlacement::Kind;

// The window as it reads on the screen, top to bottom and left to right.
// The tab order is its own column; it does not follow the screen.
// clang-format off
constexpr ControlPlacement layout[] = {
    // tab  kind          name         index  text           left   top  width height  accessible name
    {11, Button,       "cmdhtm",     1, "<html>",        120,  120,  735,  255},
    { 0, Button,       "cmdhtm",     0, "</html>",       840,  120,  735,  255},
    { 6, Button,       "cmdItalic",  0, "<I>",          1560,  120,  735,  255},
    { 7, Button,       "cmdItalic",  1, "</I>",         2280,  120,  735,  255},
    { 4, Button,       "cmdBR",      0, "<br>",         3000,  120,  735,  255},
    {12, Button,       "cmdBR",      1, "</br>",        3720,  120,  735,  255},
    { 5, Button,       "cmdBold",    0, "<B>",          4440,  120,  735,  255},
    {10, Button,       "cmdBold",    1, "</B>",         5160,  120,  735,  255},
    {18, Button,       "cmdBody",    0, "<Body>",       5880,  120,  735,  255},
    {19, Button,       "cmdBody",    1, "</Body>",      6600,  120,  735,  255},
    {17, Button,       "cmdPara",   -1, "<P>",          7320,  120,  735,  255},

    { 1, Button,       "hrefbutt",  -1, "Link",          120,  480, 1455,  255},
    {13, OneLineBox,   "txtHtml",   -1, "",             1680,  480, 6375,  285, "Link target"},
    {16, Label,        "Label1",    -1, "Link Caption",  480,  840, 1095,  255},
    {15, OneLineBox,   "txtHTMcap", -1, "",             1680,  840, 6375,  285, "Link caption"},
    { 2, Button,       "cmdImage",  -1, "Image",         120, 1200, 1455,  255},
    {14, OneLineBox,   "txtIMG",    -1, "",             1680, 1200, 6375,  285, "Image source"},

    { 8, MultiLineBox, "txtTest",   -1, "Test\r\n",      120, 1680, 7935, 2055, "Scratch box"},

    {21, Button,       "cmdClear",  -1, "Clear Main",    120, 3840, 1215,  375},
    {23, Button,       "cmdTest",   -1, "Clear Test",   1440, 3840, 1215,  375},
    {22, Button,       "cmdSave",   -1, "Save",         3480, 3840,  975,  375},
    { 9, Button,       "cmdDrag",   -1, "Dragdown",     6840, 3840, 1215,  375},

    { 3, MultiLineBox, "hmbox",     -1, "",              120, 4320, 7935, 4815, "Main box"},
    // The quote for attribute values; it lies under the main box and is never seen.
    {20, Label,        "q",         -1, "\"",           6840, 5040,  135,  135},
};
// clang-format on

} // namespace

std::span<const ControlPlacement> form1Layout()
{
    return layout;
}

ControlPlacement withFreeRoom(const ControlPlacement &label)
{
    const int right = label.left + label.width;
    int freeUpTo = clientWidthTwips;
    for (const ControlPlacement &other : layout) {
        const bool sharesRows
                = other.top < label.top + label.height && label.top < other.top + other.height;
        const bool itself
                = std::string_view(other.name) == label.name && other.index == label.index;
        if (itself || !sharesRows || other.left + other.width <= label.left)
            continue;
        if (other.left < right)
            return label;
        freeUpTo = std::min(freeUpTo, other.left);
    }
    ControlPlacement widened = label;
    widened.width = freeUpTo - label.left;
    return widened;
}
