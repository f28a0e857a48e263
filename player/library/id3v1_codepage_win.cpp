#include "id3v1_codepage_win.h"

#include <windows.h>

namespace vorne::library {

CodePage AnsiCodePage() {
    return CodePage{[](unsigned char b) { return IsDBCSLeadByte(b) != 0; }};
}

}  // namespace vorne::library
