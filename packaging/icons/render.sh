#!/bin/sh
# Renders the hicolor PNG sizes from the SVG (needs rsvg-convert, package librsvg2-bin).
cd "$(dirname "$0")" || exit 1
for s in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$s" -h "$s" org.example.Tirelou.svg -o "org.example.Tirelou-$s.png"
done
