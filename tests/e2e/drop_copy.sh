#!/usr/bin/env bash
# Files and a folder dropped on the running program's device list arrive on the appliance, sorted by kind
# into its shares, byte for byte; a second drop of the same file never overwrites the first copy.
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/lib/testbed.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/testbed.sh"

EXE=${QUICKMAP_EXE:-$TB_BUILD/windows/Quickmap.exe}
UIDRIVER=$TB_BUILD/windows/tools/uidriver.exe
CAPTION='Harborbox Quickmap'
# shellcheck source=/dev/null
source "$TB_BUILD/windows/ids.sh" # the program's ids, written by the build
TB_WINE_TIMEOUT=30 # read by tb_wine

# drop PATH...: the paths dropped on the device list, as the shell would hand them over.
drop() {
  local paths=() path
  for path in "$@"; do paths+=("$(tb_winpath "$path")"); done
  tb_wine "$UIDRIVER" drop "$CAPTION" "$IDC_DEVICE_LIST" "${paths[@]}" >/dev/null 2>&1
}

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

for file in "$EXE" "$UIDRIVER"; do
  [[ -f $file ]] || { echo "FAIL drop_copy (not built: $file)"; exit 1; }
done
tb_init
tb_topology one-subnet
tb_hosts_add 10.77.0.2 Harborbox-Office
tb_sim "$TB_REPO/tests/win/sim/one-appliance.conf" "$TB_LOGS/drop-sim.log"
tb_wine_start
tb_xvfb
SHARES=$(tb_unc_share_root Harborbox-Office 10.77.0.2)
FILES=$TB_DIR/drop-files
mkdir -p "$FILES/Trip/Day1"
head -c 300000 /dev/urandom >"$FILES/song.mp3"
echo "shopping list" >"$FILES/notes.txt"
head -c 5000 /dev/urandom >"$FILES/Trip/Day1/beach.jpg"
tb_wine_bg "$TB_LOGS/quickmap.out" "$EXE"
QUICKMAP_PID=$TB_LAST_PID
# The first scan starts 200 ms after the window and lists the appliance about 2 s later.
tb_wait_until 30 test -s "$TB_LOGS/drop-sim.log" || { echo "FAIL drop_copy (no scan reached the appliance)"; exit 1; }
device_page_listed() { tb_wine "$UIDRIVER" text "$CAPTION" "$IDC_STATUS_LINE" 2>/dev/null | grep -q '^Select a device'; }
tb_wait_until 20 device_page_listed || { echo "FAIL drop_copy (the scan did not list the appliance)"; exit 1; }
tb_case dropped_items_arrive_by_kind dropped_items_arrive_by_kind
tb_case second_drop_keeps_the_first_copy second_drop_keeps_the_first_copy
tb_wine "$EXE" -uninstall >/dev/null 2>&1 || true
tb_wait_until 15 tb_pid_gone "$QUICKMAP_PID" || echo "drop_copy: Quickmap did not quit on -uninstall" >&2
((TB_FAILURES == 0))
