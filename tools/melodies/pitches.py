"""Pitch names of the melody files and their values in half tones.

The digits 3..7, 1, 2 name C D E F G A B of the lowest octave, the small letters the next
octave, the capitals the one above, and H, I continue upwards. "x" after a name raises it a
quarter tone, "/" lowers it a quarter tone, "#" raises and "-" lowers it a half tone.
"c" is C3 and "A" is A4 (440 Hz) before the voice's offset.
"""

PITCH_VALUES = {
    "3": 1, "3x": 1.5, "3#": 2, "4-": 2, "4/": 2.5, "4": 3, "4x": 3.5, "4#": 4, "5-": 4,
    "5/": 4.5, "5": 5, "5x": 5.5, "6/": 5.5, "6": 6, "6x": 6.5, "6#": 7, "7-": 7, "7/": 7.5,
    "7": 8, "7x": 8.5, "7#": 9, "1-": 9, "1/": 9.5, "1": 10, "1x": 10.5, "1#": 11, "2-": 11,
    "2/": 11.5, "2": 12, "2x": 12.5, "c/": 12.5,
    "c": 13, "cx": 13.5, "c#": 14, "d-": 14, "d/": 14.5, "d": 15, "dx": 15.5, "d#": 16,
    "e-": 16, "e/": 16.5, "e": 17, "ex": 17.5, "f/": 17.5, "f": 18, "fx": 18.5, "f#": 19,
    "g-": 19, "g/": 19.5, "g": 20, "gx": 20.5, "g#": 21, "a-": 21, "a/": 21.5, "a": 22,
    "ax": 22.5, "a#": 23, "b-": 23, "b/": 23.5, "b": 24, "bx": 24.5, "C/": 24.5,
    "C": 25, "Cx": 25.5, "C#": 26, "D-": 26, "D/": 26.5, "D": 27, "Dx": 27.5, "D#": 28,
    "E-": 28, "E/": 28.5, "E": 29, "Ex": 29.5, "F/": 29.5, "F": 30, "Fx": 30.5, "F#": 31,
    "G-": 31, "G/": 31.5, "G": 32, "Gx": 32.5, "G#": 33, "A-": 33, "A/": 33.5, "A": 34,
    "Ax": 34.5, "A#": 35, "B-": 35, "B/": 35.5, "B": 36, "Bx": 36.5, "H/": 36.5,
    "H": 37, "Hx": 37.5, "H#": 38, "I-": 38, "I/": 38.5, "I": 39, "Ix": 39.5, "I#": 40,
    "J-": 40,
}

# One spelling per value for transposed notes: naturals, then flats, then quarter tones.
_PREFERRED = {}
for _name, _value in PITCH_VALUES.items():
    _rank = (0 if len(_name) == 1 else 1 if _name[1] == "-" else 2 if _name[1] in "/" else 3)
    if _value not in _PREFERRED or _rank < _PREFERRED[_value][0]:
        _PREFERRED[_value] = (_rank, _name)


def pitch_value(name):
    """Half tones of a pitch name; None when the name is not one of the scale's names."""
    return PITCH_VALUES.get(name)


def transpose(name, half_tones):
    """The pitch name lying the given number of half tones above (or below) a name."""
    value = PITCH_VALUES[name] + half_tones
    if value not in _PREFERRED:
        raise ValueError(f"{name} moved by {half_tones} leaves the named range")
    return _PREFERRED[value][1]
