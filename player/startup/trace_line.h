// One line appended to the file an environment variable names: how the
// player and its test and yardstick programs tell a watcher that a stage
// was reached (VORNE_TRACE "shown", the probe's hand-over log). Nothing
// happens when the variable is unset or empty. Window-free.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace vorne::player::startup {

inline void AppendTraceLine(const char* envVar, const char* line) {
    const char* path = std::getenv(envVar);
    if (!path || !*path) return;
    if (FILE* f = std::fopen(path, "ab")) {
        std::fprintf(f, "%s\n", line);
        std::fclose(f);
    }
}

}  // namespace vorne::player::startup
