#pragma once
// The song builder walks the words of the loaded reading in order, works out each word's
// surroundings (its tropes and its neighbours', its verse and place in it, its trope
// group, and the passages chanted differently: special melodies, the Song of the Sea,
// the creation days, the journeys, a second melody), asks the melody rules for each
// trope's melody, notes the word's tropes for the student, and lets the note placement
// write the sung text into the letters.

#include <string>

#include "chant/melody_styles.h"
#include "chant/note_placement.h"
#include "text/word_table.h"

namespace lyrasta {

struct strucSongParams {
    int pitchOffset = 0;        // voice pitch + the style's PitchBend + the user's pitch
    int tempo = 80;             // speed x 12 + 20
    bool assimilateRhythm = false;
    bool assimilatePitch = false;
    bool adjustHighMileil = true;
    bool truncateExtraUpbeats = false;
    // Settings
    bool enableElisions = false;
    bool notLegarmehBeforeRevia = false;
    double upbeatFactor = 10;
    // The reading
    std::string title;          // "Simchas Torah" in it chants the creation days
    // A verse an exercise sings as if it stood there (chapter or verse below 1: not forced).
    std::string forceBook;
    int forceChapter = 0;
    int forceVerse = 0;
};

// The Song of Moses marker bits of a word in Exodus 14-15: `sofPasukGroup` for trope
// groups 1 and 4, `afterEtnachta` when an etnachta group came after the last sof pasuk
// group, `group` the word's trope group. 0 elsewhere.
int SongOfMosesMarkers(int chapter, int verse, bool sofPasukGroup, bool afterEtnachta, int group);

// 1 or 2 for the verses of the journey lists (Numbers 10 and 33), 0 elsewhere.
int Journey(const std::string& book, int chapter, int verse);

// The word closes a day of the creation story, chanted festively on Simchas Torah.
bool CreationDay(const std::string& title, int group, const std::string& book, int chapter, int verse);

// Builds the song of every sung word of the table with the current style of `styles`.
// Returns false when a switch to the reading's second style failed and the build stopped
// (words not reached keep no song).
bool BuildSong(TWordTable& table, TMelodyStyles& styles, const strucSongParams& params,
               const MessageFunc& message);

}  // namespace lyrasta
