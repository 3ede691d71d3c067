#!/bin/sh
# Every include of the project's own folders points down the layers, never up or sideways:
#   image <- files <- link <- ui, cli, sim
# Prints each offending line and fails when there is one, or when a library's source list
# forgets a file of its folder.
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
# Each library lists its sources: a file of a layer's folder that its list forgets would be left
# out of the build.
for file in "$root"/src/image/* "$root"/src/files/* "$root"/src/link/* "$root"/src/ui/*; do
    name=${file#"$root"/src/}
    grep -qw "$name" "$root/src/CMakeLists.txt" || {
        echo "src/CMakeLists.txt does not list $name"
        status=1
    }
done
exit $status
