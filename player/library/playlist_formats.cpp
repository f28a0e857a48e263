#include "playlist_formats.h"

#include <cctype>

#include "file_ops.h"
#include "runtime/basic/basic.h"
#include "runtime/text/ansi.h"

namespace vorne::player::library {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
// The longest entry a PLS line gives, in characters.
constexpr size_t kMaxPlsEntry = 999;

// A list that begins with a UTF-8 byte-order mark holds UTF-8 text; any
// other list holds ANSI text. Returns the data after the mark.
std::string_view StripBom(std::string_view data, bool* utf8 = nullptr) {
    const bool marked = data.substr(0, kBom.size()) == kBom;
    if (marked) data.remove_prefix(kBom.size());
    if (utf8) *utf8 = marked;
    return data;
}

// The lines of a list in the program's ANSI text: titles and paths of a
// UTF-8 list are converted, a path without an ANSI form by Utf8PathToAnsi.
class ListText {
public:
    ListText(std::string_view data, std::string_view listPath) : listPath_(listPath) {
        data_ = StripBom(data, &utf8_);
    }
    std::string_view Data() const { return data_; }
    std::string Title(const std::string& line) const { return utf8_ ? text::Utf8ToAnsi(line) : line; }
    // An entry's path; resolve = false takes a relative path as stored.
    std::string Path(std::string_view entry, bool resolve = true) const {
        bool resolved = false;
        const std::string ansi =
            utf8_ ? Utf8PathToAnsi(entry, resolve ? ChopFileOff(listPath_) : std::string(), &resolved)
                  : std::string(entry);
        return resolve && !resolved ? FixFileName(ansi, listPath_) : ansi;
    }

    // At most n characters of an entry as stored (a double-byte or a
    // multi-byte character counts as one).
    std::string_view FirstCharacters(std::string_view entry, size_t n, std::string& store) const {
        if (entry.size() <= n) return entry;
        if (utf8_) {
            size_t count = 0;
            for (size_t i = 0; i < entry.size(); ++i)
                if ((static_cast<unsigned char>(entry[i]) & 0xC0) != 0x80 && count++ == n) return entry.substr(0, i);
            return entry;
        }
        const std::wstring wide = text::AnsiToWide(entry);
        if (wide.size() <= n) return entry;
        store = text::WideToAnsi(std::wstring_view(wide).substr(0, n));
        return store;
    }

private:
    std::string_view data_;
    std::string_view listPath_;
    bool utf8_ = false;
};

std::string UpperAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The text of the first line up to its first comma.
std::string_view FirstField(std::string_view data) {
    size_t end = data.find_first_of(",\r\n");
    return data.substr(0, end);
}

// Lines end at CR LF, a lone CR or a lone LF.
class Lines {
public:
    explicit Lines(std::string_view data) : reader_(data, true) {}
    bool Next(std::string& line) { return reader_.ReadLine(line); }

private:
    vorne::basic::LineReader reader_;
};

bool AppendEntry(PlaylistStore& out, std::string title, std::string path, bool* truncated) {
    if (out.Full()) {
        if (truncated) *truncated = true;
        return false;
    }
    out.Append(std::move(title), std::move(path));
    return true;
}

// "File<digits>=" in any letter case: the length of that key, or 0.
size_t PlsFileKey(std::string_view line) {
    if (line.size() < 6) return 0;
    if (UpperAscii(line.substr(0, 4)) != "FILE") return 0;
    size_t i = 4;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
    if (i == 4 || i >= line.size() || line[i] != '=') return 0;
    return i + 1;
}

// Keeps every entry on one line of the file.
std::string OneLine(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return r;
}

void PutLine(std::string& out, std::string_view s) {
    out += OneLine(s);
    out += "\r\n";
}

}  // namespace

ListFormat DetectFormat(std::string_view data) {
    std::string first = UpperAscii(FirstField(StripBom(data)));
    if (first.find(UpperAscii(kFastLoadHeader)) != std::string::npos) return ListFormat::kFastLoad;
    if (TrimBlanks(first) == "[PLAYLIST]") return ListFormat::kPls;
    return ListFormat::kM3u;
}

bool ReadFastLoad(std::string_view data, std::string_view listPath, bool resolve, PlaylistStore& out,
                  bool* truncated) {
    const ListText list(data, listPath);
    Lines lines(list.Data());
    std::string line;
    if (!lines.Next(line)) return true;  // empty file: empty list
    std::string title, path;
    while (lines.Next(title)) {
        if (!lines.Next(path)) break;  // a title without its path is dropped
        if (!AppendEntry(out, list.Title(title), list.Path(path, resolve), truncated)) break;
    }
    return true;
}

bool ReadPls(std::string_view data, std::string_view listPath, PlaylistStore& out, bool* truncated) {
    const ListText list(data, listPath);
    Lines lines(list.Data());
    std::string line;
    if (!lines.Next(line)) return true;
    while (lines.Next(line)) {
        size_t key = PlsFileKey(line);
        if (key == 0) continue;
        std::string cut;
        std::string p = list.Path(list.FirstCharacters(std::string_view(line).substr(key), kMaxPlsEntry, cut));
        std::string t = p;
        if (!AppendEntry(out, std::move(t), std::move(p), truncated)) break;
    }
    return true;
}

