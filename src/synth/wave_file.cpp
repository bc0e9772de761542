#include "wave_file.h"

#include <cstring>

#include "score.h"

namespace lyrasta::synth {
namespace {

void Put32(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
void Put16(unsigned char* p, uint16_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

constexpr size_t kHeaderBytes = 44;
constexpr size_t kBufferBytes = 64 * 1024;

void MakeHeader(unsigned char* h, uint32_t dataBytes) {
    std::memcpy(h, "RIFF", 4);
    Put32(h + 4, 36 + dataBytes);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    Put32(h + 16, 16);
    Put16(h + 20, 1);  // PCM
    Put16(h + 22, 1);  // mono
    Put32(h + 24, kSampleRate);
    Put32(h + 28, kSampleRate * 2);
    Put16(h + 32, 2);
    Put16(h + 34, 16);
    std::memcpy(h + 36, "data", 4);
    Put32(h + 40, dataBytes);
}

}  // namespace

bool WaveFile::Open(const std::string& path) {
    file_.Abort();
    error_.clear();
    path_ = path;
    dataBytes_ = 0;
    buffer_.clear();
    unsigned char h[kHeaderBytes];
    MakeHeader(h, 0);
    if (!file_.Open(path) || !file_.Write(h, sizeof h)) {
        error_ = file_.Error();
        file_.Abort();
        return false;
    }
    buffer_.reserve(kBufferBytes);
    return true;
}

bool WaveFile::Flush() {
    if (!buffer_.empty() && !file_.Write(buffer_.data(), buffer_.size())) error_ = file_.Error();
    buffer_.clear();
    return error_.empty();
}

void WaveFile::Write(const int16_t* samples, size_t count) {
    if (!file_.IsOpen() || !error_.empty()) return;
    if (count > (maxDataBytes_ - dataBytes_) / 2) {
        const double hours = static_cast<double>(kMaxDataBytes) / 2 / kSampleRate / 3600;
        error_ = path_ + ": the sound is longer than a wave file can hold (4 GB, about " +
                 std::to_string(static_cast<int>(hours)) + " hours); nothing was written";
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        unsigned char b[2];
        Put16(b, static_cast<uint16_t>(samples[i]));
        buffer_.insert(buffer_.end(), b, b + 2);
        if (buffer_.size() >= kBufferBytes && !Flush()) return;
    }
    dataBytes_ += 2 * count;
}

bool WaveFile::Close() {
    if (!file_.IsOpen()) return error_.empty();
    unsigned char h[kHeaderBytes];
    MakeHeader(h, static_cast<uint32_t>(dataBytes_));
    if (error_.empty() && Flush() && file_.WriteAt(0, h, sizeof h) && file_.Commit()) return true;
    if (error_.empty()) error_ = file_.Error();
    file_.Abort();
    return false;
}

}  // namespace lyrasta::synth
