#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/format_check.sh on small trees: outside git it finds the files itself
# and fails on a badly formatted one, skips build and hidden folders, and
# fails when it finds nothing to check; in a git checkout a new file that is
# not committed yet is checked too.
# Usage: format_check_test.sh SOURCE_DIR
set -euo pipefail
src=$(cd "$1" && pwd)
check=$src/tools/format_check.sh
if ! command -v "${CLANG_FORMAT:-clang-format}" >/dev/null; then
  echo "skipped: clang-format is not installed"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

# expect VERDICT WHAT DIR: runs the check on DIR and compares its verdict.
expect() {
  local verdict=$1 what=$2 dir=$3 status=0
  "$check" "$dir" >"$work/out" 2>&1 || status=$?
  if [[ $verdict == pass && $status -ne 0 || $verdict == fail && $status -eq 0 ]]; then
    echo "FAILED: $what: expected the check to $verdict, it ended with status $status:"
    cat "$work/out"
    fail=1
  else
    echo "ok: $what"
  fi
}

tree=$work/tree
mkdir -p "$tree/core" "$tree/build/gen" "$tree/.cache"
cp "$src/.clang-format" "$tree/"
cp "$src/core/world.h" "$tree/core/"
expect pass "a formatted tree that is not a git checkout" "$tree"
grep -q '1 files (find)' "$work/out" || { echo "FAILED: the file was not found by find:"; cat "$work/out"; fail=1; }

bad='int  main( ){return 0;}'
echo "$bad" >"$tree/build/gen/moc_generated.cpp"
echo "$bad" >"$tree/.cache/scratch.h"
expect pass "unformatted files in build and hidden folders are not the tree's" "$tree"

echo "$bad" >"$tree/core/bad.cpp"
expect fail "a badly formatted file in a tree that is not a git checkout" "$tree"
grep -q 'core/bad.cpp' "$work/out" || { echo "FAILED: the message does not name core/bad.cpp"; fail=1; }

empty=$work/empty
mkdir -p "$empty"
cp "$src/.clang-format" "$empty/"
expect fail "a tree without C++ files (nothing checked is no pass)" "$empty"

if command -v git >/dev/null; then
  repo=$work/repo
  mkdir -p "$repo/core"
  cp "$src/.clang-format" "$repo/"
  cp "$src/core/world.h" "$repo/core/"
  git -C "$repo" init -q
  git -C "$repo" add .
  expect pass "a formatted git checkout" "$repo"
  echo "$bad" >"$repo/core/new.cpp"
  expect fail "a badly formatted file not yet added to git" "$repo"
fi
exit $fail
