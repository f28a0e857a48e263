#pragma once
// What the player can be told to do from its popup menu and its keys, and
// which menu key or key release asks for which command. Window-free: the
// main window runs the handler a command names.
#include <string_view>

namespace vorne::player::commands {

enum class Command {
    None,
    Options,        // cmdOptions_Click
    About,          // cmdAbout_Click
    Help,           // cmdHelp_Click
    Exit,           // cmdExit_Click
    Skin,           // cmdSkin_Click
    ViewAuthor,     // the skin-author window
    DefaultSkin,    // cmdDefaultSkin_Click
    OnTop,          // cmdontop_Click, then the item's tick
    Snap,           // Form_DblClick
    TagInfo,        // cmdTag_Click
    Previous,       // cmdPrev_Click
    Play,           // cmdPlay_Click
    Pause,          // cmdPause_Click
    Stop,           // cmdStop_Click
    Next,           // cmdNext_Click
    FadeOut,        // cmdFadeout_Click
    FadeIn,         // cmdFadein_Click
    Random,         // cmdRandom_Click, the tick, RandomOn, RefreshAllOptions
    Repeat,         // cmdRepeat_Click, the tick, RepeatOn, RefreshAllOptions
    Load,           // cmdLoad_Click
    OpenLocation,   // cmdOpenLoc_Click
    Advances,       // chkLoop_Click, then the item's tick
    VideoWindow,    // cmdShowVid_Click
    Statistics,     // cmdStat_Click
    OutputToWave,   // cmdOutput_Click
    AudioCassette,  // cmdAudioCass_Click
    TagEditor,      // the tag editor, modal (Alt+3)
};

// The command of a popup item's key; None for any other key (separators,
// headings and submenu titles have the empty key).
Command CommandForKey(std::string_view key);

// Key codes and the shift bits of a key release.
constexpr int kShiftBit = 1, kCtrlBit = 2, kAltBit = 4;
// The command of a key release: Z X C V B run the transport whatever the
// modifiers, comma and period the fades; Ctrl alone with W the video
// window, Alt alone with 3 the tag editor. None for every other release.
Command CommandForKeyUp(int keyCode, int shift);

// What a tray icon event asks of the main window. Event 2 (mouse up) with
// the right button: the popup menu at the cursor. Event 3 (double click):
// hide the main window to the tray when it is visible, else bring it back.
// Event 1 and everything else: nothing.
enum class TrayAction { None, PopupMenu, HideToTray, ShowFromTray };
TrayAction TrayEventAction(int event, int button, bool mainWindowVisible);

// A readable name for tables and traces ("Play").
const char* CommandName(Command c);

}  // namespace vorne::player::commands
