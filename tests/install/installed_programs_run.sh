#!/usr/bin/env bash
# Installs the build into a temporary prefix, then uses the programs there from another
# folder, through the links in bin/: the version, a new data root, the help pages and the
# collation extension where the installed program and the README say they are.
set -euo pipefail
cmake=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "BŁĄD: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" \
  || { cat "$work/install.log" >&2; fail "instalacja nie powiodła się"; }

for file in bin/ksiega bin/ksiega-cli lib/ksiega/ksiega lib/ksiega/ksiega-cli \
            lib/ksiega/libksiega_polish.so lib/ksiega/pomoc/ksiega/index.htm \
            share/applications/ksiega.desktop share/icons/hicolor/scalable/apps/ksiega.svg; do
  [ -e "$prefix/$file" ] || fail "brak $file w instalacji"
done
[ -L "$prefix/bin/ksiega-cli" ] || fail "bin/ksiega-cli nie jest dowiązaniem"
grep -q '^Name=Księga Przychodów i Rozchodów$' "$prefix/share/applications/ksiega.desktop" \
  || fail "plik .desktop bez polskiej nazwy"

mkdir "$work/firma"
cd "$work/firma"
printed=$("$prefix/bin/ksiega-cli" --version)
[[ $printed == *"$version"* ]] || fail "--version wypisało: $printed"
"$prefix/bin/ksiega-cli" init --firma "Firma z pakietu" --rok 2026 >"$work/init.log" \
  || { cat "$work/init.log" >&2; fail "init nie powiódł się"; }
[ -f "$work/firma/KSIEGA.DB" ] || fail "init nie założył KSIEGA.DB"
status=$("$prefix/bin/ksiega-cli" status) || fail "status nie powiódł się: $status"
[[ $status == *2026* ]] || fail "status nie zna roku 2026: $status"

order=$(sqlite3 -cmd ".load $prefix/lib/ksiega/libksiega_polish" :memory: \
  "SELECT group_concat(x, ' ') FROM (SELECT column1 AS x FROM (VALUES ('Ź'), ('Ł'), ('L')) ORDER BY x COLLATE POLISH)")
[ "$order" = "L Ł Ź" ] || fail "rozszerzenie z instalacji porządkuje: $order"
echo "zainstalowane programy działają z $prefix"
