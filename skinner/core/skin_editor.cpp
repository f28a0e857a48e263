#include "skinner/core/skin_editor.h"

#include <algorithm>
#include <cmath>

#include "runtime/basic/basic.h"
#include "runtime/forms/dialogs.h"
#include "runtime/text/ansi.h"

namespace vorne::skinner::core {

namespace {

constexpr int kImageKind = 2;
constexpr const char* kUnsavedQuestion =
    "Current Skin has changes that have not been saved.  Do you wish to save now?";

size_t KindSlot(SkinKind kind) { return static_cast<size_t>(kind); }

bool Known(SkinKind kind) { return kind != SkinKind::Other; }

std::string FolderKey(std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return vorne::basic::UCase(folder);
}

int CellsOfImageAction(int p, int listCount) {
    if (p == 0) return 1;
    if (p >= 1 && p <= 7) return 4;
    if (p >= 8 && p <= listCount) return 2;
    return 0;
}

PreviewElement Template(SkinKind kind) {
    PreviewElement e;
    e.kind = kind;
    e.visible = false;
    switch (kind) {
        case SkinKind::ScrollingLabel:
            e.width = 1500, e.height = 255;
            e.foreColor = 0, e.backColor = 0xFFFFFF;
            e.font = {"Arial", 8.25f, false, false, false, false};
            break;
        case SkinKind::ScrollBar: e.width = 1500, e.height = 225; break;
        case SkinKind::Image: e.width = 480, e.height = 480; break;
        default: break;
    }
    return e;
}

}  // namespace

std::string CaptionForPath(const std::string& path) {
    if (path.size() <= 40) return "Quarl - " + path;
    return "Quarl - " + path.substr(0, 3) + ".." + path.substr(path.size() - 40);
}

std::string MakeTextString(std::string_view f) {
    static const std::pair<const char*, const char*> kTwo[] = {
        {"%1", "Artist"}, {"%2", "Title"}, {"%3", "Album"}, {"%4", "YYear"},
        {"%5", "Comment"}, {"%6", "Genre"}, {"%%", "%"},
    };
    static const std::pair<const char*, const char*> kThree[] = {
        {"%NL", "\r\n"}, {"%TT", "11:11"}, {"%TC", "00:11"}, {"%TR", "-11:11"}, {"%TB", "\t"},
    };
    std::string out;
    size_t i = 0;
    while (i < f.size()) {
        bool done = false;
        for (const auto& [key, sample] : kTwo) {
            if (f.substr(i, 2) == key) {
                out += sample;
                i += 2;
                done = true;
                break;
            }
        }
        for (const auto& [key, sample] : kThree) {
            if (done) break;
            if (f.substr(i, 3) == key) {
                out += sample;
                i += 3;
                done = true;
            }
        }
        if (!done) out += f[i++];
    }
    return out;
}

int KindPosition(std::string_view kindText) {
    const SkinKind k = vorne::player::skin::KindFromText(kindText);
    return Known(k) ? static_cast<int>(k) : -1;
}

std::string TypeInText(std::string_view text) { return vorne::basic::CStr(vorne::basic::Val(text)); }

// --- construction and state --------------------------------------------------------------------

SkinEditor::SkinEditor(PictureService& pictures, activex::TwipsScale scale)
    : pictures_(pictures),
      scale_(scale),
      designer_(cmboObjects, cmboActions, img1, img2, txtCaption, vorne::player::skin::ActionLists::Editor) {
    for (int k = 0; k < 4; ++k) templates_[static_cast<size_t>(k)] = Template(static_cast<SkinKind>(k));
    txtBackPath.OnChange = [this] { SkinChanged = true; };
    designer_.FillKinds();
    CleanAll();
}

std::map<int, PreviewElement>& SkinEditor::Array(SkinKind kind) { return arrays_[KindSlot(kind)]; }

const std::map<int, PreviewElement>& SkinEditor::Elements(SkinKind kind) const { return arrays_[KindSlot(kind)]; }

int& SkinEditor::Counter(SkinKind kind) { return counters_[KindSlot(kind)]; }

int SkinEditor::LastIndex(SkinKind kind) const { return Known(kind) ? counters_[KindSlot(kind)] : 0; }

const PreviewElement* SkinEditor::Element(SkinKind kind, int index) const {
    if (!Known(kind)) return nullptr;
    const auto& a = arrays_[KindSlot(kind)];
    auto it = a.find(index);
    return it == a.end() ? nullptr : &it->second;
}

PreviewElement* SkinEditor::MutableElement(SkinKind kind, int index) {
    return const_cast<PreviewElement*>(static_cast<const SkinEditor*>(this)->Element(kind, index));
}

void SkinEditor::Notify(const PreviewElement& e) {
    if (sink_) sink_->ElementChanged(e);
}

void SkinEditor::ElementEdited(const PreviewElement& e) {
    PreviewElement* target = MutableElement(e.kind, e.index);
    if (!target) return;
    *target = e;
    SkinChanged = true;
    Notify(*target);
}

bool SkinEditor::PlaceElement(SkinKind kind, int index, float left, float top, float width, float height) {
    PreviewElement* target = MutableElement(kind, index);
    if (!target) return false;
    target->left = left, target->top = top, target->width = width, target->height = height;
    SkinChanged = true;
    if (sink_) sink_->ElementPlaced(*target);
    return true;
}

bool SkinEditor::SetEditTarget(SkinKind kind, int index) {
    if (!Known(kind)) return false;
    EditKind = kind;
    EditIndex = index;
    EditPos = true;
    EditSize = kind == SkinKind::ScrollingLabel || kind == SkinKind::ScrollBar;
    return true;
}

bool SkinEditor::TypeIn(TypeInBox box, double pixels) {
    SkinChanged = true;
    const PreviewElement* e = Element(EditKind, EditIndex);
    if (!e || !std::isfinite(pixels)) return false;
    float l = e->left, t = e->top, w = e->width, h = e->height;
    switch (box) {
        case kBoxLeft: l = static_cast<float>(pixels * scale_.x); break;
        case kBoxTop: t = static_cast<float>(pixels * scale_.y); break;
        case kBoxWidth: w = static_cast<float>(pixels * scale_.x); break;
        case kBoxHeight: h = static_cast<float>(pixels * scale_.y); break;
    }
    return PlaceElement(EditKind, EditIndex, l, t, w, h);
}

void SkinEditor::SetSelected(int row, bool on) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    rows_[static_cast<size_t>(row)].selected = on;
    if (on) selectedItem_ = row;
}

