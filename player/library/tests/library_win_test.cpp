// The Win32 parts: the advapi32 registry under the test prefix, checked with
// the system's own "reg query", and the tag writer under the ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "player/library/associate.h"
#include "player/library/file_ops.h"
#include "player/library/id3v1_codepage_win.h"
#include "player/library/registry_win.h"

using namespace vorne::library;

namespace {

// Runs a command line and returns what it printed.
std::string Capture(std::string cmd, DWORD* exitCode = nullptr) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE rd = nullptr, wr = nullptr;
    if (!CreatePipe(&rd, &wr, &sa, 0)) return "<pipe failed>";
    SetHandleInformation(rd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = wr;
    si.hStdError = wr;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi)) {
        CloseHandle(rd);
        CloseHandle(wr);
        return "<CreateProcess failed>";
    }
    CloseHandle(wr);
    std::string out;
    char buf[512];
    DWORD n = 0;
    while (ReadFile(rd, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
    WaitForSingleObject(pi.hProcess, 30000);
    if (exitCode) GetExitCodeProcess(pi.hProcess, exitCode);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(rd);
    return out;
}

// The default value of HKCR\key as "reg query" prints it, or "<missing>".
std::string RegDefault(const std::string& key) {
    DWORD code = 1;
    std::string out = Capture("reg.exe query \"HKEY_CLASSES_ROOT\\" + key + "\" /ve", &code);
    if (code != 0) return "<missing>";
    size_t at = out.find("REG_SZ");
    if (at == std::string::npos) return "<no value>";
    at += 6;
    while (at < out.size() && (out[at] == ' ' || out[at] == '\t')) ++at;
    size_t end = out.find_first_of("\r\n", at);
    return out.substr(at, end - at);
}

bool RegKeyExists(const std::string& key) {
    DWORD code = 1;
    Capture("reg.exe query \"HKEY_CLASSES_ROOT\\" + key + "\"", &code);
    return code == 0;
}

// Writes HKCR\key (and its default value when given) with "reg add", as
// another program's installer would.
void RegAdd(const std::string& key, const char* value = nullptr) {
    std::string cmd = "reg.exe add \"HKEY_CLASSES_ROOT\\" + key + "\" /f";
    if (value) cmd += std::string(" /ve /d \"") + value + "\"";
    DWORD code = 1;
    Capture(cmd, &code);
    ASSERT_EQ(code, 0u) << cmd;
}

void RegDeleteTree(const std::string& key) {
    Capture("reg.exe delete \"HKEY_CLASSES_ROOT\\" + key + "\" /f");
}

// Each test has keys of its own, since ctest runs the tests side by side.
class Associations : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ext_ = ".vornetest" + name;
        progId_ = "VorneTest" + name + ".PlayList";
        other_ = "VorneTest" + name + ".Other";
        Clean();
    }
    void TearDown() override { Clean(); }
    void Clean() {
        RegDeleteTree(ext_);
        RegDeleteTree(progId_);
        RegDeleteTree(other_);
    }
    RegistryWin32 reg;
    std::string ext_, progId_, other_;
};

}  // namespace

TEST_F(Associations, RoundTripReadBackByRegQuery) {
    const std::string command = "\"C:\\Program Files\\Vorne\\Vorne.exe\"";
    ASSERT_EQ(AssociateFileType(reg, ext_, progId_, "Vorne Test List", command, "C:\\icons.dll", "2"), kRegOk);
    EXPECT_EQ(RegDefault(ext_), progId_);
    EXPECT_EQ(RegDefault(progId_), "Vorne Test List");
    EXPECT_EQ(RegDefault(progId_ + "\\shell\\open\\command"), command + " %1");
    EXPECT_EQ(RegDefault(progId_ + "\\DefaultIcon"), "C:\\icons.dll,2");
    EXPECT_EQ(QueryFileType(reg, ext_, ftqProgId), progId_);
    EXPECT_EQ(QueryFileType(reg, ext_, ftqCommand), command + " %1");
    // The stored data length is the text plus its NUL.
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ext_.c_str(), 0, KEY_QUERY_VALUE, &h), ERROR_SUCCESS);
    DWORD type = 0, len = 0;
    ASSERT_EQ(RegQueryValueExA(h, "", nullptr, &type, nullptr, &len), ERROR_SUCCESS);
    RegCloseKey(h);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(len, progId_.size() + 1);

    ASSERT_EQ(UnassociateFileType(reg, ext_, progId_, true), kRegOk);
    EXPECT_FALSE(RegKeyExists(ext_));
    EXPECT_FALSE(RegKeyExists(progId_));
    EXPECT_EQ(QueryFileType(reg, ext_, ftqProgId), "");
}

