#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Asks apt what tools/install-deps would install into an empty system: every set must be
# installable on this release, and the run set must bring in none of the test tools nor
# Qt's development tools (Designer, Assistant, Linguist), which building does not need.
# Usage: check_install_sets.sh INSTALL_DEPS
set -eu
install_deps=$1

if ! apt-cache show dpkg >/dev/null 2>&1; then
    echo "SKIP: apt has no package lists here (apt-get update fetches them)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
: >"$scratch/status"
simulate() {
    apt-get -s -o Dir::State::status="$scratch/status" install --no-install-recommends \
        $("$install_deps" --list "$1") >"$scratch/$1.log" 2>&1 ||
        { cat "$scratch/$1.log"; echo "FAIL: apt cannot install the $1 set"; exit 1; }
    sed -n 's/^Inst \([^ ]*\).*/\1/p' "$scratch/$1.log" >"$scratch/$1"
}
simulate run
simulate test
simulate browsers
test_tools=$(grep -E '^(clang(-[0-9]+)?|libclang-rt.*|xvfb|xdotool|imagemagick|strace|libbenchmark-dev|appstream|lintian|reuse)$' "$scratch/run" || true)
[ -z "$test_tools" ] || { echo "FAIL: the run set brings in test tools:" $test_tools; exit 1; }
qt_tools=$(grep -E '^(qt6-tools-dev|designer-qt6|assistant-qt6|linguist-qt6)$' "$scratch/run" || true)
[ -z "$qt_tools" ] || { echo "FAIL: the run set brings in Qt's development tools:" $qt_tools; exit 1; }
echo "on an empty system, the run set installs $(wc -l <"$scratch/run") packages, the test set $(wc -l <"$scratch/test"), the browsers set $(wc -l <"$scratch/browsers")"
