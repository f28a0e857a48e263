// The preview window frmPrev: the skin's background as the window's picture
// and one control per skin object, standing where the player will put it:
// labels and images of the forms layer, and the scrolling caption and
// scroll bar components in control arrays. It shows what the editor model
// holds; a press on an element selects that object in the editor, a left
// drag moves it, and a right release opens the element's popup menu.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/activex/container.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/menu.h"
#include "skinner/core/skin_editor.h"

namespace vorne::skinner {

class frmPrev : public forms::Form, public core::PreviewSink {
public:
    explicit frmPrev(core::SkinEditor& editor);
    ~frmPrev() override;

    // The object under a press: kind and element index.
    std::function<void(core::SkinKind kind, int index)> OnSelect;
    // "Size and Position Type-in" of a popup menu: the editor's target is
    // set; the dialog is to be shown over the preview.
    std::function<void()> OnTypeIn;
    // Shows a popup menu at the mouse and runs the chosen item (a test
    // answers in its place).
    std::function<void(forms::MenuItem& menu)> ShowMenu;
    // The font and colour boxes: true with the choice, false when cancelled.
    std::function<bool(vorne::player::skin::SkinFont& font, int32_t& colour)> ChooseFont;
    std::function<bool(int32_t& colour)> ChooseColour;
    // Makes the editor's windows topmost or not around the speed box.
    std::function<void(bool onTop)> SetWindowsOnTop;

    // The mouse on an element, as the element's events report it: the
    // button (down and up: the one that changed; move: those held) and the
    // point in twips inside the element. onThumb: a scroll bar's thumb.
    void ElementMouseDown(core::SkinKind kind, int index, int button, float x, float y, bool onThumb = false);
    void ElementMouseMove(core::SkinKind kind, int index, int button, float x, float y, bool onThumb = false);
    void ElementMouseUp(core::SkinKind kind, int index, int button, float x, float y);

    // The popup menus and their items, by name (mnuLabels, cmdSBType(2) as
    // "cmdSBType2", ...); null for an unknown name.
    forms::MenuItem* MenuItemNamed(const std::string& name) const;
    int MenuIndex() const { return menuIndex_; }

    // The transparency test: the window cut to the background's pixels
    // without the colour (within the tolerance); Normal shows it whole.
    void CutToBackground(int32_t colour, int32_t tolerance);
    void NormalRegion();

    // What the preview shows of an element, in pixels of the window.
    forms::Rect PixelRect(core::SkinKind kind, int index) const;
    forms::Label* Label(int index) const;
    forms::Image* Pic(int index) const;
    activex::ControlSite* Component(core::SkinKind kind, int index) const;
    bool HasComponents() const { return SLabels && ScrollBars; }

    // PreviewSink
    void ElementLoaded(const core::PreviewElement& e) override { ShowElement(e); }
    void ElementChanged(const core::PreviewElement& e) override { ShowElement(e); }
    void ElementUnloaded(core::SkinKind kind, int index) override;
    void ElementPlaced(const core::PreviewElement& e) override;
    void BackgroundChanged() override;

    // Shows every element of the model again.
    void ShowAll();

    std::unique_ptr<activex::ControlArray> SLabels, ScrollBars;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_MouseDown(const forms::MouseEvent& e) override;
    DWORD Style() const override { return WS_POPUP | WS_BORDER | WS_CLIPCHILDREN; }

    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

private:
    void ShowElement(const core::PreviewElement& e);
    void WireMouse(forms::FormControl& c, core::SkinKind kind, int index);
    void MakeComponents();
    void MakeMenus();
    forms::MenuItem& NewItem(forms::MenuItem* parent, const std::string& name, const std::string& caption);
    void ValueItems(core::SkinKind kind, forms::MenuItem& parent, const std::string& name,
                    const std::vector<const char*>& captions, int32_t core::PreviewElement::*field);
    void Tick(const std::string& name, int count, int32_t value);
    void TypeIn(core::SkinKind kind);
    void FontCommand(core::SkinKind kind);
    void BackColourCommand();
    void SpeedCommand();
    core::PreviewElement* MenuElement(core::SkinKind kind);
    void Edited(const core::PreviewElement& e);
    void ComponentEvent(core::SkinKind kind, activex::ControlSite& site, DISPID event, DISPPARAMS* params);
    int Px(float twips, bool x) const;

    core::SkinEditor& editor_;
    std::map<int, std::unique_ptr<forms::Label>> labels_;
    std::map<int, std::unique_ptr<forms::Image>> pics_;
    // The grab point inside the element pressed last (twips).
    float grabX_ = 0, grabY_ = 0;
    int menuIndex_ = 0;
    std::vector<std::unique_ptr<forms::MenuItem>> items_;
    std::map<std::string, forms::MenuItem*> itemsByName_;
    core::SkinKind menuKind_ = core::SkinKind::Other;
};

}  // namespace vorne::skinner
