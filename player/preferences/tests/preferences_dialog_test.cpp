#include "player/preferences/preferences_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/testing/window_pixels.h"
#include "runtime/registry/associate.h"
#include "runtime/registry/registry_win32.h"
#include "runtime/forms/dialogs.h"

namespace vorne::player::preferences {
namespace {

struct FakeHost : OptionsDialogHost {
    void SetProcessPriority(int level) override { priority = level; }
    void SetBufferingTime(double s) override { buffering = s; }
    void SetTrayPicture(int n) override { tray = n; }
    void SetRefreshInterval(int32_t ms) override { interval = ms; }
    int32_t SelectedTitle() override { return selected; }
    double BufferingTime() override { return 5.4; }
    void ReshowTrayIcon() override { ++reshows; }
    int priority = -1, tray = -1, reshows = 0;
    double buffering = -1;
    int32_t interval = -1, selected = 3;
};

// reg.exe's answer to "query <key> /ve": what it printed, "" when it failed.
std::string RegQuery(const std::string& key) {
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return "";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi{};
    std::string cmd = "reg.exe query \"" + key + "\" /ve";
    const BOOL ok = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                   &si, &pi);
    CloseHandle(writeEnd);
    std::string out;
    if (ok) {
        char buf[512];
        DWORD got = 0;
        while (ReadFile(readEnd, buf, sizeof(buf), &got, nullptr) && got) out.append(buf, got);
        WaitForSingleObject(pi.hProcess, 10000);
        DWORD code = 1;
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        if (code != 0) out.clear();
    }
    CloseHandle(readEnd);
    return out;
}

int RowOf(const std::string& ext) {
    const auto& rows = FileTypeRows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == ext) return static_cast<int>(i);
    return -1;
}

class PreferencesDialog : public ::testing::Test {
protected:
    void SetUp() override {
        // Start from a registry without our bindings of the types used here.
        for (const char* e : {".vna", ".mp3", ".wav", ".m3u"}) vorne::registry::UnassociateFileType(reg, e, kPlayListProgId);
        for (const char* e : {".vna", ".mp3", ".wav", ".m3u"}) vorne::registry::UnassociateFileType(reg, e, kMediaProgId);
    }
    core::OptionsFile options;
    FakeHost host;
    vorne::registry::RegistryWin32 reg;
    const std::string base = "C:\\Program Files\\Vorne\\Vorne";
};

TEST_F(PreferencesDialog, OpensWithTheOptionsOnThreePages) {
    options.PlayListWait = 0;
    options.PriorityLevel = 2;
    options.TrayIconIndex = 6;
    options.MediaIconIndex = 2;
    FrmOptions dlg(options, host, reg, base);
    dlg.Show();
    EXPECT_EQ(dlg.Caption(), "Vorne Prefrences");
    EXPECT_EQ(dlg.TS.TabCount(), 3);
    EXPECT_EQ(dlg.TS.TabCaption(3), "File Types");
    EXPECT_EQ(dlg.VisiblePage(), 0);
    EXPECT_EQ(dlg.LabelText(FrmOptions::idWaitLabel), "Wait 0 seconds");
    EXPECT_EQ(dlg.LabelText(FrmOptions::idPrior), "Priority Level (HIGH):");
    // Six tray pictures and six type icons: 1..6 and 0..5.
    EXPECT_EQ(dlg.SliderMax(FrmOptions::idTray), 6);
    EXPECT_EQ(dlg.SliderMax(FrmOptions::idPL), 5);
    EXPECT_EQ(dlg.SliderMax(FrmOptions::idMedia), 5);
    const PreferenceValues v = dlg.Values();
    EXPECT_EQ(v.buffering, 5);  // the media control's time, rounded
    EXPECT_EQ(v.mediaIcon, 2);
    EXPECT_EQ(v.songInfoFormat, options.SongInfoFormat);
    EXPECT_EQ(dlg.Rows().size(), 37u);
    vorne::testing::SaveWindowShot(dlg.hWnd(), "prefs-general");
    dlg.TS.SetSelectedTab(2);
    EXPECT_EQ(dlg.VisiblePage(), 1);
    EXPECT_FALSE(IsWindowVisible(dlg.Control(FrmOptions::idSlider1)));
    EXPECT_TRUE(IsWindowVisible(dlg.Control(FrmOptions::idSlider2)));
    vorne::testing::SaveWindowShot(dlg.hWnd(), "prefs-display");
    dlg.TS.SetSelectedTab(3);
    EXPECT_EQ(dlg.VisiblePage(), 2);
    vorne::testing::SaveWindowShot(dlg.hWnd(), "prefs-filetypes");
    dlg.cmdShow_Click();
    EXPECT_EQ(host.reshows, 1);
    dlg.cmdancel_Click();
    EXPECT_FALSE(dlg.Loaded());
    EXPECT_EQ(host.priority, -1);  // Cancel changes nothing
}

TEST_F(PreferencesDialog, ApplyStoresTheControlsAndCloses) {
    FrmOptions dlg(options, host, reg, base);
    dlg.Show();
    PreferenceValues v = dlg.Values();
    v.priority = 3;
    v.refreshSeconds = 0;
    v.trayIcon = 2;
    v.playListFormat = "%2";
    dlg.SetValues(v);
    EXPECT_EQ(dlg.LabelText(FrmOptions::idPrior), "Priority Level (REALTIME):");
    dlg.cmdApply_Click();
    EXPECT_FALSE(dlg.Loaded());
    EXPECT_EQ(options.PriorityLevel, 3);
    EXPECT_EQ(host.priority, 3);
    EXPECT_EQ(host.interval, 0);
    EXPECT_EQ(host.tray, 2);
    EXPECT_EQ(options.PlayListFormat, "%2");
    EXPECT_EQ(options.LastSongIndex, 3);
}

