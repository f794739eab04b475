// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <unistd.h>
#include <utility>

// An open file or folder, closed on every way out, a throwing producer's among them.
class OpenFile
{
public:
    explicit OpenFile(int descriptor = -1)
        : m_descriptor(descriptor)
    { }
    ~OpenFile()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    OpenFile(OpenFile &&other) noexcept
        : m_descriptor(other.m_descriptor)
    {
        other.m_descriptor = -1;
    }
    OpenFile &operator=(OpenFile &&other) noexcept
    {
        std::swap(m_descriptor, other.m_descriptor);
        return *this;
    }

    int descriptor() const { return m_descriptor; }
    // Closes it now; returns the reason close() gave, or 0.
    int close()
    {
        const int result = ::close(m_descriptor);
        m_descriptor = -1;
        return result == 0 || errno == EINTR ? 0 : errno;
    }

private:
    int m_descriptor;
};
