# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the window's controls stand, as the published layout gives them, and where a person
clicks to hit one. Kept apart from the program's own table on purpose: a control the program
puts in the wrong place is then clicked where it should be, and the click misses. Where the
desktop's font needs it, the window grows the layout by one factor, its width's share of 542."""

TWIPS_PER_PIXEL = 15
CLIENT_WIDTH = 8130 // TWIPS_PER_PIXEL
CLIENT_HEIGHT = 9480 // TWIPS_PER_PIXEL

# (name, array index or -1): (left, top, width, height) in twips, relative to the client area.
PLACES = {
    ("cmdhtm", 1): (120, 120, 735, 255),
    ("cmdhtm", 0): (840, 120, 735, 255),
    ("cmdItalic", 0): (1560, 120, 735, 255),
    ("cmdItalic", 1): (2280, 120, 735, 255),
    ("cmdBR", 0): (3000, 120, 735, 255),
    ("cmdBR", 1): (3720, 120, 735, 255),
    ("cmdBold", 0): (4440, 120, 735, 255),
    ("cmdBold", 1): (5160, 120, 735, 255),
    ("cmdBody", 0): (5880, 120, 735, 255),
    ("cmdBody", 1): (6600, 120, 735, 255),
    ("cmdPara", -1): (7320, 120, 735, 255),
    ("hrefbutt", -1): (120, 480, 1455, 255),
    ("txtHtml", -1): (1680, 480, 6375, 285),
    ("txtHTMcap", -1): (1680, 840, 6375, 285),
    ("cmdImage", -1): (120, 1200, 1455, 255),
    ("txtIMG", -1): (1680, 1200, 6375, 285),
    ("txtTest", -1): (120, 1680, 7935, 2055),
    ("cmdClear", -1): (120, 3840, 1215, 375),
    ("cmdTest", -1): (1440, 3840, 1215, 375),
    ("cmdSave", -1): (3480, 3840, 975, 375),
    ("cmdDrag", -1): (6840, 3840, 1215, 375),
    ("hmbox", -1): (120, 4320, 7935, 4815),
}


CENTRE = "centre"
TOP_LEFT = "top left"
BOTTOM_RIGHT = "bottom right"
# How far inside its place's edges a corner click lands. Neighbouring tag buttons overlap by
# one pixel, so a click right at an edge could rightly hit the neighbour.
CORNER_INSET = 3


def point(name, index=-1, where=CENTRE, scale=1):
    """A pixel of a control's place grown by the scale, relative to the client area: its
    centre, or just inside its top-left or bottom-right corner."""
    left, top, width, height = (twips * scale / TWIPS_PER_PIXEL
                                for twips in PLACES[(name, index)])
    if where == TOP_LEFT:
        return (round(left) + CORNER_INSET, round(top) + CORNER_INSET)
    if where == BOTTOM_RIGHT:
        return (round(left + width) - 1 - CORNER_INSET, round(top + height) - 1 - CORNER_INSET)
    return (round(left + width / 2), round(top + height / 2))
