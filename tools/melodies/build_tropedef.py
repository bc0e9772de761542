#!/usr/bin/env python3
"""Writes data/encodings/tropedef-*.xml from the melody sources in this folder.

Each NN-name.mel file holds one melody style and becomes data/encodings/tropedef-NN-name.xml;
the number orders the files, and so the styles of one reading type, the first being the
type's default. Run it after editing a source:  python3 tools/melodies/build_tropedef.py

A source file:

    style
      Name = Ashkenazi            (attributes of the style element, one per line)
      Type = Torah
      ...
    include 01-torah-ashkenazi.mel    copy every trope of another style (kept at its sounding
                                      pitch: notes move by the difference of the PitchBends);
                                      "include FILE without COND" leaves out the variants
                                      that have that condition
    borrow Eichah from 06-eichah.mel  words marked with the special attribute "Eichah" sing
                                      the other style's variants of each trope (at their
                                      sounding pitch, or moved by "transpose N" written
                                      half tones)
    melody LOC=EST4:16 TYPE=ATTRIB STARTWORD=6 ENDWORD=9 VALUE=Eichah
    trope NAME                    the variants of one trope, in order of precedence:
      BEFORE=TIPCHA,ETNACHTA MILEIL=TRUE : e4 | g8 f8 e4 | d4
      DEFAULT : ...
    trope AZLA = GERESH : REASON  the same variants as another trope of this style, with the
                                  reason the two are sung alike
    alike MAPACH MERCHA : REASON  tropes allowed to share a figure, with the reason
                                  (check_tunes.py refuses any other shared figure)
    extend NAME                   variants put before those an included trope already has

Every style also gets LESSON_NOTES: one Note per trope, a sentence that tells the student
how the trope's plain melody (its DEFAULT variant) goes in this style, in solfege with do
on "c", written from the notes themselves so that the lesson notes always agree with what
the program sings (see lesson_note below).

A variant line lists its conditions (a comma gives alternatives, written as one variant per
value), a colon, and the notes. Notes before the first "|" are upbeats, after a second "|"
extras; a note is a pitch name and its duration divisor ("b-8"; after the digit names of
the low octave a colon keeps them apart: "2:6"), with "~" tying it to the
next note on the same syllable. A line starting with "#", or the rest of a line after a
blank, "#" and a blank, is a comment. "--out DIR" writes the files to another folder.
"""
import pathlib
import re
import shlex
import sys

from pitches import pitch_value, transpose

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE.parent.parent / "data" / "encodings"

# Every trope name a style must define (the verse end is sung through SILLUQ).
REQUIRED_TROPES = [
    "SILLUQ", "ETNACHTA", "SEGOL", "SHALSHELET", "ZAKEF_KATON", "ZAKEF_GADOL", "TIPCHA",
    "REVIA", "TEVIR", "ZARKA", "PASHTA", "DOUBLE_PASHTA", "YETIV", "GERESH", "AZLA",
    "GERSHAYIM", "PAZER", "TELISHA_GEDOLA", "TELISHA_GEDOLA_AND_GERSHAYIM", "KARNEI_FARAH",
    "MUNACH", "MERCHA", "MERCHA_CHEFULAH", "MAPACH", "DARGA", "KADMA", "TELISHA_KETANA",
    "YERACH_BEN-YOMO", "METEG", "PESIK", "MUNACH_LEGARMEH",
]

COMMENT = re.compile(r"\s#(?:\s|$)")
NOTE = re.compile(r"^([1-7a-gA-GHIJ][x/#-]?):?(\d+)(~?)$")


class SourceError(Exception):
    pass


def parse_notes(text, where):
    parts = [p.split() for p in text.split("|")]
    if len(parts) > 3:
        raise SourceError(f"{where}: more than two '|' in a melody")
    kinds = ["main"] if len(parts) == 1 else ["upbeat", "main", "extra"][: len(parts)]
    notes = []
    for kind, tokens in zip(kinds, parts):
        for token in tokens:
            m = NOTE.match(token)
            if not m or pitch_value(m.group(1)) is None:
                raise SourceError(f"{where}: '{token}' is not a note")
            if int(m.group(2)) <= 0:
                raise SourceError(f"{where}: '{token}' has no duration")
            notes.append({"pitch": m.group(1), "duration": int(m.group(2)), "kind": kind,
                          "tie": m.group(3) == "~"})
    if not any(n["kind"] == "main" for n in notes):
        raise SourceError(f"{where}: a melody needs at least one main note")
    return notes


