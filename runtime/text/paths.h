// The two halves of a path as every program splits it: the folder part and
// the bare name. Only "\" separates; a "/" is part of a name, as it is for
// the stored files that hold these paths. Window-free.
#pragma once

#include <string>
#include <string_view>

namespace vorne::text {

// The folder part of a path up to and including its last "\"; empty when
// there is none.
std::string ChopFileOff(std::string_view path);
// The part of path after its last "\" ("" without one or when it ends in one).
std::string ChopPath(std::string_view path);

}  // namespace vorne::text
