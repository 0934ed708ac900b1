#!/bin/sh
# Runs a Windows program under Wine in the build tree's own prefix.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
here=$(dirname "$0")
prefix=$1
shift
# Normally tools/test has made the prefix already; a bare ctest run makes it here,
# once, with the others waiting.
"$here/../tools/lib/wine-prefix.sh" "$prefix" >&2 || exit 1
# shellcheck source=/dev/null
. "$here/../tools/lib/wine.sh"
wine_environment "$prefix"
exec wine "$@"
