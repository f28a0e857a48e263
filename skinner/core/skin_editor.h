// The skin editor's working state without its windows: the designer fields,
// the object list (one row per skin object), the preview's four element
// arrays as data, the background and transparency fields, and the commands
// that create, apply, delete, open and save. The editor window mirrors the
// fields and rows; the preview window shows the elements and hears of every
// change through PreviewSink. Messages go through the forms dialog seam.
// Window-free.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "player/skin/designer.h"
#include "player/skin/skin_document.h"
#include "player/skin/skin_file.h"
#include "runtime/activex/twips.h"
#include "runtime/forms/control.h"
#include "runtime/forms/state_controls.h"
#include "runtime/text/paths.h"
#include "skinner/author/author_details.h"

namespace vorne::skinner::core {

using vorne::player::skin::SkinKind;

// A picture as the model sees it: its size in pixels. The window build
// holds a bitmap behind it; tests hold nothing.
class EditorPicture {
public:
    virtual ~EditorPicture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};
using EditorPictureRef = std::shared_ptr<const EditorPicture>;

class PictureService {
public:
    virtual ~PictureService() = default;
    // The picture file at path (a bare name is relative to the current
    // folder); null when it cannot be loaded.
    virtual EditorPictureRef Load(const std::string& path) = 0;
    // The left cell of a strip of cells equal cells; null for no strip.
    virtual EditorPictureRef FirstCell(const EditorPictureRef& strip, int cells) = 0;
};

// One element of the preview: what the label, scrolling caption, image or
// scroll bar control holds. Place and size in twips.
struct PreviewElement {
    SkinKind kind = SkinKind::StaticLabel;
    int index = 0;
    float left = 0, top = 0, width = 0, height = 0;
    bool visible = true, enabled = true;
    std::string caption;
    int32_t foreColor = 0, backColor = 0;
    int32_t captionAlign = 0;
    int32_t textAlign = 0, hAlign = 0, vAlign = 0, scrollDir = 0, scrollSpeed = 200;
    int32_t barType = 0;
    vorne::player::skin::SkinFont font;
    EditorPictureRef picture;        // Image: the shown cell; Scroll Bar: the track
    EditorPictureRef buttonPicture;  // Scroll Bar: the thumb strip
    int borderStyle = 0;             // Image: 1 when it has no picture file
};

// A row of the object list LV.
struct ObjectRow {
    std::string name, kind, action, img1, img2, caption, ref;  // ref: "Internal Refrence"
    bool selected = false;
};

// What the preview window does with the model's changes.
class PreviewSink {
public:
    virtual ~PreviewSink() = default;
    virtual void ElementLoaded(const PreviewElement& e) {}
    virtual void ElementChanged(const PreviewElement& e) {}
    virtual void ElementUnloaded(SkinKind kind, int index) {}
    // Only the place or size of an element changed (a drag, the position
    // dialog).
    virtual void ElementPlaced(const PreviewElement& e) { ElementChanged(e); }
    // Background picture or preview size changed.
    virtual void BackgroundChanged() {}
};

// "Quarl - " and the path, shortened to its first 3 characters, ".." and
// its last 40 when it has 41 or more.
std::string CaptionForPath(const std::string& path);
// The part of path after its last "\" ("" without one or when it ends in one).
using text::ChopPath;
// A caption template with each switch replaced by a sample text.
std::string MakeTextString(std::string_view format);
// The editor's kind position of a kind text (exact), -1 for none of the four.
int KindPosition(std::string_view kindText);
// A box of the position dialog: its text as its leading number ("12px" ->
// "12", "12." -> "12", letters or nothing -> "0").
std::string TypeInText(std::string_view text);

// The four boxes of the position dialog.
enum TypeInBox { kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight };

inline constexpr int kMaxArrayIndex = 32767;  // the highest element a control array holds
inline constexpr float kEmptyPreviewWidth = 4770, kEmptyPreviewHeight = 3570;  // twips
inline constexpr int32_t kMaxTolerance = 100000;  // the tolerance slider runs from 0 to this

class SkinEditor {
public:
    SkinEditor(PictureService& pictures, activex::TwipsScale scale = {});
    SkinEditor(const SkinEditor&) = delete;
    SkinEditor& operator=(const SkinEditor&) = delete;

    void SetPreview(PreviewSink* sink) { sink_ = sink; }
    // The author-details dialog the save shows (nothing by default).
    std::function<void()> ShowAuthorDialog;
    // The caption of the editor window changed.
    std::function<void(const std::string&)> OnCaption;

    // --- designer fields
    forms::TextBox txtName{"txtName"};
    forms::ComboBox cmboObjects{"cmboObjects"};
    forms::ComboBox cmboActions{"cmboActions"};
    forms::Control img1{"img1"}, img2{"img2"};
    forms::TextBox txtCaption{"txtCaption"};
    forms::TextBox txtBackPath{"txtBackPath"};
    forms::CheckBox chkTrans{"chkTrans"};
    int32_t transColour = 0;  // BackColor of picTrans
    int32_t tolerance = 0;    // Value of sldrTol, 0 to kMaxTolerance
    // Buttons and the list, for their enabled state (browse and edit modes).
    forms::Control cmdNew{"cmdNew"}, cmdEdit{"cmdEdit"}, cmdSave{"cmdSave"}, cmdCancel{"cmdCancel"},
        cmdDel{"cmdDel"}, LV{"LV"};

