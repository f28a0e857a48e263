#include "player/skin/skin_document.h"

#include <cmath>
#include <cstdio>
#include <tuple>

#include "runtime/basic/basic.h"

namespace vorne::player::skin {

namespace {

auto Tie(const SkinFont& f) { return std::tie(f.name, f.size, f.bold, f.italic, f.strikethrough, f.underline); }
auto Tie(const SkinObjectData& o) {
    return std::tie(o.kind, o.name, o.action, o.img1, o.img2, o.txt, o.left, o.top, o.width, o.height, o.foreColor,
                    o.backColor, o.captionAlign, o.textAlign, o.hAlign, o.vAlign, o.scrollDir, o.scrollSpeed,
                    o.barType, o.font);
}

// Fixed-point text without trailing zeros (and without a bare point).
std::string Trimmed(std::string s) {
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

void Line(std::string& out, std::string_view key, std::string_view value) {
    out.append(key);
    out.append(OneLine(value));
    out.append("\r\n");
}
void Line(std::string& out, std::string_view text) { Line(out, text, {}); }
void Whole(std::string& out, std::string_view key, int32_t v) { Line(out, key, std::to_string(v)); }

void FontLines(std::string& out, const SkinFont& f) {
    Line(out, "FontName=", f.name);
    Line(out, "FontBold=", FormatBoolean(f.bold));
    Line(out, "FontSize=", FormatFontSize(f.size));
    Line(out, "FontItalic=", FormatBoolean(f.italic));
    Line(out, "FontStrikethrough=", FormatBoolean(f.strikethrough));
    Line(out, "FontUnderline=", FormatBoolean(f.underline));
}

void Place(std::string& out, const SkinObjectData& o, bool size) {
    Line(out, "Left=", FormatPixels(o.left));
    Line(out, "Top=", FormatPixels(o.top));
    if (!size) return;
    Line(out, "Width=", FormatPixels(o.width));
    Line(out, "Height=", FormatPixels(o.height));
}

class DocumentReader : public SkinReadHandler {
public:
    explicit DocumentReader(SkinDocument& doc) : doc_(doc) {}
    void Info(int n, const std::string& v) override { doc_.info[static_cast<size_t>(n)] = v; }
    void BackImage(const std::string& v) override { doc_.backImage = v; }
    void BackTransColour(const std::string& v) override {
        if (v == "-1") {
            doc_.transparent = false;
            return;
        }
        doc_.transparent = true;
        if (auto c = ToLong(v)) doc_.transColour = *c;
    }
    void BackTransTolerance(const std::string& v) override {
        if (v == "-1") return;
        if (auto t = ToLong(v)) doc_.transTolerance = *t;
    }
    void BeginObject(const ObjectHead& h) override {
        SkinObjectData o;
        o.kind = h.kind;
        o.name = h.name;
        o.action = h.action;
        o.img1 = h.img1;
        o.img2 = h.img2;
        o.txt = h.txt;
        doc_.objects.push_back(std::move(o));
    }
    void KeyedLine(const ObjectHead& h, const std::string& line) override {
        SkinObjectData& o = doc_.objects.back();
        for (const KeyedSetting& s : MatchKeyedLine(KindFromText(h.kind), line)) ApplyKeyedSetting(o, s);
    }

private:
    SkinDocument& doc_;
};

}  // namespace

bool SkinFont::operator==(const SkinFont& o) const { return Tie(*this) == Tie(o); }
bool SkinObjectData::operator==(const SkinObjectData& o) const { return Tie(*this) == Tie(o); }
bool SkinDocument::operator==(const SkinDocument& o) const {
    return std::tie(info, backImage, transparent, transColour, transTolerance, objects) ==
           std::tie(o.info, o.backImage, o.transparent, o.transColour, o.transTolerance, o.objects);
}

std::string OneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool inBreak = false;
    for (char c : text) {
        const bool brk = c == '\r' || c == '\n';
        if (brk && !inBreak) out += ' ';
        if (!brk) out += c;
        inBreak = brk;
    }
    return out;
}

std::string FormatPixels(float pixels) {
    if (!std::isfinite(pixels)) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(pixels));
    std::string s = buf;
    if (s.find_first_of("eE") != std::string::npos) {
        // Very small or very large: plain digits all the same.
        std::snprintf(buf, sizeof buf, "%.7f", static_cast<double>(pixels));
        s = buf;
    }
    return Trimmed(s);
}

std::string FormatFontSize(float points) {
    if (!std::isfinite(points)) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4f", static_cast<double>(points));
    return Trimmed(buf);
}

const char* FormatBoolean(bool b) { return b ? "True" : "False"; }

std::string WriteSkinText(const SkinDocument& doc) {
    std::string out;
    Line(out, "[Vorne Skin]");
    for (int i = 0; i < 4; ++i) Line(out, "Info" + std::to_string(i) + "=", doc.info[static_cast<size_t>(i)]);
    Line(out, "");
    Line(out, "[Interface]");
    Line(out, "BackImage=", doc.backImage);
    Whole(out, "BackTransColour=", doc.transparent ? doc.transColour : -1);
    Whole(out, "BackTransTolerance=", doc.transparent ? doc.transTolerance : -1);
    Line(out, "");
    for (const SkinObjectData& o : doc.objects) {
        Line(out, "Object=", o.kind);
        Line(out, "Name=", o.name);
        Line(out, "Action=", o.action);
        Line(out, "Img1=", o.img1);
        Line(out, "Img2=", o.img2);
        Line(out, "Txt=", o.txt);
        Line(out, "[Extra Object Info]");
        switch (KindFromText(o.kind)) {
            case SkinKind::StaticLabel:
                // The place after the alignment and the font, which move the label.
                Whole(out, "ForeC=", o.foreColor);
                Whole(out, "CaptionAlign=", o.captionAlign);
                FontLines(out, o.font);
                Place(out, o, false);
                break;
            case SkinKind::ScrollingLabel:
                Place(out, o, true);
                Whole(out, "ForeC=", o.foreColor);
                Whole(out, "BackC=", o.backColor);
                Whole(out, "TextAlign=", o.textAlign);
                Whole(out, "HAlign=", o.hAlign);
                Whole(out, "VAlign=", o.vAlign);
                Whole(out, "ScrollDir=", o.scrollDir);
                Whole(out, "ScrollSpeed=", o.scrollSpeed);
                FontLines(out, o.font);
                break;
            case SkinKind::Image: Place(out, o, false); break;
            case SkinKind::ScrollBar:
                Place(out, o, true);
                Whole(out, "BarType=", o.barType);
                break;
            case SkinKind::Other: break;
        }
        Line(out, "[End of Object]");
        Line(out, "");
    }
    return out;
}

ReadResult ReadSkinDocument(std::string_view data, SkinDocument& doc) {
    DocumentReader reader(doc);
    return ReadSkin(SplitSkinLines(data), reader);
}

}  // namespace vorne::player::skin