def expand_conditions(text, where):
    """Conditions text to a list of condition dicts (one per combination of alternatives)."""
    combos = [{}]
    for item in text.split():
        if item == "DEFAULT":
            key, values = "DEFAULT", ["TRUE"]
        elif "=" in item:
            key, value = item.split("=", 1)
            values = value.split(",")
            if any("=" in v or not v for v in values):
                raise SourceError(f"{where}: '{item}': alternatives are values of one condition")
        else:
            raise SourceError(f"{where}: condition '{item}' needs NAME=VALUE")
        combos = [dict(c, **{key: v}) for c in combos for v in values]
    return combos


class Style:
    def __init__(self, path):
        self.path = path
        self.attrs = {}
        self.tropes = {}          # name -> list of (conditions, notes)
        self.order = []
        self.aliases = []         # (name, other)
        self.borrows = []         # (value, source path, written shift or None)
        self.melodies = []
        self.alike = []           # (set of trope names, reason)

    @property
    def bend(self):
        return int(self.attrs.get("PitchBend", "0"))

    def set_trope(self, name, variants):
        if name not in self.tropes:
            self.order.append(name)
        self.tropes[name] = variants


def moved(notes, half_tones):
    return [dict(n, pitch=transpose(n["pitch"], half_tones)) for n in notes]


_cache = {}


def alike_line(line, where):
    """The trope names and the reason of an "alike" or alias line."""
    head, sep, reason = line.partition(" : ")
    if not sep or not reason.strip():
        raise SourceError(f"{where}: tropes sung alike need ' : ' and the reason")
    return [w for w in head.split()[1:] if w != "="], reason.strip()


def load(path):
    path = path.resolve()
    if path in _cache:
        return _cache[path]
    style = Style(path)
    current = None
    insert_at = None
    in_style = False
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        where = f"{path.name}:{number}"
        line = COMMENT.split(raw, 1)[0].rstrip()
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        indented = line[0].isspace()
        words = line.split()
        if not indented:
            in_style = False
            current = None
            if words[0] == "style":
                in_style = True
            elif words[0] == "include" and len(words) in (2, 4):
                other = load(path.parent / words[1])
                without = words[3] if len(words) == 4 and words[2] == "without" else None
                for name in (n for n in other.order if ":" not in n):
                    style.set_trope(name, [(c, moved(n, other.bend - style.bend))
                                           for c, n in other.tropes[name] if without not in c])
                style.alike.extend(other.alike)
            elif words[0] == "borrow" and len(words) in (4, 6) and words[2] == "from":
                shift = int(words[5]) if len(words) == 6 and words[4] == "transpose" else None
                style.borrows.append((words[1], path.parent / words[3], shift))
            elif words[0] == "melody":
                item = dict(w.split("=", 1) for w in shlex.split(line)[1:])
                if "LOC" not in item or "TYPE" not in item:
                    raise SourceError(f"{where}: a melody item needs LOC and TYPE")
                style.melodies.append(item)
            elif words[0] == "trope" and len(words) >= 4 and words[2] == "=":
                names, reason = alike_line(line, where)
                if len(names) != 2 or names[0] != words[1]:
                    raise SourceError(f"{where}: write 'trope NAME = OTHER : reason'")
                style.aliases.append((words[1], words[3]))
                style.alike.append((set(names), reason))
                style.set_trope(words[1], None)
            elif words[0] == "alike":
                names, reason = alike_line(line, where)
                if len(names) < 2:
                    raise SourceError(f"{where}: 'alike' names two tropes or more")
                style.alike.append((set(names), reason))
            elif words[0] == "trope" and len(words) == 2:
                current = words[1]
                style.set_trope(current, [])
                insert_at = None
            elif words[0] == "extend" and len(words) == 2:
                current = words[1]
                if not style.tropes.get(current):
                    raise SourceError(f"{where}: extend {current}: no such trope yet")
                insert_at = 0
            else:
                raise SourceError(f"{where}: cannot read '{line.strip()}'")
        elif in_style:
            key, _, value = line.strip().partition("=")
            style.attrs[key.strip()] = value.strip()
        elif current is not None:
            conds, sep, notes = line.strip().partition(":")
            if not sep:
                raise SourceError(f"{where}: a variant needs 'conditions : notes'")
            parsed = parse_notes(notes, where)
            for combo in expand_conditions(conds, where):
                if insert_at is None:
                    style.tropes[current].append((combo, parsed))
                else:
                    style.tropes[current].insert(insert_at, (combo, parsed))
                    insert_at += 1
        else:
            raise SourceError(f"{where}: indented line outside a block")
    for name, other in style.aliases:
        if style.tropes.get(other) is None:
            raise SourceError(f"{path.name}: {name} copies {other}, which is not defined")
        style.tropes[name] = list(style.tropes[other])
    _cache[path] = style
    return style


