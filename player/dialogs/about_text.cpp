#include "player/dialogs/about_text.h"

namespace vorne::player::dialogs {

namespace {

struct Release {
    const char* heading;
    std::vector<const char*> notes;
};

const Release kReleases[] = {
    {"Version 2.0 (Build 1)",
     {"Minimising hides the player to the tray only while the tray icon is there.",
      "A skin chosen from the tray is built at the player's restored size.",
      "Links in a skin's author details open web pages and mail addresses only.",
      "Unticking a file type leaves other programs' file types alone.",
      "Statistics that hold something other than a number read as 0."}},
    {"Version 2.0 (Build 0)",
     {"New popup menu with icons, group headings and submenus.", "New preferences dialog with three pages.",
      "Tray icon with a tool tip that follows the song.", "Play statistics window.",
      "Snap to the screen edges by double-clicking the player.", "Fade in and fade out.",
      "Keyboard shortcuts for the transport (Z X C V B).", "Cassette planner for recording tapes.",
      "Output of songs to wave files.", "The play list can follow the main window.",
      "Skin author details can be viewed from the menu."}},
    {"Version 1.3 (Build 96)",
     {"Scrolling labels can be set to scroll in any direction.", "The play list remembers the last song played.",
      "Fixed the time display when a song is longer than an hour."}},
    {"Version 1.3 (Build 88)",
     {"First release of the skinnable player.", "Play lists in three formats.", "Built-in default skin."}},
};

}  // namespace

std::vector<std::string> ReleaseHistory() {
    std::vector<std::string> lines;
    bool first = true;
    for (const Release& r : kReleases) {
        if (!first) lines.emplace_back();
        lines.emplace_back(r.heading);
        if (!first) lines.emplace_back(kHistorySeparator);
        int n = 0;
        for (const char* note : r.notes) {
            ++n;
            lines.push_back(std::to_string(n) + (n < 10 ? ".  " : ". ") + note);
        }
        first = false;
    }
    return lines;
}

std::string ReleaseHistoryText() {
    std::string text;
    for (const std::string& line : ReleaseHistory()) text += line + "\r\n";
    return text;
}

}  // namespace vorne::player::dialogs
