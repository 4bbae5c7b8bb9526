#!/usr/bin/env bash
# The monkey test: runs the editor (the sanitizer build) under a virtual X server on a copy
# of the demo world with a fresh profile, sends a seeded stream of random keys from both
# accelerator tables, clicks, drags, double clicks, wheel turns, Escape and Enter, saves,
# and fails on a sanitizer report, a window that stops answering for 10 s, an editor that
# dies, or a saved world that does not validate.
#   scripts/monkey.sh [BUILD_DIR]     (default build/test)
#   VYR_MONKEY_SECONDS (default 60)   VYR_MONKEY_SEED (default 20)
#   VYR_MONKEY_KEEP=1 keeps the work folder (world, logs, a screenshot before the save)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
seconds=${VYR_MONKEY_SECONDS:-60}
seed=${VYR_MONKEY_SEED:-20}
editor=$build/src/editor/vyrworld
tool=$build/vyrworld-tool
ping=$PWD/scripts/x11_window.py
work=$(mktemp -d "${TMPDIR:-/tmp}/vyr-monkey.XXXXXX")
xvfb_pid="" editor_pid="" events=0

cleanup() {
  [ -n "$editor_pid" ] && kill -9 "$editor_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  if [ -n "${VYR_MONKEY_KEEP:-}" ]; then echo "monkey: kept $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

fail() {
  echo "monkey: FAILED after $events events: $*"
  for log in "$work"/san.* "$work/editor.log"; do
    [ -s "$log" ] && { echo "--- $log"; tail -n 60 "$log"; }
  done
  echo "monkey: replay with VYR_MONKEY_SEED=$seed VYR_MONKEY_SECONDS=$seconds scripts/monkey.sh $build"
  exit 1
}

# Keys of both accelerator tables, as xdotool names them; starting the game is left out.
accelerator_keys() {
  grep -o "{[^{}]*cmd::k[A-Za-z0-9]*}" src/res/accelerators.cpp | grep -v -e "kGameTest" -e "kHelp" |
    sed -E 's/[{} ]//g' | awk -F, '
      BEGIN { split("kLeft=Left kRight=Right kUp=Up kDown=Down kHome=Home kEnd=End kPageUp=Prior kPageDown=Next " \
                    "kSpace=space kDelete=Delete kInsert=Insert kBackspace=BackSpace kTab=Tab kReturn=Return " \
                    "kKeypadPlus=KP_Add kKeypadMinus=KP_Subtract kOemPlus=equal kOemMinus=minus kF1=F1 kF5=F5", pairs, " ")
              for (i in pairs) { split(pairs[i], kv, "="); name[kv[1]] = kv[2] }
              mods["kNone"] = ""; mods["kControl"] = "ctrl+"; mods["kAlt"] = "alt+"; mods["kShift"] = "shift+"
              mods["kCtrlAlt"] = "ctrl+alt+"; mods["kCtrlShift"] = "ctrl+shift+" }
      { key = $1; gsub(/\047/, "", key); if (key in name) key = name[key]; else key = tolower(key)
        if ($2 in mods) print mods[$2] key }' | sort -u
}
mapfile -t keys < <(accelerator_keys)
[ ${#keys[@]} -gt 20 ] || fail "could not read the accelerator tables"
extra_keys=(Escape Return Escape Return 1 2 3 0 BackSpace Left Right Up Down)

# A display nobody uses.
for display in $(seq 90 140); do
  [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
  Xvfb ":$display" -screen 0 1280x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null; xvfb_pid=""
done
[ -n "$xvfb_pid" ] || fail "no free display for Xvfb"
export DISPLAY=":$display"

"$tool" make-demo "$work/demo" >/dev/null || fail "make-demo failed"
world=$(ls "$work"/demo/*.[Vv][Ww][Dd] | head -n 1)
export VYRWORLD_PROFILE=$work/profile.ini XDG_STATE_HOME=$work/state XDG_CONFIG_HOME=$work/config
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:log_path=$work/san
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:log_path=$work/san
export QT_QPA_PLATFORM=xcb
"$editor" "$world" >"$work/editor.log" 2>&1 &
editor_pid=$!

window=""
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --pid "$editor_pid" --name "." 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended at start-up"
  sleep 0.1
done
[ -n "$window" ] || fail "the editor's window did not appear"
sleep 1

alive() { kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended (status $(wait "$editor_pid"; echo $?))"; }
answers() { python3 "$ping" ping "$window" 10 || fail "the window did not answer within 10 s"; }
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || true
  W=${WIDTH:-1000}; H=${HEIGHT:-700}
}
point() { x=$((RANDOM % (W - 40) + 20)); y=$((RANDOM % (H - 170) + 110)); }

echo "monkey: seed $seed for ${seconds}s on $DISPLAY"
RANDOM=$seed
geometry
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  events=$((events + 1))
  roll=$((RANDOM % 100))
  if [ $roll -lt 45 ]; then
    xdotool key --clearmodifiers "${keys[RANDOM % ${#keys[@]}]}" 2>/dev/null
  elif [ $roll -lt 55 ]; then
    xdotool key --clearmodifiers "${extra_keys[RANDOM % ${#extra_keys[@]}]}" 2>/dev/null
  elif [ $roll -lt 70 ]; then
    point; xdotool mousemove --window "$window" $x $y click $((RANDOM % 2 == 0 ? 1 : 3)) 2>/dev/null
  elif [ $roll -lt 78 ]; then
    point; xdotool mousemove --window "$window" $x $y mousedown 1 2>/dev/null
    point; xdotool mousemove --window "$window" $x $y sleep 0.05 mouseup 1 2>/dev/null
  elif [ $roll -lt 83 ]; then
    point; xdotool mousemove --window "$window" $x $y click --repeat 2 --delay 60 1 2>/dev/null
  elif [ $roll -lt 92 ]; then
    mods=("" "ctrl" "shift"); mod=${mods[RANDOM % 3]}
    point; xdotool mousemove --window "$window" $x $y 2>/dev/null
    [ -n "$mod" ] && xdotool keydown "$mod"
    xdotool click $((RANDOM % 2 + 4)) 2>/dev/null
    [ -n "$mod" ] && xdotool keyup "$mod"
  else
    xdotool key --clearmodifiers "$( [ $((RANDOM % 2)) -eq 0 ] && echo Escape || echo Return )" 2>/dev/null
  fi
  # Dialogs and file choosers opened along the way never stay long.
  [ $((events % 12)) -eq 0 ] && xdotool key Escape Escape 2>/dev/null
  if [ $((events % 40)) -eq 0 ]; then alive; answers; geometry; fi
  sleep 0.02
done
alive
answers

[ -n "${VYR_MONKEY_KEEP:-}" ] && import -window root "$work/before-save.png" 2>/dev/null

# Save: questions and dialogs closed first, then Ctrl+S (a Save As chooser is cancelled).
xdotool key Escape Escape Escape 2>/dev/null; sleep 0.3
xdotool key ctrl+s 2>/dev/null; sleep 1
xdotool key Escape Escape 2>/dev/null; sleep 0.3
alive
answers
python3 "$ping" close "$window"
for _ in $(seq 50); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
# "Save changes?" for a world that could not be saved: No (Alt+N), so the exit stays clean.
if kill -0 "$editor_pid" 2>/dev/null; then xdotool key alt+n 2>/dev/null; sleep 2; fi
if kill -0 "$editor_pid" 2>/dev/null; then
  xdotool key Escape 2>/dev/null
  kill -9 "$editor_pid"
  echo "monkey: the editor did not close; killed"
fi
wait "$editor_pid"; status=$?
editor_pid=""
ls "$work"/san.* >/dev/null 2>&1 && fail "a sanitizer report"
[ $status -eq 0 ] || [ $status -eq 137 ] || fail "the editor exited with status $status"
"$tool" validate "$world" >"$work/validate.log" 2>&1 || { cat "$work/validate.log"; fail "the saved world does not validate"; }
echo "monkey: passed, seed $seed, $events events in ${seconds}s"
