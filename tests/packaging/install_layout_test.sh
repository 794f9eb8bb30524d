#!/usr/bin/env bash
# Installs the build into a throwaway root with DESTDIR and checks that the game lands where
# Linux desktops and the program itself look for its pieces.
# usage: install_layout_test.sh BUILD_DIR SOURCE_DIR SCRATCH_DIR HAS_ROLVEX(0|1)
set -euo pipefail
build=$1 source=$2 scratch=$3 has_rolvex=$4
prefix=/usr/local
id=io.github.rolvex.Rolvex

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$scratch"
mkdir -p "$scratch"
DESTDIR="$scratch/root" cmake --install "$build" --prefix "$prefix" >"$scratch/install.log"
root=$scratch/root$prefix

# Exactly these files and nothing else: a library or a test helper that slipped into the
# install would end up in the package too.
expected=(
  "share/applications/$id.desktop"
  "share/icons/hicolor/scalable/apps/rolvex.svg"
  "share/metainfo/$id.metainfo.xml"
  share/rolvex/rolvexFr.hlp
  share/rolvex/rolvexUs.hlp
)
((has_rolvex)) && expected+=(bin/rolvex)
diff -u <(printf '%s\n' "${expected[@]}" | sort) \
        <(cd "$scratch/root" && find . -not -type d | sed "s|^\./${prefix#/}/||" | sort) \
  || fail "the installed files differ from the expected layout (- expected, + installed)"

if ((has_rolvex)); then
  [ -x "$root/bin/rolvex" ] || fail "bin/rolvex is not executable"
fi

# The program finds its help files in ../share/rolvex from its own folder (taken as a path even
# where no executable was built, so bin/ may be missing).
for aide in rolvexFr.hlp rolvexUs.hlp; do
  cmp -s "$source/app/help/$aide" "$(realpath -m "$root/bin/../share/rolvex/$aide")" \
    || fail "$aide is not reachable as bin/../share/rolvex/$aide with the shipped contents"
done

# The menu entry must name the icon and the command that the install provides.
desktop=$root/share/applications/$id.desktop
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] \
  || fail "the menu entry names the icon '$icon', which is not installed in hicolor"
command=$(sed -n 's/^Exec=//p' "$desktop")
if ((has_rolvex)); then
  [ -x "$root/bin/$command" ] || fail "the menu entry runs '$command', which is not in bin/"
fi

# The software centres read the metainfo together with the menu entry it points at.
appstreamcli validate-tree --no-net --strict --explain "$root" || fail "appstreamcli validate-tree"

if ((failures)); then
  echo "$failures check(s) failed; install log in $scratch/install.log"
  exit 1
fi
echo "installed layout as expected under DESTDIR$prefix"
