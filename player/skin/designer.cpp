#include "player/skin/designer.h"

namespace vorne::player::skin {

const char* const kSkinObjectKinds[4] = {"Static Label", "Scrolling Label", "Image", "Scroll Bar"};

const std::vector<std::string>& ActionsOfKind(int kind) {
    static const std::vector<std::string> kLists[4] = {
        {"User Defined", "Frequency Display", "Kbps Display", "Time Display"},
        {"User Defined", "Song Info"},
        {"User Defined", "-- Images(4) --", "Next Button", "Open Button", "Pause Button", "Play Button",
         "Previous Button", "Stop Button", "-- Images(2) --", "Close", "Minimize", "Play List Button",
         "Random Button", "Repeat Button", "System Menu"},
        {"User Defined", "Balance Bar", "Position Bar", "Volume Bar"},
    };
    static const std::vector<std::string> kNone;
    return kind >= 0 && kind < 4 ? kLists[kind] : kNone;
}

const std::vector<std::string>& ActionsOfKind(int kind, ActionLists lists) {
    static const std::vector<std::string> kEditorBars = {"Balance Bar", "Position Bar", "Volume Bar"};
    if (lists == ActionLists::Editor && kind == 3) return kEditorBars;
    return ActionsOfKind(kind);
}

bool IsGroupHeader(std::string_view action) { return action.substr(0, 2) == "--"; }

ImageArray ImageArrayFor(int actionPosition) {
    switch (actionPosition) {
        case 0: return ImageArray::Pics;
        case 1: case 2: case 3: case 4: case 5: case 6: case 7: return ImageArray::Pics4;
        case 9: case 10: case 14: return ImageArray::Pics2;
        case 11: case 12: case 13: return ImageArray::Pics2Optn;
        default: return ImageArray::None;
    }
}

int CellsOf(ImageArray array) {
    switch (array) {
        case ImageArray::Pics: return 1;
        case ImageArray::Pics4: return 4;
        case ImageArray::Pics2:
        case ImageArray::Pics2Optn: return 2;
        case ImageArray::None: break;
    }
    return 0;
}

ElementDesigner::ElementDesigner(forms::ComboBox& objects, forms::ComboBox& actions, forms::Control& img1,
                                 forms::Control& img2, forms::Control& caption, ActionLists lists)
    : objects_(objects), actions_(actions), img1_(img1), img2_(img2), caption_(caption), lists_(lists) {
    objects_.OnClick = [this] { ObjectsClick(); };
    actions_.OnClick = [this] { ActionsClick(); };
}

void ElementDesigner::FillKinds() {
    objects_.Clear();
    for (const char* kind : kSkinObjectKinds) objects_.AddItem(kind);
    objects_.SetListIndex(0);
}

void ElementDesigner::HideFields() {
    ChangeImage1Visibility(false);
    ChangeImage2Visibility(false);
    ChangeCaptionVisibility(false);
}

void ElementDesigner::ObjectsClick() {
    HideFields();
    actions_.Clear();
    if (lists_ == ActionLists::Editor) {
        const int kind = Kind();
        ShowKindFields(kind);
        for (const std::string& a : ActionsOfKind(kind, lists_)) actions_.AddItem(a);
        if (actions_.ListCount() > 0) actions_.SetListIndex(0);
        return;
    }
    actions_.AddItem("User Defined");
    actions_.SetListIndex(0);
    const int kind = Kind();
    const std::vector<std::string>& list = ActionsOfKind(kind);
    for (size_t i = 1; i < list.size(); ++i) actions_.AddItem(list[i]);
    ShowKindFields(kind);
}

void ElementDesigner::ShowKindFields(int kind) {
    switch (kind) {
        case 0:
        case 1: ChangeCaptionVisibility(true); break;
        case 2: ChangeImage1Visibility(true); break;
        case 3:
            ChangeImage1Visibility(true);
            ChangeImage2Visibility(true);
            break;
        default: break;
    }
}

void ElementDesigner::ActionsClick() {
    HideFields();
    switch (Kind()) {
        case 0:
        case 1:
            if (ActionPosition() == 0) ChangeCaptionVisibility(true);
            break;
        case 2: {
            // A group header passes the selection on to the entry below it.
            const int pos = ActionPosition();
            if (IsGroupHeader(ActionText()) && pos + 1 < actions_.ListCount()) actions_.SetListIndex(pos + 1);
            ChangeImage1Visibility(true);
            break;
        }
        case 3:
            ChangeImage1Visibility(true);
            ChangeImage2Visibility(true);
            break;
        default: break;
    }
}

}  // namespace vorne::player::skin
