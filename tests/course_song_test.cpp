// The course's exercise lines sung as a lesson shows them: every line of every lesson and
// flash-card file is scanned as one range (each line a verse, as the exercise index makes
// it), with the references and questions in braces shown as notes, and sung in every melody
// style of the option's reading type: every word with letters gets notes, and the song is
// built without a message.

#include <gtest/gtest.h>


#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "chant/melody_styles.h"
#include "player/song_steps.h"
#include "text/data_files.h"
#include "text/random.h"
#include "text/reading_loader.h"
#include "text/text_helpers.h"
#include "text/xml.h"
#include "support/temp_path.h"

namespace lyrasta {
namespace {

const std::filesystem::path kData = LYRASTA_DATA_DIR;

// The exercise file as a book text of one chapter, one verse per line.
std::string AsBookText(const std::string& lines, int& verses) {
    std::string text = "~aExercises\r\n";
    verses = 0;
    for (size_t at = 0; at < lines.size();) {
        size_t end = lines.find("\r\n", at);
        if (end == std::string::npos) end = lines.size();
        if (end > at) text += (verses++ ? "~y" + std::to_string(verses) + " " : "") + lines.substr(at, end - at) + "\r\n";
        at = end + 2;
    }
    return text;
}

// Words shown to be sung that have no note, by their text.
std::vector<std::string> SilentWords(const TWordTable& table) {
    std::vector<std::string> silent;
    for (int i = 0; i < table.WordCount(); ++i) {
        const HxWord* w = table.Item(i);
        if (!w->sung || !w->letters || w->letters->empty()) continue;
        bool sung = false;
        for (const strucHebChar& c : *w->letters) {
            if (c.kq == 2) break;  // the ketiv part of a split word is shown, not sung
            sung = sung || !c.notes.empty();
        }
        if (!sung) silent.push_back(w->text);
    }
    return silent;
}

TEST(CourseSong, EveryExerciseLineIsSungInEveryStyleOfItsType) {
    TXMLParser training;
    ASSERT_TRUE(training.LoadFromFile((kData / "encodings" / "training.xml").string()));
    TTropeDefinitions docs;
    docs.LoadTropeDefinitions(kData, nullptr);
    const TPhonemeSet phonemes = LoadPhonemeSet(ReadDataFile(kData, "encodings/phonemes.ini"), "");
    // A folder of this run's own: other worktrees may run the suite at the same time.
    const std::filesystem::path folder =
        ProcessTempPath("course_song");
    std::filesystem::create_directories(folder / "bhs");
    SeedRandom(1);
    int sung = 0;
    for (int s = 0; s < training.Root()->ChildCount(); ++s) {
        const TXMLelement* selection = training.Root()->ChildByIndex(s);
        for (int o = 0; o < selection->ChildCount(); ++o) {
            const TXMLelement* option = selection->ChildByIndex(o);
            if (option->Type() != TXMLelement::ntElement) continue;
            const std::string kind = Upper(option->AttributeValue("TUTORIAL"));
            if (kind != "LESSON" && kind != "FLASHCARD") continue;
            int verses = 0;
            std::ofstream(folder / "bhs" / "EXR.txt", std::ios::binary)
                << AsBookText(ReadDataFile(kData, "exercises/" + option->AttributeValue("R1")), verses);
            const std::string type = option->AttributeValue("Type");
            TMelodyStyles styles(docs, nullptr);
            styles.BuildStyleCatalogue({});
            for (size_t style = 0; style < styles.StyleNames(type).size(); ++style) {
                SCOPED_TRACE(option->AttributeValue("R1") + " in " + type + " style " + styles.StyleNames(type)[style]);
                styles.SetReadingTypes(type, "");
                styles.SetChosenStyle(type, static_cast<int>(style));
                ASSERT_TRUE(styles.ChooseReadingStyles());
                std::vector<std::string> messages;
                TWordTable table;
                TReadingLoader loader(folder, table);
                TSongSteps steps(phonemes, styles, {}, [&](const std::string& title, const std::string& text) {
                    messages.push_back(title + ": " + text);
                });
                loader.SetSteps(&steps);
                const std::string reference = "EXR1:1-1:" + std::to_string(verses);
                TReadingSections sections;
                sections.Set("R1", reference);
                loader.LoadReading("Exercises", "", sections);
                EXPECT_TRUE(loader.Problems().empty()) << loader.Problems().front();
                EXPECT_TRUE(messages.empty()) << messages.front();
                EXPECT_TRUE(SilentWords(table).empty()) << SilentWords(table).front();
                ++sung;
            }
        }
    }
    EXPECT_GT(sung, 0);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lyrasta
