#include "runtime/activex/component_factory.h"

#include <string>

#include "runtime/forms/forms.h"

namespace vorne::activex {

std::string ComponentBesideProgram(const char* file) {
    std::string path = forms::App::Path();
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + file;
}

com::Ptr<IClassFactory> ComponentFactory(REFCLSID clsid, const char* fileBesideProgram) {
    // The copy beside the program first: it is the one this program was
    // built and shipped with, whatever another installation registered.
    com::Ptr<IClassFactory> factory;
    const std::string path = ComponentBesideProgram(fileBesideProgram);
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

}  // namespace vorne::activex
