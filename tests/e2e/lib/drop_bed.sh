# The bed of the journeys that drop files on the running program: Quickmap.exe under Wine with one simulated
# appliance, Harborbox-Office, whose shares are folders of this machine. Sourced after scripts/lib/testbed.sh.
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

# drop_bed NAME: the bed made for the script NAME; sets SIM_LOG and SHARES (the appliance's share root).
drop_bed() {
  local file
  for file in "$EXE" "$UIDRIVER"; do
    [[ -f $file ]] || { echo "FAIL $1 (not built: $file)"; exit 1; }
  done
  tb_init
  tb_topology one-subnet
  tb_hosts_add 10.77.0.2 Harborbox-Office
  SIM_LOG=$TB_LOGS/$1-sim.log
  tb_sim "$TB_REPO/tests/win/sim/one-appliance.conf" "$SIM_LOG"
  tb_wine_start
  tb_xvfb
  SHARES=$(tb_unc_share_root Harborbox-Office 10.77.0.2)
}

device_page_listed() { tb_wine "$UIDRIVER" text "$CAPTION" "$IDC_STATUS_LINE" 2>/dev/null | grep -q '^Select a device'; }

# start_listing LOG: Quickmap started (its PID in QUICKMAP_PID), back once its scan lists the appliance.
start_listing() {
  tb_wine_bg "$1" "$EXE"
  QUICKMAP_PID=$TB_LAST_PID
  # The first scan starts 200 ms after the window and lists the appliance about 2 s later.
  tb_wait_until 30 test -s "$SIM_LOG" || { echo "no scan reached the appliance" >&2; return 1; }
  tb_wait_until 20 device_page_listed || { echo "the scan did not list the appliance" >&2; return 1; }
}
