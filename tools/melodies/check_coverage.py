#!/usr/bin/env python3
"""Sings whole books with every melody style and lists the words that carry a trope but get
no notes. Slow (a few minutes for everything), so it is run by hand after changing the
melodies rather than by CTest:

    python3 tools/melodies/check_coverage.py build/dev/src/app/lyrasta-cli

Each line names a reading type, a style, the passage, the number of words with a trope and
how many of them stay silent (with the first few). Exit status 1 when any word is silent.
"""
import json
import re
import subprocess
import sys

# Hebrew accents, U+0591 to U+05AE: a word showing one of them has a trope to sing.
ACCENT = re.compile("[\u0591-\u05ae]")


# The passages sung with every style of a reading type: whole books where the type is read.
PASSAGES = {
    "Torah": ["GEN1:1-50:26", "EXO1:1-40:38", "LEV1:1-27:34", "NUM1:1-36:13", "DEU1:1-34:12"],
    "HiHoliday": ["GEN21:1-22:24", "LEV16:1-16:34", "NUM29:1-29:11"],
    "Haftarah": ["JOS1:1-24:33", "JUD1:1-21:25", "1SA1:1-31:13", "2SA1:1-24:25", "1KI1:1-22:54",
                 "2KI1:1-25:30", "ISA1:1-66:24", "JER1:1-52:34", "EZE1:1-48:35", "HOS1:1-14:10",
                 "JOE1:1-4:21", "AMO1:1-9:15", "OBA1:1-1:21", "JON1:1-4:11", "MIC1:1-7:20",
                 "NAH1:1-3:19", "HAB1:1-3:19", "ZEP1:1-3:20", "HAG1:1-2:23", "ZEC1:1-14:21",
                 "MAL1:1-3:24"],
    "Esther": ["EST1:1-10:3"],
    "Eichah": ["LAM1:1-5:22"],
    "Ruth-Koheles-ShirHashirim": ["RUT1:1-4:22", "SOS1:1-8:14", "QOH1:1-12:14"],
    "Tehillim": ["PSA1:1-150:6"],
    "TorahBlessing": ["GEN1:1-1:5"],
    "HaftarahBlessing": ["ISA40:1-40:5"],
}
# Readings sung partly in a second melody: (main type, second type, passage).
SECOND_MELODY = [("Haftarah", "Eichah", "ISA1:1-1:27"), ("Haftarah", "Eichah", "JER8:13-9:23")]


def passages(cli):
    """(type, style, second type, passage) for every style the program lists."""
    listed = subprocess.run([cli, "styles"], capture_output=True, text=True, check=True)
    styles = [json.loads(line) for line in listed.stdout.splitlines()]
    runs = [(s["type"], s["name"], "", ref) for s in styles for ref in PASSAGES.get(s["type"], [])]
    runs += [(kind, "", aux, ref) for kind, aux, ref in SECOND_MELODY]
    return runs


def main():
    if len(sys.argv) != 2:
        print("usage: check_coverage.py LYRASTA_CLI", file=sys.stderr)
        return 2
    cli = sys.argv[1]
    total_silent = 0
    for kind, melody, aux, ref in passages(cli):
        args = [cli, "notes", "--type", kind, "--section", "Kohen=" + ref]
        if melody:
            args += ["--melody", melody]
        if aux:
            args += ["--type-aux", aux]
        run = subprocess.run(args, capture_output=True, text=True)
        words, silent = 0, []
        for line in run.stdout.splitlines():
            word = json.loads(line)
            if not ACCENT.search(word["word"]):
                continue
            words += 1
            if not any(s["notes"] for s in word["syllables"]):
                silent.append(f'{word["verse"]} {word["word"].strip()}')
        total_silent += len(silent)
        errors = [e for e in run.stderr.splitlines() if "not yet set a melody style" not in e]
        print(f"{kind:26} {melody:22} {aux:6} {ref:14} words {words:6} silent {len(silent)}")
        for line in silent[:5] + errors[:5]:
            print("    " + line)
    print(f"silent words in all: {total_silent}")
    return 1 if total_silent else 0


if __name__ == "__main__":
    sys.exit(main())
