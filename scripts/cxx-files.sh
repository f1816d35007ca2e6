#!/usr/bin/env bash
# cxx-files.sh: prints the project's own C++ sources and headers, one path
# a line relative to the repository: those of src/, tests/, tools/, fuzz/
# and bench/ that git tracks or would track (new files count, anything
# .gitignore covers does not, so nothing of build/ or dist/). Templates that
# CMake fills in (*.h.in) are not C++ yet and are left out. Without git (an
# unpacked archive) the folders are walked instead.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
folders=(src tests tools fuzz bench)
pattern='\.(cpp|cc|cxx|h|hh|hpp|hxx|inl|ipp)$'
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # A file deleted in the work tree but not yet in the index is still
  # listed by git; only files that exist are printed.
  git ls-files --cached --others --exclude-standard -- "${folders[@]}" |
    grep -E "$pattern" | sort -u |
    while IFS= read -r path; do
      if [ -f "$path" ]; then printf '%s\n' "$path"; fi
    done
else
  find "${folders[@]}" -type f | grep -E "$pattern" | sort
fi
