#!/bin/sh
# Runs a Windows program under Wine in the build tree's own prefix.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# Never offer to download Mono or Gecko.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
exec wine "$@"
