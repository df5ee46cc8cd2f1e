# Sourced by the scripts: the environment every Wine command of the project runs in.
# BUILD_DIR may be set beforehand (several build trees side by side each get their own prefix).
_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$_root/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko prompts, no host menu entries for shortcuts, no host browser for URLs.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d;winebrowser.exe=d"}
# Japanese user: ANSI code page 932, Japan's time zone.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export TZ=${TZ:-Asia/Tokyo}
unset _root