def final_tropes(style):
    """The style's tropes with the variants it borrows for words with a special attribute.

    Borrowing is done here, after every file is read, so that two styles may borrow from
    each other's own variants."""
    tropes = {name: list(variants) for name, variants in style.tropes.items()}
    for value, other_path, written_shift in style.borrows:
        other = load(other_path)
        shift = other.bend - style.bend if written_shift is None else written_shift
        for name in style.order:
            source = other.tropes.get(name) or []
            plain = [(c, n) for c, n in source if "ATTRIB" not in c]
            conditional = [v for v in plain if v[0].get("DEFAULT") != "TRUE"]
            defaults = [v for v in plain if v[0].get("DEFAULT") == "TRUE"]
            if len(plain) == 1:
                conditional, defaults = [], plain
            for conds, notes in conditional:
                tropes[name].append((dict(conds, ATTRIB=value), moved(notes, shift)))
            for conds, notes in defaults[-1:]:
                tropes[name].append(({"ATTRIB": value}, moved(notes, shift)))
    return tropes


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def attrs_text(attrs):
    return "".join(f' {k}="{esc(v)}"' for k, v in attrs.items())


SOLFEGE = {"c": "do", "d": "re", "e": "mi", "f": "fa", "g": "sol", "a": "la", "b": "ti"}
LOW_DIGITS = {"3": "c", "4": "d", "5": "e", "6": "f", "7": "g", "1": "a", "2": "b"}
ABOVE_HIGH = {"H": "c", "I": "d", "J": "e"}
ACCIDENTALS = {"#": " sharp", "-": " flat", "/": " half-flat", "x": " half-sharp"}
TYPE_WORDS = {
    "Torah": "Torah", "TorahBlessing": "Torah blessings", "HiHoliday": "High Holiday",
    "Haftarah": "Haftarah", "HaftarahBlessing": "Haftarah blessings", "Esther": "Esther",
    "Eichah": "Eichah", "Tehillim": "Psalms", "Ruth-Koheles-ShirHashirim": "Megillot",
}


def solfege(pitch):
    """A pitch name as a singer reads it: "low sol", "mi", "high do", "ti flat"."""
    letter, accidental = pitch[0], ACCIDENTALS.get(pitch[1:], "")
    if letter in LOW_DIGITS:
        return f"low {SOLFEGE[LOW_DIGITS[letter]]}{accidental}"
    if letter in ABOVE_HIGH:
        return f"very high {SOLFEGE[ABOVE_HIGH[letter]]}{accidental}"
    if letter.isupper():
        return f"high {SOLFEGE[letter.lower()]}{accidental}"
    return f"{SOLFEGE[letter]}{accidental}"


def note_run(notes):
    """The notes' names joined by dashes, a note repeated at once named once."""
    names = []
    for n in notes:
        name = solfege(n["pitch"])
        if not names or names[-1] != name:
            names.append(name)
    return "-".join(names)


