#!/bin/sh
# Every include of the project's own folders points down the layers, never up or sideways:
#   image <- files <- link <- ui, cli, sim
# Prints each offending line and fails when there is one.
set -u
root=$1
status=0
check() {
    folder=$1
    forbidden=$2
    hits=$(grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]+\"($forbidden)/" "$root/$folder"/*.cpp "$root/$folder"/*.h 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$hits" | sed "s|^|layer $folder includes above itself: |"
        status=1
    fi
}
check src/image 'files|link|ui'
check src/files 'link|ui'
check src/link 'ui'
check cli 'ui'
check sim 'ui'
exit $status
