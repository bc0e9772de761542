#pragma once
// A wave file being written: 16-bit PCM mono at kSampleRate. The samples go to a temporary
// file of its own beside the target; Close completes the header and puts the file in place
// in one step, so a file under the name is always complete and an earlier file of that name
// stays until then. Sound beyond the 4 GB a wave file can hold is refused, never cut off.

#include <cstdint>
#include <string>
#include <vector>

#include "text/safe_write.h"

namespace lyrasta::synth {

class WaveFile {
public:
    // The most sound data a wave file holds: its sizes are 32-bit counts of bytes.
    static constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - 36;

    // maxDataBytes lower than the format's limit lets a test reach it.
    explicit WaveFile(uint64_t maxDataBytes = kMaxDataBytes) : maxDataBytes_(maxDataBytes) {}
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;
    ~WaveFile() { Close(); }

    // Starts a new file; false (with the reason in Error()) when it cannot be created.
    bool Open(const std::string& path);
    void Write(const int16_t* samples, size_t count);
    // Finishes the file; false (and no file written) when writing or renaming failed.
    bool Close();
    bool IsOpen() const { return file_.IsOpen(); }
    const std::string& Error() const { return error_; }

private:
    bool Flush();
    TSafeFile file_;
    std::string path_, error_;
    std::vector<unsigned char> buffer_;
    uint64_t maxDataBytes_, dataBytes_ = 0;
};

}  // namespace lyrasta::synth
