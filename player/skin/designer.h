// The element designer panel: the hidden fields of the main window that the
// skin reader fills for each object record and the element factory builds
// from. The kind list, the action lists with their fixed positions, the two
// change procedures and the three visibility procedures. Window-free: the
// panel works on the forms layer's state controls, so the skin editor can
// run the same procedures over its own visible panel.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/control.h"
#include "runtime/forms/state_controls.h"

namespace vorne::player::skin {

// The kind list, in kind order.
extern const char* const kSkinObjectKinds[4];  // "Static Label", "Scrolling Label", "Image", "Scroll Bar"

// The actions of a kind (0..3) by position; empty for any other kind.
const std::vector<std::string>& ActionsOfKind(int kind);

// Whose action lists a designer offers: the player's, or the skin editor's,
// whose Scroll Bar list has no "User Defined" (it starts at "Balance Bar").
enum class ActionLists { Player, Editor };
const std::vector<std::string>& ActionsOfKind(int kind, ActionLists lists);

// Group headers ("-- Images(4) --") never stay selected.
bool IsGroupHeader(std::string_view action);

// The image array an Image action position selects, and its cells.
enum class ImageArray { None, Pics, Pics4, Pics2, Pics2Optn };
ImageArray ImageArrayFor(int actionPosition);  // 0 Pics, 1..7 Pics4, 9/10/14 Pics2, 11..13 Pics2Optn
int CellsOf(ImageArray array);                 // 1, 4, 2, 2; 0 for None

class ElementDesigner {
public:
    // Wires the two lists' Click handlers to the change procedures.
    ElementDesigner(forms::ComboBox& objects, forms::ComboBox& actions, forms::Control& img1,
                    forms::Control& img2, forms::Control& caption, ActionLists lists = ActionLists::Player);
    ElementDesigner(const ElementDesigner&) = delete;
    ElementDesigner& operator=(const ElementDesigner&) = delete;

    // Start-up: the four kind texts, entry 0 selected (the kind-change
    // procedure runs).
    void FillKinds();

    // cmboObjects_Click: hides the three fields, refills the action list
    // ("User Defined" selected first, then the kind's other actions) and
    // shows the kind's fields. With the editor's lists: shows the kind's
    // fields, fills the kind's list and selects its first entry.
    void ObjectsClick();
    // cmboActions_Click: hides the three fields, skips a group header by
    // selecting the next entry (nested), and shows the fields the kind and
    // action ask for.
    void ActionsClick();

    void ChangeImage1Visibility(bool visible) { img1_.SetVisible(visible); }
    void ChangeImage2Visibility(bool visible) { img2_.SetVisible(visible); }
    void ChangeCaptionVisibility(bool visible) { caption_.SetVisible(visible); }
    void HideFields();

    int Kind() const { return objects_.ListIndex(); }
    int ActionPosition() const { return actions_.ListIndex(); }
    std::string ActionText() const { return actions_.Text(); }
    bool CaptionShown() const { return caption_.Visible(); }

private:
    // The fields a kind shows before its action settles them.
    void ShowKindFields(int kind);
    forms::ComboBox& objects_;
    forms::ComboBox& actions_;
    forms::Control& img1_;
    forms::Control& img2_;
    forms::Control& caption_;
    ActionLists lists_;
};

}  // namespace vorne::player::skin
