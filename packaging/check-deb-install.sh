#!/usr/bin/env bash
# Installs a ROLVEX .deb with apt into a clean Debian 12 root and plays it there as a player
# would: a plain user starts it from its menu entry under Xvfb, picks the French version,
# opens the help, and quits. Checks that apt brings every library and plugin, that the data
# files land in the user's data folder, and that nothing is written under /usr.
# Run through `packaging/check-deb.sh --install ROOT`; needs root, Debian's mirrors,
# debootstrap, Xvfb and xdotool (ImageMagick's import, when present, keeps screenshots).
# usage: packaging/check-deb-install.sh DEB ROOT SCRATCH_DIR
set -euo pipefail
deb=$(realpath "$1")
root=$(realpath -m "$2")
scratch=$(realpath "$3")
id=io.github.rolvex.Rolvex
player=rolvexplayer
home=/home/$player
mirror=http://deb.debian.org/debian

[ "$(id -u)" -eq 0 ] || { echo "FAIL: run as root (debootstrap, chroot, mounts)"; exit 1; }
for tool in debootstrap Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (apt-get install $tool)"; exit 1; }
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
in_root() { chroot "$root" "$@"; }

if [ ! -f "$root/etc/debian_version" ]; then
  echo "Making a Debian 12 root in $root..."
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$scratch/debootstrap.log" \
    || { tail "$scratch/debootstrap.log"; exit 1; }
  # A Debian 12 as installed: its updates and security fixes too.
  cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

# Everything mounted into the root is unmounted again, whatever happens; so is Xvfb stopped.
mounted=()
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" || true; done
}
trap cleanup EXIT
mount_in_root() {  # mount_in_root SOURCE TARGET [mount options...]
  local source=$1 target=$root$2
  shift 2
  mkdir -p "$target"
  mount "$@" "$source" "$target"
  mounted+=("$target")
}
mount_in_root proc /proc -t proc
mount_in_root sysfs /sys -t sysfs
mount_in_root /dev /dev --bind
mount_in_root /dev/pts /dev/pts --bind

# A display of our own, its socket shared with the root.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
mount_in_root /tmp/.X11-unix /tmp/.X11-unix --bind
export DISPLAY=:$display

echo "Installing $(basename "$deb") with apt..."
export DEBIAN_FRONTEND=noninteractive
in_root apt-get update -qq
# A root used before goes back to what it was without the game, so the count below is true.
in_root apt-get purge -y -qq rolvex >/dev/null 2>&1 || true
in_root apt-get autoremove --purge -y -qq >/dev/null
cp "$deb" "$root/tmp/rolvex.deb"
before=$(in_root dpkg-query -W -f='${Status}\n' | grep -c 'install ok installed')
in_root apt-get install -y /tmp/rolvex.deb >"$scratch/apt-install.log" 2>&1 \
  || { tail -20 "$scratch/apt-install.log"; exit 1; }
after=$(in_root dpkg-query -W -f='${Status}\n' | grep -c 'install ok installed')
echo "apt installed rolvex and $((after - before - 1)) other package(s);" \
  "rolvex takes $(in_root dpkg-query -W -f='${Installed-Size}' rolvex) KiB"

# Every library of the game and of the Qt plugins it loads is there.
qt_plugins=$(cd "$root" && echo usr/lib/*/qt6/plugins)
qt_plugins=/$qt_plugins
[ -f "$root$qt_plugins/platforms/libqxcb.so" ] || fail "no xcb platform plugin in $qt_plugins"
mapfile -t binaries < <(cd "$root" && printf '/%s\n' usr/bin/rolvex "${qt_plugins#/}"/*/*.so)
for binary in "${binaries[@]}"; do
  libraries=$(in_root ldd "$binary") || { fail "ldd $binary failed"; continue; }
  missing=$(grep 'not found' <<<"$libraries" || true)
  [ -z "$missing" ] || fail "$binary lacks: $missing"
done
echo "ldd: ${#binaries[@]} binaries, the game and its Qt plugins, find every library"
for family in "Times New Roman:Liberation Serif" "Comic Sans MS:Comic Neue"; do
  found=$(in_root fc-match -f '%{family}' "${family%%:*}")
  [[ $found == *"${family#*:}"* ]] || fail "fonts: ${family%%:*} gives $found"
done

# A player of their own, started the way a menu starts the game: the entry's Exec line,
# its field codes dropped, from the player's home folder.
in_root id "$player" >/dev/null 2>&1 || in_root useradd -m "$player"
rm -rf "$root$home/.local/share/rolvex"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$id.desktop" | sed 's/ *%[fFuUdDnNickvm]//g')
[ -n "$exec_line" ] || fail "the menu entry has no Exec line"
stamp=$scratch/stamp
touch "$stamp"
sleep 1
chroot "$root" runuser -u "$player" -- env -i HOME="$home" USER="$player" LANG=C.UTF-8 \
  DISPLAY="$DISPLAY" PATH=/usr/local/bin:/usr/bin:/bin sh -c "cd && exec $exec_line" \
  >"$scratch/rolvex.log" 2>&1 &
game=$!

shot() { if command -v import >/dev/null; then import -window root "$scratch/$1.png" || true; fi; }
window_named() {  # waits up to 10 s for a window of that exact name other than $2; prints it
  for _ in $(seq 100); do
    for w in $(xdotool search --name "^$1\$" 2>/dev/null); do
      [ "$w" != "${2:-}" ] && [ "$(xdotool getwindowgeometry "$w" | grep -c 'Geometry: 1x1')" = 0 ] \
        && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
click_at() {  # click_at WINDOW FX FY: a click at that fraction of the window's width and height
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove "$(awk "BEGIN{print int($X + $WIDTH * $2)}")" \
    "$(awk "BEGIN{print int($Y + $HEIGHT * $3)}")" click 1
}

if startup=$(window_named ROLVEX); then
  sleep 1
  shot startup
  # VERSION FRANCAISE is the left one of the two buttons along the bottom of the start-up window.
  click_at "$startup" 0.27 0.79
  if main=$(window_named ROLVEX "$startup"); then
    sleep 1
    shot main
    data=$root$home/.local/share/rolvex
    for file in options12.dat:184 names12.dat:496; do
      size=$(stat -c %s "$data/${file%%:*}" 2>/dev/null || echo none)
      [ "$size" = "${file#*:}" ] || fail "$home/.local/share/rolvex/${file%%:*} has size $size, not ${file#*:}"
    done
    # Keys go to the window under the pointer: there is no window manager.
    click_at "$main" 0.95 0.95
    xdotool key F1
    window_named "ROLVEX - Aide" >/dev/null || fail "F1 opened no help window"
    shot help
    click_at "$main" 0.95 0.95
    xdotool key F9 && sleep 1 && xdotool key Return && sleep 1 && xdotool key Return
  else
    fail "the French button opened no main window"
  fi
else
  fail "no start-up window came up"
fi
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then
  fail "the game did not quit on F9"
  kill "$game" 2>/dev/null || true
fi
wait "$game" 2>/dev/null || true

written=$(find "$root" -xdev \( -path "$root/home" -o -path "$root/tmp" -o -path "$root/root" \) -prune \
  -o -newer "$stamp" -print 2>/dev/null | grep -v "^$root/\(proc\|sys\|dev\)" || true)
[ -z "$written" ] || fail "the game wrote outside the player's home: $written"

if ((failures)); then
  echo "$failures install check(s) failed; logs and screenshots in $scratch"
  exit 1
fi
echo "installed in $root and played from its menu entry as expected (screenshots in $scratch)"
