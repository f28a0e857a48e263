#include "player/skin/skin_file.h"

#include <cmath>
#include <limits>

#include "components/scrollbar/scrollbar_dispids.h"
#include "components/scroller/scroller_dispids.h"
#include "runtime/basic/basic.h"

namespace vorne::player::skin {

namespace {

constexpr std::string_view kHeader = "[VORNE SKIN]";
constexpr std::string_view kEndOfObject = "[END OF OBJECT]";

// The cuts of the five head lines: "Name=", "Action=", "Img1=", "Img2=", "Txt=".
constexpr size_t kHeadCuts[5] = {5, 7, 5, 5, 4};

std::string After(std::string_view line, size_t cut) {
    return line.size() > cut ? std::string(line.substr(cut)) : std::string();
}

constexpr int32_t Id(uint32_t v) { return static_cast<int32_t>(v); }

// The extender's place and size of a hosted component.
constexpr int32_t kExtLeft = Id(0x80010003u), kExtTop = Id(0x80010004u), kExtWidth = Id(0x80010005u),
                  kExtHeight = Id(0x80010006u);

// The text with blanks and tabs around it removed; nothing when blanks stand
// inside it as well (the conversions take one number, not a field).
std::optional<std::string_view> OneWord(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    std::string_view w = text.substr(b, e - b);
    if (w.empty() || w.find_first_of(" \t") != std::string_view::npos) return std::nullopt;
    return w;
}

// "&H" and one to eight hexadecimal digits, as the 32-bit pattern they give.
std::optional<int32_t> HexLong(std::string_view w) {
    if (w.size() < 3 || w.size() > 10) return std::nullopt;
    uint32_t v = 0;
    for (char c : w.substr(2)) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return std::nullopt;
        v = v * 16 + static_cast<uint32_t>(d);
    }
    return static_cast<int32_t>(v);
}

bool IsHexPrefix(std::string_view w) { return w.size() >= 2 && w[0] == '&' && (w[1] == 'H' || w[1] == 'h'); }

std::optional<double> Number(std::string_view text) {
    auto w = OneWord(text);
    if (!w) return std::nullopt;
    if (IsHexPrefix(*w)) {
        auto h = HexLong(*w);
        if (!h) return std::nullopt;
        return static_cast<double>(*h);
    }
    return vorne::basic::ParseNumberField(*w);
}

// The number rounded into a whole type by round (which raises an overflow
// for values that do not fit).
template <class T>
std::optional<T> Whole(std::string_view text, T (*round)(double)) {
    auto v = Number(text);
    if (!v) return std::nullopt;
    try {
        return round(*v);
    } catch (const vorne::basic::Error&) {
        return std::nullopt;
    }
}

}  // namespace

std::vector<std::string> SplitSkinLines(std::string_view data) { return vorne::basic::SplitLines(data, false); }

bool IsSkinHeader(std::string_view firstLine) { return vorne::basic::UCase(firstLine) == kHeader; }

bool KeyMatches(std::string_view line, std::string_view key) {
    return line.size() >= key.size() && vorne::basic::UCase(line.substr(0, key.size())) == vorne::basic::UCase(key);
}

SkinKind KindFromText(std::string_view kindText) {
    if (kindText == "Static Label") return SkinKind::StaticLabel;
    if (kindText == "Scrolling Label") return SkinKind::ScrollingLabel;
    if (kindText == "Image") return SkinKind::Image;
    if (kindText == "Scroll Bar") return SkinKind::ScrollBar;
    return SkinKind::Other;
}

ReadResult ReadSkin(const std::vector<std::string>& lines, SkinReadHandler& handler) {
    if (lines.empty() || !IsSkinHeader(lines[0])) return ReadResult::Invalid;

    static const char* const kInfoKeys[4] = {"INFO0=", "INFO1=", "INFO2=", "INFO3="};
    const size_t n = lines.size();
    size_t i = 1;
    while (i < n) {
        const std::string& line = lines[i++];
        for (int k = 0; k < 4; ++k) {
            if (KeyMatches(line, kInfoKeys[k])) handler.Info(k, After(line, 6));
        }
        if (KeyMatches(line, "BackImage=")) handler.BackImage(After(line, 10));
        if (KeyMatches(line, "BackTransColour=")) handler.BackTransColour(After(line, 16));
        if (KeyMatches(line, "BackTransTolerance=")) handler.BackTransTolerance(After(line, 19));
        if (!KeyMatches(line, "OBJECT=")) continue;

        ObjectHead head;
        head.kind = After(line, 7);
        std::string* fields[5] = {&head.name, &head.action, &head.img1, &head.img2, &head.txt};
        for (int h = 0; h < 5; ++h) {
            // Past the end the head line reads as empty.
            if (i < n) *fields[h] = After(lines[i++], kHeadCuts[h]);
        }
        handler.BeginObject(head);
        for (;;) {
            if (i >= n) {
                handler.EndObject(head, false);
                return ReadResult::UnexpectedEnd;
            }
            const std::string& keyed = lines[i++];
            if (vorne::basic::UCase(keyed) == kEndOfObject) {
                handler.EndObject(head, true);
                break;
            }
            handler.KeyedLine(head, keyed);
        }
    }
    return ReadResult::Complete;
}

