// The single-instance hand-over without the windows: the fixed names both
// sides agree on, the bytes a second start sends with its command line, the
// checks the running instance makes on what arrives, and what a command
// line asks ParseCommand to do. Window-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorne::player::startup {

inline constexpr char kInstanceTag[] = "TessarinSTARTUPDEMO";
inline constexpr char kMutexName[] = "TessarinSTARTUPDEMO_APPLICATION_MUTEX";
inline constexpr char kWindowPropertyName[] = "TessarinSTARTUPDEMO_APPLICATION";
inline constexpr intptr_t kWindowPropertyMark = 1;
inline constexpr unsigned kHandOverMessage = 74;  // WM_COPYDATA
inline constexpr unsigned kHandOverTimeoutMs = 5000;
// A running instance that is still loading is looked for this long.
inline constexpr unsigned kFindRetryMs = 5000;
// Hand-overs longer than this are refused.
inline constexpr size_t kMaxHandOverBytes = 32 * 1024;

// The bytes a second start sends (already in the ANSI code page): the
// command line without a terminating zero, or one zero byte for an empty
// command line.
std::string HandOverBytes(std::string_view ansiCommandLine);

// What the running instance does with a hand-over record.
enum class HandOverAction {
    Reject,       // no data pointer with a length, or longer than the cap: ignored
    ShowWindow,   // no bytes: restore and show the window only
    Parse,        // run ParseCommand with the text
};
struct HandOver {
    HandOverAction action = HandOverAction::Reject;
    std::string text;  // for Parse: the bytes as text (a zero byte stays a character)
};
// data may be null; size is the record's cbData.
HandOver ReceiveHandOver(const void* data, uint32_t size);

// ParseCommand's decision for one command line.
enum class CommandKind {
    ActivateOnly,   // nothing to load: an empty command line (also one zero byte)
    LoadPlayList,   // ends in ".VNA", ".M3U" or ".PLS", any case
    AddFile,        // a media file type (IsValidFileType of the real extension)
    LoadGeneric,    // anything else: the auto-saved list
};
struct ParsedCommand {
    CommandKind kind = CommandKind::ActivateOnly;
    std::string path;  // the command line with one surrounding pair of quotes and surrounding blanks removed
};
// Strips surrounding blanks, then one surrounding pair of double quotes,
// then blanks inside them; a command line that is empty after that (or is
// a single zero character) only activates the window.
ParsedCommand ClassifyCommand(std::string_view commandLine);

}  // namespace vorne::player::startup
