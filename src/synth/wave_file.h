#pragma once
// A wave file being written: 16-bit PCM mono at kSampleRate. The samples go to a temporary
// file beside the target ("NAME.part"), whose header is kept up to date as it grows; Close
// fixes the header and renames it to its name, so a file under the name is always complete.

#include <cstdint>
#include <cstdio>
#include <string>

namespace lyrasta::synth {

class WaveFile {
public:
    WaveFile() = default;
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;
    ~WaveFile() { Close(); }

    // Starts a new file; false (with the reason in Error()) when it cannot be created.
    bool Open(const std::string& path);
    void Write(const int16_t* samples, size_t count);
    // Finishes the file; false when writing or renaming failed.
    bool Close();
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Error() const { return error_; }

private:
    void WriteHeader();
    std::FILE* file_ = nullptr;
    std::string path_, error_;
    uint32_t dataBytes_ = 0, headerBytes_ = 0;
    bool failed_ = false;
};

}  // namespace lyrasta::synth
