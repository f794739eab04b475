// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps a window left to right when Qt's catalog turns the application right to left (Qt's
// Arabic, Hebrew and Persian carry that direction): its controls stay where its layout puts
// them, and its buttons and labels draw their captions as written. Called once its controls
// exist. The dialogs it opens are windows of their own and read in Qt's direction.
void keepLeftToRight(QWidget &window);
