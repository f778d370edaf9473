#!/usr/bin/env python3
"""Writes examples/demo.seq: a small sequence file with three tracks, made from bytes here."""
import pathlib

header = bytes(
    b"SEQFILE1"  # 0..7 identifier
    + bytes([0x01])  # 8 setup flag
    + bytes([0x03])  # 9 time signature 4/4
    + bytes([0x00, 0x78])  # 10, 11 tempo 120
    + b"\xc3\xde\xd3SONG\x00"  # 12..19 song name: half-width katakana "demo", then SONG
    + bytes(range(8))  # 20..27 channels of tracks 1..8
    + bytes([0x01, 0x00, 0x0C, 0x00, 0x03])  # 28..32 synth, voice type, voice number, rhythm
    + bytes([0x00])  # 33 unused
)
assert len(header) == 34


def track(index, events):
    return bytes([0xF0, index]) + bytes(events) + bytes([0xF2])


melody = []
for measure in range(4):
    melody += [0xF5]
    for note in (0x3C, 0x3E, 0x40, 0x41):
        melody += [0x88, note + measure, 0x64, 0x18]  # ShortNote, then a Short Time of 24
tracks = (
    track(0, [0x05, 0x83, 0x3C, 0x40, 0x10, 0xF5, 0xFC, 0x12, 0x01, 0x30,
              0xC1, 0x05, 0x3C, 0x64, 0xC1, 0x05, 0xBC, 0xFA, 0x3C, 0x10,
              0xFB, 0x07, 0x64, 0x01])
    + track(1, melody)
    + track(2, [0xFE, 0x01, 0x02, 0xFD, 0x40, 0xF8, 0x9E, 0xC0, 0xE1, 0x7F, 0xB0, 0x7F, 0x7F])
    + bytes([0xF9])
)
out = pathlib.Path(__file__).with_name("demo.seq")
out.write_bytes(header + tracks)
print(f"wrote {out} ({len(header) + len(tracks)} bytes)")
