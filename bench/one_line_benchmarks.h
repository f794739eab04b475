// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <benchmark/benchmark.h>

// A page built by clicking tags and typing is one long line, which the editor lays out whole
// again on every change. These figures time a tag click and a keystroke at the end of such a
// page, Tagwright and its floor each in a fresh child process of its own: neither meets the
// heap the other left, nor the large windows this program keeps for the other figures, and
// a setting that acts on the whole process would reach only its own side. The same children
// time a paste of a page of short lines, which the editor takes block by block.

// One child run per iteration, timed as the median of the actions it times.
void benchmarkOneLine(benchmark::State &state, const char *role, const char *action,
                      qsizetype pageSize, int actionsPerRun);

// The child side. Role "tagwright" is Tagwright's window set up as the program sets it up;
// "floor" a stock QPlainTextEdit as made by default, with the main box's size and font. Either
// holds a one-line page of pageSize characters, with the caret at its end, and is shown. Then
// `count` times, each undone untimed: action "click" clicks the "<B>" button (the floor gets
// the same caption inserted at its end), "key" types a letter. Action "paste" instead pastes
// sampleText(pageSize) into the empty box. Reports the seconds of each.
int runOneLineProbe(const QString &role, const QString &action, qsizetype pageSize, int count);
