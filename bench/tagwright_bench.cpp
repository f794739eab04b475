// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures Tagwright's command paths against floors measured in the same run and prints one
// table: figure, Tagwright, floor, ratio, target, result.
//
//   tagwright_bench            the full figures; exits 1 if any row misses its target
//   tagwright_bench --smoke    one short pass of each figure, targets not enforced
//
// Other arguments go to Google Benchmark (--benchmark_filter=...). Runs on Qt's offscreen
// platform. Repetitions of all benchmarks are interleaved at random, so that a burst of load
// on the machine falls on a figure and its floor alike.

#include "bench_plan.h"
#include "figures.h"
#include "one_line_benchmarks.h"
#include "page_windows.h"
#include "process_benchmarks.h"
#include "results_table.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>
#include <vector>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    if (argc == 4 && std::strcmp(argv[1], "--memory-probe") == 0)
        return runMemoryProbe(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
    if (argc == 6 && std::strcmp(argv[1], "--one-line-probe") == 0)
        return runOneLineProbe(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                               QByteArray(argv[4]).toLongLong(), QByteArray(argv[5]).toInt());

    std::vector<char *> benchmarkArguments{argv[0]};
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    benchmarkArguments.push_back(interleave);
    bool smoke = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else
            benchmarkArguments.push_back(argv[i]);
    }
    int benchmarkArgc = int(benchmarkArguments.size());
    benchmarkArguments.push_back(nullptr);

    const BenchPlan plan = smoke ? smokePlan() : fullPlan();
    const std::vector<FigureRow> rows = registerFigures(plan);
    benchmark::Initialize(&benchmarkArgc, benchmarkArguments.data());
    if (benchmark::ReportUnrecognizedArguments(benchmarkArgc, benchmarkArguments.data()))
        return 2;

    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    closeAllPageWindows();
    benchmark::Shutdown();

    if (smoke)
        std::cout << "Smoke pass: figures from small boxes, targets not checked.\n";
    const bool allPass = printTable(rows, collector, std::cout);
    if (smoke) {
        // Only that every figure was measured.
        for (const auto &[name, samples] : collector.samples()) {
            if (!samples.error.empty())
                return 1;
        }
        return collector.samples().empty() ? 1 : 0;
    }
    return allPass ? 0 : 1;
}
