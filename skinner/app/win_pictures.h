// The editor's pictures on Windows: files read through the platform's
// picture loader (BMP, JPEG, GIF) into bitmaps the preview and the
// designer's picture boxes show.
#pragma once

#include "runtime/forms/forms.h"
#include "skinner/model/skin_editor.h"

namespace vorne::skinner {

class WinPicture : public EditorPicture {
public:
    explicit WinPicture(forms::PictureRef p) : picture_(std::move(p)) {}
    int Width() const override { return picture_->Width(); }
    int Height() const override { return picture_->Height(); }
    const forms::PictureRef& Picture() const { return picture_; }

private:
    forms::PictureRef picture_;
};

// The bitmap behind an editor picture (null for none).
forms::PictureRef BitmapOf(const EditorPictureRef& p);

class WinPictureService : public PictureService {
public:
    EditorPictureRef Load(const std::string& path) override;
    EditorPictureRef FirstCell(const EditorPictureRef& strip, int cells) override;
};

}  // namespace vorne::skinner
