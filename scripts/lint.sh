#!/usr/bin/env bash
# lint.sh [JOBS]: clang-tidy (with the repository's .clang-tidy) and
# cppcheck (with .cppcheck-suppressions) over the core and the simulated
# Windows (src/), the Win32 adapter (src/win32) and the tools (tools/).
# Exits non-zero on any finding, on a source file that no build compiles
# (it would go unchecked) and on a tool that fails to run.
#
# Both tools read the compile commands of two builds of their own, only
# configured, never built: build/lint-native (as the native preset) for
# the core, the simulation and the native tools, and build/lint-win64 (as
# the win64 preset, MinGW-w64) for the adapter and the Windows tools.
# Every file's clang-tidy output is kept in build/lint/tidy/; a finding in
# a header that many files include is printed once.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-2}
out="$repo/build/lint"
native="$repo/build/lint-native"
win64="$repo/build/lint-win64"
cd "$repo"

for tool in clang-tidy cppcheck cmake x86_64-w64-mingw32-g++; do
  command -v "$tool" >/dev/null || {
    echo "lint.sh: $tool is missing (scripts/install-deps.sh native windows lint)" >&2
    exit 2
  }
done

rm -rf "$out"
mkdir -p "$out/tidy"

configure() {  # BUILD_DIR CMAKE_ARGS...
  local dir=$1 name
  shift
  name=$(basename "$dir")
  if ! cmake -S "$repo" -B "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" >"$out/configure-$name.log" 2>&1; then
    cat "$out/configure-$name.log" >&2
    echo "lint.sh: could not configure $dir" >&2
    exit 2
  fi
}
configure "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure "$win64" --toolchain "$repo/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel

# The sources a build's compile commands name, under the given folders.
db_files() {  # BUILD_DIR FOLDER...
  local db=$1/compile_commands.json folder
  shift
  local -a patterns=()
  for folder in "$@"; do patterns+=(-e "^$repo/$folder/"); done
  sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$db" | grep "${patterns[@]}" | sort -u
}
mapfile -t native_files < <(db_files "$native" src tools)
mapfile -t win64_files < <(db_files "$win64" src/win32 tools)

findings=0
note_finding() { findings=$((findings + 1)); }

# Every C++ source of src/ and tools/ is compiled by one of the builds, or
# it is not checked at all.
mapfile -t unbuilt < <(comm -23 \
  <(scripts/cxx-files.sh | grep -E '^(src|tools)/.*\.(cpp|cc|cxx)$' | sed "s|^|$repo/|" | sort) \
  <(printf '%s\n' "${native_files[@]}" "${win64_files[@]}" | sort -u))
for file in "${unbuilt[@]}"; do
  [ -n "$file" ] || continue
  echo "${file#"$repo"/}: no build compiles this file, so nothing checks it [lint-unbuilt]"
  note_finding
done

# --- clang-tidy -------------------------------------------------------------

# clang finds MinGW's C headers by itself once the target is known, but not
# the C++ headers of Debian's g++-mingw-w64 (a version folder named
# "12-win32"): take them from the cross compiler itself.
mingw_cxx_includes=()
while IFS= read -r dir; do
  mingw_cxx_includes+=("--extra-arg=-isystem$dir")
done < <(x86_64-w64-mingw32-g++ -x c++ -E -v - </dev/null 2>&1 |
  sed -n '/^#include <...> search starts here:/,/^End of search list\./p' |
  sed -n 's/^ *\(.*\/include\/c++.*\)$/\1/p')
