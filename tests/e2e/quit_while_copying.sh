#!/usr/bin/env bash
# Quitting while a drop is copied to the appliance (Escape with Yes to the question, -uninstall from a second
# start, the end of the session): the copy stops, no partial file is left, no file stands under its final
# name with other bytes than its source, and the process is gone within 2 s (at the session's end Windows
# ends it).
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/lib/testbed.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/testbed.sh"

# shellcheck source=SCRIPTDIR/lib/drop_bed.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/drop_bed.sh"
MESSAGE_TEXT=65535 # the text of a message box
WM_COMMAND=0x111
IDCANCEL=2
IDYES=6
WM_ENDSESSION=0x16

quickmap_gone() { tb_pid_gone "$QUICKMAP_PID"; }
some_arrived() { [[ -n $(find "$OTHERS/$1" -type f -name 'part*' -print -quit 2>/dev/null) ]]; }

# A folder of many small files, so that the copy is surely still running when the quit comes.
make_folder() {
  mkdir -p "$FILES/$1"
  head -c 160M /dev/urandom | split -b 4096 -a 4 - "$FILES/$1/part"
}

# Every file under a final name has its source's bytes, and no partial file is left anywhere.
nothing_damaged() {
  local folder=$1 leftovers
  leftovers=$(find "$SHARES" -name '~*.qmpart' | head -n 3)
  [[ -z $leftovers ]] || { echo "partial files left: $leftovers" >&2; return 1; }
  python3 - "$FILES/$folder" "$OTHERS/$folder" <<'PY' >&2
import os, sys
source, copy = sys.argv[1], sys.argv[2]
names = os.listdir(copy) if os.path.isdir(copy) else []
bad = [n for n in names if open(os.path.join(copy, n), 'rb').read() != open(os.path.join(source, n), 'rb').read()]
print(f"{len(names)} of {len(os.listdir(source))} files arrived before the quit")
sys.exit(1 if bad else 0)
PY
}

escape_stops_the_copy() {
  start_listing "$TB_LOGS/escape.out" || return 1
  drop "$FILES/Escape"
  tb_wait_until 30 some_arrived Escape || { echo "nothing arrived" >&2; return 1; }
  tb_wine "$UIDRIVER" post "$CAPTION" "$IDC_DEVICE_LIST" $WM_COMMAND $IDCANCEL 0 || return 1
  sleep 0.5
  tb_x import -window root "$TB_BUILD/e2e-quit-while-copying.png" || true
  tb_wine "$UIDRIVER" post "$CAPTION" "$MESSAGE_TEXT" $WM_COMMAND $IDYES 0 || { echo "no question" >&2; return 1; }
  tb_wait_until 2 quickmap_gone || { echo "still running 2 s after the answer" >&2; return 1; }
  nothing_damaged Escape
}

movie_started() { [[ -n $(find "$VIDEO" -name '*movie.avi*' -print -quit 2>/dev/null) ]]; }

# A big file first: the quit comes while its bytes are being written.
uninstall_stops_the_copy() {
  start_listing "$TB_LOGS/uninstall.out" || return 1
  drop "$FILES/movie.avi" "$FILES/Uninstall"
  tb_wait_until 30 movie_started || { echo "the movie's copy did not start" >&2; return 1; }
  tb_wine "$EXE" -uninstall || return 1
  tb_wait_until 2 quickmap_gone || { echo "still running 2 s after -uninstall" >&2; return 1; }
  if [[ -e $VIDEO/movie.avi ]] && ! cmp -s "$FILES/movie.avi" "$VIDEO/movie.avi"; then
    echo "movie.avi stands cut off at $(stat -c %s "$VIDEO/movie.avi") of $(stat -c %s "$FILES/movie.avi") bytes" >&2
    return 1
  fi
  nothing_damaged Uninstall
}

arrived_count() { find "$OTHERS/$1" -type f | wc -l; }

# Nothing more arrives and no partial file is left.
copy_stopped() {
  local before
  before=$(arrived_count "$1")
  sleep 0.5
  [[ $(arrived_count "$1") == "$before" && -z $(find "$OTHERS/$1" -name '~*.qmpart' -print -quit) ]]
}

session_end_stops_the_copy() {
  start_listing "$TB_LOGS/session-end.out" || return 1
  drop "$FILES/SessionEnd"
  tb_wait_until 30 some_arrived SessionEnd || { echo "nothing arrived" >&2; return 1; }
  tb_wine "$UIDRIVER" post "$CAPTION" "$IDC_DEVICE_LIST" $WM_ENDSESSION 1 0 || return 1
  tb_wait_until 2 copy_stopped SessionEnd || { echo "still copying 2 s after the session's end" >&2; return 1; }
  nothing_damaged SessionEnd || return 1
  tb_wine "$EXE" -uninstall || return 1
  tb_wait_until 5 quickmap_gone
}

drop_bed quit
OTHERS="$SHARES/Shared Data/Others"
VIDEO="$SHARES/Shared Media/Video"
FILES=$TB_DIR/quit-files
mkdir -p "$FILES"
truncate -s 6G "$FILES/movie.avi"
make_folder Escape
make_folder Uninstall
make_folder SessionEnd
tb_case escape_stops_the_copy escape_stops_the_copy
tb_case uninstall_stops_the_copy uninstall_stops_the_copy
tb_case session_end_stops_the_copy session_end_stops_the_copy
((TB_FAILURES == 0))
