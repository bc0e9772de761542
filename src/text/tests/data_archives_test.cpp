#include "text/data_archives.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "text/data_files.h"
#include "text/hk_streams.h"
#include "text/lh5.h"
#include "text/reading_loader.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta {
namespace {

namespace fs = std::filesystem;
const fs::path kData = LYRASTA_DATA_DIR;

// A fresh folder under the test's temporary folder.
fs::path Folder(const std::string& name) {
    const fs::path dir = ProcessTempPath("data_archives_test_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string RandomBytes(size_t n, int alphabet) {
    std::mt19937 rng(7);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(rng() % alphabet);
    return s;
}

TEST(Lh5, EncodedDataDecodesBackThroughTheLibrary) {
    const struct {
        const char* name;
        std::string data;
        bool shrinks;
    } cases[] = {
        {"empty", "", false},
        {"one byte: one-code literal and position tables", "x", false},
        {"a run: matches reaching back one byte, longest lengths", std::string(70000, 'a'), true},
        {"noise: literals of every byte, several blocks", RandomBytes(40000, 256), false},
        {"few letters: short codes, matches far back", RandomBytes(30000, 4), true},
        {"a book text", ReadAll(kData / "bhs" / "OBA.txt"), true},
    };
    for (const auto& c : cases) {
        const std::string packed = Lh5Encode(c.data);
        EXPECT_EQ(Lh5Decode(packed, c.data.size()), c.data) << c.name;
        if (c.shrinks) {
            EXPECT_LT(packed.size(), c.data.size() * 2 / 3) << c.name;
        }
    }
    EXPECT_EQ(Lh5Decode(Lh5Encode("abc"), 4), std::nullopt) << "a stream shorter than its stated length";
}

TEST(Blowfish, BlocksAreEnciphered_OnTheirOwn_WithLittleEndianHalves) {
    // The published test vector: eight zero key bytes turn the zero block into
    // 4EF99745 6198DD78; here each half is stored low byte first. The tail of fewer
    // than eight bytes stays as it is.
    std::string body(16, '\0');
    body += "xyz";
    ASSERT_TRUE(BlowfishBlocks(body, std::string(8, '\0'), true));
    const std::string block("\x45\x97\xF9\x4E\x78\xDD\x98\x61", 8);
    EXPECT_EQ(body, block + block + "xyz");
    ASSERT_TRUE(BlowfishBlocks(body, std::string(8, '\0'), false));
    EXPECT_EQ(body, std::string(16, '\0') + "xyz");
    EXPECT_FALSE(BlowfishBlocks(body, "", true));
}

TEST(HKStreams, ContainersReadBackInEveryFormAndNamesIgnoreCase) {
    for (const bool compressed : {false, true}) {
        for (const bool encrypted : {false, true}) {
            // Sizes 0 to 8 give every padding length before the count byte.
            for (size_t size = 0; size <= 8; ++size) {
                THKStreams out;
                out.Compressed = compressed;
                out.Encrypted = encrypted;
                out.Key = "key text";
                out.Add("BHS\\GEN.TXT", std::string(size, 'g'));
                out.Add("bhs\\gen.txt", "a second stream of the same name");
                out.Add("HNV\\GEN.ENG", "translation");
                THKStreams in;
                in.OnAskForKey = [] { return std::string("key text"); };
                in.Load(out.Save());
                EXPECT_EQ(in.Extract("bhs\\Gen.Txt"), std::string(size, 'g')) << compressed << encrypted << size;
                EXPECT_EQ(in.Extract("HNV\\GEN.ENG"), "translation");
                EXPECT_EQ(in.Extract("missing"), "");
            }
        }
    }
}

std::string Signature() { return std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8); }

TEST(HKStreams, PlainFlagsAndThePaddingCount) {
    // Flags that are neither "&" nor "*": the body is read as it stands.
    const std::string oneStream = Signature() + std::string("\x01\0\0\0\x01\0A\x01\0\0\0x", 12);
    THKStreams streams;
    streams.Load(std::string("ab") + oneStream);
    EXPECT_EQ(streams.Extract("a"), "x");

    // An enciphered body whose last byte is 3 loses its last four bytes: the records
    // end exactly there, and a count that cut one byte more breaks them.
    const std::string key = "padding";
    for (const auto& [count, corrupt] : {std::pair{'\x03', false}, std::pair{'\x04', true}}) {
        std::string body = oneStream + "pp" + std::string(1, '\0') + count;
        ASSERT_EQ(body.size() % 8, 0u);
        BlowfishBlocks(body, key, true);
        THKStreams in;
        in.Key = key;
        if (corrupt) {
            EXPECT_THROW(in.Load(std::string("\0*", 2) + body), ECorruptFile);
        } else {
            in.Load(std::string("\0*", 2) + body);
            EXPECT_EQ(in.Extract("A"), "x");
        }
    }
}

TEST(HKStreams, CorruptContainersRaiseTheCorruptFileError) {
    THKStreams good;
    good.Key = "key";
    good.Add("NAME", RandomBytes(3000, 20));
    const std::string saved = good.Save();
    std::string flipped = saved;
    flipped[5] ^= 0x10;  // in the block that holds the unpacked length
    const struct {
        const char* name;
        std::string bytes;
        std::string key;
    } cases[] = {
        {"no flags", "", "key"},
        {"cut short", saved.substr(0, saved.size() / 2), "key"},
        {"a changed byte", flipped, "key"},
        {"the wrong key", saved, "other key"},
        {"no key", saved, ""},
        {"plain without the signature", "xy" + std::string(20, '\x01'), "key"},
        {"a stream running past the end",
         "xy" + Signature() + std::string("\x01\0\0\0\x04\0NAME\xFF\0\0\0data", 18), "key"},
        {"a compressed length beyond any data file", std::string("&x\xFF\xFF\xFF\x7F", 6) + "abc", "key"},
    };
    for (const auto& c : cases) {
        THKStreams in;
        in.Key = c.key;
        int told = 0;
        in.OnCorrupt = [&] { ++told; };
        try {
            in.Load(c.bytes);
            ADD_FAILURE() << c.name << ": loaded";
        } catch (const ECorruptFile& e) {
            EXPECT_STREQ(e.what(), "File is corrupt.") << c.name;
        }
        EXPECT_EQ(told, 1) << c.name;
        EXPECT_EQ(in.Extract("NAME"), "") << c.name;
    }
}

// Archives written as the archive tool writes them, from the bundled data.
class Archives : public testing::Test {
protected:
    static void Pack(const fs::path& archive, const std::vector<std::pair<std::string, std::string>>& files) {
        std::vector<std::pair<std::string, std::string>> entries;
        for (const auto& [name, bytes] : files) entries.emplace_back(name, PackDataFile(name, bytes));
        WriteZip(archive, entries);
    }
    static std::vector<std::pair<std::string, std::string>> Book(const std::string& code) {
        return {{"bhs/" + code + ".txt", ReadAll(kData / "bhs" / (code + ".txt"))},
                {"hnv/" + code + ".eng", ReadAll(kData / "hnv" / (code + ".eng"))}};
    }
};

TEST_F(Archives, FilesAreFoundInTheirArchiveByAnyFormOfTheirPath) {
    const fs::path dir = Folder("lookup");
    Pack(dir / "Tan.ett", {{"bhs/gen.TXT", "genesis"}, {"exercises/in-the-wrong-archive.txt", "x"}});
    Pack(dir / "tex.ETT", {{"Exercises/Lesson1.txt", "lesson"}});
    const struct {
        const char* path;
        const char* bytes;
    } cases[] = {
        {"bhs\\GEN.txt", "genesis"},
        {"BHS/gen.txt", "genesis"},
        {"exercises\\LESSON1.TXT", "lesson"},
        {"exercises/in-the-wrong-archive.txt", ""},
        {"bhs\\EXO.txt", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadDataFile(dir, c.path), c.bytes) << c.path;
    EXPECT_EQ(ReadDataFile(Folder("none"), "bhs\\GEN.txt"), "");
}

TEST_F(Archives, AReadingLoadsFromTheArchiveExactlyAsFromTheLooseFiles) {
    const fs::path dir = Folder("reading");
    Pack(dir / "Tan.ett", Book("OBA"));
    EXPECT_EQ(ReadDataFile(dir, "bhs/OBA.txt"), ReadAll(kData / "bhs" / "OBA.txt"));

    auto load = [](const fs::path& data, std::vector<std::string>* problems) {
        TWordTable table;
        TReadingLoader loader(data, table);
        TReadingSections s;
        s.R[0] = "OBA1:1-1:21";
        loader.LoadReading("Obadiah", "", s);
        *problems = loader.Problems();
        std::vector<std::string> items;
        for (int i = 0; i < table.WordCount(); ++i) {
            const HxWord& w = *table.Item(i);
            const int line = w.letters ? w.letters->front().translation : 0;
            items.push_back(w.text + "|" + w.font + "|" + loader.TranslationLine(line));
        }
        return items;
    };
    std::vector<std::string> looseProblems, packedProblems;
    const auto loose = load(kData, &looseProblems);
    EXPECT_GT(loose.size(), 300u);
    EXPECT_EQ(load(dir, &packedProblems), loose);
    EXPECT_EQ(packedProblems, looseProblems);
}

TEST_F(Archives, DamageGivesAnEmptyFileOrTheCorruptFileError) {
    const fs::path dir = Folder("damage");
    Pack(dir / "Tan.ett", Book("OBA"));
    const std::string archive = ReadAll(dir / "Tan.ett");
    // A damaged zip (cut anywhere, or a changed byte) reads as missing or corrupt, never more.
    for (size_t cut = 0; cut < archive.size(); cut += 97) {
        std::string bytes = archive.substr(0, cut);
        try {
            EXPECT_EQ(ReadFromArchiveBytes(bytes, "bhs/OBA.txt"), "") << cut;
        } catch (const ECorruptFile&) {
        }
        bytes = archive;
        bytes[cut] ^= 0x5A;
        try {
            const std::string read = ReadFromArchiveBytes(bytes, "bhs/OBA.txt");
            EXPECT_TRUE(read.empty() || read == ReadAll(kData / "bhs" / "OBA.txt")) << cut;
        } catch (const ECorruptFile&) {
        }
    }
    // A sound zip around a broken container: the loader names the file with the error.
    std::string container = PackDataFile("bhs/OBA.txt", "text");
    container.resize(container.size() - 3);
    WriteZip(dir / "Tan.ett", {{"bhs/OBA.txt", container}});
    EXPECT_THROW(ReadDataFile(dir, "bhs/OBA.txt"), ECorruptFile);
    TWordTable table;
    TReadingLoader loader(dir, table);
    TReadingSections s;
    s.R[0] = "OBA1:1-1:21";
    loader.LoadReading("Obadiah", "", s);
    ASSERT_FALSE(loader.Problems().empty());
    EXPECT_EQ(loader.Problems().front(), "bhs/OBA.txt: File is corrupt.");
}

}  // namespace
}  // namespace lyrasta
