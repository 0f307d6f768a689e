#!/usr/bin/env bash
# Files and a folder dropped on the running program's device list arrive on the appliance, sorted by kind
# into its shares, byte for byte; a second drop of the same file never overwrites the first copy.
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/lib/testbed.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/testbed.sh"

# shellcheck source=SCRIPTDIR/lib/drop_bed.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/drop_bed.sh"

# same_file A B: B exists with A's bytes.
same_file() { [[ -f $2 ]] && cmp -s "$1" "$2"; }

dropped_items_arrive_by_kind() {
  drop "$FILES/song.mp3" "$FILES/notes.txt" "$FILES/Trip"
  tb_wait_until 20 same_file "$FILES/Trip/Day1/beach.jpg" "$SHARES/Shared Data/Others/Trip/Day1/beach.jpg" &&
    same_file "$FILES/song.mp3" "$SHARES/Shared Media/Music/song.mp3" &&
    same_file "$FILES/notes.txt" "$SHARES/Shared Data/Document/notes.txt"
}

second_drop_keeps_the_first_copy() {
  drop "$FILES/song.mp3"
  tb_wait_until 20 same_file "$FILES/song.mp3" "$SHARES/Shared Media/Music/Copy of song.mp3" &&
    same_file "$FILES/song.mp3" "$SHARES/Shared Media/Music/song.mp3"
}

drop_bed drop_copy
FILES=$TB_DIR/drop-files
mkdir -p "$FILES/Trip/Day1"
head -c 300000 /dev/urandom >"$FILES/song.mp3"
echo "shopping list" >"$FILES/notes.txt"
head -c 5000 /dev/urandom >"$FILES/Trip/Day1/beach.jpg"
start_listing "$TB_LOGS/quickmap.out" || { echo "FAIL drop_copy (the appliance was not listed)"; exit 1; }
tb_case dropped_items_arrive_by_kind dropped_items_arrive_by_kind
tb_case second_drop_keeps_the_first_copy second_drop_keeps_the_first_copy
tb_wine "$EXE" -uninstall >/dev/null 2>&1 || true
tb_wait_until 15 tb_pid_gone "$QUICKMAP_PID" || echo "drop_copy: Quickmap did not quit on -uninstall" >&2
((TB_FAILURES == 0))
