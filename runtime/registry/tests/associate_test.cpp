#include "runtime/registry/associate.h"

#include <gtest/gtest.h>

using namespace vorne::registry;

namespace {

const char kCommand[] = "\"C:\\Program Files\\Vorne\\Vorne.exe\"";

std::string Default(const FakeRegistry& reg, const std::string& key) {
    const FakeRegistry::Value* v = reg.Get(key);
    return v ? v->data : std::string("<missing>");
}

void RegisterPls(FakeRegistry& reg) {
    ASSERT_EQ(AssociateFileType(reg, ".pls", "Vorne.PlayList", "Vorne Play List", kCommand, "F", "2"), kRegOk);
}

}  // namespace

TEST(Associate, WritesTheFourDefaultValues) {
    FakeRegistry reg;
    RegisterPls(reg);
    using namespace std::string_literals;
    EXPECT_EQ(Default(reg, ".pls"), "Vorne.PlayList\0"s);
    EXPECT_EQ(Default(reg, "Vorne.PlayList"), "Vorne Play List\0"s);
    EXPECT_EQ(Default(reg, "Vorne.PlayList\\shell\\open\\command"), std::string(kCommand) + " %1\0"s);
    EXPECT_EQ(Default(reg, "Vorne.PlayList\\DefaultIcon"), "F,2\0"s);
    EXPECT_EQ(reg.Get(".pls")->type, kRegSz);
    EXPECT_EQ(reg.OpenHandles(), 0);
    // Again: values overwritten, nothing new.
    RegisterPls(reg);
    EXPECT_EQ(Default(reg, ".pls"), "Vorne.PlayList\0"s);
    EXPECT_EQ(reg.OpenHandles(), 0);
}

TEST(Associate, QueryModes) {
    FakeRegistry reg;
    EXPECT_EQ(QueryFileType(reg, ".pls", ftqProgId), "");
    EXPECT_EQ(QueryFileType(reg, ".pls", ftqCommand), "");
    RegisterPls(reg);
    EXPECT_EQ(QueryFileType(reg, ".pls", ftqProgId), "Vorne.PlayList");
    EXPECT_EQ(QueryFileType(reg, ".PLS", ftqProgId), "Vorne.PlayList");
    EXPECT_EQ(QueryFileType(reg, ".pls", ftqCommand), std::string(kCommand) + " %1");
    EXPECT_EQ(QueryFileType(reg, ".pls", ftqCommandTail), std::string(kCommand) + " %1");
    EXPECT_EQ(QueryFileType(reg, ".pls", 3), "");
    EXPECT_EQ(QueryFileType(reg, ".pls", -1), "");
    AssociateFileType(reg, ".x2", "Other.Prog", "d", "run a,b,c", "i", "0");
    EXPECT_EQ(QueryFileType(reg, ".x2", ftqCommandTail), "b,c %1");
    // A key without a default value.
    CreateRegKey(reg, ".empty", kClassesRoot);
    EXPECT_EQ(QueryFileType(reg, ".empty", ftqProgId), "");
    EXPECT_EQ(reg.OpenHandles(), 0);
}