void SkinEditor::SelectOnly(int row) {
    for (ObjectRow& r : rows_) r.selected = false;
    selectedItem_ = -1;
    SetSelected(row, true);
}

void SkinEditor::SetPreviewSize(float width, float height) {
    previewWidth_ = width;
    previewHeight_ = height;
    if (sink_) sink_->BackgroundChanged();
}

void SkinEditor::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (OnCaption) OnCaption(caption_);
}

void SkinEditor::ShowBackground(EditorPictureRef p) {
    background_ = std::move(p);
    if (background_) {
        // The preview takes the background's size.
        previewWidth_ = scale_.ToTwipsX(background_->Width());
        previewHeight_ = scale_.ToTwipsY(background_->Height());
    }
    if (sink_) sink_->BackgroundChanged();
}

void SkinEditor::RememberSource(const std::string& fullPath) {
    const std::string name = ChopPath(fullPath);
    if (!name.empty()) sources_[vorne::basic::UCase(name)] = text::ChopFileOff(fullPath);
}

// --- modes and reset -----------------------------------------------------------------------------

void SkinEditor::BrowseMode() {
    cmdEdit.SetEnabled(true);
    cmdNew.SetEnabled(true);
    cmdDel.SetEnabled(true);
    LV.SetEnabled(true);
    cmboObjects.SetEnabled(true);
    cmdSave.SetEnabled(false);
    cmdCancel.SetEnabled(false);
}

void SkinEditor::cmdEdit_Click() {
    cmdCancel.SetEnabled(true);
    cmdNew.SetEnabled(false);
    cmdDel.SetEnabled(false);
    LV.SetEnabled(false);
    cmdSave.SetEnabled(true);
    cmboObjects.SetEnabled(false);
}

void SkinEditor::cmdCancel_Click() { BrowseMode(); }

