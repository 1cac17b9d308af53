#!/usr/bin/env bash
# scripts/build configures a new build folder with the options it is given (the sanitizer build of
# CI depends on them) and builds the targets it is named, or everything. cmake is a stand-in that
# only reports its calls and writes the build file a configuration leaves.
set -euo pipefail
quellen=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/bin" "$tmp/baum/scripts"
cp "$quellen/scripts/build" "$tmp/baum/scripts/build"
cat >"$tmp/bin/cmake" <<'ENDE'
#!/bin/sh
echo "$*" >>"$AUFRUFE"
[ "$1" = -S ] && mkdir -p "$4" && touch "$4/build.ninja"
exit 0
ENDE
chmod +x "$tmp/bin/cmake"
export AUFRUFE=$tmp/aufrufe PATH=$tmp/bin:$PATH
cd "$tmp/baum"
scripts/build asan -DAXO_SANITIZE=ON -DAXO_BENCHMARKS=OFF test_app betrachter
scripts/build asan
erwartet="-S . -B asan -G Ninja -DAXO_SANITIZE=ON -DAXO_BENCHMARKS=OFF
--build asan --target test_app --target betrachter -- -j$(nproc)
--build asan -- -j$(nproc)"
if [ "$(cat "$AUFRUFE")" != "$erwartet" ]; then
  printf 'cmake was called as:\n%s\ninstead of:\n%s\n' "$(cat "$AUFRUFE")" "$erwartet" >&2
  exit 1
fi