TEST(Associate, SetRegValueLengthsAndTypes) {
    FakeRegistry reg;
    CreateRegKey(reg, "K", kClassesRoot);
    RegKey h = 0;
    ASSERT_EQ(reg.OpenKey(kClassesRoot, "K", h), kRegOk);
    EXPECT_EQ(SetRegValue(reg, h, "s", kRegSz, std::string("abc")), kRegOk);
    EXPECT_EQ(reg.Get("K", "s")->data.size(), 4u);
    // Two-byte characters: the length counts bytes.
    EXPECT_EQ(SetRegValue(reg, h, "d", kRegSz, std::string("\x82\xa0\x82\xa2")), kRegOk);
    EXPECT_EQ(reg.Get("K", "d")->data.size(), 5u);
    EXPECT_EQ(SetRegValue(reg, h, "n", kRegDword, int32_t{0x01020304}), kRegOk);
    EXPECT_EQ(reg.Get("K", "n")->data, std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(SetRegValue(reg, h, "t", kRegDword, std::string("258")), kRegOk);
    EXPECT_EQ(reg.Get("K", "t")->data, std::string("\x02\x01\x00\x00", 4));
    EXPECT_EQ(SetRegValue(reg, h, "z", 3, std::string("x")), kRegOk);
    EXPECT_EQ(reg.Get("K", "z"), nullptr);
    reg.CloseKey(h);
}

TEST(Associate, UnassociateRemovesOnlyOurBinding) {
    FakeRegistry reg;
    RegisterPls(reg);
    AssociateFileType(reg, ".m3u", "Other.Player", "Other", "other.exe", "o", "0");
    // Another program's binding survives.
    EXPECT_EQ(UnassociateFileType(reg, ".m3u", "Vorne.PlayList"), kRegOk);
    EXPECT_EQ(QueryFileType(reg, ".m3u", ftqProgId), "Other.Player");
    // Ours goes; the ProgID key stays unless asked for.
    EXPECT_EQ(UnassociateFileType(reg, ".pls", "Vorne.PlayList"), kRegOk);
    EXPECT_FALSE(reg.KeyExists(".pls"));
    EXPECT_TRUE(reg.KeyExists("Vorne.PlayList\\shell\\open\\command"));
    EXPECT_TRUE(reg.KeyExists("Other.Player"));
    // A missing extension is nothing to do.
    EXPECT_EQ(UnassociateFileType(reg, ".none", "Vorne.PlayList"), kRegOk);
    EXPECT_EQ(reg.OpenHandles(), 0);
}

TEST(Associate, UnassociateKeepsSubKeysAndRemovesProgId) {
    FakeRegistry reg;
    RegisterPls(reg);
    CreateRegKey(reg, ".pls\\OpenWithProgids", kClassesRoot);
    EXPECT_EQ(UnassociateFileType(reg, ".pls", "vorne.playlist", true), kRegOk);
    EXPECT_TRUE(reg.KeyExists(".pls\\OpenWithProgids"));
    EXPECT_EQ(reg.Get(".pls"), nullptr);
    EXPECT_EQ(QueryFileType(reg, ".pls", ftqProgId), "");
    EXPECT_FALSE(reg.KeyExists("Vorne.PlayList"));
    // A ProgID key that holds more than ours stays, with the extra key.
    RegisterPls(reg);
    CreateRegKey(reg, "Vorne.PlayList\\shell\\edit", kClassesRoot);
    EXPECT_EQ(UnassociateFileType(reg, ".pls", "Vorne.PlayList", true), kRegOk);
    EXPECT_TRUE(reg.KeyExists("Vorne.PlayList\\shell\\edit"));
    EXPECT_FALSE(reg.KeyExists("Vorne.PlayList\\shell\\open"));
    EXPECT_FALSE(reg.KeyExists("Vorne.PlayList\\DefaultIcon"));
}

TEST(Associate, FailuresAreReturned) {
    FakeRegistry reg;
    reg.FailWith(kRegAccessDenied);
    EXPECT_EQ(AssociateFileType(reg, ".pls", "Vorne.PlayList", "d", "c", "i", "0"), kRegAccessDenied);
    EXPECT_EQ(CreateRegKey(reg, "x", kClassesRoot), kRegAccessDenied);
    EXPECT_EQ(SetKeyValue(reg, "x", "", std::string("v"), kRegSz), kRegAccessDenied);
    EXPECT_EQ(QueryFileType(reg, ".pls", ftqProgId), "");
    reg.FailWith(kRegOk);
    RegisterPls(reg);
    reg.FailWith(kRegAccessDenied);
    EXPECT_EQ(UnassociateFileType(reg, ".pls", "Vorne.PlayList", true), kRegAccessDenied);
    // An extension whose binding cannot be read is not "nothing to remove".
    EXPECT_EQ(UnassociateFileType(reg, ".pls", "Vorne.PlayList"), kRegAccessDenied);
    reg.FailWith(kRegOk);
    EXPECT_TRUE(reg.KeyExists("Vorne.PlayList\\DefaultIcon")) << "nothing is removed when the binding is unread";
    EXPECT_EQ(QueryFileType(reg, ".pls", ftqProgId), "Vorne.PlayList");
}
