#!/usr/bin/env bash
# Regenerates the README's screenshots from the real game. Builds the game's
# pictures and the snapshot tool, plays each scene headless with a fixed key
# timeline in a scratch copy of the run folder (so the player's highscores are
# neither shown nor touched), and writes small PNGs into docs/screenshots/.
#
# Usage: tools/screenshots.sh [BUILD_FOLDER]     (default: build)
#
# The game is deterministic, so the same sources give the same pictures. When
# the art or the rules change, a timeline may need new frame numbers: look at
# every picture after running this.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
out="$root/docs/screenshots"

if ! command -v convert >/dev/null; then
    echo "screenshots: needs convert from imagemagick (make setup installs it)" >&2
    exit 1
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
run=$(sed -n 's/^KAVREL_RUN_DIR:PATH=//p' "$build/CMakeCache.txt")
targets=(kavrel-snapshot)
if [ -z "$run" ]; then
    run="$build/run"
    targets+=(run_folder)
fi
cmake --build "$build" -j 2 --target "${targets[@]}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R "$run/data" "$scratch/data"
# A table whose checksum does not match: the game puts its default table in
# its place, so the highscore list always shows the same entries.
printf '\364\361\040\364\361' >"$scratch/data/M/007.obx"
mkdir -p "$scratch/raw" "$out"

# shot NAME FRAME [kavrel-snapshot options]: plays up to FRAME and keeps that
# frame as docs/screenshots/NAME.png, at 400 by 300 in 256 colours.
shot() {
    local name=$1 frame=$2
    shift 2
    "$build/tools/kavrel-snapshot" "$scratch" "$@" \
        --shot "$frame:$name.png" --out "$scratch/raw" >/dev/null
    convert "$scratch/raw/$name.png" -resize 400x300 -colors 256 -strip "$out/$name.png"
    echo "docs/screenshots/$name.png (frame $frame)"
}

# The menus. On the options page: two players, five lives, the volume
# turned down a little, the cursor on the lives.
shot menu 30
shot options 130 --key down:40 --key return:50 \
    --key up:60 --key right:62-64 --key up:70 --key right:75 --key right:80 \
    --key up:90 --key left:95-102 --key down:110
shot highscores 70 --key down:40 --key down:45 --key return:50
# The information page with the rules.
shot info 75 --key down:40 --key down:45 --key down:50 --key return:55

# The opening story: the hangar.
shot story 280 --mode 1

# Course 1: threading between two crystals, three popups.
shot course1 150 --mode 3 --key right:1-12 --key down:88-98 --key up:130-136
# Course 2: under a jellyfish, a mine and an anchor below.
shot course2 226 --mode 4 --key right:1-10
# Course 3: a near pass over a crate, between the pipe and the sludge.
shot course3 90 --mode 5 --key right:1-6 --key left:40-43 --key down:60-66
# Course 4: the living tunnel on the approach.
shot course4 154 --mode 6 --key right:1-4 --key down:60-70 --key right:100-106 \
    --key up:120-123 --key right:136-142 --key down:140-143

# The boss: the brain fires its beam under the craft; then a craft rams the
# brain, which flashes and retreats.
shot boss 676 --mode 6 --key right:1-6 --key right:600-606 --key down:600-603 \
    --key up:615-618 --key left:625-631
shot boss-ram 566 --mode 6 --key right:1-6 --key right:535-545 --key down:535-541 \
    --key left:556-560

# Two players in course 2: arrows fly the blue craft, W A S D the orange one.
shot two-players 64 --mode 4 --players 2 --key right:1-6 --key d:1-8 --key s:6-14 \
    --key up:60-63

# A new highscore: typing a name.
shot name-entry 40 --mode 10 --key n:5 --key o:10 --key v:15 --key a:20
