# Sourced: ensure_packages PKG... installs the Debian packages that are
# missing when run as root; otherwise prints the one apt-get line needed.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

NATIVE_PACKAGES=(cmake make g++ libgtest-dev libgmock-dev googletest libbenchmark-dev python3 python3-ezdxf gdal-bin)
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine xvfb xauth fonts-ipafont-gothic imagemagick)
# clang and compiler-rt, whose development package holds libFuzzer.
FUZZ_PACKAGES=(clang libclang-rt-dev)