TEST_F(Associations, AnotherProgramsBindingSurvives) {
    // Another program's binding, written by "reg add": neither the
    // extension's value nor that program's keys are touched, even when our
    // ProgID keys are asked to go.
    RegAdd(ext_, other_.c_str());
    RegAdd(other_ + "\\shell\\open\\command", "other.exe %1");
    ASSERT_EQ(UnassociateFileType(reg, ext_, progId_, true), kRegOk);
    EXPECT_EQ(RegDefault(ext_), other_);
    EXPECT_EQ(RegDefault(other_ + "\\shell\\open\\command"), "other.exe %1");
    EXPECT_EQ(QueryFileType(reg, ext_, ftqProgId), other_);
    // Ours with an OpenWithProgids key beside it: only the value goes.
    ASSERT_EQ(AssociateFileType(reg, ext_, progId_, "Ours", "vorne.exe", "v.exe", "1"), kRegOk);
    EXPECT_EQ(RegDefault(ext_), progId_);
    RegAdd(ext_ + "\\OpenWithProgids");
    ASSERT_EQ(UnassociateFileType(reg, ext_, progId_), kRegOk);
    EXPECT_TRUE(RegKeyExists(ext_ + "\\OpenWithProgids"));
    EXPECT_EQ(RegDefault(ext_), "(value not set)");
    EXPECT_EQ(QueryFileType(reg, ext_, ftqProgId), "");
    // The ProgID key stays when not asked to go.
    EXPECT_EQ(RegDefault(progId_), "Ours");
    // A second removal finds nothing of ours and leaves the key as it is.
    ASSERT_EQ(UnassociateFileType(reg, ext_, progId_), kRegOk);
    EXPECT_TRUE(RegKeyExists(ext_ + "\\OpenWithProgids"));
}

TEST(AnsiTagBlock, StaysOneHundredTwentyEightBytes) {
    // Under a Japanese locale the ANSI code page is 932; elsewhere the text
    // still encodes to some bytes and the block keeps its size.
    const CodePage cp = AnsiCodePage();
    TagFields f;
    f.title = "\xe3\x81\x82\xe3\x81\x84\xe3\x81\x86\xe3\x81\x88\xe3\x81\x8a";  // 5 kana
    std::string fifteen;
    for (int i = 0; i < 15; ++i) fifteen += "\xe6\x97\xa5";  // 15 kanji
    f.artist = "A" + fifteen;
    f.album = fifteen + fifteen;
    f.year = "2001";
    f.comment = "x";
    f.genre = "Blues";
    TagBlock b = BuildTagBlock(f, cp);
    EXPECT_EQ(b.size(), kTagSize);
    const std::string block(b.begin(), b.end());
    if (GetEnvironmentVariableA("VORNE_EXPECT_CP932", nullptr, 0) != 0) {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale gives the ANSI code page 932";
    }
    if (GetACP() == 932) {
        EXPECT_EQ(block.substr(3, 10), "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8");
        EXPECT_EQ(block.substr(13, 20), std::string(20, ' '));
        // "A" and 14 kanji fill 29 bytes; the 15th would be split.
        std::string kanji14;
        for (int i = 0; i < 14; ++i) kanji14 += "\x93\xfa";
        EXPECT_EQ(block.substr(33, 30), "A" + kanji14 + " ");
        EXPECT_EQ(block.substr(63, 30), kanji14 + "\x93\xfa");
        // The block written to a file is exactly 128 bytes at the end.
        const std::string path = "tag_cp932.mp3";
        FILE* fp = fopen(path.c_str(), "wb");
        ASSERT_NE(fp, nullptr);
        std::string audio(1000, 'a');
        fwrite(audio.data(), 1, audio.size(), fp);
        fclose(fp);
        ASSERT_EQ(SaveTag(path, f, cp), TagResult::kAppended);
        std::string data;
        ASSERT_EQ(ReadWholeFile(path, data), ReadStatus::kOk);
        EXPECT_EQ(data.size(), audio.size() + kTagSize);
        EXPECT_EQ(data.substr(audio.size()), block);
        ASSERT_EQ(RemoveTag(path), TagResult::kRemoved);
        ASSERT_EQ(ReadWholeFile(path, data), ReadStatus::kOk);
        EXPECT_EQ(data, audio);
        DeleteFileA(path.c_str());
    }
}

// A file another program holds open without sharing is reported as in use
// and left exactly as it was. (A read-only file cannot show it here: the
// tests run as root, whom Wine's read-only attribute does not stop.)
TEST(TagFileWin32, InUseIsReportedAndUntouched) {
    const std::string path = "tag_locked.mp3";
    const std::string audio(2000, 'a');
    FILE* fp = fopen(path.c_str(), "wb");
    ASSERT_NE(fp, nullptr);
    fwrite(audio.data(), 1, audio.size(), fp);
    fclose(fp);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TagFields f;
    f.title = "x";
    EXPECT_EQ(SaveTag(path, f, BytesCodePage()), TagResult::kInUseOrReadOnly);
    EXPECT_EQ(RemoveTag(path), TagResult::kInUseOrReadOnly);
    CloseHandle(held);
    std::string data;
    ASSERT_EQ(ReadWholeFile(path, data), ReadStatus::kOk);
    EXPECT_EQ(data, audio);
    DeleteFileA(path.c_str());
}
