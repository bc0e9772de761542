// A second start of the desktop program while one runs: it hands its command line to the
// running program and ends at once, without a window of its own.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <sys/types.h>
#include <unistd.h>

#include "support/read_all.h"
#include "support/temp_path.h"

namespace {

using lyrasta::ReadAll;

TEST(SecondStart, HandsItsReadingToTheRunningProgramAndEnds) {
    const auto dir = lyrasta::ProcessTempPath("lyrasta_second_start_test");
    std::filesystem::create_directories(dir);
    const std::string name = "lyrasta-second-start-" + std::to_string(getpid());
    const auto socket = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove(socket);
    std::ofstream(dir / "config.ini") << "[Options]\nShowSplash=False\nTorah=Ashkenazi\n";
    const std::string program = "LYRASTA_INSTANCE=" + name + " QT_QPA_PLATFORM=offscreen '" LYRASTA_DESKTOP
                                "' --settings '" + (dir / "config.ini").string() +
                                "' --data '" LYRASTA_DATA_DIR "' --size 800x600 ";
    const std::string first = program + "--title First --section Kohen=GEN1:1-1:5 >'" +
                              (dir / "first.log").string() + "' 2>&1 & echo $! >'" +
                              (dir / "first.pid").string() + "'";
    ASSERT_EQ(std::system(first.c_str()), 0);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (!std::filesystem::exists(socket) && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const pid_t running = std::stoi(ReadAll(dir / "first.pid"));
    ASSERT_TRUE(std::filesystem::exists(socket)) << "the first program listens\n" << ReadAll(dir / "first.log");

    const auto started = std::chrono::steady_clock::now();
    const std::string second = program + "--title Second --section Kohen=GEN2:1-2:3 2>'" +
                               (dir / "second.err").string() + "'";
    EXPECT_EQ(std::system(second.c_str()), 0);
    EXPECT_NE(ReadAll(dir / "second.err").find("already running"), std::string::npos);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60))
        << "the second start ends without loading anything";
    EXPECT_EQ(kill(running, 0), 0) << "the first program runs on";
    kill(running, SIGTERM);
}

}  // namespace
