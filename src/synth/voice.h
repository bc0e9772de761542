#pragma once
// The singer's voices: the six voice definitions the player writes ("Kit" child, "Rita"
// soprano, "Betty" alto, "Dennis" tenor, "Paul" baritone, "Harry" bass) as tract, source and
// singing settings, and the ":dv" parameters that adjust them.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "phonemes.h"

namespace lyrasta::synth {

struct Voice {
    std::string name = "Paul";
    bool femaleTract = false;   // which formant table the vowels use
    float formantScale = 1.0f;  // scales that table (a shorter tract sounds higher)
    float f4 = 2900, f5 = 3350; // upper formants, Hz (clustered near 3 kHz: the singer's formant)
    float b4 = 90, b5 = 120;    // their bandwidths
    // The voice's ring: the voicing also through a broad peak above F3 (Hz, and dB against the
    // formant branch), the energy of a trained voice between 3 and 5 kHz.
    float ringHz = 3500, ringDb = 6;
    float bandwidthScale = 1.0f;
    float tiltDb = 0;          // spectral tilt of the voicing source, dB down at 3 kHz
    float openQuotient = 0.5f; // share of the glottal period the glottis is open
    float breathDb = 30;       // aspiration mixed into voicing, dB
    float vibratoCents = 50;   // vibrato extent (peak) on held notes
    float vibratoHz = 5.5f;
    float speechHz = 115;      // average pitch of speech (speak mode)
    float gainDb = 0;          // level trim so every voice sings equally loud
    // The voice's singing range: a tune is moved by whole octaves so that as many of its
    // notes as possible lie inside it, and a note still outside is folded by an octave.
    float lowestHz = 98, highestHz = 392;

    // The formant target of a phoneme in this voice (for diphthongs second = the end).
    Formants Target(const Phoneme& p, bool second = false) const;
};

// The voice of a ":name" definition (names without regard to case; unknown names give the
// baritone) with its ":dv" pairs applied: "sm" smoothness 0..100 (more spectral tilt),
// "f4"/"f5" the upper formants in Hz, "br" breathiness in dB. Unknown pairs are ignored.
Voice VoiceFor(std::string_view name, const std::vector<std::pair<std::string, std::string>>& params);

}  // namespace lyrasta::synth
