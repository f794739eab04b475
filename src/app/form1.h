// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1_layout.h"
#include "save/common_dialog.h"

#include <QWidget>

#include <functional>
#include <span>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Tagwright's one window. The layout table (form1_layout.cpp) lists its controls, where they
// stand and their tab order; this class builds them, grown to the desktop's font when a caption
// does not fit the table in it (layout_scale.h), and routes each click to its command.
// The commands (compose/ and save/) are given the controls they read and write, and keep
// nothing between clicks: all state lives in the controls and in the save dialog.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // A control by its name; a member of a button array by its name and index.
    QWidget *control(const QString &name, int index = -1) const;
    CommonDialog &CommonDialog1() { return m_commonDialog1; }

private:
    struct PlacedControl
    {
        const ControlPlacement *placement;
        QWidget *control;
    };

    QWidget *createControl(const ControlPlacement &placement);
    void describeForScreenReaders();
    void placeControls(std::span<const PlacedControl> controls);
    void routeClicks();
    void onClick(QAbstractButton *button, std::function<void()> command);

    QAbstractButton *button(const char *name, int index = -1) const;
    QPlainTextEdit *box(const char *name) const;
    QLineEdit *field(const char *name) const;
    QLabel *label(const char *name) const;

    CommonDialog m_commonDialog1;
};
