#!/usr/bin/env python3
"""Synthesises the editor's six event sounds into ../Muzik/.

The wave files are kept in the repository, so a build never runs this; run it only to change a
sound. Everything is computed from the numbers below (the noise comes from a fixed-seed integer
generator), so two runs write byte-identical files. Standard library only.

    open.wav     start of the program: a rising three-note chime, 0.6 s
    okna.wav     the main window closes: the same chime falling, 0.5 s
    message.wav  a save prompt appears: two soft tones, 0.4 s
    klava.wav    a key is typed: a short dry tick, 30 ms
    menu.wav     a menu button is pressed: a soft falling blip, 80 ms
    knopka2.wav  a toolbar button is pressed: a rounded click, 60 ms

All are 16-bit PCM, mono, 22050 Hz, with short fades at both ends so nothing clicks.
"""

import math
import os
import struct
import wave

RATE = 22050
PEAK = 0.55  # loudest sample as a fraction of full scale: pleasant, never clipped

C5, E5, G5, A5, C6 = 523.25, 659.26, 783.99, 880.00, 1046.50


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def add_bell(samples, start, freq, length, decay):
    """A bell-like note: a sine with two quieter upper partials, struck and dying away."""
    first = int(round(start * RATE))
    partials = ((1.0, 1.0), (2.0, 0.28), (3.0, 0.08))
    for n in range(int(round(length * RATE))):
        i = first + n
        if i >= len(samples):
            break
        t = n / RATE
        attack = min(1.0, t / 0.004)
        envelope = attack * math.exp(-t / decay)
        value = sum(a * math.sin(2 * math.pi * freq * k * t) for k, a in partials)
        samples[i] += envelope * value


def add_glide(samples, start, f0, f1, length, decay):
    """A sine whose pitch slides from f0 to f1, dying away: the soft blip of a menu."""
    first = int(round(start * RATE))
    phase = 0.0
    count = int(round(length * RATE))
    for n in range(count):
        i = first + n
        if i >= len(samples):
            break
        t = n / RATE
        freq = f0 + (f1 - f0) * n / max(1, count - 1)
        phase += 2 * math.pi * freq / RATE
        samples[i] += math.exp(-t / decay) * math.sin(phase)


def add_noise_tick(samples, start, length, decay, seed):
    """A burst of smoothed noise from a fixed-seed generator: the body of a click."""
    state = seed
    smooth = 0.0
    first = int(round(start * RATE))
    for n in range(int(round(length * RATE))):
        i = first + n
        if i >= len(samples):
            break
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        white = state / 0x3FFFFFFF - 1.0
        smooth += 0.45 * (white - smooth)  # a gentle low-pass takes the hiss off
        samples[i] += math.exp(-(n / RATE) / decay) * smooth


def fade(samples, fade_in, fade_out):
    """Raised-cosine ramps at both ends, so the file starts and stops at zero."""
    count = len(samples)
    n_in = max(1, int(round(fade_in * RATE)))
    n_out = max(1, int(round(fade_out * RATE)))
    for n in range(min(n_in, count)):
        samples[n] *= 0.5 - 0.5 * math.cos(math.pi * n / n_in)
    for n in range(min(n_out, count)):
        samples[count - 1 - n] *= 0.5 - 0.5 * math.cos(math.pi * n / n_out)
    return samples


def normalised(samples, peak=PEAK):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def write_wave(path, samples):
    frames = b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def chime(notes, step, length):
    samples = silence(length)
    for k, freq in enumerate(notes):
        add_bell(samples, k * step, freq, length - k * step, 0.16)
    return normalised(fade(samples, 0.003, 0.06))


def open_sound():
    return chime((C5, E5, G5, C6), 0.09, 0.6)


def okna_sound():
    return chime((C6, G5, E5, C5), 0.08, 0.5)


def message_sound():
    samples = silence(0.4)
    add_bell(samples, 0.0, A5, 0.2, 0.07)
    add_bell(samples, 0.15, E5, 0.25, 0.09)
    return normalised(fade(samples, 0.003, 0.05), 0.5)


def klava_sound():
    samples = silence(0.03)
    add_noise_tick(samples, 0.0, 0.03, 0.004, seed=20240601)
    add_glide(samples, 0.0, 2400, 1800, 0.03, 0.003)
    return normalised(fade(samples, 0.0005, 0.008), 0.4)


def menu_sound():
    samples = silence(0.08)
    add_glide(samples, 0.0, 1250, 880, 0.08, 0.025)
    return normalised(fade(samples, 0.002, 0.02), 0.45)


def knopka_sound():
    samples = silence(0.06)
    add_glide(samples, 0.0, 520, 380, 0.06, 0.012)
    add_noise_tick(samples, 0.0, 0.06, 0.003, seed=77)
    return normalised(fade(samples, 0.001, 0.015), 0.5)


SOUNDS = {
    "open.wav": open_sound,
    "okna.wav": okna_sound,
    "message.wav": message_sound,
    "klava.wav": klava_sound,
    "menu.wav": menu_sound,
    "knopka2.wav": knopka_sound,
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Muzik")
    os.makedirs(folder, exist_ok=True)
    for name, make in SOUNDS.items():
        samples = make()
        write_wave(os.path.join(folder, name), samples)
        print(f"{name}: {len(samples) / RATE:.3f} s")


if __name__ == "__main__":
    main()
