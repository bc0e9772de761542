#include "training/lesson_text.h"

#include <gtest/gtest.h>

#include "training/rich_text.h"

namespace lyrasta {
namespace {

// A melody style with its lesson notes and a naming of three tropes.
class LessonText : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(styles_.LoadFromText(
            "<Defs><Style Name=\"S\"><LESSON_NOTES>"
            "<NOTE Name=\"SEGOL\">rises and falls</NOTE><Note Name=\"ZARKA\">%ZARKA% leads to %SEGOL%</Note><NOTE Name=\"MARKUP\">{\\b bold}</NOTE>"
            "</LESSON_NOTES></Style></Defs>"));
        ASSERT_TRUE(names_.LoadFromText(
            "<Names><Encoding Name=\"Ashkenazi\">"
            "<Trope Name=\"SEGOL\" VALUE=\"Segol\" HEB_VALUE=\"\xD7\xA1\xD6\xB6\" HEB_CHAR_VALUE=\"\xE2\x97\x8C\xD6\x92\""
            " BEFORE_ZARKA_HEB_VALUE=\"\xD7\x96\"/>"
            "<Trope Name=\"ZARKA\" VALUE=\"Zarka\" HEB_VALUE=\"\xD7\x96\xD7\xA8\"/>"
            "<Trope Name=\"MUNACH\" VALUE=\"Munach\" HEB_VALUE=\"\xD7\x9E\" HEB_CHAR_VALUE=\"\xD6\xA3\"/>"
            "<Trope Name=\"TEVIR\" VALUE=\"Tevir\" HEB_CHAR_VALUE=\"\xD6\x9B\"/>"
            "</Encoding></Names>"));
    }
    std::string Prepare(const std::string& text) {
        return PrepareLessonText(text, styles_.Root()->FirstChild(), names_.Root()->FirstChild());
    }
    TXMLParser styles_, names_;
};

TEST_F(LessonText, PlaceholdersFollowTheStyleAndItsNames) {
    struct Case {
        const char* what;
        const char* text;
        const char* prepared;
    } cases[] = {
        {"the Latin name", "a %SEGOL% b", "a Segol b"},
        {"the Hebrew name as Unicode escapes", "%HEB_VALUE_ZARKA%", "\\u1494?\\u1512?"},
        {"segol before zarka takes its name in that place", "%HEB_VALUE_SEGOL%%HEB_VALUE_ZARKA%",
         "\\u1494?\\u1494?\\u1512?"},
        {"segol alone keeps its own name", "%HEB_VALUE_SEGOL% %HEB_VALUE_ZARKA%", "\\u1505?\\u1462? \\u1494?\\u1512?"},
        {"before a trope without a name of its own there", "%HEB_VALUE_ZARKA%%HEB_VALUE_SEGOL%",
         "\\u1494?\\u1512?\\u1505?\\u1462?"},
        {"a note of the style", "[%NOTE_SEGOL%]", "[rises and falls]"},
        {"a note keeps its own markup", "%NOTE_MARKUP%", "{\\b bold}"},
        {"a note names tropes as the notes do", "%NOTE_ZARKA%", "Zarka leads to Segol"},
        {"a note the style lacks leaves nothing", "[%NOTE_PAZER%]", "[]"},
        {"a trope the naming lacks stays as written", "%PAZER% and 50% of %", "%PAZER% and 50% of %"},
        {"a name with markup characters is escaped", "%MUNACH%", "Munach"},
        {"the sign without a colour table has no colours", "%HEB_CHARS_SEGOL%", "\\u9676?\\u1426?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Prepare(c.text), c.prepared);
    }
}

TEST_F(LessonText, SignsTakeTheColourOfTheirClass) {
    // The table has red; black, orange, green and grey are appended in that order.
    const std::string prepared =
        Prepare("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}%HEB_CHARS_SEGOL%%HEB_CHARS_MUNACH%%HEB_CHARS_TEVIR%}");
    EXPECT_EQ(prepared,
              "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue0;\\red255\\green153\\blue0;"
              "\\red51\\green153\\blue102;\\red153\\green153\\blue153;}"
              "\\u9676?\\cf1\\u1426?\\cf2 "   // the dotted circle plain, segol red (major)
              "\\cf4\\u1443?\\cf2 "           // munach green (conjunctive)
              "\\cf3\\u1435?\\cf2 }");        // tevir orange (minor)
    // and the reader sees the colours
    const auto paragraphs = ReadRichText(prepared);
    ASSERT_EQ(paragraphs.size(), 1u);
    ASSERT_EQ(paragraphs[0].runs.size(), 4u);
    EXPECT_FALSE(paragraphs[0].runs[0].hasColour);
    EXPECT_EQ(paragraphs[0].runs[1].colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(paragraphs[0].runs[2].colour, (Rgb{51, 153, 102}));
    EXPECT_EQ(paragraphs[0].runs[3].colour, (Rgb{255, 153, 0}));
}

TEST_F(LessonText, LanguageFontsAndEscapesAreMadeNeutral) {
    struct Case {
        const char* what;
        const char* text;
        const char* prepared;
    } cases[] = {
        {"the default language", "\\deflang1033\\lang1037 x\\langfe1033", "\\deflang1024\\lang1024 x\\langfe1033"},
        {"the trope font's character set moves behind its name",
         "{\\f1\\fcharset0 TGBTrope;}{\\f2\\fprq2 TGBTrope;}", "{\\f1 TGBR\\fcharset0;}{\\f2\\fprq2\\fcharset0 TGBR;}"},
        {"escapes of control bytes are raised by 64", "\\'1a\\'05\\'41\\'e0", "\\'5a\\'45\\'41\\'e0"},
        {"the broken-bar code", "\\'a1'1c", "\\'a1'a6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Prepare(c.text), c.prepared);
    }
}

TEST(LessonTextWithoutStyle, PlaceholdersOfNoNamingStay) {
    EXPECT_EQ(PrepareLessonText("%SEGOL% %NOTE_X%", nullptr, nullptr), "%SEGOL% ");
}

}  // namespace
}  // namespace lyrasta
