// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench_plan.h"

#include <QString>

#include <string>
#include <vector>

// One row of the results table: a measured benchmark against its floor.
struct FigureRow
{
    QString figure;
    std::string measured; // benchmark names
    std::string floor;
    std::string measuredCounter; // empty: the benchmark's time; else this counter
    std::string floorCounter;
    bool inBytes; // counters hold bytes rather than seconds
    double maxRatio; // 0: no target, the figures are shown as measured
    double maxSeconds = 0; // an absolute limit on the measured median; 0 for none
};

// Registers every benchmark the plan calls for and returns the table's rows.
std::vector<FigureRow> registerFigures(const BenchPlan &plan);
