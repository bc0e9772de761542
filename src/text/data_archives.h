#pragma once
// The data archives that can stand in for the loose data files: "Tex.ett" holds the
// files under "exercises", "Tan.ett" all others. Each is a zip file whose entries are
// named by the files' relative paths; each entry, unzipped, is a container (hk_streams.h)
// holding the file as the stream of its upper-cased path.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lyrasta {

// The bytes of the data file `relative` ("bhs\GEN.txt", "exercises/lesson1.txt") from the
// archive in `dataDir` that holds it; empty when there is no such archive or entry or the
// entry does not unzip. Throws ECorruptFile when the entry's container is corrupt.
std::string ReadFromArchive(const std::filesystem::path& dataDir, std::string_view relative);

// The same lookup in an archive held in memory (`archive` the zip file's bytes).
std::string ReadFromArchiveBytes(std::string_view archive, std::string_view relative);

// The archive file name that holds `relative`: "Tex.ett" or "Tan.ett".
std::string ArchiveFor(std::string_view relative);

// The key text of the archives this program ships.
std::string ArchiveKey();

// The archive entry of a data file: a compressed, enciphered container holding `bytes` as
// the stream of the upper-cased path.
std::string PackDataFile(std::string_view relative, std::string_view bytes);

// Writes a zip file at `path` with the entries given as (name, bytes), deflated. Throws
// std::runtime_error with the reason when it cannot be written.
void WriteZip(const std::filesystem::path& path, const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace lyrasta
