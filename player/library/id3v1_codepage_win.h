#pragma once
// The tag writer's code page on Windows: the system's ANSI code page.
#include "id3v1_writer.h"

namespace vorne::library {

// UTF-8 text to CP_ACP bytes (WideCharToMultiByte), lead bytes by
// IsDBCSLeadByte.
CodePage AnsiCodePage();

}  // namespace vorne::library
