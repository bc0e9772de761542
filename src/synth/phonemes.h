#pragma once
// The singer's phoneme inventory: every phoneme name the command text may use, with the
// articulation class and the acoustic targets the formant singer steers towards.
// Formant targets are given for an adult male tract and an adult female tract; the voice
// scales the chosen tract (see voice.h).

#include <span>
#include <string_view>

namespace lyrasta::synth {

enum class PhonemeClass {
    Vowel,      // steady formant target
    Diphthong,  // glides from the first target to the second across the segment
    Sonorant,   // voiced glides, liquids, nasals, the tap and the pharyngeal approximant
    Fricative,  // steady noise, voiced or voiceless
    Stop,       // closure, burst and (for voiceless stops) aspiration
    Affricate,  // closure, burst and a fricative release
    Aspirate,   // [h]: aspiration through the formants of the following sound
    Glottal,    // [ʔ]: a short break in voicing
};

// Formant frequencies F1..F3 in Hz.
struct Formants {
    float f1 = 500, f2 = 1500, f3 = 2500;
};

struct Phoneme {
    std::string_view name;  // without the leading '~'
    PhonemeClass kind;
    bool voiced;
    Formants male;    // target (for diphthongs: the start)
    Formants female;
    Formants male2;   // diphthongs only: the end target
    Formants female2;
    float b1 = 60, b2 = 90, b3 = 150;  // bandwidths, Hz (for the male tract)
    // Frication through the parallel branch, in dB (0 = none): peaks at F2 and F3 of the
    // target, one extra peak at fricHz for sibilants and bursts, and the flat bypass path.
    float a2 = 0, a3 = 0, aHigh = 0, fricHz = 0, fricBw = 0, aBypass = 0;
    float aspiration = 0;  // aspiration through the cascade, dB
    bool nasal = false;    // nasal pole/zero pair active
    float defaultMs = 80;  // duration at rate 180 when the text gives none
    bool isVowel() const { return kind == PhonemeClass::Vowel || kind == PhonemeClass::Diphthong; }
};

// The phoneme with this name (without '~'), or nullptr when the inventory has none.
const Phoneme* FindPhoneme(std::string_view name);

// Every phoneme, in the order of the documentation.
std::span<const Phoneme> PhonemeInventory();

}  // namespace lyrasta::synth
