# shellcheck shell=bash
# Test bed: a workstation network namespace with a Wine prefix whose server
# lives inside it, an appliance namespace joined to it by a veth pair, Xvfb,
# and simulated appliances. Sourced; every function is prefixed tb_.
#
# Typical use:
#   tb_init                     # namespaces, guard, teardown trap
#   tb_topology one-subnet      # link, addresses, routes, hosts file
#   tb_wine_start               # prefix copy + wine server inside the namespace
#   tb_xvfb                     # only for programs that create windows
#   tb_sim tests/win/sim/x.conf "$TB_LOGS/x.log"
#   tb_wine Quickmap.exe -s
#
# Network safety: every Wine program of the test prefix runs through tb_wine
# or tb_wine_bg, which refuse to run unless the prefix's wine server is alive
# and inside the workstation namespace. Sockets of a Wine program live in
# its server's namespace, not in the namespace the program was started in.

TB_REPO=${TB_REPO:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
TB_BUILD=$TB_REPO/build
TB_TEMPLATE=$TB_BUILD/wine-template
TB_SIM_BIN=${TB_SIM_BIN:-$TB_BUILD/host/tools/appliance-sim/appliance-sim}
TB_WS_HOSTNAME=QMTESTPC
TB_DISCOVERY_PORT=15582
TB_WAKE_PORT=9
TB_WS_IF=qmv-ws
TB_APP_IF=qmv-app
TB_ROUTER_IF=qmv-rt
TB_ROUTER_IF2=qmv-rt2
# Workstation adapters of the multi-subnet topologies: 10.77, 10.78, 10.80 and 10.81 (10.79 is the
# routed subnet).
TB_WS_SUBNETS=(10.77.0 10.78.0 10.80.0 10.81.0)
TB_WINE_TIMEOUT=${TB_WINE_TIMEOUT:-600}
# Wine's drive onto the Linux root; moved off Z: so network drive letters are given from Z down as on
# Windows.
TB_ROOT_DRIVE=E

tb_die() {
  echo "testbed: $*" >&2
  exit 1
}

# tb_wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s; fails on timeout.
tb_wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# --- run, namespaces and guard ------------------------------------------

tb_init() {
  [[ $EUID -eq 0 ]] || tb_die "needs root (network namespaces, iptables)"
  TB_RUN=run$$
  TB_WS=qmws$$
  TB_APP=qmapp$$
  TB_ROUTER=qmrt$$
  TB_DIR=$TB_BUILD/testbed/$TB_RUN
  TB_LOGS=$TB_DIR/logs
  TB_PIDS=()
  TB_SIM_PIDS=()
  TB_SIM_COUNT=0
  TB_UNC_LINKS=()
  TB_SIM_CONFIGS=()
  TB_SHARE_BASE=
  TB_WINESERVER_PID=
  TB_XVFB_PID=
  TB_DISPLAY=
  rm -rf "$TB_DIR"
  mkdir -p "$TB_LOGS"
  tb_netns_remove "$TB_APP"
  tb_netns_remove "$TB_ROUTER"
  tb_netns_remove "$TB_WS"
  trap tb_teardown EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  tb_reap_stale_runs
  tb_guard_root_namespace
  tb_ws_create
}

# A run killed before its teardown leaves namespaces and a 700 MB prefix
# behind; both carry the dead run's PID in their names.
tb_reap_stale_runs() {
  local ns dir
  while read -r ns _; do
    [[ $ns =~ ^qm(ws|app|rt)([0-9]+)$ ]] || continue
    tb_run_is_stale "${BASH_REMATCH[2]}" || continue
    tb_netns_remove "$ns"
    rm -rf "/etc/netns/$ns"
  done < <(ip netns list)
  for dir in "$TB_BUILD"/testbed/run*; do
    [[ -d $dir/prefix ]] || continue
    tb_run_is_stale "${dir##*/run}" || continue
    rm -rf "${dir:?}/prefix" "${dir:?}/home"
  done
}

tb_run_is_stale() {
  [[ $1 != "$$" ]] && tb_pid_gone "$1"
}

# Second net behind the namespace rule: discovery datagrams and Wake-on-LAN
# magic packets never leave the root namespace except over loopback. Test
# namespaces have their own tables.
tb_guard_root_namespace() {
  local port rule
  for port in "$TB_DISCOVERY_PORT" "$TB_WAKE_PORT"; do
    rule=(OUTPUT -p udp --dport "$port" ! -o lo -j DROP)
    iptables -C "${rule[@]}" 2>/dev/null || iptables -A "${rule[@]}" ||
      tb_die "cannot install the iptables guard"
  done
}

tb_ws_create() {
  ip netns add "$TB_WS"
  ip -n "$TB_WS" link set lo up
  # Wine ignores WinINet's connect time-out; fail unreachable hosts in ~3 s.
  ip netns exec "$TB_WS" sysctl -q -w net.ipv4.tcp_syn_retries=1
  TB_WS_NETNS_ID=$(ip netns exec "$TB_WS" readlink /proc/self/ns/net)
  mkdir -p "/etc/netns/$TB_WS"
  echo 'nameserver 127.0.0.1' >"/etc/netns/$TB_WS/resolv.conf"
  tb_hosts_reset
}

tb_hosts_reset() {
  printf '127.0.0.1 localhost\n10.77.0.1 %s\n' "$TB_WS_HOSTNAME" >"/etc/netns/$TB_WS/hosts"
}

# tb_hosts_add IP NAME...: name resolution for programs in the workstation.
# Appends in place: `ip netns exec` bind-mounts this very file.
tb_hosts_add() {
  echo "$*" >>"/etc/netns/$TB_WS/hosts"
}

# tb_topology one-subnet|two-subnets|four-subnets|no-route|routed: (re)builds the appliance
# namespace and the links to it: 10.77.0.0/24 (workstation .1, appliance .2); two-subnets adds
# 10.78.0.0/24 over a second adapter, four-subnets also 10.80.0.0/24 and 10.81.0.0/24 (one adapter
# each); no-route leaves out the workstation's default route. routed puts a router namespace between
# the workstation (10.77.0.1, router .254) and the appliances on 10.79.0.0/24 (router .254): unicast
# is forwarded, broadcasts end at the router. The workstation namespace, and with it the wine server,
# stays for the whole run.
tb_topology() {
  local name=$1 adapters=1 i
  case $name in
    one-subnet | no-route | routed) ;;
    two-subnets) adapters=2 ;;
    four-subnets) adapters=4 ;;
    *) tb_die "unknown topology: $name" ;;
  esac
  tb_topology_clear
  ip netns add "$TB_APP"
  ip -n "$TB_APP" link set lo up
  declare -gA TB_APP_LINKS=()
  if [[ $name == routed ]]; then
    tb_topology_routed
  else
    # Each subnet needs an adapter of its own: Wine answers gethostbyname(own name) with only the
    # first address of each adapter.
    for ((i = 0; i < adapters; i++)); do tb_topology_link "$i"; done
    # Without a default route Wine's sendto(255.255.255.255) fails with WSAENETUNREACH; the route
    # leads only into the veth.
    [[ $name == no-route ]] || ip -n "$TB_WS" route add default dev "$TB_WS_IF"
    export QM_APPLIANCE_IP=10.77.0.2
  fi
  tb_hosts_reset
  TB_TOPOLOGY=$name
  export QM_WS_IP=10.77.0.1
}

