#!/bin/bash
# Runs the window benchmarks on a private X display: an Xvfb with openbox, as a desktop has a
# window manager. Usage: bash bench/run_gui_benches.sh [build folder = build/default] [WxH]
set -euo pipefail
construction=${1:-build/default}
taille=${2:-1366x768}
bin="$construction/bin"

# The first display number without an X server.
n=90
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 "${taille}x24" >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=":$n" openbox >/dev/null 2>&1 &
openbox=$!
# The game, built with its start-up timing hook, runs from a folder of its own, so that its
# data files stay out of the build.
jeu=$(mktemp -d)
cp "$bin/rolvex-chrono" "$bin"/rolvex*.hlp "$jeu/"
trap 'kill "$openbox" "$xvfb" 2>/dev/null || true; rm -rf "$jeu"' EXIT
sleep 1

echo "== start-up and idle game, on a ${taille} screen =="
DISPLAY=":$n" "$bin/rolvex-startup-bench" "$jeu/rolvex-chrono" 9 20
echo "== throws and clicks over six-column games, under X =="
DISPLAY=":$n" "$bin/rolvex-gui-bench" 5 2>/dev/null
echo "== the same, offscreen =="
QT_QPA_PLATFORM=offscreen "$bin/rolvex-gui-bench" 5 2>/dev/null
