#!/usr/bin/env bash
# Measures the time from starting the program to its main window on the
# screen, and the memory it takes, under a virtual X server.
# usage: scripts/measure_startup.sh KELVRA_EXE [RUNS]
set -euo pipefail
exe=$(readlink -f "$1")
runs=${2:-5}
home=$(mktemp -d)
export KELVRA_HOME="$home"
"$exe" settings write "$home/kel.ini" >/dev/null
# A free display of our own, chosen by the server.
Xvfb -displayfd 1 -screen 0 1400x900x24 > "$home/display" 2>/dev/null & xpid=$!
for _ in $(seq 1 50); do [ -s "$home/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$home/display")
trap 'kill $xpid 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1
unset QT_QPA_PLATFORM
for run in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  "$exe" >/dev/null 2>&1 & pid=$!
  for _ in $(seq 1 2000); do
    xdotool search --onlyvisible --name "Kelvra  v." >/dev/null 2>&1 && break
    kill -0 $pid 2>/dev/null || { echo "run $run: the program ended early"; continue 2; }
    sleep 0.01
  done
  shown=$(date +%s%N)
  sleep 2
  rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  hwm=$(awk '/VmHWM/ {print $2}' /proc/$pid/status)
  kill $pid; wait $pid 2>/dev/null || true
  printf 'run %d: main window after %4d ms, memory %d MB (peak %d MB)\n' "$run" \
    $(( (shown - start) / 1000000 )) $(( rss / 1024 )) $(( hwm / 1024 ))
done
