# shellcheck shell=bash
# Runs the Wine test runner once per line of tests/win/scenarios.conf, each
# time against that line's topology and simulated appliances. Sourced after
# testbed.sh.
#
# Line format:  <gtest filter> | <topology> | <sim config or -> [| <hosts> [| <locale> [| <dpi>]]]
# <hosts> is `ip=name` entries for the workstation's hosts file, separated by
# commas, or -. <locale> is the system locale the runner starts under (a glibc
# name such as de_DE.UTF-8), or - for the host's. <dpi> is the display's pixels per inch (96, 144, 192), or - for
# 96. Blank lines and `#` comments are ignored. A sim config is
# looked up in tests/win/sim/ unless it is absolute or exists relative to the
# repository.
#
# The test runner learns the test bed from its environment:
#   QM_APPLIANCE_IP  first appliance address
#   QM_WS_IP         workstation address
#   QM_SIM_LOG       the simulator's datagram log, as a path on the root drive (unset without a sim)

WINE_SUITE_CONF=${WINE_SUITE_CONF:-$TB_REPO/tests/win/scenarios.conf}
WINE_SUITE_EXE=${WINE_SUITE_EXE:-$TB_REPO/build/windows/tests/win/quickmap_win_tests.exe}

wine_suite_sim_config() {
  local name=$1
  if [[ $name == /* ]]; then
    echo "$name"
  elif [[ -f $TB_REPO/$name ]]; then
    echo "$TB_REPO/$name"
  else
    echo "$TB_REPO/tests/win/sim/$name"
  fi
}

wine_suite_trim() {
  local text=${1#"${1%%[![:space:]]*}"}
  echo "${text%"${text##*[![:space:]]}"}"
}

# gtest_count OUTPUT-FILE: prints "passed failed" from gtest output (CRLF too).
# Per-test result lines end in "(N ms)"; the summary repeats them without.
gtest_count() {
  tr -d '\r' <"$1" | awk '
    /^\[       OK \] .* \([0-9]+ ms\)$/ { ok++ }
    /^\[  FAILED  \] .* \([0-9]+ ms\)$/ { failed++ }
    END { print ok + 0, failed + 0 }'
}

# wine_suite_hosts "ip=name,ip=name" | -: hosts file entries of one line.
wine_suite_hosts() {
  local entry entries
  [[ $1 != - ]] || return 0
  IFS=',' read -ra entries <<<"$1"
  for entry in "${entries[@]}"; do
    entry=$(wine_suite_trim "$entry")
    [[ $entry == ?*=?* ]] || tb_die "bad hosts entry in $WINE_SUITE_CONF: $entry"
    tb_hosts_add "${entry%%=*}" "${entry#*=}"
  done
}

# wine_suite_run_line INDEX FILTER TOPOLOGY SIM HOSTS LOCALE DPI: adds to
# WINE_SUITE_PASSED and WINE_SUITE_FAILED.
wine_suite_run_line() {
  local index=$1 filter=$2 topology=$3 sim=$4 hosts=$5 locale=$6 dpi=$7
  local out=$TB_LOGS/wine-$index.out rc=0 passed failed
  tb_topology "$topology"
  wine_suite_hosts "$hosts"
  unset QM_SIM_LOG
  if [[ $sim != - ]]; then
    local sim_log=$TB_LOGS/sim-$index.log
    : >"$sim_log"
    tb_sim "$(wine_suite_sim_config "$sim")" "$sim_log"
    QM_SIM_LOG=$(tb_winpath "$sim_log")
    export QM_SIM_LOG
  fi
  tb_wine_locale "${locale#-}"
  [[ $dpi == - ]] || tb_wine_dpi "$dpi"
  tb_wine "$WINE_SUITE_EXE" "--gtest_filter=$filter" >"$out" 2>&1 || rc=$?
  [[ $dpi == - ]] || tb_wine_dpi 96
  tb_wine_locale ''
  read -r passed failed < <(gtest_count "$out")
  # A crash, a time-out or a filter that matches nothing is a failure too.
  if ((failed == 0 && (rc != 0 || passed == 0))); then
    failed=1
    echo "wine: $filter: runner exit code $rc, $passed passed" >&2
  fi
  local where="$topology, $sim"
  [[ $locale == - ]] || where+=", $locale"
  [[ $dpi == - ]] || where+=", $dpi dpi"
  echo "wine: $filter [$where]: $passed passed, $failed failed"
  if ((failed)); then
    tr -d '\r' <"$out" | grep -E '^\[  FAILED  \]|Failure|error' | head -n 40 >&2 || true
    echo "wine: full output in $out" >&2
  fi
  WINE_SUITE_PASSED=$((WINE_SUITE_PASSED + passed))
  WINE_SUITE_FAILED=$((WINE_SUITE_FAILED + failed))
}

# wine_suite RESULT-FILE: writes "passed failed" totals to RESULT-FILE.
# One test bed (prefix, wine server, Xvfb) for all lines; only
# the appliance side is rebuilt per line, which costs about 0.1 s.
wine_suite() {
  local result=$1
  WINE_SUITE_PASSED=0
  WINE_SUITE_FAILED=0
  [[ -f $WINE_SUITE_CONF ]] || tb_die "no $WINE_SUITE_CONF"
  [[ -f $WINE_SUITE_EXE ]] || tb_die "not built: $WINE_SUITE_EXE"
  tb_init
  tb_wine_start
  tb_xvfb
  local line filter topology sim hosts locale dpi index=0
  while IFS= read -r line || [[ -n $line ]]; do
    line=${line%%#*}
    [[ $line == *[![:space:]]* ]] || continue
    IFS='|' read -r filter topology sim hosts locale dpi <<<"$line"
    filter=$(wine_suite_trim "$filter")
    topology=$(wine_suite_trim "$topology")
    sim=$(wine_suite_trim "$sim")
    hosts=$(wine_suite_trim "$hosts")
    locale=$(wine_suite_trim "$locale")
    dpi=$(wine_suite_trim "$dpi")
    index=$((index + 1))
    wine_suite_run_line "$index" "$filter" "$topology" "${sim:--}" "${hosts:--}" "${locale:--}" "${dpi:--}"
  done <"$WINE_SUITE_CONF"
  tb_teardown
  echo "$WINE_SUITE_PASSED $WINE_SUITE_FAILED" >"$result"
}
