// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

// Receives the next bytes of the file; returns false once a write has failed, after which
// the producer may stop early.
using PageSink = std::function<bool(QByteArrayView bytes)>;

// Writes the page that produce hands to its sink piece by piece, in order, as the whole
// content of the file at path, in the way page_write_decision.h decides; a large page is so
// written as it is encoded, and the new page is never held whole in memory. produce may be
// called twice and must then hand the same bytes: a page written in place is counted first,
// and the earlier bytes it overwrites are held (page_in_place.h).
// On failure returns false and puts the reason in *reason; an earlier file at path is then left
// as it was, except where writing in place could not put it back, which *reason then says. An
// exception from produce is such a failure where the page is written in place; elsewhere it
// passes on, and the new file, not yet named, goes with it.
bool writePageFile(const QString &path, const std::function<void(const PageSink &)> &produce,
                   QString *reason);
