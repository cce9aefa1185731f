#!/usr/bin/env bash
# Takes the screenshots of the README: each program's window with a worked example filled in and
# solved, saved as docs/tollard.png and docs/vennick.png.
#
#   scripts/screenshots.sh [tollard-program [vennick-program]]
#
# Builds nothing: the programs default to build/tollard/tollard and build/vennick/vennick (run
# `make run` or `make test` first). Each program runs under its own virtual X server (display :97
# unless SCREENSHOT_DISPLAY says otherwise, no window manager) in a temporary current directory,
# which takes its AppResources/ folder and vennick's result file and is removed afterwards.
#
# Needs, besides the programs: Xvfb (Debian package xvfb), xdotool (xdotool) and ImageMagick's
# import (imagemagick). `make test` does not need the last two, so scripts/packages.txt does not
# list them; install them with
#   apt-get install xvfb xdotool imagemagick
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
tollard=$(realpath -m "${1:-$root/build/tollard/tollard}")
vennick=$(realpath -m "${2:-$root/build/vennick/vennick}")
display=":${SCREENSHOT_DISPLAY:-97}"

missing=()
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "screenshots: missing ${missing[*]}; install them with: apt-get install xvfb xdotool imagemagick" >&2
  exit 1
fi
for program in "$tollard" "$vennick"; do
  if [ ! -x "$program" ]; then
    echo "screenshots: no program at $program; build it first (make test) or name it as an argument" >&2
    exit 1
  fi
done
mkdir -p "$root/docs"

# The numbers below are typed with a point as the decimal separator.
export LC_ALL=C.UTF-8
export DISPLAY="$display"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

xvfb_pid=""
program_pid=""
workdir=""
# Ends the program and the X server started here (by their ids) and removes the folder.
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; wait "$program_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$workdir" ]; then rm -rf "$workdir"; fi
  program_pid="" xvfb_pid="" workdir=""
}
trap cleanup EXIT

# Starts a fresh X server and the program in a new temporary folder; sets window to its window.
start() {
  local program=$1 title=$2
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "screenshots: Xvfb did not start on $display" >&2; exit 1; }
  workdir=$(mktemp -d -t example.XXXXXX)
  mkdir "$workdir/results"
  (cd "$workdir/results" && exec "$program") >/dev/null 2>&1 &
  program_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
  [ -n "$window" ] || { echo "screenshots: the window \"$title\" did not appear" >&2; exit 1; }
  # No window manager: the keyboard focus is given to the window directly.
  xdotool windowfocus --sync "$window"
  sleep 1
}

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
type_text() { xdotool type --delay 40 "$1"; }
key() { xdotool key --delay 60 "$@"; }

shoot() {
  sleep 1
  import -window "$window" "$1"
  echo "screenshots: wrote $1"
  cleanup
}

# tollard: the worked example. The focus starts in Forging Volume; Tab runs through the inputs
# to Solve.
start "$tollard" "Tollard v1.0"
type_text 50000; key Tab
type_text 3; key Tab
type_text 2; key Tab
type_text "EN 10060"; key Tab
key space
shoot "$root/docs/tollard.png"

# vennick: the LZK 2500 press, velocity, one operation row 20 / 2 / 0.1 / 2, written into the
# temporary folder. Places are the window's own (client area, no frame).
start "$vennick" "Vennick"
click 265 22                           # the press list's text field
type_text "LZK 2500"
click 456 92                           # Operation #1, height
type_text 20; key Tab
type_text 2; key Tab
type_text 0.1; key Tab
type_text 2
click 526 192                          # Solve
shoot "$root/docs/vennick.png"
