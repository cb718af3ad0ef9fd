#!/usr/bin/env python3
"""Checks a WAV file the host wrote with libsndfile, a reader that is not the
host's: it opens as FRAMES frames of 32-bit float stereo at RATE, and its
header obeys the format's rules (libsndfile notes a byte rate or data size
that should be something else; the RIFF size and block align are checked
here from the values it read).

    check_wav.py FILE RATE FRAMES"""

import ctypes
import ctypes.util
import re
import sys

SFM_READ = 0x10
SFC_GET_LOG_INFO = 0x1001
SF_FORMAT_WAV_FLOAT = 0x010006


class Info(ctypes.Structure):
    _fields_ = [("frames", ctypes.c_int64), ("samplerate", ctypes.c_int),
                ("channels", ctypes.c_int), ("format", ctypes.c_int),
                ("sections", ctypes.c_int), ("seekable", ctypes.c_int)]


def main(path, rate, frames):
    sndfile = ctypes.CDLL(ctypes.util.find_library("sndfile"))
    sndfile.sf_open.restype = ctypes.c_void_p
    sndfile.sf_open.argtypes = [ctypes.c_char_p, ctypes.c_int, ctypes.POINTER(Info)]
    sndfile.sf_command.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
    sndfile.sf_close.argtypes = [ctypes.c_void_p]
    info = Info()
    handle = sndfile.sf_open(path.encode(), SFM_READ, ctypes.byref(info))
    if not handle:
        return f"{path}: libsndfile cannot open it"
    log = ctypes.create_string_buffer(16384)
    sndfile.sf_command(handle, SFC_GET_LOG_INFO, log, len(log))
    sndfile.sf_close(handle)
    log = log.value.decode()
    read = {name: int(value) for name, value in re.findall(r"^ *(\w[\w/ ]*?) *: (\d+)", log, re.M)}
    problems = [line.strip() for line in log.splitlines() if "should be" in line]
    if read["RIFF"] != read["Length"] - 8:
        problems.append(f"RIFF size {read['RIFF']} in a file of {read['Length']} bytes")
    if read["Block Align"] != read["Channels"] * read["Bit Width"] // 8:
        problems.append(f"block align {read['Block Align']}")
    got = (info.format, info.channels, info.samplerate, info.frames)
    if got != (SF_FORMAT_WAV_FLOAT, 2, rate, frames):
        problems.append(f"format, channels, rate and frames {got}")
    return f"{path}: " + "; ".join(problems) + "\n" + log if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]), int(sys.argv[3])))
