#!/usr/bin/env bash
# The real game recording and replaying under a real X server (Xvfb), tried the ways a player's
# machine can end a game: by itself or by the player, by a signal, by losing the display, killed
# outright, two copies on one file, a disk that fills up; and files it must not record to.
# Whatever happens, FILE is either left as it was or replaced by a whole recording that
# totechita-script plays to its end. And the game under a window manager (WindowManager), as its
# frame, a taskbar and a dock see it, whose menu entry is DESKTOP_ENTRY.
#   real_game_test.sh GAME SCRIPT_DRIVER CASE [DESKTOP_ENTRY]
set -uo pipefail
set -m  # each game in a process group of its own, taking SIGINT as a program started by hand
game=$1
driver=$2
case=$3
# A full disk is a small tmpfs, mounted in a mount namespace of the test's own.
if [ "$case" = FullDisk ] && [ -z "${TOTECHITA_OWN_MOUNTS:-}" ]; then
  export TOTECHITA_OWN_MOUNTS=1
  for way in "-m --propagation private" "-rm --propagation private"; do
    # shellcheck disable=SC2086
    unshare $way true 2>/dev/null && exec unshare $way "$0" "$@"
  done
  echo "skipped: cannot mount a tmpfs here"
  exit 77
fi

work=$(mktemp -d)
pids=()
cleanup() {
  if [ "${failures:-0}" -ne 0 ] && [ -s "$work/err" ]; then echo "The game said:"; cat "$work/err"; fi
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  if mountpoint -q "$work/disk" 2>/dev/null; then umount "$work/disk"; fi
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
check() {  # check WHAT ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: got '$2', expected '$3'"; failures=$((failures + 1)); fi
}
fail() { echo "FAILED: $1"; failures=$((failures + 1)); exit 1; }

# An X server of our own. -displayfd would take the lowest free display number, which a server
# that this test cannot see (another user's, in a /tmp of its own) may hold: so any number, and
# the server is ours once it answers with its own screen.
start_display() {
  local number tool
  for tool in Xvfb xdotool openbox prlimit xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "skipped: needs $tool (xvfb xdotool openbox util-linux x11-utils)"; exit 77; }
  done
  for _ in $(seq 20); do
    number=$((100 + RANDOM % 800))
    Xvfb ":$number" -screen 0 1234x1000x24 -nolisten tcp 2>"$work/xvfb.log" &
    xvfb=$!
    pids+=("$xvfb")
    export DISPLAY=:$number
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    for _ in $(seq 100); do
      kill -0 "$xvfb" 2>/dev/null || break
      sleep 0.05
      # A server that finds its number taken ends at once: it has to be there still.
      [ "$(xdotool getdisplaygeometry 2>/dev/null)" = "1234 1000" ] && sleep 0.1 &&
        kill -0 "$xvfb" 2>/dev/null && return
    done
    kill "$xvfb" 2>/dev/null
  done
  fail "no X server of our own would start"
}
# Qt says nothing of its own then.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Under a window manager Qt looks for a session bus, and libdbus leaks a buffer when there is
# none: not the game's to answer for in a build with the leak sanitizer.
echo "leak:libdbus-1.so" >"$work/leaks.supp"
export LSAN_OPTIONS=suppressions=$work/leaks.supp:print_suppressions=0
# openbox runs its startup command once it manages windows; before that it may not map one.
start_window_manager() {  # for the close box: Alt+F4 is openbox's way to it
  openbox --sm-disable --startup "touch $work/managing" >"$work/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 200); do [ -e "$work/managing" ] && break; sleep 0.05; done
}
# The window named NAME of the game with process id PID, once it is shown.
window_of() {  # window_of PID NAME
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --all --pid "$1" --name "$2" 2>/dev/null | head -1)
    if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable; then echo "$id"; return; fi
    kill -0 "$1" 2>/dev/null || break
    sleep 0.05
  done
  return 1
}
# start_game ARGUMENT...: the game's process id in $game_pid, its board (or the window named
# $shows) in $board, its stderr in $work/err. On this shared machine a connection to the X server
# fails now and then (about one in 300); the game, which then has touched no file, is started again.
start_game() {
  for _ in 1 2 3; do
    "$game" "$@" >/dev/null 2>"$work/err" &
    game_pid=$!
    pids+=("$game_pid")
    board=$(window_of "$game_pid" "${shows:-KORUMEDO　トテチータ}") && return
    grep -q "could not connect to display" "$work/err" || break
  done
  fail "the game shows no ${shows:-board}"
}
# A figure of `xwininfo`: `Absolute upper-left X`, `Width`...
geometry() { xwininfo -id "$1" | awk -v what="$2:" 'index($0, "  " what) == 1 { print $NF }'; }
press() {  # press WINDOW KEY...
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool key --delay "${delay:-40}" "${@:2}"
}
# The player ends the game of process PID at WINDOW by the close box or the menu's exit (終了,
# the last command of the board's only menu). On a busy machine the window manager may not have
# taken the window yet, or the menu not have opened: the player tries again.
end_by() {  # end_by "close box"|"menu's exit" WINDOW PID
  for _ in 1 2 3 4; do
    xdotool windowactivate --sync "$2" 2>/dev/null || xdotool windowfocus --sync "$2"
    if [ "$1" = "close box" ]; then
      xdotool key alt+F4
    else
      xdotool mousemove --window "$2" 20 10 click 1
      sleep 0.3
      xdotool key Up Return
    fi
    for _ in $(seq 40); do kill -0 "$3" 2>/dev/null || return 0; sleep 0.05; done
  done
}
ended() {  # ended PID: its exit status, waiting up to 10 s for it before killing it
  for _ in $(seq 200); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
  kill -9 "$1" 2>/dev/null && echo "FAILED: the game did not end"
  wait "$1"
}
temporaries() { find "$work" -maxdepth 2 -name 'game.script.unfinished-*' | sort; }
seed_of_game() {  # the seed in the recording file that the game with this process id has open
  local file
  file=$(find "/proc/$1/fd" -lname "$work/*game.script*" -printf '%l\n' | head -1)
  sed -n 's/^seed //p' "$file"
}
# A recording that plays to its end, with this many keys, and that waits at least MS after its
# last input: the game up to the last instant it served (on a still board, the plane's timer
# moves the clock once a second).
check_whole() {  # check_whole WHAT FILE KEYS MS
  check "$1 plays to its end" "$("$driver" "$2" >/dev/null 2>&1; echo $?)" 0
  check "$1 holds every key" "$(grep -c '^key ' "$2")" "$3"
  local last
  last=$(tail -1 "$2")
  check "$1 waits to the end of the game" "$([ "${last%% *}" = wait ] && [ "${last#wait }" -ge "$4" ] && echo yes || echo "no: $last")" yes
}
# A game on the board that got three keys and ran a second and a half more.
play_a_little() {
  start_game --record "$recording"
  press "$board" Right Right Down
  sleep 0.3
  check "the file is as it was while the game runs" "$(cat "$recording")" old
  check "the game goes to a file of its own" "$(temporaries | wc -l)" 1
  sleep 1.2
}

recording=$work/game.script
echo old >"$recording"
case $case in
  NoDisplay)
    # From a text console, or with a display that is gone: one line where Qt would print several
    # and abort, said to a player who installed the game, with no sources to run make in.
    for display in "" "QT_QPA_PLATFORM=xcb DISPLAY=:4242"; do
      # shellcheck disable=SC2086
      env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$game" --record "$recording" \
        >"$work/out" 2>"$work/err"
      check "without a display ($display) the game ends with status 1" $? 1
      check "and says so in one line, pointing to totechita-script" \
        "$(wc -l <"$work/err") $(grep -c '^totechita: no display found.*totechita-script' "$work/err")" "1 1"
      check "and not to make" "$(grep -c make "$work/err")" 0
      check "and prints nothing else" "$(cat "$work/out")" ""
      check "and leaves the file as it was" "$(cat "$recording")" old
      check "and makes no file beside it" "$(temporaries | wc -l)" 0
    done
    ;;
  CannotRecordThere)
    # Qt's offscreen platform: the game would run, unseen, if it took these.
    mkdir "$work/folder"
    for file in /dev/full "$work/folder" "$work/missing/game.script"; do
      QT_QPA_PLATFORM=offscreen timeout 10 "$game" --record "$file" 2>"$work/err"
      check "the game does not record to $file" $? 1
      check "and says why" "$(grep -c "^totechita: .*$file" "$work/err")" 1
    done
    check "and makes no file" "$(find "$work" -name '*.unfinished-*' | wc -l)" 0
    ;;
  SIGTERM | SIGINT | SIGHUP | LostDisplay)
    start_display
    play_a_little
    if [ "$case" = LostDisplay ]; then
      kill "$xvfb"
      ended "$game_pid"
      check "the game ends with status 1 when its display goes" $? 1
      check "and says its recording is kept" "$(grep -c 'cut short' "$work/err")" 1
    else
      kill -"${case#SIG}" "$game_pid"
      ended "$game_pid"
      check "the game ends by $case" $? $((128 + $(kill -l "${case#SIG}")))
    fi
    check_whole "the recording" "$recording" 3 400
    check "no file is left beside it" "$(temporaries | wc -l)" 0
    ;;
  SIGKILL)
    start_display
    play_a_little
    kill -KILL "$game_pid"
    ended "$game_pid"
    check "the file is as it was" "$(cat "$recording")" old
    check "the recording so far is beside it" "$(temporaries | wc -l)" 1
    temporary=$(temporaries)
    check "it plays to its end" "$("$driver" "$temporary" >/dev/null 2>&1; echo $?)" 0
    check "it holds every key" "$(grep -c '^key ' "$temporary")" 3
    ;;
  TwoCopies)
    start_display
    start_game --record "$recording"
    first=$game_pid
    first_board=$board
    start_game --record "$recording"
    second=$game_pid
    press "$first_board" Left Left
    sleep 1.5
    first_seed=$(seed_of_game "$first")
    second_seed=$(seed_of_game "$second")
    kill "$first"
    ended "$first"
    check "the first copy's game is in the file" "$(sed -n 's/^seed //p' "$recording")" "$first_seed"
    check_whole "the first copy's recording" "$recording" 2 400
    kill "$second"
    ended "$second"
    check "then the second copy's, which ended last" "$(sed -n 's/^seed //p' "$recording")" "$second_seed"
    check_whole "the second copy's recording" "$recording" 0 1500
    check "no file is left beside it" "$(temporaries | wc -l)" 0
    ;;
  FileTooLarge | FullDisk)
    start_display
    start_window_manager
    reason="File too large"
    if [ "$case" = FullDisk ]; then
      reason="No space left on device"
      mkdir "$work/disk"
      mount -t tmpfs -o size=64k tmpfs "$work/disk" || { echo "skipped: cannot mount a tmpfs"; exit 77; }
      recording=$work/disk/game.script
      echo old >"$recording"
      dd if=/dev/zero of="$work/disk/full" bs=4k 2>/dev/null
      timeout 10 "$game" --record "$recording" 2>"$work/err"
      check "on a full disk the game does not start" $? 1
      check "and says why" "$(cat "$work/err")" "totechita: cannot write $recording: $reason"
      check "and leaves no file beside it" "$(temporaries | wc -l)" 0
      rm "$work/disk/full"
    fi
    start_game --record "$recording"
    if [ "$case" = FullDisk ]; then
      dd if=/dev/zero of="$work/disk/full" bs=4k 2>/dev/null
    else
      prlimit --pid "$game_pid" --fsize=400:400
    fi
    # What the disk still takes of the recording's last block holds a few hundred keys at most.
    for _ in $(seq 40); do
      grep -q "$reason" "$work/err" || ! kill -0 "$game_pid" 2>/dev/null && break
      delay=5 press "$board" Right Left Right Left Right Left Right Left Right Left
    done
    check "a write that fails is said at once" "$(grep -cxF \
      "totechita: cannot write the recording: $reason; the game goes on unrecorded" "$work/err")" 1
    press "$board" Right
    check "and the game goes on" "$(kill -0 "$game_pid" && echo yes)" yes
    end_by "close box" "$board" "$game_pid"
    ended "$game_pid"
    check "the game then ends with status 1" $? 1
    temporary=$(temporaries)
    check "and says it again, and where the game is" "$(tail -1 "$work/err")" \
      "totechita: cannot write the recording: $reason; $recording is as it was, and the game up to then is in $temporary"
    check "the file is as it was" "$(cat "$recording")" old
    check "the recording up to the failed write plays to its end" \
      "$("$driver" "$temporary" >/dev/null 2>&1; echo $?)" 0
    ;;
  ReplayEndsAsThePlayerAsks)
    start_display
    start_window_manager
    { printf 'seed 1\nwait 1600\n'; for _ in $(seq 600); do printf 'key Right\nwait 1000\n'; done; } >"$recording"
    for way in "close box" "menu's exit"; do
      start_game --replay "$recording"
      sleep 0.3
      end_by "$way" "$board" "$game_pid"
      ended "$game_pid"
      check "the $way ends a replay with status 0" $? 0
      check "and nothing to say" "$(cat "$work/err")" ""
    done
    ;;
  WindowManager)
    start_display
    start_window_manager
    shows=Form1 start_game
    title=$board
    for _ in $(seq 40); do xprop -id "$title" _NET_WM_ALLOWED_ACTIONS | grep -q ACTION && break; sleep 0.05; done
    actions=$(xprop -id "$title" _NET_WM_ALLOWED_ACTIONS)
    check "the title cannot be moved" "$(grep -c '_NET_WM_ACTION_MOVE\b' <<<"$actions")" 0
    check "the title cannot be resized" "$(grep -c '_NET_WM_ACTION_RESIZE\b' <<<"$actions")" 0
    check "the title says it has no taskbar entry" \
      "$(xprop -id "$title" _NET_WM_STATE | grep -c _NET_WM_STATE_SKIP_TASKBAR)" 1
    check "the title is centred" "$(geometry "$title" 'Absolute upper-left X'),$(geometry "$title" 'Absolute upper-left Y')" \
      "$(((1234 - $(geometry "$title" Width)) / 2)),$(((1000 - $(geometry "$title" Height)) / 2))"
    check "the windows' class is the menu entry's StartupWMClass" \
      "$(xprop -id "$title" WM_CLASS | sed -E 's/.*, "(.*)"$/\1/')" "$(sed -n 's/^StartupWMClass=//p' "$4")"

    board=$(window_of "$game_pid" "KORUMEDO　トテチータ") || fail "the game shows no board"
    for _ in $(seq 40); do xprop -id "$board" _NET_FRAME_EXTENTS | grep -q = && break; sleep 0.05; done
    sleep 0.3  # the window is centred again when it is first exposed with its frame
    read -r left right top bottom < <(xprop -id "$board" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    frame_x=$(($(geometry "$board" 'Absolute upper-left X') - left))
    frame_y=$(($(geometry "$board" 'Absolute upper-left Y') - top))
    frame_width=$(($(geometry "$board" Width) + left + right))
    frame_height=$(($(geometry "$board" Height) + top + bottom))
    centred() { local off=$(($1 * 2 + $2 - $3)); [ "${off#-}" -le 2 ] && echo yes || echo "no, off by $off / 2"; }
    check "the board's frame is centred across" "$(centred "$frame_x" "$frame_width" 1234)" yes
    check "the board's frame is centred down" "$(centred "$frame_y" "$frame_height" 1000)" yes
    check "the board's icon comes at 16 to 256 pixels" \
      "$(xprop -len 999999999 -id "$board" _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | tr -dc '0-9 ' | xargs)" \
      "16 24 32 48 64 128 256"
    ;;
  *)
    fail "no case $case"
    ;;
esac
[ "$failures" -eq 0 ]
