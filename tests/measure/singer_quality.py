#!/usr/bin/env python3
"""How the singer sounds, measured from outside: sings two passages in two voices through
`lyrasta-cli sing` and measures the wave files with Praat and sox.

    python3 tests/measure/singer_quality.py [--cli build/release/src/app/lyrasta-cli]
                                            [--data data] [--out /tmp/singer-quality]

Prints, per voice and passage: the pause after each verse end and etnachta; on held vowels
(200 ms or more, from 80 ms in to 30 ms before the end) the harmonics-to-noise ratio, jitter
and shimmer, and the energy of the 2-3, 3-4 and 4-5 kHz bands relative to 0-1 kHz; vibrato
rate and extent on notes of 400 ms or more (from 150 ms in); pitch accuracy of the notes of
150 ms or more. Then, per voice, the consonants sung between two vowels: the level of the
burst or frication (the loudest 5 ms) relative to the vowel, its centre of gravity, and how
fast it rises (the level of the first 1 ms against the next 4 ms). Run by hand; takes about
a minute.
"""

import argparse
import json
import math
import os
import re
import statistics
import subprocess
import sys
import wave
from array import array

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

PASSAGES = [("Genesis 1:1-5", "Torah", "Kohen=GEN1:1-1:5"), ("Esther 1:1-5", "Esther", "R1=EST1:1-1:5")]
# Voice name, pitch track floor and ceiling, the command-text voice and a note inside its range.
VOICES = [("Baritone", 60, 500, "Paul", 131), ("Soprano", 150, 1100, "Rita", 392)]
CONSONANTS = ["p", "t", "k", "g", "kh", "sh", "s", "gr_r", "r"]
STOPS = {"p", "t", "k", "g"}
# How far the edge of a silence found by silences.praat may lie from where the sound stops or
# starts again (half its intensity window, with a margin), in seconds.
EDGE = 0.04


def run(cmd):
    return subprocess.run(cmd, check=True, capture_output=True, text=True).stdout


def praat(script, *args):
    return run(["praat", "--run", os.path.join(HERE, script), *map(str, args)])


def json_lines(text):
    return [json.loads(line) for line in text.splitlines() if line.startswith("{")]


def read_wave(path):
    with wave.open(path) as w:
        rate = w.getframerate()
        samples = array("h", w.readframes(w.getnframes()))
    return rate, samples


def rms_db(samples, a, b):
    part = samples[max(0, a):max(a + 1, b)]
    energy = sum(x * x for x in part) / max(1, len(part))
    return 10 * math.log10(max(energy / 32768.0 ** 2, 1e-8))  # floor at -80 dBFS


def write_table(path, rows):
    with open(path, "w") as f:
        f.write("start end\n")
        for a, b in rows:
            f.write(f"{a:.4f} {b:.4f}\n")


def cents(measured, target):
    return 1200 * math.log2(measured / target)


def percentile(values, p):
    v = sorted(values)
    if not v:
        return float("nan")
    k = (len(v) - 1) * p / 100
    lo = math.floor(k)
    hi = min(lo + 1, len(v) - 1)
    return v[lo] + (v[hi] - v[lo]) * (k - lo)


def median(values):
    return statistics.median(values) if values else float("nan")


def pauses(wav, events, words):
    """The silence after each verse-end and etnachta word, in ms, keyed by kind."""
    silences = [tuple(map(float, line.split())) for line in praat("silences.praat", wav).splitlines()]
    marks = {e["mark"]: e["ms"] for e in events if e["event"] == "index"}
    kinds = {}
    for item in words:
        letters = item.get("letters") or []
        if not letters or item["i"] not in marks:
            continue
        if item.get("verseEnd", 0) > 0:
            kinds[item["i"]] = "verse end"
        elif any("92" in re.findall("..", l.get("accents", "")) for l in letters):
            kinds[item["i"]] = "etnachta"
    ordered = sorted(marks)
    found = {"verse end": [], "etnachta": []}
    for i, w in enumerate(ordered):
        if w not in kinds or i + 1 >= len(ordered):
            continue
        # The silence around the start of the next word (its mark); none when the sound runs on.
        # Praat finds silences on an intensity curve smoothed over 3.2 / 60 Hz = 53 ms, so a
        # silence it reports may end up to about half of that before the next word sounds.
        nxt = marks[ordered[i + 1]] / 1000
        gaps = [e - s for s, e in silences if s - EDGE <= nxt <= e + EDGE]
        found[kinds[w]].append(round(1000 * max(gaps, default=0)))
    return found


def sung(cli, data, out, voice, passage):
    label, kind, section = passage
    base = os.path.join(out, f"{voice[0]}-{kind}")
    common = ["--data", data, "--settings", "/dev/null", "--seed", "1", "--section", section, "--type", kind,
              "--voice", voice[0]]
    words = json_lines(run([cli, "words", *common]))
    wav = base + ".wav"
    events = json_lines(run([cli, "sing", *common, "--word", "0", "--range", "section", "--wav", wav, "--notes"]))
    return wav, words, events


