#!/usr/bin/env bash
# Installs dist/marklow_*.deb with apt into a clean Debian 12 made by debootstrap, starts the
# program from /usr/bin/marklow on a real X display (Xvfb) and marklow-cli on the sample
# class, then removes the package with apt and checks that none of its files is left.
# Needs root and a Debian mirror. The pristine system is kept in $MARKLOW_CHROOT.base and
# copied afresh for every run.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-deb.sh needs root (chroot)" >&2; exit 1; }
deb=$(ls -t dist/marklow_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "no dist/marklow_*.deb: run scripts/build-deb.sh first" >&2; exit 1; }

export DEBIAN_FRONTEND=noninteractive
for p in debootstrap xvfb imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    apt-get install -y -qq --no-install-recommends "$p"
done

base=${MARKLOW_CHROOT:-/var/tmp/marklow-bookworm}.base
run=${MARKLOW_CHROOT:-/var/tmp/marklow-bookworm}.run
if [ ! -x "$base/usr/bin/apt-get" ]; then
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" http://deb.debian.org/debian
fi
display=:97
cleanup() {
  for m in tmp/.X11-unix dev/pts dev proc; do umount "$run/$m" 2>/dev/null || true; done
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
cleanup
rm -rf "$run"
cp -a "$base" "$run"
mount -t proc proc "$run/proc"
mount --bind /dev "$run/dev"
mount --bind /dev/pts "$run/dev/pts"
cp /etc/resolv.conf "$run/etc/resolv.conf"
cp "$deb" data/sample-class.gbd "$run/tmp/"
in_root() { chroot "$run" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

echo "== apt install ./$(basename "$deb")"
in_root apt-get update -qq
in_root apt-get install -y -q "./tmp/$(basename "$deb")" | tail -3
in_root dpkg -s marklow | sed -n '/^Version/p;/^Depends/p;/^Installed-Size/p'

echo "== marklow-cli on the sample class"
in_root /usr/bin/marklow-cli show /tmp/sample-class.gbd | head -3
in_root /usr/bin/marklow-cli check /tmp/sample-class.gbd | tail -4 || true

echo "== /usr/bin/marklow on an X display"
Xvfb "$display" -screen 0 1024x700x24 -nolisten tcp &
xvfb=$!
sleep 1
mkdir -p "$run/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$run/tmp/.X11-unix"
set +e
in_root DISPLAY="$display" QT_QPA_PLATFORM=xcb timeout 8 /usr/bin/marklow /tmp/sample-class.gbd &
app=$!
sleep 6
DISPLAY="$display" import -window root dist/installed-marklow.png
wait "$app"
status=$?
set -e
# timeout's 124: it was still running after 8 s, as a started window is.
[ "$status" -eq 124 ] || { echo "/usr/bin/marklow exited with $status" >&2; exit 1; }
echo "started; screenshot in dist/installed-marklow.png"

echo "== apt remove marklow"
files=$(in_root dpkg -L marklow | while read -r f; do [ -f "$run$f" ] && echo "$f"; done)
in_root apt-get remove -y -q marklow | tail -2
left=0
for f in $files; do
  if [ -e "$run$f" ]; then echo "left behind: $f" >&2; left=1; fi
done
[ "$left" -eq 0 ] || exit 1
state=$(in_root dpkg-query -W -f='${Status}' marklow 2>/dev/null || true)
case "$state" in
  *" installed") echo "dpkg still knows marklow as installed" >&2; exit 1 ;;
esac
echo "removed cleanly: $(echo "$files" | wc -l) files gone"
