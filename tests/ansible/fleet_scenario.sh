#!/usr/bin/env bash
# The collection driven by ansible-playbook against simulated fleets on loopback: a dry run with
# diffs that touches nothing, a write of every terminal, a second run that writes nothing, a fleet
# with one faulty terminal, the inventory plugin, backups, and no password in any output.
# Usage: fleet_scenario.sh HXCONFIG_CLI HXTERM_SIM
set -euo pipefail

CLI=$(realpath "$1")
SIM=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
# Terminals in each fleet (at least 4; even, so that the two stores split it in halves). Six run
# every path with forks in parallel; a larger fleet costs Ansible's per-task start for each one.
COUNT=${HX_ANSIBLE_FLEET_SIZE:-6}
PASSWORD='k9W2pQ'      # every simulated terminal's
NEW_PASSWORD='Tz4mR8'  # given to one of them
VAULT_PASSWORD='cofre-de-teste'

WORK=$(mktemp -d)
SIMS=()
cleanup() {
    for pid in "${SIMS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
trap "exit 1" INT TERM

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
absent() { # absent TEXT FILE...: no file holds TEXT
    ! grep -qF -- "$1" "${@:2}"
}
absent_ignoring_case() { # absent_ignoring_case TEXT1 TEXT2 FILE...: no file holds either
    ! grep -qiF -e "$1" -e "$2" -- "${@:3}"
}
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else fail "$what"; fi
}

export ANSIBLE_COLLECTIONS_PATH="$HERE/../../ansible"
export ANSIBLE_CONFIG="$WORK/ansible.cfg"
export ANSIBLE_LOCAL_TEMP="$WORK/ansible-tmp"
export ANSIBLE_HOME="$WORK/ansible-home"
export ANSIBLE_REMOTE_TEMP="$WORK/ansible-remote-tmp"
export ANSIBLE_NOCOLOR=1
cat >"$ANSIBLE_CONFIG" <<CFG
[defaults]
forks = $COUNT
interpreter_python = auto_silent
retry_files_enabled = false
host_key_checking = false
vault_password_file = $WORK/vault-password
[connection]
pipelining = true
[inventory]
unparsed_is_failed = true
CFG
printf '%s\n' "$VAULT_PASSWORD" >"$WORK/vault-password"

# The program as the modules run it: it records each command line, and whether a password came in
# the environment, before running the real one.
cat >"$WORK/cli" <<WRAP
#!/bin/sh
printf '%s env=%s\n' "\$*" "\${HXCONFIG_PASSWORD:+set}" >>"$WORK/command-lines.log"
exec "$CLI" "\$@"
WRAP
chmod +x "$WORK/cli"

# start_fleet NAME [SIM OPTIONS...]: COUNT terminals on free loopback ports; the fleet file
# NAME.csv gets a store (Loja) and a new IP Local for every row.
start_fleet() {
    local name=$1
    shift
    "$SIM" --fleet "$COUNT" --port 0 --password "$PASSWORD" --write-fleet "$WORK/$name-sim.csv" "$@" \
        >"$WORK/$name-sim.out" 2>&1 &
    SIMS+=($!)
    local waited=0
    until [ "$(grep -c 'listening' "$WORK/$name-sim.out" 2>/dev/null)" = "$COUNT" ]; do
        sleep 0.1
        waited=$((waited + 1))
        if [ $waited -gt 100 ]; then
            echo "the simulated fleet $name did not start" >&2
            cat "$WORK/$name-sim.out" >&2
            exit 1
        fi
    done
    # The simulator's file: a byte-order mark, semicolons and CR LF; the rows keep all three.
    awk -F';' 'BEGIN { OFS = ";" }
        { sub(/\r$/, "") }
        NR == 1 { print $0, "Loja", "Conexao.IPLocal"; next }
        { n = NR - 1; print $0, (n % 2 ? "Loja Norte" : "Loja Sul"), "10.20.0." n }' ORS='\r\n' \
        "$WORK/$name-sim.csv" >"$WORK/$name.csv"
    {
        echo "plugin: hxconfig.terminal.fleet"
        echo "fleet: $name.csv"
        echo "group_column: loja"
        echo "compose:"
        echo "  hx_first_ip: hx_values['Conexao.IPLocal'] | regex_replace('^10[.]20[.]', '10.0.')"
        echo "  hx_cli: \"'$WORK/cli'\""
        echo "  hx_backups: \"'$WORK/backups-$name'\""
        ansible-vault encrypt_string --name password "$PASSWORD" 2>/dev/null
    } >"$WORK/$name.hxfleet.yml"
}

