#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a temporary folder, checks its dependencies and contents,
# has lintian check it, unpacks it into a temporary root and starts the unpacked program:
# offscreen, with a toolkit option on the command line, and under a virtual X server until
# its window shows, and checks its hardening (FORTIFY_PROBE "unhardened": a build without it).
# Usage: check_debian_package.sh BUILD_DIR APP_ID SCREENSHOT_TOOL COMPILER FORTIFY_PROBE
set -eu
build=$1
app_id=$2
screenshot=$3
compiler=$4
fortify_probe=$5

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
set -- "$scratch"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "FAIL: cpack made no single .deb" >&2; exit 1; }
deb=$1
echo "package: $(basename "$deb")"

# dpkg-shlibdeps names the shared libraries' packages.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Debian 13 renamed Qt's core library package for its 64-bit time_t.
for library_package in libc6 'libstdc\+\+6' 'libqt6core6(t64)?' libqt6gui6 libqt6widgets6; do
    echo "$depends" | grep -Eq "(^|[ ,])$library_package( |,|$)" || fail "Depends does not name $library_package"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
echo "$recommends" | grep -q "\\bqt6-translations-l10n\\b" ||
    fail "Recommends does not name qt6-translations-l10n, whose files translate Qt's dialogs"
[ "$(dpkg-deb -f "$deb" Package)" = tagwright ] || fail "the package is not named tagwright"

printf '%s\n' usr/bin/tagwright \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/man/man1/tagwright.1.gz \
    usr/share/doc/tagwright/copyright usr/share/doc/tagwright/changelog.gz | sort >"$scratch/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$scratch/packed"
diff -u "$scratch/expected" "$scratch/packed" || fail "the package's files differ from the expected list"
if dpkg-deb -c "$deb" | awk '$2 != "root/root"' | grep .; then
    fail "some files are not owned by root"
fi

# Debian's own package checker: any error or warning fails, overrides aside.
if lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1; then
    echo "lintian: no errors or warnings"
else
    grep -v '^running with root privileges' "$scratch/lintian.log" >&2
    fail "lintian reports errors or warnings on the package"
fi

root=$scratch/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/tagwright
if readelf -d "$program" | grep -Eq 'RPATH|RUNPATH'; then
    fail "the packaged program carries a library search path"
fi

# Control flow protection can mark a program only if the C library's start file has it (not
# on Debian 12). A fortified call shows only where the compiler knows the buffer's size, in
# none of the program's: a probe built with the same flags shows that they fortify.
if [ "$fortify_probe" = unhardened ]; then
    echo "note: a build without Debian's flags; the program's hardening is not checked"
else
    readelf -n "$("$compiler" -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK' &&
        skip=" " || skip=--nocfprotection
    # Branch protection is AArch64's, but Debian 13's hardening-check asks every program for it.
    if ! readelf -h "$program" | grep -q 'Machine:.*AArch64' &&
        hardening-check --help 2>&1 | grep -q -- --nobranchprotection; then
        skip="$skip --nobranchprotection"
    fi
    hardening-check $skip --nofortify "$program" || fail "the program lacks hardening"
    hardening-check -q $skip "$program" >/dev/null || hardening-check $skip "$fortify_probe" ||
        fail "no fortified call, neither in the program nor in the probe"
fi

# A program that is still running when timeout stops it (status 124) started without
# failing; the toolkit would have ended it at once on a missing plugin or library.
runtime=$scratch/runtime
mkdir -m 700 "$runtime"
run_for_a_while() {
    status=0
    env XDG_RUNTIME_DIR="$runtime" timeout 5 "$@" >"$scratch/run.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ] || [ -s "$scratch/run.log" ]; then
        cat "$scratch/run.log" >&2
        fail "'$*' ended with status $status instead of running until stopped"
    fi
}
run_for_a_while env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$program"
# The toolkit's own options still work, and nothing else on the command line is read.
run_for_a_while env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -platform offscreen

# Under a virtual X server the window must appear: the screenshot tool waits for it.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null; then
    env XDG_RUNTIME_DIR="$runtime" "$screenshot" "$program" "$scratch/window.png" >"$scratch/xvfb.log" 2>&1 ||
        { cat "$scratch/xvfb.log" >&2; fail "the unpacked program's window did not show under Xvfb"; }
    size=$(identify -format '%wx%h' "$scratch/window.png" 2>/dev/null || echo none)
    [ "${size%x*}" -ge 542 ] 2>/dev/null || fail "the unpacked program's window is $size, under 542x632"
else
    echo "note: xvfb-run, xdotool or ImageMagick missing; the window was not looked for on X"
fi

[ "$failures" -eq 0 ] || exit 1
echo "the unpacked program started"
