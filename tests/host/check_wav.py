#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""check_wav.py FILE RATE FRAMES: libsndfile, a reader not the host's, reads
FILE as FRAMES frames of float stereo at RATE (so the block align is right),
names nothing that should be otherwise, and finds the RIFF size right."""

import ctypes
import ctypes.util
import re
import sys


class Info(ctypes.Structure):
    _fields_ = [("frames", ctypes.c_int64)] + [
        (name, ctypes.c_int) for name in ("rate", "channels", "format", "sections", "seekable")]


def problems(path, rate, frames):
    sndfile = ctypes.CDLL(ctypes.util.find_library("sndfile"))
    sndfile.sf_open.restype = ctypes.c_void_p
    sndfile.sf_open.argtypes = [ctypes.c_char_p, ctypes.c_int, ctypes.POINTER(Info)]
    sndfile.sf_command.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
    info, log = Info(), ctypes.create_string_buffer(16384)
    handle = sndfile.sf_open(path.encode(), 0x10, ctypes.byref(info))  # for reading
    if not handle:
        return ["libsndfile cannot open it"]
    sndfile.sf_command(handle, 0x1001, log, len(log))  # its log of what it read
    log = log.value.decode()
    read = {name: int(value) for name, value in re.findall(r"^ *(\w[\w/ ]*?) *: (\d+)", log, re.M)}
    found = [line.strip(" *") for line in log.splitlines() if "should" in line]
    if read["RIFF"] != read["Length"] - 8:
        found.append(f"RIFF size {read['RIFF']} in a file of {read['Length']} bytes")
    if (info.format, info.channels, info.rate, info.frames) != (0x010006, 2, rate, frames):
        found.append(f"format {info.format:#x}, {info.channels} channels, {info.rate} Hz, "
                     f"{info.frames} frames")
    return found


if __name__ == "__main__":
    found = problems(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]))
    sys.exit(f"{sys.argv[1]}: " + "; ".join(found) if found else 0)
