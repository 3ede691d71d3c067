#!/usr/bin/env bash
# ansible-test's sanity tests that run offline with Debian's ansible-core: the ones that need no
# virtual environment of their own (those install their requirements from the network).
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# A copy, so that ansible-test writes its output there and sees the collection's files only.
mkdir -p "$WORK/ansible_collections/hxconfig"
cp -r "$HERE/../../ansible/ansible_collections/hxconfig/terminal" "$WORK/ansible_collections/hxconfig/"
find "$WORK" -name __pycache__ -prune -exec rm -rf {} +
export ANSIBLE_HOME="$WORK/ansible-home"
OFFLINE_TESTS=(action-plugin-docs changelog compile empty-init future-import-boilerplate ignores line-endings
    metaclass-boilerplate no-assert no-basestring no-dict-iteritems no-dict-iterkeys no-dict-itervalues
    no-get-exception no-illegal-filenames no-main-display no-smart-quotes no-unicode-literals replace-urlopen
    shebang shellcheck symlinks use-argspec-type-path use-compat-six)
arguments=()
for test in "${OFFLINE_TESTS[@]}"; do
    arguments+=(--test "$test")
done
python=$(/usr/bin/python3 -c 'import sys; print("%d.%d" % sys.version_info[:2])')
cd "$WORK/ansible_collections/hxconfig/terminal"
ansible-test sanity --local --python "$python" "${arguments[@]}"
echo "ansible-test sanity: ${#OFFLINE_TESTS[@]} tests passed"
