// Feeds arbitrary bytes to the settings-file reader and looks keys up in them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const lyrasta::TIniFile ini = lyrasta::TIniFile::Parse(text);
    (void)ini.ReadString("Options", "Key", "x", 3);
    (void)ini.ReadString("options", "KEY");
    return 0;
}
