#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""check_wav.py FILE RATE FRAMES: reads every field of FILE's header itself
and names each that is not what FRAMES frames of float stereo at RATE need:
the RIFF size, the format chunk's fields, the fact chunk's frame count (the
data's size over the block align) and the data's size."""

import struct
import sys


def chunks(data):
    """Each chunk's name and body; raises ValueError when one runs past the end."""
    at = 12
    while at + 8 <= len(data):
        name, size = struct.unpack_from("<4sI", data, at)
        if at + 8 + size > len(data):
            raise ValueError(f"chunk {name} of {size} bytes runs past the end")
        yield name, data[at + 8:at + 8 + size]
        at += 8 + size + size % 2


def problems(path, rate, frames):
    data = open(path, "rb").read()
    riff, size, wave = struct.unpack_from("<4sI4s", data)
    found = [] if (riff, wave) == (b"RIFF", b"WAVE") else ["not RIFF WAVE"]
    if size != len(data) - 8:
        found.append(f"RIFF size {size} in a file of {len(data)} bytes")
    try:
        read = dict(chunks(data))
    except ValueError as error:
        return found + [str(error)]
    tag, channels, got_rate, byte_rate, align, bits = struct.unpack_from("<HHIIHH", read[b"fmt "])
    if tag == 0xFFFE:  # extensible: the format is the sub-format's first two bytes
        tag = struct.unpack_from("<H", read[b"fmt "], 24)[0]
    expected = (3, 2, rate, rate * 8, 8, 32)
    names = "format channels rate byte-rate block-align bits".split()
    found += [f"{name} {got}, expected {want}" for name, got, want in
              zip(names, (tag, channels, got_rate, byte_rate, align, bits), expected) if got != want]
    data_size = len(read.get(b"data", b""))
    if data_size != frames * 8:
        found.append(f"{data_size} bytes of data, expected {frames * 8}")
    fact = struct.unpack("<I", read[b"fact"][:4])[0] if b"fact" in read else None
    if align and fact != data_size // align:
        found.append(f"fact says {fact} frames, the data holds {data_size // align}")
    return found


if __name__ == "__main__":
    found = problems(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]))
    sys.exit(f"{sys.argv[1]}: " + "; ".join(found) if found else 0)
