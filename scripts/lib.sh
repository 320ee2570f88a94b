# Shared by the scripts: package installation and the Wine environment.
# Sourced, not run.

KELVORAN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the builds and tests need.
KELVORAN_PACKAGES=(
  cmake ninja-build g++ pkg-config make
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libtiff-dev libfreeimage-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine64-tools libwine-dev fonts-wine
  xvfb xauth imagemagick
  clang-14 libclang-rt-14-dev
)

# What the 32-bit Windows tests need besides: 32-bit Wine and, for the 32-bit
# FreeImage bridge, winegcc -m32 (from wine64-tools) with the i386 libraries.
# wine32-tools is not among them: it conflicts with wine64-tools.
KELVORAN_PACKAGES_I386=(
  gcc-multilib wine32:i386 libwine-dev:i386 libfreeimage-dev:i386 libtiff-dev:i386
)

# Why the 32-bit Windows tests cannot run on this machine; empty while they can.
KELVORAN_WIN32_PROBLEM=""

# Installs whatever is missing; asks the mirror only when something is.
kelvoran_install_packages() {
  local missing=()
  for p in "${KELVORAN_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# Wine: quiet, with a prefix of the project's own that cmake/wine-run.sh creates.
export WINEDEBUG=-all
export KELVORAN_WINEPREFIX="${KELVORAN_WINEPREFIX:-$KELVORAN_ROOT/build/wine-prefix}"

# Adds the i386 architecture and installs the 32-bit packages. Never fails:
# what went wrong is kept in KELVORAN_WIN32_PROBLEM.
kelvoran_install_i386_packages() {
  local missing=() p
  for p in "${KELVORAN_PACKAGES_I386[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing (32-bit): ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  local log
  log="$(mktemp)"
  if ! { dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386; } >"$log" 2>&1 ||
     ! apt-get update -qq >>"$log" 2>&1 ||
     ! apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$log" 2>&1; then
    local last
    last="$(grep -v '^$' "$log" | tail -n 1 || true)"
    KELVORAN_WIN32_PROBLEM="the 32-bit packages (${missing[*]}) could not be installed: $last"
  fi
  rm -f "$log"
}

# Whether a 32-bit Windows program runs here: the kernel must run 32-bit
# programs (Wine's 32-bit loader is one) and Wine must start the given 32-bit
# test program. Returns 1, with KELVORAN_WIN32_PROBLEM set, when not.
kelvoran_probe_win32() {
  local program="$1" out
  [ -n "$KELVORAN_WIN32_PROBLEM" ] && return 1
  if ! out="$(/usr/lib/wine/wine --version 2>&1)"; then
    KELVORAN_WIN32_PROBLEM="this machine does not run 32-bit programs (/usr/lib/wine/wine --version: $(tail -n 1 <<<"$out"))"
    return 1
  fi
  if ! out="$(bash "$KELVORAN_ROOT/cmake/wine-run.sh" "$program" --gtest_list_tests 2>&1)"; then
    KELVORAN_WIN32_PROBLEM="Wine does not start the 32-bit $(basename "$program") ($(tail -n 1 <<<"$out"))"
    return 1
  fi
}
