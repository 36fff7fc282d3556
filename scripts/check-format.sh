#!/usr/bin/env bash
# Fails when a C++ file differs from .clang-format; names each such file.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests bench fuzz demo -name '*.cpp' -o -name '*.h')
fi
bad=0
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
    echo "not formatted: $f (clang-format -i $f)"
    bad=1
  fi
done
exit $bad
