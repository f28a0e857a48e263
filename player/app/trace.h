// A diagnostic trace of the player's start-up and hand-overs: when the
// environment variable VORNE_TRACE names a file, each line is appended to
// it at once (so a crash keeps what came before). Silent otherwise.
#pragma once

#include <string>

namespace vorne::player {

bool TraceEnabled();
void Trace(const std::string& line);

}  // namespace vorne::player
