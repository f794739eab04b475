// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_benchmarks.h"

#include "app/form1.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>

#include <chrono>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

QString savePath(const char *role, const PageSetup &setup)
{
    static QTemporaryDir directory;
    if (!directory.isValid())
        qFatal("no temporary directory to save into");
    return directory.filePath(QStringLiteral("%1-%2-%3.html")
                                      .arg(QLatin1String(role))
                                      .arg(setup.mainBoxSize)
                                      .arg(setup.utf8Letters           ? "utf8"
                                           : setup.withOtherCharacters ? "other"
                                                                       : "ascii"));
}

// Before each timed save: the disk is shared with the previous saves and everything else on
// the machine, and data other writers left dirty would otherwise be flushed along with a
// save's own (a file system journal commits them together).
void startFromCleanDisk(const QString &path)
{
    QFile::remove(path);
    sync();
}

} // namespace

void benchmarkClick(benchmark::State &state, PageSetup setup, ClickTarget target)
{
    Form1 &form = pageWindow(setup);
    QAbstractButton *button = buttonOf(form, target.button, target.index);
    QTextDocument *changed = boxOf(form, target.changedBox)->document();
    const int lengthBefore = changed->characterCount();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        clickAndSettle(button);
        state.SetIterationTime(secondsSince(start));
        if (changed->characterCount() == lengthBefore) {
            state.SkipWithError("the click did not change its box");
            break;
        }
        changed->undo();
    }
    if (changed->characterCount() != lengthBefore)
        state.SkipWithError("undo did not bring the box back to its length");
}

void benchmarkSave(benchmark::State &state, PageSetup setup)
{
    Form1 &form = pageWindow(setup);
    const QString path = savePath("tagwright", setup);
    form.CommonDialog1().setChooser([path](QWidget *, const QString &) { return path; });
    QAbstractButton *save = buttonOf(form, "cmdSave");
    for (auto _ : state) {
        startFromCleanDisk(path);
        const Clock::time_point start = Clock::now();
        clickAndSettle(save);
        state.SetIterationTime(secondsSince(start));
        const bool written = QFileInfo(path).size() >= setup.mainBoxSize;
        QFile::remove(path);
        if (!written) {
            state.SkipWithError("the save did not write the page");
            break;
        }
    }
}

void benchmarkFloorSave(benchmark::State &state, PageSetup setup)
{
    const QTextDocument *document = boxOf(pageWindow(setup), "hmbox")->document();
    const QString path = savePath("floor", setup);
    for (auto _ : state) {
        startFromCleanDisk(path);
        const Clock::time_point start = Clock::now();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(setup.utf8Letters ? document->toRawText().toUtf8()
                                            : document->toRawText().toLatin1())
                       < setup.mainBoxSize) {
            state.SkipWithError("the floor could not write the page");
            break;
        }
        file.close();
        state.SetIterationTime(secondsSince(start));
        QFile::remove(path);
    }
}
