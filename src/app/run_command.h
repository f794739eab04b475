// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// Runs one command. An unexpected error inside it is reported in an error box over the
// window and the program goes on; the user's texts stay as they are.
void runCommand(QWidget *window, const std::function<void()> &command);
