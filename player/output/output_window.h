// The wave output dialog frmOutput ("Wave Output Control"): the folder, the
// two output options, the song shown, the position bar and the two
// buttons over OutputCore, with the MP3 control's decoding half as Output.
// Win32 only.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/mp3info/mp3_events.h"
#include "player/output/option_controls.h"
#include "player/output/output_core.h"
#include "runtime/activex/container.h"
#include "runtime/forms/command_button.h"
#include "runtime/forms/edit_controls.h"
#include "runtime/forms/forms.h"

namespace vorne::player::output {

// The MP3 control as OutputDecoder; its events go to the handlers.
class Mp3ControlDecoder : public OutputDecoder, public vorne::mp3info::Mp3Events {
 public:
  Mp3ControlDecoder();
  ~Mp3ControlDecoder() override;
  long Open(const std::string& source, const std::string& target) override;
  void Start() override;
  void Seek(long position) override;
  void Stop() override;
  long Length() override;
  void Progress(long position) override { if (OnProgress) OnProgress(position); }
  void Done() override { if (OnDone) OnDone(); }
  std::function<void(long)> OnProgress;
  std::function<void()> OnDone;

 private:
  IDispatch* control_ = nullptr;
  vorne::mp3info::Mp3EventsConnection events_;
};

class FrmOutput : public forms::Form {
 public:
  // host: what the dialog reads and drives; the running player's when null.
  explicit FrmOutput(OutputHost* host = nullptr);
  ~FrmOutput() override;

  GroupFrame fraOptions, fraSong;
  forms::Label lblPath;
  forms::TextEdit txtPath;
  forms::CommandButton cmdbrowse;
  OptionButton Option1, Option2;
  forms::Label lblCurSong;
  forms::CommandButton cmdStart, cmdStop;
  forms::Timer Timer1;

  OutputCore& Core() { return *core_; }
  // The position bar (Tolvaner.ScrollBar), null when it could not be made.
  activex::ControlSite* Pos() const { return pos_.Get(); }
  // The folder chooser; tests put their own answer here.
  std::function<std::string(HWND owner)> ChooseFolder;

  void cmdbrowse_Click();
  void cmdStart_Click();
  void cmdStop_Click();
  void Timer1_Timer();

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  LRESULT Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN; }

 private:
  // Shows what the core holds, writing only what differs.
  void Render();
  void CreateBar();
  void Bar_Event(DISPID event);

  std::unique_ptr<OutputHost> ownHost_;
  OutputHost* host_;
  Mp3ControlDecoder decoder_;
  std::unique_ptr<OutputCore> core_;
  com::Ptr<activex::ControlSite> pos_;
  OutputView shown_;  // what the controls show now
  bool barShown_ = false;
};

// The host over the running player: its playlist, its main window, its
// media control; the song facts read without reporting or stopping.
std::unique_ptr<OutputHost> MakePlayerOutputHost(forms::Form& dialog);

// The program's one dialog.
FrmOutput& frmOutput();


// The folder chooser of the shell: "" when cancelled.
std::string BrowseForOutputFolder(HWND owner);

}  // namespace vorne::player::output
