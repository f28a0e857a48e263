#include "player/skin/skin_document.h"

#include <gtest/gtest.h>

#include "runtime/basic/basic.h"

namespace vorne::player::skin {
namespace {

// The skin of the golden file, field by field.
SkinDocument GoldenDocument() {
    SkinDocument d;
    d.info = {"Ann Example", "A blue skin\r\ntwo lines", "ann@example.org", "http://example.org/"};
    d.backImage = "back.bmp";
    d.transparent = true;
    d.transColour = 0xFF00FF;
    d.transTolerance = 12;
    SkinObjectData time;
    time.kind = "Static Label";
    time.name = "time";
    time.action = "Time Display";
    time.foreColor = 65280;
    time.captionAlign = 2;
    time.font = {"Arial", 8.25f, true, false, false, true};
    time.left = 16;
    time.top = 151.0f / 15.0f;  // 151 twips at 15 twips a pixel
    SkinObjectData info;
    info.kind = "Scrolling Label";
    info.name = "info";
    info.action = "Song Info";
    info.left = 20, info.top = 30, info.width = 150.5f, info.height = 14;
    info.foreColor = 0xFFFFFF;
    info.textAlign = 1, info.hAlign = 2, info.vAlign = 2, info.scrollDir = 3, info.scrollSpeed = 200;
    info.font = {"MS Sans Serif", 10.0f, false, true, true, false};
    SkinObjectData play;
    play.kind = "Image";
    play.name = "play";
    play.action = "Play Button";
    play.img1 = "btnPlay.bmp";
    play.left = 39, play.top = 88;
    SkinObjectData vol;
    vol.kind = "Scroll Bar";
    vol.name = "vol";
    vol.action = "Volume Bar";
    vol.img1 = "track.bmp", vol.img2 = "thumb.bmp";
    vol.left = 100, vol.top = 5, vol.width = 60, vol.height = 8, vol.barType = 2;
    SkinObjectData future;
    future.kind = "Gauge";
    future.name = "future";
    future.action = "Needle";
    d.objects = {time, info, play, vol, future};
    return d;
}

std::string Golden() {
    return vorne::basic::ReadWholeFile(VORNE_SOURCE_DIR "/player/skin/tests/golden/editor_skin.vsk").value_or("<missing>");
}

TEST(SkinWriter, WritesTheGoldenFileByteForByte) { EXPECT_EQ(WriteSkinText(GoldenDocument()), Golden()); }

TEST(SkinWriter, GoldenFileReadsBackToTheSameSkin) {
    SkinDocument back;
    ASSERT_EQ(ReadSkinDocument(Golden(), back), ReadResult::Complete);
    SkinDocument want = GoldenDocument();
    want.info[1] = "A blue skin two lines";  // written as one line
    // The fraction is written with seven significant digits.
    want.objects[0].top = 10.06667f;
    EXPECT_EQ(back, want);
}

TEST(SkinWriter, EmptySkinWithoutTransparency) {
    SkinDocument d;
    d.transColour = 255;  // shown in the fields but switched off
    d.transTolerance = 9;
    EXPECT_EQ(WriteSkinText(d),
              "[Vorne Skin]\r\nInfo0=\r\nInfo1=\r\nInfo2=\r\nInfo3=\r\n\r\n[Interface]\r\nBackImage=\r\n"
              "BackTransColour=-1\r\nBackTransTolerance=-1\r\n\r\n");
}

TEST(SkinWriter, ValueForms) {
    struct {
        float v;
        const char* pixels;
        const char* font;
    } cases[] = {
        {10, "10", "10"},         {8.25f, "8.25", "8.25"},       {0, "0", "0"},
        {-3.5f, "-3.5", "-3.5"},  {10.0666666f, "10.06667", "10.0667"}, {6.75f, "6.75", "6.75"},
        {1e-9f, "0", "0"},        {12.00004f, "12.00004", "12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPixels(c.v), c.pixels) << c.v;
        EXPECT_EQ(FormatFontSize(c.v), c.font) << c.v;
    }
    EXPECT_STREQ(FormatBoolean(true), "True");
    EXPECT_STREQ(FormatBoolean(false), "False");
}

TEST(SkinWriter, LineBreaksInValuesNeverMakeLines) {
    SkinDocument d;
    SkinObjectData o;
    o.kind = "Static Label";
    o.name = "a\r\nObject=Image";
    o.action = "User Defined";
    o.txt = "%1\r\n\r\n%2\n";
    o.font.name = "Ari\ral";
    d.objects = {o};
    d.info[0] = "x\ny";
    d.backImage = "b\r\n.bmp";
    const std::string text = WriteSkinText(d);
    SkinDocument back;
    ASSERT_EQ(ReadSkinDocument(text, back), ReadResult::Complete);
    ASSERT_EQ(back.objects.size(), 1u);
    EXPECT_EQ(back.objects[0].name, "a Object=Image");
    EXPECT_EQ(back.objects[0].txt, "%1 %2 ");
    EXPECT_EQ(back.objects[0].font.name, "Ari al");
    EXPECT_EQ(back.info[0], "x y");
    EXPECT_EQ(back.backImage, "b .bmp");
}

// Files as other writers and hands leave them.
TEST(SkinReaderTable, Cases) {
    const std::string head = "[Vorne Skin]\r\n";
    const std::string rec = "Object=Image\r\nName=n\r\nAction=Play Button\r\nImg1=p.bmp\r\nImg2=\r\nTxt=\r\n";
    struct Case {
        const char* what;
        std::string data;
        ReadResult result;
        size_t objects;
        std::string check;  // "field=value" of the first object or the document
    } cases[] = {
        {"header lower case", "[vorne skin]\r\nBackImage=a.bmp\r\n", ReadResult::Complete, 0, "back=a.bmp"},
        {"header with a trailing blank", "[Vorne Skin] \r\nBackImage=a.bmp\r\n", ReadResult::Invalid, 0, "back="},
        {"empty file", "", ReadResult::Invalid, 0, "back="},
        {"keys in any case", head + "info2=Mail\r\nbackimage=x.bmp\r\n" + "object=Image\r\nName=n\r\nAction=a\r\nImg1=\r\nImg2=\r\nTxt=\r\nleft=5\r\n[end of object]\r\n",
         ReadResult::Complete, 1, "left=5"},
        {"blank before equals matches nothing", head + "Info0 =x\r\n", ReadResult::Complete, 0, "info0="},
        {"values keep their blanks", head + "Object=Static Label\r\nName=n\r\nAction=User Defined\r\nImg1=\r\nImg2=\r\nTxt=  two\r\n[End of Object]\r\n",
         ReadResult::Complete, 1, "txt=  two"},
        {"kind compared exactly", head + "Object=image\r\nName=n\r\nAction=a\r\nImg1=\r\nImg2=\r\nTxt=\r\nLeft=5\r\n[End of Object]\r\n",
         ReadResult::Complete, 1, "left=0"},
        {"end of file inside a record", head + rec + "[Extra Object Info]\r\nLeft=7\r\n", ReadResult::UnexpectedEnd, 1, "left=7"},
        {"end of file inside the head lines", head + "Object=Image\r\nName=n\r\n", ReadResult::UnexpectedEnd, 1, "name=n"},
        {"lone LF is part of the line", head + "Object=Static Label\r\nName=n\r\nAction=a\r\nImg1=\r\nImg2=\r\nTxt=a\nb\r\n[End of Object]\r\n",
         ReadResult::Complete, 1, "txt=a\nb"},
        {"lone CR ends a line", head + "BackImage=a.bmp\rInfo0=Ann\r", ReadResult::Complete, 0, "info0=Ann"},
        {"second BackImage wins", head + "BackImage=a.bmp\r\nBackImage=b.bmp\r\n", ReadResult::Complete, 0, "back=b.bmp"},
        {"end marker with a blank runs on", head + rec + "[End of Object] \r\nTop=9\r\n[End of Object]\r\n", ReadResult::Complete, 1, "top=9"},
        {"bold in any case", head + "Object=Static Label\r\nName=n\r\nAction=a\r\nImg1=\r\nImg2=\r\nTxt=\r\nFontBold=TRUE\r\nFontItalic=false\r\n[End of Object]\r\n",
         ReadResult::Complete, 1, "bold=1"},
        {"a number that does not convert keeps the value", head + rec + "Left=abc\r\nTop=4,5\r\n[End of Object]\r\n", ReadResult::Complete, 1, "left=0"},
        {"decimal comma reads", head + rec + "Top=4,5\r\n[End of Object]\r\n", ReadResult::Complete, 1, "top=4.5"},
        {"transparency off", head + "BackTransColour=-1\r\nBackTransTolerance=-1\r\n", ReadResult::Complete, 0, "trans=0"},
        {"transparency on", head + "BackTransColour=255\r\nBackTransTolerance=3\r\n", ReadResult::Complete, 0, "trans=255/3"},
    };
    for (const Case& c : cases) {
        SkinDocument d;
        EXPECT_EQ(ReadSkinDocument(c.data, d), c.result) << c.what;
        ASSERT_EQ(d.objects.size(), c.objects) << c.what;
        const SkinObjectData o = d.objects.empty() ? SkinObjectData{} : d.objects[0];
        std::string got;
        const std::string key = c.check.substr(0, c.check.find('='));
        if (key == "back") got = d.backImage;
        if (key == "info0") got = d.info[0];
        if (key == "left") got = FormatPixels(o.left);
        if (key == "top") got = FormatPixels(o.top);
        if (key == "txt") got = o.txt;
        if (key == "name") got = o.name;
        if (key == "bold") got = std::to_string(o.font.bold) + (o.font.italic ? "+italic" : "");
        if (key == "trans") got = d.transparent ? std::to_string(d.transColour) + "/" + std::to_string(d.transTolerance) : "0";
        EXPECT_EQ(key + "=" + got, c.check) << c.what;
    }
}

TEST(SkinRoundTrip, WhatIsWrittenReadsBackUnchanged) {
    SkinDocument d = GoldenDocument();
    d.info[1] = "one line";
    d.objects[0].top = 10.06667f;
    // An action no list holds travels unchanged.
    d.objects[3].action = "User Defined";
    d.objects[2].action = "Launch Rocket";
    SkinDocument back;
    ASSERT_EQ(ReadSkinDocument(WriteSkinText(d), back), ReadResult::Complete);
    EXPECT_EQ(back, d);
    EXPECT_EQ(WriteSkinText(back), WriteSkinText(d));
}

}  // namespace
}  // namespace vorne::player::skin
