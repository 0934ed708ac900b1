# shellcheck shell=bash
# Wine in a prefix of the build tree's own, never ~/.wine. Sourced, not run.

# The variables every Wine call of ours runs with.
wine_environment() {
  export WINEPREFIX=$1
  export WINEARCH=win64
  export WINEDEBUG=-all
  # Never offer to download Mono or Gecko, nor write desktop menu entries.
  export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
}

# Starts the prefix's Wine server for good, detached from our output: a server
# started by a test would keep CTest's output pipe open.
start_wineserver() {
  wineserver -p </dev/null >/dev/null 2>&1
}

stop_wineserver() {
  wineserver -k </dev/null >/dev/null 2>&1
  wineserver -w </dev/null >/dev/null 2>&1
}
