#!/usr/bin/env bash
# Builds the Debian package from a build folder into a scratch folder, then looks inside it:
# control fields, dependencies, the files it installs under /usr, and the validators on the
# unpacked tree. Nothing is installed on this machine.
# With --install ROOT it then installs the package with apt into a Debian 12 root made by
# debootstrap (kept in ROOT and reused), and plays it there as a player would: started from
# its menu entry by a plain user under Xvfb. This needs root, the network to Debian's
# mirrors, debootstrap, Xvfb and xdotool, so the test suite never runs it.
# usage: packaging/check-deb.sh [--install ROOT] [BUILD_DIR [SCRATCH_DIR]]
#        (defaults: build/default, a temp folder)
set -euo pipefail
root=
if [ "${1:-}" = --install ]; then
  root=$(realpath -m "${2:?--install needs a folder for the Debian root}")
  shift 2
fi
build=$(realpath "${1:-build/default}")
scratch=${2:-$(mktemp -d)}
id=io.github.rolvex.Rolvex

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$scratch"
mkdir -p "$scratch"
scratch=$(realpath "$scratch")
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" \
  || { cat "$scratch/cpack.log"; exit 1; }

# The version the build was configured with, from project() in CMakeLists.txt.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$scratch/rolvex_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb") in $scratch:"; ls "$scratch"; exit 1; }

# The package holds the executable exactly when the build made one.
has_rolvex=0
[ -x "$build/bin/rolvex" ] && has_rolvex=1

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = rolvex ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[ "$(field Maintainer)" = "ROLVEX developers" ] || fail "Maintainer is '$(field Maintainer)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"

# Depends is a comma-separated list; compare package names, not the version bounds.
mapfile -t depends < <(field Depends | tr ',' '\n' | sed 's/(.*)//; s/^ *//; s/ *$//')
needed=(fonts-liberation fonts-comic-neue qt6-qpa-plugins)
# What dpkg-shlibdeps finds in the executable: the Qt libraries, SQLite (the history of the
# games) and the C and C++ runtimes.
((has_rolvex)) && needed+=(libqt6widgets6 libqt6core6 libsqlite3-0 libc6 libstdc++6)
for p in "${needed[@]}"; do
  printf '%s\n' "${depends[@]}" | grep -qx "$p" || fail "Depends lacks $p: $(field Depends)"
done

# Everything under /usr, nothing under /usr/local or elsewhere.
dpkg-deb -c "$deb" | awk '{print $NF}' | grep -v '/$' | sort >"$scratch/contents.txt"
expected=(
  "./usr/share/applications/$id.desktop"
  ./usr/share/icons/hicolor/scalable/apps/rolvex.svg
  "./usr/share/metainfo/$id.metainfo.xml"
  ./usr/share/rolvex/rolvexFr.hlp
  ./usr/share/rolvex/rolvexUs.hlp
)
((has_rolvex)) && expected+=(./usr/bin/rolvex)
diff -u <(printf '%s\n' "${expected[@]}" | sort) "$scratch/contents.txt" \
  || fail "the package's files differ from the expected layout (- expected, + packaged)"

# Unpacked into a throwaway root, the files must pass the same checks as the sources.
dpkg-deb -x "$deb" "$scratch/root"
desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate-tree --no-net --strict "$scratch/root/usr" >"$scratch/validate-tree.log" \
  || { cat "$scratch/validate-tree.log"; fail "appstreamcli validate-tree"; }
if ((has_rolvex)); then
  ! readelf -S "$scratch/root/usr/bin/rolvex" | grep -qE '\.(symtab|debug_info)' \
    || fail "usr/bin/rolvex still carries its symbols or debug info"
fi

dpkg-deb -I "$deb"
if ((failures)); then
  echo "$failures check(s) failed; cpack log in $scratch/cpack.log"
  exit 1
fi
echo "$(basename "$deb") as expected (kept in $scratch)"
[ -n "$root" ] || exit 0
((has_rolvex)) || { echo "FAIL: no executable in $build to install"; exit 1; }
exec bash "$(dirname "$0")/check-deb-install.sh" "$deb" "$root" "$scratch"
