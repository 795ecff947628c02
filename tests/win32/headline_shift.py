#!/usr/bin/env python3
"""headline_shift.py WIDTH HEIGHT FIRST.rgb FIRST_TIME SECOND.rgb SECOND_TIME

Compares two screenshots (raw 8-bit RGB) of the bar's scroller and prints how far its headlines
moved to the left, in pixels, their speed in pixels per second, and the first and last column
that they cover in the second screenshot. Headlines are the pixels in
the link colour of the default settings (red). The text is followed by its left edge, or by its
right edge while the left one is cut off by the scroller's edge. Exits 1 when a screenshot shows
no headline or neither edge can be followed in both."""
import sys


def headline_columns(path, width, height):
    data = open(path, "rb").read()
    if len(data) != width * height * 3:
        sys.exit(f"headline_shift: {path} holds {len(data)} bytes, not {width}x{height} RGB")
    columns = set()
    for y in range(height):
        row = data[y * width * 3:(y + 1) * width * 3]
        for x in range(width):
            r, g, b = row[3 * x], row[3 * x + 1], row[3 * x + 2]
            if r >= 160 and g <= 90 and b <= 90:
                columns.add(x)
    return columns


def main():
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    width, height = int(sys.argv[1]), int(sys.argv[2])
    first = headline_columns(sys.argv[3], width, height)
    second = headline_columns(sys.argv[5], width, height)
    seconds = float(sys.argv[6]) - float(sys.argv[4])
    if not first or not second:
        print("no headline on screen")
        return 1
    margin = 3
    if min(first) >= margin and min(second) >= margin:
        moved = min(first) - min(second)
    elif max(first) < width - margin and max(second) < width - margin:
        moved = max(first) - max(second)
    else:
        print("the headlines are cut off at both edges")
        return 1
    print(f"{moved} {moved / seconds:.1f} {min(second)} {max(second)}")
    return 0


sys.exit(main())
