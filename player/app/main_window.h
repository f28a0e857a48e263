// The player's main window: its load and close, the single-instance
// hand-over it receives, and the skin face made of elements over the
// background picture (skin files, the element factory, the element tables
// and the state pictures of the buttons, the built-in skin).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/tray/tray_icon.h"
#include "player/app/subclass_client.h"
#include "player/commands/commands.h"
#include "player/commands/cool_menu.h"
#include "player/skin/designer.h"
#include "player/skin/element_tables.h"
#include "runtime/activex/container.h"
#include "runtime/forms/file_dialog.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/menu.h"

namespace vorne::player {

// A hidden field that holds a picture (the designer's img1 and img2).
class PictureField : public forms::StateControl {
public:
    using StateControl::StateControl;
    forms::PictureRef Picture;
};

// The playing states the transport knows.
enum PlayState : int { psPlaying = 0, psStopped = 1, psPaused = 2, psClosed = 3 };

class PlaybackWiring;

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
    vorne::player::skin::ElementDesigner designer;
    forms::Timer DisplayRefresh;

    std::string VersionText;
    std::string TrayToolTip;
    bool OnTopTicked = false;  // the menu entry cmdontop
    // Whether the tray icon is there to bring a hidden window back: only
    // then does minimising hide the window to the tray.
    bool TrayIconShown = false;

    // The transparent colour and tolerance of the face (-1: none).
    long TransColour = -1, TransTolerance = -1;

    // --- the elements, element 0 of every array the hidden template
    forms::ControlArray<forms::Label> Labels;
    forms::ControlArray<forms::Image> imgPICS, imgPICS4img, imgPICS2img, imgPICS2optn;
    std::unique_ptr<activex::ControlArray> SLabels, ScrollBars;
    vorne::player::skin::SkinElementTables<forms::PictureRef> Tables;
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

    // --- commands (main_window_commands.cpp): the popup menu, the keys, the
    // tray icon, the hidden menu's handlers and the window itself
    commands::CoolMenu cP;   // the popup menu, built once by CreateCoolMenu
    tray::TrayIcon Tray1;    // the tray icon
    forms::CommonDialog CD;  // the skin chooser's open box
    std::string HelpFile;    // the help file beside the program (load step 2)
    bool RandomTicked = false, RepeatTicked = false;  // the menu entries cmdRandom, cmdRepeat
    int ScrollMenuIndex = 0;  // the scrolling label the direction menu was opened on
    // Windows of other parts of the player that the menu opens; the program
    // sets them (they are linked into the program, not into this library).
    std::function<void()> ShowOutputWindow, ShowVideoWindow;
    // The video window's media control (the window loaded for it, not
    // shown), and the video window's unload; set by the program.
    std::function<IDispatch*()> VideoControl;
    std::function<void()> UnloadVideoWindow;

    void CreateCoolMenu();
    // Runs popup item index (0 or less: nothing).
    void DoClicks(long index);
    void RunCommand(commands::Command c, int item);
    // The popup menu at the cursor, or at the top-left corner of an element.
    void ShowPopupMenu();
    void ShowPopupMenuAt(const forms::Image& element);
    // The popup items 22 and 23 follow random and repeat.
    void SyncRandomRepeatTicks();
    // The key release of another window of the player.
    void GenerateForm_KeyUp(int keyCode, int shift);
    void Form_DblClick();
    // The scrolling labels' direction menu (mnuDisplay).
    void ShowScrollMenu(int labelIndex);
    void cmdScrolldir_Click(int index);
    void cmdAbout_Click();
    void cmdAudioCass_Click();
    void cmdDefaultSkin_Click();
    void cmdExit_Click();
    void cmdHelp_Click();
    void cmdLoad_Click();
    void cmdontop_Click();
    void cmdOptions_Click();
    void cmdOutput_Click();
    void cmdRandom_Click();
    void cmdRepeat_Click();
    void cmdShowVid_Click();
    void cmdSkin_Click();
    void cmdSnap_Click();
    void cmdStat_Click();
    void cmdTag_Click();
    void chkLoop_Click();
    void chkRandom_Click();
    void chkRepeat_Click();
    // The tray icon: shown or not (TrayIconShown follows), its picture
    // (tray picture 1..6), its tip, its events.
    void SetTrayShown(bool on);
    void ReshowTrayIcon();
    void SetTrayPicture(int n);
    void SetTrayToolTip(const std::string& tip);
    void Tray1_Event(int event, int button);
    // The media control's buffering time, seconds.
    double BufferingTime();
    void SetBufferingTime(double seconds);

