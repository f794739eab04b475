// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "process_benchmarks.h"

#include "app/form1.h"
#include "child_process.h"
#include "page_windows.h"
#include "sample_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace {

constexpr int childTimeoutSeconds = 300;

// A field of /proc/self/status, such as VmRSS, in bytes.
qint64 statusBytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            const QByteArray kilobytes = line.mid(prefix.size()).trimmed().split(' ').value(0);
            return kilobytes.toLongLong() * 1024;
        }
    }
    return -1;
}

// Starts the peak resident set (VmHWM) again from the present one.
bool resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Seconds from just before the program's exec to its window's first expose.
std::optional<double> startupSeconds(const char *program)
{
    const ChildReport child = runChild(program, {},
                                       {QByteArray("LD_PRELOAD=" STARTUP_PROBE_LIBRARY),
                                        QByteArray("QT_QPA_PLATFORM=offscreen")},
                                       childTimeoutSeconds);
    std::int64_t exposedAt = 0;
    if (!child.finished || child.report.size() != sizeof exposedAt)
        return std::nullopt;
    std::memcpy(&exposedAt, child.report.constData(), sizeof exposedAt);
    return double(exposedAt - child.spawnedAtNanoseconds) / 1e9;
}

} // namespace

void benchmarkStartup(benchmark::State &state)
{
    static bool tagwrightFirst = true;
    for (auto _ : state) {
        const char *const programs[] = {TAGWRIGHT_PROGRAM, FLOOR_WINDOW_PROGRAM};
        double seconds[2] = {};
        for (const int which : tagwrightFirst ? std::array{0, 1} : std::array{1, 0}) {
            const std::optional<double> measured = startupSeconds(programs[which]);
            if (!measured) {
                state.SkipWithError("a program did not report its window's first expose");
                return;
            }
            seconds[which] = *measured;
        }
        tagwrightFirst = !tagwrightFirst;
        state.SetIterationTime(seconds[0] + seconds[1]);
        state.counters["tagwright"] = seconds[0];
        state.counters["floor"] = seconds[1];
    }
}

void benchmarkMemory(benchmark::State &state, const char *role, qsizetype mainBoxSize)
{
    for (auto _ : state) {
        const ChildReport child = runChild(
                QFile::encodeName(QCoreApplication::applicationFilePath()),
                {"--memory-probe", role, QByteArray::number(mainBoxSize)}, {}, childTimeoutSeconds);
        const QList<QByteArray> figures = child.report.trimmed().split(' ');
        if (!child.finished || figures.size() != 2) {
            state.SkipWithError("the memory probe did not report");
            break;
        }
        state.SetIterationTime(1);
        state.counters["resident"] = figures[0].toDouble();
        state.counters["savePeak"] = figures[1].toDouble();
    }
}

int runMemoryProbe(const QString &role, qsizetype mainBoxSize)
{
    bool isNumber = false;
    const int reportDescriptor = qEnvironmentVariableIntValue(reportDescriptorVariable, &isNumber);
    if (!isNumber)
        return 2;
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("page.html"));

    qint64 resident = 0;
    qint64 savePeak = 0;
    if (role == QLatin1String("tagwright")) {
        Form1 form;
        QPlainTextEdit *hmbox = boxOf(form, "hmbox");
        hmbox->setPlainText(sampleText(mainBoxSize));
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return 1;
        settle();
        resident = statusBytes("VmRSS");
        if (!resetPeakResident())
            return 1;
        form.CommonDialog1().setChooser([path](QWidget *, const QString &) { return path; });
        clickAndSettle(buttonOf(form, "cmdSave"));
        savePeak = statusBytes("VmHWM");
    } else if (role == QLatin1String("floor")) {
        QPlainTextEdit box;
        box.setPlainText(sampleText(mainBoxSize));
        box.show();
        if (!QTest::qWaitForWindowExposed(&box))
            return 1;
        settle();
        resident = statusBytes("VmRSS");
        if (!resetPeakResident())
            return 1;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(box.document()->toRawText().toLatin1());
        file.close();
        savePeak = statusBytes("VmHWM");
    } else {
        return 2;
    }
    if (QFile(path).size() < mainBoxSize)
        return 1;
    const QByteArray report = QByteArray::number(resident) + ' ' + QByteArray::number(savePeak);
    return write(reportDescriptor, report.constData(), report.size()) == report.size() ? 0 : 1;
}
