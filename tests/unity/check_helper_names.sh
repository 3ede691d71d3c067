#!/usr/bin/env bash
# The test files of one program compile six at a time in one unit, so they share one scope: two
# files that define a helper of the same name either do not build or, with other parameters, let a
# call in one file pick the other file's overload without a word. This check fails when two test
# files of one program (test_gui_*.cpp, or the others) define the same name at file level, or when
# one defines a name that clifixtures.h (brought in by `using namespace clifixtures`) defines too.
# Usage: check_helper_names.sh TESTS_FOLDER
set -euo pipefail
cd "$1"

# "NAME FILE" for every class, struct, enum, function and constant defined at the start of a line.
names_in() {
    awk -v file="$1" '
        /^(class|struct|enum class|enum) [A-Za-z_][A-Za-z0-9_]*/ && !/;[ \t]*$/ {
            name = $0; sub(/^(enum class|class|struct|enum) /, "", name); sub(/[^A-Za-z0-9_].*/, "", name)
            print name, file; next
        }
        /^(inline |static |const |constexpr )*[A-Za-z_][A-Za-z0-9_:<>, ]*[ *&]+[A-Za-z_][A-Za-z0-9_]*[ \t]*(\(|=|\{|;)/ &&
        !/^(return|using|namespace|typedef|#)/ {
            line = $0; sub(/[ \t]*(\(|=|\{|;).*/, "", line); name = line; sub(/.*[ *&]/, "", name)
            print name, file
        }' "$1"
}

clashes=$(
    for file in test_*.cpp; do
        program=tests
        [[ $file == test_gui_* ]] && program=guitests
        names_in "$file" | sed "s/^/$program /"
    done
    # clifixtures' names count in a program only where one of its files brings them all in.
    if grep -l "using namespace clifixtures" test_*.cpp | grep -vq '^test_gui_'; then
        names_in support/clifixtures.h | sed "s/^/tests /"
    fi
    if grep -l "using namespace clifixtures" test_gui_*.cpp >/dev/null; then
        names_in support/clifixtures.h | sed "s/^/guitests /"
    fi
) || true
duplicates=$(awk '$2 !~ /^(Test[A-Za-z0-9_]*|main)$/ { key = $1 " " $2; where[key] = where[key] " " $3; n[key]++ }
                  END { for (k in n) if (n[k] > 1) print k ":" where[k] }' <<<"$clashes" | sort)
if [ -n "$duplicates" ]; then
    echo "defined in more than one file of a test program (rename one, or move it to tests/support/):"
    echo "$duplicates"
    exit 1
fi
echo "every file-level name of the test files is defined once per test program"
