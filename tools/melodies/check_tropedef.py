#!/usr/bin/env python3
"""Checks the melody styles and trope names in an encodings folder.

    python3 tools/melodies/check_tropedef.py data/encodings

Every style must serve one of the nine reading types and define every trope; every variant
must have notes whose pitch names the note placement knows, with positive whole durations,
upbeats before the main notes and extras after them; the conditions must be spelled the way
the melody rules compare them (exact upper-case trope names, known group names and Song of
the Sea markers), since a misspelt condition silently never holds. The trope names must give
every trope a Latin and a Hebrew name in every encoding a style uses, and every reading type
must have a style, the Torah at least two. Prints one line per problem; exit status 1 when
there is any.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from build_tropedef import REQUIRED_TROPES  # noqa: E402
from pitches import pitch_value  # noqa: E402

READING_TYPES = ["Torah", "TorahBlessing", "HiHoliday", "Haftarah", "HaftarahBlessing",
                 "Esther", "Eichah", "Tehillim", "Ruth-Koheles-ShirHashirim"]
KEYS = {"C": 0, "G": -5, "D": 2, "A": -3, "E": 4, "B": -1, "F": -7, "F#": -6, "G-": -6,
        "C#": 1, "D-": 1, "A-": -4, "E-": 3, "B-": -2}
# Names the song builder hands to the rules as neighbours (SOF_PASUK and SILLUQ both occur).
TROPE_NAMES = set(REQUIRED_TROPES) | {"SOF_PASUK"}
GROUP_NAMES = {"SOF_PASUK", "ETNACHTA", "ZAKEF_KATON", "SEGOL", "TEVIR", "REVIA", "GERESH",
               "GERSHAYIM", "PAZER", "TELISHA_GEDOLA", "KARNE_FARA", "ZAKEF_GADOL",
               "SHALSHELET", "END_OF_CHAPTER", "END_OF_BOOK"}
SONG_OF_MOSES = {"TRUE", "ChabadSongOfMosesEndOfBook", "ChabadSongOfMosesSofPasuk",
                 "ChabadSongOfMosesZakefKaton", "HalvikSongOfMosesEarlyZakefKaton",
                 "HalvikSongOfMosesEtnachta", "HalvikSongOfMosesLateZakefKaton",
                 "HalvikSongOfMosesSofPasuk", "HalvikSongOfMosesShortSofPasuk",
                 "HalvikSongOfMosesLateZakefKaton2"}
FLAG_CONDITIONS = {"DEFAULT", "ON_ONE_WORD", "END_OF_ALIYAH", "END_OF_CHAPTER", "END_OF_BOOK",
                   "IN_CREATION_DAY", "START_OF_VERSE", "MILEIL", "MONOSYLLABIC"}
NEIGHBOUR_CONDITIONS = {"BEFORE", "BEFORE_BEFORE", "AFTER", "AFTER_AFTER"}
LOCATION = re.compile(r"^[A-Z1-3]{3}[1-9]\d*:[1-9]\d*$")
# The sounding range of the default voice (Baritone, 6 half tones below the written pitch
# before the style's PitchBend): G2 to E4.
BARITONE_OFFSET, LOWEST, HIGHEST = -6, 8, 29
DECIMAL = re.compile(r"^-?\d+(\.\d+)?$")


def check_notes(notes, where, bend, problems):
    kinds = []
    for note in notes:
        attrs = {k.upper(): v for k, v in note.attrib.items()}
        pitch = attrs.get("PITCH", "")
        value = pitch_value(pitch)
        if value is None and DECIMAL.match(pitch):
            value = float(pitch)
        if value is None:
            problems.append(f"{where}: pitch '{pitch}' is not a pitch name")
        elif not LOWEST <= value + bend + BARITONE_OFFSET <= HIGHEST:
            problems.append(f"{where}: pitch '{pitch}' lies outside the baritone's range")
        duration = attrs.get("DURATION", "")
        if not duration.isdigit() or int(duration) <= 0:
            problems.append(f"{where}: duration '{duration}' is not a positive whole number")
        for flag in ("UPBEAT", "EXTRA", "CONTINUE"):
            if flag in attrs and attrs[flag].upper() != "TRUE":
                problems.append(f"{where}: {flag} is '{attrs[flag]}'; write TRUE or leave it out")
        kinds.append(0 if attrs.get("UPBEAT", "").upper() == "TRUE"
                     else 2 if attrs.get("EXTRA", "").upper() == "TRUE" else 1)
    if kinds != sorted(kinds):
        problems.append(f"{where}: upbeats must come first and extras last")
    if 1 not in kinds:
        problems.append(f"{where}: no main note")


def check_conditions(variant, where, problems):
    for name, value in variant.attrib.items():
        key = name.upper()
        if key in FLAG_CONDITIONS:
            if value != "TRUE":
                problems.append(f"{where}: {name}='{value}' imposes nothing; only TRUE does")
        elif key in NEIGHBOUR_CONDITIONS:
            if value not in TROPE_NAMES:
                problems.append(f"{where}: {name}='{value}' is no trope name and never holds")
        elif key == "TROPE_GROUP":
            if value.upper() not in GROUP_NAMES:
                problems.append(f"{where}: TROPE_GROUP='{value}' names no trope group")
        elif key == "TROPE_GROUP_POSITION":
            if value.upper() not in {"START", "MIDDLE", "END"}:
                problems.append(f"{where}: TROPE_GROUP_POSITION='{value}' is no position")
        elif key == "SONG_OF_MOSES":
            if value not in SONG_OF_MOSES:
                problems.append(f"{where}: SONG_OF_MOSES='{value}' is no marker")
        elif key == "IN_JOURNEY":
            if value not in {"1", "2"}:
                problems.append(f"{where}: IN_JOURNEY='{value}' imposes nothing")
        elif key != "ATTRIB":
            problems.append(f"{where}: unknown condition {name}")


def check_style(style, where, problems):
    attrs = {k.upper(): v for k, v in style.attrib.items()}
    if attrs.get("TYPE") not in READING_TYPES:
        problems.append(f"{where}: Type '{attrs.get('TYPE')}' is no reading type")
    if attrs.get("KEY") not in KEYS:
        problems.append(f"{where}: KEY '{attrs.get('KEY')}' is not in the key table")
    if not re.match(r"^-?\d+$", attrs.get("PITCHBEND", "")):
        problems.append(f"{where}: PitchBend '{attrs.get('PITCHBEND')}' is not a whole number")
        bend = 0
    else:
        bend = int(attrs["PITCHBEND"])
    tropes = {}
    melodies = None
    lesson_notes = None
    for child in style:
        if child.tag.upper() == "MELODIES":
            melodies = child
            continue
        if child.tag.upper() == "LESSON_NOTES":
            lesson_notes = child
            continue
        name = child.get("Name", "")
        tropes.setdefault(name, child)
        if not len(child):
            problems.append(f"{where} {name}: no variants")
        for index, variant in enumerate(child, 1):
            at = f"{where} {name} variant {index}"
            check_conditions(variant, at, problems)
            notes = [n for n in variant if n.tag.upper() == "NOTES"]
            if not notes:
                problems.append(f"{at}: no Notes")
            else:
                check_notes(list(notes[0]), at, bend, problems)
    for name in REQUIRED_TROPES:
        if name not in tropes:
            problems.append(f"{where}: no melody for {name}")
    # The lesson notes name tropes of the style (or the sof pasuk, sung through the silluq).
    for note in (lesson_notes if lesson_notes is not None else []):
        name = note.get("Name", "")
        if name not in tropes and name != "SOF_PASUK":
            problems.append(f"{where}: lesson note for {name}, which the style does not sing")
        if not (note.text or "").strip():
            problems.append(f"{where}: lesson note for {name} is empty")
    for item in (melodies if melodies is not None else []):
        loc, kind = item.get("LOC", ""), item.get("TYPE", "").upper()
        at = f"{where} melody item {loc}"
        if not LOCATION.match(loc):
            problems.append(f"{at}: LOC is not a verse location such as EXO15:1")
        if kind not in {"ATTRIB", "MELODY", "TIP"}:
            problems.append(f"{at}: TYPE '{item.get('TYPE')}' is unknown")
        start, end = item.get("STARTWORD", ""), item.get("ENDWORD", "")
        if not (start.isdigit() and end.isdigit() and 1 <= int(start) <= int(end)):
            problems.append(f"{at}: STARTWORD..ENDWORD '{start}..{end}' is no word range")
        if kind == "MELODY" and loc not in tropes:
            problems.append(f"{at}: no trope element named {loc} holds the verse's melody")
        if kind == "ATTRIB" and not any(v.get("ATTRIB", "").upper() == item.get("VALUE", "").upper()
                                        for t in tropes.values() for v in t):
            problems.append(f"{at}: no variant answers to ATTRIB '{item.get('VALUE')}'")
    return attrs.get("TYPE"), attrs.get("ENCODING", "")


def check_folder(folder):
    problems = []
    folder = pathlib.Path(folder)
    types, encodings_used = [], set()
    for path in sorted(folder.glob("tropedef*.xml")):
        try:
            root = ET.parse(path).getroot()
        except ET.ParseError as err:
            problems.append(f"{path.name}: not well-formed: {err}")
            continue
        for style in root:
            where = f"{path.name} {style.get('Name')}/{style.get('Type')}"
            kind, encoding = check_style(style, where, problems)
            types.append(kind)
            encodings_used.add(encoding.upper())
    for kind in READING_TYPES:
        needed = 2 if kind == "Torah" else 1
        if types.count(kind) < needed:
            problems.append(f"reading type {kind} has {types.count(kind)} styles, needs {needed}")
    encodings = {}
    for path in sorted(folder.glob("tropenames*.xml")):
        try:
            root = ET.parse(path).getroot()
        except ET.ParseError as err:
            problems.append(f"{path.name}: not well-formed: {err}")
            continue
        for encoding in root:
            encodings.setdefault(encoding.get("Name", "").upper(), encoding)
    for name in sorted(encodings_used - set(encodings)):
        problems.append(f"no trope-name encoding '{name}' for the styles that use it")
    for key, encoding in encodings.items():
        entries = {e.get("Name"): e for e in encoding}
        for trope in sorted(TROPE_NAMES):
            entry = entries.get(trope)
            if entry is None or not entry.get("VALUE") or not entry.get("HEB_VALUE"):
                problems.append(f"encoding {encoding.get('Name')}: no names for {trope}")
    return problems


def main():
    if len(sys.argv) != 2:
        print("usage: check_tropedef.py ENCODINGS_FOLDER", file=sys.stderr)
        return 2
    problems = check_folder(sys.argv[1])
    for line in problems:
        print(line)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
