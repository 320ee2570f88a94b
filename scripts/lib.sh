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
