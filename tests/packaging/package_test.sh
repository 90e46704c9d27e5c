#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root, checks its contents and
# dependencies, and starts the installed program.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"

for path in usr/lib/brennick/brennick usr/bin/brennick usr/share/applications/brennick.desktop \
    usr/share/icons/hicolor/scalable/apps/brennick.svg usr/lib/brennick/map usr/lib/brennick/minimap_outworld.bmp; do
    if [[ ! -e $work/root/$path && ! -L $work/root/$path ]]; then
        echo "missing from the package: $path"
        exit 1
    fi
done
[[ $(readlink "$work/root/usr/bin/brennick") == ../lib/brennick/brennick ]] || {
    echo "the launcher does not point at the program"
    exit 1
}
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo qt6-qpa-plugins; do
    if [[ $depends != *"$needed"* ]]; then
        echo "Depends lacks $needed: $depends"
        exit 1
    fi
done

# The installed program starts and keeps running until it is stopped.
QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/brennick" >"$work/run.log" 2>&1 &
program=$!
sleep 3
if ! kill -0 "$program" 2>/dev/null; then
    echo "the installed program ended on its own:"
    cat "$work/run.log"
    exit 1
fi
kill "$program"
wait "$program" 2>/dev/null || true
echo "package: 1 passed, 0 failed"
