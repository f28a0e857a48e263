#include "runtime/activex/component_factory.h"

#include <mmsystem.h>

#include <string>

#include "runtime/forms/forms.h"

namespace vorne::player {

namespace {

std::string BesideProgram(const char* file) {
    std::string path = forms::App::Path();
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + file;
}

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
    auto* paths = new std::string[2]{BesideProgram("Dunmere.ocx"), BesideProgram("Plovex1.ocx")};
    if (HANDLE t = CreateThread(nullptr, 0, WarmUp, paths, 0, nullptr))
        CloseHandle(t);
    else
        delete[] paths;
}

com::Ptr<IClassFactory> ComponentFactory(REFCLSID clsid, const char* fileBesideProgram) {
    // The copy beside the program first: it is the one this program was
    // built and shipped with, whatever another installation registered.
    com::Ptr<IClassFactory> factory;
    const std::string path = BesideProgram(fileBesideProgram);
    // Loaded for the rest of the run: the objects it makes outlive any
    // single caller.
    if (HMODULE dll = LoadLibraryA(path.c_str())) {
        using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        auto get =
            reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
        if (get && SUCCEEDED(get(clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.Out()))) && factory)
            return factory;
    }
    factory.Reset();
    if (SUCCEEDED(CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                   reinterpret_cast<void**>(factory.Out()))) &&
        factory)
        return factory;
    return {};
}

}  // namespace vorne::player
