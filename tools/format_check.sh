#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ file of the tree is formatted as .clang-format says.
# In a git checkout the files are git's (tracked, or new and not ignored);
# in a tree that is not one (an unpacked archive, a copy) every *.cpp and *.h
# that find sees outside the build folders and hidden folders. Finding no
# file at all is a failure too: a check that checked nothing has not passed.
# Usage: tools/format_check.sh [DIR]     (CLANG_FORMAT names another binary)
set -euo pipefail
dir=$(cd "${1:-$(dirname "$0")/..}" && pwd)
clang_format=${CLANG_FORMAT:-clang-format}
cd "$dir"

list=$(mktemp)
trap 'rm -f "$list"' EXIT
if [[ $(git rev-parse --show-toplevel 2>/dev/null) == "$dir" ]]; then
  from=git
  git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' |
    while IFS= read -r -d '' f; do [[ -f $f ]] && printf '%s\0' "$f"; done >"$list"
else
  from=find
  find . -mindepth 1 \( -name '.*' -o -path './build*' -o -path './out' \) -prune \
    -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0 >"$list"
fi
count=$(tr -cd '\0' <"$list" | wc -c)
if ((count == 0)); then
  echo "format check: no C++ files found in $dir ($from)" >&2
  exit 1
fi
version=$("$clang_format" --version | sed -n 's/.*version \([0-9][0-9.]*\).*/\1/p')
echo "format check: $count files ($from) with clang-format $version"
xargs -0 "$clang_format" --dry-run --Werror <"$list" || {
  echo "format check failed: run $clang_format -i on the files above" >&2
  exit 1
}
