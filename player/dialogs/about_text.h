#pragma once
// The about box's release history, one line per entry. Window-free.
#include <string>
#include <vector>

namespace vorne::player::dialogs {

// Four releases, newest first; each heading followed by its numbered
// notes, every heading but the first by a separator line first, and an
// empty line between releases.
std::vector<std::string> ReleaseHistory();
// The lines joined, each followed by CR LF.
std::string ReleaseHistoryText();

inline constexpr const char* kHistorySeparator = "-====================-";

}  // namespace vorne::player::dialogs
