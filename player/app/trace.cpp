#include "player/app/trace.h"

#include <cstdlib>

#include "player/startup/trace_line.h"

namespace vorne::player {

bool TraceEnabled() {
    const char* v = std::getenv("VORNE_TRACE");
    return v && *v;
}

void Trace(const std::string& line) { vorne::player::startup::AppendTraceLine("VORNE_TRACE", line.c_str()); }

}  // namespace vorne::player
