#!/usr/bin/env bash
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the top
# of every tracked source file (C++ sources and headers, CMake files, shell
# scripts, the Makefile, the Windows resource). Files that already carry an
# SPDX line are left alone, so it can be run again after every merge; it
# changes nothing else. Usage: tools/add-spdx.sh  (from anywhere in the tree)
set -euo pipefail
cd "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"

tag="SPDX-License-Identifier: GPL-3.0-or-later"
changed=0

while IFS= read -r -d '' file; do
  case $file in
    *.cpp | *.h | *.rc.in) comment="//" ;;
    *CMakeLists.txt | *.cmake | *.sh | Makefile | .ci/run) comment="#" ;;
    *) continue ;;
  esac
  [[ -f $file ]] || continue
  head -n 3 "$file" | grep -q "SPDX-License-Identifier" && continue
  tmp=$(mktemp)
  if head -n 1 "$file" | grep -q '^#!'; then
    # Below the interpreter line, which must stay first.
    { head -n 1 "$file"; echo "$comment $tag"; tail -n +2 "$file"; } > "$tmp"
  else
    { echo "$comment $tag"; cat "$file"; } > "$tmp"
  fi
  # Keep the file's mode (scripts stay executable).
  cat "$tmp" > "$file"
  rm -f "$tmp"
  changed=$((changed + 1))
done < <(git ls-files -z)

echo "add-spdx: licence line added to $changed file(s)"
