#!/usr/bin/env python3
"""Writes the pager option pictures the main window's layout stores: the option
indicator pictures of this folder, each padded with a text chunk to the 1186 bytes
the window's stored pictures have. Run it from this folder."""
import struct
import zlib

SIZE = 1186


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def padded(source, target):
    data = open(source, "rb").read()
    end = data.rindex(b"IEND") - 4  # the IEND chunk's length field
    room = SIZE - len(data) - 12 - len(b"Comment\0")
    text = chunk(b"tEXt", b"Comment\0" + b" " * room)
    out = data[:end] + text + data[end:]
    assert len(out) == SIZE, len(out)
    open(target, "wb").write(out)


padded("option.png", "pager_option.png")
padded("option_disabled.png", "pager_option_disabled.png")
