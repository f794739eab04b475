// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "one_line_benchmarks.h"

#include "app/form1.h"
#include "child_process.h"
#include "page_windows.h"
#include "sample_text.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int childTimeoutSeconds = 300;

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

const ControlPlacement &placementOf(const char *name, int index)
{
    const auto placements = form1Layout();
    const auto found = std::ranges::find_if(placements, [&](const ControlPlacement &placement) {
        return std::strcmp(placement.name, name) == 0 && placement.index == index;
    });
    if (found == placements.end())
        qFatal("no control %s(%d) in the layout table", name, index);
    return *found;
}

// Times `count` runs of act, each followed, untimed, by the editor's undo.
std::vector<double> timeActions(QPlainTextEdit *box, int count, const std::function<void()> &act)
{
    std::vector<double> seconds;
    QTextDocument *document = box->document();
    const int lengthBefore = document->characterCount();
    for (int i = 0; i < count; ++i) {
        const Clock::time_point start = Clock::now();
        act();
        settle();
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        if (document->characterCount() == lengthBefore)
            return {};
        document->undo();
        settle();
    }
    if (document->characterCount() != lengthBefore)
        return {};
    return seconds;
}

// Fills the box, shows its window and puts the caret at the end, as after typing there.
bool prepare(QWidget *window, QPlainTextEdit *box, qsizetype pageSize)
{
    box->setPlainText(oneLineText(pageSize));
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    settle();
    return true;
}

std::vector<double> measure(const QString &role, const QString &action, qsizetype pageSize,
                            int count)
{
    const bool click = action == QLatin1String("click");
    const bool paste = action == QLatin1String("paste");
    if (!click && !paste && action != QLatin1String("key"))
        return {};
    if (paste)
        QGuiApplication::clipboard()->setText(sampleText(pageSize));
    const qsizetype lineSize = paste ? 0 : pageSize; // a paste goes into an empty box
    const auto typeLetter = [](QPlainTextEdit *box) { QTest::keyClick(box, Qt::Key_A); };
    if (role == QLatin1String("tagwright")) {
        Form1 form;
        QPlainTextEdit *hmbox = boxOf(form, "hmbox");
        if (!prepare(&form, hmbox, lineSize))
            return {};
        QAbstractButton *bold = buttonOf(form, "cmdBold", 0);
        return timeActions(hmbox, count, [&] {
            if (click)
                QTest::mouseClick(bold, Qt::LeftButton);
            else if (paste)
                hmbox->paste();
            else
                typeLetter(hmbox);
        });
    }
    if (role == QLatin1String("floor")) {
        const ControlPlacement &hmbox = placementOf("hmbox", -1);
        QPlainTextEdit box;
        box.resize(pixels(hmbox.width), pixels(hmbox.height));
        if (!prepare(&box, &box, lineSize))
            return {};
        const QString caption = QString::fromUtf8(placementOf("cmdBold", 0).text);
        return timeActions(&box, count, [&] {
            if (click)
                box.textCursor().insertText(caption);
            else if (paste)
                box.paste();
            else
                typeLetter(&box);
        });
    }
    return {};
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

void benchmarkOneLine(benchmark::State &state, const char *role, const char *action,
                      qsizetype pageSize, int actionsPerRun)
{
    for (auto _ : state) {
        const ChildReport child
                = runChild(QFile::encodeName(QCoreApplication::applicationFilePath()),
                           {"--one-line-probe", role, action, QByteArray::number(pageSize),
                            QByteArray::number(actionsPerRun)},
                           {}, childTimeoutSeconds);
        std::vector<double> seconds;
        for (const QByteArray &figure : child.report.split(' ')) {
            bool isNumber = false;
            const double value = figure.toDouble(&isNumber);
            if (isNumber)
                seconds.push_back(value);
        }
        if (!child.finished || int(seconds.size()) != actionsPerRun) {
            state.SkipWithError("the one-line probe did not report");
            break;
        }
        state.SetIterationTime(median(seconds));
    }
}

int runOneLineProbe(const QString &role, const QString &action, qsizetype pageSize, int count)
{
    bool isNumber = false;
    const int reportDescriptor = qEnvironmentVariableIntValue(reportDescriptorVariable, &isNumber);
    if (!isNumber)
        return 2;
    const std::vector<double> seconds = measure(role, action, pageSize, count);
    if (seconds.empty())
        return 1;
    QByteArray report;
    for (const double value : seconds)
        report += QByteArray::number(value, 'g', 9) + ' ';
    return write(reportDescriptor, report.constData(), report.size()) == report.size() ? 0 : 1;
}
