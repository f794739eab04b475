// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstring>

// The system's own words for an errno value, in the C library's locale.
inline QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
