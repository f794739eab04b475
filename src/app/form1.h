// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1_layout.h"
#include "save/common_dialog.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Tagwright's one window. The layout table (form1_layout.cpp) lists its controls, where they
// stand and their tab order; this class builds them, grown to the desktop's font when a caption
// does not fit the table in it (layout_scale.h), keeps a pointer of its own kind to each
// control the commands use, and routes each click to its command through those pointers.
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

    // A button array: members 0 and 1.
    using ButtonArray = std::array<QAbstractButton *, 2>;

    // The controls the commands read and write, under their names in the layout table, each
    // as its own kind.
    struct Controls
    {
        ButtonArray cmdhtm, cmdItalic, cmdBR, cmdBold, cmdBody;
        QAbstractButton *cmdPara, *hrefbutt, *cmdImage, *cmdDrag, *cmdClear, *cmdTest, *cmdSave;
        QPlainTextEdit *hmbox, *txtTest;
        QLineEdit *txtHtml, *txtHTMcap, *txtIMG;
        QLabel *Label1, *q;
    };

    QWidget *createControl(const ControlPlacement &placement);
    Controls typedControls() const;
    void describeForScreenReaders();
    void placeControls();
    void routeClicks();
    void onClick(QAbstractButton *button, std::function<void()> command);

    template<typename Control>
    Control *placed(const char *name, int index = -1) const;
    ButtonArray buttonArray(const char *name) const;

    std::vector<PlacedControl> m_placed; // every control, in the layout table's order
    Controls m_controls;
    CommonDialog m_commonDialog1;
};
