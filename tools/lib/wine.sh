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

# Starts the prefix's Wine server and system processes for good, and creates the
# prefix if it is new. All of them are detached from our output: started by a
# test, they would hold CTest's output pipe open and CTest would wait for them.
start_wine() {
  mkdir -p "$WINEPREFIX"
  # A new prefix is made first and its processes let go: services started
  # while the prefix was being made can linger twice and stall every later
  # program's first input for seconds.
  "$TINTWELL_TOOLS/lib/wine-prefix.sh" "$WINEPREFIX" || return 1
  stop_wine
  # A server that was still going down can refuse the new one once; seen after
  # a prefix was made anew in a folder of the same name.
  if ! wineserver -p </dev/null >/dev/null 2>&1; then
    stop_wine
    sleep 2
    wineserver -p </dev/null >/dev/null 2>&1 || return 1
  fi
  wineboot </dev/null >/dev/null 2>&1
}

# What a tool that ran Wine on a virtual display leaves, stopped on its exit.
stop_wine_and_xvfb() {
  if [ -n "${WINEPREFIX:-}" ]; then stop_wine; fi
  stop_xvfb
}

# The host process ID of the prefix's Wine server, found by the prefix it
# was started for.
wineserver_of_prefix() {
  local pid
  for pid in $(pgrep -x 'wineserver(64)?'); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return 0
    fi
  done
}

stop_wine() {
  wineserver -k </dev/null >/dev/null 2>&1
  wineserver -w </dev/null >/dev/null 2>&1
}