address_of() { # address_of FLEET N: the address of terminal N
    sed -n "$(($2 + 1))p" "$WORK/$1-sim.csv" | cut -d';' -f1
}

host_of() { # host_of FLEET N: the inventory's name of terminal N
    address_of "$1" "$2" | tr ':' '_'
}

ip_local_of() { # ip_local_of ADDRESS [PASSWORD]: IP Local as the terminal holds it now
    HXCONFIG_PASSWORD=${2:-$PASSWORD} "$CLI" read "$1" -o - | tr -d '\r' | sed -n 's/^IPLocal=//p'
}

every_terminal_holds() { # every_terminal_holds FLEET PREFIX: terminal i holds PREFIX.i
    local i ip ok=0
    for i in $(seq 1 "$COUNT"); do
        ip=$(ip_local_of "$(address_of "$1" "$i")")
        if [ "$ip" != "$2.$i" ]; then
            echo "terminal $i holds IP Local '$ip', not $2.$i" >&2
            ok=1
        fi
    done
    return $ok
}

recap_count() { # recap_count LOG PATTERN: hosts whose recap line matches
    grep -E '^127\.0\.0\.1_[0-9]+ +: ok=' "$1" | grep -cE "$2" || true
}

playbook() { # playbook LOG ARGS...: runs ansible-playbook, its output in LOG; prints its exit code
    local rc=0
    ansible-playbook "$@" >"$WORK/$LOG" 2>&1 || rc=$?
    echo $rc
}

start_fleet good

# The inventory: every row a host, its groups from the Loja column, the password vaulted.
ansible-inventory -i "$WORK/good.hxfleet.yml" --list >"$WORK/inventory.json" 2>"$WORK/inventory.err"
check "the inventory lists every terminal with its address and values" \
    test "$(grep -c '"hx_address": "127.0.0.1:' "$WORK/inventory.json")" = "$COUNT"
check "the inventory gives each terminal its own IP Local" \
    test "$(grep -cE '"Conexao.IPLocal": "10\.20\.0\.([1-9]|1[0-9]|20)"' "$WORK/inventory.json")" = "$COUNT"
check "the vaulted password stays vaulted in the inventory" \
    test "$(grep -c '"__ansible_vault"' "$WORK/inventory.json")" = "$COUNT"
check "the inventory never shows the password" absent "$PASSWORD" "$WORK/inventory.json"
expected_graph=$(
    echo "@all:"
    echo "  |--@ungrouped:"
    echo "  |--@Loja_Norte:"
    for i in $(seq 1 2 "$COUNT"); do echo "  |  |--$(host_of good "$i")"; done
    echo "  |--@Loja_Sul:"
    for i in $(seq 2 2 "$COUNT"); do echo "  |  |--$(host_of good "$i")"; done
)
actual_graph=$(ansible-inventory -i "$WORK/good.hxfleet.yml" --graph 2>/dev/null)
check "the groups come from the Loja column" test "$actual_graph" = "$expected_graph"
# Without a vault the password column is the host's password; with a password file it is not used.
printf 'plugin: hxconfig.terminal.fleet\nfleet: good.csv\n' >"$WORK/plain.hxfleet.yml"
ansible-inventory -i "$WORK/plain.hxfleet.yml" --host "$(host_of good 3)" >"$WORK/plain-host.json" 2>/dev/null
check "the password column gives hx_password" grep -qF "\"hx_password\": \"$PASSWORD\"" "$WORK/plain-host.json"
printf 'plugin: hxconfig.terminal.fleet\nfleet: good.csv\npassword_file: /etc/hxconfig/senha\n' \
    >"$WORK/file.hxfleet.yml"
