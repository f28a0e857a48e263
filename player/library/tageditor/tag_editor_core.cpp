#include "player/library/tageditor/tag_editor_core.h"

#include <cstdio>
#include <cstdlib>

#include "player/library/file_ops.h"
#include "runtime/text/ansi.h"

namespace vorne::player::library::tageditor {

std::string SizeLine(int64_t length) {
    if (length < 0) length = 0;
    const int64_t whole = length / 1000000;
    const int64_t hundredths = (length % 1000000) / 10000;
    std::string mb = std::to_string(whole);
    if (hundredths != 0) {
        char frac[4];
        std::snprintf(frac, sizeof frac, "%02d", static_cast<int>(hundredths));
        std::string f = frac;
        if (f.back() == '0') f.pop_back();
        mb += "." + f;
    }
    return std::to_string(length) + " - (" + mb + "mb)";
}

std::string StreamFacts(const core::SongInfoRecord& r) {
    if (r.MpegVersion.empty()) return std::string();
    const std::string nl = "\r\n";
    std::string s = "MPEG " + r.MpegVersion + " layer " + r.Layer + nl;
    if (std::atoi(r.ChannelMode.c_str()) == 0)
        s += std::to_string(r.Frequency) + "hz (Stereo)" + nl;
    else
        s += std::to_string(r.Frequency) + "hz (channel mode:" + r.ChannelMode + ")" + nl;
    s += std::to_string(r.BitRate / 1000) + "kbit, " + std::to_string(r.FrameCount) + " frames" + nl;
    s += std::to_string(r.FrameMs) + "ms per frame" + nl;
    s += "Copyrighted: " + r.Copyrighted + nl;
    s += "Original: " + r.Original + nl;
    s += "Checksums: " + r.Checksums + nl;
    return s;
}

TagOnDisk ProbeTag(const std::string& path) {
    std::FILE* f = path.empty() ? nullptr : text::OpenFile(path, "rb");
    if (!f) return TagOnDisk::kUnreadable;
    const int64_t length = text::FileLength(f);
    TagOnDisk r = TagOnDisk::kTooShort;
    if (length >= 125) {
        r = TagOnDisk::kUntagged;
        unsigned char head[3] = {};
        if (length >= static_cast<int64_t>(kTagSize) && text::SeekTo(f, static_cast<uint64_t>(length) - kTagSize) &&
            std::fread(head, 1, 3, f) == 3 && IsTagBlock(head))
            r = TagOnDisk::kTagged;
    }
    std::fclose(f);
    return r;
}

void TagEditorModel::Reset() {
    tagPath.clear();
    resumePosition = 0;
    closingEditor = false;
    waitTimedOut = false;
    file = title = artist = album = year = comments = genre = sizeText = extraText = std::string();
    saveEnabled = removeEnabled = false;
    saveCaption = "Save TAG";
}

std::string TagEditorModel::Cut(const std::string& text, size_t width) const {
    // As many whole characters as fit the box.
    size_t at = 0;
    while (at < text.size()) {
        const bool lead = env_.codePage.isLeadByte && env_.codePage.isLeadByte(static_cast<unsigned char>(text[at]));
        const size_t len = lead && at + 1 < text.size() ? 2 : 1;
        if (at + len > width) break;
        at += len;
    }
    return text.substr(0, at);
}

namespace {

bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto up = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

}  // namespace

void TagEditorModel::MapData(const std::string& path) {
    if (!path.empty()) tagPath = path;
    const std::string current = env_.currentFile ? env_.currentFile() : std::string();
    core::SongInfoRecord rec = env_.currentSongInfo ? env_.currentSongInfo() : core::SongInfoRecord{};
    file = current;
    if (!path.empty()) {
        file = path;
        rec = env_.songInfo ? env_.songInfo(path) : core::SongInfoRecord{};
    }
    TagOnDisk disk = ProbeTag(file);
    if (disk == TagOnDisk::kUnreadable && !file.empty() && SamePath(file, current)) {
        // The player holds it: what it read when the song was chosen.
        rec = env_.currentSongInfo ? env_.currentSongInfo() : core::SongInfoRecord{};
        disk = rec.HasTag ? TagOnDisk::kTagged : rec.FileLength >= 125 ? TagOnDisk::kUntagged : TagOnDisk::kTooShort;
    }
    if (!rec.HasTag) rec.Title = rec.Artist = rec.Album = rec.Year = rec.Comment = rec.Genre = std::string();
    title = Cut(rec.Title, kTextWidth);
    artist = Cut(rec.Artist, kTextWidth);
    album = Cut(rec.Album, kTextWidth);
    year = Cut(rec.Year, kYearWidth);
    comments = Cut(rec.Comment, kTextWidth);
    genre = rec.Genre;
    sizeText = SizeLine(rec.FileLength);
    extraText = StreamFacts(rec);
    switch (disk) {
        case TagOnDisk::kTagged:
            removeEnabled = true;
            saveCaption = "Save TAG";
            saveEnabled = false;
            break;
        case TagOnDisk::kUntagged:
            removeEnabled = false;
            saveCaption = "Make TAG";
            saveEnabled = true;
            break;
        case TagOnDisk::kTooShort:
        case TagOnDisk::kUnreadable:
            // Nothing can be written to it.
            removeEnabled = false;
            saveCaption = "Save TAG";
            saveEnabled = false;
            break;
    }
}

TagFields TagEditorModel::Fields() const { return TagFields{title, artist, album, year, comments, genre}; }

bool TagEditorModel::ReleaseIfCurrent(TagEditorPlayer* player, PlayerHold& hold) {
    if (!player || file.empty() || !player->IsCurrent(file)) return false;
    hold = player->Release();
    resumePosition = hold.position;
    return true;
}

void TagEditorModel::GiveBack(TagEditorPlayer* player, const PlayerHold& hold, const std::string& path) {
    player->Reopen(path);
    waitTimedOut = false;
    const int64_t start = env_.clockMs ? env_.clockMs() : 0;
    while (!player->IsPlaying() && !closingEditor) {
        if (!env_.clockMs || env_.clockMs() - start >= env_.waitLimitMs) {
            waitTimedOut = true;
            break;
        }
        if (env_.yield) env_.yield();
    }
    PlayerHold back = hold;
    back.position = resumePosition;
    player->Resume(back);
}

TagEditorModel::Result TagEditorModel::Save(TagEditorPlayer* player) {
    const std::string path = file;
    PlayerHold hold;
    const bool held = ReleaseIfCurrent(player, hold);
    saveEnabled = false;
    int error = 0;
    Result r;
    r.result = SaveTag(path, Fields(), env_.codePage, &error);
    r.message = TagResultMessage(r.result, path, error);
    // The dialog shows what is now in the file, read while it is free.
    MapData(path);
    if (held) GiveBack(player, hold, path);
    return r;
}

TagEditorModel::Result TagEditorModel::Remove(TagEditorPlayer* player) {
    const std::string path = file;
    PlayerHold hold;
    const bool held = ReleaseIfCurrent(player, hold);
    int error = 0;
    Result r;
    r.result = RemoveTag(path, &error);
    r.message = TagResultMessage(r.result, path, error);
    if (r.result == TagResult::kRemoved) {
        MapData(path);
        saveEnabled = false;
    }
    if (held) GiveBack(player, hold, path);
    return r;
}

}  // namespace vorne::player::library::tageditor
