#pragma once
// Names of the window properties that hold the subclassing bookkeeping. The
// window handle is written as signed decimal text, the message in decimal,
// the client position counted from 1:
//   "C1234"      attachment count of window 1234
//   "1234"       its previous window procedure
//   "1234#74C"   number of clients of message 74
//   "1234#74#1"  first client of message 74
#include <cstdint>
#include <string>

namespace vorne::subclass {

inline std::string WindowKey(int32_t hwnd) { return std::to_string(hwnd); }
inline std::string AttachCountKey(int32_t hwnd) { return "C" + WindowKey(hwnd); }
inline std::string MessageCountKey(int32_t hwnd, uint32_t msg) {
    return WindowKey(hwnd) + "#" + std::to_string(msg) + "C";
}
inline std::string ClientKey(int32_t hwnd, uint32_t msg, int32_t position) {
    return WindowKey(hwnd) + "#" + std::to_string(msg) + "#" + std::to_string(position);
}

}  // namespace vorne::subclass