def lesson_note(style, name, variants):
    """How a trope's plain melody goes, in words, with the trope named by its placeholder."""
    default = next((n for c, n in variants if c.get("DEFAULT") == "TRUE"), variants[-1][1])
    upbeats = [n for n in default if n["kind"] == "upbeat"]
    main = [n for n in default if n["kind"] == "main"]
    extra = [n for n in default if n["kind"] == "extra"]
    kind = TYPE_WORDS.get(style.attrs.get("Type", ""), style.attrs.get("Type", ""))
    text = f"In the {style.attrs.get('Name', '')} {kind} melody, %{name}% "
    if upbeats:
        text += f"leads in on {note_run(upbeats)}, then sings "
    else:
        text += "sings "
    text += f"{note_run(main)} on the stressed syllable"
    last = (extra or main)[-1]
    if extra:
        text += f" and {note_run(extra)} on the last syllable"
    held = "held long" if last["duration"] <= 2 else "held" if last["duration"] == 3 else ""
    rest = solfege(last["pitch"])
    first = pitch_value((upbeats or main)[0]["pitch"])
    way = ("rising" if pitch_value(last["pitch"]) > first
           else "falling" if pitch_value(last["pitch"]) < first else "coming back")
    text += f", {way} to {rest}" + (f", {held}." if held else ".")
    # The variants a student meets in every portion, each in one more sentence.
    for conds, notes in variants:
        runs = {k: note_run([n for n in notes if n["kind"] == k]) for k in ("main", "extra")}
        end = solfege(notes[-1]["pitch"])
        if conds == {"TROPE_GROUP": "Etnachta"}:
            text += f" Before %ETNACHTA% it sings {runs['main']} on the stressed syllable and stays on {end}."
        elif conds == {"END_OF_ALIYAH": "TRUE"}:
            text += f" At the end of an aliyah it closes broadly with {runs['main']}, ending on {end}."
        elif conds == {"MILEIL": "TRUE"} and runs["extra"] and not extra:
            text += (f" On a word stressed before its last syllable, the last syllable takes "
                     f"{runs['extra']}.")
    return text


def lesson_notes(style, tropes):
    notes = {name: lesson_note(style, name, tropes[name]) for name in style.order
             if ":" not in name and tropes.get(name)}
    # The verse end is sung through the silluq; the sof pasuq's lesson names it so.
    if "SILLUQ" in notes:
        notes["SOF_PASUK"] = notes["SILLUQ"].replace("%SILLUQ%", "%SOF_PASUK%")
    return notes


def write_xml(style, out_dir):
    tropes = final_tropes(style)
    missing = [t for t in REQUIRED_TROPES if not tropes.get(t)]
    if missing:
        raise SourceError(f"{style.path.name}: no melody for {', '.join(missing)}")
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f"<!-- Generated by tools/melodies/build_tropedef.py from {style.path.name}; "
             "edit the source and run the tool again. -->",
             "<TropeDefinitions>",
             f"  <Style{attrs_text(style.attrs)}>"]
    for name in style.order:
        lines.append(f'    <Trope Name="{esc(name)}">')
        for conds, notes in tropes[name]:
            lines.append(f"      <Variant{attrs_text(conds)}>")
            lines.append("        <Notes>")
            for n in notes:
                extra = {"upbeat": ' Upbeat="TRUE"', "extra": ' Extra="TRUE"'}.get(n["kind"], "")
                tie = ' Continue="TRUE"' if n["tie"] else ""
                lines.append(f'          <Note Pitch="{esc(n["pitch"])}" '
                             f'Duration="{n["duration"]}"{extra}{tie}/>')
            lines.append("        </Notes>")
            lines.append("      </Variant>")
        lines.append("    </Trope>")
    if style.melodies:
        lines.append("    <MELODIES>")
        for item in style.melodies:
            lines.append(f"      <Item{attrs_text(item)}/>")
        lines.append("    </MELODIES>")
    lines.append("    <LESSON_NOTES>")
    for name, text in lesson_notes(style, tropes).items():
        lines.append(f'      <Note Name="{esc(name)}">{esc(text)}</Note>')
    lines.append("    </LESSON_NOTES>")
    lines.append("  </Style>")
    lines.append("</TropeDefinitions>")
    stem = style.path.stem
    target = out_dir / f"tropedef-{stem}.xml"
    target.write_text("\n".join(lines) + "\n", encoding="utf-8")
    return target


def main():
    out_dir = pathlib.Path(sys.argv[2]) if len(sys.argv) == 3 and sys.argv[1] == "--out" else OUT
    sources = sorted(HERE.glob("[0-9]*.mel"))
    try:
        for path in sources:
            print(write_xml(load(path), out_dir))
    except SourceError as err:
        print(f"build_tropedef: {err}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
