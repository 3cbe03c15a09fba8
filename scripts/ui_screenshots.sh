#!/usr/bin/env bash
# Takes screenshots of the program window under a virtual X server: the main
# window, the site dialog, the dial type dialog, the parameters dialog, the
# colour panel, the slide show and the sun calculator in its four modes, in
# German and in English. QT_SCALE_FACTOR=1.5 in the environment gives 150 %.
# usage: scripts/ui_screenshots.sh KELVRA_EXE OUT_DIR
set -euo pipefail
exe=$(readlink -f "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export KELVRA_HOME="$home"
"$exe" settings write "$home/kel.ini" >/dev/null
# A free display of our own, chosen by the server.
Xvfb -displayfd 1 -screen 0 1400x900x24 > "$home/display" 2>/dev/null & xpid=$!
for _ in $(seq 1 50); do [ -s "$home/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$home/display")
sleep 1
unset QT_QPA_PLATFORM
"$exe" >/dev/null 2>&1 & kpid=$!
cleanup() { kill $kpid 2>/dev/null || true; kill $xpid 2>/dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
for _ in $(seq 1 50); do
  xdotool search --name "Kelvra  v." >/dev/null 2>&1 && break
  sleep 0.2
done
win=$(xdotool search --name "Kelvra  v." | head -1)
xdotool windowfocus "$win" 2>/dev/null || true
sleep 1
shot() { sleep 0.8; import -window root "$out/$1.png"; }
key() { xdotool key --window "$win" "$@"; }
for lang in de en; do
  if [ "$lang" = en ]; then key ctrl+e; sleep 0.5; fi
  shot "main_$lang"
  key F5; shot "site_$lang"
  key F6; shot "type_$lang"
  key F7; shot "parameters_$lang"
  key alt+F3; sleep 0.3
  key F8; sleep 1; shot "drawing_$lang"
  key alt+F3; sleep 0.3
  key alt+F1; shot "wizard_$lang"
  key alt+F3; sleep 0.3
  key alt+F8; shot "colours_$lang"
  key Escape; sleep 0.3
  # The sun calculator in its four modes, each computed from its pop-up menu.
  for k in F9 F10 F11 F12; do
    key $k; sleep 0.8
    xdotool mousemove --window "$win" 700 430 click 3; sleep 0.4
    xdotool key Down Return; shot "calculator_${k}_$lang"
  done
  key alt+F3; sleep 0.3
done
