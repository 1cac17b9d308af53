#!/usr/bin/env bash
# scripts/apt-pakete waits while another installation holds the package manager's lock, also when
# the user's locale is German, and then installs what is missing. apt-get, dpkg-query, sudo and
# sleep are stand-ins: nothing is installed and nothing waits.
set -euo pipefail
quellen=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin"

# apt-get speaks the language gettext would choose; its first call finds the lock held.
cat >"$tmp/bin/apt-get" <<'ENDE'
#!/usr/bin/env bash
gebiet=${LC_ALL:-${LC_MESSAGES:-${LANG:-C}}}
[ "$gebiet" = C ] || [ "$gebiet" = POSIX ] || gebiet=${LANGUAGE:-$gebiet}
if [ ! -e "$APT_PROTOKOLL.gesperrt" ]; then
  touch "$APT_PROTOKOLL.gesperrt"
  case $gebiet in
  de*) echo "E: Sperre /var/lib/dpkg/lock-frontend konnte nicht erlangt werden. Sie wird von Prozess 4711 (apt-get) gehalten." >&2 ;;
  *) echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4711 (apt-get)" >&2 ;;
  esac
  exit 100
fi
echo "$*" >>"$APT_PROTOKOLL"
ENDE
# Only a package whose status ends in "ok installed" is there; one half installed or removed is not.
cat >"$tmp/bin/dpkg-query" <<'ENDE'
#!/bin/sh
case $3 in
fertig) printf 'install ok installed' ;;
paket-a) printf 'unknown ok not-installed' ;;
paket-b) printf 'install reinstreq half-installed' ;;
*) exit 1 ;;
esac
ENDE
printf '#!/bin/sh\nexec "$@"\n' >"$tmp/bin/sudo"
printf '#!/bin/sh\n' >"$tmp/bin/sleep"
chmod +x "$tmp/bin"/*

export APT_PROTOKOLL=$tmp/apt.txt
env -u LC_ALL PATH="$tmp/bin:$PATH" LANG=de_DE.UTF-8 LANGUAGE=de:en \
  "$quellen/scripts/apt-pakete" paket-a fertig paket-b
erwartet="update -qq
install -y -qq --no-install-recommends paket-a paket-b"
if [ "$(sed 's/^-o DPkg::Lock::Timeout=60 //' "$APT_PROTOKOLL")" != "$erwartet" ]; then
  echo "apt-get was called with:" >&2
  cat "$APT_PROTOKOLL" >&2
  exit 1
fi