# tb_topology_link INDEX: workstation adapter INDEX (0 based) on subnet TB_WS_SUBNETS[INDEX], .1 in
# the workstation, .2 on the appliance side.
tb_topology_link() {
  local subnet=${TB_WS_SUBNETS[$1]} suffix=
  ((${1} == 0)) || suffix=$((${1} + 1))
  local ws_if=$TB_WS_IF$suffix app_if=$TB_APP_IF$suffix
  ip link add "$ws_if" netns "$TB_WS" type veth peer name "$app_if" netns "$TB_APP"
  ip -n "$TB_WS" addr add "$subnet.1/24" brd + dev "$ws_if"
  ip -n "$TB_APP" addr add "$subnet.2/24" brd + dev "$app_if"
  ip -n "$TB_WS" link set "$ws_if" up
  ip -n "$TB_APP" link set "$app_if" up
  TB_APP_LINKS[$subnet]=$app_if
}

tb_topology_routed() {
  ip netns add "$TB_ROUTER"
  ip -n "$TB_ROUTER" link set lo up
  ip netns exec "$TB_ROUTER" sysctl -q -w net.ipv4.ip_forward=1
  ip link add "$TB_WS_IF" netns "$TB_WS" type veth peer name "$TB_ROUTER_IF" netns "$TB_ROUTER"
  ip link add "$TB_ROUTER_IF2" netns "$TB_ROUTER" type veth peer name "$TB_APP_IF" netns "$TB_APP"
  ip -n "$TB_WS" addr add 10.77.0.1/24 brd + dev "$TB_WS_IF"
  ip -n "$TB_ROUTER" addr add 10.77.0.254/24 brd + dev "$TB_ROUTER_IF"
  ip -n "$TB_ROUTER" addr add 10.79.0.254/24 brd + dev "$TB_ROUTER_IF2"
  ip -n "$TB_WS" link set "$TB_WS_IF" up
  ip -n "$TB_ROUTER" link set "$TB_ROUTER_IF" up
  ip -n "$TB_ROUTER" link set "$TB_ROUTER_IF2" up
  ip -n "$TB_APP" link set "$TB_APP_IF" up
  ip -n "$TB_WS" route add default via 10.77.0.254 dev "$TB_WS_IF"
  ip -n "$TB_APP" route add default via 10.79.0.254 dev "$TB_APP_IF" onlink
  TB_APP_LINKS[10.79.0]=$TB_APP_IF
  export QM_APPLIANCE_IP=10.79.0.2
}

