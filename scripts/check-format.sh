#!/usr/bin/env bash
# check-format.sh [JOBS]: fails when any C++ file of the project (see
# cxx-files.sh) differs from what .clang-format makes of it. Prints the
# files that would change and how many; `make format` rewrites them.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-2}
cd "$repo"
command -v clang-format >/dev/null || {
  echo "check-format.sh: clang-format is missing (scripts/install-deps.sh format)" >&2
  exit 2
}
mapfile -t files < <(scripts/cxx-files.sh)
[ ${#files[@]} -gt 0 ] || { echo "check-format.sh: no C++ files found" >&2; exit 2; }

# One clang-format per file, so that each file's verdict is its own exit
# status; a file that clang-format cannot read counts as unformatted.
# shellcheck disable=SC2016  # $1 is the inner shell's
unformatted=$(printf '%s\0' "${files[@]}" |
  xargs -0 -P"$jobs" -n1 sh -c 'clang-format --dry-run -Werror "$1" >/dev/null 2>&1 || printf "%s\n" "$1"' sh |
  sort)
if [ -n "$unformatted" ]; then
  count=$(printf '%s\n' "$unformatted" | wc -l)
  printf '%s\n' "$unformatted" | sed 's/^/  not formatted: /'
  echo "check-format: $count of ${#files[@]} C++ files are not formatted (make format rewrites them)" >&2
  exit 1
fi
echo "check-format: all ${#files[@]} C++ files formatted"
