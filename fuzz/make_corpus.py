#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz target into fuzz/corpus/, made from bytes here.

An input is a list of steps, each one operation byte and its arguments (see README.md):
  0 len:3 bytes        a file of the given bytes
  1 len:3 fill:1 n:2 bytes   a file of n given bytes, then the fill byte up to len
  2                    cancel the dialog (the last confirmed file is loaded again)
  3 which:1            a path that cannot be read
  4 n:1 / 5 n:1        check track button n % 8 / time-signature button n % 28
  6 k:1                load the k-th file of the input again
  7 n:1                list track n (a signed byte) directly
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"
DEMO = HERE.parent / "examples" / "demo.seq"


def header(time_signature=0x40, synth=0, voice_type=0):
    head = bytearray(b"FUZZSONG")
    head += bytes([0x00, time_signature, 0x00, 0x78])  # setup flag, time signature, tempo 120
    head += b"SEEDNAME" + bytes(range(8))  # song name, channels of tracks 1..8
    head += bytes([synth, voice_type, 5, 1, 2, 0])  # synth, voice type, number, rhythm, unused
    assert len(head) == 34
    return bytes(head)


def track(index, events=b""):
    return bytes([0xF0, index]) + bytes(events) + b"\xF2"


def file_step(data):
    return bytes([0]) + len(data).to_bytes(3, "little") + data


def padded_step(length, fill, data=b""):
    return bytes([1]) + length.to_bytes(3, "little") + bytes([fill]) + len(data).to_bytes(2, "little") + data


CANCEL = bytes([2])


def unreadable(which):
    return bytes([3, which])


def track_button(n):
    return bytes([4, n])


def time_sig_button(n):
    return bytes([5, n])


def again(k):
    return bytes([6, k])


def list_track(n):
    return bytes([7, n & 0xFF])


# The thirteen-line listing: every kind of event once.
EVERY_EVENT = bytes.fromhex("05833C4010F5FC120130C1053C64C105BCFA3C10FB076401")
EIGHT = b"".join(track(i, [0x10 + i]) for i in range(8))

seeds = {
    "demo": file_step(DEMO.read_bytes()),
    "demo-then-cancel": file_step(DEMO.read_bytes()) + CANCEL + track_button(2) + CANCEL,
    "every-event": file_step(header(3) + track(0, EVERY_EVENT) + b"\xF9"),
    "wide-control-and-skip": file_step(header() + track(0, bytes.fromhex("FE0102FD40F805F0")) + b"\xF9"),
    "eight-then-three": file_step(header() + EIGHT + b"\xF9")
    + file_step(header() + EIGHT[:3 * 4] + b"\xF9")
    + track_button(5),
    "nine-tracks": file_step(header() + EIGHT + track(8, [1]) + b"\xF9"),
    "no-list-end": file_step(header() + track(0, [1, 2])),
    "cut-inside-track": file_step(header() + bytes([0xF0, 0x00, 0x05, 0x83, 0x3C])),
    "cut-inside-long-note": file_step(header() + bytes([0xF0, 0x00, 0xC1, 0x05])),
    "track-number-mismatch": file_step(header() + track(3, [5]) + b"\xF9"),
    "list-end-inside-track": file_step(header() + track(0, [0xF9, 0x05, 0x3C, 0x64]) + b"\xF9"),
    "first-not-track-start": file_step(header() + bytes([0x12, 0x00, 0x05, 0xF2, 0xF9])),
    "long-then-short": padded_step(1000, 0x05, header() + bytes([0xF0, 0x00]))
    + padded_step(100, 0xF5, header() + bytes([0xF0, 0x00])),
    "time-signature-kept-track": track_button(2) + file_step(header(0x40) + track(0, [5]) + track(1, [6]) + track(2, [7]))
    + track_button(2) + CANCEL,
    "time-signature-chosen": track_button(2) + file_step(header(5) + track(0, [5])) + time_sig_button(7) + CANCEL,
    "unlabelled-modes": file_step(header(0x40, synth=0)) + file_step(header(0x40, synth=5, voice_type=3)),
    "unreadable-between": file_step(DEMO.read_bytes())
    + b"".join(unreadable(i) for i in range(7))
    + CANCEL,
    "cancel-before-any-file": CANCEL + unreadable(0) + CANCEL,
    "again-and-list": file_step(header() + track(0, [5])) + file_step(b"") + again(0) + list_track(-1) + list_track(9) + list_track(3),
}

# The edge sizes: the header cut short, the exact header, and around the 64 KiB that are read.
for size in (0, 1, 33, 34, 35):
    seeds[f"size-{size}"] = file_step((header() + b"\xF0\x00\x05\xF2")[:size])
for size in (65535, 65536, 65537, 70000):
    # One track of measure marks that runs to the end of the data.
    seeds[f"size-{size}"] = padded_step(size, 0xF5, header() + bytes([0xF0, 0x00]))
seeds["size-65536-then-1"] = padded_step(65536, 0x00, header() + bytes([0xF0, 0x00])) + file_step(b"F")

CORPUS.mkdir(exist_ok=True)
for old in CORPUS.iterdir():
    old.unlink()
for name, data in seeds.items():
    (CORPUS / name).write_bytes(data)
print(f"wrote {len(seeds)} inputs to {CORPUS}")
