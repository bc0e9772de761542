#pragma once
// The program's data files (book texts, translations, definition documents, exercises)
// under a data folder chosen at run time. One path resolver serves every reader: the
// relative paths of the data formats use "\" or "/" between components, and each
// component is matched without regard to letter case ("Encodings\sedrot.xml" finds
// "encodings/Sedrot.xml").

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lyrasta {

// The file or folder that `relative` names under `dataDir`, or none when it does not exist.
std::optional<std::filesystem::path> ResolveDataPath(const std::filesystem::path& dataDir,
                                                      std::string_view relative);

// The whole content of a data file as bytes. A file that cannot be found or opened is
// looked for in the data archives (data_archives.h); when neither has it the result is
// the empty text, which is not an error (the displays that need it stay empty). A corrupt
// archive entry throws ECorruptFile (hk_streams.h).
std::string ReadDataFile(const std::filesystem::path& dataDir, std::string_view relative);

// The data files that match `pattern` (a relative path whose last component may hold
// "*" and "?", matched without regard to case, e.g. "encodings\tropedef*.xml"), as
// relative paths with "/" in the order of their names.
std::vector<std::string> ListDataFiles(const std::filesystem::path& dataDir, std::string_view pattern);

// The bundled data folder: $LYRASTA_DATA when set, else the folder fixed at build time,
// else share/lyrasta beside the folder of the installed program.
std::filesystem::path DefaultDataDir();

}  // namespace lyrasta
