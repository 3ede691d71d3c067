#!/usr/bin/env bash
# The collection as ansible-core sees it: ansible-doc renders every module and the inventory plugin
# with their options, examples and return values, and ansible-galaxy builds it with every plugin.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
COLLECTION="$HERE/../../ansible/ansible_collections/hxconfig/terminal"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export ANSIBLE_COLLECTIONS_PATH="$HERE/../../ansible"
export ANSIBLE_HOME="$WORK/ansible-home"
export ANSIBLE_LOCAL_TEMP="$WORK/tmp"
export ANSIBLE_NOCOLOR=1

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# render TYPE NAME TEXT...: ansible-doc shows the plugin, without a warning, with every TEXT.
render() {
    local type=$1 name=$2
    shift 2
    local out="$WORK/$type-$name.txt"
    if ! ansible-doc -t "$type" "hxconfig.terminal.$name" >"$out" 2>"$WORK/err.txt"; then
        fail "ansible-doc -t $type hxconfig.terminal.$name: $(cat "$WORK/err.txt")"
        return
    fi
    [ -s "$WORK/err.txt" ] && fail "ansible-doc -t $type $name warns: $(cat "$WORK/err.txt")"
    local text
    for text in "> HXCONFIG.TERMINAL.${name^^}" "$@"; do
        grep -qF -- "$text" "$out" || fail "ansible-doc -t $type $name does not show '$text'"
    done
    echo "ok: $type $name"
}

modules=()
for file in "$COLLECTION"/plugins/modules/*.py; do
    modules+=("$(basename "$file" .py)")
done
[ "${modules[*]}" = "backup config info restore" ] || fail "the modules are ${modules[*]}"
shared=("= address" "- password" "- password_file" "- cli" "default: hxconfig-cli" "- timeout" "EXAMPLES:"
    "RETURN VALUES:" "HXCONFIG_PASSWORD")
render module config "${shared[@]}" "- profile" "- values" "- new_password" "- backup_dir" "- verify" "- reboot" \
    "check_mode" "diff_mode" "- changes" "- verified"
render module backup "${shared[@]}" "- backup_dir" "- file" "- mac"
render module info "${shared[@]}" "- ready" "- mac" "- fields"
render module restore "${shared[@]}" "= file" "- clone" "- keep_ip" "- values" "- backup_dir" "- new_password"
render inventory fleet "= fleet" "- group_column" "- password" "- password_file" "hx_address" "hx_values" \
    "hx_password" ".hxfleet.yml" "EXAMPLES:"

listed=$(ansible-doc -t module -l hxconfig.terminal 2>/dev/null | awk '{ print $1 }' | sort | tr '\n' ' ')
[ "$listed" = "hxconfig.terminal.backup hxconfig.terminal.config hxconfig.terminal.info hxconfig.terminal.restore " ] ||
    fail "ansible-doc lists $listed"

(cd "$COLLECTION" && ansible-galaxy collection build --output-path "$WORK" >/dev/null)
version=$(sed -n 's/^version: //p' "$COLLECTION/galaxy.yml")
archive="$WORK/hxconfig-terminal-$version.tar.gz"
if [ -f "$archive" ]; then
    tar -tzf "$archive" | sort >"$WORK/contents.txt"
    missing=0
    for path in MANIFEST.json README.md meta/runtime.yml plugins/inventory/fleet.py \
        plugins/module_utils/hxcli.py plugins/doc_fragments/common.py plugins/modules/config.py \
        plugins/modules/backup.py plugins/modules/info.py plugins/modules/restore.py; do
        grep -qx -- "$path" "$WORK/contents.txt" || { fail "the archive lacks $path"; missing=1; }
    done
    [ $missing = 1 ] || echo "ok: ansible-galaxy collection build"
else
    fail "ansible-galaxy collection build made no $archive"
fi

[ $failures -eq 0 ] || exit 1
echo "every check passed"
