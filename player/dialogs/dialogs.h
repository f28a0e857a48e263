#pragma once
// The player's three small windows, each opened modeless from the popup
// menu through its single instance and closed by its own button:
// FrmStats ("Play Statistics"), FrmAbout ("About Vorne") and FrmInfo
// ("View Author Details"). Each puts itself on top or not as the
// always-on-top option says (ApplyOnTopRule) when it loads.
#include <windows.h>

#include <array>
#include <string>

#include "player/commands/statistics_view.h"
#include "player/core/options.h"
#include "runtime/forms/forms.h"

namespace vorne::player::dialogs {

class FrmStats : public forms::Form {
public:
    // The counters it shows and resets (the options' statistics).
    explicit FrmStats(core::Statistics& stats);
    forms::Timer Timer1;  // 2000 ms: the captions follow the counters

    void RefreshCaptions();
    void cmdRst_Click();
    void Command1_Click() { Unload(); }
    // lblStat1..lblStat4 as shown.
    const commands::StatisticCaptions& Captions() const { return captions_; }

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    DWORD Style() const override { return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; }

private:
    core::Statistics& stats_;
    commands::StatisticCaptions captions_{"0", "0", "0", "0"};
    std::array<HWND, 4> values_{};
    HFONT titleFont_ = nullptr;
};

class FrmAbout : public forms::Form {
public:
    FrmAbout();
    void Command1_Click() { Unload(); }
    std::string HistoryText() const;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    DWORD Style() const override { return WS_CAPTION | WS_SYSMENU; }

private:
    HWND txtHist_ = nullptr;
    HFONT titleFont_ = nullptr;
};

// The author details of the loaded skin: name, description, e-mail, home page.
using AuthorDetails = std::array<std::string, 4>;

class FrmInfo : public forms::Form {
public:
    // Shows the details as they stand when the window loads.
    explicit FrmInfo(const AuthorDetails& details);
    // A click on link label 0 (name), 1 (e-mail) or 2 (home page): opens
    // the target when it is a web page or mail address; false when refused.
    bool txtAuthorInfo1_Click(int index);
    void cmdSave_Click() { Unload(); }
    std::string LinkCaption(int index) const;
    std::string DescriptionText() const;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    DWORD Style() const override { return WS_CAPTION | WS_SYSMENU; }

private:
    const AuthorDetails& details_;
    std::array<HWND, 3> links_{};
    HWND description_ = nullptr;
    HFONT linkFont_ = nullptr;
};

}  // namespace vorne::player::dialogs
