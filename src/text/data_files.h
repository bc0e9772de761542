#pragma once
// The program's data files (book texts, translations, definition documents, exercises)
// under a data folder chosen at run time. One path resolver serves every reader: the
// relative paths of the data formats use "\" or "/" between components, and each
// component is matched without regard to letter case ("Encodings\sedrot.xml" finds
// "encodings/Sedrot.xml").

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lyrasta {

// The file or folder that `relative` names under `dataDir`, or none when it does not exist.
std::optional<std::filesystem::path> ResolveDataPath(const std::filesystem::path& dataDir,
                                                      std::string_view relative);

// The largest data file read (the largest book text is a quarter of a megabyte): a larger
// file is not one of ours, and reading it would only fill the memory.
inline constexpr std::uintmax_t kMaxDataFileBytes = 16u << 20;

// The whole content of a data file as bytes. A file that is not there is looked for in the
// data archives (data_archives.h); a file found in neither, or that cannot be read, or is
// larger than kMaxDataFileBytes, gives the empty text; that is not an error (the displays
// that need it stay empty). A corrupt archive entry throws ECorruptFile (hk_streams.h). With problem, *problem says why nothing was read, naming the
// folder or file that is missing and the system's reason; it is emptied when the file was read.
std::string ReadDataFile(const std::filesystem::path& dataDir, std::string_view relative,
                         std::string* problem = nullptr);

// Why the data folder cannot be used ("" when it can): it does not exist, is not a folder
// or cannot be read, with the system's reason.
std::string DataFolderProblem(const std::filesystem::path& dataDir);

// The data files that match `pattern` (a relative path whose last component may hold
// "*" and "?", matched without regard to case, e.g. "encodings\tropedef*.xml"), as
// relative paths with "/" in the order of their names. With problem, *problem says why none
// was found (the folder that is missing or cannot be read, or that none matches).
std::vector<std::string> ListDataFiles(const std::filesystem::path& dataDir, std::string_view pattern,
                                       std::string* problem = nullptr);

// The bundled data folder: $LYRASTA_DATA when set, else the folder fixed at build time,
// else share/lyrasta beside the folder of the installed program.
std::filesystem::path DefaultDataDir();

}  // namespace lyrasta
