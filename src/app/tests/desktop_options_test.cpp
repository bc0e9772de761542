// The desktop program's command line.

#include <gtest/gtest.h>

#include "app/desktop_options.h"

namespace lyrasta::app {
namespace {

TEST(DesktopOptions, ReadsTheReadingTheViewAndTheScreenshot) {
    const DesktopOptions o = ParseDesktopOptions(
        {"--title", "Nasso", "--section", "Kohen=NUM4:21-4:37", "--section", "Levi=NUM4:38-4:49",
         "--wrapped", "--type", "Torah", "--view", "tikkun", "--screenshot", "out.png", "--size",
         "1280x800"});
    ASSERT_TRUE(o.reading);
    EXPECT_EQ(o.reading->title, "Nasso");
    EXPECT_EQ(o.reading->sections.Levi, "NUM4:38-4:49");
    EXPECT_TRUE(o.reading->wrapped);
    EXPECT_EQ(o.type, "Torah");
    EXPECT_EQ(o.viewMode, 2);
    EXPECT_EQ(o.screenshot, "out.png");
    EXPECT_EQ(o.width, 1280);
    EXPECT_EQ(o.height, 800);
    EXPECT_FALSE(ParseDesktopOptions({}).reading) << "no section: the window opens empty";
}

TEST(DesktopOptions, BadValuesAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {"--section", "NUM4:21"},  {"--section", "Kohen=yesterday"}, {"--size", "1280"},
        {"--size", "0x10"},        {"--size", "axb"},                {"--view", "scroll"},
        {"--type", "Opera"},       {"--unknown"},                    {"--title"},
    };
    for (const auto& args : bad)
        EXPECT_THROW(ParseDesktopOptions(args), cli::UsageError) << args[0] << " " << args.back();
}

TEST(DesktopOptions, CatalogueReadingAndDialog) {
    const DesktopOptions o = ParseDesktopOptions({"--reading", "Vayakhel+Pekudei", "--year", "5784", "--israel",
                                                  "--triennial", "--cycle", "2", "--kind", "Haftarah", "--dialog",
                                                  "calendar"});
    ASSERT_TRUE(o.catalogueReading);
    EXPECT_EQ(o.catalogueReading->reading, "Vayakhel+Pekudei");
    EXPECT_EQ(o.catalogueReading->year, 5784);
    EXPECT_EQ(o.catalogueReading->cycle, 2);
    EXPECT_TRUE(o.catalogueReading->israel && o.catalogueReading->triennial);
    EXPECT_EQ(o.catalogueReading->kind, "Haftarah");
    EXPECT_EQ(o.dialog, "calendar");
    const std::vector<std::vector<std::string>> bad = {
        {"--reading", "Noach", "--year", "5599"},         {"--reading", "Noach", "--cycle", "2"},
        {"--reading", "Noach", "--triennial", "--cycle", "4"}, {"--reading", "Noach", "--kind", "Maftir"},
        {"--year", "5785"},                                {"--reading", "Noach", "--section", "R1=GEN1:1-1:2"},
        {"--dialog", "print"},
    };
    for (const auto& args : bad)
        EXPECT_THROW(ParseDesktopOptions(args), cli::UsageError) << args[0] << " " << args.back();
    EXPECT_EQ(SplitDesktopArguments({"--reading", "Noach", "--israel", "-platform", "xcb"}).own,
              (std::vector<std::string>{"--reading", "Noach", "--israel"}));
}

}  // namespace
}  // namespace lyrasta::app

namespace lyrasta::app {
namespace {

// The toolkit takes "-title"/"--title" for itself on X11: the program's own options, values
// included, are kept out of its sight, and everything else is left for it.
TEST(DesktopOptions, OwnOptionsAreKeptFromTheToolkit) {
    const SplitArguments s = SplitDesktopArguments(
        {"--title", "Bereishis", "-platform", "xcb", "--wrapped", "--section", "Kohen=GEN1:1-1:5",
         "--style", "Fusion", "--size", "800x600"});
    EXPECT_EQ(s.own, (std::vector<std::string>{"--title", "Bereishis", "--wrapped", "--section",
                                               "Kohen=GEN1:1-1:5", "--size", "800x600"}));
    EXPECT_EQ(s.rest, (std::vector<std::string>{"-platform", "xcb", "--style", "Fusion"}));
}

}  // namespace
}  // namespace lyrasta::app
