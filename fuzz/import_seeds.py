#!/usr/bin/env python3
"""Writes the seeds of the shared-activity import: one file it takes and one for each way a
file is refused. The tests replay them and expect each refusal's words (sharing_test.cpp).
    import_seeds.py <folder>
"""
import io
import struct
import sys
import zipfile
import zlib
from pathlib import Path

ACTIVITY = b'''menu = 3
topic = "Parts of a Flower"
kind = "labelling"
picture = "flower.png"
[[label]]
word = "Petal"
at = [40, 60]
[[label]]
word = "Stem"
at = [100, 180]
'''


def png(width=4, height=4):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data))
    rows = b"".join(b"\0" + b"\x20\xa0\x40" * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


PICTURE = png()
FIXED_TIME = (2026, 1, 1, 0, 0, 0)


def pack(entries, method=zipfile.ZIP_DEFLATED):
    """entries: (name, bytes) or ZipInfo-ready (name, bytes, fn) where fn edits the ZipInfo."""
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", method) as z:
        for entry in entries:
            info = zipfile.ZipInfo(entry[0], FIXED_TIME)
            info.compress_type = method
            if len(entry) > 2:
                entry[2](info)
            z.writestr(info, entry[1])
    return bytearray(out.getvalue())


def good():
    return [("flower.toml", ACTIVITY), ("flower.png", PICTURE)]


def headers(data):
    """The offsets of every local and central header."""
    def find(sig):
        at, found = 0, []
        while (at := data.find(sig, at)) >= 0:
            found.append(at)
            at += 4
        return found
    return find(b"PK\x03\x04"), find(b"PK\x01\x02")


def patch(data, entry, local_field, central_field, value, size=4):
    local, central = headers(data)
    fmt = "<I" if size == 4 else "<H"
    struct.pack_into(fmt, data, local[entry] + local_field, value)
    struct.pack_into(fmt, data, central[entry] + central_field, value)
    return data


def unpacked_size(data, entry, value):
    return patch(data, entry, 22, 24, value)


def link(info):
    info.create_system = 3
    info.external_attr = 0o120777 << 16


def name_not_utf8():
    # Its entry's flag says UTF-8, and its name's bytes are not.
    data = pack(good() + [("pic-ab.png", PICTURE)])
    data[:] = data.replace(b"pic-ab.png", b"pic-\xff\xfe.png")
    return patch(data, 2, 6, 8, 0x800, size=2)


def seeds():
    yield "good", pack(good())
    yield "good-without-own-picture", pack([("flower.toml", ACTIVITY.replace(b"flower.png", b"skeleton.jpg"))])
    yield "not-a-zip", bytearray(b"menu = 3\ntopic = \"Not a zip\"\n")
    yield "empty-zip", pack([])
    yield "damaged", pack(good())[:60]
    yield "encrypted", patch(pack(good()), 1, 6, 8, 1, size=2)
    yield "link", pack([good()[0], ("flower.png", b"/etc/passwd", link)])
    yield "path-out", pack([good()[0], ("../flower.png", PICTURE)])
    yield "in-a-folder", pack([good()[0], ("pictures/flower.png", PICTURE)])
    yield "backslash", pack([good()[0], ("pictures\\flower.png", PICTURE)])
    yield "drive-letter", pack([good()[0], ("C:flower.png", PICTURE)])
    yield "long-name", pack([good()[0], ("f" * 97 + ".png", PICTURE)])
    yield "hidden-name", pack([good()[0], (".flower.png", PICTURE)])
    yield "name-not-utf8", name_not_utf8()
    yield "other-kind", pack(good() + [("notes.txt", b"notes")])
    yield "too-many-entries", pack(good() + [(f"extra{i}.png", PICTURE) for i in range(51)])
    yield "two-activities", pack(good() + [("second.toml", ACTIVITY)])
    yield "twice", pack(good() + [("FLOWER.PNG", PICTURE)])
    yield "no-activity", pack([good()[1]])
    yield "activity-too-large", pack([("flower.toml", ACTIVITY + b"#" * (256 * 1024)), good()[1]])
    yield "picture-too-large", unpacked_size(pack(good()), 1, (64 << 20) + 1)
    yield "all-too-large", _all_too_large()
    yield "size-lies-low", unpacked_size(pack(good()), 1, 20)
    yield "size-lies-high", unpacked_size(pack(good(), zipfile.ZIP_STORED), 1, len(PICTURE) + 10)
    yield "bomb", unpacked_size(pack([good()[0], ("flower.png", PICTURE + bytes(1 << 20))]), 1, 1000)
    yield "unknown-packing", pack(good(), zipfile.ZIP_BZIP2)
    yield "not-a-picture", pack([good()[0], ("flower.png", b"<html>not a picture</html>")])
    yield "activity-does-not-read", pack([("flower.toml", b'menu = 3\ntopic = "Parts\n'), good()[1]])
    yield "picture-missing", pack([good()[0]])


def _all_too_large():
    # Six pictures of 60 MiB each, as their headers claim.
    data = pack([good()[0]] + [(f"p{i}.png", PICTURE) for i in range(6)])
    for i in range(1, 7):
        unpacked_size(data, i, 60 << 20)
    return data


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds():
        (folder / f"{name}.brindlemark").write_bytes(bytes(data))


if __name__ == "__main__":
    main()
