#!/usr/bin/env bash
# shellcheck disable=SC2317  # the checks are called through need()
# Installs what the build lacks: quiet when everything is there, wherever it
# came from. Each need is checked by the thing itself (a command on PATH, a
# header and library the compiler finds, a CMake package file); only what is
# really missing is installed, from Debian's packages, as root.
#
# Usage: install-deps.sh GROUP...
#   native   cmake, make, g++, GoogleTest          (unit tests, make check)
#   bench    Google Benchmark                      (make bench)
#   clang    clang++                               (make clang)
#   fuzz     clang++ with libFuzzer's runtime      (make fuzz, make test)
#   windows  MinGW-w64 i686 and x86_64             (the Windows programs)
#   wine     Wine (64-bit), Xvfb                   (the Wine tests)
#   display  imagemagick, xdpyinfo                 (make run)
#   dist     NSIS (makensis), zip                  (make dist)
#   lint     clang-tidy, cppcheck                  (make lint)
#   format   clang-format                          (make format, make check)
#   wine32   Wine's 32-bit side, for the i686 program's Wine tests. Never
#            required: when it cannot be had this prints why and exits 1,
#            and a failed install is remembered in build/ (not retried until
#            that file is removed or build/ is cleaned).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

have_cmd() { command -v "$1" >/dev/null 2>&1; }

cxx() { "${CXX:-g++}" "$@"; }

