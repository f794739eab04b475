// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_plan.h"

BenchPlan fullPlan()
{
    return {
            .smoke = false,
            .mainBoxSizes = {10 * KiB, 1 * MiB, 10 * MiB, 50 * MiB},
            .composeScratchSize = 1 * MiB,
            .dragScratchSize = 64 * KiB,
            .saveSizes = {10 * MiB, 50 * MiB},
            .memorySize = 50 * MiB,
            .oneLineSizes = {10 * KiB, 100 * KiB, 1 * MiB},
            .pasteSizes = {1 * MiB, 10 * MiB},
            .clickRepetitions = 61,
            .saveRepetitions = 9,
            .startupRuns = 20,
            .memoryRuns = 3,
            .oneLineRuns = 5,
            .oneLineActions = 9,
            .pasteActions = 3,
    };
}

BenchPlan smokePlan()
{
    return {
            .smoke = true,
            .mainBoxSizes = {10 * KiB, 100 * KiB},
            .composeScratchSize = 16 * KiB,
            .dragScratchSize = 4 * KiB,
            .saveSizes = {100 * KiB},
            .memorySize = 1 * MiB,
            .oneLineSizes = {10 * KiB},
            .pasteSizes = {64 * KiB},
            .clickRepetitions = 1,
            .saveRepetitions = 1,
            .startupRuns = 1,
            .memoryRuns = 1,
            .oneLineRuns = 1,
            .oneLineActions = 1,
            .pasteActions = 1,
    };
}

QString sizeName(qsizetype bytes)
{
    if (bytes >= MiB && bytes % MiB == 0)
        return QStringLiteral("%1 MiB").arg(bytes / MiB);
    return QStringLiteral("%1 KiB").arg(bytes / KiB);
}
