# Sourced by the scripts: the environment every Wine command of the project runs in.
# BUILD_DIR may be set beforehand (several build trees side by side each get their own prefix).
_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$_root/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko prompts, no host menu entries for shortcuts, no host browser for URLs.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d;winebrowser.exe=d"}
# Japanese user: ANSI code page 932, Japan's time zone.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export TZ=${TZ:-Asia/Tokyo}

# The programs are 32-bit and run under 32-bit Wine. Some virtual machines cannot execute 32-bit
# Linux code at all (IA-32 emulation off: execve answers "Exec format error"); there the same
# sources are built and tested as 64-bit programs under 64-bit Wine, and the 32-bit programs are
# still built. Decided once Wine is installed; WINEARCH set beforehand wins.
if [ -z "${WINEARCH:-}" ] && [ -x /usr/lib/wine/wine64 ]; then
  if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    export WINEARCH=win32
  else
    export WINEARCH=win64
  fi
fi
if [ "${WINEARCH:-}" = win64 ]; then
  # Debian's wine script and wineboot's loader prefer the 32-bit loader whenever it is installed.
  export WINELOADER=/usr/lib/wine/wine64
  _shim=$BUILD_DIR/wine64-bin
  if [ ! -x "$_shim/wine-stable" ]; then
    mkdir -p "$_shim"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$_shim/wine"
    chmod +x "$_shim/wine" && cp -f "$_shim/wine" "$_shim/wine-stable"
  fi
  case ":$PATH:" in *":$_shim:"*) ;; *) export PATH="$_shim:$PATH" ;; esac
  export TOOLCHAIN_FILE=$_root/cmake/toolchain-mingw64.cmake
  unset _shim
else
  export TOOLCHAIN_FILE=$_root/cmake/toolchain-mingw32.cmake
fi
unset _root
