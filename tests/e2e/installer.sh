#!/usr/bin/env bash
# QuickmapSetup.exe on a Windows desk: a silent install, the installed program finding the appliance, an
# install over a running older one, and a silent uninstall that leaves the user's drive letter alone.
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/lib/testbed.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/testbed.sh"

SETUP=${QUICKMAP_SETUP:-$TB_BUILD/windows/QuickmapSetup.exe}
CONFIG=$(dirname "${BASH_SOURCE[0]}")/share_journey.conf
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$TB_BUILD/windows/CMakeCache.txt")
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Harborbox Quickmap'
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
RUN_VALUE='QX Harborbox Quickmap'
INSTALLED_WIN='C:\Program Files\Harborbox Quickmap'
TB_WINE_TIMEOUT=60 # read by tb_wine

installed_dir() { echo "$TB_PREFIX/drive_c/Program Files/Harborbox Quickmap"; }
start_menu_entry() { echo "$TB_PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Harborbox Quickmap.lnk"; }
uninstall_value() { tb_wine_reg_value "$UNINSTALL_KEY" "$1"; }
scan_reached_appliance() { grep -q . "$TB_LOGS/installer-sim.log"; }

# Wine processes of this run's prefix that run the installed program.
installed_quickmap_pids() {
  local dir
  for dir in /proc/[0-9]*; do
    { tr '\0' '\n' <"$dir/cmdline" | grep -qF "$INSTALLED_WIN\\Quickmap.exe"; } 2>/dev/null || continue
    { tr '\0' '\n' <"$dir/environ" | grep -qxF "WINEPREFIX=$TB_PREFIX"; } 2>/dev/null || continue
    echo "${dir#/proc/}"
  done
}
one_installed_quickmap() { [[ $(installed_quickmap_pids | wc -l) -eq 1 ]]; }
no_installed_quickmap() { [[ -z $(installed_quickmap_pids) ]]; }

expect_value() {
  local got
  got=$(uninstall_value "$1") || { echo "uninstall value $1 missing" >&2; return 1; }
  [[ $got == "$2" ]] || { echo "uninstall value $1: '$got', not '$2'" >&2; return 1; }
}

setup_window_named() { tb_x xdotool search --name "^$1\$" >/dev/null 2>&1; }

# The pages speak the language the system locale chooses, as the program's own texts do; one variant of a
# language is enough to find the language.
pages_speak_the_system_language() {
  local locale caption pid failed=0
  while IFS='|' read -r locale caption; do
    tb_wine_locale "$locale"
    tb_wine_bg "$TB_LOGS/setup-$locale.out" "$SETUP"
    pid=$TB_LAST_PID
    tb_wait_until 20 setup_window_named "$caption" || { echo "no window \"$caption\" under $locale" >&2; failed=1; }
    kill -TERM "$pid" 2>/dev/null
    tb_wait_until 10 tb_pid_gone "$pid"
  done <<'TABLE'
en_US.UTF-8|Harborbox Quickmap Setup
de_CH.UTF-8|Installation von Harborbox Quickmap
es_MX.UTF-8|Instalación de Harborbox Quickmap
fr_CA.UTF-8|Installation de Harborbox Quickmap
it_IT.UTF-8|Installazione di Harborbox Quickmap
nl_BE.UTF-8|Harborbox Quickmap-installatie
nn_NO.UTF-8|Harborbox Quickmap installasjon
sv_SE.UTF-8|Harborbox Quickmap Installation
TABLE
  tb_wine_locale ''
  return "$failed"
}

