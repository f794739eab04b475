// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "user_action.h"

#include <QByteArray>
#include <QString>

#include <map>

// What the window should hold after each user action, kept with plain string operations.
// The commands follow their descriptions: each one joins texts by plain concatenation or
// empties a box. The editing keys follow what the toolkit's text boxes do, so that typed
// text lands where a user would see it land.
class ReferenceModel
{
public:
    struct Box
    {
        QString text; // multi-line boxes hold every line break as CR LF
        qsizetype anchor = 0; // the caret is at position; the selection runs to anchor
        qsizetype position = 0;
    };

    ReferenceModel();

    Box box[boxCount];
    int focusedBox = -1; // -1 while a button has the focus
    QString dialogFileName; // what the save dialog offers next
    std::map<QString, QByteArray> files; // the page files in the test folder, by name
    int errorBoxes = 0;

    // The boxes a command changes; where their caret ends up is the program's choice.
    enum Changed { None = 0, MainBox = 1, ScratchBox = 2 };
    int clickButton(int button);

    void focus(int target); // -1 for a button
    void type(int target, const QString &keys);
    void insert(int target, const QString &text); // pasted or composed text
    void caretKey(int target, UserAction::Key key, bool shift);

    void save(const QString &answer, const QString &fileName, bool succeeds);
    void cancelSave();
};

// Line breaks of every kind as a multi-line box keeps them: CR LF.
QString withBoxLineBreaks(const QString &text);