TEST_F(PreferencesDialog, AssociationRoundTripReadBackWithReg) {
    // Another program owns .wav.
    vorne::registry::CreateRegKey(reg, ".wav", vorne::registry::kClassesRoot);
    vorne::registry::SetKeyValue(reg, ".wav", "", "OtherPlayer.Wave", vorne::registry::kRegSz);

    FrmOptions dlg(options, host, reg, base);
    dlg.Show();
    dlg.TS.SetSelectedTab(3);
    EXPECT_FALSE(dlg.RowTicked(RowOf(".wav")));
    dlg.SetRowTicked(RowOf(".vna"), true);
    dlg.SetRowTicked(RowOf(".mp3"), true);
    dlg.SetRowTicked(0, true);  // a heading: never registered
    PreferenceValues v = dlg.Values();
    v.playListIcon = 4;
    dlg.SetValues(v);
    dlg.cmdSave_Click();

    EXPECT_NE(RegQuery("HKCR\\.vna").find("Vorne.PlayList"), std::string::npos);
    EXPECT_NE(RegQuery("HKCR\\.mp3").find("Vorne.Media"), std::string::npos);
    EXPECT_NE(RegQuery("HKCR\\Vorne.PlayList\\shell\\open\\command")
                  .find("\"C:\\Program Files\\Vorne\\Vorne.exe\" %1"),
              std::string::npos);
    EXPECT_NE(RegQuery("HKCR\\Vorne.PlayList\\DefaultIcon").find("\"C:\\Program Files\\Vorne\\Vorne.icl\",4"),
              std::string::npos);
    EXPECT_NE(RegQuery("HKCR\\Vorne.Media").find("Vorne Media File"), std::string::npos);
    EXPECT_EQ(RegQuery("HKCR\\--Play Lists--"), "");
    // The ticks are read back from the registry.
    EXPECT_TRUE(dlg.RowTicked(RowOf(".vna")));
    EXPECT_TRUE(dlg.RowTicked(RowOf(".mp3")));
    EXPECT_FALSE(dlg.RowTicked(0));
    dlg.List1_Click(RowOf(".mp3"));
    EXPECT_EQ(dlg.AssociatedWith(), "Vorne.Media");
    EXPECT_EQ(dlg.AssociatedCommand(), "\"C:\\Program Files\\Vorne\\Vorne.exe\" %1");
    dlg.List1_Click(RowOf(".wav"));
    EXPECT_EQ(dlg.AssociatedWith(), "OtherPlayer.Wave");
    vorne::testing::SaveWindowShot(dlg.hWnd(), "prefs-filetypes-saved");

    // Untick .mp3 and save: its binding goes, the ProgID and .wav stay.
    dlg.SetRowTicked(RowOf(".mp3"), false);
    dlg.cmdSave_Click();
    EXPECT_EQ(RegQuery("HKCR\\.mp3").find("Vorne.Media"), std::string::npos);
    EXPECT_NE(RegQuery("HKCR\\Vorne.Media\\shell\\open\\command").find("Vorne.exe"), std::string::npos);
    EXPECT_NE(RegQuery("HKCR\\.wav").find("OtherPlayer.Wave"), std::string::npos);
    EXPECT_NE(RegQuery("HKCR\\.vna").find("Vorne.PlayList"), std::string::npos);
    EXPECT_FALSE(dlg.RowTicked(RowOf(".mp3")));
    EXPECT_EQ(dlg.FailureReports(), 0);
    dlg.cmdancel_Click();
    // Cancel after Save Changes keeps the registry.
    EXPECT_NE(RegQuery("HKCR\\.vna").find("Vorne.PlayList"), std::string::npos);
    vorne::registry::UnassociateFileType(reg, ".vna", kPlayListProgId);
    vorne::registry::UnassociateFileType(reg, ".wav", "OtherPlayer.Wave");
}

TEST_F(PreferencesDialog, AFailedSaveIsReportedOnce) {
    vorne::registry::FakeRegistry failing;
    forms::ScriptedDialogs boxes;
    boxes.QueueMsgBox(forms::vbOK);
    forms::DialogService* before = forms::SetDialogs(&boxes);
    FrmOptions dlg(options, host, failing, base);
    dlg.Show();
    failing.FailWith(vorne::registry::kRegAccessDenied);
    for (const char* e : {".vna", ".pls", ".mp3", ".wav"}) dlg.SetRowTicked(RowOf(e), true);
    dlg.cmdSave_Click();
    EXPECT_EQ(dlg.FailureReports(), 1);
    ASSERT_EQ(boxes.Log().size(), 1u);
    EXPECT_NE(boxes.Log()[0].prompt.find("could not be saved"), std::string::npos);
    EXPECT_FALSE(dlg.RowTicked(RowOf(".vna")));  // the ticks show what the registry holds
    dlg.Unload();
    forms::SetDialogs(before);
}

}  // namespace
}  // namespace vorne::player::preferences
