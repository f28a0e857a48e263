#include "player/app/globals.h"

namespace vorne::player {

core::OptionsFile Options;
bool AppClosing = false;
bool PlaybackActive = false;
bool Seeking = false, VolumeChanging = false, AdvanceRequested = false, InterruptWait = false;
bool BuildingListTitles = false;
bool TagEditorOpen = false;
std::string CurrentFile;
core::SongInfoRecord CurrentSongInfo;
std::string PlayListPath;
std::array<std::string, 4> AuthorInfo;
HRGN WindowRegion = nullptr;
std::string SessionStartPlayTime = "0";
std::function<void(core::TextSources&)> MediaFacts;

core::TextSources& CurrentTextSources() {
    static core::TextSources sources;
    sources.CurrentSongInfo = &CurrentSongInfo;
    sources.CurrentFile = CurrentFile;
    sources.BuildingListTitles = BuildingListTitles;
    if (MediaFacts) MediaFacts(sources);
    if (!sources.ReadSongInfo) {
        sources.ReadSongInfo = [](const std::string& path) {
            core::SongInfoContext ctx;
            ctx.CurrentFile = CurrentFile;
            return core::GetMp3Info(path, ctx);
        };
    }
    return sources;
}

std::string ExpandTemplate(std::string_view tmpl, const std::string& fileName, bool useFileNameAsTitle) {
    return core::MakeTextString(tmpl, fileName, useFileNameAsTitle, CurrentTextSources());
}

}  // namespace vorne::player
