// Reading a skin file (*.vsk) without the windows: the file's lines, the
// header test, the keys of the record level and of each kind's keyed lines,
// and one pass over the file that hands every part of it to a handler in file
// order. Window-free; the main window applies what the handler receives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "components/scroller/scroller_dispids.h"

namespace vorne::player::skin {

// The lines of a skin file: CR LF or a lone CR ends a line; a lone LF is
// part of the line's text. A last line without an ending counts; a file
// ending in a line break has no empty line after it.
std::vector<std::string> SplitSkinLines(std::string_view data);

// The first line, upper-cased, is exactly "[VORNE SKIN]".
bool IsSkinHeader(std::string_view firstLine);

// Skin files are a few kilobytes of text; anything larger than this is not
// a skin and is refused before it is read into memory.
inline constexpr uint64_t kMaxSkinFileBytes = 4u << 20;

// The line's first characters, as many as the key has, equal the key with
// letter case ignored.
bool KeyMatches(std::string_view line, std::string_view key);

// The four kinds, by their text compared exactly (letter case included).
enum class SkinKind { StaticLabel = 0, ScrollingLabel = 1, Image = 2, ScrollBar = 3, Other = 4 };
SkinKind KindFromText(std::string_view kindText);

// The six values an object record starts with: the kind text from the
// "Object=" line, then the five head lines taken by position with 5, 7, 5,
// 5 and 4 characters cut off (shorter lines give "").
struct ObjectHead {
    std::string kind;
    std::string name;
    std::string action;
    std::string img1;
    std::string img2;
    std::string txt;
};

// What the reader hands over, in file order.
class SkinReadHandler {
public:
    virtual ~SkinReadHandler() = default;
    // "INFOn=" for n = 0..3.
    virtual void Info(int n, const std::string& value) {}
    virtual void BackImage(const std::string& value) {}
    virtual void BackTransColour(const std::string& value) {}
    virtual void BackTransTolerance(const std::string& value) {}
    // A record's head is complete: create its element now.
    virtual void BeginObject(const ObjectHead& head) {}
    // One line of the record's keyed part (not "[END OF OBJECT]"), whatever
    // it holds; "[Extra Object Info]" comes here too.
    virtual void KeyedLine(const ObjectHead& head, const std::string& line) {}
    // The record ended: complete is false when the file ended inside it.
    virtual void EndObject(const ObjectHead& head, bool complete) {}
};

enum class ReadResult {
    Invalid,        // no header line: nothing was handed over
    Complete,       // read to the end
    UnexpectedEnd,  // the file ended inside an object record (after its EndObject)
};

// One pass over the lines. Every record-level key is tested on every line
// in the order INFO0..3, BackImage, BackTransColour, BackTransTolerance,
// OBJECT; a record's head lines are taken by position. A file that ends
// inside the head lines still begins its object (the missing lines are
// empty) and ends it incomplete.
ReadResult ReadSkin(const std::vector<std::string>& lines, SkinReadHandler& handler);

// --- keyed lines

enum class SkinProperty {
    ForeColor,       // Long colour
    BackColor,       // Long colour
    Left,            // Single, pixels
    Top,
    Width,
    Height,
    CaptionAlign,    // Integer 0..2 (static label Alignment)
    TextAlign,       // Long
    HAlign,          // Long
    VAlign,          // Long
    ScrollDir,       // Long
    ScrollSpeed,     // Long
    BarType,         // Long
    FontName,        // text
    FontSize,        // number, points
    FontBold,        // Boolean text
    FontItalic,
    FontStrikethrough,
    FontUnderline,
};

// One key of a kind: its text (with "="), the property it sets and, for the
// hosted components, the dispatch id the value goes to (0 for properties
// set by name, the font members and the extender's Left/Top/Width/Height
// have their own ids as given).
struct KeyedKey {
    const char* key;
    SkinProperty property;
    int32_t dispid;
};

// The keys of a kind in the order they are tested; empty for Other.
const std::vector<KeyedKey>& KeysOfKind(SkinKind kind);

struct KeyedSetting {
    SkinProperty property;
    int32_t dispid;
    std::string value;  // the rest of the line after the key, as written
};

// Every key of the kind that the line matches, in table order.
std::vector<KeyedSetting> MatchKeyedLine(SkinKind kind, std::string_view line);

// Dispatch ids of the standard font members.
inline constexpr int32_t kFontName = 0, kFontSize = 2, kFontBold = 3, kFontItalic = 4, kFontUnderline = 5,
                         kFontStrikethrough = 6;
// The font property of a hosted component.
inline constexpr int32_t kDispidFont = -512;
// ResetScroll of the scrolling caption, called after every keyed line.
inline constexpr int32_t kDispidResetScroll = SCROLLER_DISPID_RESETSCROLL;

// --- value conversions as the keyed lines need them; nothing when the
// text does not convert (the property then stays as it was).

// A whole number as a 32-bit Long (fractions rounded half to even; blanks
// around the number allowed; "&H" hex accepted).
std::optional<int32_t> ToLong(std::string_view text);
// A 16-bit Integer, as ToLong within -32768..32767.
std::optional<int16_t> ToInteger(std::string_view text);
// A Single; "." or "," as the decimal separator.
std::optional<float> ToSingle(std::string_view text);
// "True"/"False" in any letter case, or a number (0 false, else true).
std::optional<bool> ToBoolean(std::string_view text);

}  // namespace vorne::player::skin
