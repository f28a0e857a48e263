#include "file_ops.h"

#include <optional>

#include "runtime/basic/basic.h"
#include "runtime/text/ansi.h"

namespace vorne::player::library {

ReadStatus ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    if (!text::FileExists(path)) return text::FolderExists(path) ? ReadStatus::kFailed : ReadStatus::kMissing;
    std::optional<std::string> data = vorne::basic::ReadWholeFile(path);
    if (!data) return ReadStatus::kFailed;
    out = std::move(*data);
    return ReadStatus::kOk;
}

bool WriteFileReplacing(const std::string& path, const std::string& data) {
    return vorne::basic::WriteFileAtomic(path, data);
}

}  // namespace vorne::player::library
