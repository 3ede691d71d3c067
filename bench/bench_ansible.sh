#!/usr/bin/env bash
# The same 100 simulated terminals configured twice, each time from the same starting state: through
# Ansible (hxconfig.terminal.config, one task per terminal, forks 50) and through one
# `hxconfig-cli batch` run (--parallel 100). Prints both wall-clock times and their ratio; every
# terminal must end changed and holding its new IP Local, or the benchmark stops. The figures are
# printed, never judged.
# Usage: bench/bench_ansible.sh [BIN_DIR]   (default build/bin: hxconfig-cli and hxterm-sim)
set -euo pipefail

BIN=$(realpath "${1:-build/bin}")
HERE=$(cd "$(dirname "$0")" && pwd)
COUNT=100
FORKS=50
PASSWORD=123456
WORK=$(mktemp -d)
SIM_PID=""
cleanup() {
    [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
trap "exit 1" INT TERM

export ANSIBLE_COLLECTIONS_PATH="$HERE/../ansible"
export ANSIBLE_CONFIG="$WORK/ansible.cfg"
export ANSIBLE_HOME="$WORK/ansible-home"
export ANSIBLE_LOCAL_TEMP="$WORK/ansible-tmp"
export ANSIBLE_REMOTE_TEMP="$WORK/ansible-remote-tmp"
cat >"$ANSIBLE_CONFIG" <<CFG
[defaults]
forks = $FORKS
interpreter_python = auto_silent
retry_files_enabled = false
[connection]
pipelining = true
CFG

# A fresh fleet; its fleet file gets a new IP Local for every terminal.
start_fleet() {
    [ -n "$SIM_PID" ] && kill "$SIM_PID" && wait "$SIM_PID" 2>/dev/null || true
    "$BIN/hxterm-sim" --fleet $COUNT --port 0 --password $PASSWORD --write-fleet "$WORK/sim.csv" >"$WORK/sim.out" 2>&1 &
    SIM_PID=$!
    for _ in $(seq 100); do
        [ "$(grep -c listening "$WORK/sim.out" 2>/dev/null)" = $COUNT ] && break
        sleep 0.1
    done
    [ "$(grep -c listening "$WORK/sim.out")" = $COUNT ] || { echo "the simulated fleet did not start" >&2; exit 1; }
    awk -F';' 'BEGIN { OFS = ";" } { sub(/\r$/, "") }
        NR == 1 { print $0, "Conexao.IPLocal"; next } { print $0, "10.30." int((NR - 1) / 250) "." (NR - 1) % 250 + 1 }' \
        ORS='\r\n' "$WORK/sim.csv" >"$WORK/fleet.csv"
    printf 'plugin: hxconfig.terminal.fleet\nfleet: fleet.csv\n' >"$WORK/fleet.hxfleet.yml"
}

now_ms() { date +%s%3N; }

start_fleet
start=$(now_ms)
"$BIN/hxconfig-cli" batch "$WORK/fleet.csv" --parallel $COUNT --backup-dir "$WORK/batch-backups" --json \
    >"$WORK/batch.json" 2>"$WORK/batch.err" || { cat "$WORK/batch.err" >&2; exit 1; }
batch_ms=$(($(now_ms) - start))
changed=$(grep -c '"result":"changed"' "$WORK/batch.json" || true)
[ "$changed" = $COUNT ] || { echo "batch changed $changed of $COUNT terminals" >&2; exit 1; }

start_fleet
cat >"$WORK/configure.yml" <<'PLAY'
- hosts: all
  connection: local
  gather_facts: false
  tasks:
    - hxconfig.terminal.config:
        address: "{{ hx_address }}"
        password: "{{ hx_password }}"
        values: "{{ hx_values }}"
        cli: "{{ hx_cli }}"
        backup_dir: "{{ hx_backups }}"
PLAY
start=$(now_ms)
ansible-playbook -i "$WORK/fleet.hxfleet.yml" -e "hx_cli=$BIN/hxconfig-cli hx_backups=$WORK/ansible-backups" \
    "$WORK/configure.yml" >"$WORK/ansible.log" 2>&1 || { tail -40 "$WORK/ansible.log" >&2; exit 1; }
ansible_ms=$(($(now_ms) - start))
changed=$(grep -cE ': ok=1 +changed=1 +unreachable=0 +failed=0' "$WORK/ansible.log" || true)
[ "$changed" = $COUNT ] || { echo "Ansible changed $changed of $COUNT terminals" >&2; exit 1; }
# Spot checks of what the terminals hold: the first and the last.
for n in 1 $COUNT; do
    address=$(sed -n "$((n + 1))p" "$WORK/fleet.csv" | cut -d';' -f1)
    expected=$(sed -n "$((n + 1))p" "$WORK/fleet.csv" | tr -d '\r' | cut -d';' -f3)
    held=$(HXCONFIG_PASSWORD=$PASSWORD "$BIN/hxconfig-cli" read "$address" -o - | tr -d '\r' | sed -n 's/^IPLocal=//p')
    [ "$held" = "$expected" ] || { echo "terminal $n holds $held, not $expected" >&2; exit 1; }
done

echo "bench_ansible: $COUNT simulated terminals, every one changed and verified"
printf '  hxconfig-cli batch --parallel %d:       %6d ms\n' $COUNT "$batch_ms"
printf '  ansible-playbook, forks %d, pipelining: %6d ms\n' $FORKS "$ansible_ms"
awk -v a="$ansible_ms" -v b="$batch_ms" 'BEGIN { printf "  ratio Ansible / batch: %.2f (goal: at most 4)\n", a / b }'
