#include "player/commands/commands.h"

#include <utility>

namespace vorne::player::commands {

namespace {

struct KeyEntry {
    std::string_view key;
    Command command;
};

constexpr KeyEntry kKeys[] = {
    {"cmdGenOptions", Command::Options},
    {"cmdGenAbout", Command::About},
    {"cmdGenHelp", Command::Help},
    {"cmdGenExit", Command::Exit},
    {"cmdIntSkinShed", Command::Skin},
    {"cmdIntSkinVIEW", Command::ViewAuthor},
    {"cmdIntSkinDef", Command::DefaultSkin},
    {"cmdIntOntop", Command::OnTop},
    {"cmdIntSnap", Command::Snap},
    {"cmdpbckTagInfo", Command::TagInfo},
    {"cmdpbckPrev", Command::Previous},
    {"cmdpbckPlay", Command::Play},
    {"cmdpbckPause", Command::Pause},
    {"cmdpbckStop", Command::Stop},
    {"cmdpbckNext", Command::Next},
    {"cmdpbckFadeOut", Command::FadeOut},
    {"cmdpbckFadeIn", Command::FadeIn},
    {"cmdpbckRandom", Command::Random},
    {"cmdpbckRepeat", Command::Repeat},
    {"cmdpbckLoad", Command::Load},
    {"cmdpbckOpenLoc", Command::OpenLocation},
    {"cmdpbckAdvances", Command::Advances},
    {"cmdpbckvidwindow", Command::VideoWindow},
    {"cmdpbckStats", Command::Statistics},
    {"cmdOutput2Wave", Command::OutputToWave},
    {"cmdOutputCassetteCreator", Command::AudioCassette},
};

}  // namespace

Command CommandForKey(std::string_view key) {
    // Keys are matched exactly, letter case included.
    for (const KeyEntry& e : kKeys)
        if (e.key == key) return e.command;
    return Command::None;
}

Command CommandForKeyUp(int keyCode, int shift) {
    switch (keyCode) {
    case 90: return Command::Previous;  // Z
    case 88: return Command::Play;      // X
    case 67: return Command::Pause;     // C
    case 86: return Command::Stop;      // V
    case 66: return Command::Next;      // B
    case 188: return Command::FadeOut;  // comma
    case 190: return Command::FadeIn;   // period
    case 87: return shift == kCtrlBit ? Command::VideoWindow : Command::None;  // W
    case 51: return shift == kAltBit ? Command::TagEditor : Command::None;     // 3
    default: return Command::None;
    }
}

TrayAction TrayEventAction(int event, int button, bool mainWindowVisible) {
    if (event == 2) return button == 2 ? TrayAction::PopupMenu : TrayAction::None;
    if (event == 3) return mainWindowVisible ? TrayAction::HideToTray : TrayAction::ShowFromTray;
    return TrayAction::None;
}

const char* CommandName(Command c) {
    static const char* const kNames[] = {
        "None", "Options", "About", "Help", "Exit", "Skin", "ViewAuthor", "DefaultSkin", "OnTop", "Snap",
        "TagInfo", "Previous", "Play", "Pause", "Stop", "Next", "FadeOut", "FadeIn", "Random", "Repeat",
        "Load", "OpenLocation", "Advances", "VideoWindow", "Statistics", "OutputToWave", "AudioCassette",
        "TagEditor"};
    const auto i = static_cast<size_t>(c);
    return i < sizeof(kNames) / sizeof(kNames[0]) ? kNames[i] : "?";
}

}  // namespace vorne::player::commands