ansible-inventory -i "$WORK/file.hxfleet.yml" --host "$(host_of good 3)" >"$WORK/file-host.json" 2>/dev/null
check "a password file replaces the column" grep -qF '"hx_password_file": "/etc/hxconfig/senha"' "$WORK/file-host.json"
check "a password file hides the column" absent hx_password\" "$WORK/file-host.json"
check "the row's values and address" grep -qF "\"hx_address\": \"$(address_of good 3)\"" "$WORK/file-host.json"

# 1. Check mode with diffs: every change reported, nothing sent.
LOG=check.log
rc=$(playbook -i "$WORK/good.hxfleet.yml" --check --diff -e stage=check "$HERE/configure.yml")
check "the dry run succeeds (exit $rc)" test "$rc" = 0
check "the dry run reports every terminal changed" test "$(recap_count "$WORK/check.log" 'changed=1 .*failed=0')" = "$COUNT"
for i in $(seq 1 "$COUNT"); do
    grep -qx -- "-Conexao.IPLocal: 10.0.0.$i" "$WORK/check.log" && grep -qx -- "+Conexao.IPLocal: 10.20.0.$i" "$WORK/check.log" ||
        fail "the dry run shows no diff for terminal $i"
done
check "after the dry run every terminal still holds its own IP Local" every_terminal_holds good 10.0.0
check "the dry run saved no backup" test ! -e "$WORK/backups-good"

