// The desktop program's command line.

#include <gtest/gtest.h>

#include "app/desktop_options.h"

namespace lyrasta::app {
namespace {

TEST(DesktopOptions, ReadsTheReadingTheViewAndTheScreenshot) {
    const DesktopOptions o = ParseDesktopOptions(
        {"--title", "Nasso", "--section", "R1=NUM4:21-4:37", "--section", "R2=NUM4:38-4:49",
         "--wrapped", "--type", "Torah", "--view", "tikkun", "--screenshot", "out.png", "--size",
         "1280x800"});
    EXPECT_EQ(o.title, "Nasso");
    ASSERT_EQ(o.sections.size(), 2u);
    EXPECT_EQ(o.sections[1], (std::pair<std::string, std::string>{"R2", "NUM4:38-4:49"}));
    EXPECT_TRUE(o.wrapped);
    EXPECT_EQ(o.type, "Torah");
    EXPECT_EQ(o.viewMode, 2);
    EXPECT_EQ(o.screenshot, "out.png");
    EXPECT_EQ(o.width, 1280);
    EXPECT_EQ(o.height, 800);
}

TEST(DesktopOptions, BadValuesAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {"--section", "NUM4:21"},  {"--section", "=NUM4:21"}, {"--size", "1280"},
        {"--size", "0x10"},        {"--size", "axb"},         {"--view", "scroll"},
        {"--unknown"},             {"--title"},
    };
    for (const auto& args : bad)
        EXPECT_THROW(ParseDesktopOptions(args), cli::UsageError) << args[0] << " " << args.back();
}

}  // namespace
}  // namespace lyrasta::app
