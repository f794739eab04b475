// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

inline constexpr qsizetype KiB = 1024;
inline constexpr qsizetype MiB = 1024 * KiB;

// What one run measures: the full figures, or a short smoke pass of each that only shows
// the program builds and runs.
struct BenchPlan
{
    bool smoke;
    std::vector<qsizetype> mainBoxSizes; // the first is the size the others are compared with
    qsizetype composeScratchSize; // the scratch box under Image and Link
    qsizetype dragScratchSize; // the scratch box that Dragdown copies
    std::vector<qsizetype> saveSizes;
    qsizetype memorySize;
    std::vector<qsizetype> oneLineSizes; // pages that are one line; see one_line_benchmarks.h
    std::vector<qsizetype> pasteSizes; // pages of short lines pasted into the empty main box
    int clickRepetitions;
    int saveRepetitions;
    int startupRuns;
    int memoryRuns;
    int oneLineRuns; // child processes per figure
    int oneLineActions; // timed actions in each
    int pasteActions; // timed pastes in each of those children
};

BenchPlan fullPlan();
BenchPlan smokePlan();

// "10 KiB", "50 MiB".
QString sizeName(qsizetype bytes);
