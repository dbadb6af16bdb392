#!/usr/bin/env bash
# Formats every tracked C++ file with the committed .clang-format.
#   scripts/format.sh           rewrite the files in place
#   scripts/format.sh --check   change nothing; fail and list the files that differ
set -euo pipefail

cd "$(dirname "$0")/.."
CLANG_FORMAT=${CLANG_FORMAT:-$(command -v clang-format || command -v clang-format-14 || true)}
if [ -z "$CLANG_FORMAT" ]; then
  echo "format: clang-format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 2
fi

# Tracked files when this is a git checkout, else every C++ file of the source folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
  mapfile -d '' files < <(find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
fi

if [ "${1:-}" = --check ]; then
  # One clang-format process for all files: it names each file that would change.
  report=$("$CLANG_FORMAT" --style=file --dry-run "${files[@]}" 2>&1 || true)
  differing=$(printf '%s\n' "$report" | sed -n 's/^\(.*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
  if [ -n "$differing" ]; then
    echo "These files differ from .clang-format (run scripts/format.sh or 'cmake --build build --target format'):"
    printf '  %s\n' $differing
    exit 1
  fi
  echo "format: ${#files[@]} files match .clang-format"
  exit 0
fi

"$CLANG_FORMAT" --style=file -i "${files[@]}"
