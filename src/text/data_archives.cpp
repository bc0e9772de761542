#include "data_archives.h"

#include <zip.h>

#include <array>
#include <cctype>
#include <memory>
#include <optional>
#include <stdexcept>

#include "data_files.h"
#include "hk_streams.h"
#include "safe_write.h"

namespace lyrasta {

namespace fs = std::filesystem;

namespace {

// A larger entry is a damaged header, not a data file.
constexpr zip_uint64_t kLargestEntry = 64u << 20;

using ZipArchive = std::unique_ptr<zip_t, decltype(&zip_discard)>;

// Upper case, "/" read as "\": the form in which names are compared.
std::string NameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) c = c == '/' ? '\\' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

// The unzipped bytes of the entry named `key` (NameKey form), checked against its CRC;
// none when there is no such entry or it does not unzip.
std::optional<std::string> ExtractEntry(zip_t* zip, const std::string& key) {
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(zip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (!name || NameKey(name) != key) continue;
        zip_stat_t st;
        if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
            st.size > kLargestEntry)
            return std::nullopt;
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0),
                                                                zip_fclose);
        if (!file) return std::nullopt;
        std::string bytes;
        std::array<char, 16384> chunk;
        for (;;) {
            const zip_int64_t n = zip_fread(file.get(), chunk.data(), chunk.size());
            if (n < 0) return std::nullopt;  // a damaged stream or a CRC that does not match
            if (n == 0) break;
            bytes.append(chunk.data(), static_cast<size_t>(n));
            if (bytes.size() > st.size) return std::nullopt;
        }
        if (bytes.size() != st.size) return std::nullopt;
        return bytes;
    }
    return std::nullopt;
}

std::string ReadStream(zip_t* zip, std::string_view relative) {
    const std::string key = NameKey(relative);
    const std::optional<std::string> container = ExtractEntry(zip, key);
    if (!container) return {};
    THKStreams streams;
    streams.Key = ArchiveKey();
    streams.Load(*container);
    return streams.Extract(key);
}

}  // namespace

std::string ArchiveFor(std::string_view relative) {
    return NameKey(relative).find("EXERCISES") != std::string::npos ? "Tex.ett" : "Tan.ett";
}

std::string ArchiveKey() {
    // Three names the program holds anyway and five short fragments, in a fixed order.
    const std::string program = "Lyrasta", section = "Options", settings = "config.ini";
    return program + "~" + section + "#" + settings + "!" + "5786" + "q";
}

std::string ReadFromArchive(const fs::path& dataDir, std::string_view relative) {
    const auto path = ResolveDataPath(dataDir, ArchiveFor(relative));
    if (!path) return {};
    int error = 0;
    ZipArchive zip(zip_open(path->c_str(), ZIP_RDONLY, &error), zip_discard);
    if (!zip) return {};
    return ReadStream(zip.get(), relative);
}

std::string ReadFromArchiveBytes(std::string_view archive, std::string_view relative) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(archive.data(), archive.size(), 0, &error);
    zip_error_fini(&error);
    if (!source) return {};
    zip_error_init(&error);
    ZipArchive zip(zip_open_from_source(source, ZIP_RDONLY, &error), zip_discard);
    zip_error_fini(&error);
    if (!zip) {
        zip_source_free(source);
        return {};
    }
    return ReadStream(zip.get(), relative);
}

std::string PackDataFile(std::string_view relative, std::string_view bytes) {
    THKStreams streams;
    streams.Key = ArchiveKey();
    streams.Add(NameKey(relative), std::string(bytes));
    return streams.Save();
}

void WriteZip(const fs::path& path, const std::vector<std::pair<std::string, std::string>>& entries) {
    // The zip file is made in memory, then written by the safe writer.
    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> buffer(zip_source_buffer_create(nullptr, 0, 0, &error),
                                                                      zip_source_free);
    zip_error_fini(&error);
    if (!buffer) throw std::runtime_error(path.string() + ": out of memory");
    zip_source_keep(buffer.get());  // kept past the archive's closing, to be read back
    zip_error_init(&error);
    ZipArchive zip(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error), zip_discard);
    const std::string openError = zip_error_strerror(&error);
    zip_error_fini(&error);
    if (!zip) {
        zip_source_free(buffer.get());  // the reference the archive did not take
        throw std::runtime_error(path.string() + ": " + openError);
    }
    for (const auto& [name, bytes] : entries) {
        // libzip reads the bytes when the archive is closed; `entries` outlives that.
        zip_source_t* source = zip_source_buffer(zip.get(), bytes.data(), bytes.size(), 0);
        const zip_int64_t index = source ? zip_file_add(zip.get(), name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (source) zip_source_free(source);
            throw std::runtime_error(path.string() + ": " + zip_strerror(zip.get()));
        }
        zip_set_file_compression(zip.get(), static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9);
    }
    if (zip_close(zip.get()) != 0) throw std::runtime_error(path.string() + ": " + zip_strerror(zip.get()));
    zip.release();

    std::string bytes;
    zip_stat_t st;
    if (zip_source_stat(buffer.get(), &st) != 0 || zip_source_open(buffer.get()) != 0)
        throw std::runtime_error(path.string() + ": the archive made in memory cannot be read");
    bytes.resize(st.size);
    const zip_int64_t n = zip_source_read(buffer.get(), bytes.data(), bytes.size());
    zip_source_close(buffer.get());
    if (n != static_cast<zip_int64_t>(bytes.size()))
        throw std::runtime_error(path.string() + ": the archive made in memory cannot be read");
    std::string writeError;
    if (!WriteFileSafely(path.string(), bytes, &writeError)) throw std::runtime_error(writeError);
}

}  // namespace lyrasta
