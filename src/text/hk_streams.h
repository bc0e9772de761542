#pragma once
// The named-stream container inside each entry of the data archives. Its first byte says
// whether the body is compressed ("&"), its second whether it is enciphered ("*"). The
// body, once deciphered (Blowfish, electronic code book, keyed with the key text) and
// decompressed (a 32-bit length, then LH5), is a signature of the bytes 1 to 8, a 32-bit
// count of streams and the streams, each a 16-bit name length, the name, a 32-bit data
// length and the data (all numbers little-endian).
//
// The cipher keeps casual readers out of the packed texts and nothing more: the key is
// built into the program, the blocks are enciphered independently and nothing checks
// that a body was not altered. The format is kept because the archives are written in it.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lyrasta {

// A container that is not what it claims to be: a wrong signature, or a body that does
// not decipher or decompress.
class ECorruptFile : public std::runtime_error {
public:
    ECorruptFile() : std::runtime_error("File is corrupt.") {}
};

// Blowfish (16 rounds, the standard key schedule over the key's bytes, its length taken
// modulo 256) over the whole 8-byte blocks of `body`, in place, each block on its own;
// a shorter tail stays as it is. Each block is two 32-bit words read little-endian, the
// lower-addressed word the left half. A key whose schedule gives an S-box two equal
// entries leaves the body unchanged. False (nothing done) for an empty key.
bool BlowfishBlocks(std::string& body, std::string_view key, bool encipher);

class THKStreams {
public:
    // How Save writes the body; Load reads the flags of the bytes it is given.
    bool Compressed = true;
    bool Encrypted = true;
    // The key text of the cipher, used unless OnAskForKey gives one.
    std::string Key;
    std::function<std::string()> OnAskForKey;
    // Called before a corrupt container raises ECorruptFile.
    std::function<void()> OnCorrupt;

    // Reads a container, replacing the streams held. Throws ECorruptFile when it is corrupt.
    void Load(std::string_view bytes);
    // The data of the first stream of that name (letter case ignored); empty for none.
    std::string Extract(std::string_view name) const;

    // Adds a stream, and writes the container of all streams added.
    void Add(std::string name, std::string data);
    std::string Save() const;

private:
    [[noreturn]] void Corrupt() const;
    std::string CurrentKey() const;

    std::vector<std::pair<std::string, std::string>> streams_;
};

}  // namespace lyrasta
