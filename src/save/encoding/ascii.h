// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstring>

// Whether the four UTF-16 units at from are all ASCII, tested at once: most of a page is
// ASCII, so the box reader and the page encoder skip through it four characters at a time.
inline bool fourAreAscii(const char16_t *from)
{
    std::uint64_t four;
    std::memcpy(&four, from, sizeof four);
    return (four & 0xFF80FF80FF80FF80u) == 0;
}
