// The player's main window: its load and close, the single-instance
// hand-over it receives, and the skin face made of elements over the
// background picture (skin files, the element factory, the element tables
// and the state pictures of the buttons, the built-in skin).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "player/app/subclass_client.h"
#include "player/skin/designer.h"
#include "player/skin/element_tables.h"
#include "runtime/activex/container.h"
#include "runtime/forms/forms.h"

namespace vorne::player {

// A hidden field that holds a picture (the designer's img1 and img2).
class PictureField : public forms::StateControl {
public:
    using StateControl::StateControl;
    forms::PictureRef Picture;
};

// The playing states the transport knows.
enum PlayState : int { psClosed = 0, psStopped = 1, psPaused = 2, psPlaying = 3 };

class FrmMain : public forms::Form {
public:
    FrmMain();
    ~FrmMain() override;

    // --- hidden state controls
    forms::CheckBox chkRepeat, chkRandom, chkLoop;
    forms::ComboBox cmboObjects, cmboActions;
    forms::TextBox txtName, txtCaption;
    PictureField img1, img2;
    std::string Img1Path, Img2Path;
    skin::ElementDesigner designer;
    forms::Timer DisplayRefresh;

    std::string VersionText;
    std::string TrayToolTip;
    bool OnTopTicked = false;  // the menu entry cmdontop

    // The transparent colour and tolerance of the face (-1: none).
    long TransColour = -1, TransTolerance = -1;

    // --- the elements, element 0 of every array the hidden template
    forms::ControlArray<forms::Label> Labels;
    forms::ControlArray<forms::Image> imgPICS, imgPICS4img, imgPICS2img, imgPICS2optn;
    std::unique_ptr<activex::ControlArray> SLabels, ScrollBars;
    skin::SkinElementTables<forms::PictureRef> Tables;
    int LastHoverButton = 0;

    // --- start-up and the hand-over
    // Runs one command line. atStart: the playlist window's load (an empty
    // command line then restores the auto-saved list); otherwise a
    // hand-over, where an empty command line only shows the window.
    void ParseCommand(const std::string& cmd, bool atStart = false);
    void LoadOptions();
    void SaveOptions();
    void UnloadAllForms();

    // --- the face
    // Reads a skin file and rebuilds the face from it. False, with the face
    // left as it was, for an empty path, a missing or unreadable file or a
    // file that is not a skin (the last two say "Invalid Skin File").
    bool OpenSkin(const std::string& path);
    void CleanAll();
    void cmdNew_Click();
    void MapPicture(forms::Image& target, const forms::PictureRef& strip, int rows, int cols, int cell);
    void CleanControlImages();
    void Refresh4Controls();
    void RefreshAllOptions();
    void AutoSizeMe(forms::Form& frm);
    // The built-in skin from the program's bitmaps 101..117 (module: where
    // they are; the program by default).
    void MapDefaults(HINSTANCE module = nullptr);

    // The designer's kind list and the hosted components' arrays: what the
    // face needs of the load before a skin can be read.
    void PrepareFace();
    // Every element now bound, over all arrays.
    int ElementCount() const;

    // --- what the transport, volume and menu add to the load and the face
    void SetState(int state);
    void SetupVolume();
    void UpdateBitFreqLabels();
    void CreateCoolMenu();

    // Runs an element's event: elements that a command inside it removes
    // are destroyed only after the outermost event has returned.
    template <class F>
    void RunElementEvent(F&& f) {
        ++event_depth_;
        try {
            f();
        } catch (...) {
        }
        if (--event_depth_ == 0) graveyard_.clear();
    }
    bool InElementEvent() const { return event_depth_ > 0; }

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int mode) override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    DWORD Style() const override { return WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX; }

private:
    class SkinApplier;
    void MakeTemplates();
    void MakeComponentArrays();
    LONG HandOverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void ApplyRegion(long colour, long tolerance);
    // Shows the finished face, the playlist window with it when it is to be seen.
    void ShowFace();
    template <class T>
    void Retire(forms::ControlArray<T>& array);
    // The image array and table an Image action position selects; null
    // for a position that selects none.
    struct ImageTarget {
        forms::ControlArray<forms::Image>* array = nullptr;
        skin::ImageElementInfo<forms::PictureRef>* table = nullptr;
    };
    ImageTarget ImageTargetFor(int actionPosition);

    com::Ptr<SubclassClient> client_;
    Subclasser subclasser_;
    int event_depth_ = 0;
    std::vector<std::unique_ptr<forms::FormControl>> graveyard_;
};

// The default instance.
FrmMain& frmMain();

}  // namespace vorne::player