# Stops the simulators and removes the appliance and router namespaces with their veth pairs.
tb_topology_clear() {
  tb_sim_stop_all
  tb_netns_remove "$TB_APP"
  tb_netns_remove "$TB_ROUTER"
  # The veth pairs go with the appliance namespace, but only once the kernel
  # has released them; do not race the next `ip link add`.
  if ! tb_wait_until 5 tb_ws_links_gone; then
    local link
    for link in $(tb_ws_links); do ip -n "$TB_WS" link del "$link" 2>/dev/null || true; done
  fi
  TB_TOPOLOGY=
}

tb_ws_links() {
  ip -n "$TB_WS" -o link show 2>/dev/null | awk -F': ' '{ sub(/@.*/, "", $2); print $2 }' | grep "^$TB_WS_IF" || true
}

tb_ws_links_gone() {
  [[ -z $(tb_ws_links) ]]
}

# tb_appliance_addresses IP...: adds addresses (/24) to the appliance side, each on the link of its
# subnet (the first link when no link has it).
tb_appliance_addresses() {
  local -A have=()
  local ip dev batch=()
  while read -r ip; do
    have[${ip%/*}]=1
  done < <(ip -n "$TB_APP" -o -4 addr show | awk '{print $4}')
  for ip in "$@"; do
    [[ -z ${have[$ip]:-} ]] || continue
    dev=${TB_APP_LINKS[${ip%.*}]:-$TB_APP_IF}
    batch+=("addr add $ip/24 brd + dev $dev")
  done
  ((${#batch[@]})) || return 0
  printf '%s\n' "${batch[@]}" | ip -n "$TB_APP" -batch -
}

# Removes namespace $1 if it exists (a stale one carries this run's PID in its
# name, so it is left over from a killed run of the same PID).
tb_netns_remove() {
  ip netns list | grep -q "^$1\b" || return 0
  tb_kill_netns_pids "$1"
  ip netns del "$1"
}

# Sends TERM, then KILL, to whatever still runs inside namespace $1: all of
# it was started by this run.
tb_kill_netns_pids() {
  local pids
  mapfile -t pids < <(ip netns pids "$1" 2>/dev/null)
  ((${#pids[@]})) || return 0
  kill -TERM "${pids[@]}" 2>/dev/null || true
  sleep 0.5
  mapfile -t pids < <(ip netns pids "$1" 2>/dev/null)
  ((${#pids[@]})) || return 0
  kill -KILL "${pids[@]}" 2>/dev/null || true
}

# --- simulated appliances ---------------------------------------------------

# Prints the appliance addresses a simulator config asks for: `address` of
# each [appliance] and the run of `count` addresses of each [appliance_range].
tb_sim_config_addresses() {
  awk '
    function flush_range(   i, p, n) {
      if (first == "") return
      split(first, p, ".")
      n = ((p[1] * 256 + p[2]) * 256 + p[3]) * 256 + p[4]
      for (i = 0; i < count; i++) {
        printf "%d.%d.%d.%d\n", int(n / 16777216) % 256, int(n / 65536) % 256, int(n / 256) % 256, n % 256
        n++
      }
      first = ""
    }
    { sub(/#.*/, ""); gsub(/^[ \t]+|[ \t\r]+$/, "") }
    /^\[/ { flush_range(); section = $0; count = 1; next }
    {
      key = $0; sub(/[ \t]*=.*/, "", key)
      val = $0; sub(/^[^=]*=[ \t]*/, "", val)
    }
    section == "[appliance]" && key == "address" { print val }
    section == "[appliance_range]" && key == "first_address" { first = val }
    section == "[appliance_range]" && key == "count" { count = val + 0 }
    END { flush_range() }
  ' "$1"
}

# tb_sim CONFIG [LOG]: starts an appliance simulator in the appliance
# namespace (adding the addresses its config names) and waits for "ready".
tb_sim() {
  local config=$1 log=${2:-} out pid args
  [[ -x $TB_SIM_BIN ]] || tb_die "simulator not built: $TB_SIM_BIN"
  [[ -f $config ]] || tb_die "no simulator config: $config"
  [[ -n ${TB_TOPOLOGY:-} ]] || tb_die "tb_sim needs tb_topology first"
  local addresses
  mapfile -t addresses < <(tb_sim_config_addresses "$config")
  tb_appliance_addresses "${addresses[@]}"
  TB_SHARE_BASE=$TB_DIR/shares
  mkdir -p "$TB_SHARE_BASE"
  args=(--config "$config" --share-base "$TB_SHARE_BASE")
  [[ -z $log ]] || args+=(--log "$log")
  TB_SIM_COUNT=$((TB_SIM_COUNT + 1))
  out=$TB_LOGS/sim-$TB_SIM_COUNT-$(basename "$config" .conf).out
  : >"$out"
  ip netns exec "$TB_APP" "$TB_SIM_BIN" "${args[@]}" </dev/null >"$out" 2>&1 &
  pid=$!
  TB_SIM_PIDS+=("$pid")
  tb_wait_until 10 tb_sim_ready "$out" "$pid" ||
    tb_die "simulator did not get ready ($config): $(tail -n 5 "$out")"
  kill -0 "$pid" 2>/dev/null || tb_die "simulator exited ($config): $(tail -n 5 "$out")"
  TB_SIM_CONFIGS+=("$config")
  tb_sim_link_shares "$config"
}

# Prints "address<TAB>name<TAB>share_root" for each [appliance] of a config that exports shares.
tb_sim_config_exports() {
  awk '
    function flush() { if (root != "") printf "%s\t%s\t%s\n", address, name, root; address = ""; name = "QX-Harborbox"; root = "" }
    { sub(/#.*/, ""); gsub(/^[ \t]+|[ \t\r]+$/, "") }
    /^\[/ { flush(); section = $0; next }
    section != "[appliance]" { next }
    {
      key = $0; sub(/[ \t]*=.*/, "", key)
      val = $0; sub(/^[^=]*=[ \t]*/, "", val)
    }
    key == "address" { address = val }
    key == "name" { name = val }
    key == "share_root" { root = val }
    END { flush() }
  ' "$1"
}

# The appliances' share folders become servers of Wine's UNC namespace, under each appliance's name
# and address: \\QX-Harborbox\Shared Media is <share_root>/Shared Media.
tb_sim_link_shares() {
  local address name root link
  [[ -n ${TB_PREFIX:-} ]] || return 0
  mkdir -p "$TB_PREFIX/dosdevices/unc"
  while IFS=$'\t' read -r address name root; do
    [[ $root == /* ]] || root=$TB_SHARE_BASE/$root
    for link in "$name" "$address"; do
      [[ -n $link && $link != */* ]] || continue
      # Whatever stands there (an earlier line's folder of the same name included) gives way to the export.
      rm -rf "$TB_PREFIX/dosdevices/unc/$link"
      ln -s "$root" "$TB_PREFIX/dosdevices/unc/$link"
      TB_UNC_LINKS+=("$TB_PREFIX/dosdevices/unc/$link")
    done
  done < <(tb_sim_config_exports "$1")
}

tb_sim_ready() {
  grep -qx 'ready' "$1" || ! kill -0 "$2" 2>/dev/null
}

tb_sim_stop_all() {
  local pid
  for pid in "${TB_SIM_PIDS[@]}"; do
    kill -TERM "$pid" 2>/dev/null || true
  done
  for pid in "${TB_SIM_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  TB_SIM_PIDS=()
  local link
  for link in "${TB_UNC_LINKS[@]}"; do
    rm -rf "$link" # the link itself, or what a test put in its place
  done
  TB_UNC_LINKS=()
  TB_SIM_CONFIGS=()
  [[ -z ${TB_SHARE_BASE:-} ]] || rm -rf "${TB_SHARE_BASE:?}"
}

# --- Wine --------------------------------------------------------------------

# tb_winpath UNIX-PATH: the same file as Wine's root drive sees it.
tb_winpath() {
  local path
  path=$(realpath -m "$1")
  printf '%s:%s\n' "$TB_ROOT_DRIVE" "${path//\//\\}"
}

tb_wine_env_for() {
  # $1 = prefix, $2 = home
  printf '%s\n' "HOME=$2" "WINEPREFIX=$1" WINEDEBUG=-all WINEARCH=win64 \
    "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d"
}

# The template prefix is made once (wineboot costs over 10 s) inside a
# throwaway namespace that has nothing but loopback, so even its first boot
# cannot reach a real network. It is rebuilt when Wine's version changes.
tb_wine_template() {
  local version stamp=$TB_TEMPLATE/ready
  version=$(wine --version 2>/dev/null)
  (
    flock 9
    [[ -f $stamp && $(cat "$stamp") == "$version with fonts" ]] && exit 0
    rm -rf "$TB_TEMPLATE"
    mkdir -p "$TB_TEMPLATE/home/Desktop"
    local env
    mapfile -t env < <(tb_wine_env_for "$TB_TEMPLATE/prefix" "$TB_TEMPLATE/home")
    echo "testbed: creating the Wine template prefix (once)" >&2
    # shellcheck disable=SC2016 # expanded by the inner shell
    unshare --net --uts env -u DISPLAY "${env[@]}" sh -c \
      'ip link set lo up && hostname "$0" && wineboot -i >/dev/null 2>&1 && wineserver -w' \
      "$TB_WS_HOSTNAME" || exit 1
    # Wine does not find its own fonts here: without Marlett the caption buttons show letters, and
    # dialogs fall back from MS Sans Serif to whatever the system offers.
    cp /usr/share/wine/fonts/* "$TB_TEMPLATE/prefix/drive_c/windows/Fonts/" || exit 1
    echo "$version with fonts" >"$stamp"
  ) 9>"$TB_BUILD/wine-template.lock" || tb_die "creating the Wine template failed"
}

# Points the user folders of a copied prefix (Desktop, Documents, ...) at
# this run's HOME instead of the template's.
tb_wine_relink_home() {
  local link target
  for link in "$TB_PREFIX"/drive_c/users/*/*; do
    [[ -L $link ]] || continue
    target=$(readlink "$link")
    [[ $target == "$TB_TEMPLATE/home"* ]] || continue
    ln -sfn "$TB_HOME${target#"$TB_TEMPLATE/home"}" "$link"
  done
}

# Copies the template, starts the prefix's wine server inside the
# workstation namespace, checks where it lives and boots the services.
tb_wine_start() {
  tb_wine_template
  TB_PREFIX=$TB_DIR/prefix
  TB_HOME=$TB_DIR/home
  mkdir -p "$TB_HOME/Desktop"
  cp -a "$TB_TEMPLATE/prefix" "$TB_PREFIX"
  mv "$TB_PREFIX/dosdevices/z:" "$TB_PREFIX/dosdevices/${TB_ROOT_DRIVE,,}:"
  tb_wine_relink_home
  local config
  for config in "${TB_SIM_CONFIGS[@]}"; do tb_sim_link_shares "$config"; done
  mapfile -t TB_WINE_ENV < <(tb_wine_env_for "$TB_PREFIX" "$TB_HOME")
  # Our programs refuse to run under Wine unless they find themselves in the namespace named here.
  TB_WINE_ENV+=("QM_TESTBED_NETNS=${TB_WS_NETNS_ID//[^0-9]/}")
  TB_SERVER_DIR=$(stat -c '%d %i' "$TB_PREFIX" | { read -r dev ino; printf 'server-%x-%x' "$dev" "$ino"; })
  ip netns exec "$TB_WS" env "${TB_WINE_ENV[@]}" wineserver -p
  tb_wait_until 10 tb_find_wineserver || tb_die "wine server did not start"
  tb_check_wineserver
  # Services started by the first Wine program inherit its stderr; a later
  # pipe on a program's output would then never see end-of-file.
  tb_wine cmd /c exit >/dev/null 2>&1 || tb_die "booting the prefix failed"
  # No window manager runs on the test display: unmanaged windows spare the 2 s Wine otherwise waits on
  # every hide for a manager's answer.
  tb_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
    tb_die "setting up the X11 driver failed"
  tb_recorder_install
}

# Opening a web page or a folder runs the recorder instead of a browser or file manager: it appends
# its command line to TB_RECORDER_LOG, so tests observe what was opened.
tb_recorder_install() {
  local recorder=$TB_REPO/build/windows/tools/recorder.exe class command
  TB_RECORDER_LOG=$TB_LOGS/recorder.log
  : >"$TB_RECORDER_LOG"
  TB_WINE_ENV+=("QM_RECORDER_LOG=$(tb_winpath "$TB_RECORDER_LOG")")
  [[ -f $recorder ]] || return 0
  command="\"$(tb_winpath "$recorder")\" \"%1\""
  # Wine reads these classes from HKLM only.
  for class in http https Folder Directory; do
    tb_wine reg add "HKLM\\Software\\Classes\\$class\\shell\\open\\command" /ve /d "$command" /f \
      >/dev/null 2>&1 || tb_die "registering the recorder for $class failed"
  done
}

# Finds the wine server of this run's prefix by its working directory,
# which Wine names after the prefix's device and inode.
tb_find_wineserver() {
  local dir pid
  for dir in /proc/[0-9]*; do
    [[ $(readlink "$dir/exe" 2>/dev/null) == */wineserver* ]] || continue
    [[ $(readlink "$dir/cwd" 2>/dev/null) == */"$TB_SERVER_DIR" ]] || continue
    pid=${dir#/proc/}
    TB_WINESERVER_PID=$pid
    return 0
  done
  return 1
}

# Refuses to go on unless this prefix's server is alive and inside the
# workstation namespace.
tb_check_wineserver() {
  local pid=${TB_WINESERVER_PID:-}
  [[ -n $pid ]] || tb_die "no wine server started (tb_wine_start)"
  [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == */"$TB_SERVER_DIR" ]] ||
    tb_die "wine server $pid of the test prefix is gone"
  [[ $(readlink "/proc/$pid/ns/net" 2>/dev/null) == "$TB_WS_NETNS_ID" ]] ||
    tb_die "wine server $pid is not in namespace $TB_WS: refusing to run Wine programs"
}

# tb_wine_locale LOCALE|'': the system locale of the Wine programs started from now on, a glibc locale
# name such as de_CH.UTF-8 (see QM_LOCALES in packages.sh); empty for the host's. Wine takes a process's
# locale from its LANG and LC_* variables, not from its server.
tb_wine_locale() {
  TB_WINE_LOCALE=$1
}

# tb_wine_dpi DPI: the pixels per inch of the display for the Wine programs started from now on (Wine's
# LogPixels, read when a program starts): 96 is 100 % scaling, 144 is 150 %, 192 is 200 %.
tb_wine_dpi() {
  tb_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    tb_die "setting LogPixels $1 failed"
}

tb_wine_command() {
  local display=(-u DISPLAY) locale=()
  [[ -z $TB_DISPLAY ]] || display=("DISPLAY=$TB_DISPLAY")
  [[ -z ${TB_WINE_LOCALE:-} ]] || locale=("LANG=$TB_WINE_LOCALE" "LC_ALL=$TB_WINE_LOCALE")
  # shellcheck disable=SC2016 # expanded by the inner shell
  TB_CMD=(ip netns exec "$TB_WS" unshare --uts env "${display[@]}" "${TB_WINE_ENV[@]}" "${locale[@]}"
    sh -c 'hostname "$0" && exec wine "$@"' "$TB_WS_HOSTNAME" "$@")
}

# tb_wine EXE ARGS...: runs a Windows program in the workstation namespace
# (host name QMTESTPC, DISPLAY of tb_xvfb if any); returns its exit code.
tb_wine() {
  tb_check_wineserver
  tb_wine_command "$@"
  timeout -k 5 "$TB_WINE_TIMEOUT" "${TB_CMD[@]}" </dev/null
}

# tb_wine_bg LOG EXE ARGS...: the same in the background, output to LOG;
# the PID (the Wine process itself) is in TB_LAST_PID.
tb_wine_bg() {
  local log=$1
  shift
  tb_check_wineserver
  tb_wine_command "$@"
  "${TB_CMD[@]}" </dev/null >"$log" 2>&1 &
  TB_LAST_PID=$!
  TB_PIDS+=("$TB_LAST_PID")
}

# tb_unc_share_root NAME...: for an appliance whose config exports no shares, a scratch folder with its
# copy destinations ("Shared Media", "Shared Data"), reachable from Wine as \\NAME\<share> for each
# NAME (Wine maps those paths into dosdevices/unc). A NAME that already leads somewhere is left as it
# is. Prints the folder.
tb_unc_share_root() {
  local root=$TB_DIR/unc/$1 name
  mkdir -p "$root/Shared Media" "$root/Shared Data" "$TB_PREFIX/dosdevices/unc"
  for name in "$@"; do
    [[ -e $TB_PREFIX/dosdevices/unc/$name ]] || ln -s "$root" "$TB_PREFIX/dosdevices/unc/$name"
  done
  echo "$root"
}

# tb_wine_reg_value KEY NAME: prints the data of a REG_SZ value, fails when
# the value does not exist.
tb_wine_reg_value() {
  local out
  out=$(tb_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
  sed -n "s/^ *$2 *REG_[A-Z_]* *//p" <<<"$out" | grep .
}

# --- display -------------------------------------------------------------

# Starts Xvfb on a display number it finds free itself (-displayfd).
tb_xvfb() {
  local fdfile=$TB_LOGS/xvfb.display
  : >"$fdfile"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >"$TB_LOGS/xvfb.log" 2>&1 &
  TB_XVFB_PID=$!
  tb_wait_until 10 grep -q '[0-9]' "$fdfile" || tb_die "Xvfb did not start: $(tail -n 3 "$TB_LOGS/xvfb.log")"
  TB_DISPLAY=:$(tr -dc 0-9 <"$fdfile")
}

# --- teardown ------------------------------------------------------------

tb_teardown() {
  local rc=$? pid
  set +e
  trap - EXIT
  [[ -n ${TB_DIR:-} ]] || return "$rc"
  tb_sim_stop_all
  for pid in "${TB_PIDS[@]}"; do
    kill -TERM "$pid" 2>/dev/null
  done
  if [[ -n ${TB_WINESERVER_PID:-} ]] && kill -0 "$TB_WINESERVER_PID" 2>/dev/null; then
    ip netns exec "$TB_WS" env "${TB_WINE_ENV[@]}" wineserver -k 2>/dev/null
    tb_wait_until 10 tb_pid_gone "$TB_WINESERVER_PID" || kill -KILL "$TB_WINESERVER_PID" 2>/dev/null
  fi
  for pid in "${TB_PIDS[@]}"; do
    wait "$pid" 2>/dev/null
  done
  [[ -z ${TB_XVFB_PID:-} ]] || { kill -TERM "$TB_XVFB_PID" 2>/dev/null; wait "$TB_XVFB_PID" 2>/dev/null; }
  tb_netns_remove "$TB_APP"
  tb_netns_remove "$TB_ROUTER"
  tb_netns_remove "$TB_WS"
  rm -rf "/etc/netns/$TB_WS"
  [[ -n ${TB_KEEP:-} ]] || rm -rf "${TB_DIR:?}/prefix" "${TB_DIR:?}/home"
  TB_DIR=
  return "$rc"
}

# A zombie counts as gone: daemons of Wine are reaped by init, not by us.
tb_pid_gone() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 0
  [[ $state == Z ]]
}

# --- end-to-end reporting ------------------------------------------------

TB_FAILURES=0

# tb_case NAME COMMAND...: runs one end-to-end case and prints PASS/FAIL NAME.
tb_case() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS $name"
  else
    echo "FAIL $name"
    TB_FAILURES=$((TB_FAILURES + 1))
  fi
}

# tb_x COMMAND...: runs an X client (xdotool, import) against the test display.
tb_x() {
  DISPLAY=$TB_DISPLAY "$@"
}
