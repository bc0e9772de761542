#include "praat_measure.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lyrasta::measure {
namespace {

std::string Run(const std::string& command) {
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run: " + command);
    std::string out;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) out.append(buf.data(), n);
    const int status = pclose(pipe);
    if (status != 0) throw std::runtime_error("failed (" + std::to_string(status) + "): " + command + "\n" + out);
    return out;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::string Script(const char* name) { return std::string(LYRASTA_MEASURE_DIR) + "/" + name; }

}  // namespace

bool PraatAvailable(std::string& why) {
    static const bool available = std::system("praat --version >/dev/null 2>&1") == 0;
    if (available) return true;
    why = "Praat is not installed; the sound measurements need it (run scripts/setup, which installs the Debian package praat)";
    return false;
}

std::vector<PitchFrame> PraatPitch(const std::string& wav, double floor, double ceiling) {
    std::ostringstream cmd;
    cmd << "praat --run " << Quote(Script("pitch.praat")) << " " << Quote(wav) << " " << floor << " " << ceiling
        << " 2>&1";
    std::istringstream in(Run(cmd.str()));
    std::vector<PitchFrame> frames;
    PitchFrame f;
    while (in >> f.t >> f.hz) frames.push_back(f);
    return frames;
}

std::vector<FormantFrame> PraatFormants(const std::string& wav, double ceiling, double start, double end) {
    std::ostringstream cmd;
    cmd << "praat --run " << Quote(Script("formants.praat")) << " " << Quote(wav) << " " << ceiling << " " << start
        << " " << end << " 2>&1";
    std::istringstream in(Run(cmd.str()));
    std::vector<FormantFrame> frames;
    FormantFrame f;
    while (in >> f.t >> f.f1 >> f.f2) frames.push_back(f);
    return frames;
}

double Cents(double measured, double target) { return 1200 * std::log2(measured / target); }

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const double pos = p / 100 * static_cast<double>(v.size() - 1);
    const size_t lo = static_cast<size_t>(pos);
    const size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (pos - static_cast<double>(lo));
}

double Median(std::vector<double> v) { return Percentile(std::move(v), 50); }

NotePitch MeasureNote(const std::vector<PitchFrame>& track, double startMs, double lengthMs, double hz) {
    NotePitch n;
    const double from = startMs + 80, to = startMs + lengthMs - 30;
    std::vector<double> all, swing, swingMs;
    for (const PitchFrame& f : track) {
        const double ms = f.t * 1000;
        if (ms < from || ms > to) continue;
        const double c = f.hz > 0 ? Cents(f.hz, hz) : 1200.0;
        all.push_back(c);
        if (ms < startMs + 150 || lengthMs < 300) n.plain.push_back(std::abs(c));
        if (lengthMs >= 300 && ms >= startMs + 300) {
            swing.push_back(c);
            swingMs.push_back(ms);
        }
    }
    n.frames = all.size();
    n.centre = Median(all);
    if (swing.size() >= 20) {
        n.vibrato = true;
        n.extent = (Percentile(swing, 95) - Percentile(swing, 5)) / 2;
        // The times the pitch crosses its centre, with a margin so that tracker noise is not a
        // cycle; half a period between two crossings.
        const double margin = std::max(2.0, 0.3 * n.extent);
        int side = 0;
        std::vector<double> crossed, halves;
        for (size_t i = 0; i < swing.size(); ++i) {
            const double d = swing[i] - n.centre;
            const int now = d > margin ? 1 : d < -margin ? -1 : side;
            if (side != 0 && now != side) crossed.push_back(swingMs[i]);
            side = now;
        }
        for (size_t i = 1; i < crossed.size(); ++i) halves.push_back(crossed[i] - crossed[i - 1]);
        if (!halves.empty()) n.rate = 1000 / (2 * Median(halves));
    }
    return n;
}

std::vector<int16_t> ReadWave(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0) throw std::runtime_error(path + ": not a wave file");
    std::vector<int16_t> samples((bytes.size() - 44) / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[44 + 2 * i]) |
                                          (static_cast<uint8_t>(bytes[45 + 2 * i]) << 8));
    return samples;
}

}  // namespace lyrasta::measure