void SkinEditor::CleanAll() {
    txtName.SetText("newObject");
    txtName.SetEnabled(true);
    cmboObjects.SetListIndex(0);
    cmboObjects.SetEnabled(true);
    if (cmboActions.ListCount() > 0) cmboActions.SetListIndex(0);
    cmboActions.SetEnabled(true);
    SetImage1(nullptr);
    SetImage2(nullptr);
    Image1File.clear();
    Image2File.clear();
    txtCaption.SetText("");
    BrowseMode();
    counters_ = {};
    rows_.clear();
    selectedItem_ = -1;
    for (int k = 0; k < 4; ++k) {
        auto& a = arrays_[static_cast<size_t>(k)];
        while (!a.empty()) {
            const int index = a.rbegin()->first;
            a.erase(index);
            if (sink_) sink_->ElementUnloaded(static_cast<SkinKind>(k), index);
        }
    }
    txtBackPath.SetText("");
    ShowBackground(nullptr);
    sources_.clear();
    readAction_.clear();
    SkinChanged = false;
}

// --- the fields from a row -----------------------------------------------------------------------

void SkinEditor::GetInfo() {
    if (EditMode()) return;
    if (selectedItem_ < 0 || selectedItem_ >= static_cast<int>(rows_.size())) return;
    const ObjectRow row = rows_[static_cast<size_t>(selectedItem_)];
    txtName.SetText(row.name);
    cmboObjects.SetText(row.kind);
    cmboActions.SetText(row.action);
    // A picture that does not load leaves the box empty, never showing the
    // previous object's picture under this one's name.
    SetImage1(row.img1.empty() ? nullptr : pictures_.Load(row.img1));
    Image1File = row.img1;
    SetImage2(row.img2.empty() ? nullptr : pictures_.Load(row.img2));
    Image2File = row.img2;
    txtCaption.SetText(row.caption);
}

// --- creating and applying -----------------------------------------------------------------------

void SkinEditor::PictureOfImage(PreviewElement& e, int p, const EditorPictureRef& whole) {
    const int cells = CellsOfImageAction(p, cmboActions.ListCount());
    if (cells == 0) return;
    EditorPictureRef shown;
    if (!Image1File.empty() && whole) shown = cells == 1 ? whole : pictures_.FirstCell(whole, cells);
    e.picture = shown;
    // Without a picture the image gets a border, so it can be seen and grabbed.
    e.borderStyle = shown ? 0 : 1;
    if (shown) {
        e.width = scale_.ToTwipsX(shown->Width());
        e.height = scale_.ToTwipsY(shown->Height());
    } else {
        e.width = templates_[KindSlot(SkinKind::Image)].width;
        e.height = templates_[KindSlot(SkinKind::Image)].height;
    }
}

void SkinEditor::cmdNew_Click() {
    const int kindPos = cmboObjects.ListIndex();
    const SkinKind kind = kindPos >= 0 && kindPos < 4 ? static_cast<SkinKind>(kindPos) : SkinKind::Other;
    if (Known(kind) && Counter(kind) >= kMaxArrayIndex) {
        forms::Dialogs().MsgBox("No more objects of the kind \"" + cmboObjects.Text() +
                                    "\" can be made in this skin. Start a new skin to make more.",
                                forms::vbExclamation, {});
        return;
    }
    SkinChanged = true;
    ObjectRow row;
    row.name = txtName.Text();
    row.kind = cmboObjects.Text();
    row.action = readAction_.empty() ? cmboActions.Text() : readAction_;
    if (img1.Visible()) row.img1 = Image1File;
    if (img2.Visible()) row.img2 = Image2File;
    rows_.push_back(row);
    ObjectRow& r = rows_.back();
    if (!Known(kind)) return;

    const int k = ++Counter(kind);
    PreviewElement e = templates_[KindSlot(kind)];
    e.kind = kind;
    e.index = k;
    e.left = 0, e.top = 0;
    e.visible = true, e.enabled = true;
    const int p = cmboActions.ListIndex();
    switch (kind) {
        case SkinKind::StaticLabel:
            if (txtCaption.Visible()) {
                if (txtCaption.Text().empty()) txtCaption.SetText("0");
            } else {
                txtCaption.SetText(p == 3 ? "00:00" : "0");
            }
            e.caption = MakeTextString(txtCaption.Text());
            break;
        case SkinKind::ScrollingLabel:
            if (txtCaption.Visible()) {
                if (txtCaption.Text().empty()) txtCaption.SetText("0");
            } else {
                txtCaption.SetText(p == 1 ? "Vorne Scrolling Song Display" : "0");
            }
            e.caption = MakeTextString(txtCaption.Text());
            break;
        case SkinKind::Image: PictureOfImage(e, p, img1Picture_); break;
        case SkinKind::ScrollBar:
            // A wide track lies across, a tall one stands.
            if (img1Picture_ && img1Picture_->Width() > img1Picture_->Height()) e.barType = 0;
            if (img1Picture_ && img1Picture_->Height() > img1Picture_->Width()) e.barType = 1;
            if (!Image1File.empty()) e.picture = img1Picture_;
            if (!Image2File.empty()) e.buttonPicture = img2Picture_;
            break;
        case SkinKind::Other: break;
    }
    r.ref = std::to_string(k);
    if (txtCaption.Visible()) r.caption = txtCaption.Text();
    auto& stored = Array(kind)[k] = e;
    if (sink_) sink_->ElementLoaded(stored);
}

