#!/usr/bin/env bash
# A three-node MariaDB Galera cluster on 127.0.0.1 with HAProxy in front, all in one folder.
#   start [DIR]    nodes, HAProxy, schema, accounts and sample (loaded once); default DIR .local/cluster
#   stop [DIR]     HAProxy and the three nodes (each shut down cleanly)
#   status [DIR]   what runs, on which ports, and each node's Galera state
#   fresh DIR      stop, wipe the folder, start (tests: a new cluster every run)
#   kill N [DIR]   SIGKILL node N (fault tests)
#   rejoin N [DIR] start node N again and wait until it is synced
#   sql N [DIR] [mariadb args]  the command-line client on node N as root
# DIR/env names the ports and the ODBC files: HAPROXY_PORT, NODE1_PORT..NODE3_PORT, ODBCINI,
# ODBCSYSINI, DSN (papercluster, through HAProxy; papercluster_node1..3 reach one node each). The nodes run as the account mysql (the rsync state transfer
# cannot run as root), so their folders belong to it.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TOOLS="$ROOT/tools"
NODES=(1 2 3)
DSN=papercluster
PROVIDER=/usr/lib/galera/libgalera_smm.so

usage() {
  sed -n '2,12p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

node_dir() { echo "$DIR/node$1"; }
client() { local n=$1; shift; mariadb --defaults-file="$(node_dir "$n")/my.cnf" -uroot "$@"; }
node_pid() { cat "$(node_dir "$1")/mysqld.pid" 2>/dev/null || true; }
node_running() {
  local pid
  pid="$(node_pid "$1")"
  [[ -n $pid && "$(cat "/proc/$pid/comm" 2>/dev/null)" == mariadbd ]]
}
haproxy_running() {
  local pid
  pid="$(cat "$DIR/haproxy.pid" 2>/dev/null || true)"
  [[ -n $pid && "$(cat "/proc/$pid/comm" 2>/dev/null)" == haproxy ]]
}
wsrep_state() { client "$1" -N -B -e "show status like 'wsrep_local_state_comment'" 2>/dev/null | cut -f2; }
cluster_size() { client "$1" -N -B -e "show status like 'wsrep_cluster_size'" 2>/dev/null | cut -f2; }

# Thirteen distinct free ports: per node the server, group communication, IST and SST; one for HAProxy.
pick_ports() {
  /usr/bin/python3 - <<'PY'
import socket
held = []
for _ in range(13):
    s = socket.socket(); s.bind(("127.0.0.1", 0)); held.append(s)
print(" ".join(str(s.getsockname()[1]) for s in held))
PY
}

write_config() {
  local ports=($(pick_ports)) n
  HAPROXY_PORT=${ports[12]}
  local gcomm=""
  for n in "${NODES[@]}"; do gcomm+="${gcomm:+,}127.0.0.1:${ports[$(( (n - 1) * 4 + 1 ))]}"; done
  for n in "${NODES[@]}"; do
    local d i=$(( (n - 1) * 4 ))
    d="$(node_dir "$n")"
    mkdir -p "$d/data"
    local port=${ports[$i]} gm=${ports[$((i + 1))]} ist=${ports[$((i + 2))]} sst=${ports[$((i + 3))]}
    local sock="$d/mysqld.sock"
    if (( ${#sock} > 100 )); then sock="/tmp/papercluster-$(printf '%s' "$d" | md5sum | cut -c1-12).sock"; fi
    cat >"$d/my.cnf" <<CNF
[mariadbd]
user=mysql
datadir=$d/data
socket=$sock
pid-file=$d/mysqld.pid
port=$port
bind-address=127.0.0.1
log-error=$d/mysqld.err
character-set-server=utf8mb4
collation-server=utf8mb4_unicode_ci
skip-name-resolve
innodb_buffer_pool_size=64M
binlog_format=ROW
default_storage_engine=InnoDB
innodb_autoinc_lock_mode=2
wsrep_on=ON
wsrep_provider=$PROVIDER
wsrep_cluster_name=papercluster
wsrep_cluster_address=gcomm://$gcomm
wsrep_node_address=127.0.0.1
wsrep_node_name=node$n
wsrep_provider_options="gmcast.listen_addr=tcp://127.0.0.1:$gm;ist.recv_addr=127.0.0.1:$ist;gcache.size=64M;pc.wait_prim_timeout=PT30S"
wsrep_sst_method=rsync
wsrep_sst_receive_address=127.0.0.1:$sst
[client]
socket=$sock
default-character-set=utf8mb4
CNF
    echo "$port" >"$d/port"
  done
  chown -R mysql:mysql "$DIR"/node*
  cat >"$DIR/haproxy.cfg" <<CFG
global
    maxconn 512
    pidfile $DIR/haproxy.pid
    daemon

defaults
    mode tcp
    timeout connect 3s
    timeout client 8h
    timeout server 8h
    retries 2

# Each new connection goes to the next live node; a node that stops answering the MySQL
# handshake of the check is taken out, and the sessions on it are closed.
listen paperdb
    bind 127.0.0.1:$HAPROXY_PORT
    balance roundrobin
    option mysql-check user haproxy_check post-41
    # A connection refused by a node the check has not yet marked down goes to another one.
    option redispatch
    default-server inter 500ms fall 2 rise 2 on-marked-down shutdown-sessions
CFG
  for n in "${NODES[@]}"; do
    echo "    server node$n 127.0.0.1:$(cat "$(node_dir "$n")/port") check" >>"$DIR/haproxy.cfg"
  done
  "$TOOLS/odbc.sh" write "$DIR" "$HAPROXY_PORT" "$DSN"
  # Besides: "paperdb" (the name the settings file holds by default) through HAProxy as well, and
  # one data source straight to each node (tests, and for looking at one node).
  "$TOOLS/odbc.sh" add "$DIR" "$HAPROXY_PORT" paperdb
  for n in "${NODES[@]}"; do
    "$TOOLS/odbc.sh" add "$DIR" "$(cat "$(node_dir "$n")/port")" "${DSN}_node$n"
  done
  {
    printf 'HAPROXY_PORT=%s\nPORT=%s\n' "$HAPROXY_PORT" "$HAPROXY_PORT"
    for n in "${NODES[@]}"; do printf 'NODE%s_PORT=%s\nNODE%s_CNF=%s\n' "$n" "$(cat "$(node_dir "$n")/port")" "$n" "$(node_dir "$n")/my.cnf"; done
    printf 'ODBCINI=%s\nODBCSYSINI=%s\nDSN=%s\nCNF=%s\n' "$DIR/odbc.ini" "$DIR" "$DSN" "$(node_dir 1)/my.cnf"
  } >"$DIR/env"
}

# Waits until node N answers and is Synced.
wait_synced() {
  local n=$1 pid=$2
  for _ in $(seq 1200); do
    if [[ "$(wsrep_state "$n")" == Synced ]]; then return 0; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "node$n did not reach Synced within 120 s; end of $(node_dir "$n")/mysqld.err:" >&2
  tail -n 30 "$(node_dir "$n")/mysqld.err" >&2 || true
  exit 1
}

start_node() {
  local n=$1 d
  shift
  d="$(node_dir "$n")"
  node_running "$n" && return 0
  # setsid: the node outlives the calling shell (and CTest's process group).
  setsid nohup mariadbd --defaults-file="$d/my.cnf" "$@" </dev/null >>"$d/mysqld.out" 2>&1 &
  wait_synced "$n" $!
}

# After a clean stop the last node down may start the cluster again. When every node was
# killed none is marked safe: the node with the highest committed position then is (the
# others catch up from it).
choose_bootstrap() {
  local n best=1 best_seq=-2 seq
  for n in "${NODES[@]}"; do
    if grep -q '^safe_to_bootstrap: 1' "$(node_dir "$n")/data/grastate.dat" 2>/dev/null; then echo "$n"; return; fi
  done
  for n in "${NODES[@]}"; do
    seq="$(runuser -u mysql -- mariadbd --defaults-file="$(node_dir "$n")/my.cnf" --wsrep-recover \
           --log-error="$(node_dir "$n")/recover.err" >/dev/null 2>&1;
           sed -n 's/.*Recovered position: [^:]*:\(-\{0,1\}[0-9]*\).*/\1/p' "$(node_dir "$n")/recover.err" | tail -n1)"
    if [[ -n $seq ]] && (( seq > best_seq )); then best=$n best_seq=$seq; fi
  done
  sed -i 's/^safe_to_bootstrap: 0/safe_to_bootstrap: 1/' "$(node_dir "$best")/data/grastate.dat"
  echo "$best"
}

# A new cluster: node 1 alone gets the schema, the accounts and the sample, and is shut
# down; the others start from copies of its folder at the same position, so that they join
# without a state transfer (a full one takes 10 to 25 s per node here).
seed() {
  local n
  mariadb-install-db --defaults-file="$(node_dir 1)/my.cnf" --user=mysql --datadir="$(node_dir 1)/data" \
    --auth-root-authentication-method=normal --skip-test-db >"$DIR/install.log" 2>&1 \
    || { cat "$DIR/install.log" >&2; exit 1; }
  start_node 1 --wsrep-new-cluster
  load 1
  stop_node 1
  for n in "${NODES[@]}"; do
    [[ $n == 1 ]] && continue
    rm -rf "$(node_dir "$n")/data"
    cp -a "$(node_dir 1)/data" "$(node_dir "$n")/data"
    sed -i 's/^safe_to_bootstrap: 1/safe_to_bootstrap: 0/' "$(node_dir "$n")/data/grastate.dat"
  done
}

# Schema, the two accounts (skipped when there) and the check account of HAProxy.
load() {
  "$TOOLS/dbserver.sh" load "$(node_dir "$1")"
  "$TOOLS/dbserver.sh" sample "$(node_dir "$1")"
  client "$1" -e "CREATE USER IF NOT EXISTS 'haproxy_check'@'127.0.0.1'"
}

cmd_start() {
  mkdir -p "$DIR"
  [[ -f $DIR/env ]] || write_config
  # shellcheck disable=SC1091
  source "$DIR/env"
  local n first=""
  for n in "${NODES[@]}"; do node_running "$n" && first=$n && break; done
  if [[ -z $first ]]; then
    if [[ ! -d $(node_dir 1)/data/mysql ]]; then seed; fi
    first="$(choose_bootstrap)"
    start_node "$first" --wsrep-new-cluster
  fi
  # Joiners one after the other: each takes its state from a synced node.
  for n in "${NODES[@]}"; do start_node "$n"; done

  # Through one node: the cluster copies it to the others.
  load "$first"

  if ! haproxy_running; then
    haproxy -f "$DIR/haproxy.cfg" >"$DIR/haproxy.out" 2>&1 || { cat "$DIR/haproxy.out" >&2; exit 1; }
  fi
  # Ready when a session through HAProxy reaches a node.
  for _ in $(seq 100); do
    if mariadb -h127.0.0.1 -P"$HAPROXY_PORT" -uhaproxy_check -N -B -e "select 1" >/dev/null 2>&1; then
      echo "cluster: 3 nodes synced, HAProxy on 127.0.0.1:$HAPROXY_PORT, ODBC data source $DSN (ODBCINI=$DIR/odbc.ini)"
      return 0
    fi
    sleep 0.1
  done
  echo "HAProxy on port $HAPROXY_PORT passes no session through" >&2
  exit 1
}

stop_node() {
  local n=$1 pid
  node_running "$n" || return 0
  pid="$(node_pid "$n")"
  mariadb-admin --defaults-file="$(node_dir "$n")/my.cnf" -uroot shutdown >/dev/null 2>&1 || kill "$pid" 2>/dev/null || true
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "node$n ($pid) did not stop within 30 s: killing it" >&2
  kill -9 "$pid" 2>/dev/null || true
}

cmd_stop() {
  if haproxy_running; then
    local pid
    pid="$(cat "$DIR/haproxy.pid")"
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$DIR/haproxy.pid"
  local n
  for n in 3 2 1; do stop_node "$n"; done
}

cmd_status() {
  [[ -f $DIR/env ]] || { echo "no cluster in $DIR"; return 1; }
  # shellcheck disable=SC1091
  source "$DIR/env"
  local n up=0
  if haproxy_running; then echo "haproxy: running on 127.0.0.1:$HAPROXY_PORT (data source $DSN)"; else echo "haproxy: stopped"; fi
  for n in "${NODES[@]}"; do
    if node_running "$n"; then
      up=$((up + 1))
      echo "node$n: running on 127.0.0.1:$(cat "$(node_dir "$n")/port"), $(wsrep_state "$n"), cluster size $(cluster_size "$n")"
    else
      echo "node$n: stopped"
    fi
  done
  (( up > 0 ))
}

[[ $# -ge 1 ]] || usage
cmd=$1
shift
case "$cmd" in
  start | stop | status | fresh)
    [[ $# -le 1 ]] || usage
    [[ $cmd == fresh && $# -ne 1 ]] && usage
    DIR="${1:-$ROOT/.local/cluster}"
    ;;
  kill | rejoin)
    [[ $# -ge 1 && $# -le 2 ]] || usage
    N=$1
    DIR="${2:-$ROOT/.local/cluster}"
    ;;
  sql)
    [[ $# -ge 2 ]] || usage
    N=$1
    DIR=$2
    shift 2
    ;;
  *) usage ;;
esac
[[ ($cmd == stop || $cmd == status) && ! -d $DIR ]] && { [[ $cmd == stop ]] && exit 0; echo "no cluster in $DIR"; exit 1; }
mkdir -p "$DIR"
DIR="$(cd "$DIR" && pwd)"
case "$cmd" in
  start) cmd_start ;;
  stop) cmd_stop ;;
  status) cmd_status ;;
  fresh)
    cmd_stop
    rm -rf "$DIR"
    mkdir -p "$DIR"
    cmd_start
    ;;
  kill)
    pid="$(node_pid "$N")"
    node_running "$N" && kill -9 "$pid"
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    ;;
  rejoin) start_node "$N" ;;
  sql) client "$N" "$@" ;;
esac
