#!/usr/bin/env bash
# The real game under a real window manager (openbox on Xvfb), as its frame, a taskbar and a dock
# see it: the title can be neither moved nor resized and has no taskbar entry; the board is
# centred with its frame; the windows' X11 class is the menu entry's StartupWMClass; the board's
# icon comes in every size.
#   x11_window_manager_test.sh GAME DESKTOP_ENTRY
set -euo pipefail
game=$1
entry=$2
for tool in Xvfb openbox xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: needs $tool (xvfb openbox x11-utils)"; exit 77; }
done
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
check() {  # check WHAT ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: got '$2', expected '$3'"; failures=$((failures + 1)); fi
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# openbox runs its startup command once it manages windows; before that it may not map one.
openbox --sm-disable --startup "touch $work/managing" >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -e "$work/managing" ] && break; sleep 0.05; done

# The id of the top-level client window with this name, waiting up to 10 s for it to be mapped.
client() {
  local id
  for _ in $(seq 200); do
    id=$(xwininfo -root -tree | awk -v name="\"$1\":" '$2 == name { print $1; exit }')
    if [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable; then echo "$id"; return; fi
    sleep 0.05
  done
  echo "no window named $1" >&2
  exit 1
}
# A figure of `xwininfo`: `Absolute upper-left X`, `Width`...
geometry() { xwininfo -id "$1" | awk -v what="$2:" 'index($0, "  " what) == 1 { print $NF }'; }

"$game" 2>"$work/game.log" &
pids+=($!)

title=$(client Form1)
for _ in $(seq 40); do xprop -id "$title" _NET_WM_ALLOWED_ACTIONS | grep -q ACTION && break; sleep 0.05; done
actions=$(xprop -id "$title" _NET_WM_ALLOWED_ACTIONS)
check "the title cannot be moved" "$(grep -c '_NET_WM_ACTION_MOVE\b' <<<"$actions" || true)" 0
check "the title cannot be resized" "$(grep -c '_NET_WM_ACTION_RESIZE\b' <<<"$actions" || true)" 0
check "the title says it has no taskbar entry" \
  "$(xprop -id "$title" _NET_WM_STATE | grep -c _NET_WM_STATE_SKIP_TASKBAR || true)" 1
check "the title is centred" "$(geometry "$title" 'Absolute upper-left X'),$(geometry "$title" 'Absolute upper-left Y')" \
  "$(((1280 - $(geometry "$title" Width)) / 2)),$(((1024 - $(geometry "$title" Height)) / 2))"
class=$(xprop -id "$title" WM_CLASS | sed -E 's/.*, "(.*)"$/\1/')
check "the windows' class is the menu entry's StartupWMClass" "$class" \
  "$(sed -n 's/^StartupWMClass=//p' "$entry")"

board=$(client "KORUMEDO　トテチータ")
for _ in $(seq 40); do xprop -id "$board" _NET_FRAME_EXTENTS | grep -q = && break; sleep 0.05; done
sleep 0.3  # the window is centred again when it is first exposed with its frame
read -r left right top bottom < <(xprop -id "$board" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
frame_x=$(($(geometry "$board" 'Absolute upper-left X') - left))
frame_y=$(($(geometry "$board" 'Absolute upper-left Y') - top))
frame_width=$(($(geometry "$board" Width) + left + right))
frame_height=$(($(geometry "$board" Height) + top + bottom))
centred() { local off=$(($1 * 2 + $2 - $3)); [ "${off#-}" -le 2 ] && echo yes || echo "no, off by $off / 2"; }
check "the board's frame is centred across" "$(centred "$frame_x" "$frame_width" 1280)" yes
check "the board's frame is centred down" "$(centred "$frame_y" "$frame_height" 1024)" yes
check "the board's icon comes at 16 to 256 pixels" \
  "$(xprop -len 999999999 -id "$board" _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | tr -dc '0-9 ' | xargs)" \
  "16 24 32 48 64 128 256"

[ "$failures" -eq 0 ]
