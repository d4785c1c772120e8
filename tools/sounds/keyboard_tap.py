#!/usr/bin/env python3
"""Writes the keypad's click, resources/KeyboardTap.wav: 35 ms of a soft wooden tick (two damped
tones and a short burst of seeded noise), 16-bit mono at 22,050 Hz. Run by hand when the sound
changes; the file is kept in the repository."""
import math
import random
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
LENGTH = 0.035


def samples():
    noise = random.Random(7)
    for i in range(int(RATE * LENGTH)):
        t = i / RATE
        body = 0.55 * math.sin(2 * math.pi * 1850 * t) * math.exp(-t * 180)
        knock = 0.30 * math.sin(2 * math.pi * 620 * t) * math.exp(-t * 120)
        burst = 0.25 * (noise.random() * 2 - 1) * math.exp(-t * 900)
        yield max(-1.0, min(1.0, body + knock + burst))


def main():
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / 'resources' / 'KeyboardTap.wav'
    with wave.open(str(target), 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b''.join(struct.pack('<h', int(s * 0.8 * 32767)) for s in samples()))


if __name__ == '__main__':
    main()
