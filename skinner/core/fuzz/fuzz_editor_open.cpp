// Any bytes opened in the editor, twice (the second open replaces a skin
// that has elements): every row of a known kind names a loaded element, and
// the skin the editor then saves reads back complete with the same records.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "runtime/forms/dialogs.h"
#include "skinner/core/skin_editor.h"

using namespace vorne;

namespace {

class Answers : public forms::DialogService {
public:
    int MsgBox(const std::string&, int, const std::string&) override { return forms::vbOK; }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
};

class NoPictures : public skinner::core::PictureService {
public:
    skinner::core::EditorPictureRef Load(const std::string&) override { return nullptr; }
    skinner::core::EditorPictureRef FirstCell(const skinner::core::EditorPictureRef&, int) override { return nullptr; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    Answers answers;
    forms::ScopedDialogs scope(answers);
    NoPictures pictures;
    skinner::core::SkinEditor ed(pictures);
    for (int pass = 0; pass < 2; ++pass) {
        if (!ed.OpenSkinData("C:\\skins\\fuzz.vsk", in)) return 0;
        for (const skinner::core::ObjectRow& r : ed.Rows()) {
            const vorne::player::skin::SkinKind k = vorne::player::skin::KindFromText(r.kind);
            auto idx = vorne::player::skin::ToLong(r.ref);
            if (k == vorne::player::skin::SkinKind::Other || !idx || !ed.Element(k, *idx)) std::abort();
        }
    }
    const vorne::player::skin::SkinDocument doc = ed.Document();
    vorne::player::skin::SkinDocument back;
    if (vorne::player::skin::ReadSkinDocument(vorne::player::skin::WriteSkinText(doc), back) != vorne::player::skin::ReadResult::Complete) std::abort();
    if (back.objects.size() != doc.objects.size()) std::abort();
    for (size_t i = 0; i < doc.objects.size(); ++i)
        if (back.objects[i].kind != doc.objects[i].kind || back.objects[i].action != vorne::player::skin::OneLine(doc.objects[i].action))
            std::abort();
    return 0;
}
