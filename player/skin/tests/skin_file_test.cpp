#include "player/skin/skin_file.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorne::player::skin {
namespace {

// Records every call of the reader as one text, in call order.
class Recorder : public SkinReadHandler {
public:
    std::vector<std::string> log;
    void Info(int n, const std::string& v) override { log.push_back("Info" + std::to_string(n) + "[" + v + "]"); }
    void BackImage(const std::string& v) override { log.push_back("BackImage[" + v + "]"); }
    void BackTransColour(const std::string& v) override { log.push_back("Colour[" + v + "]"); }
    void BackTransTolerance(const std::string& v) override { log.push_back("Tolerance[" + v + "]"); }
    void BeginObject(const ObjectHead& h) override {
        log.push_back("Begin[" + h.kind + "|" + h.name + "|" + h.action + "|" + h.img1 + "|" + h.img2 + "|" +
                      h.txt + "]");
    }
    void KeyedLine(const ObjectHead& h, const std::string& line) override {
        log.push_back("Keyed(" + h.name + ")[" + line + "]");
    }
    void EndObject(const ObjectHead& h, bool complete) override {
        log.push_back(std::string(complete ? "End(" : "EndIncomplete(") + h.name + ")");
    }
};

TEST(SkinSplitLines, LineEnds) {
    struct Case {
        std::string data;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a\nb\n"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\r\nb", {"a\n", "b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitSkinLines(c.data), c.lines) << ::testing::PrintToString(c.data);
}

TEST(SkinHeader, UpperCasedExactly) {
    struct Case {
        const char* line;
        bool header;
    } cases[] = {
        {"[Vorne Skin]", true}, {"[vorne skin]", true}, {"[VORNE SKIN]", true}, {"[Vorne Skin] ", false},
        {" [Vorne Skin]", false}, {"[Vorne  Skin]", false}, {"", false}, {"[Vorne Skin]\n", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsSkinHeader(c.line), c.header) << c.line;
}

TEST(SkinKeyMatches, PrefixWithoutLetterCase) {
    struct Case {
        const char* line;
        const char* key;
        bool match;
    } cases[] = {
        {"Info0=x", "INFO0=", true}, {"info0=", "INFO0=", true}, {"INFO0", "INFO0=", false},
        {"Info0 =x", "INFO0=", false}, {" Info0=x", "INFO0=", false}, {"BACKIMAGE=a", "BackImage=", true},
        {"", "OBJECT=", false}, {"Objects=Image", "OBJECT=", false},
    };
    for (const Case& c : cases) EXPECT_EQ(KeyMatches(c.line, c.key), c.match) << c.line << " / " << c.key;
}

TEST(SkinKindFromText, ExactTextOnly) {
    EXPECT_EQ(KindFromText("Static Label"), SkinKind::StaticLabel);
    EXPECT_EQ(KindFromText("Scrolling Label"), SkinKind::ScrollingLabel);
    EXPECT_EQ(KindFromText("Image"), SkinKind::Image);
    EXPECT_EQ(KindFromText("Scroll Bar"), SkinKind::ScrollBar);
    for (const char* t : {"image", "IMAGE", "Image ", "Scrollbar", ""}) EXPECT_EQ(KindFromText(t), SkinKind::Other) << t;
}

// A skin with every kind, as a writer produces it, plus a comment line, a
// lone end marker, an unknown kind and values with blanks.
const char kFullSkin[] =
    "[Vorne Skin]\r\n"
    "Info0=Ann\r\nInfo1=Blue\r\nInfo2=\r\nInfo3=http://x\r\n\r\n"
    "[Interface]\r\nBackImage=back.bmp\r\nBackTransColour=16711935\r\nBackTransTolerance=-1\r\n\r\n"
    "! a comment\r\n[End of Object]\r\n"
    "Object=Static Label\r\nName=time\r\nAction=Time Display\r\nImg1=\r\nImg2=\r\nTxt=\r\n"
    "[Extra Object Info]\r\nForeC=65280\r\nLeft=10\r\n[End of Object]\r\n\r\n"
    "Object=Scrolling Label\r\nName=info\r\nAction=Song Info\r\nImg1=\r\nImg2=\r\nTxt=  two\r\n"
    "[Extra Object Info]\r\nScrollSpeed=100\r\nObject=Image\r\n[END OF OBJECT]\r\n"
    "Object=Image\r\nName=play\r\nAction=Play Button\r\nImg1=btnPlay.bmp\r\nImg2=\r\nTxt=\r\n"
    "[Extra Object Info]\r\nLeft=39\r\nTop=88\r\n[End of Object]\r\n"
    "Object=Scroll Bar\r\nName=vol\r\nAction=Volume Bar\r\nImg1=track.bmp\r\nImg2=thumb.bmp\r\nTxt=\r\n"
    "[Extra Object Info]\r\nBarType=0\r\n[end of object]\r\n"
    "Object=Gauge\r\nName=g\r\nAction=User Defined\r\nImg1=\r\nImg2=\r\nTxt=\r\n"
    "[Extra Object Info]\r\n[End of Object]\r\n\r\n"
    "INFO3=later\r\n";

struct ReadCase {
    const char* name;
    std::string data;
    ReadResult result;
    std::vector<std::string> log;
};

// Shown by name in test listings.
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class SkinReadOrder : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SkinReadOrder, CallsInFileOrder) {
    const ReadCase& c = GetParam();
    Recorder r;
    EXPECT_EQ(ReadSkin(SplitSkinLines(c.data), r), c.result);
    EXPECT_EQ(r.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SkinReadOrder,
    ::testing::Values(
        ReadCase{"EveryKind",
                 kFullSkin,
                 ReadResult::Complete,
                 {"Info0[Ann]", "Info1[Blue]", "Info2[]", "Info3[http://x]", "BackImage[back.bmp]",
                  "Colour[16711935]", "Tolerance[-1]",
                  "Begin[Static Label|time|Time Display|||]", "Keyed(time)[[Extra Object Info]]",
                  "Keyed(time)[ForeC=65280]", "Keyed(time)[Left=10]", "End(time)",
                  "Begin[Scrolling Label|info|Song Info|||  two]", "Keyed(info)[[Extra Object Info]]",
                  "Keyed(info)[ScrollSpeed=100]", "Keyed(info)[Object=Image]", "End(info)",
                  "Begin[Image|play|Play Button|btnPlay.bmp||]", "Keyed(play)[[Extra Object Info]]",
                  "Keyed(play)[Left=39]", "Keyed(play)[Top=88]", "End(play)",
                  "Begin[Scroll Bar|vol|Volume Bar|track.bmp|thumb.bmp|]", "Keyed(vol)[[Extra Object Info]]",
                  "Keyed(vol)[BarType=0]", "End(vol)",
                  "Begin[Gauge|g|User Defined|||]", "Keyed(g)[[Extra Object Info]]", "End(g)",
                  "Info3[later]"}},
        ReadCase{"LowerCaseHeader", "[vorne skin]\r\ninfo1=x", ReadResult::Complete, {"Info1[x]"}},
        ReadCase{"HeaderOnlyWithoutLineEnd", "[Vorne Skin]", ReadResult::Complete, {}},
        ReadCase{"HeaderWithTrailingBlank", "[Vorne Skin] \r\nInfo0=x\r\n", ReadResult::Invalid, {}},
        ReadCase{"LineFeedOnly", "[Vorne Skin]\nInfo0=x\nObject=Image\n", ReadResult::Invalid, {}},
        ReadCase{"EmptyFile", "", ReadResult::Invalid, {}},
        ReadCase{"LoneCarriageReturns", "[Vorne Skin]\rBackImage=a\nb.bmp\r", ReadResult::Complete,
                 {"BackImage[a\nb.bmp]"}},
        ReadCase{"KeyTwice", "[Vorne Skin]\r\nBackImage=a.bmp\r\nbackimage=b.bmp\r\nInfo0 =no\r\n",
                 ReadResult::Complete, {"BackImage[a.bmp]", "BackImage[b.bmp]"}},
        ReadCase{"KindInLowerCase",
                 "[Vorne Skin]\r\nobject=image\r\nName=a\r\nAction=Close\r\nImg1=c.bmp\r\nImg2=\r\nTxt=\r\n"
                 "Left=5\r\n[End of Object]\r\n",
                 ReadResult::Complete,
                 {"Begin[image|a|Close|c.bmp||]", "Keyed(a)[Left=5]", "End(a)"}},
        ReadCase{"RecordWithoutEndAtEof",
                 "[Vorne Skin]\r\nObject=Image\r\nName=a\r\nAction=Close\r\nImg1=\r\nImg2=\r\nTxt=\r\n"
                 "[Extra Object Info]\r\nLeft=1\r\n",
                 ReadResult::UnexpectedEnd,
                 {"Begin[Image|a|Close|||]", "Keyed(a)[[Extra Object Info]]", "Keyed(a)[Left=1]",
                  "EndIncomplete(a)"}},
        ReadCase{"RecordEndsRightAfterHead",
                 "[Vorne Skin]\r\nObject=Image\r\nName=a\r\nAction=Close\r\nImg1=\r\nImg2=\r\nTxt=\r\n",
                 ReadResult::UnexpectedEnd, {"Begin[Image|a|Close|||]", "EndIncomplete(a)"}},
        ReadCase{"EofInsideHeadLines", "[Vorne Skin]\r\nObject=Scroll Bar\r\nName=s\r\nAction=Volume Bar",
                 ReadResult::UnexpectedEnd, {"Begin[Scroll Bar|s|Volume Bar|||]", "EndIncomplete(s)"}},
        ReadCase{"EofRightAfterObjectLine", "[Vorne Skin]\r\nOBJECT=\r\n", ReadResult::UnexpectedEnd,
                 {"Begin[|||||]", "EndIncomplete()"}},
        ReadCase{"HeadLinesByPosition",
                 "[Vorne Skin]\r\nObject=Image\r\nAction=Play Button\r\nN\r\nTxt=hello\r\nImg1=a.bmp\r\n"
                 "Img2=b\r\n[End of Object]\r\nInfo2=after\r\n",
                 ReadResult::Complete,
                 {"Begin[Image|n=Play Button||ello|a.bmp|=b]", "End(n=Play Button)", "Info2[after]"}},
        ReadCase{"HeadLineKeysNeverLookedAt",
                 "[Vorne Skin]\r\nObject=Image\r\nNames=x\r\n[End of Object]\r\nInfo0=a\r\nImg2=\r\n"
                 "Txt=t\r\n[End of Object]\r\n",
                 ReadResult::Complete,
                 {"Begin[Image|=x| Object]|=a||t]", "End(=x)"}}),
    [](const ::testing::TestParamInfo<ReadCase>& i) { return std::string(i.param.name); });

struct MatchCase {
    SkinKind kind;
    const char* line;
    std::vector<std::tuple<SkinProperty, int32_t, std::string>> settings;
};

std::vector<std::tuple<SkinProperty, int32_t, std::string>> Flatten(const std::vector<KeyedSetting>& s) {
    std::vector<std::tuple<SkinProperty, int32_t, std::string>> out;
    for (const KeyedSetting& k : s) out.emplace_back(k.property, k.dispid, k.value);
    return out;
}

constexpr int32_t Id(uint32_t v) { return static_cast<int32_t>(v); }

TEST(SkinMatchKeyedLine, KeysOfEachKind) {
    using P = SkinProperty;
    using K = SkinKind;
    const MatchCase cases[] = {
        {K::StaticLabel, "ForeC=65280", {{P::ForeColor, 0, "65280"}}},
        {K::StaticLabel, "left=10", {{P::Left, 0, "10"}}},
        {K::StaticLabel, "TOP=3", {{P::Top, 0, "3"}}},
        {K::StaticLabel, "CaptionAlign=2", {{P::CaptionAlign, 0, "2"}}},
        {K::StaticLabel, "FontName= Arial ", {{P::FontName, 0, " Arial "}}},
        {K::StaticLabel, "FontSize=8.25", {{P::FontSize, 2, "8.25"}}},
        {K::StaticLabel, "FontBold=false", {{P::FontBold, 3, "false"}}},
        {K::StaticLabel, "FontItalic=True", {{P::FontItalic, 4, "True"}}},
        {K::StaticLabel, "FontUnderline=1", {{P::FontUnderline, 5, "1"}}},
        {K::StaticLabel, "FontStrikethrough=", {{P::FontStrikethrough, 6, ""}}},
        {K::StaticLabel, "BackC=5", {}},
        {K::StaticLabel, "Width=5", {}},
        {K::StaticLabel, "Left =5", {}},
        {K::ScrollingLabel, "ForeC=1", {{P::ForeColor, Id(0x68030052u), "1"}}},
        {K::ScrollingLabel, "BackC=2", {{P::BackColor, Id(0x68030053u), "2"}}},
        {K::ScrollingLabel, "TextAlign=2", {{P::TextAlign, Id(0x6803004Eu), "2"}}},
        {K::ScrollingLabel, "HAlign=1", {{P::HAlign, Id(0x68030049u), "1"}}},
        {K::ScrollingLabel, "VAlign=0", {{P::VAlign, Id(0x68030048u), "0"}}},
        {K::ScrollingLabel, "ScrollDir=3", {{P::ScrollDir, Id(0x6803004Fu), "3"}}},
        {K::ScrollingLabel, "scrollspeed=200", {{P::ScrollSpeed, Id(0x6803004Cu), "200"}}},
        {K::ScrollingLabel, "FontName=Tahoma", {{P::FontName, 0, "Tahoma"}}},
        {K::ScrollingLabel, "FontSize=6.75", {{P::FontSize, 2, "6.75"}}},
        {K::ScrollingLabel, "FontBold=TRUE", {{P::FontBold, 3, "TRUE"}}},
        {K::ScrollingLabel, "FontItalic=0", {{P::FontItalic, 4, "0"}}},
        {K::ScrollingLabel, "FontUnderline=x", {{P::FontUnderline, 5, "x"}}},
        {K::ScrollingLabel, "FontStrikethrough=False", {{P::FontStrikethrough, 6, "False"}}},
        {K::ScrollingLabel, "Left=1", {{P::Left, Id(0x80010003u), "1"}}},
        {K::ScrollingLabel, "Top=2", {{P::Top, Id(0x80010004u), "2"}}},
        {K::ScrollingLabel, "Width=3", {{P::Width, Id(0x80010005u), "3"}}},
        {K::ScrollingLabel, "Height=4", {{P::Height, Id(0x80010006u), "4"}}},
        {K::ScrollingLabel, "CaptionAlign=1", {}},
        {K::ScrollingLabel, "[Extra Object Info]", {}},
        {K::Image, "Left=39", {{P::Left, 0, "39"}}},
        {K::Image, "Top=88", {{P::Top, 0, "88"}}},
        {K::Image, "Width=5", {}},
        {K::Image, "ForeC=5", {}},
        {K::ScrollBar, "Left=1", {{P::Left, Id(0x80010003u), "1"}}},
        {K::ScrollBar, "Top=2", {{P::Top, Id(0x80010004u), "2"}}},
        {K::ScrollBar, "Width=3", {{P::Width, Id(0x80010005u), "3"}}},
        {K::ScrollBar, "HEIGHT=4", {{P::Height, Id(0x80010006u), "4"}}},
        {K::ScrollBar, "BarType=1", {{P::BarType, Id(0x6803002Cu), "1"}}},
        {K::ScrollBar, "FontName=Arial", {}},
        {K::Other, "Left=1", {}},
        {K::Other, "BarType=1", {}},
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(Flatten(MatchKeyedLine(c.kind, c.line)), c.settings)
            << static_cast<int>(c.kind) << " " << c.line;
}

TEST(SkinKeysOfKind, EveryKeyEndsInEqualsAndOtherHasNone) {
    EXPECT_EQ(KeysOfKind(SkinKind::StaticLabel).size(), 10u);
    EXPECT_EQ(KeysOfKind(SkinKind::ScrollingLabel).size(), 17u);
    EXPECT_EQ(KeysOfKind(SkinKind::Image).size(), 2u);
    EXPECT_EQ(KeysOfKind(SkinKind::ScrollBar).size(), 5u);
    EXPECT_TRUE(KeysOfKind(SkinKind::Other).empty());
    for (SkinKind k : {SkinKind::StaticLabel, SkinKind::ScrollingLabel, SkinKind::Image, SkinKind::ScrollBar})
        for (const KeyedKey& key : KeysOfKind(k)) {
            std::string_view t = key.key;
            EXPECT_EQ(t.back(), '=') << t;
            // A key never takes a line meant for another key of its kind.
            EXPECT_EQ(MatchKeyedLine(k, std::string(t) + "v").size(), 1u) << t;
        }
}

// Each text converted, against the value it must give (nothing: no value).
template <class T, class F>
void ExpectConversions(F convert, std::initializer_list<std::pair<const char*, std::optional<T>>> cases) {
    for (const auto& [text, value] : cases) EXPECT_EQ(convert(text), value) << text;
}

TEST(SkinConversions, Long) {
    ExpectConversions<int32_t>(ToLong, {
        {"16", 16}, {" 16 ", 16}, {"-16", -16}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"0.5", 0},
        {"&HFF", 255}, {"&hff00", 65280}, {"&HFFFFFFFF", -1}, {"&H123456789", std::nullopt},
        {"&HXY", std::nullopt}, {"&H", std::nullopt}, {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt}, {"1e3", 1000}, {"1,5", 2},
        {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt},
        {"1 2", std::nullopt}, {"1e400", std::nullopt},
    });
}

TEST(SkinConversions, Integer) {
    ExpectConversions<int16_t>(ToInteger, {
        {"0", 0}, {"2", 2}, {"32767", 32767}, {"32767.5", std::nullopt}, {"32768", std::nullopt},
        {"-32768", -32768}, {"-32769", std::nullopt}, {"1.5", 2}, {"x", std::nullopt}, {"", std::nullopt},
    });
}

TEST(SkinConversions, Single) {
    ExpectConversions<float>(ToSingle, {
        {"8.25", 8.25f}, {"8,25", 8.25f}, {"16", 16.0f}, {" -1 ", -1.0f}, {"1e39", std::nullopt},
        {"8.25.1", std::nullopt}, {"x", std::nullopt}, {"", std::nullopt},
    });
}

TEST(SkinConversions, Boolean) {
    ExpectConversions<bool>(ToBoolean, {
        {"True", true}, {"TRUE", true}, {"true", true}, {"False", false}, {"false", false}, {"FALSE", false},
        {" True ", true}, {"0", false}, {"1", true}, {"-1", true}, {"0.0", false}, {"yes", std::nullopt},
        {"", std::nullopt}, {"Truee", std::nullopt},
    });
}

}  // namespace
}  // namespace vorne::player::skin
