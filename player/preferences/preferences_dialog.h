#pragma once
// The preferences dialog FrmOptions ("Vorne Prefrences"): the options on
// three tab pages (General, Display, File Types), Apply and Cancel, and on
// the third page the file types the player opens, saved to the registry.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "runtime/registry/registry.h"
#include "player/preferences/preferences_core.h"
#include "runtime/forms/forms.h"
#include "runtime/forms/tab_strip.h"

namespace vorne::player::preferences {

// What the dialog needs beyond PreferencesHost: the buffering time it
// shows, and the tray icon's ReShow.
class OptionsDialogHost : public PreferencesHost {
public:
    virtual double BufferingTime() = 0;
    virtual void ReshowTrayIcon() = 0;
};

class FrmOptions : public forms::Form {
public:
    // options: the player's option variables; registry: where the file
    // types are bound; programBase: folder and program name without
    // extension (ProgramBase). Type icons and tray pictures come from the
    // resources of module (the program by default).
    FrmOptions(core::OptionsFile& options, OptionsDialogHost& host, vorne::registry::Registry& registry, std::string programBase,
               HINSTANCE module = nullptr);
    ~FrmOptions() override;

    forms::TabStrip TS;

    // --- what the buttons and the tab strip do
    void cmdApply_Click();
    void cmdancel_Click() { Unload(); }
    void cmdSave_Click();
    void cmdShow_Click();
    void TS_Click();
    void List1_Click(int row);

    // --- the controls' state (also for tests)
    PreferenceValues Values() const;
    void SetValues(const PreferenceValues& v);
    int VisiblePage() const { return page_; }  // 0..2
    int SliderMax(int id) const;
    const std::vector<std::string>& Rows() const { return rows_; }
    bool RowTicked(int row) const;
    void SetRowTicked(int row, bool on);
    std::vector<bool> List2() const { return list2_; }
    std::string AssociatedWith() const;
    std::string AssociatedCommand() const;
    std::string LabelText(int id) const;
    // The control with this id (null while the dialog is not loaded).
    HWND Control(int id) const { return Item(id); }
    // The number of messages shown about failed registry writes.
    int FailureReports() const { return failureReports_; }

    // Control ids, for tests that look for the windows.
    enum : int {
        idApply = 100, idCancel, idSave, idShow, idList1,
        idPlayOnStart = 120, idMemory, idFollow, idVid, idCursors, idInstances,
        idSlider1 = 140, idSlider2, idWait, idTray, idBuf, idSnap, idPL, idMedia,
        idDisp = 160, idTip, idPlayList, idWith, idWith1,
        idPrior = 180, idWaitLabel, idBufLabel, idSnapLabel, idRefreshLabel,
        idPicTray = 190, idPicPL, idPicMedia,
    };

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    DWORD Style() const override { return WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }

private:
    HWND Item(int id) const;
    HWND Add(int page, const char* cls, const std::string& text, DWORD style, int x, int y, int w, int h, int id = 0,
             DWORD exStyle = 0);
    HWND Slider(int page, int id, int x, int y, int w, int min, int max);
    void ShowPage(int page);
    void SliderMoved(int id);
    void ShowTrayPreview();
    void ShowTypeIconPreview(int sliderId, int picId);
    void createlistofSpecs();
    void CheckSpecAssociation();
    void SetIcon(int picId, HICON icon);

    core::OptionsFile& options_;
    OptionsDialogHost& host_;
    vorne::registry::Registry& registry_;
    std::string programBase_;
    HINSTANCE module_;
    std::array<HWND, 3> pages_{};
    std::map<int, HWND> items_;
    int page_ = 0;
    std::vector<std::string> rows_;
    std::vector<bool> list2_;
    HIMAGELIST trayPictures_ = nullptr;
    std::map<int, HICON> icons_;  // the preview pictures shown
    int failureReports_ = 0;
    bool filling_ = false;
};

}  // namespace vorne::player::preferences
