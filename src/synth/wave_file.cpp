#include "wave_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

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

}  // namespace

bool WaveFile::Open(const std::string& path) {
    Close();
    error_.clear();
    failed_ = false;
    path_ = path;
    dataBytes_ = headerBytes_ = 0;
    file_ = std::fopen((path + ".part").c_str(), "wb");
    if (!file_) {
        error_ = path + ": " + std::strerror(errno);
        return false;
    }
    WriteHeader();
    return !failed_;
}

void WaveFile::WriteHeader() {
    unsigned char h[44];
    std::memcpy(h, "RIFF", 4);
    Put32(h + 4, 36 + dataBytes_);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    Put32(h + 16, 16);
    Put16(h + 20, 1);  // PCM
    Put16(h + 22, 1);  // mono
    Put32(h + 24, kSampleRate);
    Put32(h + 28, kSampleRate * 2);
    Put16(h + 32, 2);
    Put16(h + 34, 16);
    std::memcpy(h + 36, "data", 4);
    Put32(h + 40, dataBytes_);
    const long end = std::ftell(file_);
    if (std::fseek(file_, 0, SEEK_SET) != 0 || std::fwrite(h, 1, sizeof h, file_) != sizeof h) failed_ = true;
    if (end > 0) std::fseek(file_, end, SEEK_SET);
    std::fflush(file_);
}

void WaveFile::Write(const int16_t* samples, size_t count) {
    if (!file_ || failed_) return;
    // A RIFF file holds at most 4 GB; later samples are dropped.
    const size_t room = (std::numeric_limits<uint32_t>::max() - 36 - dataBytes_) / 2;
    count = std::min(count, room);
    unsigned char buf[2 * 1024];
    size_t done = 0;
    while (done < count) {
        const size_t n = std::min<size_t>(1024, count - done);
        for (size_t i = 0; i < n; ++i) Put16(buf + 2 * i, static_cast<uint16_t>(samples[done + i]));
        if (std::fwrite(buf, 2, n, file_) != n) {
            failed_ = true;
            error_ = path_ + ": write failed";
            return;
        }
        done += n;
    }
    dataBytes_ += static_cast<uint32_t>(2 * count);
    // Keep the header current about every 1.5 s of sound, so the part written is playable.
    if (dataBytes_ - headerBytes_ >= 64 * 1024) {
        WriteHeader();
        headerBytes_ = dataBytes_;
    }
}

bool WaveFile::Close() {
    if (!file_) return !failed_;
    WriteHeader();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed || failed_) {
        if (error_.empty()) error_ = path_ + ": write failed";
        failed_ = true;
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(path_ + ".part", path_, ec);
    if (ec) {
        error_ = path_ + ": " + ec.message();
        failed_ = true;
        return false;
    }
    return true;
}

}  // namespace lyrasta::synth
