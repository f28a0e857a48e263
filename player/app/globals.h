// The player's module-level state: the options and statistics, the flags
// several windows share, and the current song. One user-interface thread
// reads and writes them; nothing here is locked.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "player/core/options.h"
#include "player/core/song_info.h"
#include "player/core/text_display.h"

namespace vorne::player {

// Every stored option and statistic (Vorne.ini), with the values the main
// window's load sets before the file is read.
extern core::OptionsFile Options;

// The player is shutting down: the playlist window really unloads and
// saves, and a new load of the main window unloads at once.
extern bool AppClosing;
// A song is meant to be playing.
extern bool PlaybackActive;
extern bool Seeking, VolumeChanging, AdvanceRequested, InterruptWait;
extern bool BuildingListTitles;
// The tag editor is loaded: each new stream fills it from the song now playing.
extern bool TagEditorOpen;
// The path now playing, "STREAM" for a network stream, "" after a missing file.
extern std::string CurrentFile;
extern core::SongInfoRecord CurrentSongInfo;
// The play list file last loaded.
extern std::string PlayListPath;
// The skin's author details: name, description, e-mail, home page.
extern std::array<std::string, 4> AuthorInfo;
// The region last given to the main window (the window owns it).
extern HRGN WindowRegion;
// TotalPlayTime when this run started.
extern std::string SessionStartPlayTime;

// What MakeTextString reads of the running player, filled from the state
// above on each call.
core::TextSources& CurrentTextSources();
// Fills in what the media control knows (duration, position, clip
// information); set by the main window once its control is open.
extern std::function<void(core::TextSources&)> MediaFacts;
// MakeTextString over the running player.
std::string ExpandTemplate(std::string_view tmpl, const std::string& fileName, bool useFileNameAsTitle);

}  // namespace vorne::player
