#include "group_reports.h"

#include <fstream>
#include <sstream>

#include "text/safe_write.h"

namespace lyrasta {

namespace {

constexpr const char* kReportFiles[] = {"None.txt",    "SofPasuk.txt", "Etnachta.txt",      "ZakefKaton.txt",
                                        "EndOfAliyah.txt", "Segol.txt", "Tevir.txt",        "Revia.txt",
                                        "Geresh.txt",  "Gershayim.txt", "Pazer.txt",        "TelishaGedola.txt",
                                        "KarneFara.txt", "ZakefGadol.txt", "Shalshelet.txt"};

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

std::string LastAccents(const TWordTable& table, int word) {
    const LetterList* letters = table.OwnLetters(word);
    if (!letters) return {};
    for (auto c = letters->rbegin(); c != letters->rend(); ++c)
        if (!c->accents.empty() && c->accents != "05") return c->accents;
    return {};
}

std::string VerseReference(const TWordTable& table, int word) {
    const LetterList letters = table.SungLetters(word);
    if (letters.empty()) return {};
    const strucHebChar& c = letters.front();
    return "{" + c.book + ":" + std::to_string(c.chapter) + ":" + std::to_string(c.verse) + "}";
}

bool WriteGroupReports(const TWordTable& table, const std::filesystem::path& folder, bool first,
                       std::string* error) {
    // Verses without a translation line, from the last verse of the reading to the first.
    std::string none;
    for (int i = table.WordCount() - 1; i >= 0; --i) {
        if (LastAccents(table, i) != "00") continue;
        const LetterList* own = table.OwnLetters(i);
        if (own->front().translation != 0) continue;
        // The second part of a ketiv/qere pair sings nothing of its own: no line for it.
        const std::string reference = VerseReference(table, i);
        if (!reference.empty()) none += reference + "\n";
    }
    for (const char* name : kReportFiles) {
        const std::filesystem::path path = folder / (std::string("HAF") + name);
        std::string text = first ? std::string() : ReadWhole(path);
        if (name == kReportFiles[0]) text += none;
        else if (!first && std::filesystem::exists(path)) continue;  // the group files stay empty
        if (!WriteFileSafely(path.string(), text, error)) return false;
    }
    return true;
}

}  // namespace lyrasta
