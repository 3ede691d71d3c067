#!/bin/sh
# Fails when a text marked for translation has no English translation in the catalogue, or when a
# Portuguese text reaches the user without going through the translation system.
# Usage: check-translations.sh LUPDATE CATALOGUE.ts SOURCE_ROOT
set -u
# Bytes, not characters: any byte above ASCII is a letter outside English.
export LC_ALL=C
lupdate=$1
catalogue=$2
root=$3
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
status=0

# lupdate on a copy: every text in the sources, with the translations the catalogue has.
cp "$catalogue" "$work/check.ts"
"$lupdate" -locations none -no-obsolete -silent -source-language pt_BR -target-language en \
    "$root/src" "$root/cli" "$root/sim" -ts "$work/check.ts" >"$work/lupdate.log" 2>&1 || {
    cat "$work/lupdate.log"
    exit 1
}
# lupdate's own complaints (a tr() it cannot place in a context) leave texts untranslated.
if grep -v -e '^Scanning' -e '^Updating' -e '^ *Found' "$work/lupdate.log" | grep .; then
    status=1
fi
untranslated=$(grep -c 'type="unfinished"' "$work/check.ts")
if [ "$untranslated" -ne 0 ]; then
    echo "$untranslated text(s) without an English translation (run: cmake --build BUILD --target update_translations):"
    grep -B1 'type="unfinished"' "$work/check.ts" | grep '<source>'
    status=1
fi

# A literal with a Portuguese letter in a QStringLiteral or QLatin1String is shown untranslated,
# unless it is data: the texts written into files and the item values the terminal stores.
data='"Não"|"endereço"|"; Configuração de um microterminal'
found=$(grep -rnP --include='*.cpp' --include='*.h' '(QStringLiteral|QLatin1String|QString::fromUtf8)\(u?8?"[^"]*[\x80-\xff]' \
            "$root/src" "$root/cli" "$root/sim" | grep -vE "$data" | grep -vE '^[^:]+:[0-9]+: *//')
if [ -n "$found" ]; then
    echo "Portuguese texts that do not go through tr() or QCoreApplication::translate():"
    echo "$found"
    status=1
fi
# The window's design file: a text marked not to be translated must not be Portuguese either.
found=$(grep -nP 'notr="true">[^<]*([A-Za-z]{2}|[\x80-\xff])' "$root"/src/ui/*.ui)
if [ -n "$found" ]; then
    echo "Texts of the window's design marked notr:"
    echo "$found"
    status=1
fi
exit $status