void SkinEditor::cmdSave_Click() {
    SkinChanged = true;
    cmdSave.SetEnabled(false);
    cmdCancel.SetEnabled(false);
    const std::string kindText = cmboObjects.Text();
    const SkinKind kind = vorne::player::skin::KindFromText(kindText);
    const int p = cmboActions.ListIndex();
    for (ObjectRow& row : rows_) {
        if (!row.selected || row.kind != kindText) continue;
        row.name = txtName.Text();
        row.action = cmboActions.Text();
        row.img1 = img1.Visible() ? Image1File : std::string();
        row.img2 = img2.Visible() ? Image2File : std::string();
        row.caption = txtCaption.Visible() ? txtCaption.Text() : std::string();
        auto idx = vorne::player::skin::ToInteger(row.ref);
        PreviewElement* e = idx ? MutableElement(kind, *idx) : nullptr;
        if (!e) continue;
        switch (kind) {
            case SkinKind::StaticLabel:
            case SkinKind::ScrollingLabel: e->caption = row.caption; break;
            case SkinKind::Image:
                if (p == 0) {
                    PictureOfImage(*e, p, Image1File.empty() ? nullptr : pictures_.Load(Image1File));
                } else {
                    PictureOfImage(*e, p, img1Picture_);
                }
                break;
            case SkinKind::ScrollBar:
                e->picture = Image1File.empty() ? nullptr : pictures_.Load(Image1File);
                e->buttonPicture = Image2File.empty() ? nullptr : pictures_.Load(Image2File);
                break;
            case SkinKind::Other: break;
        }
        Notify(*e);
    }
    BrowseMode();
}

void SkinEditor::cmdDel_Click() {
    SkinChanged = true;
    for (;;) {
        auto it = std::find_if(rows_.begin(), rows_.end(), [](const ObjectRow& r) { return r.selected; });
        if (it == rows_.end()) break;
        const SkinKind kind = vorne::player::skin::KindFromText(it->kind);
        if (auto idx = vorne::player::skin::ToLong(it->ref); idx && Known(kind) && Array(kind).erase(*idx) && sink_)
            sink_->ElementUnloaded(kind, *idx);
        rows_.erase(it);
    }
    selectedItem_ = -1;
}

// --- pictures ------------------------------------------------------------------------------------

bool SkinEditor::ChooseBackground(const std::string& fullPath) {
    EditorPictureRef p = pictures_.Load(fullPath);
    if (!p) return false;
    RememberSource(fullPath);
    txtBackPath.SetText(ChopPath(fullPath));
    ShowBackground(p);
    return true;
}

bool SkinEditor::ChoosePicture(const std::string& fullPath, EditorPictureRef& box, std::string& file) {
    EditorPictureRef p = pictures_.Load(fullPath);
    if (!p) return false;
    RememberSource(fullPath);
    box = std::move(p);
    file = ChopPath(fullPath);
    return true;
}

bool SkinEditor::ChooseImage1(const std::string& fullPath) { return ChoosePicture(fullPath, img1Picture_, Image1File); }

bool SkinEditor::ChooseImage2(const std::string& fullPath) { return ChoosePicture(fullPath, img2Picture_, Image2File); }

void SkinEditor::cmdRemove1_Click() {
    Image1File.clear();
    SetImage1(nullptr);
}

void SkinEditor::cmdRemove2_Click() {
    Image2File.clear();
    SetImage2(nullptr);
}

bool SkinEditor::SetScrollSpeed(PreviewElement& e, std::string_view text) {
    auto v = vorne::player::skin::ToLong(text);
    if (!v || *v < 0 || *v > 65535) return false;
    e.scrollSpeed = *v;
    return true;
}

