// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figures.h"

#include <benchmark/benchmark.h>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Collects every repetition of every benchmark, quietly but for one progress line each, so
// that the table can be printed from their medians at the end.
class MedianCollector : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override;

    struct Samples
    {
        std::vector<double> seconds;
        std::map<std::string, std::vector<double>> counters;
        std::string error;
    };
    const std::map<std::string, Samples> &samples() const { return m_samples; }

private:
    std::map<std::string, Samples> m_samples;
};

// Prints the table; returns whether every row was measured and met its target.
bool printTable(const std::vector<FigureRow> &rows, const MedianCollector &collector,
                std::ostream &out);
