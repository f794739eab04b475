// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Writes bytes as the whole content of the file at path. On failure returns false and puts
// the system's reason in *reason; an earlier file at path is then left as it was.
bool writePageFile(const QString &path, const QByteArray &bytes, QString *reason);

// Receives the next bytes of the file; returns false once a write has failed, after which
// the producer may stop early.
using PageSink = std::function<bool(QByteArrayView bytes)>;

// The same, for a page that produce hands to its sink piece by piece, in order, so that a
// large page is written as it is encoded and never held whole in memory.
bool writePageFile(const QString &path, const std::function<void(const PageSink &)> &produce,
                   QString *reason);
