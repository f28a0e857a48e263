// The program's start: the single-instance test, then the main window, then
// the message loop for as long as a window of the player is loaded.
#include <windows.h>
#include <ole2.h>

#include "player/app/component_warm_up.h"
#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/running_main_window.h"
#include "player/app/trace.h"
#include "player/startup/handover.h"
#include "player/startup/instance.h"
#include "runtime/forms/forms.h"

namespace {

using namespace vorne;
namespace core = vorne::player::core;

// Whether the options on disk let a second start run beside the first.
bool MultipleInstancesAllowed() {
    core::OptionsFile o;
    core::LoadOptionsFile(core::OptionsFileName(forms::App::Path()), o);
    return o.AllowMultipleInstances != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    OleInitialize(nullptr);
    vorne::player::startup::InstanceLock lock;
    const std::string command = forms::App::Command();
    bool run = lock.IsFirstInstance(vorne::player::startup::kMutexName);
    player::Trace(run ? "instance first" : "instance second");
    if (!run) {
        if (MultipleInstancesAllowed()) {
            run = true;
            player::Trace("instance runs beside the first");
        } else {
            const bool found = vorne::player::startup::HandToRunningInstance(command);
            player::Trace(found ? "instance handed over" : "instance found none");
        }
    }
    if (run) {
        player::WarmUpFaceComponents();
        // The windows the menu opens, which see the main window through its view.
        player::ConnectSecondaryWindows();
        player::frmMain().Load();
        forms::Form::Run();
    }
    // Closed last, once the options and the auto-saved list are written.
    lock.Release();
    OleUninitialize();
    return 0;
}