silent_install_lays_out_the_program() {
  tb_wine "$SETUP" /S || return 1
  [[ -f $(installed_dir)/Quickmap.exe && -f $(installed_dir)/Uninstall.exe && -f $(start_menu_entry) ]] || return 1
  expect_value DisplayName 'Harborbox Quickmap' && expect_value Publisher Harborbox &&
    expect_value DisplayVersion "$VERSION" && expect_value DisplayIcon "$INSTALLED_WIN\\Quickmap.exe,0" &&
    expect_value UninstallString "\"$INSTALLED_WIN\\Uninstall.exe\"" &&
    expect_value QuietUninstallString "\"$INSTALLED_WIN\\Uninstall.exe\" /S" &&
    expect_value NoModify 0x1 && expect_value NoRepair 0x1 || return 1
  local size
  size=$(uninstall_value EstimatedSize) || return 1
  # In KiB, and at least the program itself.
  (($(printf '%d' "$size") >= $(stat -c %s "$(installed_dir)/Quickmap.exe") / 1024))
}

installed_quickmap_runs_and_finds_the_appliance() {
  tb_wait_until 20 one_installed_quickmap && tb_wait_until 20 scan_reached_appliance &&
    [[ $(tb_wine_reg_value "$RUN_KEY" "$RUN_VALUE") == "\"$INSTALLED_WIN\\Quickmap.exe\" -s" ]]
}

# The user's drive letter Y: and its desktop shortcut, as the program's mapping leaves them.
map_a_drive_letter() {
  ln -sfn 'unc/QX-Harborbox/Shared Files' "$TB_PREFIX/dosdevices/y:"
  tb_wine reg add 'HKCU\Network\Y' /v RemotePath /d '\\QX-Harborbox\Shared Files' /f >/dev/null 2>&1
  : >"$TB_HOME/Desktop/Shared Files on QX-Harborbox (Harborbox) (Y).lnk"
}
drive_letter_kept() {
  [[ -L $TB_PREFIX/dosdevices/y: && -f "$TB_HOME/Desktop/Shared Files on QX-Harborbox (Harborbox) (Y).lnk" ]] &&
    [[ $(tb_wine_reg_value 'HKCU\Network\Y' RemotePath) == '\\QX-Harborbox\Shared Files' ]]
}

# The old program keeps running until the new installer asks it to quit; an old file time shows the
# program file was replaced; the new program runs from it afterwards, once.
install_over_a_running_one() {
  map_a_drive_letter
  local old
  old=$(installed_quickmap_pids)
  touch -d '2001-01-01' "$(installed_dir)/Quickmap.exe"
  tb_wine "$SETUP" /S || return 1
  tb_wait_until 20 one_installed_quickmap || return 1
  [[ $(installed_quickmap_pids) != "$old" ]] && tb_pid_gone "$old" &&
    (($(stat -c %Y "$(installed_dir)/Quickmap.exe") > $(date -d 2002-01-01 +%s))) && drive_letter_kept &&
    tb_wait_until 10 tb_wine_reg_value "$RUN_KEY" "$RUN_VALUE" >/dev/null
}

# The uninstaller runs from a copy of itself and returns at once: wait for what it does.
silent_uninstall_removes_ours_only() {
  tb_wine "$(installed_dir)/Uninstall.exe" /S || return 1
  tb_wait_until 30 test ! -e "$(installed_dir)" || { ls -la "$(installed_dir)" >&2; return 1; }
  no_installed_quickmap && [[ ! -e $(start_menu_entry) ]] &&
    ! tb_wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1 &&
    ! tb_wine_reg_value "$RUN_KEY" "$RUN_VALUE" >/dev/null && drive_letter_kept
}

[[ -f $SETUP ]] || { echo "FAIL installer (not built: $SETUP)"; exit 1; }
tb_init
tb_topology one-subnet
tb_hosts_add 10.77.0.2 QX-Harborbox
tb_wine_start
tb_xvfb
tb_sim "$CONFIG" "$TB_LOGS/installer-sim.log"
tb_case pages_speak_the_system_language pages_speak_the_system_language
tb_case silent_install_lays_out_the_program silent_install_lays_out_the_program
tb_case installed_quickmap_runs_and_finds_the_appliance installed_quickmap_runs_and_finds_the_appliance
tb_case install_over_a_running_one install_over_a_running_one
tb_case silent_uninstall_removes_ours_only silent_uninstall_removes_ours_only
((TB_FAILURES == 0))