// --- open ----------------------------------------------------------------------------------------

bool SkinEditor::QueryDiscard(const std::function<bool()>& save) {
    if (!SkinChanged) return true;
    const int answer = forms::Dialogs().MsgBox(kUnsavedQuestion, forms::vbYesNoCancel, {});
    if (answer == forms::vbCancel) return false;
    if (answer == forms::vbYes) return save ? save() : false;
    return true;
}

class SkinEditor::Reader : public vorne::player::skin::SkinReadHandler {
public:
    Reader(SkinEditor& ed, std::string folder) : ed_(ed), folder_(std::move(folder)) {}

    void Info(int n, const std::string& v) override { author::AuthorInfo()[static_cast<size_t>(n)] = v; }
    void BackImage(const std::string& v) override {
        ed_.txtBackPath.SetText(v);
        ed_.ShowBackground(v.empty() ? nullptr : ed_.pictures_.Load(v));
        Source(v);
    }
    void BackTransColour(const std::string& v) override {
        if (v == "-1") {
            ed_.chkTrans.SetValue(forms::CheckBox::kUnchecked);
            return;
        }
        if (auto c = vorne::player::skin::ToLong(v)) ed_.transColour = *c;
        ed_.chkTrans.SetValue(forms::CheckBox::kChecked);
    }
    void BackTransTolerance(const std::string& v) override {
        if (v == "-1") return;
        // The slider refuses a value outside its range and keeps its own.
        if (auto t = vorne::player::skin::ToLong(v); t && *t >= 0 && *t <= kMaxTolerance) ed_.tolerance = *t;
    }
    void BeginObject(const vorne::player::skin::ObjectHead& h) override {
        element_ = nullptr;
        const int kindPos = KindPosition(h.kind);
        // A kind this editor does not know is passed over to its end.
        if (kindPos < 0) return;
        ed_.cmboObjects.SetListIndex(kindPos);
        ed_.txtName.SetText(h.name);
        // An action the list does not hold is kept as it was written.
        const bool listed = ed_.cmboActions.SetText(h.action) && ed_.cmboActions.Text() == h.action;
        ed_.readAction_ = listed ? std::string() : h.action;
        ed_.Image1File = h.img1;
        ed_.SetImage1(h.img1.empty() ? nullptr : ed_.pictures_.Load(h.img1));
        ed_.Image2File = h.img2;
        ed_.SetImage2(h.img2.empty() ? nullptr : ed_.pictures_.Load(h.img2));
        Source(h.img1);
        Source(h.img2);
        ed_.txtCaption.SetText(h.txt);
        const size_t rows = ed_.rows_.size();
        ed_.cmdNew_Click();
        ed_.readAction_.clear();
        if (ed_.rows_.size() == rows) return;
        const vorne::player::skin::SkinKind kind = static_cast<SkinKind>(kindPos);
        if (auto idx = vorne::player::skin::ToLong(ed_.rows_.back().ref)) element_ = ed_.MutableElement(kind, *idx);
    }
    void KeyedLine(const vorne::player::skin::ObjectHead& h, const std::string& line) override {
        if (!element_) return;
        for (const vorne::player::skin::KeyedSetting& s : vorne::player::skin::MatchKeyedLine(element_->kind, line))
            vorne::player::skin::ApplyKeyedSetting(*element_, s, ed_.scale_.x, ed_.scale_.y);
    }
    void EndObject(const vorne::player::skin::ObjectHead& h, bool complete) override {
        if (element_) ed_.Notify(*element_);
        element_ = nullptr;
        if (!complete) forms::Dialogs().MsgBox("Unexpected End of File.", forms::vbOKOnly, {});
    }

private:
    void Source(const std::string& name) {
        if (!name.empty()) ed_.sources_[vorne::basic::UCase(name)] = folder_;
    }

    SkinEditor& ed_;
    std::string folder_;
    PreviewElement* element_ = nullptr;
};

bool SkinEditor::OpenSkin(const std::string& path) {
    auto data = vorne::basic::ReadWholeFile(path);
    return OpenSkinData(path, data ? std::string_view(*data) : std::string_view());
}

