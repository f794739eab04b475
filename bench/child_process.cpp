// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int childReportDescriptor = 3;

std::vector<char *> nullTerminated(QList<QByteArray> &strings)
{
    std::vector<char *> pointers;
    for (QByteArray &string : strings)
        pointers.push_back(string.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads until end of file; false if the deadline passes first.
bool readAll(int descriptor, QByteArray &into, std::int64_t deadline)
{
    char buffer[4096];
    for (;;) {
        const std::int64_t left = deadline - monotonicNanoseconds();
        if (left <= 0)
            return false;
        pollfd waiting{descriptor, POLLIN, 0};
        const int ready = poll(&waiting, 1, int(left / 1000000 + 1));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t count = read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count == 0;
        into.append(buffer, count);
    }
}

} // namespace

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

ChildReport runChild(const QByteArray &program, const QList<QByteArray> &arguments,
                     const QList<QByteArray> &extraEnvironment, int timeoutSeconds)
{
    ChildReport result;
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return result;

    QList<QByteArray> argumentList{program};
    argumentList += arguments;
    QList<QByteArray> environment;
    for (char **entry = environ; *entry; ++entry)
        environment += QByteArray(*entry);
    environment += extraEnvironment;
    environment += QByteArray(reportDescriptorVariable) + '='
                   + QByteArray::number(childReportDescriptor);
    std::vector<char *> argv = nullTerminated(argumentList);
    std::vector<char *> envp = nullTerminated(environment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], childReportDescriptor);
    pid_t child = 0;
    result.spawnedAtNanoseconds = monotonicNanoseconds();
    const int spawnError
            = posix_spawn(&child, program.constData(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0) {
        close(pipeEnds[0]);
        return result;
    }

    const bool readToEnd
            = readAll(pipeEnds[0], result.report,
                      result.spawnedAtNanoseconds + std::int64_t(timeoutSeconds) * 1000000000);
    close(pipeEnds[0]);
    if (!readToEnd)
        kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    result.finished = readToEnd && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}
