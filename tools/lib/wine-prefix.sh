#!/bin/bash
# Creates a Wine prefix for Tintwell once and keeps its settings current.
# Usage: wine-prefix.sh PREFIX [headless|desktop]
#   headless (the default): for a virtual display with no window manager;
#   desktop: for a user's own display.
# Safe to call from several processes at once: one works, the others wait.
set -u
prefix=${1:?usage: wine-prefix.sh PREFIX [headless|desktop]}
mode=${2:-headless}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tools/lib/common.sh
. "$here/common.sh"
# shellcheck source=tools/lib/wine.sh
. "$here/wine.sh"

[ -f "$here/wine-$mode.reg" ] || die "no settings for mode $mode"
settings() {
  cat "$here/wine-prefix.reg" "$here/wine-$mode.reg"
}
stamp="$prefix/.tintwell-settings"
wanted="$mode $(settings | cksum)"

current() { cat "$stamp" 2>/dev/null; }
[ "$(current)" = "$wanted" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
# Someone else may have finished while we waited for the lock.
[ "$(current)" = "$wanted" ] && exit 0

wine_environment "$prefix"
log="$prefix.log"
if [ ! -d "$prefix/drive_c" ]; then
  say "creating the Wine prefix $prefix (about half a minute, once)"
  wineboot -i >"$log" 2>&1 || die "wineboot failed; see $log"
fi
file="$prefix.reg"
settings >"$file"
wine reg import "Z:$file" >>"$log" 2>&1 || die "could not import $file; see $log"
rm -f "$file"
printf '%s' "$wanted" >"$stamp"
