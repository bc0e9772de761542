#pragma once
// The singer's output to the sound card through Qt Multimedia. Create it on a thread with a
// Qt event loop (the user-interface thread): the audio sink pulls the samples from there,
// while the singer's worker thread writes them.

#include <memory>

#include "synth/audio_output.h"

namespace lyrasta::synth {

// The default sound card at the singer's sample rate, or nullptr when the machine has no
// audio output (the engine then keeps time with its own clock).
std::unique_ptr<AudioOutput> MakeSoundCardOutput();

}  // namespace lyrasta::synth
