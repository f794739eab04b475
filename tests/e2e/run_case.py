#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs one end-to-end case against the built program, or lists the cases.

    run_case.py --list
    run_case.py --binary build/tagwright --artifacts build/e2e-failures CASE
"""

import argparse
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__

import keyboard_cases  # noqa: F401 (registers its cases)
import saving_cases  # noqa: F401
import window_cases  # noqa: F401
from registry import CASES
from session import CaseFailed, Session


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", action="store_true", help="print the case names and stop")
    parser.add_argument("--binary", help="the program to test")
    parser.add_argument("--artifacts", help="where screenshots of failing steps are kept")
    parser.add_argument("case", nargs="?", choices=sorted(CASES))
    arguments = parser.parse_args()
    if arguments.list:
        print("\n".join(sorted(CASES)))
        return 0
    if not (arguments.binary and arguments.artifacts and arguments.case):
        parser.error("--binary, --artifacts and a case name are needed")

    function, locale = CASES[arguments.case]
    started = time.monotonic()
    try:
        with Session(arguments.binary, arguments.case, arguments.artifacts, locale) as session:
            function(session)
    except CaseFailed:
        return 1  # the session has reported the failing step
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
