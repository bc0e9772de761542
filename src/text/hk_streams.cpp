#include "hk_streams.h"

#include <nettle/blowfish.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>

#include "lh5.h"

namespace lyrasta {

namespace {

constexpr char kCompressedFlag = '&', kEncryptedFlag = '*';
constexpr std::string_view kSignature("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
// No data file comes near this; a larger claimed length is a damaged header.
constexpr uint32_t kLargestStream = 64u << 20;

uint32_t ReadLe(std::string_view bytes, size_t at, int size) {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    return v;
}

void PutLe(std::string& out, uint32_t v, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// The stream records after the signature, or none when they run past the end.
std::optional<std::vector<std::pair<std::string, std::string>>> ReadStreams(std::string_view body) {
    if (body.size() < kSignature.size() + 4 || body.substr(0, kSignature.size()) != kSignature)
        return std::nullopt;
    size_t at = kSignature.size();
    const uint32_t count = ReadLe(body, at, 4);
    at += 4;
    std::vector<std::pair<std::string, std::string>> streams;
    for (uint32_t i = 0; i < count; ++i) {
        if (body.size() - at < 2) return std::nullopt;
        const size_t nameLength = ReadLe(body, at, 2);
        at += 2;
        if (body.size() - at < nameLength + 4) return std::nullopt;
        std::string name(body.substr(at, nameLength));
        at += nameLength;
        const size_t dataLength = ReadLe(body, at, 4);
        at += 4;
        if (body.size() - at < dataLength) return std::nullopt;
        streams.emplace_back(std::move(name), std::string(body.substr(at, dataLength)));
        at += dataLength;
    }
    return streams;
}

}  // namespace

// The library reads the block's words big-endian, so each word's bytes are turned
// around on either side of it.
bool BlowfishBlocks(std::string& body, std::string_view key, bool encipher) {
    const size_t keyLength = key.size() % 256;
    if (keyLength == 0) return false;
    blowfish_ctx ctx;
    if (!blowfish_set_key(&ctx, keyLength, reinterpret_cast<const uint8_t*>(key.data()))) return true;
    auto* bytes = reinterpret_cast<uint8_t*>(body.data());
    const size_t whole = body.size() / 8 * 8;
    auto turnWords = [&] {
        for (size_t i = 0; i < whole; i += 4) std::reverse(bytes + i, bytes + i + 4);
    };
    turnWords();
    if (encipher)
        blowfish_encrypt(&ctx, whole, bytes, bytes);
    else
        blowfish_decrypt(&ctx, whole, bytes, bytes);
    turnWords();
    return true;
}

void THKStreams::Corrupt() const {
    if (OnCorrupt) OnCorrupt();
    throw ECorruptFile();
}

std::string THKStreams::CurrentKey() const { return OnAskForKey ? OnAskForKey() : Key; }

void THKStreams::Load(std::string_view bytes) {
    streams_.clear();
    if (bytes.size() < 2) Corrupt();
    const bool compressed = bytes[0] == kCompressedFlag;
    const bool encrypted = bytes[1] == kEncryptedFlag;
    std::string body(bytes.substr(2));
    if (encrypted) {
        if (!BlowfishBlocks(body, CurrentKey(), false) || body.empty()) Corrupt();
        // The last byte counts the padding bytes before it.
        const size_t padding = static_cast<uint8_t>(body.back());
        if (padding + 1 > body.size()) Corrupt();
        body.resize(body.size() - padding - 1);
    }
    if (compressed) {
        if (body.size() < 4) Corrupt();
        const uint32_t length = ReadLe(body, 0, 4);
        if (length > kLargestStream) Corrupt();
        auto unpacked = Lh5Decode(std::string_view(body).substr(4), length);
        if (!unpacked) Corrupt();
        body = std::move(*unpacked);
    }
    auto streams = ReadStreams(body);
    if (!streams) Corrupt();
    streams_ = std::move(*streams);
}

std::string THKStreams::Extract(std::string_view name) const {
    for (const auto& [streamName, data] : streams_)
        if (SameNoCase(streamName, name)) return data;
    return {};
}

void THKStreams::Add(std::string name, std::string data) { streams_.emplace_back(std::move(name), std::move(data)); }

std::string THKStreams::Save() const {
    std::string body(kSignature);
    PutLe(body, static_cast<uint32_t>(streams_.size()), 4);
    for (const auto& [name, data] : streams_) {
        PutLe(body, static_cast<uint32_t>(name.size()), 2);
        body += name;
        PutLe(body, static_cast<uint32_t>(data.size()), 4);
        body += data;
    }
    if (Compressed) {
        std::string packed;
        PutLe(packed, static_cast<uint32_t>(body.size()), 4);
        body = packed + Lh5Encode(body);
    }
    if (Encrypted) {
        // Padding to whole blocks: zeros, then a byte that counts them.
        const size_t padding = (8 - (body.size() + 1) % 8) % 8;
        body.append(padding, '\0');
        body.push_back(static_cast<char>(padding));
        if (!BlowfishBlocks(body, CurrentKey(), true)) throw std::invalid_argument("an enciphered container needs a key");
    }
    return std::string{Compressed ? kCompressedFlag : '\0', Encrypted ? kEncryptedFlag : '\0'} + body;
}

}  // namespace lyrasta
