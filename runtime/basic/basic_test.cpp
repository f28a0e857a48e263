#include "runtime/basic/basic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

namespace {

struct RoundCase { double in; int32_t want; };

TEST(BasicRounding, HalvesGoToEven) {
  const RoundCase cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {32766.5, 32766}, {-32768.4, -32768}, {7, 7}};
  for (const auto& c : cases) {
    EXPECT_EQ(vorne::basic::CInt(c.in), c.want) << c.in;
    EXPECT_EQ(vorne::basic::CLng(c.in), c.want) << c.in;
  }
  EXPECT_EQ(vorne::basic::CLng(2147483646.5), 2147483646);
  EXPECT_EQ(vorne::basic::CLng(-2147483648.49), std::numeric_limits<int32_t>::min());
}

TEST(BasicRounding, OverflowRaisesErrorSix) {
  const double bad16[] = {32767.5, 32768, -32768.6, 1e300, NAN, INFINITY, -INFINITY};
  for (double v : bad16) {
    try {
      vorne::basic::CInt(v);
      ADD_FAILURE() << "no overflow for " << v;
    } catch (const vorne::basic::Error& e) {
      EXPECT_EQ(e.number(), 6);
      EXPECT_STREQ(e.what(), "Overflow");
    }
  }
  EXPECT_THROW(vorne::basic::CLng(2147483647.5), vorne::basic::Error);
  EXPECT_THROW(vorne::basic::CLng(-2147483649.0), vorne::basic::Error);
  EXPECT_NO_THROW(vorne::basic::CInt(32767.4));
}

TEST(BasicRounding, SaturatingVariantsClampAndMapNanToZero) {
  EXPECT_EQ(vorne::basic::CIntSat(1e9), 32767);
  EXPECT_EQ(vorne::basic::CIntSat(-1e9), -32768);
  EXPECT_EQ(vorne::basic::CLngSat(INFINITY), 2147483647);
  EXPECT_EQ(vorne::basic::CLngSat(-INFINITY), -2147483647 - 1);
  EXPECT_EQ(vorne::basic::CLngSat(NAN), 0);
  EXPECT_EQ(vorne::basic::CLngSat(2.5), 2);
}

struct ValCase { const char* in; double want; };

