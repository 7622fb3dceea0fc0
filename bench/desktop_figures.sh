#!/usr/bin/env bash
# Figures of the real window on a virtual 1920 x 1080 display with a window manager (Xvfb and
# openbox; KVORLIN_DESKTOP_TOOLS=1 scripts/install-deps brings them):
#   start to first frame   from exec to the game's window on screen (its first frame is drawn as
#                          it is shown), the best and the median of five starts
#   CPU in play            processor time used by the game over 20 s of play (the main menu left
#                          with Down and Enter), in a window and on the whole screen: first with
#                          the hero standing and the walkers moving, then running: Right held and
#                          a jump every 0.6 s (the level scrolls, so every row of a frame is new,
#                          until the hero falls somewhere); the goal is under 5 % of a core
# With CLONE=1 it first clones this repository into a temporary folder and times a fresh build of
# the game there (`make game`), which with the start gives clone to first frame.
# Usage: bench/desktop_figures.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

ms_now() { echo $(( $(date +%s%N) / 1000000 )); }

if [ "${CLONE:-0}" = 1 ]; then
  t0=$(ms_now)
  git clone -q "$PWD" "$work/clone"
  (cd "$work/clone" && make game JOBS="${JOBS:-2}" >"$work/build.log" 2>&1)
  t1=$(ms_now)
  echo "clone and build (make game, ${JOBS:-2} jobs): $(( (t1 - t0) / 1000 )) s"
  build="$work/clone/build"
fi

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
export SDL_AUDIODRIVER=dummy

# A program folder of our own: the build's pictures and tunes, settings that skip the first run.
game="$work/game"
mkdir -p "$game/grafix" "$game/music"
ln -s "$build"/grafix/*.lev "$game/grafix/"
cp "$build"/music/*.mus "$game/music/"
fresh_settings() { printf '[KV]\r\nfirstrun=no\r\n' >"$game/sys.ini"; }

# Starts the game with the options given; sets `game_pid` and `start_ms`, the ms to its window.
start() {
  local t0
  t0=$(ms_now)
  "$build/kvorlin" --program-dir "$game" "$@" >/dev/null 2>&1 &
  game_pid=$!
  until xdotool search --name '^Kvorlin$' >/dev/null 2>&1; do sleep 0.005; done
  start_ms=$(( $(ms_now) - t0 ))
}
stop() { kill -TERM "$game_pid"; wait "$game_pid" || true; }

starts=()
for _ in 1 2 3 4 5; do
  fresh_settings
  start --window
  starts+=("$start_ms")
  stop
done
sorted=$(printf '%s\n' "${starts[@]}" | sort -n)
echo "start to first frame: best $(echo "$sorted" | head -1) ms, median $(echo "$sorted" | sed -n 3p) ms"

ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
for mode in --window --fullscreen; do
  fresh_settings
  start "$mode"
  sleep 4                       # the menu's opening animation
  xdotool key Down Return       # Nová hra
  sleep 4                       # the curtain and the level start
  for how in standing running; do
    if [ "$how" = running ]; then
      xdotool keydown Right
      (while :; do xdotool key space; sleep 0.6; done) &
      jumper=$!
    fi
    a=$(ticks); t0=$(ms_now)
    sleep 20
    b=$(ticks); t1=$(ms_now)
    if [ "$how" = running ]; then
      kill "$jumper"
      xdotool keyup Right
    fi
    echo "CPU in play, ${mode#--}, $how: $(awk -v d=$((b - a)) -v hz="$(getconf CLK_TCK)" \
      -v ms=$((t1 - t0)) 'BEGIN { printf "%.1f", 100 * d / hz / (ms / 1000) }') % of a core"
  done
  stop
done
