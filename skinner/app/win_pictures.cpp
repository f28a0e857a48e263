#include "skinner/app/win_pictures.h"

namespace vorne::skinner {

forms::PictureRef BitmapOf(const core::EditorPictureRef& p) {
    auto* w = dynamic_cast<const WinPicture*>(p.get());
    return w ? w->Picture() : nullptr;
}

core::EditorPictureRef WinPictureService::Load(const std::string& path) {
    if (path.empty()) return nullptr;
    forms::PictureRef p = forms::Picture::FromFile(path);
    if (!p) return nullptr;
    return std::make_shared<WinPicture>(std::move(p));
}

core::EditorPictureRef WinPictureService::FirstCell(const core::EditorPictureRef& strip, int cells) {
    forms::PictureRef whole = BitmapOf(strip);
    if (!whole || cells <= 0) return nullptr;
    // The cell keeps its fraction in the source's measure; the copy takes
    // whole pixels.
    const float width = static_cast<float>(whole->Width()) / static_cast<float>(cells);
    forms::PictureRef cell = forms::Picture::Copy(whole->Handle(), 0, 0, static_cast<int>(width), whole->Height());
    if (!cell) return nullptr;
    return std::make_shared<WinPicture>(std::move(cell));
}

}  // namespace vorne::skinner
