#!/usr/bin/env bash
# The user's journey to drive letters: start, the one appliance, Next, a second folder ticked beside the
# pre-ticked "Shared Files", Next, Yes to shortcuts; then the drives, the files behind them, the shortcuts
# and, after a restart, the remembered connections.
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/lib/testbed.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/testbed.sh"

EXE=${QUICKMAP_EXE:-$TB_BUILD/windows/Quickmap.exe}
UIDRIVER=$TB_BUILD/windows/tools/uidriver.exe
CAPTION='Harborbox Quickmap'
CONFIG=$(dirname "${BASH_SOURCE[0]}")/share_journey.conf
SHARES=
TB_WINE_TIMEOUT=30 # read by tb_wine
WM_KEYDOWN=0x100 VK_DOWN=0x28 VK_SPACE=0x20 MESSAGE_TEXT=65535
# shellcheck source=/dev/null
source "$TB_BUILD/windows/ids.sh" # the program's ids, written by the build

uidriver() { tb_wine "$UIDRIVER" "$@" >/dev/null 2>&1; }
window_visible() { tb_x xdotool search --onlyvisible --name "^$CAPTION\$" >/dev/null 2>&1; }
network_value() { tb_wine_reg_value "HKCU\\Network\\$1" RemotePath; }
scan_reached_appliance() { grep -q . "$TB_LOGS/journey-sim.log"; }
status_starts() { tb_wine "$UIDRIVER" text "$CAPTION" "$IDC_STATUS_LINE" 2>/dev/null | grep -q "^$1"; }
device_page_listed() { status_starts 'Select a device'; }
share_page_listed() { status_starts 'To automatically assign'; }

start_quickmap() {
  tb_wine_bg "$TB_LOGS/quickmap-$1.out" "$EXE"
  QUICKMAP_PID=$TB_LAST_PID
  tb_wait_until 20 window_visible && tb_wait_until 20 scan_reached_appliance && tb_wait_until 20 device_page_listed
}

stop_quickmap() {
  tb_wine "$EXE" -uninstall >/dev/null 2>&1 || true
  tb_wait_until 15 tb_pid_gone "$QUICKMAP_PID"
}

# Next with the one appliance listed: the share page, "Shared Files" ticked; the cursor moves from the server
# item down to "Shared Media" (the fourth folder) and the space bar ticks it.
map_two_folders() {
  uidriver click "$CAPTION" $IDC_NEXT
  tb_wait_until 20 share_page_listed || return 1
  local step
  for step in 1 2 3 4; do uidriver postto "$CAPTION" $IDC_SHARE_TREE $WM_KEYDOWN $VK_DOWN 0; done
  uidriver postto "$CAPTION" $IDC_SHARE_TREE $WM_KEYDOWN $VK_SPACE 0
  sleep 0.5
  uidriver click "$CAPTION" $IDC_NEXT
  # The mapping worker asks its question a moment after Next: Yes once the box is there.
  tb_wait_until 15 uidriver post "$CAPTION" $MESSAGE_TEXT 0x111 6 0 || return 1
  tb_wait_until 15 network_value Y >/dev/null
}

two_drive_letters_remembered() {
  [[ $(network_value Z) == '\\QX-Harborbox\Shared Files' && $(network_value Y) == '\\QX-Harborbox\Shared Media' ]]
}

file_through_z_lands_on_the_appliance() {
  tb_wine cmd /c 'echo journey> Z:\written-through-z.txt' >/dev/null 2>&1
  grep -q journey "$SHARES/Shared Files/written-through-z.txt"
}

shortcuts_on_the_desktop() {
  [[ -f "$TB_HOME/Desktop/Shared Files on QX-Harborbox (Harborbox) (Z).lnk" &&
    -f "$TB_HOME/Desktop/Shared Media on QX-Harborbox (Harborbox) (Y).lnk" ]]
}

# After a restart both folders carry their letters: neither starts ticked, so Next asks nothing and
# connects nothing more.
restart_keeps_the_suffixes() {
  stop_quickmap && start_quickmap again || return 1
  uidriver click "$CAPTION" $IDC_NEXT
  tb_wait_until 20 share_page_listed || return 1
  uidriver click "$CAPTION" $IDC_NEXT
  ! uidriver post "$CAPTION" $MESSAGE_TEXT 0x111 6 0 && ! network_value X >/dev/null && two_drive_letters_remembered
}

[[ -f $EXE && -f $UIDRIVER ]] || { echo "FAIL share_journey (not built)"; exit 1; }
tb_init
tb_topology one-subnet
tb_hosts_add 10.77.0.2 QX-Harborbox
tb_wine_start
tb_xvfb
tb_sim "$CONFIG" "$TB_LOGS/journey-sim.log"
SHARES=$TB_SHARE_BASE/journey
start_quickmap first
tb_case map_two_folders map_two_folders
tb_case two_drive_letters_remembered two_drive_letters_remembered
tb_case file_through_z_lands_on_the_appliance file_through_z_lands_on_the_appliance
tb_case shortcuts_on_the_desktop shortcuts_on_the_desktop
tb_x import -window root "$TB_BUILD/e2e-share-journey.png"
tb_case restart_keeps_the_suffixes restart_keeps_the_suffixes
stop_quickmap || true
