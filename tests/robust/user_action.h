// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// One thing a user does to the window, written out in full so that a run can be replayed
// from its list of actions alone.
struct UserAction
{
    enum Kind {
        ClickButton, // a left click on one of the command buttons (not Save)
        ClickIntoBox, // a left click somewhere inside a box, which puts the caret there
        Type, // key presses carrying text; "\n" stands for the Return key
        Compose, // text committed by an input method, as for characters no key carries
        Paste, // the clipboard set to text, then Ctrl+V
        CaretKey, // a caret or editing key, see Key
        SaveAs, // Save, answering the dialog with a file in the test folder
        SaveCancelled, // Save, cancelling the dialog
        SaveOntoFolder, // Save, answering with the path of an existing folder
        SaveIntoMissingFolder, // Save, answering with a path inside a folder that does not exist
    };
    enum Key { Left, Right, ToStart, ToEnd, Backspace, Delete, SelectAll };

    Kind kind = ClickButton;
    int target = 0; // the button (index into commandButtons()) or box (index into boxNames())
    QString text;
    Key key = Left;
    bool shift = false; // for Left, Right, ToStart and ToEnd: extend the selection
    double x = 0; // where a click lands in a box, as fractions of its width and height
    double y = 0;
    int file = 0; // index into pageFileNames()

    QString describe() const;
};

struct CommandButton
{
    const char *name;
    int index; // member of a button array, or -1
    const char *caption;
};

// The command buttons a random run clicks, Save apart.
const std::vector<CommandButton> &commandButtons();

// The five text boxes: the two multi-line ones first.
inline constexpr const char *boxNames[] = {"hmbox", "txtTest", "txtHtml", "txtHTMcap", "txtIMG"};
inline constexpr int boxCount = 5;
inline constexpr bool isMultiLine(int box)
{
    return box < 2;
}

// The names the save dialog is answered with, inside the test's folder.
const std::vector<QString> &pageFileNames();

// count actions drawn from a generator seeded with seed; the same seed gives the same list.
std::vector<UserAction> randomActions(quint32 seed, int count);
