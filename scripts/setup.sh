#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine (as root).
# Quick when everything is already there.
set -euo pipefail

need=(cmake ninja-build g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  mingw-w64-i686-dev g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev googletest wine wine32:i386 wine64 libwine:i386 fonts-wine
  libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxcomposite1:i386 libxfixes3:i386
  libxinerama1:i386 libxxf86vm1:i386 xvfb xauth x11-utils x11-apps xdotool imagemagick locales
  fonts-ipafont-gothic fonts-ipafont-mincho python3 flock chrony ccache)

missing=()
for p in "${need[@]}"; do
  case "$p" in flock) command -v flock >/dev/null || missing+=(util-linux); continue ;; esac
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "setup: missing packages (${missing[*]}); run this script as root" >&2
    exit 1
  fi
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  # A mirror in the middle of a sync can fail one index; try again, then go on with what was fetched
  # (the install below says clearly if a package is then really missing).
  for _ in 1 2 3; do apt-get update -q && break; sleep 5; done || true
  # chrony's service must not start and touch the host clock: block service starts while installing,
  # and put back whatever policy the machine had before.
  saved_policy=
  if [ -e /usr/sbin/policy-rc.d ]; then
    saved_policy=$(mktemp) && cp -a /usr/sbin/policy-rc.d "$saved_policy"
  fi
  restore_policy() {
    if [ -n "$saved_policy" ]; then mv -f "$saved_policy" /usr/sbin/policy-rc.d; else rm -f /usr/sbin/policy-rc.d; fi
  }
  trap restore_policy EXIT
  printf '#!/bin/sh\nexit 101\n' > /usr/sbin/policy-rc.d && chmod +x /usr/sbin/policy-rc.d
  install() { DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"; }
  # A mirror caught mid-sync can miss one architecture's security index; the multi-arch libraries
  # then agree only at the release's own versions, which -t bookworm selects.
  install "${missing[@]}" || install -t bookworm "${missing[@]}"
  restore_policy
  trap - EXIT
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
echo "setup: packages and locale ready"