    std::string Image1File, Image2File;
    const EditorPictureRef& Image1() const { return img1Picture_; }
    const EditorPictureRef& Image2() const { return img2Picture_; }
    vorne::player::skin::ElementDesigner& Designer() { return designer_; }
    bool EditMode() const { return cmdSave.Enabled(); }

    // --- the object list and the elements
    const std::vector<ObjectRow>& Rows() const { return rows_; }
    void SetSelected(int row, bool on);
    void SelectOnly(int row);  // one row selected and made the current one
    int SelectedItem() const { return selectedItem_; }
    // Element index of kind, or null when not loaded.
    const PreviewElement* Element(SkinKind kind, int index) const;
    PreviewElement* MutableElement(SkinKind kind, int index);
    const std::map<int, PreviewElement>& Elements(SkinKind kind) const;
    int LastIndex(SkinKind kind) const;
    // A change made in the preview (drag, popup, position dialog).
    void ElementEdited(const PreviewElement& e);
    // Moves or sizes an element (twips) and sets SkinChanged; false when
    // there is no such element.
    bool PlaceElement(SkinKind kind, int index, float left, float top, float width, float height);

    // --- the position and size dialog: its element and what may be typed
    SkinKind EditKind = SkinKind::Other;
    int EditIndex = 0;
    bool EditPos = false, EditSize = false;
    // Element index of kind becomes the dialog's target, with the kind's
    // rights (position always, size for scrolling labels and scroll bars);
    // false (nothing changed) for a kind that is none of the four.
    bool SetEditTarget(SkinKind kind, int index);
    // The pixels typed into a box applied to the target: its property
    // becomes pixels times the screen's twips per pixel. Sets SkinChanged;
    // false when the target is gone.
    bool TypeIn(TypeInBox box, double pixels);

    // --- background and preview window
    const EditorPictureRef& Background() const { return background_; }
    float PreviewWidth() const { return previewWidth_; }
    float PreviewHeight() const { return previewHeight_; }
    void SetPreviewSize(float width, float height);

    // --- state
    bool SkinChanged = false;
    const std::string& CurrentSkinPath() const { return currentSkinPath_; }
    const std::string& Caption() const { return caption_; }
    const activex::TwipsScale& Scale() const { return scale_; }

    // --- commands
    void CleanAll();
    void GetInfo();
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdCancel_Click();
    void cmdSave_Click();  // applies the fields to the selected rows
    void cmdDel_Click();
    // The pickers after their dialog gave a full path; false when the
    // picture could not be loaded (nothing then changed).
    bool ChooseBackground(const std::string& fullPath);
    bool ChooseImage1(const std::string& fullPath);
    bool ChooseImage2(const std::string& fullPath);
    void cmdRemove1_Click();
    void cmdRemove2_Click();
    // Sets an element's scroll speed from text; a text that is not a whole
    // number of 0..65535 keeps the old speed (false).
    bool SetScrollSpeed(PreviewElement& e, std::string_view text);

    // The question before the skin is replaced or the program closes: true
    // to go on. Yes runs save and goes on only when it saved.
    bool QueryDiscard(const std::function<bool()>& save);

    // Reads the skin at path; false when the file is no skin ("Invalid Skin
    // File": the skin is then empty, the caption and CurrentSkinPath stay).
    bool OpenSkin(const std::string& path);
    // The same for a file's bytes already read (path names it).
    bool OpenSkinData(const std::string& path, std::string_view data);
    // The whole skin as file data (positions in pixels).
    vorne::player::skin::SkinDocument Document() const;
    // Writes the skin to path after the author-details dialog; false (with
    // a message) when it could not be written. An empty path or "*.vsk"
    // writes nothing.
    bool SaveSkin(const std::string& path);

private:
    std::map<int, PreviewElement>& Array(SkinKind kind);
    int& Counter(SkinKind kind);
    void SetImage1(EditorPictureRef p) { img1Picture_ = std::move(p); }
    void SetImage2(EditorPictureRef p) { img2Picture_ = std::move(p); }
    void BrowseMode();
    void SetCaption(const std::string& caption);
    void ShowBackground(EditorPictureRef p);
    // An Image element's picture from the designer's Image 1 by action position.
    void PictureOfImage(PreviewElement& e, int actionPosition, const EditorPictureRef& whole);
    void Notify(const PreviewElement& e);
    void RememberSource(const std::string& fullPath);
    bool ChoosePicture(const std::string& fullPath, EditorPictureRef& box, std::string& file);
    std::vector<std::string> PicturesFromElsewhere(const std::string& skinPath) const;

    class Reader;

    PictureService& pictures_;
    activex::TwipsScale scale_;
    PreviewSink* sink_ = nullptr;
    vorne::player::skin::ElementDesigner designer_;
    EditorPictureRef img1Picture_, img2Picture_, background_;
    std::vector<ObjectRow> rows_;
    int selectedItem_ = -1;
    std::array<std::map<int, PreviewElement>, 4> arrays_;
    std::array<int, 4> counters_{};
    std::array<PreviewElement, 4> templates_;
    float previewWidth_ = kEmptyPreviewWidth, previewHeight_ = kEmptyPreviewHeight;
    std::string currentSkinPath_, caption_ = "Quarl";
    // An action text read from a file that the list does not hold.
    std::string readAction_;
    // Folder each chosen picture came from, by its bare name (upper-cased).
    std::map<std::string, std::string> sources_;
};

}  // namespace vorne::skinner::core
