#pragma once
// The tray icon's tool tip as the platform holds it: at most `room` - 1
// bytes of ANSI text, cut before a double-byte character rather than
// through it. Window-free; isLeadByte says which bytes begin a double-byte
// character in the ANSI code page.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vorne::tray {

// The tip's room in the platform's record, the closing NUL included.
constexpr std::size_t kTipRoom = 128;

std::string CutTip(std::string_view tip, std::size_t room, const std::function<bool(unsigned char)>& isLeadByte);

}  // namespace vorne::tray
