#include "id3v1_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file_ops.h"
#include "player/core/genres.h"
#include "runtime/text/ansi.h"

namespace vorne::player::library {

namespace {

constexpr int kNoGenre = 255;

struct File {
    std::FILE* f = nullptr;
    ~File() {
        if (f) std::fclose(f);
    }
};

TagResult OpenForUpdate(const std::string& path, File& file) {
    errno = 0;
    file.f = text::OpenFile(path, "r+b");
    if (file.f) {
        // Unbuffered: a write that fails leaves nothing pending that a later
        // flush or the cut back to the old length would trip over.
        std::setvbuf(file.f, nullptr, _IONBF, 0);
        return TagResult::kSaved;
    }
    if (errno == ENOENT) return TagResult::kMissing;
    if (errno == EACCES || errno == EPERM || errno == EROFS || errno == EBUSY) return TagResult::kInUseOrReadOnly;
    return TagResult::kIoError;
}

// Reads the last 128 bytes when the file has that many.
bool ReadLastBlock(std::FILE* f, int64_t length, TagBlock& block) {
    if (length < static_cast<int64_t>(kTagSize)) return false;
    if (!text::SeekTo(f, static_cast<uint64_t>(length) - kTagSize)) return false;
    return std::fread(block.data(), 1, kTagSize, f) == kTagSize;
}

// kIoError, with the C library's error number (EIO when it gave none).
TagResult IoError(int* error, int e) {
    if (error) *error = e ? e : EIO;
    return TagResult::kIoError;
}

void Put(TagBlock& b, size_t at, const std::string& s) { std::memcpy(b.data() + at, s.data(), s.size()); }

}  // namespace

CodePage BytesCodePage() {
    return CodePage{[](unsigned char) { return false; }};
}

std::string FitField(std::string_view bytes, size_t width, const CodePage& cp) {
    size_t end = 0;
    while (end < bytes.size()) {
        size_t len = (cp.isLeadByte && cp.isLeadByte(static_cast<unsigned char>(bytes[end])) &&
                      end + 1 < bytes.size())
                         ? 2
                         : 1;
        if (end + len > width) break;
        end += len;
    }
    return core::PadRight(bytes.substr(0, end), width);
}

bool IsTagBlock(const uint8_t* block) { return block[0] == 'T' && block[1] == 'A' && block[2] == 'G'; }

TagBlock BuildTagBlock(const TagFields& fields, const CodePage& cp, const TagBlock* previous) {
    TagBlock b{};
    Put(b, 0, "TAG");
    Put(b, 3, FitField(fields.title, 30, cp));
    Put(b, 33, FitField(fields.artist, 30, cp));
    Put(b, 63, FitField(fields.album, 30, cp));
    Put(b, 93, FitField(fields.year, 4, cp));
    const bool hasTrack = previous && IsTagBlock(previous->data()) && (*previous)[125] == 0 && (*previous)[126] != 0;
    if (hasTrack) {
        Put(b, 97, FitField(fields.comment, 28, cp));
        b[125] = 0;
        b[126] = (*previous)[126];
    } else {
        Put(b, 97, FitField(fields.comment, 30, cp));
    }
    int genre = core::GenreNumber(fields.genre);
    if (genre < 0 || genre > 255) {
        genre = kNoGenre;
        if (fields.genre.empty() && previous && IsTagBlock(previous->data()) &&
            core::GenreName((*previous)[127]).empty())
            genre = (*previous)[127];
    }
    b[127] = static_cast<uint8_t>(genre);
    return b;
}

TagResult SaveTag(const std::string& path, const TagFields& fields, const CodePage& cp, int* error) {
    auto fail = [&](int e) { return IoError(error, e); };
    File file;
    TagResult r = OpenForUpdate(path, file);
    if (!file.f) return r == TagResult::kIoError ? fail(errno) : r;
    const int64_t length = text::FileLength(file.f);
    if (length < 0) return fail(errno);
    if (length < 125) return TagResult::kTooShort;
    TagBlock old{};
    const bool hasTag = ReadLastBlock(file.f, length, old) && IsTagBlock(old.data());
    const TagBlock block = BuildTagBlock(fields, cp, hasTag ? &old : nullptr);
    const int64_t at = hasTag ? length - static_cast<int64_t>(kTagSize) : length;
    errno = 0;
    bool ok = text::SeekTo(file.f, static_cast<uint64_t>(at)) &&
              std::fwrite(block.data(), 1, kTagSize, file.f) == kTagSize && std::fflush(file.f) == 0;
    int e = errno;
    if (!ok && !hasTag) {
        // Whatever part of the tag reached the file goes again.
        std::clearerr(file.f);
        TruncateOpenFile(file.f, static_cast<uint64_t>(length));
    }
    const int rc = std::fclose(file.f);
    file.f = nullptr;
    if (ok && rc != 0) {
        ok = false;
        e = errno;
        if (!hasTag) {
            File again;
            again.f = text::OpenFile(path, "r+b");
            if (again.f) TruncateOpenFile(again.f, static_cast<uint64_t>(length));
        }
    }
    if (!ok) return fail(e);
    return hasTag ? TagResult::kSaved : TagResult::kAppended;
}

TagResult RemoveTag(const std::string& path, int* error) {
    auto fail = [&](int e) { return IoError(error, e); };
    File file;
    TagResult r = OpenForUpdate(path, file);
    if (!file.f) return r == TagResult::kIoError ? fail(errno) : r;
    const int64_t length = text::FileLength(file.f);
    if (length < 0) return fail(errno);
    if (length < 125) return TagResult::kTooShort;
    TagBlock old{};
    if (!ReadLastBlock(file.f, length, old) || !IsTagBlock(old.data())) return TagResult::kNoTag;
    errno = 0;
    if (!TruncateOpenFile(file.f, static_cast<uint64_t>(length - static_cast<int64_t>(kTagSize))))
        return fail(errno);
    const int rc = std::fclose(file.f);
    file.f = nullptr;
    return rc == 0 ? TagResult::kRemoved : fail(errno);
}

std::string TagResultMessage(TagResult r, const std::string& path, int error) {
    switch (r) {
        case TagResult::kSaved:
        case TagResult::kAppended:
        case TagResult::kRemoved: return std::string();
        case TagResult::kTooShort: return path + " contains no data or too little.";
        case TagResult::kNoTag: return "No ID Tag Found!";
        case TagResult::kMissing: return "File not Found: " + path;
        case TagResult::kInUseOrReadOnly: return "File in Use or Read-only.  Cannot Write";
        case TagResult::kIoError: {
            const int e = error ? error : EIO;
            return std::to_string(e) + std::strerror(e);
        }
    }
    return std::string();
}

}  // namespace vorne::player::library
