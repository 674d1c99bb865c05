#!/usr/bin/env bash
# cpack builds velmora_<version>_<arch>.deb whose Depends, found by dpkg-shlibdeps, name the Qt 6
# runtime; unpacked into a temporary root, the packaged velmora runs and prints its version.
#   DebPackageTest.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb="$work/out/velmora_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no $(basename "$deb")"; ls "$work/out"; exit 1; }

info=$(dpkg-deb -I "$deb")
echo "$info" | grep -E '^ (Package|Version|Architecture|Section|Depends):'
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
# One package name per line, without its version condition.
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//')
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    grep -qx "$lib" <<<"$names" || { echo "Depends lacks $lib: $depends"; exit 1; }
done

dpkg -x "$deb" "$work/root"
for file in usr/bin/velmora usr/bin/aldren-sim usr/share/applications/velmora.desktop; do
    [ -e "$work/root/$file" ] || { echo "the package lacks /$file"; exit 1; }
done
[ "$("$work/root/usr/bin/velmora" --version)" = "velmora $version" ] ||
    { echo "packaged velmora --version: $("$work/root/usr/bin/velmora" --version)"; exit 1; }
echo "$(basename "$deb") built, Depends found, velmora runs from it"
