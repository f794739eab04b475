// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <sys/types.h>

// Writes every byte of bytes to the open file, at *offset if given (which then moves on by
// what was written, also when a write fails), else where the file stands. A write can stop
// short, for instance when the disk fills up, and only the write after it says why; a signal
// can interrupt it. So it writes on until every byte is out or a write fails. Returns 0, or
// the errno of the write that failed.
int writeAll(int file, QByteArrayView bytes, off_t *offset = nullptr);
