# shellcheck shell=bash
# A virtual X display for Wine. Sourced, not run.

TINTWELL_SCREEN=1280x1024x24
TINTWELL_XVFB_PID=

# Starts Xvfb on a free display with 24-bit colour (xvfb-run would give 8-bit)
# and exports DISPLAY. Xvfb picks the number itself and writes it once it
# accepts clients, so two runs never race for one display.
start_xvfb() {
  local numberFile
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$TINTWELL_SCREEN" -nolisten tcp 3>"$numberFile" \
    </dev/null >/dev/null 2>&1 &
  TINTWELL_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$numberFile" ] && break
    kill -0 "$TINTWELL_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  local number
  number=$(tr -dc '0-9' <"$numberFile")
  rm -f "$numberFile"
  if [ -z "$number" ]; then
    stop_xvfb
    die "Xvfb did not start"
  fi
  export DISPLAY=":$number"
}

stop_xvfb() {
  [ -n "$TINTWELL_XVFB_PID" ] || return 0
  kill "$TINTWELL_XVFB_PID" 2>/dev/null
  wait "$TINTWELL_XVFB_PID" 2>/dev/null
  TINTWELL_XVFB_PID=
}
