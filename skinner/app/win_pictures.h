// The editor's pictures on Windows: files read through the platform's
// picture loader (BMP, JPEG, GIF) into bitmaps the preview and the
// designer's picture boxes show.
#pragma once

#include "runtime/forms/forms.h"
#include "skinner/core/skin_editor.h"

namespace vorne::skinner {

class WinPicture : public core::EditorPicture {
public:
    explicit WinPicture(forms::PictureRef p) : picture_(std::move(p)) {}
    int Width() const override { return picture_->Width(); }
    int Height() const override { return picture_->Height(); }
    const forms::PictureRef& Picture() const { return picture_; }

private:
    forms::PictureRef picture_;
};

// The bitmap behind an editor picture (null for none).
forms::PictureRef BitmapOf(const core::EditorPictureRef& p);

class WinPictureService : public core::PictureService {
public:
    core::EditorPictureRef Load(const std::string& path) override;
    core::EditorPictureRef FirstCell(const core::EditorPictureRef& strip, int cells) override;
};

}  // namespace vorne::skinner
