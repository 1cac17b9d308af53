#!/usr/bin/env bash
# ./run hands the viewer each project the user names as an absolute path under the name the user
# gave, also when it is a link (the viewer opens only names ending in ".axo", whatever the link
# points to) or missing, every other argument (Qt's options and their values) as given, and builds
# only the viewer. Without a project among them the sample comes first, where the viewer takes its
# project from once Qt has removed its own options. The set-up, the build and the viewer are
# stand-ins that do nothing but report.
set -euo pipefail
quellen=$1
tmp=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$tmp"' EXIT
baum=$tmp/baum
mkdir -p "$baum/scripts" "$baum/build" "$tmp/arbeit/unter" "$tmp/ziele"
cp "$quellen/run" "$baum/run"
printf '#!/bin/sh\n' >"$baum/scripts/setup"
printf '#!/bin/sh\necho "$@" >"$0.aufruf"\n' >"$baum/scripts/build"
printf '#!/bin/sh\nprintf "%%s\\n" "$@"\n' >"$baum/build/axo-reader"
chmod +x "$baum/run" "$baum/scripts"/* "$baum/build/axo-reader"

cd "$tmp/arbeit"
touch "$tmp/ziele/x.axo.bak" unter/p.axo
ln -s "$tmp/ziele/x.axo.bak" l.axo
# Through a link to a folder, ".." leads to that folder's parent, where the file the user means is.
mkdir "$tmp/ziele/sub"
ln -s "$tmp/ziele/sub" verzeichnis
echo gemeint >"$tmp/ziele/x.axo"
echo anderes >x.axo
# A name that is missing where the user is stays theirs, also when the tree holds such a file.
touch "$baum/nur-dort.axo"
erwartet="$tmp/arbeit/l.axo
$tmp/arbeit/unter/../unter/p.axo
$tmp/arbeit/verzeichnis/../x.axo
$tmp/ziele/x.axo
$tmp/arbeit/fehlt.axo
$tmp/arbeit/nur-dort.axo
-style
fusion
-reverse
notiz.txt"
ergebnis=$("$baum/run" l.axo unter/../unter/p.axo verzeichnis/../x.axo "$tmp/ziele/x.axo" \
  fehlt.axo nur-dort.axo -style fusion -reverse notiz.txt)
if [ "$ergebnis" != "$erwartet" ]; then
  printf 'The viewer got:\n%s\ninstead of:\n%s\n' "$ergebnis" "$erwartet" >&2
  exit 1
fi
[ "$(cat "$tmp/arbeit/verzeichnis/../x.axo")" = gemeint ]
erwartet="$baum/build/Musterprojekt.axo
-style
fusion
notiz.txt"
ergebnis=$("$baum/run" -style fusion notiz.txt)
if [ "$ergebnis" != "$erwartet" ]; then
  printf 'Without a project the viewer got:\n%s\ninstead of:\n%s\n' "$ergebnis" "$erwartet" >&2
  exit 1
fi
# An absolute project alone is the project.
ergebnis=$("$baum/run" "$tmp/ziele/x.axo")
if [ "$ergebnis" != "$tmp/ziele/x.axo" ]; then
  printf 'With an absolute project the viewer got:\n%s\n' "$ergebnis" >&2
  exit 1
fi
[ "$(cat "$baum/scripts/build.aufruf")" = "build betrachter" ]
