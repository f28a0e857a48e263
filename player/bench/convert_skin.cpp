// Converts a Winamp classic skin the way Drelk does (the same import and
// export), for the start-up benchmark's converted-skin case; it runs when
// the benchmark runs, never while building.
//   bench_convert_skin <winamp main.bmp> <target skin file>
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <exception>

#include "runtime/forms/dialogs.h"
#include "tools/converter/picture_win32.h"
#include "tools/converter/skin_export.h"
#include "tools/converter/winamp_import.h"

int main(int argc, char** argv) {
    using namespace vorne;
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_convert_skin main.bmp target.vsk\n");
        return 2;
    }
    OleInitialize(nullptr);
    int rc = 1;
    try {
        converter::PictureSheetLoader loader;
        converter::WinampInterface from;
        forms::ScriptedDialogs boxes;
        if (converter::ImportWinampSkin(argv[1], loader, from).ok &&
            converter::ExportConvertedSkin(argv[2], from, {"Vorne benchmark", "", "", ""}, boxes) ==
                converter::ExportResult::Written)
            rc = 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    OleUninitialize();
    if (rc) std::fprintf(stderr, "cannot convert %s\n", argv[1]);
    return rc;
}
