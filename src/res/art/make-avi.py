#!/usr/bin/env python3
"""Writes an 8-bit run-length encoded AVI (the kind the animation control plays) from raw RGB frames.

Usage: make-avi.py OUT.avi WIDTH HEIGHT MS_PER_FRAME FRAME.rgb...
Each frame file holds WIDTH*HEIGHT*3 bytes, top row first. All frames together may use 256 colours.
The output depends only on the input: the palette is sorted, nothing carries a time stamp.
"""
import struct
import sys


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, data):
    return kind + struct.pack("<I", len(data) + 4) + fourcc + data


def encode_rle8(indices, width, height):
    out = bytearray()
    for row in range(height - 1, -1, -1):  # bitmaps are stored bottom-up
        line = indices[row * width:(row + 1) * width]
        x = 0
        while x < width:
            run = 1
            while x + run < width and run < 255 and line[x + run] == line[x]:
                run += 1
            out += bytes((run, line[x]))
            x += run
        out += b"\0\0"  # end of line
    out[-2:] = b"\0\1"  # end of bitmap
    return bytes(out)


def main():
    out_path, width, height, ms = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    frames = [open(name, "rb").read() for name in sys.argv[5:]]
    pixels = [[frame[i:i + 3] for i in range(0, width * height * 3, 3)] for frame in frames]
    palette = sorted({p for frame in pixels for p in frame})
    if len(palette) > 256:
        sys.exit("more than 256 colours")
    index_of = {colour: i for i, colour in enumerate(palette)}
    encoded = [encode_rle8([index_of[p] for p in frame], width, height) for frame in pixels]
    largest = max(len(e) for e in encoded)

    avih = struct.pack("<IIIIIIIIII4I", ms * 1000, largest * 1000 // ms, 0, 0x10, len(frames), 0, 1, largest,
                       width, height, 0, 0, 0, 0)
    strh = b"vids" + b"MRLE" + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, 1000 // ms, 0, len(frames), largest,
                                           0xFFFFFFFF, 0, 0, 0, width, height)
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, largest, 0, 0, len(palette), 0)
    strf += b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette)
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + riff_list(b"LIST", b"strl", chunk(b"strh", strh) +
                                                                         chunk(b"strf", strf)))
    movi_data = b""
    index = b""
    for data in encoded:
        index += b"00dc" + struct.pack("<III", 0x10, 4 + len(movi_data), len(data))
        movi_data += chunk(b"00dc", data)
    body = hdrl + riff_list(b"LIST", b"movi", movi_data) + chunk(b"idx1", index)
    with open(out_path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body) + 4) + b"AVI " + body)


main()
