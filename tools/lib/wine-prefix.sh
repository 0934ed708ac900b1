#!/bin/bash
# Creates a Wine prefix for Tintwell once and keeps its settings current.
# Usage: wine-prefix.sh PREFIX
# Safe to call from several processes at once: one creates, the others wait.
set -u
prefix=${1:?usage: wine-prefix.sh PREFIX}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tools/lib/common.sh
. "$here/common.sh"
# shellcheck source=tools/lib/wine.sh
. "$here/wine.sh"

settings="$here/wine-prefix.reg"
stamp="$prefix/.tintwell-settings"
wanted=$(cksum <"$settings")

[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
# Someone else may have finished while we waited for the lock.
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ] && exit 0

wine_environment "$prefix"
log="$prefix.log"
if [ ! -d "$prefix/drive_c" ]; then
  say "creating the Wine prefix $prefix (about half a minute, once)"
  wineboot -i >"$log" 2>&1 || die "wineboot failed; see $log"
fi
wine reg import "Z:$settings" >>"$log" 2>&1 || die "could not import $settings; see $log"
printf '%s' "$wanted" >"$stamp"
