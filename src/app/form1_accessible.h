// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// From now on a Tagwright window presents to a screen reader the controls that are shown, and
// no hidden one, so a control that nobody can see is not read out either. Called once, where
// the application starts, before the first window is made.
void presentShownControlsOnly();
