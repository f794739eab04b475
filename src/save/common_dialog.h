// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// The window's save dialog. It keeps the chosen file name between uses and offers it the
// next time; a cancelled dialog leaves the name empty, so that cancel never writes.
class CommonDialog
{
public:
    // Asks the user for a file, offering lastFileName; returns the chosen path or an empty
    // string on cancel.
    using Chooser = std::function<QString(QWidget *parent, const QString &lastFileName)>;

    CommonDialog();

    // Shows the modal save dialog; afterwards fileName() holds the answer.
    void showSave(QWidget *parent);
    QString fileName() const { return m_fileName; }

    // Replaces the file dialog, for driving the save command without one.
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

private:
    Chooser m_chooser;
    QString m_fileName;
};
