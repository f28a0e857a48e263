#include "tools/converter/skin_export.h"

#include <cstdio>

#include "runtime/text/paths.h"
#include "runtime/text/ansi.h"
#include "tools/converter/bmp.h"

namespace vorne::converter {
namespace {

// One object of the converted skin: the head values and the keyed lines.
struct ObjectOut {
    const char* kind;
    const char* name;
    const char* action;
    const char* img1;
    const char* img2;
};

void Line(std::string& out, const std::string& text) {
    out += text;
    out += "\r\n";
}

void Head(std::string& out, const ObjectOut& o) {
    Line(out, std::string("Object=") + o.kind);
    Line(out, std::string("Name=") + o.name);
    Line(out, std::string("Action=") + o.action);
    Line(out, std::string("Img1=") + o.img1);
    Line(out, std::string("Img2=") + o.img2);
    Line(out, "Txt=");
    Line(out, "[Extra Object Info]");
}

void End(std::string& out) {
    Line(out, "[End of Object]");
    Line(out, "");
}

void Position(std::string& out, int left, int top) {
    Line(out, "Left=" + std::to_string(left));
    Line(out, "Top=" + std::to_string(top));
}

void FontLines(std::string& out, int size) {
    Line(out, "FontName=Arial");
    Line(out, "FontBold=false");
    Line(out, "FontSize=" + std::to_string(size));
    Line(out, "FontItalic=false");
    Line(out, "FontStrikethrough=false");
    Line(out, "FontUnderline=false");
}

void StaticLabel(std::string& out, const char* name, const char* action, Colour fore, int size, int left,
                 int top) {
    Head(out, {"Static Label", name, action, "", ""});
    Line(out, "ForeC=" + std::to_string(fore));
    Line(out, "CaptionAlign=1");
    FontLines(out, size);
    Line(out, "! Putting Positions after the Align Option make it end up in the same pos as was in editor Preview");
    Position(out, left, top);
    End(out);
}

}  // namespace

std::string ConvertedSkinText(const AuthorEntries& author, const WinampInterface& from) {
    std::string out;
    Line(out, "[Vorne Skin]");
    for (int i = 0; i < 4; ++i)
        Line(out, "Info" + std::to_string(i) + "=" + skinner::author::OneLine(author[static_cast<size_t>(i)]));
    Line(out, "");
    Line(out, "[Interface]");
    Line(out, "BackImage=intBack.bmp");
    Line(out, "BackTransColour=-1");
    Line(out, "BackTransTolerance=-1");
    Line(out, "");

    struct Button {
        ObjectOut o;
        int left, top;
    };
    static const Button buttons[] = {
        {{"Image", "btnprev", "Previous Button", "btnPrev.bmp", ""}, 16, 88},
        {{"Image", "btnplay", "Play Button", "btnPlay.bmp", ""}, 39, 88},
        {{"Image", "btnpaus", "Pause Button", "btnpaus.bmp", ""}, 62, 88},
        {{"Image", "btnstop", "Stop Button", "btnstop.bmp", ""}, 85, 88},
        {{"Image", "btnnext", "Next Button", "btnnext.bmp", ""}, 108, 88},
        {{"Image", "btnopen", "Open Button", "btnopen.bmp", ""}, 136, 89},
        {{"Image", "btnloop", "Repeat Button", "btnloop.bmp", ""}, 210, 89},
        {{"Image", "btnrand", "Random Button", "btnrand.bmp", ""}, 164, 89},
        {{"Image", "btnPlayLst", "Play List Button", "btnplst.bmp", ""}, 242, 58},
        {{"Scroll Bar", "posBar", "Position Bar", "bposBar.bmp", "bposBtn.bmp"}, 16, 72},
        {{"Scroll Bar", "volBar", "Volume Bar", "bvolBar.bmp", "bvolBtn.bmp"}, 108, 57},
    };
    for (const Button& b : buttons) {
        Head(out, b.o);
        Position(out, b.left, b.top);
        if (std::string(b.o.kind) == "Scroll Bar") Line(out, "BarType=0");
        End(out);
    }

    StaticLabel(out, "lblTimeDisp", "Time Display", from.NumberColour, 15, 49, 20);

    Head(out, {"Scrolling Label", "SongInfo", "Song Info", "", ""});
    Position(out, 110, 24);
    Line(out, "Width=157");
    Line(out, "Height=12");
    Line(out, "ForeC=" + std::to_string(from.TextColour));
    Line(out, "BackC=" + std::to_string(from.TextBackColour));
    Line(out, "TextAlign=0");
    Line(out, "ScrollSpeed=200");
    Line(out, "ScrollDir=0");
    Line(out, "HAlign=2");
    Line(out, "VAlign=0");
    FontLines(out, 7);
    End(out);

    StaticLabel(out, "lblBitRate", "Kbps Display", from.TextColour, 7, 121, 40);
    StaticLabel(out, "lblFreqRate", "Frequency Display", from.TextColour, 7, 161, 40);

    static const Button title_buttons[] = {
        {{"Image", "btnClose", "Close", "bCloseBtn.bmp", ""}, 264, 3},
        {{"Image", "btnSys", "System Menu", "bSysBtn.bmp", ""}, 5, 3},
        {{"Image", "btnHide", "Minimize", "bHideBtn.bmp", ""}, 244, 3},
    };
    for (const Button& b : title_buttons) {
        Head(out, b.o);
        Position(out, b.left, b.top);
        End(out);
    }
    return out;
}

const std::vector<ExportBitmap>& ExportBitmaps() {
    using T = Target;
    // Four-cell strips: normal, mouse over, mouse down, disabled, taken
    // from the normal, normal, activated and normal pictures. Two-cell
    // strips: normal and down (off and on).
    auto four = [](const char* file, int x, int y, int w, int h) {
        return ExportBitmap{file, 4 * w, h, w, h, {{T::Up, x, y}, {T::Up, x, y}, {T::Dn, x, y}, {T::Up, x, y}}};
    };
    auto two = [](const char* file, int x, int y, int w, int h) {
        return ExportBitmap{file, 2 * w, h, w, h, {{T::Up, x, y}, {T::Dn, x, y}}};
    };
    static const std::vector<ExportBitmap> bitmaps = {
        {"intBack.bmp", kInterfaceWidth, kInterfaceHeight, kInterfaceWidth, kInterfaceHeight, {{T::Up, 0, 0}}},
        four("btnPrev.bmp", 16, 88, 23, 18),
        four("btnPlay.bmp", 39, 88, 23, 18),
        four("btnPaus.bmp", 62, 88, 23, 18),
        four("btnStop.bmp", 85, 88, 23, 18),
        four("btnNext.bmp", 108, 88, 23, 18),  // 23 wide: its last column is background
        four("btnOpen.bmp", 136, 89, 22, 16),
        two("btnLoop.bmp", 210, 89, 28, 15),
        two("btnRand.bmp", 164, 89, 47, 15),
        two("btnPLst.bmp", 242, 58, 23, 12),
        {"bposBar.bmp", 249, 10, 249, 10, {{T::Up, 16, 72}}},
        {"bposBtn.bmp", 56, 10, 28, 10, {{T::PosUp, 0, 0}, {T::PosDn, 0, 0}}},
        {"bVolBar.bmp", 67, 11, 67, 11, {{T::Up, 108, 57}}},
        {"bVolBtn.bmp", 28, 11, 14, 11, {{T::VolUp, 0, 0}, {T::VolDn, 0, 0}}},
        two("bSysBtn.bmp", 6, 3, 9, 9),
        two("bHideBtn.bmp", 244, 3, 9, 9),
        two("bCloseBtn.bmp", 264, 3, 9, 9),
    };
    return bitmaps;
}

Pixels ComposeBitmap(const ExportBitmap& bitmap, const WinampInterface& from) {
    Pixels out(bitmap.width, bitmap.height);
    for (size_t i = 0; i < bitmap.cells.size(); ++i) {
        const ExportCell& c = bitmap.cells[i];
        Blit(out, static_cast<int>(i) * bitmap.cellWidth, 0, PictureOf(from, c.source), c.sx, c.sy, bitmap.cellWidth,
             bitmap.cellHeight);
    }
    return out;
}

std::vector<std::string> ExportTargets(const std::string& skinPath) {
    std::vector<std::string> targets{skinPath};
    const std::string folder = text::ChopFileOff(skinPath);
    for (const ExportBitmap& b : ExportBitmaps()) targets.push_back(folder + b.file);
    return targets;
}

std::string ReplacePrompt(const std::vector<std::string>& existing) {
    std::string text = "These files exist already:\r\n";
    for (const std::string& f : existing) text += "\r\n" + f;
    return text + "\r\n\r\nReplace them?";
}

std::string WriteFailedMessage(const std::string& path) {
    return "The file " + path + " could not be written. The export stopped.";
}

namespace {

bool WriteWhole(const std::string& path, const void* data, size_t size) {
    std::FILE* f = text::OpenFile(path, "wb");
    if (!f) return false;
    const bool wrote = std::fwrite(data, 1, size, f) == size;
    // Closed whether or not the write went through.
    const bool closed = std::fclose(f) == 0;
    return wrote && closed;
}

}  // namespace

ExportResult ExportConvertedSkin(const std::string& skinPath, const WinampInterface& from,
                                 const AuthorEntries& author, forms::DialogService& dialogs) {
    const std::vector<std::string> targets = ExportTargets(skinPath);
    std::vector<std::string> existing;
    for (const std::string& t : targets)
        if (text::FileExists(t) || text::FolderExists(t)) existing.push_back(t);
    if (!existing.empty() &&
        dialogs.MsgBox(ReplacePrompt(existing), forms::vbYesNo | forms::vbQuestion, kConverterTitle) != forms::vbYes)
        return ExportResult::Declined;

    const std::string skin = ConvertedSkinText(author, from);
    if (!WriteWhole(skinPath, skin.data(), skin.size())) {
        dialogs.MsgBox(WriteFailedMessage(skinPath), forms::vbCritical, kConverterTitle);
        return ExportResult::Failed;
    }
    const auto& bitmaps = ExportBitmaps();
    for (size_t i = 0; i < bitmaps.size(); ++i) {
        const std::vector<uint8_t> file = WriteBmp(ComposeBitmap(bitmaps[i], from));
        if (!WriteWhole(targets[i + 1], file.data(), file.size())) {
            dialogs.MsgBox(WriteFailedMessage(targets[i + 1]), forms::vbCritical, kConverterTitle);
            return ExportResult::Failed;
        }
    }
    return ExportResult::Written;
}

}  // namespace vorne::converter
