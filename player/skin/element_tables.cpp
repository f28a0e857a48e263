#include "player/skin/element_tables.h"

namespace vorne::player::skin {

std::string StaticLabelText(std::string_view action, std::string_view txt) {
    if (!txt.empty()) return std::string(txt);
    return action == "Time Display" ? "00:00" : "0";
}

std::string ScrollingLabelText(bool captionShown, std::string_view txt, std::string_view versionText) {
    if (!captionShown) return "Vorne  - " + std::string(versionText);
    return txt.empty() ? std::string("0") : std::string(txt);
}

}  // namespace vorne::player::skin
