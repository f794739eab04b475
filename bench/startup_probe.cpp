// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into a program under measurement with LD_PRELOAD. When the program's first window
// is exposed, it writes the monotonic clock's time in nanoseconds to the descriptor named by
// TAGWRIGHT_BENCH_REPORT_FD and ends the process there, so that the program itself needs no
// hook for its start-up to be timed.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdint>
#include <time.h>
#include <unistd.h>

namespace {

class FirstExposeWatcher : public QObject
{
public:
    explicit FirstExposeWatcher(int reportDescriptor)
        : m_reportDescriptor(reportDescriptor)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            const auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed())
                reportAndExit();
        }
        return false;
    }

private:
    void reportAndExit() const
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const std::int64_t nanoseconds = std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
        const bool written = write(m_reportDescriptor, &nanoseconds, sizeof nanoseconds)
                             == ssize_t(sizeof nanoseconds);
        _exit(written ? 0 : 1);
    }

    int m_reportDescriptor;
};

void watchForFirstExpose()
{
    bool isNumber = false;
    const int descriptor = qEnvironmentVariableIntValue("TAGWRIGHT_BENCH_REPORT_FD", &isNumber);
    if (isNumber)
        QCoreApplication::instance()->installEventFilter(new FirstExposeWatcher(descriptor));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstExpose)
