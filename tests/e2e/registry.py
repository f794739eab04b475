# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The end-to-end cases by name. Each case is a function given a running Session."""

CASES = {}


def case(locale="C.UTF-8"):
    """Registers the decorated function as a case run under the given locale."""
    def register(function):
        CASES[function.__name__] = (function, locale)
        return function
    return register
