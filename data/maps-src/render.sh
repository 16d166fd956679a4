#!/bin/sh
# Renders the park and resort maps and the hotel category chart from their SVG
# sources into the GIFs the windows show. The GIFs are committed; run this
# after editing an SVG.
#
# Needs: rsvg-convert, ImageMagick's convert and the DejaVu fonts, e.g.
#   apt-get install -y librsvg2-bin imagemagick fonts-dejavu-core fonts-dejavu-extra
set -eu

here=$(cd "$(dirname "$0")" && pwd)
pages="$here/../pages"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Prefer the real ImageMagick in /usr/bin over any other convert on the PATH.
CONVERT=convert
[ -x /usr/bin/convert ] && CONVERT=/usr/bin/convert

render() {   # render SOURCE.svg TARGET.gif [WIDTH HEIGHT]
    rsvg-convert --width "${3:-700}" --height "${4:-500}" --background-color white \
        -o "$tmp/map.png" "$here/$1"
    # Flat colours and no dithering keep the lettering crisp in 256 colours.
    "$CONVERT" "$tmp/map.png" +dither -colors 256 "$pages/$2"
    echo "$1 -> $2"
}

mkdir -p "$pages/images"
render resortmap.svg resortmap.gif
render mkmap.svg     images/mkmap.gif
render epcotmap.svg  images/epcotmap.GIF
render mgmmap.svg    images/mgmmap.gif
render akmap.svg     images/akmap.gif
render hotelcategory.svg images/hotelcategory.gif 400 500