const std::vector<KeyedKey>& KeysOfKind(SkinKind kind) {
    using P = SkinProperty;
    static const std::vector<KeyedKey> kStatic = {
        {"ForeC=", P::ForeColor, 0},
        {"Left=", P::Left, 0},
        {"Top=", P::Top, 0},
        {"CaptionAlign=", P::CaptionAlign, 0},
        {"FontName=", P::FontName, kFontName},
        {"FontBold=", P::FontBold, kFontBold},
        {"FontSize=", P::FontSize, kFontSize},
        {"FontItalic=", P::FontItalic, kFontItalic},
        {"FontStrikethrough=", P::FontStrikethrough, kFontStrikethrough},
        {"FontUnderline=", P::FontUnderline, kFontUnderline},
    };
    static const std::vector<KeyedKey> kScrolling = {
        {"ForeC=", P::ForeColor, Id(SCROLLER_DISPID_FORECOLOR)},
        {"BackC=", P::BackColor, Id(SCROLLER_DISPID_BACKCOLOR)},
        {"TextAlign=", P::TextAlign, Id(SCROLLER_DISPID_TEXTALIGNMENT)},
        {"HAlign=", P::HAlign, Id(SCROLLER_DISPID_HORIZONTALALIGNMENT)},
        {"VAlign=", P::VAlign, Id(SCROLLER_DISPID_VERTICALALIGNMENT)},
        {"ScrollDir=", P::ScrollDir, Id(SCROLLER_DISPID_SCROLLDIRECTION)},
        {"ScrollSpeed=", P::ScrollSpeed, Id(SCROLLER_DISPID_SCROLLSPEED)},
        {"FontName=", P::FontName, kFontName},
        {"FontSize=", P::FontSize, kFontSize},
        {"FontBold=", P::FontBold, kFontBold},
        {"FontItalic=", P::FontItalic, kFontItalic},
        {"FontStrikethrough=", P::FontStrikethrough, kFontStrikethrough},
        {"FontUnderline=", P::FontUnderline, kFontUnderline},
        {"Left=", P::Left, kExtLeft},
        {"Top=", P::Top, kExtTop},
        {"Width=", P::Width, kExtWidth},
        {"Height=", P::Height, kExtHeight},
    };
    static const std::vector<KeyedKey> kImage = {
        {"Left=", P::Left, 0},
        {"Top=", P::Top, 0},
    };
    static const std::vector<KeyedKey> kScrollBar = {
        {"Left=", P::Left, kExtLeft},
        {"Top=", P::Top, kExtTop},
        {"Width=", P::Width, kExtWidth},
        {"Height=", P::Height, kExtHeight},
        {"BarType=", P::BarType, Id(SCROLLBAR_DISPID_BARTYPE)},
    };
    static const std::vector<KeyedKey> kNone;
    switch (kind) {
        case SkinKind::StaticLabel: return kStatic;
        case SkinKind::ScrollingLabel: return kScrolling;
        case SkinKind::Image: return kImage;
        case SkinKind::ScrollBar: return kScrollBar;
        case SkinKind::Other: break;
    }
    return kNone;
}

std::vector<KeyedSetting> MatchKeyedLine(SkinKind kind, std::string_view line) {
    std::vector<KeyedSetting> out;
    for (const KeyedKey& k : KeysOfKind(kind)) {
        std::string_view key = k.key;
        if (KeyMatches(line, key)) out.push_back({k.property, k.dispid, After(line, key.size())});
    }
    return out;
}

std::optional<int32_t> ToLong(std::string_view text) { return Whole(text, vorne::basic::CLng); }

std::optional<int16_t> ToInteger(std::string_view text) { return Whole(text, vorne::basic::CInt); }

std::optional<float> ToSingle(std::string_view text) {
    auto v = Number(text);
    if (!v || std::fabs(*v) > static_cast<double>(std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<bool> ToBoolean(std::string_view text) {
    if (auto b = vorne::basic::ParseBooleanField(text)) return b;
    auto v = Number(text);
    if (!v) return std::nullopt;
    return *v != 0.0;
}

}  // namespace vorne::player::skin
