#pragma once
// The tag writer's code page on Windows: the system's ANSI code page, whose
// double-byte lead bytes IsDBCSLeadByte tells.
#include "id3v1_writer.h"

namespace vorne::player::library {

CodePage AnsiCodePage();

}  // namespace vorne::player::library
