#!/usr/bin/env python3
"""Waits for a screen area to show more than a few colours and prints when it did.

  first_pixels.py READY_FILE X Y WIDTH HEIGHT [SECONDS]

Connects to $DISPLAY, writes READY_FILE once it is polling, then reads the area straight from
the X server every few milliseconds. Prints the wall-clock time (seconds since the epoch) of the
middle of the first read that shows more than eight colours; exits 1 if none did in time.
"""
import ctypes
import ctypes.util
import sys
import time

ZPIXMAP = 2
ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)
MOST_COLOURS_OF_AN_EMPTY_BAR = 8


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_uint8)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


def colours(image):
    # Xvfb at depth 24 keeps 32 bits a pixel; the top byte is padding.
    line = image.bytes_per_line
    raw = ctypes.string_at(image.data, line * image.height)
    seen = set()
    for row in range(image.height):
        start = row * line
        pixels = memoryview(raw[start:start + image.width * 4]).cast("I")
        seen.update(p & 0xFFFFFF for p in pixels)
        if len(seen) > MOST_COLOURS_OF_AN_EMPTY_BAR:
            break
    return len(seen)


def main():
    ready, x, y, width, height = sys.argv[1], *map(int, sys.argv[2:6])
    seconds = float(sys.argv[6]) if len(sys.argv) > 6 else 15
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XGetImage.restype = ctypes.POINTER(XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("first_pixels: cannot open the display")
    root = xlib.XDefaultRootWindow(display)
    open(ready, "w").close()
    deadline = time.time() + seconds
    while time.time() < deadline:
        before = time.time()
        image = xlib.XGetImage(display, root, x, y, width, height, ALL_PLANES, ZPIXMAP)
        after = time.time()
        if image:
            count = colours(image.contents) if image.contents.bits_per_pixel == 32 else 0
            xlib.XDestroyImage(image)
            if count > MOST_COLOURS_OF_AN_EMPTY_BAR:
                print(f"{(before + after) / 2:.4f}")
                return
        time.sleep(0.002)
    sys.exit(1)


main()
