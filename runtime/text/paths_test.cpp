#include "runtime/text/paths.h"

#include <gtest/gtest.h>

namespace {

// Both halves come from the same last backslash, so folder + name gives the
// path back whenever the path has a backslash; a "/" never splits.
TEST(PathHalves, SplitAtTheLastBackslashOnly) {
    struct Case { const char* path; const char* folder; const char* name; };
    const Case cases[] = {
        {"C:\\Skins\\play.bmp", "C:\\Skins\\", "play.bmp"},
        {"play.bmp", "", ""},
        {"C:\\Skins\\", "C:\\Skins\\", ""},
        {"C:\\", "C:\\", ""},
        {"\\\\srv\\share\\x.vsk", "\\\\srv\\share\\", "x.vsk"},
        {"C:\\Skins/blue\\a b.bmp", "C:\\Skins/blue\\", "a b.bmp"},
        {"Z:/build/skins/a.vsk", "", ""},
        {"C:\\Caf\xE9 \x92Night\x92\\x.bmp", "C:\\Caf\xE9 \x92Night\x92\\", "x.bmp"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vorne::text::ChopFileOff(c.path), c.folder) << c.path;
        EXPECT_EQ(vorne::text::ChopPath(c.path), c.name) << c.path;
    }
}

}  // namespace
