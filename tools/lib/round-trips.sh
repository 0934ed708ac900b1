# shellcheck shell=bash
# Wine server round trips per sampler tick, counted rather than timed: the
# programs run under a wineserver that logs every request, and a tick is one
# thread's requests from one WM_TIMER to the next. Unlike CPU time on a shared
# machine, the count hardly moves between runs (by a few, with the colours
# the changing patch happens to show). Sourced, not run; needs
# Xvfb started and the Wine environment set, with no server running.

# Where the sampling bench puts its colour patches, clear of the window.
TINTWELL_PATCH_LEFT=1000
TINTWELL_PATCH_TOP=100
TINTWELL_PATCH_SIZE=64

# The most common count of requests in a tick that read the screen (it asks
# for the pointer), for the thread that last created a window of the class
# by line to, among the log's lines from+1 to to; nothing when no count was
# seen in a few ticks, as when the keys never reached the window.
round_trips_of_class() {
  local log=$1 windowClass=$2 from=$3 to=$4
  awk -v class="class=L\"$windowClass\"" -v from="$from" -v to="$to" '
    FNR == NR {
      if (FNR <= to && index($0, "create_window(") && index($0, class)) thread = substr($0, 1, 4)
      next
    }
    FNR <= from || FNR > to || substr($0, 1, 6) != thread ": " { next }
    /msg=00000113/ && / = 0 \{/ {
      if (reading) ticks[requests]++
      requests = 0; reading = 0; next
    }
    / = / || !/^[0-9a-f]+: [a-z_]+\(/ { next }
    { requests++ }
    /: set_cursor\( / { reading = 1 }
    END {
      for (count in ticks) if (ticks[count] > best) { best = ticks[count]; most = count }
      if (best >= 5) print most
    }
  ' "$log" "$log"
}

# Runs a Windows program in the background; its process goes when the prefix's
# server does.
run_windows() {
  wine "$@" </dev/null >/dev/null 2>&1 &
}

# Holds SHIFT for a few seconds with the pointer at a screen point, over the
# window of the given title brought to the front first.
hold_shift_over() {
  local x=$1 y=$2 title=$3 window
  window=$(xdotool search --name "^$title\$" | head -1)
  # Waited for, but not for ever: the keys must reach the window.
  [ -n "$window" ] && timeout 5 xdotool windowactivate --sync "$window" 2>/dev/null
  xdotool mousemove "$x" "$y"
  sleep 0.5
  xdotool keydown shift
  sleep 3
  xdotool keyup shift
}

# Prints the rows: Tintwell's tick over a new colour as a ratio to the bare
# window that rewrites its eight fields with the pixel it reads, and over the
# same colour as a ratio to the bare read.
print_round_trips() {
  local program=$1 floors=$2 patches=$3 log
  log=$(mktemp)
  wineserver -f -d1 -p </dev/null >/dev/null 2>"$log" &
  sleep 1
  local middle=$((TINTWELL_PATCH_SIZE / 2))
  local stillLeft=$((TINTWELL_PATCH_LEFT + 2 * TINTWELL_PATCH_SIZE))
  run_windows "$patches" "$TINTWELL_PATCH_LEFT" "$TINTWELL_PATCH_TOP" "$TINTWELL_PATCH_SIZE" cycle
  run_windows "$patches" "$stillLeft" "$TINTWELL_PATCH_TOP" "$TINTWELL_PATCH_SIZE" 3c6e91
  run_windows "$program"
  # A loaded machine may take many seconds to show it; SHIFT held before
  # then reaches no window and counts nothing.
  timeout 120 xdotool search --sync --name '^Tintwell$' >/dev/null
  sleep 1
  local changing still
  changing=$(wc -l <"$log")
  hold_shift_over $((TINTWELL_PATCH_LEFT + middle)) $((TINTWELL_PATCH_TOP + middle)) Tintwell
  still=$(wc -l <"$log")
  hold_shift_over $((stillLeft + middle)) $((TINTWELL_PATCH_TOP + middle)) Tintwell
  local after
  after=$(wc -l <"$log")
  xdotool mousemove $((TINTWELL_PATCH_LEFT + middle)) $((TINTWELL_PATCH_TOP + middle))
  run_windows "$floors" fields
  sleep 3
  local reading
  reading=$(wc -l <"$log")
  xdotool mousemove $((stillLeft + middle)) $((TINTWELL_PATCH_TOP + middle))
  run_windows "$floors" read
  sleep 3
  wineserver -k 2>/dev/null
  sleep 1

  local fields floor new same
  fields=$(round_trips_of_class "$log" TintwellFloor "$after" "$reading")
  floor=$(round_trips_of_class "$log" TintwellFloor "$reading" "$(wc -l <"$log")")
  new=$(round_trips_of_class "$log" TintwellMainWindow "$changing" "$still")
  # The first tick over the still patch brings its colour: the most common
  # count is the one of the unchanged ticks.
  same=$(round_trips_of_class "$log" TintwellMainWindow "$still" "$after")
  rm -f "$log"
  awk -v fields="${fields:-0}" -v floor="${floor:-0}" -v new="${new:-0}" -v same="${same:-0}" '
    function row(name, value, base, target) {
      if (base > 0) printf "%-44s %9d     %9.2fx  %s\n", name, value, value / base, target
      else printf "%-44s %9d     %10s\n", name, value, "-"
    }
    BEGIN {
      printf "%-44s %9s     %10s  %s\n", "measure", "trips", "/ floor", "target"
      row("round trips per tick, a new colour", new, fields, "at most 1.15x")
      row("floor: the eight fields rewritten, a read", fields, 0)
      row("round trips per tick, the same colour", same, floor, "")
      row("floor: a bare 1 x 1 screen read", floor, 0)
    }'
}
