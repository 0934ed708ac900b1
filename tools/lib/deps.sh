# shellcheck shell=bash
# The Debian packages the tools need, installed when missing. Sourced, not run.

TINTWELL_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-x86-64-posix
  wine wine64 fonts-liberation
  xvfb xdotool imagemagick procps zip
)

package_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Installs the packages above that are missing, as root or through sudo; does
# nothing at all when every one is there.
install_missing_packages() {
  local missing=() package
  for package in "${TINTWELL_PACKAGES[@]}"; do
    package_installed "$package" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  command -v apt-get >/dev/null || die "missing packages and no apt-get: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || die "missing packages, and neither root nor sudo: ${missing[*]}"
    sudo=(sudo)
  fi
  local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -y
    -o DPkg::Lock::Timeout=300)

  say "installing ${missing[*]}"
  "${apt[@]}" update || die "apt-get update failed"
  # A name this release does not know would fail the whole install.
  local known=()
  for package in "${missing[@]}"; do
    if apt-cache show "$package" >/dev/null 2>&1; then
      known+=("$package")
    else
      warn "no package $package on this system; skipped"
    fi
  done
  [ ${#known[@]} -eq 0 ] && return 0
  "${apt[@]}" install --no-install-recommends "${known[@]}" || die "apt-get install failed"
}
