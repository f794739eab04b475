// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include "command_benchmarks.h"
#include "one_line_benchmarks.h"
#include "process_benchmarks.h"

namespace {

constexpr double frameSeconds = 0.016; // one frame at 60 Hz

std::string benchmarkName(const QString &name)
{
    return name.toStdString();
}

template<typename Function>
void registerTimed(const std::string &name, int repetitions, Function function)
{
    benchmark::RegisterBenchmark(name.c_str(), function)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(repetitions)
            ->Unit(benchmark::kMillisecond);
}

} // namespace

std::vector<FigureRow> registerFigures(const BenchPlan &plan)
{
    std::vector<FigureRow> rows;
    const qsizetype smallest = plan.mainBoxSizes.front();

    // Tag click, Image, Link and Dragdown on each main-box size, each held to its own cost
    // on the smallest main box. Dragdown gets windows of its own, with a smaller scratch box.
    struct Command
    {
        QString figure;
        ClickTarget target;
        qsizetype scratchSize;
        double maxSeconds;
    };
    const Command commands[] = {
            {QStringLiteral("tag click <B>"),
             {"cmdBold", 0, "hmbox"},
             plan.composeScratchSize,
             frameSeconds},
            {QStringLiteral("Image, %1 scratch box").arg(sizeName(plan.composeScratchSize)),
             {"cmdImage", -1, "txtTest"},
             plan.composeScratchSize,
             0},
            {QStringLiteral("Link, %1 scratch box").arg(sizeName(plan.composeScratchSize)),
             {"hrefbutt", -1, "txtTest"},
             plan.composeScratchSize,
             0},
            {QStringLiteral("Dragdown of %1").arg(sizeName(plan.dragScratchSize)),
             {"cmdDrag", -1, "hmbox"},
             plan.dragScratchSize,
             0},
    };
    for (const Command &command : commands) {
        const auto name = [&](qsizetype size) {
            return benchmarkName(QStringLiteral("click %1 on %2")
                                         .arg(QLatin1String(command.target.button))
                                         .arg(sizeName(size)));
        };
        for (const qsizetype size : plan.mainBoxSizes) {
            const PageSetup setup{.mainBoxSize = size, .scratchBoxSize = command.scratchSize};
            registerTimed(name(size), plan.clickRepetitions,
                          [setup, target = command.target](benchmark::State &state) {
                              benchmarkClick(state, setup, target);
                          });
            if (size != smallest || command.maxSeconds > 0) {
                rows.push_back(
                        {QStringLiteral("%1, %2 main box").arg(command.figure, sizeName(size)),
                         name(size),
                         name(smallest),
                         {},
                         {},
                         false,
                         3.0,
                         command.maxSeconds});
            }
        }
    }

    // Save against the floor's save of the same box. The ASCII boxes are those the clicks
    // above use.
    for (const bool withOther : {false, true}) {
        for (const qsizetype size : plan.saveSizes) {
            const PageSetup setup{.mainBoxSize = size,
                                  .scratchBoxSize = plan.composeScratchSize,
                                  .withOtherCharacters = withOther};
            const QString page = QStringLiteral("%1 %2").arg(
                    sizeName(size), withOther ? QStringLiteral("with 1% outside the code page")
                                              : QStringLiteral("ASCII"));
            const std::string measured = benchmarkName(QStringLiteral("save %1").arg(page));
            const std::string floor = benchmarkName(QStringLiteral("floor save %1").arg(page));
            registerTimed(measured, plan.saveRepetitions,
                          [setup](benchmark::State &state) { benchmarkSave(state, setup); });
            registerTimed(floor, plan.saveRepetitions,
                          [setup](benchmark::State &state) { benchmarkFloorSave(state, setup); });
            rows.push_back(
                    {QStringLiteral("save, %1").arg(page), measured, floor, {}, {}, false, 2.5});
        }
    }

    // A page that declares UTF-8, in letters most of which take two bytes there.
    const PageSetup utf8Setup{.mainBoxSize = plan.saveSizes.front(),
                              .scratchBoxSize = plan.composeScratchSize,
                              .utf8Letters = true};
    const QString utf8Page = QStringLiteral("%1 accented and Cyrillic, declared UTF-8")
                                     .arg(sizeName(utf8Setup.mainBoxSize));
    const std::string utf8Measured = benchmarkName(QStringLiteral("save %1").arg(utf8Page));
    const std::string utf8Floor = benchmarkName(QStringLiteral("floor save %1").arg(utf8Page));
    registerTimed(utf8Measured, plan.saveRepetitions,
                  [utf8Setup](benchmark::State &state) { benchmarkSave(state, utf8Setup); });
    registerTimed(utf8Floor, plan.saveRepetitions,
                  [utf8Setup](benchmark::State &state) { benchmarkFloorSave(state, utf8Setup); });
    rows.push_back({QStringLiteral("save, %1").arg(utf8Page),
                    utf8Measured,
                    utf8Floor,
                    {},
                    {},
                    false,
                    2.5});

    // Each run starts both programs, one straight after the other, so that a burst of load
    // on the machine meets both alike.
    registerTimed("start-up", plan.startupRuns, benchmarkStartup);
    rows.push_back({QStringLiteral("start-up to first expose"), "start-up", "start-up", "tagwright",
                    "floor", false, 1.25});

    // A tag click and a keystroke at the end of a page that is one line, against a stock editor
    // holding the same line. The smallest page's rows are shown as measured.
    const std::pair<const char *, QString> oneLineActions[] = {
            {"click", QStringLiteral("tag click <B>")},
            {"key", QStringLiteral("keystroke")},
    };
    for (const auto &[action, actionName] : oneLineActions) {
        for (const qsizetype size : plan.oneLineSizes) {
            const auto name = [&](const char *role) {
                return benchmarkName(
                        QStringLiteral("one-line %1 %2 %3")
                                .arg(QLatin1String(action), QLatin1String(role), sizeName(size)));
            };
            for (const char *role : {"tagwright", "floor"}) {
                registerTimed(name(role), plan.oneLineRuns,
                              [=, actions = plan.oneLineActions](benchmark::State &state) {
                                  benchmarkOneLine(state, role, action, size, actions);
                              });
            }
            const bool shownOnly = size == plan.oneLineSizes.front();
            rows.push_back({QStringLiteral("%1, one-line %2 page").arg(actionName, sizeName(size)),
                            name("tagwright"),
                            name("floor"),
                            {},
                            {},
                            false,
                            shownOnly ? 0.0 : 0.6,
                            size == 100 * KiB ? frameSeconds : 0});
        }
    }

    // A paste of short lines into the empty main box, against the same paste into a stock editor.
    for (const qsizetype size : plan.pasteSizes) {
        const auto name = [size](const char *role) {
            return benchmarkName(
                    QStringLiteral("paste %1 %2").arg(QLatin1String(role), sizeName(size)));
        };
        for (const char *role : {"tagwright", "floor"}) {
            registerTimed(name(role), plan.oneLineRuns,
                          [=, actions = plan.pasteActions](benchmark::State &state) {
                              benchmarkOneLine(state, role, "paste", size, actions);
                          });
        }
        rows.push_back({QStringLiteral("paste of %1 in short lines").arg(sizeName(size)),
                        name("tagwright"),
                        name("floor"),
                        {},
                        {},
                        false,
                        1.2});
    }

    const qsizetype memorySize = plan.memorySize;
    registerTimed("memory tagwright", plan.memoryRuns, [memorySize](benchmark::State &state) {
        benchmarkMemory(state, "tagwright", memorySize);
    });
    registerTimed("memory floor", plan.memoryRuns, [memorySize](benchmark::State &state) {
        benchmarkMemory(state, "floor", memorySize);
    });
    const QString memoryBox = sizeName(memorySize);
    rows.push_back({QStringLiteral("resident, %1 main box").arg(memoryBox), "memory tagwright",
                    "memory floor", "resident", "resident", true, 1.3});
    rows.push_back({QStringLiteral("peak resident, saving the %1 box").arg(memoryBox),
                    "memory tagwright", "memory floor", "savePeak", "savePeak", true, 1.3});
    return rows;
}
