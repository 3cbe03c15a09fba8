#!/usr/bin/env bash
# Takes screenshots of the program window under a virtual X server: the main
# window, the site dialog, the dial type dialog, the parameters dialog, the
# colour panel, the slide show, the sun calculator in its four modes, the
# tables window (each yearly table, the rise-and-set table for a month and a
# half-year, the equation-of-time graph, both sun-path diagrams) from the main
# window's keys and from the calculator's buttons and pop-up menu, in German
# and in English. QT_SCALE_FACTOR=1.5 in the environment gives 150 %; the
# clicks on the choice lists assume 100 %.
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
  # The tables window. A click on the status bar gives the main window the
  # keyboard again (without a window manager a closed pop-up leaves none).
  focus_main() { xdotool mousemove 300 853 click 1; sleep 0.3; }
  # Picks entry `2` (0 the first) of the choice list at `1` ("x y").
  choose() { xdotool mousemove $1 click 1; sleep 0.4; xdotool key Home; for _ in $(seq 1 "$2"); do xdotool key Down; done; xdotool key Return; }
  focus_main; key alt+F12; shot "table_eot_$lang"
  choose "430 62" 1; shot "table_eot_longitude_$lang"
  focus_main; key alt+F10; shot "table_declination_$lang"
  focus_main; key alt+F11; shot "table_noon_$lang"
  focus_main; key alt+F9; choose "334 62" 0; shot "table_riseset_month_$lang"
  choose "334 62" 1; shot "table_riseset_half1_$lang"
  focus_main; key ctrl+F12; sleep 0.5; shot "graph_eot_$lang"
  focus_main; key ctrl+F10; sleep 0.5; shot "graph_sunpath_rectangular_$lang"
  focus_main; key ctrl+F11; sleep 0.5; shot "graph_sunpath_polar_$lang"
  # From the calculator: its graph buttons (access key G) and "Weitere
  # Tabellen ..." (the fifth entry of its pop-up menu, then the first table).
  focus_main; key F12; sleep 0.8; xdotool key alt+g; shot "calculator_graph_eot_$lang"
  focus_main; key F10; sleep 0.8; xdotool key alt+g; shot "calculator_graph_sunpath_$lang"
  focus_main; key F10; sleep 0.8
  xdotool mousemove 850 470 click 3; sleep 0.4
  xdotool key Down Down Down Down Down Right; sleep 0.4; shot "calculator_more_tables_$lang"
  xdotool key Return; shot "calculator_more_tables_riseset_$lang"
  focus_main; key alt+F3; sleep 0.3
done
