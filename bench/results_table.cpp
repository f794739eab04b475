// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_table.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>

namespace {

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The median of a benchmark's time, or of one of its counters; nothing if it failed.
std::optional<double> medianOf(const MedianCollector &collector, const std::string &name,
                               const std::string &counter, std::string *error)
{
    const auto found = collector.samples().find(name);
    if (found == collector.samples().end()) {
        *error = "not run";
        return std::nullopt;
    }
    const MedianCollector::Samples &samples = found->second;
    if (!samples.error.empty()) {
        *error = samples.error;
        return std::nullopt;
    }
    if (counter.empty())
        return samples.seconds.empty() ? std::nullopt : std::optional(median(samples.seconds));
    const auto values = samples.counters.find(counter);
    if (values == samples.counters.end() || values->second.empty())
        return std::nullopt;
    return median(values->second);
}

std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string quantity(double value, bool isBytes)
{
    if (isBytes)
        return format("%.1f MiB", value / (1024.0 * 1024.0));
    if (value < 0.001)
        return format("%.1f us", value * 1e6);
    return format("%.2f ms", value * 1e3);
}

std::string pad(std::string text, std::size_t width)
{
    text.resize(std::max(width, text.size()), ' ');
    return text;
}

std::string padLeft(const std::string &text, std::size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// Why a run gave no figure, or nothing. Benchmark 1.8 replaced a run's error_occurred and
// error_message with skipped and skip_message; both releases are in use.
template<typename BenchmarkRun>
std::string runFailure(const BenchmarkRun &run)
{
    if constexpr (requires { run.error_occurred; })
        return run.error_occurred ? run.error_message : std::string();
    else
        return run.skipped ? (run.skip_message.empty() ? "skipped" : run.skip_message)
                           : std::string();
}

} // namespace

void MedianCollector::ReportRuns(const std::vector<Run> &runs)
{
    bool measured = false;
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        measured = true;
        Samples &samples = m_samples[run.run_name.function_name];
        if (std::string failure = runFailure(run); !failure.empty()) {
            samples.error = failure;
            continue;
        }
        samples.seconds.push_back(run.real_accumulated_time / double(run.iterations));
        for (const auto &[name, counter] : run.counters)
            samples.counters[name].push_back(counter.value);
    }
    if (measured)
        std::cerr << "measured: " << runs.front().run_name.function_name << std::endl;
}

bool printTable(const std::vector<FigureRow> &rows, const MedianCollector &collector,
                std::ostream &out)
{
    std::size_t figureWidth = 6;
    for (const FigureRow &row : rows)
        figureWidth = std::max(figureWidth, std::size_t(row.figure.size()));

    out << pad("figure", figureWidth) << padLeft("Tagwright", 12) << padLeft("floor", 12)
        << padLeft("ratio", 8) << "  " << pad("target", 18) << "result\n";
    bool allPass = true;
    for (const FigureRow &row : rows) {
        const bool isBytes = row.inBytes;
        std::string error;
        const std::optional<double> measured
                = medianOf(collector, row.measured, row.measuredCounter, &error);
        const std::optional<double> floor
                = medianOf(collector, row.floor, row.floorCounter, &error);
        const bool hasTarget = row.maxRatio > 0;
        std::string target = hasTarget ? format("<= %.2fx", row.maxRatio) : "none";
        if (row.maxSeconds > 0)
            target += format(", < %.0f ms", row.maxSeconds * 1e3);

        out << pad(row.figure.toStdString(), figureWidth);
        if (!measured || !floor || *floor <= 0) {
            allPass = false;
            out << padLeft("-", 12) << padLeft("-", 12) << padLeft("-", 8) << "  "
                << pad(target, 18) << "FAIL (" << (error.empty() ? "no figure" : error) << ")\n";
            continue;
        }
        const double ratio = *measured / *floor;
        const bool pass = (!hasTarget || ratio <= row.maxRatio)
                          && (row.maxSeconds <= 0 || *measured < row.maxSeconds);
        allPass = allPass && pass;
        out << padLeft(quantity(*measured, isBytes), 12) << padLeft(quantity(*floor, isBytes), 12)
            << padLeft(format("%.2fx", ratio), 8) << "  " << pad(target, 18)
            << (hasTarget ? (pass ? "pass" : "FAIL") : "shown") << '\n';
    }
    return allPass;
}
