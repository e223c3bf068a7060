#!/usr/bin/env bash
# Starts the real program in a virtual X display, opens "Technik" >
# "Hydraulik" > "Gefälle gegeben" with the keyboard and checks that the pipe
# flow window appeared; then closes both windows as a user does and checks
# that the program ends by itself, with status 0 (a leak found at its exit in
# the sanitizer build makes it non-zero).
set -u
kelmo=$1
fensterzu=$2
for cmd in Xvfb xdotool; do
  command -v "$cmd" >/dev/null || { echo "smoke: $cmd is missing"; exit 1; }
done
# Xvfb picks a free display itself and names it once it accepts clients;
# -noreset keeps it from restarting when a short-lived client (xdotool)
# disconnects, which a client connecting just then would not survive.
nummer=$(mktemp)
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$nummer" >/dev/null 2>&1 &
xvfb=$!
kelmo_pid=
trap 'kill $kelmo_pid $xvfb 2>/dev/null; wait 2>/dev/null; rm -f "$nummer"' EXIT
for _ in $(seq 100); do [ -s "$nummer" ] && break; sleep 0.05; done
[ -s "$nummer" ] || { echo "smoke: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$nummer")

warte_auf() { # window title
  for _ in $(seq 100); do
    xdotool search --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

QT_QPA_PLATFORM=xcb QT_STYLE_OVERRIDE=windows "$kelmo" &
kelmo_pid=$!
warte_auf "Dorvent - Lurmisch" || { echo "smoke: main window did not appear"; exit 1; }
haupt=$(xdotool search --name "^Dorvent - Lurmisch\$" | head -n1)
xdotool windowactivate --sync "$haupt" 2>/dev/null || xdotool windowfocus --sync "$haupt"
sleep 0.3
# Alt opens the menu bar at "Abwasserbehandlung"; Right to "Technik", Down
# opens it at "Hydraulik", Right opens that at "Gefälle gegeben", Return.
xdotool key --delay 150 alt Right Down Right Return
rohr_titel="Rohrleitungsrechner - Gefälle gegeben"
warte_auf "$rohr_titel" || { echo "smoke: pipe flow window did not appear"; exit 1; }
echo "smoke: pipe flow window opened from the menu"
rohr=$(xdotool search --name "^$rohr_titel\$" | head -n1)
"$fensterzu" "$rohr" "$haupt" || { echo "smoke: could not ask the windows to close"; exit 1; }
for _ in $(seq 300); do
  kill -0 "$kelmo_pid" 2>/dev/null || break
  sleep 0.05
done
if kill -0 "$kelmo_pid" 2>/dev/null; then
  echo "smoke: the program did not end after its last window was closed"
  exit 1
fi
wait "$kelmo_pid"
status=$?
kelmo_pid=
if [ "$status" -ne 0 ]; then
  echo "smoke: the program ended with status $status"
  exit 1
fi
echo "smoke: the program ended after its last window was closed"
exit 0