def held_quality(wav, notes, voice, out):
    held = [n for n in notes if n["dur"] >= 200]
    table = os.path.join(out, "held.txt")
    write_table(table, [((n["ms"] + 80) / 1000, (n["ms"] + n["dur"] - 30) / 1000) for n in held])
    quality = [list(map(float, l.split()))[1:] for l in praat("voice_quality.praat", wav, table, voice[1], voice[2]).splitlines()]
    bands = [list(map(float, l.split()))[1:] for l in praat("spectrum.praat", wav, table).splitlines()]
    return {
        "held notes": len(held),
        "HNR dB": median([q[0] for q in quality]),
        "jitter %": median([q[1] for q in quality]),
        "shimmer %": median([q[2] for q in quality]),
        "2-3 kHz dB": median([b[3] - b[1] for b in bands]),
        "3-4 kHz dB": median([b[4] - b[1] for b in bands]),
        "4-5 kHz dB": median([b[5] - b[1] for b in bands]),
    }


def pitch_and_vibrato(wav, notes, voice):
    track = [tuple(map(float, l.split())) for l in praat("pitch.praat", wav, voice[1], voice[2]).splitlines()]
    note_medians, frames, extents, rates = [], [], [], []
    for n in notes:
        if n["dur"] < 150:
            continue
        steady = [cents(hz, n["hz"]) if hz > 0 else 1200.0 for t, hz in track
                  if n["ms"] + 80 <= t * 1000 <= n["ms"] + n["dur"] - 30]
        if steady:
            note_medians.append(abs(median(steady)))
            frames += [abs(c) for c in steady]
        if n["dur"] < 400:
            continue
        wobble = [cents(hz, n["hz"]) for t, hz in track if hz > 0 and n["ms"] + 150 <= t * 1000 <= n["ms"] + n["dur"] - 30]
        if len(wobble) < 20:
            continue
        centre = median(wobble)
        wobble = [c - centre for c in wobble]
        extents.append((percentile(wobble, 95) - percentile(wobble, 5)) / 2)
        # The times the pitch crosses its centre (with a margin, so that tracker noise is not
        # a cycle); the rate from the median time between crossings, half a period.
        margin = max(2.0, 0.3 * extents[-1])
        side, crossed = 0, []
        for k, c in enumerate(wobble):
            now = 1 if c > margin else -1 if c < -margin else side
            if side and now != side:
                crossed.append(k * 0.005)
            side = now
        halves = [b - a for a, b in zip(crossed, crossed[1:])]
        if halves:
            rates.append(1 / (2 * median(halves)))
    return {
        "pitch: note median cents": median(note_medians),
        "pitch: frame median cents": median(frames),
        "long notes": len(extents),
        "vibrato extent cents": median(extents),
        "vibrato rate Hz": median(rates),
    }


def consonants(cli, voice, out):
    """Each consonant between two held vowels: level, centre of gravity and onset rise."""
    results = {}
    code = f"5{voice[4]}"
    for c in CONSONANTS:
        text = (f"[:volume att 100] [:name {voice[3]}  ] [:rate 170] [:phoneme arpabet speak on] "
                f"[~ah<300,{code}>~{c}<100,{code}>~ah<300,{code}>]")
        wav = os.path.join(out, f"cons-{voice[0]}-{c}.wav")
        run([cli, "say", "--text", text, "--wav", wav])
        rate, s = read_wave(wav)
        ms = rate // 1000
        vowel = rms_db(s, 120 * ms, 260 * ms)
        # A stop's burst comes at its release, about two thirds into the consonant; a
        # fricative's noise is measured away from the vowels on either side.
        first, last = (355, 385) if c in STOPS else (320, 380)
        win = 5 * ms
        levels = [(rms_db(s, a, a + win), a) for a in range(first * ms, last * ms - win, ms)]
        peak, at = max(levels)
        span = (at / rate - 0.002, at / rate + 0.008) if c in STOPS else (first / 1000, last / 1000)
        table = os.path.join(out, "cons.txt")
        write_table(table, [span])
        cog = float(praat("spectrum.praat", wav, table).split()[1])
        # How the noise starts: the loudest 1 ms step up inside the consonant, in dB.
        steps = [rms_db(s, a + ms, a + 2 * ms) - rms_db(s, a, a + ms) for a in range(first * ms, last * ms - 2 * ms, ms)]
        results[c] = (round(peak - vowel, 1), round(cog), round(max(steps), 1))
    return results


def sox_peak(wav):
    text = subprocess.run(["sox", wav, "-n", "stats"], capture_output=True, text=True).stderr
    m = re.search(r"Pk lev dB\s+(-?[\d.]+)", text)
    return float(m.group(1)) if m else float("nan")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--cli", default=os.path.join(ROOT, "build/release/src/app/lyrasta-cli"))
    ap.add_argument("--data", default=os.path.join(ROOT, "data"))
    ap.add_argument("--out", default="/tmp/singer-quality")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    report = {}
    for voice in VOICES:
        for passage in PASSAGES:
            wav, words, events = sung(args.cli, args.data, args.out, voice, passage)
            notes = [e for e in events if e["event"] == "note"]
            key = f"{voice[0]}, {passage[0]}"
            r = {"peak dBFS": sox_peak(wav)}
            p = pauses(wav, events, words)
            r["verse-end pauses ms"] = p["verse end"]
            r["etnachta pauses ms"] = p["etnachta"]
            r.update(held_quality(wav, notes, voice, args.out))
            r.update(pitch_and_vibrato(wav, notes, voice))
            report[key] = r
        report[f"{voice[0]}, consonants (dB to vowel, centre Hz, 1 ms rise dB)"] = consonants(args.cli, voice, args.out)
    for key, r in report.items():
        print(key)
        for name, value in r.items():
            print(f"  {name}: {round(value, 2) if isinstance(value, float) else value}")
    json.dump(report, open(os.path.join(args.out, "report.json"), "w"), indent=1)


if __name__ == "__main__":
    sys.exit(main())
