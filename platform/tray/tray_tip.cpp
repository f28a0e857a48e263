#include "platform/tray/tray_tip.h"

namespace vorne::tray {

std::string CutTip(std::string_view tip, std::size_t room, const std::function<bool(unsigned char)>& isLeadByte) {
    if (room == 0) return {};
    const std::size_t limit = room - 1;
    std::size_t end = 0;
    while (end < tip.size()) {
        const std::size_t width =
            (isLeadByte && isLeadByte(static_cast<unsigned char>(tip[end])) && end + 1 < tip.size()) ? 2 : 1;
        if (end + width > limit) break;
        end += width;
    }
    return std::string(tip.substr(0, end));
}

}  // namespace vorne::tray
