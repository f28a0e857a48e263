#include "id3v1_codepage_win32.h"

#include <windows.h>

namespace vorne::player::library {

CodePage AnsiCodePage() {
    return CodePage{[](unsigned char b) { return IsDBCSLeadByte(b) != 0; }};
}

}  // namespace vorne::player::library
