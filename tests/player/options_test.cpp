#include "options.h"

#include <gtest/gtest.h>

namespace tov::player {
namespace {

bool Parse(const std::vector<std::string>& args, Options* options, std::string* error) {
    *options = Options{};
    error->clear();
    return ParseOptions(args, options, error);
}

TEST(Options, DefaultsAndEveryValue) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"table.lua"}, &o, &error)) << error;
    EXPECT_EQ(o.display, DisplayMode::Automatic);
    EXPECT_EQ(o.fps, 60);
    EXPECT_FALSE(o.frames);
    EXPECT_EQ(o.screen_width, 1920);
    EXPECT_EQ(o.screen_height, 1080);
    EXPECT_EQ(o.popups, PopupMode::Automatic);  // modal in windows, printed headless
    EXPECT_FALSE(o.version);

    ASSERT_TRUE(Parse({"--headless", "--fps", "30", "--frames", "0", "--screen", "800x600",
                       "--record", "a.gif", "--region", "-10,5,320,200", "--snapshot", "b.png",
                       "--popups", "modal", "--cd", "/tmp", "t.lua"},
                      &o, &error))
        << error;
    EXPECT_EQ(o.display, DisplayMode::Headless);
    EXPECT_EQ(o.fps, 30);
    EXPECT_EQ(o.frames, 0);
    EXPECT_EQ(o.screen_width, 800);
    EXPECT_EQ(o.screen_height, 600);
    EXPECT_EQ(o.record_path, "a.gif");
    ASSERT_TRUE(o.region);
    EXPECT_EQ(o.region->x, -10);
    EXPECT_EQ(o.region->width, 320);
    EXPECT_EQ(o.snapshot_path, "b.png");
    EXPECT_EQ(o.popups, PopupMode::Modal);
    EXPECT_EQ(o.directory, "/tmp");
    EXPECT_EQ(o.script, "t.lua");
}

TEST(Options, HelpAndVersionNeedNoScript) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--version"}, &o, &error)) << error;
    EXPECT_TRUE(o.version);
    ASSERT_TRUE(Parse({"--fps", "30", "--help", "--bogus"}, &o, &error)) << error;
    EXPECT_TRUE(o.help);
}

TEST(Options, WhatFollowsTheScriptIsTheScripts) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--frames", "3", "t.lua", "--loop", "x"}, &o, &error)) << error;
    EXPECT_EQ(o.script, "t.lua");
    EXPECT_EQ(o.frames, 3);
    EXPECT_EQ(o.script_arguments, (std::vector<std::string>{"--loop", "x"}));
}

TEST(Options, SecondsBecomeFramesAtTheFrameRate) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--seconds", "2.5", "--fps", "30", "t.lua"}, &o, &error)) << error;
    EXPECT_EQ(o.frames, 75);
    ASSERT_TRUE(Parse({"--seconds", "1", "t.lua"}, &o, &error)) << error;
    EXPECT_EQ(o.frames, 60);
}

TEST(Options, MalformedValuesAreRefusedWithAMessage) {
    const std::vector<std::vector<std::string>> refused = {
        {},                                  // no script
        {"--frames"},                        // value missing
        {"--frames", "-1", "t.lua"},         // negative
        {"--frames", "12x", "t.lua"},        // trailing characters
        {"--fps", "0", "t.lua"},             // no frame rate
        {"--screen", "800", "t.lua"},        // one number
        {"--screen", "0x600", "t.lua"},      // zero width
        {"--screen", "800x600x2", "t.lua"},  // three numbers
        {"--screen", "99999x600", "t.lua"},  // beyond a screen coordinate
        {"--region", "0,0,0,10", "t.lua"},   // empty region
        {"--region", "0,0,10", "t.lua"},     // three numbers
        {"--seconds", "-2", "t.lua"},        // negative time
        {"--seconds", "nan", "t.lua"},       // no number
        {"--popups", "loud", "t.lua"},       // unknown popup mode
        {"--frobnicate", "t.lua"},           // unknown option
    };
    for (const auto& args : refused) {
        Options o;
        std::string error;
        EXPECT_FALSE(Parse(args, &o, &error)) << (args.empty() ? "(none)" : args[0]);
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace tov::player