bool SkinEditor::OpenSkinData(const std::string& path, std::string_view data) {
    const std::vector<std::string> lines = vorne::player::skin::SplitSkinLines(data);
    // The skin is emptied first, so a file that is refused leaves an empty
    // skin (in the preview's size for one), not the old skin in that size.
    // The open command asks about unsaved changes before it gets here.
    CleanAll();
    if (lines.empty() || !vorne::player::skin::IsSkinHeader(lines[0])) {
        forms::Dialogs().MsgBox("Invalid Skin File", forms::vbOKOnly, {});
        SkinChanged = false;
        return false;
    }
    SetCaption(CaptionForPath(path));
    currentSkinPath_ = path;
    Reader reader(*this, text::ChopFileOff(path));
    vorne::player::skin::ReadSkin(lines, reader);
    SkinChanged = false;
    return true;
}

// --- save ----------------------------------------------------------------------------------------

vorne::player::skin::SkinDocument SkinEditor::Document() const {
    vorne::player::skin::SkinDocument d;
    d.info = author::AuthorInfo();
    d.backImage = txtBackPath.Text();
    d.transparent = chkTrans.Checked();
    d.transColour = transColour;
    d.transTolerance = tolerance;
    for (const ObjectRow& row : rows_) {
        vorne::player::skin::SkinObjectData o;
        o.kind = row.kind;
        o.name = row.name;
        o.action = row.action;
        o.img1 = row.img1;
        o.img2 = row.img2;
        o.txt = row.caption;
        auto idx = vorne::player::skin::ToLong(row.ref);
        if (const PreviewElement* e = idx ? Element(vorne::player::skin::KindFromText(row.kind), *idx) : nullptr) {
            o.left = e->left / scale_.x;
            o.top = e->top / scale_.y;
            o.width = e->width / scale_.x;
            o.height = e->height / scale_.y;
            o.foreColor = e->foreColor;
            o.backColor = e->backColor;
            o.captionAlign = e->captionAlign;
            o.textAlign = e->textAlign;
            o.hAlign = e->hAlign;
            o.vAlign = e->vAlign;
            o.scrollDir = e->scrollDir;
            o.scrollSpeed = e->scrollSpeed;
            o.barType = e->barType;
            o.font = e->font;
        }
        d.objects.push_back(std::move(o));
    }
    return d;
}

std::vector<std::string> SkinEditor::PicturesFromElsewhere(const std::string& skinPath) const {
    const std::string target = FolderKey(text::ChopFileOff(skinPath));
    std::vector<std::string> names;
    auto check = [&](const std::string& name) {
        if (name.empty()) return;
        auto it = sources_.find(vorne::basic::UCase(name));
        if (it == sources_.end() || FolderKey(it->second) == target) return;
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    };
    check(txtBackPath.Text());
    for (const ObjectRow& r : rows_) {
        check(r.img1);
        check(r.img2);
    }
    return names;
}

bool SkinEditor::SaveSkin(const std::string& path) {
    if (path.empty() || vorne::basic::UCase(vorne::basic::Right(path, 5)) == "*.VSK") return false;
    if (text::FileExists(path)) {
        SetCaption(CaptionForPath(path));
        // The author lines of the file being replaced become the details
        // the dialog offers; an empty file simply has none.
        if (auto old = vorne::basic::ReadWholeFile(path)) {
            const std::vector<std::string> lines = vorne::player::skin::SplitSkinLines(*old);
            for (size_t i = 1; i < lines.size(); ++i) {
                for (int k = 0; k < 4; ++k) {
                    if (vorne::player::skin::KeyMatches(lines[i], "INFO" + std::to_string(k) + "="))
                        author::AuthorInfo()[static_cast<size_t>(k)] = lines[i].substr(6);
                }
            }
        }
    }
    if (ShowAuthorDialog) ShowAuthorDialog();
    if (!vorne::basic::WriteFileAtomic(path, vorne::player::skin::WriteSkinText(Document()))) {
        forms::Dialogs().MsgBox("The skin could not be saved as " + path + ". It is unchanged on disk.",
                                forms::vbExclamation, {});
        return false;
    }
    SkinChanged = false;
    const std::vector<std::string> elsewhere = PicturesFromElsewhere(path);
    if (!elsewhere.empty()) {
        std::string list;
        for (const std::string& n : elsewhere) list += "\r\n" + n;
        forms::Dialogs().MsgBox("The skin was saved, but these pictures are not in its folder, where the skin "
                                "looks for them. Copy them beside the skin:" + list,
                                forms::vbExclamation, {});
    }
    return true;
}

}  // namespace vorne::skinner::core
