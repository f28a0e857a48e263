#include "player/core/genres.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace vorne::player::core {
namespace {

TEST(Genres, NamesAtTheListedPositions) {
  EXPECT_EQ(GenreName(0), "Blues");
  EXPECT_EQ(GenreName(67), "Psychadelic");
  EXPECT_EQ(GenreName(125), "Dance Hall");
  EXPECT_EQ(GenreName(127), "Drum & Bass");
  EXPECT_EQ(GenreName(147), "Synthpop");
  for (int i : {126, 148, 255, -1, 1000, -32768}) EXPECT_EQ(GenreName(i), "") << i;
}

TEST(Genres, EveryNameTurnsBackIntoItsNumber) {
  for (int i = 0; i < kGenreCount; ++i) {
    if (i == 126) continue;
    EXPECT_EQ(GenreNumber(GenreName(i)), i) << GenreName(i);
  }
  EXPECT_EQ(GenreNumber("rock & roll"), 78);
  EXPECT_EQ(GenreNumber(""), -1);
  EXPECT_EQ(GenreNumber("Goa"), -1);
  EXPECT_EQ(GenreNumber("Rock "), -1);
}

TEST(Genres, PadRightFillsButNeverCuts) {
  EXPECT_EQ(PadRight("abc", 5), "abc  ");
  EXPECT_EQ(PadRight("abcdef", 5), "abcdef");
  EXPECT_EQ(PadRight("", 3), "   ");
  EXPECT_EQ(PadRight("abc", 0), "abc");
}

#ifndef _WIN32
// The list agrees with the encoder's own list except where this program
// spells a name its own way.
TEST(Genres, MatchesTheEncodersListExceptOurSpellings) {
  FILE* p = popen("lame --genre-list 2>&1", "r");
  if (!p) GTEST_SKIP() << "lame not available";
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  int rc = pclose(p);
  if (rc != 0 || out.find("Blues") == std::string::npos) GTEST_SKIP() << "lame not available";
  std::map<int, std::string> lame;
  std::regex line(R"(^\s*(\d+) (.*?)\r?$)", std::regex::multiline);
  for (auto it = std::sregex_iterator(out.begin(), out.end(), line); it != std::sregex_iterator(); ++it)
    lame[std::stoi((*it)[1])] = (*it)[2];
  ASSERT_EQ(lame.size(), 148u);
  const std::set<int> ourSpelling = {67, 118, 123, 126, 136, 144, 147};
  for (int i = 0; i < kGenreCount; ++i) {
    if (ourSpelling.count(i))
      EXPECT_NE(lame[i], GenreName(i)) << i;
    else
      EXPECT_EQ(lame[i], GenreName(i)) << i;
  }
}
#endif

}  // namespace
}  // namespace vorne::player::core
