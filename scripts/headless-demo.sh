#!/usr/bin/env bash
# Inside a virtual display: starts the overlay, takes the two screenshots and
# closes it. Usage: headless-demo.sh RUN_DIR
set -euo pipefail
run_dir=$1
shots=$run_dir/screenshots
mkdir -p "$shots"
wine "$run_dir/Varnomel.exe" </dev/null >/dev/null 2>&1 &
overlay=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --class 'varnomel.exe' | head -n1)
sleep 1
import -window root "$shots/after-start.png"

eval "$(xdotool getwindowgeometry --shell "$window")"
# The third base item's icon: at 100 % the row starts 56 pixels from the
# left, 32 apart; the form grows with the display's scale, as WIDTH shows.
xdotool mousemove $((X + (56 + 32 * 2 + 16) * WIDTH / 375)) $((Y + 16 * WIDTH / 375)) click 1
sleep 1
import -window root "$shots/after-pressing-item-3.png"

wine taskkill /im Varnomel.exe >/dev/null 2>&1 || true   # a close request, not a kill
timeout 20 tail --pid="$overlay" -f /dev/null || true
echo "screenshot after start:          $shots/after-start.png"
echo "screenshot after pressing item 3: $shots/after-pressing-item-3.png"
