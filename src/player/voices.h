#pragma once
// The singing voices of the voice list: the synthesizer's voice definition written into
// the command text, and the voice's pitch offset added to every sung note.

#include <string>
#include <vector>

namespace lyrasta {

// The voice names in list order: Child, Soprano, Alto, Tenor, Baritone, Bass.
const std::vector<std::string>& VoiceNames();

// Index of a voice name in the list, -1 when it is none of them.
int VoiceIndex(const std::string& name);

// The voice definition of a list index; empty when no voice is chosen (-1 or out of range).
std::string GetVoiceOpt(int index);

// Half tones the voice sings above or below the melody as written; 0 with no voice.
int GetPitchOpt(int index);

}  // namespace lyrasta
