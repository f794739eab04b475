// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <functional>

// Calls take with consecutive pieces that together make the raw text of a box, as the editor
// holds it with each line break a paragraph or line separator, with every line break as
// CR LF: the text a page file holds. The CR LF form is never built whole. A piece may end
// between the two halves of a surrogate pair. Stops early once take returns false.
void forEachSavedPiece(QStringView raw, const std::function<bool(QStringView)> &take);
