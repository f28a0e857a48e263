// The player loaded as the program loads it, for the tests that drive its
// joined windows under Wine: in the test's own folder, with options of its
// own (nothing plays at the start) and no auto-saved list, the windows the
// program joins to the main window, then the main window's own load.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "platform/mediaplayer/media_player.h"
#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/playlist_window.h"
#include "player/app/running_main_window.h"
#include "player/core/options.h"
#include "player/output/output_window.h"
#include "player/video/video_window.h"
#include "runtime/com/late_bound.h"
#include "runtime/testing/message_pump.h"

namespace vorne::player::testing {

// The folder of the test, where the player keeps its files.
inline std::string Folder() { return forms::App::Path() + "\\"; }

inline void LoadPlayer() {
    OleInitialize(nullptr);
    core::OptionsFile o;
    o.PlayListOnStart = 0;
    o.AlwaysOnTop = 0;
    core::SaveOptionsFile(core::OptionsFileName(forms::App::Path()), o);
    DeleteFileA((Folder() + "Vorne.gen").c_str());
    ConnectSecondaryWindows();
    frmMain().Load();
}

inline void UnloadPlayer() {
    frmMain().cmdStop_Click();
    frmMain().Unload();
}

inline long PlayStateOf(IDispatch* d) {
    com::Variant v;
    if (!d || FAILED(com::GetProperty(d, vorne::mediaplayer::kDispPlayState, &v))) return -1;
    return v.AsLong(-1);
}

inline long MainPlayState() { return PlayStateOf(frmMain().NSPlay1()); }

// Stopped, and the main control without a file, for the next test.
inline void StopAndCloseTheSong() {
    frmMain().cmdStop_Click();
    vorne::testing::PumpUntil([] { return MainPlayState() != vorne::mediaplayer::kStatePlaying; }, 2000);
    VARIANT none = com::TextArg("");
    com::PutProperty(frmMain().NSPlay1(), vorne::mediaplayer::kDispFileName, none);
    VariantClear(&none);
    forms::DoEvents();
}

// Entry i alone selected in the playlist.
inline void SelectEntry(int i) {
    forms::ListBox& l = frmList().List1;
    l.SetSelection(std::vector<bool>(static_cast<size_t>(l.ListCount()), false));
    l.SetListIndex(i);
    l.SetSelected(i, true);
}

// Entry i played as a double-click plays it; whether the control then plays.
inline bool PlayEntry(int i) {
    SelectEntry(i);
    frmList().PlaySelected();
    return vorne::testing::PumpUntil([] { return MainPlayState() == vorne::mediaplayer::kStatePlaying; });
}

}  // namespace vorne::player::testing
