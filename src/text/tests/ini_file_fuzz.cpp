// Feeds arbitrary bytes to the settings-file reader and reads, writes and re-reads them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    lyrasta::TIniFile ini = lyrasta::TIniFile::Parse(text);
    (void)ini.ReadString("Options", "Key", "x", 3);
    ini.WriteString("Options", "Key", text.substr(0, 16));
    (void)lyrasta::TIniFile::Parse(ini.Text()).ReadString("options", "KEY");
    return 0;
}
