// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

// What a child program wrote to its descriptor 3 before it ended.
struct ChildReport
{
    bool finished = false; // false: could not start, was killed, or ran past the time limit
    QByteArray report;
    std::int64_t spawnedAtNanoseconds = 0; // monotonic clock, just before the exec
};

inline constexpr char reportDescriptorVariable[] = "TAGWRIGHT_BENCH_REPORT_FD";

// Runs program with arguments, adding the given NAME=value entries to this process's
// environment and reportDescriptorVariable=3. A child still running after timeoutSeconds is
// killed.
ChildReport runChild(const QByteArray &program, const QList<QByteArray> &arguments,
                     const QList<QByteArray> &extraEnvironment, int timeoutSeconds);

std::int64_t monotonicNanoseconds();
