#!/usr/bin/env python3
"""Writes the seed corpora of fuzz/corpus/: the sample data of resources/ and hand-made edge cases.

Run from the repository's root: fuzz/make_seeds.py. Seeds found by fuzzing (regressions) are added by hand
beside these and are not touched here.
"""
import glob
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIBRARY = os.path.join(ROOT, "resources", "library")
CORPUS = os.path.join(ROOT, "fuzz", "corpus")


def seed(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("latin-1"))


def copy(target, pattern, prefix=""):
    for path in sorted(glob.glob(os.path.join(LIBRARY, pattern))):
        seed(target, prefix + os.path.basename(path), open(path, "rb").read())


def record(kind, start=0.0, end=1.0, ammend=0.0, enabled=1, time_mode=3):
    # kind, timeMode, smooth, padding, minimum, maximum, start, end, span, difference, startTime, endTime,
    # defaultValue, ammend, enabled, padding: 104 bytes.
    return struct.pack("<III4x10dB7x", kind, time_mode, 0, 0.0, 4.0, start, end, end - start, end - start,
                       0.0, 1.0, 2.0, ammend, enabled)


def behaviour(records, text=b"", flags=(0, 0, 0, 0), count=None):
    head = struct.pack("<H4IH", 4977, *flags, len(records) if count is None else count)
    return head + b"".join(records) + struct.pack("<H", len(text)) + text


def behaviour_seeds():
    copy("behaviour_file", "behaviours/vmrk-000[0-7].vmr")
    seed("behaviour_file", "empty", b"")
    seed("behaviour_file", "no-tracks", behaviour([], b"still"))
    seed("behaviour_file", "cut-in-record", behaviour([record(3)])[:60])
    seed("behaviour_file", "count-beyond-records", behaviour([record(3)], count=9))
    seed("behaviour_file", "text-64", behaviour([record(0, 3, 1, -2)], b"x" * 64))
    seed("behaviour_file", "text-65", behaviour([record(0, 3, 1, -2)], b"x" * 65))
    seed("behaviour_file", "kind-13-and-repeats", behaviour([record(13), record(5, 1), record(5, 2)]))
    seed("behaviour_file", "disabled-record", behaviour([record(4, enabled=0), record(6, enabled=7)]))
    seed("behaviour_file", "huge-values",
         behaviour([record(0, 2.0 ** 54 + 4, 1e308, 2.0), record(1, float("nan"), float("inf"), 1e300)]))


def palette_seeds():
    copy("palette_file", "palettes/*")
    seed("palette_file", "empty", b"")
    seed("palette_file", "header-only", struct.pack("<HH", 69, 1))
    seed("palette_file", "count-7-in-54-bytes", struct.pack("<HH", 69, 7) + bytes(range(50)))
    blacks = b"".join(struct.pack("<5H", 0, *rgb, 0) for rgb in
                      [(0, 0, 0), (255, 0, 0), (0, 0, 0), (255, 0, 0), (255, 0, 0), (0, 0, 0)])
    seed("palette_file", "blacks-and-repeats", struct.pack("<HH", 69, 6) + blacks)
    seed("palette_file", "aco-version-2", struct.pack(">HH", 1, 1) + struct.pack(">5H", 0, 0xFFFF, 0x8000, 0, 0)
         + struct.pack(">HH", 2, 1) + struct.pack(">5H", 0, 0x1234, 0x5678, 0x9ABC, 0) + b"\x00\x00\x00\x02A\x00")


def swatch_seeds():
    copy("swatch_file", "swatches/test.vmw")
    seed("swatch_file", "empty", b"")
    seed("swatch_file", "count-minus-1", struct.pack("<HhI", 6994, -1, 3) + bytes(28))
    seed("swatch_file", "count-300", struct.pack("<HhI", 6994, 300, 300) +
         b"".join(struct.pack("<7I", i, *range(6)) for i in range(300)))
    seed("swatch_file", "cut-record", struct.pack("<HhI", 6994, 2, 9) + bytes(40))


def tag_seeds():
    copy("tag_lines", "behaviours/tags/fade.tag")
    copy("tag_lines", "behaviours/tagdb/vmrk-0000.tdb")
    seed("tag_lines", "mixed-line-ends", "a\r\nb\nc\r\r\n\r\nlast")
    seed("tag_lines", "trailing-characters", "vmrk-0001 \r\nwave(2).\r\nin side.x]\r\n...\r\n")
    seed("tag_lines", "hostile-names", "../../outside\r\n/etc/x\r\nfine\r\nnul\x00x\r\n\xff\xfe\r\n" + "n" * 300 + "\r\n")
    seed("tag_lines", "lone-cr", "\r")


