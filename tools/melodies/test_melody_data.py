#!/usr/bin/env python3
"""Tests of the melody data: the committed XML matches its sources, passes the check, and
the check catches the faults that would make a melody silently go wrong.

    python3 tools/melodies/test_melody_data.py DATA_ENCODINGS_FOLDER
"""
import filecmp
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
from check_tropedef import check_folder  # noqa: E402
import build_tropedef  # noqa: E402
import check_tunes  # noqa: E402

ENCODINGS = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else HERE.parent.parent / "data" / "encodings")
TORAH = "tropedef-01-torah-ashkenazi.xml"


class MelodyData(unittest.TestCase):
    def test_committed_files_are_built_from_the_sources(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, str(HERE / "build_tropedef.py"), "--out", out],
                           check=True, capture_output=True)
            built = sorted(p.name for p in pathlib.Path(out).iterdir())
            committed = sorted(p.name for p in ENCODINGS.glob("tropedef*.xml"))
            self.assertEqual(built, committed)
            _, mismatch, errors = filecmp.cmpfiles(out, ENCODINGS, built, shallow=False)
            self.assertEqual(mismatch + errors, [], "run tools/melodies/build_tropedef.py")

    def test_every_style_is_complete_and_well_formed(self):
        self.assertEqual(check_folder(ENCODINGS), [])

    def test_check_catches_faults(self):
        # (fault, file, pattern, replacement, words expected in the report)
        cases = [
            ("unknown pitch name", TORAH, r'Pitch="c"', 'Pitch="c+"', "is not a pitch name"),
            ("zero duration", TORAH, r'Duration="2"', 'Duration="0"', "positive whole"),
            ("lower-case neighbour", TORAH, r'BEFORE="TIPCHA"', 'BEFORE="tipcha"', "never holds"),
            ("misspelt marker", TORAH, r'"HalvikSongOfMosesEtnachta"', '"HalvikSongOfMosesAtnach"',
             "is no marker"),
            ("flag other than TRUE", TORAH, r'MILEIL="TRUE"', 'MILEIL="FALSE"', "imposes nothing"),
            ("missing trope", TORAH, r'<Trope Name="PESIK">', '<Trope Name="PASEK">',
             "no melody for PESIK"),
            ("extra before a main note", TORAH, r'(<Note Pitch="e" Duration="6")/>',
             r'\1 Extra="TRUE"/>', "extras last"),
            ("verse melody without its notes", TORAH, r'<Trope Name="EXO15:18">',
             '<Trope Name="EXO15:81">', "holds the verse's melody"),
            ("too low for the baritone", TORAH, r'Pitch="c" Duration="2"',
             'Pitch="3" Duration="2"', "outside the baritone's range"),
            ("encoding without a name", "tropenames.xml", r'<Trope Name="MUNACH" VALUE="Munach"',
             '<Trope Name="MUNACH" VALUE=""', "no names for MUNACH"),
            ("not well-formed", TORAH, r"</TropeDefinitions>", "", "not well-formed"),
        ]
        for fault, name, pattern, replacement, expected in cases:
            with self.subTest(fault), tempfile.TemporaryDirectory() as folder:
                for path in list(ENCODINGS.glob("tropedef*.xml")) + list(ENCODINGS.glob("tropenames*.xml")):
                    shutil.copy(path, folder)
                target = pathlib.Path(folder) / name
                text, count = re.subn(pattern, replacement, target.read_text(encoding="utf-8"), count=1)
                self.assertEqual(count, 1, "the fixture pattern must occur")
                target.write_text(text, encoding="utf-8")
                report = "\n".join(check_folder(folder))
                self.assertIn(expected, report)


class DistinctTunes(unittest.TestCase):
    def test_tropes_share_a_figure_only_with_a_reason(self):
        self.assertEqual(check_tunes.check_folder(), [])

    def test_check_catches_shared_figures(self):
        # (fault, source, text, replacement, words expected in the report)
        cases = [
            ("telisha ketana sung as geresh after kadma", "01-torah-ashkenazi.mel",
             "  DEFAULT : | g6 a6 b6 a4\n", "  DEFAULT : | g6 a6 g6 f6 g4\n",
             "GERESH and TELISHA_KETANA sing the same figure (g a g f g)"),
            ("tarsa sung as zakef katon", "02-torah-sephardi.mel",
             "  DEFAULT : | a6 b/6 C4\n", "  DEFAULT : | b/6 C6 b/6 a4\n",
             "TELISHA_KETANA and ZAKEF_KATON sing the same figure"),
            ("a reason taken away", "02-torah-sephardi.mel",
             "alike DOUBLE_PASHTA PASHTA", "# alike DOUBLE_PASHTA PASHTA",
             "DOUBLE_PASHTA and PASHTA sing the same figure"),
            ("an alias without its reason", "04-haftarah-ashkenazi.mel",
             "trope AZLA = GERESH : one sign", "trope AZLA = GERESH # one sign",
             "need ' : ' and the reason"),
        ]
        for fault, name, text, replacement, expected in cases:
            with self.subTest(fault), tempfile.TemporaryDirectory() as folder:
                for path in HERE.glob("*.mel"):
                    shutil.copy(path, folder)
                target = pathlib.Path(folder) / name
                source = target.read_text(encoding="utf-8")
                self.assertEqual(source.count(text), 1, "the fixture text must occur once")
                target.write_text(source.replace(text, replacement), encoding="utf-8")
                try:
                    report = "\n".join(check_tunes.check_folder(folder))
                except build_tropedef.SourceError as err:
                    report = str(err)
                self.assertIn(expected, report)


if __name__ == "__main__":
    unittest.main()