[ ${#mingw_cxx_includes[@]} -gt 0 ] || {
  echo "lint.sh: could not find MinGW's C++ headers" >&2
  exit 2
}

# Findings in the project's own headers count; headers of build/ (the
# generated version header) and of the system do not.
header_filter="^$repo/(src|tools)/"

tidy_one() {  # BUILD_DIR FILE EXTRA_ARGS...
  local db=$1 file=$2 log
  shift 2
  log="$out/tidy/$(printf '%s' "${file#"$repo"/}" | tr '/' '_').log"
  local status=0
  clang-tidy -p "$db" --quiet --header-filter="$header_filter" "$@" "$file" >"$log" 2>&1 || status=$?
  echo "$status" >"$log.status"
}
export -f tidy_one
export out repo header_filter

start=$SECONDS
printf '%s\0' "${native_files[@]}" |
  xargs -0 -P"$jobs" -I{} bash -c 'tidy_one "$@"' _ "$native" {}
printf '%s\0' "${win64_files[@]}" |
  xargs -0 -P"$jobs" -I{} bash -c 'tidy_one "$@"' _ "$win64" {} \
    --extra-arg-before=--target=x86_64-w64-mingw32 "${mingw_cxx_includes[@]}"
tidy_seconds=$((SECONDS - start))

# Each diagnostic with its notes and source lines, once: a header's finding
# comes from every file that includes it. clang-tidy's own tallies go.
tidy_report="$out/clang-tidy.txt"
for file in "${native_files[@]}" "${win64_files[@]}"; do
  cat "$out/tidy/$(printf '%s' "${file#"$repo"/}" | tr '/' '_').log"
done | awk -v repo="$repo/" '
  /^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$/ { next }
  /^[0-9]+ errors? generated\.$/ { next }
  /^Suppressed [0-9]+ warnings/ || /^Use -header-filter=/ || /^Error while processing / { next }
  /^Found compiler errors?/ { next }
  /^[^ ].*:[0-9]+:[0-9]+: (warning|error): / {
    show = !($0 in seen)
    seen[$0] = 1
    if (show) count++
  }
  show { if (index($0, repo) == 1) $0 = substr($0, length(repo) + 1); print }
  END { print count + 0 > "/dev/stderr" }
' >"$tidy_report" 2>"$out/clang-tidy.count"
tidy_count=$(cat "$out/clang-tidy.count")
cat "$tidy_report"
findings=$((findings + tidy_count))

# A run that failed without a diagnostic (a crash, a missing compile
# command) is a fault of its own.
for file in "${native_files[@]}" "${win64_files[@]}"; do
  log="$out/tidy/$(printf '%s' "${file#"$repo"/}" | tr '/' '_').log"
  status=$(cat "$log.status")
  if [ "$status" != 0 ] && ! grep -qE ':[0-9]+:[0-9]+: (warning|error): ' "$log"; then
    echo "${file#"$repo"/}: clang-tidy exited with $status and no finding (see ${log#"$repo"/}) [lint-tool-failed]"
    note_finding
  fi
done

# --- cppcheck ---------------------------------------------------------------

# shellcheck disable=SC2054  # --enable takes a comma-separated list
cppcheck_common=(
  --quiet -j"$jobs" --std=c++17 --language=c++
  --enable=warning,style,performance,portability
  --inline-suppr --suppressions-list=.cppcheck-suppressions
  --error-exitcode=1
  --template='{file}:{line}:{column}: {severity}: {message} [{id}]'
)
# The compile databases are named relative to the repository, so that
# cppcheck reports, filters (--file-filter) and suppresses by relative path.
run_cppcheck() {  # NAME CPPCHECK_ARGS...
  local name=$1 status=0
  shift
  cppcheck "${cppcheck_common[@]}" "$@" >"$out/cppcheck-$name.txt" 2>&1 || status=$?
  # A run that failed without a finding did not check (a filter that
  # matched nothing, a bad option).
  if [ "$status" -ne 0 ] && ! grep -qE '^[^ ].*:[0-9]+:[0-9]+: [a-z]+: ' "$out/cppcheck-$name.txt"; then
    sed 's/^/  /' "$out/cppcheck-$name.txt"
    echo "cppcheck ($name) exited with $status and no finding [lint-tool-failed]"
    note_finding
  fi
}
start=$SECONDS
run_cppcheck native --project="${native#"$repo"/}/compile_commands.json" --platform=unix64 \
  --file-filter='src/*' --file-filter='tools/*'
# The adapter and the Windows tools as MinGW sees them: 64-bit Windows,
# with the Windows API's known functions.
run_cppcheck win64 --project="${win64#"$repo"/}/compile_commands.json" --platform=win64 \
  --library=windows -D_WIN32 -D_WIN64 -D__MINGW32__ \
  --file-filter='src/win32/*' --file-filter='tools/*'
cppcheck_seconds=$((SECONDS - start))
# A header's finding comes once per build that reads it.
sort -u "$out/cppcheck-native.txt" "$out/cppcheck-win64.txt" |
  grep -E '^[^ ].*:[0-9]+:[0-9]+: [a-z]+: ' >"$out/cppcheck.txt" || true
cppcheck_count=$(wc -l <"$out/cppcheck.txt")
cat "$out/cppcheck.txt"
findings=$((findings + cppcheck_count))

echo "lint: clang-tidy $tidy_count finding(s) in ${#native_files[@]}+${#win64_files[@]} files (${tidy_seconds}s)," \
  "cppcheck $cppcheck_count (${cppcheck_seconds}s), $((findings - tidy_count - cppcheck_count)) other"
[ "$findings" -eq 0 ]
