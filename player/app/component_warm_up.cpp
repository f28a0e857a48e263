#include "player/app/component_warm_up.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "runtime/activex/component_factory.h"

namespace vorne::player {
namespace {

DWORD WINAPI WarmUp(void* arg) {
    auto* paths = static_cast<std::string*>(arg);
    // Kept loaded: ComponentFactory loads the same files for the whole run.
    for (int i = 0; i < 2; ++i) LoadLibraryA(paths[i].c_str());
    delete[] paths;
    // The first call brings up the wave devices the volume is read from.
    waveOutGetNumDevs();
    return 0;
}

}  // namespace

void WarmUpFaceComponents() {
    // The paths are made here: App::Path is the window thread's.
    auto* paths = new std::string[2]{activex::ComponentBesideProgram("Dunmere.ocx"), activex::ComponentBesideProgram("Plovex1.ocx")};
    if (HANDLE t = CreateThread(nullptr, 0, WarmUp, paths, 0, nullptr))
        CloseHandle(t);
    else
        delete[] paths;
}

}  // namespace vorne::player
