#include "file_ops.h"

#include <cerrno>

namespace vorne::library {

ReadStatus ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return errno == ENOENT ? ReadStatus::kMissing : ReadStatus::kFailed;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        out.clear();
        return ReadStatus::kFailed;
    }
    return ReadStatus::kOk;
}

bool WriteFileReplacing(const std::string& path, const std::string& data) {
    const std::string tmp = path + ".new~";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) ok = ReplaceFileWith(tmp, path);
    if (!ok) std::remove(tmp.c_str());
    return ok;
}

int64_t OpenFileLength(std::FILE* f) {
    if (std::fflush(f) != 0) return -1;
#ifdef _WIN32
    if (_fseeki64(f, 0, SEEK_END) != 0) return -1;
    return _ftelli64(f);
#else
    if (fseeko(f, 0, SEEK_END) != 0) return -1;
    return static_cast<int64_t>(ftello(f));
#endif
}

}  // namespace vorne::library
