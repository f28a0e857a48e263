#include "player/preferences/preferences_core.h"

#include <algorithm>

#include "runtime/registry/associate.h"

namespace vorne::player::preferences {

int ClampToRange(long value, SliderRange r) {
    return static_cast<int>(std::clamp<long>(value, r.min, r.max));
}

PreferenceValues ShowCurrentOptions(const core::OptionsFile& o, double bufferingSeconds, int iconMax, int trayMax) {
    PreferenceValues v;
    v.playOnStart = o.PlayListOnStart != 0;
    v.priority = ClampToRange(o.PriorityLevel, kPriorityRange);
    v.songInfoFormat = o.SongInfoFormat;
    v.trayTipFormat = o.TrayTipFormat;
    v.playListFormat = o.PlayListFormat;
    v.refreshSeconds = ClampToRange(o.InfoRefreshSeconds, kRefreshRange);
    v.follows = o.PlayListFollows != 0;
    v.helpfulCursors = o.ShowHelpfulCursors != 0;
    v.trayIcon = ClampToRange(o.TrayIconIndex, {1, std::max(1, trayMax)});
    v.wait = ClampToRange(o.PlayListWait, kWaitRange);
    v.showVideo = o.ShowVideoWindow != 0;
    v.multipleInstances = o.AllowMultipleInstances != 0;
    v.playListIcon = ClampToRange(o.PlayListIconIndex, {0, std::max(0, iconMax)});
    v.mediaIcon = ClampToRange(o.MediaIconIndex, {0, std::max(0, iconMax)});
    const double rounded = bufferingSeconds < 0 ? 0 : bufferingSeconds + 0.5;
    v.buffering = ClampToRange(static_cast<long>(std::min(rounded, 1e6)), kBufferingRange);
    v.snap = ClampToRange(o.SnapDistance, kSnapRange);
    v.rememberLastSong = o.LastSongIndex >= 0;
    return v;
}

int ApplyOptions(const PreferenceValues& v, core::OptionsFile& o, PreferencesHost& host) {
    int failed = 0;
    auto step = [&failed](auto&& f) {
        try {
            f();
        } catch (...) {
            ++failed;
        }
    };
    auto flag = [](bool b) { return static_cast<int16_t>(b ? 1 : 0); };
    step([&] { o.PlayListOnStart = flag(v.playOnStart); });
    step([&] {
        o.PriorityLevel = static_cast<int16_t>(v.priority);
        host.SetProcessPriority(v.priority);
    });
    step([&] {
        o.SongInfoFormat = v.songInfoFormat;
        o.TrayTipFormat = v.trayTipFormat;
        o.PlayListFormat = v.playListFormat;
    });
    step([&] {
        o.InfoRefreshSeconds = static_cast<int16_t>(v.refreshSeconds);
        o.ShowHelpfulCursors = flag(v.helpfulCursors);
        o.TrayIconIndex = static_cast<int16_t>(v.trayIcon);
        o.PlayListWait = static_cast<int16_t>(v.wait);
        o.ShowVideoWindow = flag(v.showVideo);
        o.AllowMultipleInstances = flag(v.multipleInstances);
    });
    step([&] {
        o.BufferingTime = static_cast<double>(v.buffering);
        host.SetBufferingTime(static_cast<double>(v.buffering));
    });
    step([&] {
        o.SnapDistance = v.snap;
        o.PlayListIconIndex = static_cast<int16_t>(v.playListIcon);
        o.MediaIconIndex = static_cast<int16_t>(v.mediaIcon);
    });
    step([&] { host.SetTrayPicture(o.TrayIconIndex); });
    step([&] { host.SetRefreshInterval(core::RefreshIntervalMs(static_cast<int16_t>(v.refreshSeconds)).value_or(0)); });
    step([&] { o.PlayListFollows = flag(v.follows); });
    step([&] { o.LastSongIndex = v.rememberLastSong ? host.SelectedTitle() : -1; });
    return failed;
}

std::optional<std::string> PriorityCaption(int position) {
    switch (position) {
    case 0: return "Priority Level (IDLE):";
    case 1: return "Priority Level (NORMAL):";
    case 2: return "Priority Level (HIGH):";
    case 3: return "Priority Level (REALTIME):";
    default: return std::nullopt;
    }
}

std::string WaitCaption(int position) { return "Wait " + std::to_string(position) + " seconds"; }

int TypeIconMax(const std::function<bool(int id)>& loads) {
    for (int id = 101; id <= 201; ++id)
        if (!loads(id)) return std::max(0, id - 102);
    return kDesignIconMax;
}

const std::vector<std::string>& FileTypeRows() {
    static const std::vector<std::string> rows = [] {
        const std::string mask =
            "--Play Lists--;.vna;.pls;.m3u;--Media Types--;.asf;.asx;.wm;.wmf;.wma;.wax;.avi;.wav;.mpeg;.mpg;"
            ".mpe;.mpv;.m1v;.mp2;.mpv2;.mp2v;.mpa;.mp3;.mid;.midi;.rmi;.aif;.aifc;.aiff;.au;.snd;.mov;.qt;.ra;"
            ".ram;.rm;.rmm";
        std::vector<std::string> out;
        size_t start = 0;
        while (true) {
            const size_t semi = mask.find(';', start);
            out.push_back(mask.substr(start, semi == std::string::npos ? std::string::npos : semi - start));
            if (semi == std::string::npos) break;
            start = semi + 1;
        }
        return out;
    }();
    return rows;
}

bool IsHeading(const std::string& row) { return !row.empty() && row.front() == '-'; }

bool IsPlayListType(const std::string& e) { return e == ".pls" || e == ".m3u" || e == ".vna"; }

std::string ProgramBase(const std::string& folder, const std::string& exeName) {
    std::string base = folder;
    if (base.empty() || base.back() != '\\') base += '\\';
    return base + exeName;
}

namespace {
bool Ours(const std::string& progId) { return progId == kPlayListProgId || progId == kMediaProgId; }
}  // namespace

std::vector<bool> CheckSpecAssociation(vorne::registry::Registry& reg, const std::vector<std::string>& rows) {
    std::vector<bool> ticks(rows.size(), false);
    for (size_t i = 0; i < rows.size(); ++i)
        if (!IsHeading(rows[i])) ticks[i] = Ours(vorne::registry::QueryFileType(reg, rows[i], vorne::registry::ftqProgId));
    return ticks;
}

SaveResult SaveAssociations(vorne::registry::Registry& reg, const std::vector<std::string>& rows,
                            const std::vector<bool>& ticked, const std::vector<bool>& tickedBefore,
                            const std::string& programBase, int playListIcon, int mediaIcon) {
    SaveResult r;
    const std::string command = "\"" + programBase + ".exe\"";
    const std::string iconFile = "\"" + programBase + ".icl\"";
    auto note = [&r](vorne::registry::RegStatus s) {
        if (s == vorne::registry::kRegOk) return;
        ++r.failures;
        if (r.firstFailure == vorne::registry::kRegOk) r.firstFailure = s;
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string& ext = rows[i];
        if (IsHeading(ext)) continue;
        const bool now = i < ticked.size() && ticked[i];
        const bool before = i < tickedBefore.size() && tickedBefore[i];
        if (now) {
            const bool list = IsPlayListType(ext);
            note(vorne::registry::AssociateFileType(reg, ext, list ? kPlayListProgId : kMediaProgId,
                                            list ? "Vorne Play List" : "Vorne Media File", command, iconFile,
                                            std::to_string(list ? playListIcon : mediaIcon)));
            ++r.registered;
        } else if (before) {
            // Only while the extension still names one of ours.
            const std::string bound = vorne::registry::QueryFileType(reg, ext, vorne::registry::ftqProgId);
            if (Ours(bound)) {
                note(vorne::registry::UnassociateFileType(reg, ext, bound));
                ++r.unregistered;
            }
        }
    }
    return r;
}

}  // namespace vorne::player::preferences
