#!/usr/bin/env bash
# The copy engine over a prepared source tree with what only the Linux side can make (folder and file
# links) and names Windows programs often get wrong; the Wine test CopyTree.* drops it on a device list
# and compares what arrives on the simulated appliance's share and what is reported.
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/lib/testbed.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/testbed.sh"

RUNNER=$TB_BUILD/windows/tests/win/quickmap_win_tests.exe
TB_WINE_TIMEOUT=120 # read by tb_wine

make_tree() {
  local tree=$1 deep part
  mkdir -p "$tree/Trip 🌴" "$tree/Sub" "$tree/Locked"
  head -c 70000 /dev/urandom >"$tree/Trip 🌴/beach.jpg"
  echo "a name that ends in a dot" >"$tree/notes."
  echo "inside a folder nobody may list" >"$tree/Locked/inside.txt"
  echo "next to the cycle" >"$tree/Sub/inner.txt"
  ln -s .. "$tree/Sub/loop"
  head -c 3000 /dev/urandom >"$tree/real.txt"
  ln -s real.txt "$tree/link.txt"
  mkdir -p "$tree/Twins" # names that only the case tells apart
  for part in 1 2 3 4 5 6 7 8; do
    echo "upper $part" >"$tree/Twins/Photo$part.jpg"
    echo "lower $part" >"$tree/Twins/photo$part.jpg"
  done
  deep=$tree
  for part in 1 2 3 4 5; do deep+="/level $part of a path that is longer than Windows allows"; done
  mkdir -p "$deep"
  head -c 5000 /dev/urandom >"$deep/deep.bin"
}

copy_tree_arrives() {
  local out=$TB_LOGS/copy-tree.out rc=0
  TB_WINE_ENV+=("QM_COPY_TREE=$(tb_winpath "$TREE")")
  tb_wine "$RUNNER" --gtest_filter='CopyTree.*' >"$out" 2>&1 || rc=$?
  tr -d '\r' <"$out" | grep -E '^\[  (PASSED|FAILED|SKIPPED) ' >&2 || true
  ((rc == 0)) && tr -d '\r' <"$out" | grep -q '^\[  PASSED  \] 1 test'
}

[[ -f $RUNNER ]] || { echo "FAIL copy_tree (not built: $RUNNER)"; exit 1; }
tb_init
tb_topology one-subnet
tb_sim "$TB_REPO/tests/win/sim/shares.conf" "$TB_LOGS/copy-tree-sim.log"
tb_wine_start
tb_xvfb
TREE=$TB_DIR/copy-tree/Holiday
make_tree "$TREE"
tb_case copy_tree_arrives copy_tree_arrives
((TB_FAILURES == 0))
