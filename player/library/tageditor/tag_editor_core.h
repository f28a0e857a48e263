#pragma once
// The tag editor without its window: what the dialog shows for one media
// file (its tag fields, the size line, the stream facts and the state of
// its buttons), and the save and removal of the tag through the tag writer.
// When the file is the one the player holds, the player lets it go for the
// write and takes it up again at the same second and in the same play
// state; the wait for it to play again is bounded. Window-free.
#include <cstdint>
#include <functional>
#include <string>

#include "player/core/song_info.h"
#include "player/library/id3v1_writer.h"

namespace vorne::player::library::tageditor {

// What the player keeps of its file while it lets it go.
struct PlayerHold {
    int32_t position = 0;  // seconds, rounded
    int state = 0;         // 0 stopped, 1 paused, 2 playing
};

// What the tag editor asks of the player. The player implements it over
// its media control: IsCurrent compares with its current file without
// regard to letter case; Release keeps position and play state and closes
// the file (opens an empty name); Reopen opens the path again, which starts
// it playing; IsPlaying tells when it plays again; Resume sets the position
// and puts a stopped or paused song back into that state.
class TagEditorPlayer {
public:
    virtual ~TagEditorPlayer() = default;
    virtual bool IsCurrent(const std::string& path) = 0;
    virtual PlayerHold Release() = 0;
    virtual void Reopen(const std::string& path) = 0;
    virtual bool IsPlaying() = 0;
    virtual void Resume(const PlayerHold& hold) = 0;
};

// What the editor reads of the running player.
struct TagEditorEnv {
    std::function<std::string()> currentFile;              // CurrentFile
    std::function<core::SongInfoRecord()> currentSongInfo;       // CurrentSongInfo
    std::function<core::SongInfoRecord(const std::string&)> songInfo;  // GetMp3Info
    CodePage codePage = BytesCodePage();
    // The wait for the player: runs the message loop once, and tells the
    // milliseconds elapsed on some clock.
    std::function<void()> yield;
    std::function<int64_t()> clockMs;
    int64_t waitLimitMs = 10000;
};

// "3456789 - (3.45mb)": the length, then the megabytes (millions of bytes)
// cut, not rounded, two digits after the point, without a point for a
// whole number.
std::string SizeLine(int64_t length);
// The seven lines of stream facts (each ended by CR LF), "" when the record
// has none.
std::string StreamFacts(const core::SongInfoRecord& rec);

enum class TagOnDisk { kTagged, kUntagged, kTooShort, kUnreadable };
// A file has a tag when it is at least 125 bytes long and its last 128
// bytes begin with "TAG". kUnreadable: missing, or held by another program.
TagOnDisk ProbeTag(const std::string& path);

class TagEditorModel {
public:
    static constexpr int kTextWidth = 30, kYearWidth = 4;

    explicit TagEditorModel(TagEditorEnv env) : env_(std::move(env)) {}

    // Fresh state for a new opening of the dialog.
    void Reset();
    // Fills the fields from path, or from the song now selected when path is
    // empty. A song without a tag has empty fields: the title the display
    // puts in place of a missing one never becomes a field. The song the
    // player holds, which cannot be read while it plays, is shown from the
    // record the player read when it was chosen.
    void MapData(const std::string& path);
    // A field was changed by the user.
    void FieldChanged() { saveEnabled = true; }

    struct Result {
        TagResult result = TagResult::kSaved;
        std::string message;  // "" on success
    };
    // Writes the tag from the fields and fills the fields again from the file
    // written, then gives the player its file back.
    Result Save(TagEditorPlayer* player);
    // Removes the tag (the caller has asked the user), likewise.
    Result Remove(TagEditorPlayer* player);
    // The dialog is closing: ends a wait for the player.
    void Close() { closingEditor = true; }

    // The fields, cut to the widths of their boxes.
    std::string file, title, artist, album, year, comments, genre;
    std::string sizeText, extraText;
    bool saveEnabled = false, removeEnabled = false;
    std::string saveCaption = "Save TAG";

    std::string tagPath;
    int32_t resumePosition = 0;
    bool closingEditor = false;
    // Set when the last wait for the player ran out before it played.
    bool waitTimedOut = false;

    TagFields Fields() const;

private:
    std::string Cut(const std::string& text, size_t width) const;
    bool ReleaseIfCurrent(TagEditorPlayer* player, PlayerHold& hold);
    void GiveBack(TagEditorPlayer* player, const PlayerHold& hold, const std::string& path);
    TagEditorEnv env_;
};

}  // namespace vorne::player::library::tageditor
