#include "tools/stripmaker/bmp_file.h"

#include <string_view>

#include "runtime/basic/basic.h"
#include "runtime/bitmap/bmp_core.h"

namespace vorne::stripmaker {

std::vector<std::uint8_t> EncodeBmp(const PixelBuffer& picture) {
    if (picture.Empty()) return {};
    // The buffer's 0x00RRGGBB is the shared writer's own layout.
    return bitmap::EncodeBmp(bitmap::ImageView(picture.Width(), picture.Height(), picture.Pixels().data()),
                             bitmap::kPixelsPerMetreAt96Dpi);
}

bool SaveBmp(const std::string& path, const PixelBuffer& picture) {
    const std::vector<std::uint8_t> bytes = EncodeBmp(picture);
    if (bytes.empty() || path.empty()) return false;
    return vorne::basic::WriteFileAtomic(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace vorne::stripmaker
