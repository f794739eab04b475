// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run_command.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

void runCommand(QWidget *window, const std::function<void()> &command)
{
    QString failure;
    try {
        command();
        return;
    } catch (const std::bad_alloc &) {
        failure = QCoreApplication::translate("runCommand", "There is not enough memory.");
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    QMessageBox::critical(
            window, QStringLiteral("Tagwright"),
            QCoreApplication::translate("runCommand", "The command could not be finished.\n\n%1")
                    .arg(failure));
}
