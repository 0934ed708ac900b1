# shellcheck shell=bash
# Shared by the tools: paths, messages and the build steps. Sourced, not run.

TINTWELL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export TINTWELL_TOOLS="$TINTWELL_ROOT/tools"

say() { printf '== %s\n' "$*"; }
warn() { printf 'warning: %s\n' "$*" >&2; }
die() {
  printf 'error: %s\n' "$*" >&2
  exit 1
}

# Runs the named command on every exit; an interrupt exits as interrupted.
on_exit() {
  # shellcheck disable=SC2064  # the command is named now and run at the exit
  trap "$1" EXIT
  trap 'exit 130' INT TERM
}

# Whole seconds since the shell started; differences time a stage.
now() { printf '%s' "$SECONDS"; }

# Configures and builds one preset of the source tree: all of it, or the
# targets named after the preset.
build_preset() {
  local preset=$1 targets=("${@:2}")
  cmake --preset "$preset" -S "$TINTWELL_ROOT" &&
    cmake --build --preset "$preset" ${targets[@]+--target "${targets[@]}"}
}
