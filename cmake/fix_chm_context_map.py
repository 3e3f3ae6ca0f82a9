#!/usr/bin/env python3
"""Makes the context map of a .chm written by chmcmd 3.2 name its topics as
the help viewer looks them up: relative to the help project.

chmcmd stores each [ALIAS] topic in #STRINGS with the project folder's
absolute path in front ("/home/me/help/overview.htm"), so the viewer, asked
for a context number, looks for that path inside the .chm and finds nothing.
Each such string ends with the topic's own name, so the fix points every
#IVB entry (context number, #STRINGS offset) at that ending. #IVB lies in the
compressed section; the fixed copy is appended uncompressed (section 0) and
its directory entry rewritten in place.

usage: fix_chm_context_map.py CHMLS FILE.chm PROJECT_DIR
"""
import os
import struct
import subprocess
import sys
import tempfile

CHUNK_HEADER = 20   # "PMGL", unused space, 0, previous chunk, next chunk
QUICKREF_EVERY = 5  # chmcmd's quickref density: every 5th entry


def extract(chmls, chm, name):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "data")
        subprocess.run([chmls, "extract", chm, name, out], check=True, stdout=subprocess.DEVNULL)
        with open(out, "rb") as f:
            return f.read()


def read_encint(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, at


def encint(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(groups))


def chunk_entries(chunk):
    """(name bytes, section, offset, length) of each entry of a PMGL chunk."""
    count = struct.unpack_from("<H", chunk, len(chunk) - 2)[0]
    entries, at = [], CHUNK_HEADER
    for _ in range(count):
        size, at = read_encint(chunk, at)
        name = chunk[at:at + size]
        at += size
        section, at = read_encint(chunk, at)
        offset, at = read_encint(chunk, at)
        length, at = read_encint(chunk, at)
        entries.append((name, section, offset, length))
    return entries


def write_chunk(header, entries, chunk_size):
    """A PMGL chunk laid out as chmcmd lays it out, quickrefs included."""
    body, quickrefs = bytearray(), []
    for number, (name, section, offset, length) in enumerate(entries, 1):
        if number % QUICKREF_EVERY == 0:
            quickrefs.append(len(body))
        body += encint(len(name)) + name + encint(section) + encint(offset) + encint(length)
    tail = b"".join(struct.pack("<H", q) for q in reversed(quickrefs)) + struct.pack("<H", len(entries))
    used = CHUNK_HEADER + len(body)
    if used + len(tail) > chunk_size:
        sys.exit("directory chunk overflows")
    chunk = bytearray(header[:CHUNK_HEADER]) + body + bytes(chunk_size - used - len(tail)) + tail
    struct.pack_into("<I", chunk, 4, chunk_size - used)
    return chunk


def main():
    chmls, chm, project = sys.argv[1:4]
    prefix = (os.path.abspath(project).rstrip("/") + "/").encode()

    ivb = extract(chmls, chm, "/#IVB")
    strings = extract(chmls, chm, "/#STRINGS")
    fixed = bytearray(ivb)
    for at in range(4, len(ivb) - 7, 8):
        offset = struct.unpack_from("<I", ivb, at + 4)[0]
        if strings.startswith(prefix, offset):
            struct.pack_into("<I", fixed, at + 4, offset + len(prefix))
    if fixed == ivb:
        return  # nothing to fix

    with open(chm, "rb") as f:
        data = bytearray(f.read())
    if data[:4] != b"ITSF" or struct.unpack_from("<I", data, 4)[0] != 3:
        sys.exit("not an ITSF version 3 file")
    hs0_offset, _, hs1_offset, _ = struct.unpack_from("<QQQQ", data, 0x38)
    content0 = struct.unpack_from("<Q", data, 0x58)[0]
    if struct.unpack_from("<Q", data, hs0_offset + 8)[0] != len(data):
        sys.exit("unexpected ITSF header")
    itsp_length = struct.unpack_from("<I", data, hs1_offset + 8)[0]
    chunk_size = struct.unpack_from("<I", data, hs1_offset + 0x10)[0]
    chunk_count = struct.unpack_from("<I", data, hs1_offset + 0x2C)[0]

    new_offset = len(data) - content0
    for index in range(chunk_count):
        start = hs1_offset + itsp_length + index * chunk_size
        chunk = data[start:start + chunk_size]
        if chunk[:4] != b"PMGL":
            continue
        entries = chunk_entries(chunk)
        names = [entry[0] for entry in entries]
        if b"/#IVB" in names:
            entries[names.index(b"/#IVB")] = (b"/#IVB", 0, new_offset, len(fixed))
            data[start:start + chunk_size] = write_chunk(chunk, entries, chunk_size)
            break
    else:
        sys.exit("no /#IVB entry")
    data += fixed
    struct.pack_into("<Q", data, hs0_offset + 8, len(data))  # the file's length
    with open(chm, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
