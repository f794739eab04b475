// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/write_all.h"

#include <cerrno>
#include <unistd.h>

int writeAll(int file, QByteArrayView bytes, off_t *offset)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const char *from = bytes.constData() + written;
        const size_t count = size_t(bytes.size() - written);
        const ssize_t result
                = offset ? ::pwrite(file, from, count, *offset) : ::write(file, from, count);
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return result < 0 ? errno : EIO;
        written += result;
        if (offset)
            *offset += result;
    }
    return 0;
}
