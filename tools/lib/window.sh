# shellcheck shell=bash
# Tintwell's window under Wine on a virtual display, and a picture of it.
# Sourced, not run; needs common.sh, with DISPLAY and the Wine environment set.

# Upper bound for the window to appear; a first start also creates the prefix.
TINTWELL_WINDOW_WAIT_SECONDS=120
# Time the window is given to paint itself once it is mapped.
TINTWELL_PAINT_SETTLE_SECONDS=2

# Starts EXE under Wine, its output to LOG, waits for its window and saves
# just that window to PICTURE.
capture_window() {
  local exe=$1 log=$2 picture=$3 window
  wine "$exe" </dev/null >"$log" 2>&1 &
  window=$(timeout "$TINTWELL_WINDOW_WAIT_SECONDS" \
    xdotool search --sync --onlyvisible --name '^Tintwell$' | head -n 1)
  [ -n "$window" ] || die "the window did not appear; see $log"
  sleep "$TINTWELL_PAINT_SETTLE_SECONDS"
  import -display "$DISPLAY" -window "$window" "$picture" || die "no picture of the window"
}
