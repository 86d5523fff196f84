#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the committed application icon files from the hand-drawn
# packaging/icons/pilecalc.svg: the hicolor PNGs (48, 128, 256) and the
# Windows .ico (16 to 256, PNG-compressed entries). Run after editing the SVG
# and commit the results; the build itself never needs librsvg.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
command -v rsvg-convert >/dev/null || { echo "needs rsvg-convert (Debian: librsvg2-bin)" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48 128 256; do
  rsvg-convert -w "$size" -h "$size" pilecalc.svg -o "$tmp/$size.png"
done
for size in 48 128 256; do cp "$tmp/$size.png" "pilecalc-$size.png"; done
python3 - "$tmp" <<'PY'
import struct, sys
sizes = [16, 32, 48, 128, 256]
images = [open(f"{sys.argv[1]}/{s}.png", "rb").read() for s in sizes]
offset = 6 + 16 * len(images)
header = struct.pack("<HHH", 0, 1, len(images))
entries = b""
for s, data in zip(sizes, images):
    # 0 in the width and height bytes stands for 256.
    entries += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
with open("pilecalc.ico", "wb") as f:
    f.write(header + entries + b"".join(images))
PY
ls -l pilecalc-*.png pilecalc.ico
