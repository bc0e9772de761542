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
