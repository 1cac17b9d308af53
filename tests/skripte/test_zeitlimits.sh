#!/usr/bin/env bash
# The check for time limits fails, naming them, when tests of a build folder or of its subfolders
# have none, and leaves the folder's test logs alone: ctest names them after a failed run, and the
# check runs while the suite is still writing them.
set -euo pipefail
quellen=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bau="$tmp/bau ordner"
mkdir -p "$bau/unter" "$bau/Testing/Temporary"
cat >"$bau/CTestTestfile.cmake" <<'ENDE'
add_test(mit true)
set_tests_properties(mit PROPERTIES TIMEOUT 5)
subdirs("unter")
ENDE
echo 'add_test(ohne true)' >"$bau/unter/CTestTestfile.cmake"
echo 'The following tests FAILED: mit' >"$bau/Testing/Temporary/LastTest.log"
cp -r "$bau/Testing" "$tmp/vorher"
if ausgabe=$(cmake -DORDNER="$bau" -P "$quellen/cmake/zeitlimits.cmake" 2>&1); then
  echo "A test without a time limit passed the check: $ausgabe" >&2
  exit 1
fi
if ! grep -q '^ *ohne$' <<<"$ausgabe" || grep -q '^ *mit$' <<<"$ausgabe"; then
  echo "The check named other tests than the one without a time limit: $ausgabe" >&2
  exit 1
fi
diff -r "$tmp/vorher" "$bau/Testing"
