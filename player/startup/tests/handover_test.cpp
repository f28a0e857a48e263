#include "player/startup/handover.h"

#include <gtest/gtest.h>

#include <string>

namespace vorne::player::startup {
namespace {

TEST(HandOver, BytesOfACommandLine) {
    EXPECT_EQ(HandOverBytes(""), std::string(1, '\0'));
    EXPECT_EQ(HandOverBytes("C:\\a b.mp3"), "C:\\a b.mp3");  // no terminating zero
}

TEST(HandOver, WhatTheRunningInstanceDoesWithARecord) {
    const std::string big(kMaxHandOverBytes, 'x');
    const std::string tooBig(kMaxHandOverBytes + 1, 'x');
    const std::string withZero("a\0b", 3);
    struct Case {
        const char* name;
        const void* data;
        uint32_t size;
        HandOverAction action;
        std::string text;
    };
    const Case cases[] = {
        {"no bytes", nullptr, 0, HandOverAction::ShowWindow, ""},
        {"no bytes, pointer", "x", 0, HandOverAction::ShowWindow, ""},
        {"length without data", nullptr, 5, HandOverAction::Reject, ""},
        {"over the cap", tooBig.data(), static_cast<uint32_t>(tooBig.size()), HandOverAction::Reject, ""},
        {"at the cap", big.data(), static_cast<uint32_t>(big.size()), HandOverAction::Parse, big},
        {"one zero byte", "\0", 1, HandOverAction::Parse, std::string(1, '\0')},
        {"zero inside", withZero.data(), 3, HandOverAction::Parse, withZero},
        {"huge length", "x", 0xFFFFFFFFu, HandOverAction::Reject, ""},
    };
    for (const Case& c : cases) {
        const HandOver h = ReceiveHandOver(c.data, c.size);
        EXPECT_EQ(h.action, c.action) << c.name;
        EXPECT_EQ(h.text, c.text) << c.name;
    }
}

TEST(HandOver, ParseCommandDecision) {
    struct Case {
        std::string cmd;
        CommandKind kind;
        std::string path;
    };
    const Case cases[] = {
        {"", CommandKind::ActivateOnly, ""},
        {"   ", CommandKind::ActivateOnly, ""},
        {std::string(1, '\0'), CommandKind::ActivateOnly, ""},
        {"\"\"", CommandKind::ActivateOnly, ""},
        {"C:\\lists\\party.vna", CommandKind::LoadPlayList, "C:\\lists\\party.vna"},
        {"C:\\lists\\party.M3U", CommandKind::LoadPlayList, "C:\\lists\\party.M3U"},
        {"c:\\x.Pls", CommandKind::LoadPlayList, "c:\\x.Pls"},
        {"C:\\music\\song.mp3", CommandKind::AddFile, "C:\\music\\song.mp3"},
        {"C:\\music\\SONG.MP3", CommandKind::AddFile, "C:\\music\\SONG.MP3"},
        {"C:\\sounds\\bell.au", CommandKind::AddFile, "C:\\sounds\\bell.au"},
        {"C:\\music\\song.mp3x", CommandKind::LoadGeneric, "C:\\music\\song.mp3x"},
        {"\"C:\\my music\\a b.mp3\"", CommandKind::AddFile, "C:\\my music\\a b.mp3"},
        {"  \" C:\\my music\\list.pls \"  ", CommandKind::LoadPlayList, "C:\\my music\\list.pls"},
        {"\"C:\\half.mp3", CommandKind::AddFile, "\"C:\\half.mp3"},
        {"C:\\my music\\a b.mp3", CommandKind::AddFile, "C:\\my music\\a b.mp3"},  // not split at blanks
        {"C:\\songs.mp3\\readme", CommandKind::LoadGeneric, "C:\\songs.mp3\\readme"},  // a folder's point
        {".mp3", CommandKind::AddFile, ".mp3"},
        {"C:\\notes.txt", CommandKind::LoadGeneric, "C:\\notes.txt"},
        {"/play", CommandKind::LoadGeneric, "/play"},
    };
    for (const Case& c : cases) {
        const ParsedCommand p = ClassifyCommand(c.cmd);
        EXPECT_EQ(p.kind, c.kind) << c.cmd;
        EXPECT_EQ(p.path, c.path) << c.cmd;
    }
}

}  // namespace
}  // namespace vorne::player::startup
