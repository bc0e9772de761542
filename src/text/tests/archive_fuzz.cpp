// Reads any bytes as an archive entry's container, and as a whole archive.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/data_archives.h"
#include "text/hk_streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    lyrasta::THKStreams streams;
    streams.Key = lyrasta::ArchiveKey();
    try {
        streams.Load(bytes);
        streams.Extract("BHS\\GEN.TXT");
    } catch (const lyrasta::ECorruptFile&) {
    }
    try {
        lyrasta::ReadFromArchiveBytes(bytes, "bhs\\GEN.txt");
    } catch (const lyrasta::ECorruptFile&) {
    }
    return 0;
}
