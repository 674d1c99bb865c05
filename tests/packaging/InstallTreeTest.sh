#!/usr/bin/env bash
# `cmake --install` into a fresh prefix lays out a desktop program: both programs in bin/, the
# menu entry (category HamRadio), the icon, the AppStream metainfo and a man page each; the
# desktop and AppStream validators accept what was installed, and the installed velmora answers
# --version with the project's version.
#   InstallTreeTest.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/bootstrap.sh installs it)"; exit 1; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for file in bin/velmora bin/aldren-sim \
            share/applications/velmora.desktop \
            share/icons/hicolor/scalable/apps/velmora.svg \
            share/metainfo/org.velmora.velmora.metainfo.xml \
            share/man/man1/velmora.1 share/man/man1/aldren-sim.1; do
    [ -s "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
((status == 0)) || exit 1

desktop-file-validate "$prefix/share/applications/velmora.desktop"
grep -Eq '^Categories=.*\bHamRadio;' "$prefix/share/applications/velmora.desktop" ||
    { echo "velmora.desktop: no HamRadio category"; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/org.velmora.velmora.metainfo.xml"

# The man pages carry the programs' own option texts.
grep -q -- 'config\\-dir' "$prefix/share/man/man1/velmora.1" ||
    { echo "velmora.1 does not describe --config-dir"; exit 1; }
grep -q -- 'state\\-out' "$prefix/share/man/man1/aldren-sim.1" ||
    { echo "aldren-sim.1 does not describe --state-out"; exit 1; }

[ "$("$prefix/bin/velmora" --version)" = "velmora $version" ] ||
    { echo "velmora --version: $("$prefix/bin/velmora" --version)"; exit 1; }
[ "$("$prefix/bin/aldren-sim" --version)" = "aldren-sim $version" ] ||
    { echo "aldren-sim --version: $("$prefix/bin/aldren-sim" --version)"; exit 1; }
echo "install tree complete and valid"