def bitmap(width, height, bits, pixels, compression=0, header=40, colours=0):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels), 0, 0, colours, 0)
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    table = bytes(4 * colours)
    offset = 14 + len(info) + len(table)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + table + pixels


def thumbnail_seeds():
    copy("thumbnail", "behaviours/thumbs/vmrk-0000.bmp")
    seed("thumbnail", "1x1-24", bitmap(1, 1, 24, b"\x00\x80\xff\x00"))
    seed("thumbnail", "2x2-top-down-32", bitmap(2, -2, 32, bytes(range(16))))
    seed("thumbnail", "3x1-core-header", bitmap(3, 1, 24, bytes(12), header=12))
    seed("thumbnail", "4x2-8-bit-table", bitmap(4, 2, 8, bytes([0, 1, 1, 0] * 2), colours=2))
    seed("thumbnail", "4x4-rle8", bitmap(4, 4, 8, b"\x04\x01\x00\x00\x04\x00\x00\x00\x02\x01\x02\x00\x00\x01",
                                          compression=1, colours=2))
    seed("thumbnail", "cut-rows", bitmap(8, 8, 24, bytes(96))[:-20])
    seed("thumbnail", "wide-header-96x72", bitmap(96, 72, 16, bytes(96 * 2 * 72)))


def json_seeds():
    for path in sorted(glob.glob(os.path.join(ROOT, "resources", "sample", "behaviours", "*.json")))[:6]:
        seed("cli_json", os.path.basename(path), open(path, "rb").read())
    seed("cli_json", "empty-object", "{}")
    seed("cli_json", "bad-types", '{"tracks": [{"slot": 13}, {"start": "x"}], "lockStarts": -1}')
    seed("cli_json", "latin1-text", '{"thumbnailText": "caf\u00e9 \u00ff", "tracks": [{"slot": 0, "start": 3}]}')
    seed("cli_json", "other-kinds",
         '{"tracks": [{"slot": 2, "kind": 7, "start": 1e300, "ammend": 1e300, "enabled": 200}, '
         '{"slot": 2, "end": -0.0}]}')


def text(data):
    data = data.encode("latin-1") if isinstance(data, str) else data
    return bytes([len(data)]) + data


def library(behaviours, tags, choices=b"", rebuild=True, name=b"", pick=None):
    out = struct.pack(">H", len(behaviours))
    for behaviour_name, companions, tag_db in behaviours:
        out += text(behaviour_name) + bytes([companions]) + text(tag_db)
    out += struct.pack(">H", len(tags))
    for tag_name, links in tags:
        out += text(tag_name) + text(links)
    out += choices + bytes([1 if rebuild else 0]) + text(name)
    out += bytes([1]) + struct.pack(">H", pick) if pick is not None else bytes([0])
    return out


def library_seeds():
    sample = [("vmrk-0000", 3, "slide\r\nintro\r\n"), ("vmrk-0001", 3, "slide\r\nsmooth\r\n"),
              ("vmrk-0010", 1, ""), ("vmrk-10000", 2, "intro\r\nnew tag\r\n")]
    tags = [("intro", "vmrk-0000\r\nvmrk-0001\r\n"), ("slide", "vmrk-0000\r\nvmrk-10000\r\n"),
            ("stale", "gone\r\n")]
    seed("library", "rebuild", library(sample, tags, b"\x01\x02\x00"))
    seed("library", "delete-prefix", library(sample, tags, b"\x01\x00\x00", rebuild=False, pick=2))
    seed("library", "delete-missing", library(sample, tags, rebuild=False, name="../x"))
    odd = [("..", 3, "../up\r\n"), (".", 1, "a/b\r\n"), ("\xff\xfe", 3, "\xff\r\n"), ("two\nlines", 3, "t\r\n"),
           ("wave.", 2, "t\r\n")]
    seed("library", "odd-names-rebuild", library(odd, [("..", "x\r\n"), ("a\rb", "y\r\n"), ("t", "")]))
    seed("library", "odd-names-delete", library(odd, [("t", "wave.\r\n\xff\xfe\r\n")], rebuild=False, name="\xff"))


if __name__ == "__main__":
    behaviour_seeds()
    palette_seeds()
    swatch_seeds()
    tag_seeds()
    thumbnail_seeds()
    json_seeds()
    library_seeds()
