#!/usr/bin/env bash
# Starts the real program in a virtual X display, opens "Technik" >
# "Hydraulik" > "Gefälle gegeben" with the keyboard and checks that the pipe
# flow window appeared.
set -u
kelmo=$1
for cmd in Xvfb xdotool; do
  command -v "$cmd" >/dev/null || { echo "smoke: $cmd is missing"; exit 1; }
done
display=:$((90 + RANDOM % 500))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
kelmo_pid=
trap 'kill $kelmo_pid $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

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
if warte_auf "Rohrleitungsrechner - Gefälle gegeben"; then
  echo "smoke: pipe flow window opened from the menu"
  exit 0
fi
echo "smoke: pipe flow window did not appear"
exit 1