# The C++ compiler finds HEADER and libLIB (shared or static).
have_header_and_lib() {
  local header=$1 lib=$2 ext path
  have_cmd "${CXX:-g++}" || return 1
  printf '#include <%s>\n' "$header" | cxx -E -x c++ - >/dev/null 2>&1 || return 1
  for ext in so a; do
    path=$(cxx -print-file-name="lib$lib.$ext" 2>/dev/null) || continue
    [[ $path == /* ]] && return 0
  done
  return 1
}

# CMake finds package NAME's configuration file under a usual prefix or
# CMAKE_PREFIX_PATH (NAME_DIR set by hand counts too).
have_cmake_package() {
  local name=$1 dir_var="${1}_DIR" prefix
  [ -n "${!dir_var:-}" ] && [ -d "${!dir_var}" ] && return 0
  local -a prefixes=(/usr/local /usr)
  [ -n "${CMAKE_PREFIX_PATH:-}" ] && IFS=: read -r -a prefixes <<<"$CMAKE_PREFIX_PATH:/usr/local:/usr"
  for prefix in "${prefixes[@]}"; do
    compgen -G "$prefix/lib*/cmake/$name/${name}Config.cmake" >/dev/null && return 0
    compgen -G "$prefix/lib*/*/cmake/$name/${name}Config.cmake" >/dev/null && return 0
    compgen -G "$prefix/share/cmake/$name/${name}Config.cmake" >/dev/null && return 0
  done
  return 1
}

# cmake 3.25 or later: the presets are version 6.
have_cmake() {
  have_cmd cmake || return 1
  local version
  version=$(cmake --version | sed -n '1s/^cmake version \([0-9]*\.[0-9]*\).*/\1/p')
  [ -n "$version" ] || return 1
  [ "$(printf '%s\n' 3.25 "$version" | sort -V | head -n 1)" = 3.25 ]
}

# Wine's 64-bit loader (Debian keeps it out of PATH).
have_wine64() {
  have_cmd wine64 || [ -x /usr/lib/wine/wine64 ] || [ -x /usr/lib64/wine/wine64 ] ||
    [ -x /opt/wine-stable/bin/wine64 ]
}

# Wine's 32-bit side. Debian's wine64 alone runs a 32-bit program as a
# no-op that exits 0, so a loader named "wine" is not enough: ask dpkg for
# wine32:i386, or look for the 32-bit loader and 32-bit kernel32 of a Wine
# installed another way.
have_wine32() {
  local status
  status=$(dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null || true)
  [ "$status" = "install ok installed" ] && return 0
  local dir
  for dir in /usr/lib/wine /usr/lib/i386-linux-gnu/wine /opt/wine-stable/lib/wine /usr/local/lib/wine; do
    [ -f "$dir/i386-windows/kernel32.dll" ] && return 0
  done
  return 1
}

have_cmds() {  # COMMAND...: every one of them
  local c
  for c in "$@"; do have_cmd "$c" || return 1; done
}

# clang++ links a libFuzzer target (its runtime is a package of its own).
have_fuzzer() {
  have_cmd clang++ || return 1
  printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' |
    clang++ -x c++ -fsanitize=fuzzer - -o /dev/null >/dev/null 2>&1
}

have_gtest() { have_cmake_package GTest || have_header_and_lib gtest/gtest.h gtest; }
have_benchmark() { have_cmake_package benchmark || have_header_and_lib benchmark/benchmark.h benchmark; }

# need PACKAGE CHECK [ARGS...]: PACKAGE is wanted unless CHECK ARGS succeeds.
missing=()
need() {
  local package=$1
  shift
  "$@" && return 0
  [[ " ${missing[*]-} " == *" $package "* ]] || missing+=("$package")
}

apt_opts=(-y -qq -o DPkg::Lock::Timeout=600 -o Acquire::Retries=2)

install_packages() {  # PACKAGE...
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing: $* (install them, or run scripts/install-deps.sh as root)" >&2
    return 1
  fi
  echo "installing: $*"
  export DEBIAN_FRONTEND=noninteractive
  # A failed index (a mirror mid-sync) need not stop the install; the
  # install itself says whether it could be done.
  apt-get update -qq -o DPkg::Lock::Timeout=600 >/dev/null ||
    echo "apt-get update reported errors; installing all the same" >&2
  apt-get install "${apt_opts[@]}" "$@" >/dev/null
}

wine32_marker="$repo/build/wine32-unavailable"

# wine32: never fatal to the caller's build; exit status 0 when Wine can
# run 32-bit programs, 1 otherwise (with one line saying why).
wine32() {
  have_wine32 && return 0
  if [ -f "$wine32_marker" ]; then
    echo "wine32 is not installed ($(head -n 1 "$wine32_marker")); remove $wine32_marker to try again" >&2
    return 1
  fi
  mkdir -p "$(dirname "$wine32_marker")"
  if [ "$(id -u)" -ne 0 ]; then
    echo "not root, could not install wine32:i386" >"$wine32_marker"
    echo "wine32 is not installed and this user cannot install it (apt-get install wine32:i386 as root)" >&2
    return 1
  fi
  echo "installing wine32:i386 (Wine's 32-bit side, about 255 MB), once"
  local log="$repo/build/wine32-install.log" added=0
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    added=1
  fi
  # An index that failed to download (a mirror mid-sync) need not stop the
  # install: apt refuses one whose 32-bit and 64-bit versions do not match.
  timeout 300 apt-get update -o DPkg::Lock::Timeout=600 >"$log" 2>&1 || true
  if timeout 900 apt-get install "${apt_opts[@]}" wine32:i386 >>"$log" 2>&1 && have_wine32; then
    return 0
  fi
  # Leave the machine as it was: an i386 architecture whose indexes do not
  # match would break every later apt-get update.
  if [ "$added" = 1 ] && [ -z "$(dpkg-query -W -f='${Package}:${Architecture}\n' 2>/dev/null | grep ':i386$' || true)" ]; then
    dpkg --remove-architecture i386 || true
  fi
  local reason
  reason=$(grep -E '^(E|W): ' "$log" | head -n 1 || true)
  echo "install failed $(date '+%F %T'): ${reason:-see $log}" >"$wine32_marker"
  echo "wine32:i386 could not be installed: ${reason:-see $log}" >&2
  return 1
}

# Fills "missing" with the packages of the groups' needs that are not met.
collect_missing() {
  missing=()
  local group
  for group in "$@"; do
    case "$group" in
      native)
        need cmake have_cmake
        need make have_cmd make
        need g++ have_cmd "${CXX:-g++}"
        need libgtest-dev have_gtest
        ;;
      bench)
        need libbenchmark-dev have_benchmark
        ;;
      clang)
        need clang have_cmd clang++
        ;;
      fuzz)
        need clang have_cmd clang++
        need libclang-rt-14-dev have_fuzzer
        ;;
      windows)
        need g++-mingw-w64-i686 have_cmd i686-w64-mingw32-g++
        need g++-mingw-w64-x86-64 have_cmd x86_64-w64-mingw32-g++
        need binutils-mingw-w64-i686 have_cmds i686-w64-mingw32-windres i686-w64-mingw32-objdump
        need binutils-mingw-w64-x86-64 have_cmds x86_64-w64-mingw32-windres x86_64-w64-mingw32-objdump
        ;;
      wine)
        need wine have_cmds wine wineserver wineboot
        need wine64 have_wine64
        need xvfb have_cmd Xvfb
        need unzip have_cmd unzip
        ;;
      display)
        need imagemagick have_cmd import
        need x11-utils have_cmd xdpyinfo
        ;;
      dist)
        need nsis have_cmd makensis
        need zip have_cmd zip
        ;;
      lint)
        need clang-tidy have_cmd clang-tidy
        need cppcheck have_cmd cppcheck
        ;;
      format)
        need clang-format have_cmd clang-format
        ;;
      wine32) ;;
      *)
        echo "install-deps.sh: unknown group '$group'" >&2
        exit 2
        ;;
    esac
  done
}

[ $# -gt 0 ] || set -- native
collect_missing "$@"
if [ ${#missing[@]} -gt 0 ]; then
  install_packages "${missing[@]}"
  collect_missing "$@"
  if [ ${#missing[@]} -gt 0 ]; then
    echo "still missing after the install: ${missing[*]} (is something older earlier on PATH?)" >&2
    exit 1
  fi
fi
for group in "$@"; do
  if [ "$group" = wine32 ]; then wine32 || exit 1; fi
done
exit 0
