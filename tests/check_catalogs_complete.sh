#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every catalog translates every message in the sources: lupdate brings the sources' messages
# into copies of the catalogs, where lrelease must find none unfinished or untranslated.
# Usage: check_catalogs_complete.sh LUPDATE LRELEASE SOURCE_FOLDER CATALOG...
set -eu
lupdate=$1 lrelease=$2 sources=$3
shift 3
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
cp "$@" "$copies"
"$lupdate" -silent -locations none "$sources" -ts "$copies"/*.ts
status=0
for copy in "$copies"/*.ts; do
    if "$lrelease" "$copy" | grep -Eq '[1-9][0-9]* unfinished|Ignored'; then
        echo "$(basename "$copy") leaves untranslated:"
        awk '/<source>/ { text = "" } /<source>/, /<\/source>/ { text = text $0 "\n" }
             /type="unfinished"/ { printf "%s", text }' "$copy"
        status=1
    fi
done
exit $status
