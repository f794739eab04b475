// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <benchmark/benchmark.h>

// Start-up: per iteration one run of Tagwright and one of the floor window, in turn first,
// each timed from just before its exec to its window's first expose (offscreen) as the
// start-up probe library reports it. Gives the counters "tagwright" and "floor" in seconds.
void benchmarkStartup(benchmark::State &state);

// Memory: one run of this benchmark program in memory-probe mode per iteration (see
// runMemoryProbe()), giving the counters "resident" and "savePeak" in bytes.
void benchmarkMemory(benchmark::State &state, const char *role, qsizetype mainBoxSize);

// The child side of benchmarkMemory(). For role "tagwright" a Tagwright window, for
// "floor" a bare QPlainTextEdit, gets mainBoxSize characters of page text; it then reports
// its resident set, saves (Tagwright's Save button; the floor's raw text to Latin-1 to a
// QFile) and reports its peak resident set during the save.
int runMemoryProbe(const QString &role, qsizetype mainBoxSize);
