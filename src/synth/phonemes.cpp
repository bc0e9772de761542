#include "phonemes.h"

#include <array>

namespace lyrasta::synth {
namespace {

using K = PhonemeClass;

// Consonant loci are published for the male tract; the female tract is shorter, so its
// resonances sit higher (F1 by about 12%, F2 and F3 by about 17%).
constexpr Formants Fem(Formants m) { return {m.f1 * 1.12f, m.f2 * 1.17f, m.f3 * 1.17f}; }

constexpr Phoneme Vowel(std::string_view name, Formants m, Formants f, float ms = 130) {
    Phoneme p{name, K::Vowel, true, m, f, m, f};
    p.b1 = 70;
    p.b2 = 90;
    p.b3 = 120;
    p.defaultMs = ms;
    return p;
}

constexpr Phoneme Diphthong(std::string_view name, Formants m, Formants f, Formants m2, Formants f2) {
    Phoneme p{name, K::Diphthong, true, m, f, m2, f2};
    p.b1 = 70;
    p.defaultMs = 180;
    return p;
}

constexpr Phoneme Sonorant(std::string_view name, Formants m, float ms, bool nasal = false) {
    Phoneme p{name, K::Sonorant, true, m, Fem(m), m, Fem(m)};
    p.nasal = nasal;
    p.b1 = nasal ? 100 : 70;
    p.b2 = nasal ? 200 : 110;
    p.defaultMs = ms;
    return p;
}

struct Noise {
    float a2 = 0, a3 = 0, aHigh = 0, fricHz = 0, fricBw = 0, aBypass = 0, aspiration = 0;
};

constexpr Phoneme Obstruent(std::string_view name, K kind, bool voiced, Formants m, Noise n, float ms) {
    Phoneme p{name, kind, voiced, m, Fem(m), m, Fem(m)};
    p.a2 = n.a2;
    p.a3 = n.a3;
    p.aHigh = n.aHigh;
    p.fricHz = n.fricHz;
    p.fricBw = n.fricBw;
    p.aBypass = n.aBypass;
    p.aspiration = n.aspiration;
    p.b1 = 120;
    p.b2 = 150;
    p.b3 = 200;
    p.defaultMs = ms;
    return p;
}

// Vowel targets: Hillenbrand et al. (1995) for men and women; schwa after Klatt (1980).
constexpr Formants kA{768, 1333, 2522}, kAf{936, 1551, 2815};
constexpr Formants kO{497, 910, 2459}, kOf{555, 1035, 2828};
constexpr Formants kE{476, 2089, 2691}, kEf{536, 2530, 3047};
constexpr Formants kI{427, 2034, 2684}, kIf{483, 2365, 3053};  // lax i, the offglide of [ei] [ai] [oi]
constexpr Formants kU{469, 1122, 2434}, kUf{519, 1225, 2827};  // lax u, the offglide of [ou] [au]
constexpr Formants kOpenO{652, 997, 2538}, kOpenOf{781, 1136, 2824};
constexpr Formants kY{420, 1550, 2250}, kYf{480, 1750, 2600};  // rounded front [ʏ]
constexpr Formants kJ{260, 2070, 3020};                        // the glide [j]

// Loci of the obstruents (Klatt 1980, table III, where given).
constexpr Formants kLabial{400, 1100, 2150}, kDental{400, 1600, 2600}, kVelar{300, 1990, 2850};
constexpr Formants kF{340, 1100, 2080}, kTh{320, 1290, 2540}, kS{320, 1390, 2530}, kSh{300, 1840, 2750};

const std::array kInventory = {
    // Vowels
    Vowel("ah", kA, kAf),
    Vowel("aa", {700, 1090, 2440}, {850, 1220, 2810}),
    Vowel("eh", kE, kEf),
    Vowel("ih", kI, kIf),
    Vowel("iy", {342, 2322, 3000}, {437, 2761, 3372}),
    Vowel("ao", kOpenO, kOpenOf),
    Vowel("oh", kO, kOf),
    Vowel("uh", kU, kUf),
    Vowel("uw", {378, 997, 2343}, {459, 1105, 2735}),
    Vowel("ax", {500, 1480, 2500}, {580, 1720, 2900}, 70),
    // Diphthongs
    Diphthong("ey", kE, kEf, kI, kIf),
    Diphthong("ay", kA, kAf, kI, kIf),
    Diphthong("oy", kO, kOf, kI, kIf),
    Diphthong("ow", kO, kOf, kU, kUf),
    Diphthong("aw", kA, kAf, kU, kUf),
    // The chant's own vowel names
    Vowel("gr_a", kA, kAf),
    Vowel("gr_o", kO, kOf),
    Vowel("gr_az", {580, 1799, 2605}, {731, 2058, 2979}),
    Diphthong("gr_au", kA, kAf, kU, kUf),
    Diphthong("gr_eu", kOpenO, kOpenOf, kY, kYf),
    Sonorant("gr_j", kJ, 50),
    Sonorant("yx", kJ, 50),
    // Sonorants
    Sonorant("y", kJ, 60),
    Sonorant("w", {290, 610, 2150}, 60),
    Sonorant("l", {310, 1050, 2880}, 65),
    Sonorant("m", {480, 1270, 2130}, 70, true),
    Sonorant("n", {480, 1340, 2470}, 65, true),
    [] {
        Phoneme p = Sonorant("r", {420, 1500, 2500}, 30);
        p.a3 = 44;  // the noise of the tap's release
        return p;
    }(),
    [] {
        // The uvular approximant: voicing weakened by friction between tongue and uvula.
        Phoneme p = Sonorant("gr_r", {520, 1200, 2400}, 60);
        p.a2 = 50;
        p.a3 = 44;
        p.aspiration = 34;
        return p;
    }(),
    [] {
        Phoneme p = Sonorant("ain", {750, 1150, 2500}, 70);
        p.b1 = 150;
        return p;
    }(),
    // Fricatives
    Obstruent("f", K::Fricative, false, kF, {.aBypass = 50}, 100),
    Obstruent("v", K::Fricative, true, kF, {.aBypass = 44}, 70),
    Obstruent("th", K::Fricative, false, kTh, {.aHigh = 44, .fricHz = 4800, .fricBw = 1500, .aBypass = 40}, 100),
    Obstruent("dh", K::Fricative, true, kTh, {.aHigh = 38, .fricHz = 4800, .fricBw = 1500, .aBypass = 34}, 60),
    Obstruent("s", K::Fricative, false, kS, {.aHigh = 53, .fricHz = 5500, .fricBw = 1600}, 110),
    Obstruent("z", K::Fricative, true, kS, {.aHigh = 48, .fricHz = 5500, .fricBw = 1600}, 80),
    Obstruent("sh", K::Fricative, false, kSh, {.a3 = 53, .aHigh = 47, .fricHz = 4200, .fricBw = 1500}, 110),
    Obstruent("zh", K::Fricative, true, kSh, {.a3 = 49, .aHigh = 43, .fricHz = 4200, .fricBw = 1500}, 80),
    // The velar fricative: friction noise shaped by the velar cavity, strongest from the
    // vowel's F2 up to about 3 kHz, with no voicing and no low-frequency rumble.
    Obstruent("kh", K::Fricative, false, {350, 1500, 2700}, {.a2 = 56, .a3 = 52, .aHigh = 50, .fricHz = 2600, .fricBw = 2200}, 100),
    Obstruent("hh", K::Fricative, false, {700, 1250, 2500}, {.a2 = 42, .a3 = 38, .aspiration = 54}, 100),
    Obstruent("hx", K::Aspirate, false, {500, 1500, 2500}, {.aspiration = 52}, 70),
    // Stops: the noise fields describe the burst
    Obstruent("p", K::Stop, false, kLabial, {.aBypass = 54, .aspiration = 48}, 90),
    Obstruent("b", K::Stop, true, kLabial, {.aBypass = 46}, 70),
    Obstruent("t", K::Stop, false, kDental, {.a3 = 48, .aHigh = 54, .fricHz = 4500, .fricBw = 2000, .aspiration = 48}, 90),
    Obstruent("d", K::Stop, true, kDental, {.a3 = 40, .aHigh = 44, .fricHz = 4500, .fricBw = 2000}, 70),
    Obstruent("k", K::Stop, false, kVelar, {.a2 = 48, .a3 = 45, .aspiration = 48}, 95),
    Obstruent("g", K::Stop, true, kVelar, {.a2 = 44, .a3 = 40}, 75),
    Obstruent("q", K::Glottal, false, {500, 1500, 2500}, {}, 50),
    // Affricates: a dental or palatal closure released into the fricative
    Obstruent("ts", K::Affricate, false, kDental, {.aHigh = 50, .fricHz = 5500, .fricBw = 1600}, 120),
    Obstruent("ch", K::Affricate, false, kSh, {.a3 = 49, .aHigh = 43, .fricHz = 4200, .fricBw = 1500}, 120),
    Obstruent("jh", K::Affricate, true, kSh, {.a3 = 46, .aHigh = 40, .fricHz = 4200, .fricBw = 1500}, 100),
};

}  // namespace

const Phoneme* FindPhoneme(std::string_view name) {
    for (const Phoneme& p : kInventory)
        if (p.name == name) return &p;
    return nullptr;
}

std::span<const Phoneme> PhonemeInventory() { return kInventory; }

}  // namespace lyrasta::synth
