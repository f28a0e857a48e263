#pragma once
// The preferences dialog without its window: the option values its
// controls show, Apply (controls back into the options, then the actions),
// the slider captions, the list of file types and their association with
// the player. Window-free.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "player/core/options.h"
#include "runtime/registry/registry.h"

namespace vorne::player::preferences {

// What the dialog's controls hold.
struct PreferenceValues {
    bool playOnStart = false;      // chkPlayPlayListonLoad
    int priority = 2;              // Slider1, 0..3
    std::string songInfoFormat;    // txtDisp
    std::string trayTipFormat;     // txtTip
    std::string playListFormat;    // txtPlayList
    int refreshSeconds = 1;        // Slider2, 0..10
    bool follows = false;          // chkFollow
    bool helpfulCursors = false;   // chkShowCursors
    int trayIcon = 6;              // sldrTray, 1..6
    int wait = 0;                  // sldrWait, 0..10
    bool showVideo = false;        // chkVid
    bool multipleInstances = false;  // chkInstances
    int playListIcon = 0;          // sdrPL, 0..5
    int mediaIcon = 0;             // sdrMEDIA, 0..5
    int buffering = 1;             // slidbuf, 1..30 seconds
    int snap = 10;                 // slidSnap, 0..50 pixels
    bool rememberLastSong = false; // chkMemory
};

// The slider ranges the dialog opens with.
struct SliderRange {
    int min, max;
};
constexpr SliderRange kPriorityRange{0, 3}, kRefreshRange{0, 10}, kWaitRange{0, 10}, kBufferingRange{1, 30},
    kSnapRange{0, 50};
// Before the dialog counts its pictures.
constexpr int kDesignIconMax = 10;

// The value a slider shows for an option outside its range: the nearest end.
int ClampToRange(long value, SliderRange range);

// ShowCurrentOptions: the options (and the media control's buffering
// time, seconds) as control values.
PreferenceValues ShowCurrentOptions(const core::OptionsFile& o, double bufferingSeconds, int iconMax, int trayMax);

// What Apply changes outside the options.
class PreferencesHost {
public:
    virtual ~PreferencesHost() = default;
    virtual void SetProcessPriority(int level) = 0;
    virtual void SetBufferingTime(double seconds) = 0;
    // Tray picture n (1..6).
    virtual void SetTrayPicture(int n) = 0;
    // The display refresh timer's interval; 0 stops it.
    virtual void SetRefreshInterval(int32_t ms) = 0;
    // The playlist's selected title, -1 when none.
    virtual int32_t SelectedTitle() = 0;
};

// ApplyOptions: stores the values in o in the dialog's order and runs the
// actions. Every step stands alone: one that fails (throws) is skipped and
// the next runs. Returns the number of steps that failed.
int ApplyOptions(const PreferenceValues& v, core::OptionsFile& o, PreferencesHost& host);

// Slider captions: "Priority Level (IDLE):" ... for 0..3, nothing for
// other values (the label keeps its text); "Wait n seconds".
std::optional<std::string> PriorityCaption(int position);
std::string WaitCaption(int position);

// The number of type icons: ids 101, 102, ... up to 201 are tried in turn;
// at the first that does not load, the sliders' maximum becomes that id
// minus 102. When all load the design maximum stays.
int TypeIconMax(const std::function<bool(int id)>& loads);

// --- file types
// The 37 rows: "--Play Lists--", the three list types, "--Media Types--"
// and the 32 media types.
const std::vector<std::string>& FileTypeRows();
// A row that begins with "-" is a heading: never queried or registered.
bool IsHeading(const std::string& row);

inline constexpr const char* kPlayListProgId = "Vorne.PlayList";
inline constexpr const char* kMediaProgId = "Vorne.Media";
// ".pls", ".m3u" and ".vna" (exactly, letter case counts) are play lists.
bool IsPlayListType(const std::string& extension);

// Where the registry entries point: the program folder with a "\" when it
// has none, and the program's name without extension.
std::string ProgramBase(const std::string& folder, const std::string& exeName);

// CheckSpecAssociation: a tick for each row bound to one of our ProgIDs.
std::vector<bool> CheckSpecAssociation(vorne::registry::Registry& reg, const std::vector<std::string>& rows);

struct SaveResult {
    int registered = 0, unregistered = 0;
    int failures = 0;  // rows whose registry writes failed
    vorne::registry::RegStatus firstFailure = vorne::registry::kRegOk;
};

// Save Changes. For each row that is no heading: ticked now -> registered
// again with the icon numbers given (open command "\"<base>.exe\"" and icon
// "\"<base>.icl\",<n>"); ticked before but not now -> the extension's binding
// goes, but only while it still names one of our ProgIDs (another
// program's binding and every ProgID key stay); unticked in both -> left
// alone.
SaveResult SaveAssociations(vorne::registry::Registry& reg, const std::vector<std::string>& rows,
                            const std::vector<bool>& ticked, const std::vector<bool>& tickedBefore,
                            const std::string& programBase, int playListIcon, int mediaIcon);

}  // namespace vorne::player::preferences
