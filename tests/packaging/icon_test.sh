#!/usr/bin/env bash
# Renders the icon at menu and software-centre sizes, and checks that it is square and draws
# everything from its own file.
# usage: icon_test.sh RSVG_CONVERT ICON.svg SCRATCH_DIR
set -euo pipefail
rsvg=$1 icon=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch"

# Width and height of a PNG, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }

# At its own size, so that a wrong viewBox or width shows as a non-square picture.
"$rsvg" "$icon" -o "$scratch/natural.png"
size=$(png_size "$scratch/natural.png")
[ "${size%x*}" = "${size#*x}" ] || { echo "FAIL: the icon is $size, not square"; exit 1; }

for s in 48 256; do
  "$rsvg" -w "$s" -h "$s" "$icon" -o "$scratch/$s.png"
done

# A link to anything but a part of the same file would not be found once installed.
if grep -nE 'href="[^#]' "$icon"; then
  echo "FAIL: the icon links to something outside itself"
  exit 1
fi
echo "icon is $size and renders at 48 and 256 px"