bool ReadM3u(std::string_view data, std::string_view listPath, PlaylistStore& out, bool* truncated) {
    const ListText list(data, listPath);
    Lines lines(list.Data());
    std::string line;
    while (lines.Next(line)) {
        const std::string_view text = TrimBlanks(line);
        if (text.empty() || text.front() == '#') continue;  // blank lines and comments
        std::string p = list.Path(line);
        std::string t = p;
        if (!AppendEntry(out, std::move(t), std::move(p), truncated)) break;
    }
    return true;
}

std::string WriteFastLoad(const PlaylistStore& list, std::string_view dateText) {
    std::string out;
    out.reserve(64 + static_cast<size_t>(list.Count()) * 96);
    PutLine(out, std::string(kFastLoadHeader) + std::string(dateText));
    for (int i = 0; i < list.Count(); ++i) {
        PutLine(out, list.Title(i));
        PutLine(out, list.PathAt(i));
    }
    return out;
}

std::string WritePls(const PlaylistStore& list) {
    std::string out;
    out.reserve(64 + static_cast<size_t>(list.Count()) * 64);
    PutLine(out, "[playlist]");
    for (int i = 0; i < list.Count(); ++i) {
        out += "file" + std::to_string(i + 1) + "=";
        PutLine(out, list.PathAt(i));
    }
    PutLine(out, "NumberOfEntries=" + std::to_string(list.Count()));
    return out;
}

std::string WriteM3u(const PlaylistStore& list) {
    std::string out;
    out.reserve(static_cast<size_t>(list.Count()) * 64);
    for (int i = 0; i < list.Count(); ++i) PutLine(out, list.PathAt(i));
    return out;
}

std::string FormatListDate(std::time_t when) {
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &when);
#else
    localtime_r(&when, &tm);
#endif
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

ListResult LoadPlayList(const std::string& file, PlaylistStore& list, std::string& playListPath) {
    ListResult r;
    std::string data;
    switch (ReadWholeFile(file, data)) {
        case ReadStatus::kOk: break;
        case ReadStatus::kMissing: r.message = "File not found: " + file; return r;
        case ReadStatus::kFailed: r.message = "Cannot read " + file; return r;
    }
    PlaylistStore fresh;
    bool ok = false;
    switch (DetectFormat(data)) {
        case ListFormat::kFastLoad: ok = ReadFastLoad(data, file, true, fresh, &r.truncated); break;
        case ListFormat::kPls: ok = ReadPls(data, file, fresh, &r.truncated); break;
        case ListFormat::kM3u: ok = ReadM3u(data, file, fresh, &r.truncated); break;
    }
    if (!ok) {
        r.message = "Not a play list: " + file;
        return r;
    }
    list.Swap(fresh);
    playListPath = file;
    r.ok = true;
    return r;
}

ListFormat SaveFormatFor(std::string_view chosenName) {
    std::string ext = UpperAscii(chosenName.size() >= 4 ? chosenName.substr(chosenName.size() - 4) : chosenName);
    if (ext == ".M3U") return ListFormat::kM3u;
    if (ext == ".PLS") return ListFormat::kPls;
    return ListFormat::kFastLoad;
}

ListResult SaveList(const std::string& chosenName, const PlaylistStore& list, std::string_view dateText) {
    ListResult r;
    std::string data;
    switch (SaveFormatFor(chosenName)) {
        case ListFormat::kM3u: data = WriteM3u(list); break;
        case ListFormat::kPls: data = WritePls(list); break;
        case ListFormat::kFastLoad: data = WriteFastLoad(list, dateText); break;
    }
    r.ok = WriteFileReplacing(chosenName, data);
    if (!r.ok) r.message = "Cannot write " + chosenName;
    return r;
}

std::string GenericList::PathIn(std::string_view programFolder) {
    std::string p(programFolder);
#ifdef _WIN32
    constexpr char kSeparator = '\\';
#else
    constexpr char kSeparator = '/';
#endif
    if (!p.empty() && p.back() != '\\' && p.back() != '/') p += kSeparator;
    return p + std::string(kGenericListName);
}

ListResult GenericList::Load(const std::string& programFolder, PlaylistStore& list, bool atStart) {
    ListResult r;
    const std::string path = PathIn(programFolder);
    std::string data;
    switch (ReadWholeFile(path, data)) {
        case ReadStatus::kMissing: {
            PlaylistStore empty;
            list.Swap(empty);
            blocked_ = false;
            r.ok = true;
            return r;
        }
        case ReadStatus::kFailed:
            if (atStart) blocked_ = true;
            r.message = "Cannot read " + path;
            return r;
        case ReadStatus::kOk: break;
    }
    PlaylistStore fresh;
    ReadFastLoad(data, path, false, fresh, &r.truncated);
    blocked_ = r.truncated;  // saving would drop the entries left out
    list.Swap(fresh);
    r.ok = true;
    return r;
}

ListResult GenericList::Save(const std::string& programFolder, const PlaylistStore& list,
                             std::string_view dateText) const {
    ListResult r;
    const std::string path = PathIn(programFolder);
    if (blocked_) {
        r.message = "Not saved: " + path + " could not be read at start";
        return r;
    }
    r.ok = WriteFileReplacing(path, WriteFastLoad(list, dateText));
    if (!r.ok) r.message = "Cannot write " + path;
    return r;
}

}  // namespace vorne::player::library
