#!/bin/sh
# Screenshots of all sixteen section pages, scrolled so that every group is
# seen: runs the pages host once per view and grabs the screen. Run under a
# virtual display, for example
#   xvfb-run -a -s '-screen 0 1280x1024x24' tests/windows/page-shots.sh build/win shots
# Writes OUT/page-NN-at-POSITION.png cropped to the host window.
set -u
build=$1
out=$2
mkdir -p "$out"
root=$(cd "$(dirname "$0")/../.." && pwd)
host="$build/tests/windows/PagesHost.exe"
# Scroll range (pixels) of each page, in tab order: the template widths at
# the display's dialog units, as the page tests measure them; they only
# choose the views (a position past the end shows the right end).
widths=${PAGE_WIDTHS:-"1385 1196 533 1454 1748 2393 1298 1262 2879 689 2237 1745 3953 5537 1445 605"}
view=1180
i=0
for width in $widths; do
    position=0
    while :; do
        "$root/scripts/wine-run" "$host" --page $i --position $position --size 1240 230 &
        pid=$!
        window=$(xdotool search --sync --onlyvisible --name '^Glimmerpatch pages host' | head -1)
        sleep 1
        file=$(printf '%s/page-%02d-at-%04d.png' "$out" $((i + 1)) $position)
        import -window root -crop 1240x240+16+16 "$file"
        xdotool windowclose "$window" 2>/dev/null || true
        kill $pid 2>/dev/null; wait $pid 2>/dev/null
        # Views a step apart, and the right end last.
        [ $((position + 1210)) -lt $width ] || break
        position=$((position + view))
        [ $((position + 1210)) -lt $width ] || position=$width
    done
    i=$((i + 1))
done
