#!/usr/bin/env bash
# Installs unixODBC (runtime and headers) and the SQLite ODBC driver from
# Debian's packages when they are missing. Safe to run again: it installs
# nothing when everything is present.
set -euo pipefail

packages=(unixodbc unixodbc-dev libsqliteodbc)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  echo "install-odbc: unixODBC and the SQLite ODBC driver are installed"
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
  else
    echo "install-odbc: need root to install: ${missing[*]}" >&2
    exit 1
  fi
fi

echo "install-odbc: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

# The driver package registers "SQLite3" in /etc/odbcinst.ini; say so when
# it did not, since the round-trip test looks the driver up by that name.
if ! grep -q '^\[SQLite3\]' /etc/odbcinst.ini 2>/dev/null; then
  echo "install-odbc: warning: no [SQLite3] driver entry in /etc/odbcinst.ini" >&2
fi
