#!/bin/sh
# Installs the build into a fresh prefix, checks the layout, then starts the
# installed game the way a menu does: through bin/fiscora, in a working folder
# it may not write to, with an install folder it may not write to (as root,
# the game runs as "nobody" so that permissions hold). The logs must land in
# the user's state folder and the content must be found.
#     install-test.sh BUILD_DIR
set -u
build=$1
id=se.fiscora.Fiscora
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
chmod 755 "$tmp"
prefix=$tmp/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$tmp/install.txt" 2>&1 ||
    { cat "$tmp/install.txt"; echo "FAIL: cmake --install"; exit 1; }

# The layout.
for file in lib/fiscora/fiscora lib/fiscora/fiscora.info share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
            share/doc/fiscora/LICENSE; do
    [ -s "$prefix/$file" ] || fail "missing $file"
done
for folder in bin fnt gfx psi snd txt usr xml; do
    python3 -m zipfile -t "$prefix/share/fiscora/$folder.stuff" >/dev/null 2>&1 || fail "no archive $folder.stuff"
done
[ -d "$prefix/share/fiscora/usr" ] || fail "no write folder share/fiscora/usr"
link=$(readlink "$prefix/bin/fiscora")
case $link in
    /*|"") fail "bin/fiscora is not a relative link: '$link'" ;;
esac
[ "$(readlink -f "$prefix/bin/fiscora")" = "$(readlink -f "$prefix/lib/fiscora/fiscora")" ] ||
    fail "bin/fiscora does not lead to lib/fiscora/fiscora"
grep -q " encrypted$" "$prefix/lib/fiscora/fiscora.info" || fail "the side file does not name archives"
for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    got=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8]==b"\x89PNG\r\n\x1a\n" else "none")' "$png" 2>/dev/null)
    [ "$got" = "${size}x$size" ] || fail "icon ${size}x$size is '$got'"
done

# A start from a menu: nothing here is the game's to write.
work=$tmp/work
home=$tmp/home
state=$tmp/state
mkdir -p "$work" "$home" "$state"
printf '30 quit\n' >"$tmp/script.txt"
chmod 555 "$work"
chmod a-w "$prefix/share/fiscora/usr"
run=""
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$home" "$state"
    run="setpriv --reuid=nobody --regid=$(id -g nobody) --clear-groups"
fi
(cd "$work" && env -u XDG_DATA_HOME HOME="$home" XDG_STATE_HOME="$state" FISCORA_HEADLESS=1 \
    SDL_AUDIODRIVER=dummy FISCORA_FIXED_DT=0.02 FISCORA_AUTOPILOT="$tmp/script.txt" \
    timeout 120 $run "$prefix/bin/fiscora" -window) >"$tmp/run.txt" 2>&1
status=$?
[ "$status" -eq 0 ] || { cat "$tmp/run.txt"; fail "the game ended with $status"; }

log=$state/fiscora/log.log
[ -f "$log" ] || fail "no log.log in \$XDG_STATE_HOME/fiscora"
[ -f "$state/fiscora/hge.log" ] || fail "no hge.log in \$XDG_STATE_HOME/fiscora"
[ -e "$work/log.log" ] && fail "a log.log in the working folder"
expect() { grep -aqF "$1" "$log" 2>/dev/null || fail "log.log lacks: $1"; }
refuse() { ! grep -aqF "$1" "$log" 2>/dev/null || fail "log.log has: $(grep -aF "$1" "$log" | head -3)"; }
expect "logging to $state/fiscora"
expect "writing to $home/.local/share/fiscora/usr"
expect "stuff files will be read as archives"
expect "$(printf '[WinMain]\t\tshutting down')"
refuse "unable to add searchpath"
refuse "doesnt exist"
refuse "unable to read"
[ -d "$home/.local/share/fiscora/usr" ] || fail "no write folder in the user's data folder"

if [ "$failures" -ne 0 ]; then
    echo "--- log.log (head)"; head -20 "$log" 2>/dev/null
    exit 1
fi
echo "installed to $prefix: layout complete, the game ran and logged to $state/fiscora"
