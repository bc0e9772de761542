#!/usr/bin/env python3
"""Lists the tropes that sing the same figure within one melody style.

    python3 tools/melodies/check_tunes.py [SOURCES_FOLDER]

A student tells the tropes apart by ear: two tropes the tradition sings differently must not
come out with the same notes. A trope's figure is the pitches of one of its variants from the
stressed syllable on (its upbeats only lead in from the reciting tone). The variants of the
special passages (the Song of the Sea, the journeys, the days of creation, the ends of an
aliyah, a chapter or a book, and the words sung to another style's melody) are left out: they
are festive or closing tunes of their own. A figure of one note is the reciting tone, which
any servant may share. Any other figure shared by two tropes of a style is a problem unless
the source says why with "alike A B : reason" (or "trope A = B : reason"). Prints one line
per problem; exit status 1 when there is any.
"""
import itertools
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import build_tropedef  # noqa: E402
from pitches import pitch_value  # noqa: E402

SPECIAL_PASSAGES = {"SONG_OF_MOSES", "IN_JOURNEY", "IN_CREATION_DAY", "END_OF_ALIYAH",
                    "END_OF_CHAPTER", "END_OF_BOOK", "ATTRIB"}


def figures(style):
    """Each figure of two notes or more with the tropes that sing it."""
    tropes = build_tropedef.final_tropes(style)
    found = {}
    for name in style.order:
        if ":" in name:
            continue  # a verse's own melody, not a trope
        for conditions, notes in tropes[name]:
            if SPECIAL_PASSAGES & set(conditions):
                continue
            figure = tuple(pitch_value(n["pitch"]) for n in notes if n["kind"] != "upbeat")
            if len(figure) > 1:
                found.setdefault(figure, set()).add(name)
    return found


def check_style(style):
    problems = []
    for figure, names in figures(style).items():
        for pair in itertools.combinations(sorted(names), 2):
            if not any(set(pair) <= allowed for allowed, _ in style.alike):
                notes = " ".join(n for n in _names(style, pair[0], figure))
                problems.append(f"{style.path.name}: {pair[0]} and {pair[1]} sing the same figure "
                                f"({notes}); make them differ or give the reason with "
                                f"'alike {pair[0]} {pair[1]} : ...'")
    return problems


def _names(style, trope, figure):
    """The pitch names of a figure as the source writes them."""
    for _, notes in build_tropedef.final_tropes(style)[trope]:
        main = [n for n in notes if n["kind"] != "upbeat"]
        if tuple(pitch_value(n["pitch"]) for n in main) == figure:
            return [n["pitch"] for n in main]
    return [str(v) for v in figure]


def check_folder(folder=build_tropedef.HERE):
    problems = []
    for path in sorted(pathlib.Path(folder).glob("[0-9]*.mel")):
        problems += check_style(build_tropedef.load(path))
    return problems


def main():
    try:
        problems = check_folder(*(sys.argv[1:2]))
    except build_tropedef.SourceError as err:
        problems = [str(err)]
    for line in problems:
        print(line)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
