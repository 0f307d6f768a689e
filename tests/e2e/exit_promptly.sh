#!/usr/bin/env bash
# Exit while a worker is still out on the network: the process ends within
# two seconds, with exit code 0 and without a fault, whatever the worker waits for.
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/lib/testbed.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/testbed.sh"

EXE=${QUICKMAP_EXE:-$TB_BUILD/windows/Quickmap.exe}
UIDRIVER=$TB_BUILD/windows/tools/uidriver.exe
SIMS=$(dirname "${BASH_SOURCE[0]}")/../win/sim
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
RUN_VALUE='QX Harborbox Quickmap'
CAPTION='Harborbox Quickmap'
MESSAGE_TEXT=65535
# shellcheck source=/dev/null
source "$TB_BUILD/windows/ids.sh" # the program's ids, written by the build
TB_WINE_TIMEOUT=30 # read by tb_wine

run_value() { tb_wine_reg_value "$RUN_KEY" "$RUN_VALUE"; }
first_gone() { tb_pid_gone "$FIRST_PID"; }
sim_saw() { grep -q -- "$1" "$SIM_LOG" 2>/dev/null; }
# The scan has ended and the device page lists what it found.
device_page_listed() { tb_wine "$UIDRIVER" text "$CAPTION" "$IDC_STATUS_LINE" 2>/dev/null | grep -q '^Select a device'; }

# A second start with -uninstall ends the first; it must be gone within 2 s
# and have left with exit code 0 and no fault in its log.
uninstall_ends_first_promptly() {
  local code=0
  tb_wine "$EXE" -uninstall || return 1
  tb_wait_until 2 first_gone || { echo "still running 2 s after -uninstall" >&2; return 1; }
  wait "$FIRST_PID" || code=$?
  ((code == 0)) || { echo "exit code $code" >&2; return 1; }
  ! grep -E 'Unhandled|err:(heap|seh)|page fault' "$FIRST_LOG" >&2
}

start_first() {
  FIRST_LOG=$TB_LOGS/$1.out
  shift
  tb_wine_bg "$FIRST_LOG" "$EXE" "$@"
  FIRST_PID=$TB_LAST_PID
}

# Two subnets where nothing answers: the scan goes on through both
# broadcasts, the limited broadcast and the name probe.
exit_during_silent_scan() {
  start_first silent-scan -s
  tb_wait_until 20 run_value >/dev/null || return 1
  tb_wait_until 20 sim_saw 'cmd=1' || { echo "no scan reached the appliance" >&2; return 1; }
  sleep 1
  uninstall_ends_first_promptly
}

# A web operation whose reply never ends keeps its worker in a read.
exit_during_endless_web_request() {
  start_first endless-web
  tb_wait_until 30 sim_saw 'cmd=1' || return 1
  tb_wait_until 20 device_page_listed || { echo "the scan did not list the appliance" >&2; return 1; }
  tb_wine "$UIDRIVER" post "$CAPTION" "$IDC_DEVICE_LIST" 0x111 "$ID_DEVICE_UNIQUE_NAME" 0 || return 1
  tb_wine "$UIDRIVER" post "$CAPTION" "$MESSAGE_TEXT" 0x111 6 0 || return 1 # Yes to the warning
  tb_wait_until 15 sim_saw ' http ' || { echo "no web request reached the appliance" >&2; return 1; }
  sleep 1
  uninstall_ends_first_promptly
}

[[ -f $EXE && -f $UIDRIVER ]] || { echo "FAIL exit_promptly (not built: $EXE, $UIDRIVER)"; exit 1; }
tb_init
tb_topology two-subnets
SIM_LOG=$TB_LOGS/silent-sim.log
tb_sim "$SIMS/silent.conf" "$SIM_LOG"
tb_wine_start
TB_WINE_ENV+=("WINEDEBUG=-all,err+heap,err+seh")
tb_xvfb
tb_case exit_during_silent_scan exit_during_silent_scan

tb_topology one-subnet
SIM_LOG=$TB_LOGS/endless-sim.log
tb_sim "$SIMS/web-endless.conf" "$SIM_LOG"
tb_case exit_during_endless_web_request exit_during_endless_web_request
((TB_FAILURES == 0))