TEST(BasicVal, LeadingNumberElseZero) {
  const ValCase cases[] = {
      {"", 0}, {"abc", 0}, {"12abc", 12}, {"  42", 42}, {"1 2 3", 123}, {"-3.5x", -3.5},
      {"+7", 7}, {".5", 0.5}, {"1e3", 1000}, {"2D2", 200}, {"1e", 1}, {"3,5", 3},
      {"&HFF", 255}, {"&HFFFF", -1}, {"&H10000", 65536}, {"&O17", 15}, {"&Hzz", 0},
      {"\t\n9", 9}, {"-", 0}, {"1.2.3", 1.2}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(vorne::basic::Val(c.in), c.want) << '"' << c.in << '"';
  EXPECT_TRUE(std::isinf(vorne::basic::Val("1e999")));
}

struct StrCase { double in; const char* want; };

TEST(BasicPrint, NumbersAsThePlainPrintWritesThem) {
  const StrCase cases[] = {{1, " 1 "}, {0, " 0 "}, {-1, "-1 "}, {0.5, " .5 "}, {-0.25, "-.25 "},
                           {1234.5, " 1234.5 "}, {1e20, " 1E+20 "}, {1e-5, " 1E-05 "},
                           {2147483647, " 2147483647 "}, {1.0 / 3, " .333333333333333 "}};
  for (const auto& c : cases) EXPECT_EQ(vorne::basic::PrintNumber(c.in), c.want) << c.in;
  EXPECT_EQ(vorne::basic::PrintSingle(1.0f / 3), " .3333333 ");
  EXPECT_EQ(vorne::basic::PrintSingle(12345.67f), " 12345.67 ");
  EXPECT_EQ(vorne::basic::PrintBoolean(true), "True");
  EXPECT_EQ(vorne::basic::PrintBoolean(false), "False");
  EXPECT_EQ(vorne::basic::CStr(5), "5");
  EXPECT_EQ(vorne::basic::Str(-5), "-5");
}

TEST(BasicPrint, PrintedNumbersReadBack) {
  const double values[] = {0, 1, -1, 0.5, 1234.5678, -98765.4321, 1e20, 1e-7, 32767, -32768, 0.1};
  for (double v : values) {
    auto r = vorne::basic::ParseNumberField(vorne::basic::PrintNumber(v));
    ASSERT_TRUE(r.has_value()) << v;
    EXPECT_DOUBLE_EQ(*r, v);
  }
}

TEST(BasicFields, NumberFieldAcceptsPointAndComma) {
  struct C { const char* in; std::optional<double> want; };
  const C cases[] = {{" 1 ", 1.0}, {"1234.5", 1234.5}, {"1234,5", 1234.5}, {" -2,25 ", -2.25},
                     {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt},
                     {"12abc", std::nullopt}, {"1,2,3", std::nullopt}, {"1.2,3", std::nullopt},
                     {"1E+20", 1e20}, {"1e400", std::nullopt}, {"5 trailing", 5.0}, {"-", std::nullopt}};
  for (const auto& c : cases) {
    auto r = vorne::basic::ParseNumberField(c.in);
    EXPECT_EQ(r.has_value(), c.want.has_value()) << '"' << c.in << '"';
    if (r && c.want) {
      EXPECT_DOUBLE_EQ(*r, *c.want) << c.in;
    }
  }
}

TEST(BasicFields, IntegerFieldsRoundAndRefuseOverflow) {
  EXPECT_EQ(vorne::basic::ParseIntegerField(" 12 "), std::optional<int16_t>(12));
  EXPECT_EQ(vorne::basic::ParseIntegerField("2.5"), std::optional<int16_t>(2));
  EXPECT_EQ(vorne::basic::ParseIntegerField("-32768"), std::optional<int16_t>(-32768));
  EXPECT_EQ(vorne::basic::ParseIntegerField("32768"), std::nullopt);
  EXPECT_EQ(vorne::basic::ParseIntegerField("x"), std::nullopt);
  EXPECT_EQ(vorne::basic::ParseLongField(" 2147483647 "), std::optional<int32_t>(2147483647));
  EXPECT_EQ(vorne::basic::ParseLongField("2147483648"), std::nullopt);
}

TEST(BasicFields, BooleansAndStrings) {
  EXPECT_EQ(vorne::basic::ParseBooleanField("True"), std::optional<bool>(true));
  EXPECT_EQ(vorne::basic::ParseBooleanField(" fALSE "), std::optional<bool>(false));
  EXPECT_EQ(vorne::basic::ParseBooleanField("-1"), std::nullopt);
  EXPECT_EQ(vorne::basic::ParseBooleanField(""), std::nullopt);
  EXPECT_EQ(vorne::basic::ParseStringField("  a b,c"), "a b");
  EXPECT_EQ(vorne::basic::ParseStringField("\"x,y\",z"), "x,y");
  EXPECT_EQ(vorne::basic::ParseStringField("\"open"), "open");
  EXPECT_EQ(vorne::basic::ParseStringField(""), "");
}

TEST(BasicLines, CrLfAndLoneCrEndLines) {
  struct C { const char* in; bool lf; std::vector<std::string> want; };
  const C cases[] = {
      {"", false, {}},
      {"a", false, {"a"}},
      {"a\r\nb\r\n", false, {"a", "b"}},
      {"a\rb", false, {"a", "b"}},
      {"a\r\n\r\nb", false, {"a", "", "b"}},
      {"a\nb\r\n", false, {"a\nb"}},
      {"a\nb\r\nc\n", true, {"a", "b", "c"}},
      {"\r\r", false, {"", ""}},
      {"a\r\n\r", false, {"a", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(vorne::basic::SplitLines(c.in, c.lf), c.want) << c.in;
  vorne::basic::LineReader r("x\r\n");
  std::string line;
  EXPECT_FALSE(r.AtEnd());
  EXPECT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line, "x");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_FALSE(r.ReadLine(line));
}

TEST(BasicStrings, SlicingNeverFails) {
  EXPECT_EQ(vorne::basic::Left("abc", 2), "ab");
  EXPECT_EQ(vorne::basic::Left("abc", 10), "abc");
  EXPECT_EQ(vorne::basic::Left("abc", -1), "");
  EXPECT_EQ(vorne::basic::Right("abc", 2), "bc");
  EXPECT_EQ(vorne::basic::Right("abc", 99), "abc");
  EXPECT_EQ(vorne::basic::Right("abc", 0), "");
  EXPECT_EQ(vorne::basic::Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(vorne::basic::Mid("abcdef", 5), "ef");
  EXPECT_EQ(vorne::basic::Mid("abcdef", 0, 2), "ab");
  EXPECT_EQ(vorne::basic::Mid("abcdef", 7), "");
  EXPECT_EQ(vorne::basic::Mid("abcdef", 4, 100), "def");
  EXPECT_EQ(vorne::basic::Mid("", 1, 1), "");
  EXPECT_EQ(vorne::basic::Trim("  a b  "), "a b");
  EXPECT_EQ(vorne::basic::UCase("aBc.mp3"), "ABC.MP3");
  EXPECT_EQ(vorne::basic::LCase("ABC"), "abc");
  EXPECT_EQ(vorne::basic::InStr("abcabc", "c"), 3);
  EXPECT_EQ(vorne::basic::InStr("abcabc", "c", 4), 6);
  EXPECT_EQ(vorne::basic::InStr("abc", "z"), 0);
  EXPECT_EQ(vorne::basic::InStr("abc", "a", 10), 0);
  EXPECT_EQ(vorne::basic::True, -1);
}

TEST(BasicFiles, AtomicWriteReplacesOnlyOnSuccess) {
  std::string path = (std::filesystem::temp_directory_path() / "vorne_basic_atomic.txt").string();
  ASSERT_TRUE(vorne::basic::WriteFileAtomic(path, "old"));
  EXPECT_EQ(vorne::basic::ReadWholeFile(path).value_or(""), "old");
  ASSERT_TRUE(vorne::basic::WriteFileAtomic(path, "new\r\n"));
  EXPECT_EQ(vorne::basic::ReadWholeFile(path).value_or(""), "new\r\n");
  EXPECT_FALSE(vorne::basic::FileExists(path + ".tmp"));
  // A target in a folder that does not exist: nothing written, failure told.
  EXPECT_FALSE(vorne::basic::WriteFileAtomic(path + ".missing-dir/x.txt", "data"));
  std::filesystem::remove(path);
  EXPECT_FALSE(vorne::basic::ReadWholeFile(path).has_value());
  EXPECT_FALSE(vorne::basic::FileExists(path));
}

}  // namespace
