// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page_windows.h"

#include <benchmark/benchmark.h>

// The button a benchmark clicks and the box its command changes.
struct ClickTarget
{
    const char *button;
    int index;
    const char *changedBox;
};

// One click per iteration, timed from the press to the end of the event processing it sets
// off. Between iterations, untimed, the editor's undo takes the appended text back out, so
// every click meets the same box.
void benchmarkClick(benchmark::State &state, PageSetup setup, ClickTarget target);

// The Save button, its dialog answered at once with a file in a temporary directory.
void benchmarkSave(benchmark::State &state, PageSetup setup);

// The floor for saving: the main box's raw text, converted to Latin-1 (to UTF-8 for a page
// that declares it) and written with a plain QFile.
void benchmarkFloorSave(benchmark::State &state, PageSetup setup);
