// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <functional>
#include <span>

class QWidget;

// A caption as the window shows it: its text in the font of its control, and the room its
// control leaves for it when the layout table is grown by a scale.
struct ShownCaption
{
    QFont font;
    QString text;
    std::function<QSize(double scale)> room;
};

// The room a control of a size leaves for its caption: a button's contents rectangle as its
// style draws the caption into it, inside the button's frame; all of a label.
QSize captionRoom(const QWidget &control, QSize size);

// How much the layout table grows so that every caption shows whole in its control's font: the
// smallest scale at which each caption's full advance, ink and line fit the room its control
// leaves. Never below 1, so a font whose captions fit the table keeps it to the pixel. Font
// metrics are in device-independent pixels, as the layout is, so Qt's high-DPI scaling
// multiplies with this scale and is not counted in it.
double layoutScale(std::span<const ShownCaption> captions);
