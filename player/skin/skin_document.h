// A whole skin file as data, and its writer: the lines every writer produces,
// in the editor's key order and value forms, and a reader that takes a file
// apart by the shared rules of skin_file.h into the same data. The editor,
// the converter and the tests meet here. Window-free.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "player/skin/skin_file.h"

namespace vorne::player::skin {

struct SkinFont {
    std::string name = "MS Sans Serif";
    float size = 8.25f;  // points
    bool bold = false, italic = false, strikethrough = false, underline = false;
    bool operator==(const SkinFont& o) const;
};

// One object record. Positions and sizes are pixels (fractions allowed);
// a Static Label and an Image have no size lines.
struct SkinObjectData {
    std::string kind;  // the kind text as written ("Static Label", ...)
    std::string name = "newObject";
    std::string action;
    std::string img1, img2, txt;
    float left = 0, top = 0, width = 0, height = 0;
    int32_t foreColor = 0, backColor = 0;
    int32_t captionAlign = 0;  // Static Label
    int32_t textAlign = 0, hAlign = 0, vAlign = 0, scrollDir = 0, scrollSpeed = 0;  // Scrolling Label
    int32_t barType = 0;       // Scroll Bar
    SkinFont font;
    bool operator==(const SkinObjectData& o) const;
};

struct SkinDocument {
    std::array<std::string, 4> info;  // Info0..Info3
    std::string backImage;
    bool transparent = false;  // off: BackTransColour=-1 and BackTransTolerance=-1
    int32_t transColour = 0;
    int32_t transTolerance = 0;
    std::vector<SkinObjectData> objects;
    bool operator==(const SkinDocument& o) const;
};

// --- value forms of the writer

// Text as one line: every run of CR and LF characters becomes one blank.
std::string OneLine(std::string_view text);
// A position or size in pixels: whole numbers plain ("16"), fractions with
// up to seven significant digits ("10.06667"), never padded.
std::string FormatPixels(float pixels);
// A font size with up to four decimals and no trailing zeros ("8.25", "10").
std::string FormatFontSize(float points);
const char* FormatBoolean(bool b);  // "True" / "False"

// The file's bytes: every line ends in CR LF; every value is written as one
// line. A kind text other than the four gets no keyed lines.
std::string WriteSkinText(const SkinDocument& doc);

// Applies one keyed line's value to an element record (SkinObjectData, or
// any record with the same fields): positions and sizes times the factors
// (1 for pixels, twips per pixel for twips). A value that does not convert,
// or lies outside what the element takes (alignments 0..2, directions 0..3,
// a speed of 0..65535 ms, a font size above 0), leaves the field as it was.
template <class Record>
void ApplyKeyedSetting(Record& o, const KeyedSetting& s, float xFactor = 1, float yFactor = 1) {
    using P = SkinProperty;
    auto whole = [&](int32_t& field) {
        if (auto v = ToLong(s.value)) field = *v;
    };
    auto ranged = [&](int32_t& field, int32_t lo, int32_t hi) {
        if (auto v = ToLong(s.value); v && *v >= lo && *v <= hi) field = *v;
    };
    auto place = [&](float& field, float factor) {
        if (auto v = ToSingle(s.value)) field = *v * factor;
    };
    auto flag = [&](bool& field) {
        if (auto v = ToBoolean(s.value)) field = *v;
    };
    switch (s.property) {
        case P::ForeColor: whole(o.foreColor); break;
        case P::BackColor: whole(o.backColor); break;
        case P::Left: place(o.left, xFactor); break;
        case P::Top: place(o.top, yFactor); break;
        case P::Width: place(o.width, xFactor); break;
        case P::Height: place(o.height, yFactor); break;
        case P::CaptionAlign:
            if (auto v = ToInteger(s.value); v && *v >= 0 && *v <= 2) o.captionAlign = *v;
            break;
        case P::TextAlign: ranged(o.textAlign, 0, 2); break;
        case P::HAlign: ranged(o.hAlign, 0, 2); break;
        case P::VAlign: ranged(o.vAlign, 0, 2); break;
        case P::ScrollDir: ranged(o.scrollDir, 0, 3); break;
        case P::ScrollSpeed: ranged(o.scrollSpeed, 0, 65535); break;
        case P::BarType: whole(o.barType); break;  // stored unchecked
        case P::FontName: o.font.name = s.value; break;
        case P::FontSize:
            if (auto v = ToSingle(s.value); v && *v > 0 && *v < 2048) o.font.size = *v;
            break;
        case P::FontBold: flag(o.font.bold); break;
        case P::FontItalic: flag(o.font.italic); break;
        case P::FontStrikethrough: flag(o.font.strikethrough); break;
        case P::FontUnderline: flag(o.font.underline); break;
    }
}

// Reads text into doc by the shared reader's rules (keyed lines applied in
// file order; values that do not convert leave the field as it was).
ReadResult ReadSkinDocument(std::string_view data, SkinDocument& doc);

}  // namespace vorne::player::skin