    // --- playback (main_window_playback.cpp)
    forms::Timer Timer1;     // the 1 ms poll
    forms::Timer FadeTimer;  // one step of a fade per tick
    std::string LastTimeText;
    std::string LastPolledState;  // the hidden Label2: the play state last polled
    int LastReadyState = 0;
    UINT WaveDevice = 0;
    long CurrentVolume = 0;
    // The media player control NSPlay1 (null until the load opens it).
    IDispatch* NSPlay1() const;
    // Runs f, which starts playing, once the media control is there. During
    // the load the control is made only after the face has been painted, so
    // a start that plays (a song on the command line, the demo song) waits
    // until then; otherwise f runs at once.
    void PlayWhenFaceShown(std::function<void()> f);
    // Made on first use (the load opens its control).
    PlaybackWiring& Playback();
    void ProcessStateChange(long oldState, long newState);
    bool IsCurrentAVideo() const;
    void cmdPlay_Click();
    void cmdPause_Click();
    void cmdStop_Click();
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdControl_Click(int index);
    void cmdOpenLoc_Click();
    void cmdFadein_Click();
    void cmdFadeout_Click();
    void UpdateTime();
    void UpdateLabels();
    void ResetAllTimeDisplays();
    void DisplayRefresh_Timer();
    void Timer1_Timer();
    void GetCurVol();
    void UpdateVolume(int index);
    // The hosted components' events, by array and element index.
    void ScrollBars_Event(int index, DISPID event, DISPPARAMS* params);
    void SLabels_Event(int index, DISPID event, DISPPARAMS* params);
    // The image and label elements' mouse events.
    void Labels_MouseDown(int index, const forms::MouseEvent& e);
    void Labels_MouseUp(int index, const forms::MouseEvent& e);
    void imgPICS_MouseMove(int index, const forms::MouseEvent& e);
    void imgButton_MouseDown(int kind, int index, const forms::MouseEvent& e);
    void imgButton_MouseMove(int kind, int index, const forms::MouseEvent& e);
    void imgButton_MouseUp(int kind, int index, const forms::MouseEvent& e);

    // Runs an element's event: elements that a command inside it removes
    // are destroyed only after the outermost event has returned. An error
    // of the handler is reported, and the event ends there.
    template <class F>
    void RunElementEvent(F&& f) {
        ++event_depth_;
        try {
            f();
        } catch (const std::exception& e) {
            ReportEventError(e.what());
        } catch (...) {
            ReportEventError("unknown error");
        }
        if (--event_depth_ == 0) BuryRetired();
    }
    static void ReportEventError(const char* what);
    bool InElementEvent() const { return event_depth_ > 0; }

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int mode) override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    void Form_KeyUp(int& key, int shift) override;
    void Form_MouseDown(const forms::MouseEvent& e) override;
    void Form_MouseMove(const forms::MouseEvent& e) override;
    void Form_MouseUp(const forms::MouseEvent& e) override;
    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
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
    void Retire(activex::ControlArray* array);
    // Destroys the elements retired during an event, once it has returned.
    void BuryRetired();
    // The image array and table an Image action position selects; null
    // for a position that selects none.
    struct ImageTarget {
        forms::ControlArray<forms::Image>* array = nullptr;
        vorne::player::skin::ImageElementInfo<forms::PictureRef>* table = nullptr;
    };
    ImageTarget ImageTargetFor(int actionPosition);

    // An image button element of kind 0 push, 1 toggle, 2 four-state.
    std::unique_ptr<forms::Image> MakeButton(const char* array, int kind, int i);
    void OpenMediaControl();
    // Makes the control the load asked for, once (its media graph is not
    // needed to draw the face).
    void MakeMediaControl();
    void CloseMediaControl();
    // The end of the load, once the face is on screen.
    void FinishLoadAfterFace();

    HIMAGELIST trayPictures_ = nullptr;
    forms::MenuItem mnuDisplay_{"mnuDisplay"};
    std::vector<std::unique_ptr<forms::MenuItem>> cmdScrolldir_;
    std::unique_ptr<PlaybackWiring> playback_;
    bool mediaRequested_ = false;  // load step 6 ran; the control is made after the first paint
    bool faceLoading_ = false;     // the load runs and its face is not yet on screen
    std::vector<std::function<void()>> playsAfterFace_;
    com::Ptr<SubclassClient> client_;
    Subclasser subclasser_;
    int event_depth_ = 0;
    std::vector<std::unique_ptr<forms::FormControl>> graveyard_;
    std::vector<com::Ptr<activex::ControlSite>> retiredSites_;
};

// The default instance.
FrmMain& frmMain();

}  // namespace vorne::player
