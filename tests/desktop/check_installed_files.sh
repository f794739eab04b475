#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Tagwright into a temporary prefix and checks what lands there: exactly the
# expected files, a desktop entry, icon, metainfo and man page that the freedesktop.org tools
# accept and that point at one another, and versions that agree with the project's.
# Usage: check_installed_files.sh BUILD_DIR PROJECT_VERSION APP_ID
set -eu
build=$1
version=$2
app_id=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/usr
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log"

desktop=share/applications/$app_id.desktop
icon=share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=share/metainfo/$app_id.metainfo.xml
man_page=share/man/man1/tagwright.1.gz
printf '%s\n' bin/tagwright "$desktop" "$icon" "$metainfo" "$man_page" \
    share/doc/tagwright/copyright share/doc/tagwright/changelog.gz | sort >"$scratch/expected"
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$scratch/installed"
diff -u "$scratch/expected" "$scratch/installed" || fail "the installed files differ from the expected list"
[ -x "$prefix/bin/tagwright" ] || fail "bin/tagwright is not executable"

# The freedesktop.org validators; any remark from either counts as a fault.
if ! desktop-file-validate "$prefix/$desktop" >"$scratch/desktop.log" 2>&1 || [ -s "$scratch/desktop.log" ]; then
    cat "$scratch/desktop.log" >&2
    fail "desktop-file-validate rejects $desktop"
fi
# AppStream 1.0 (Debian 13) requires the <developer> element, which 0.16 (Debian 12) does
# not know yet and so reports as an unknown tag.
older_appstream=""
appstreamcli --version | grep -q 'version: 0\.' && older_appstream=--override=unknown-tag=pedantic
appstreamcli validate --strict --no-net $older_appstream "$prefix/$metainfo" >"$scratch/metainfo.log" 2>&1 ||
    { cat "$scratch/metainfo.log" >&2; fail "appstreamcli validate rejects $metainfo"; }
appstreamcli validate-tree --strict --no-net $older_appstream "$scratch" >"$scratch/tree.log" 2>&1 ||
    { cat "$scratch/tree.log" >&2; fail "appstreamcli validate-tree rejects the installed tree"; }

# The entry starts the installed command and shows the installed icon.
entry_value() {
    sed -n "s/^$1=//p" "$prefix/$desktop" | head -n 1
}
[ "$(entry_value Exec)" = tagwright ] || fail "Exec= is '$(entry_value Exec)', not the installed tagwright"
[ "$(entry_value Icon)" = "$app_id" ] || fail "Icon= is '$(entry_value Icon)', not the installed icon $app_id"
[ "$(entry_value Type)" = Application ] || fail "the desktop entry is not an application"

file -b "$prefix/$icon" | grep -q '^SVG Scalable Vector Graphics image' || fail "$icon is not an SVG image"

# The metainfo names the application id, the desktop entry and the current release.
grep -q "<id>$app_id</id>" "$prefix/$metainfo" || fail "the metainfo's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
newest_release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$prefix/$metainfo" | head -n 1)
[ "$newest_release" = "$version" ] || fail "the metainfo's newest release is '$newest_release', not $version"
grep -q '<screenshot type="default">' "$prefix/$metainfo" || fail "the metainfo shows no screenshot"

# The man page is gzip-compressed, renders without a warning and gives the current version.
gzip -t "$prefix/$man_page" || fail "$man_page is not a valid gzip file"
gzip -dc "$prefix/$man_page" >"$scratch/tagwright.1"
groff -man -ww -z "$scratch/tagwright.1" >"$scratch/groff.log" 2>&1
if [ -s "$scratch/groff.log" ]; then
    cat "$scratch/groff.log" >&2
    fail "the man page renders with warnings"
fi
grep -q "^\.TH TAGWRIGHT 1 .*\"Tagwright $version\"" "$scratch/tagwright.1" ||
    fail "the man page's title line does not give version $version"

[ "$failures" -eq 0 ] || exit 1
echo "installed and valid:"
sed 's/^/    /' "$scratch/installed"
