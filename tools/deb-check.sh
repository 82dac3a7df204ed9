#!/usr/bin/env bash
# Builds the Debian package and checks it on this machine: its contents, an
# install with apt, a headless start of the installed game the way the menu
# starts it (the desktop entry's command, from "/", as an ordinary user with
# a fresh home), then the removal, after which none of its files may remain.
# Needs root (apt); the package must not be installed yet.
#     tools/deb-check.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "deb-check: run as root (apt-get install)" >&2; exit 1; }
if dpkg -s fiscora >/dev/null 2>&1; then
    echo "deb-check: fiscora is installed already; apt-get remove fiscora first" >&2
    exit 1
fi
tmp=$(mktemp -d)
chmod 755 "$tmp"
trap 'rm -rf "$tmp"' EXIT INT TERM
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
section() { printf '\n== %s\n' "$*"; }

section "cpack -G DEB"
rm -f "$build"/fiscora_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/fiscora_*.deb)

section "dpkg-deb --info $(basename "$deb")"
dpkg-deb --info "$deb"
section "dpkg-deb --contents"
dpkg-deb --contents "$deb"

section "apt-get install -y $deb"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "$deb"
dpkg -L fiscora | LC_ALL=C sort >"$tmp/files"
section "dpkg -L fiscora: $(wc -l <"$tmp/files") paths"

section "the desktop entry and the metadata as installed"
desktop=/usr/share/applications/se.fiscora.Fiscora.desktop
command -v desktop-file-validate >/dev/null && { desktop-file-validate "$desktop" || fail "desktop entry"; }
command -v appstreamcli >/dev/null &&
    { appstreamcli validate --no-net /usr/share/metainfo/se.fiscora.Fiscora.metainfo.xml ||
      fail "metadata"; }
command=$(sed -n 's/^Exec=//p' "$desktop")
echo "Exec=$command resolves to $(command -v "${command%% *}")"

section "the menu's start: '$command' in /, as nobody, HOME=$tmp/home"
home=$tmp/home
mkdir -p "$home"
chown nobody "$home"
printf '30 quit\n' >"$tmp/script.txt"
status=0
(cd / && env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" FISCORA_HEADLESS=1 \
    SDL_AUDIODRIVER=dummy FISCORA_FIXED_DT=0.02 FISCORA_AUTOPILOT="$tmp/script.txt" \
    timeout 120 setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups $command) ||
    status=$?
echo "exit status $status"
[ "$status" -eq 0 ] || fail "the game ended with $status"
log=$home/.local/state/fiscora/log.log
if [ -f "$log" ]; then
    echo "log.log: $log ($(wc -l <"$log") lines); its first lines and the folder lines:"
    head -4 "$log"
    grep -aE "logging to|writing to|stuff files|shutting down" "$log" | sed 's/^/  /'
    ls -l "$home/.local/state/fiscora"
    for bad in "unable to add searchpath" "doesnt exist" "unable to read"; do
        ! grep -aqF "$bad" "$log" || fail "log.log has: $(grep -aF "$bad" "$log" | head -3)"
    done
    grep -aqF "$(printf '[WinMain]\t\tshutting down')" "$log" || fail "no shutdown line"
    [ -f "$home/.local/state/fiscora/hge.log" ] || fail "no hge.log beside log.log"
else
    fail "no log.log in $home/.local/state/fiscora"
fi
[ -e /log.log ] && fail "a log.log in /"

section "apt-get remove -y fiscora"
apt-get remove -y -q fiscora
dpkg -s fiscora >/dev/null 2>&1 && fail "fiscora still installed"
left=0
while read -r path; do
    # Shared folders (/usr, /usr/share/icons/...) stay; everything else goes.
    if [ -e "$path" ] || [ -L "$path" ]; then
        if [ ! -d "$path" ] || [[ "$path" == *fiscora* ]]; then
            echo "left behind: $path"
            left=$((left + 1))
        fi
    fi
done <"$tmp/files"
[ "$left" -eq 0 ] && echo "none of the package's $(wc -l <"$tmp/files") paths is left (shared folders aside)"
[ "$left" -eq 0 ] || fail "$left paths left after removal"

section "result"
if [ "$failures" -ne 0 ]; then
    echo "deb-check: $failures failures"
    exit 1
fi
echo "deb-check: $(basename "$deb") built, installed, started from the menu's command, removed cleanly"
