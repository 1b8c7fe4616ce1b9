#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from the root .clang-format, naming the files and
# the command that fixes them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
drift=()
for f in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then drift+=("$f"); fi
done
if [ ${#drift[@]} -gt 0 ]; then
  echo "These files differ from .clang-format:"
  printf '  %s\n' "${drift[@]}"
  echo "Fix them with:  git ls-files '*.cpp' '*.h' | xargs clang-format -i"
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format wants them"
