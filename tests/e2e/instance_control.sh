#!/usr/bin/env bash
# Single instance: what a second start of Quickmap.exe does to the first one,
# and the start-with-Windows value that every start writes or removes.
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/lib/testbed.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/testbed.sh"

EXE=${QUICKMAP_EXE:-$TB_BUILD/windows/Quickmap.exe}
EXE_WIN=$(tb_winpath "$EXE")
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
RUN_VALUE='QX Harborbox Quickmap'
CAPTION='Harborbox Quickmap'
TB_WINE_TIMEOUT=30 # read by tb_wine

run_value() { tb_wine_reg_value "$RUN_KEY" "$RUN_VALUE"; }
run_value_absent() { ! run_value >/dev/null; }
window_visible() { tb_x xdotool search --onlyvisible --name "^$CAPTION\$" >/dev/null 2>&1; }
first_running() { ! tb_pid_gone "$FIRST_PID"; }

# A value left by a process that never ran its exit procedure is removed too.
first_start_uninstall() {
  tb_wine reg add "$RUN_KEY" /v "$RUN_VALUE" /d "$EXE_WIN -s" /f >/dev/null 2>&1
  tb_wine "$EXE" -uninstall && run_value_absent && ! window_visible
}

start_hidden_writes_run_value() {
  tb_wine_bg "$TB_LOGS/first.out" "$EXE" -s
  FIRST_PID=$TB_LAST_PID
  tb_wait_until 20 run_value >/dev/null || return 1
  [[ $(run_value) == "\"$EXE_WIN\" -s" ]] || { echo "Run value: $(run_value)" >&2; return 1; }
  # The window is created just after the value is written.
  sleep 1.5
  first_running && ! window_visible
}

# Lower-cased and trimmed, " -S " is "-s": nothing posted. cmd passes the
# blanks on unquoted, as a shortcut would.
second_start_upper_s_posts_nothing() {
  tb_wine cmd /c "$EXE_WIN  -S " && sleep 2 && first_running && ! window_visible
}

# A start that only forwards its command leaves the running instance's autostart alone.
second_start_shows_first() {
  tb_wine "$EXE" && tb_wait_until 10 window_visible && first_running && run_value >/dev/null
}

second_start_uninstall_ends_first() {
  tb_wine "$EXE" -uninstall && tb_wait_until 15 tb_pid_gone "$FIRST_PID" && run_value_absent
}

[[ -f $EXE ]] || { echo "FAIL instance_control (not built: $EXE)"; exit 1; }
tb_init
tb_topology one-subnet
tb_wine_start
tb_xvfb
tb_case first_start_uninstall first_start_uninstall
tb_case start_hidden_writes_run_value start_hidden_writes_run_value
tb_case second_start_upper_s_posts_nothing second_start_upper_s_posts_nothing
tb_case second_start_shows_first second_start_shows_first
tb_case second_start_uninstall_ends_first second_start_uninstall_ends_first
((TB_FAILURES == 0))