# 2. For real, with -vvvv: 20 changed, each verified by the module and read back here.
LOG=write.log
rc=$(playbook -vvvv -i "$WORK/good.hxfleet.yml" --diff -e stage=write "$HERE/configure.yml")
check "the write succeeds (exit $rc)" test "$rc" = 0
check "the write changes every terminal" test "$(recap_count "$WORK/write.log" 'changed=1 .*failed=0')" = "$COUNT"
check "every terminal holds its new IP Local" every_terminal_holds good 10.20.0
backups_hold_first_ips() { # each terminal's one backup holds the IP Local it had before
    local i files ok=0
    for i in $(seq 1 "$COUNT"); do
        files=("$WORK/backups-good/$(printf '0050C2%06X' "$i")"_*.ini)
        if [ ${#files[@]} != 1 ] || ! grep -qx $'IPLocal=10.0.0.'"$i"$'\r' "${files[0]}"; then
            echo "terminal $i: backups ${files[*]}" >&2
            ok=1
        fi
    done
    return $ok
}
check "each terminal's one backup holds what it held before" backups_hold_first_ips

# 3. Again: nothing to write.
LOG=again.log
rc=$(playbook -i "$WORK/good.hxfleet.yml" -e stage=again "$HERE/configure.yml")
check "the second run succeeds (exit $rc)" test "$rc" = 0
check "the second run changes nothing" test "$(recap_count "$WORK/again.log" 'changed=0 .*failed=0')" = "$COUNT"

# 4. A fleet with one faulty terminal: it fails with the program's message and exit code, the
# others are written.
start_fleet bad --faulty 1 --refuse-unlock
LOG=faulty.log
rc=$(playbook -i "$WORK/bad.hxfleet.yml" -e stage=faulty "$HERE/configure.yml")
faulty=$(address_of bad "$COUNT")
faulty_host=$(host_of bad "$COUNT")
check "the run with a faulty terminal fails (exit $rc)" test "$rc" = 2
check "the others are written" test "$(recap_count "$WORK/faulty.log" 'changed=1 .*failed=0')" = $((COUNT - 1))
check "the faulty terminal fails" test "$(grep -cE "^$faulty_host +: ok=0 .*failed=1" "$WORK/faulty.log")" = 1
fatal=$(grep -F "fatal: [$faulty_host]: FAILED! => " "$WORK/faulty.log" || true)
check "its message is the program's" \
    grep -qF "\"msg\": \"desbloqueio recusado pelo terminal (cópia de segurança: $WORK/backups-bad/$(printf '0050C2%06X' "$COUNT")_" <<<"$fatal"
check "its exit code is the program's" grep -qF '"rc": 4,' <<<"$fatal"
check "the faulty terminal keeps its IP Local" test "$(ip_local_of "$faulty")" = "10.0.0.$COUNT"
check "the others hold their new IP Local" test "$(ip_local_of "$(address_of bad 1)")" = 10.20.0.1

# 5. Restore a backup, give a new password, read both terminals.
first_backup=("$WORK/backups-good/0050C2000001_"*.ini)
LOG=terminals.log
printf 'new_password: %s\n' "$NEW_PASSWORD" >"$WORK/secrets.yml"
rc=$(playbook -vvvv -i "$WORK/good.hxfleet.yml" -e "restored=$(host_of good 1) renamed=$(host_of good 2)" \
    -e "restore_file=${first_backup[0]}" -e "@$WORK/secrets.yml" "$HERE/terminals.yml")
check "restore, new password and read succeed (exit $rc)" test "$rc" = 0
check "the restored terminal holds its first IP Local" test "$(ip_local_of "$(address_of good 1)")" = 10.0.0.1
check "the new password reads the terminal" \
    test "$(ip_local_of "$(address_of good 2)" "$NEW_PASSWORD")" = 10.20.0.2
check "the new password went in a file" grep -qE "^apply $(address_of good 2) .*--new-password-file " \
    "$WORK/command-lines.log"

# 6. Backups of one store's terminals twice: new, then unchanged.
# (Only where the program has the backup command; a build without it says so and skips them.)
if "$CLI" backup --help >/dev/null 2>&1; then
    LOG=backup-first.log
    rc=$(playbook -i "$WORK/good.hxfleet.yml" -e stage=first -e "hx_backups=$WORK/history" --limit Loja_Norte \
        "$HERE/backup.yml")
    half=$((COUNT / 2))
    check "the first backup succeeds (exit $rc)" test "$rc" = 0
    check "the first backup saves every terminal of the store" \
        test "$(recap_count "$WORK/backup-first.log" 'changed=1 .*failed=0')" = $half
    LOG=backup-again.log
    rc=$(playbook -i "$WORK/good.hxfleet.yml" -e stage=again -e "hx_backups=$WORK/history" --limit Loja_Norte \
        "$HERE/backup.yml")
    check "the second backup succeeds (exit $rc)" test "$rc" = 0
    check "the second backup saves nothing" test "$(recap_count "$WORK/backup-again.log" 'changed=0 .*failed=0')" = $half
    check "one file per terminal of the store" test "$(ls "$WORK/history" | grep -c '^0050C2.*\.ini$')" = $half
else
    echo "SKIP: $CLI has no backup command; the backup module is not exercised"
fi

# 7. No password anywhere: not in any output (two runs with -vvvv among them), not on any command line.
logs=("$WORK"/*.log)
check "the modules got the password in the environment" \
    test "$(grep -c ' env=set$' "$WORK/command-lines.log")" = "$(wc -l <"$WORK/command-lines.log")"
# The passwords as text, and as the image's bytes in hexadecimal, spaced or not.
hex_of() { printf '%s' "$1" | od -An -tx1 | tr -d '\n' | sed 's/^ //'; }
for secret in "$PASSWORD" "$NEW_PASSWORD" "$VAULT_PASSWORD"; do
    check "no output and no command line shows the password $secret" absent "$secret" "${logs[@]}"
    check "no output shows the password $secret in hexadecimal" \
        absent_ignoring_case "$(hex_of "$secret")" "$(hex_of "$secret" | tr -d ' ')" "${logs[@]}"
done

if [ $failures -gt 0 ]; then
    echo "$failures checks failed; the logs:" >&2
    for log in "${logs[@]}"; do
        echo "==== $log" >&2
        tail -n 40 "$log" >&2
    done
    exit 1
fi
echo "every check passed"
