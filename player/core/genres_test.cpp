#include "player/core/genres.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

TEST(Genres, NamesAtTheListedPositions) {
  EXPECT_EQ(vorne::GenreName(0), "Blues");
  EXPECT_EQ(vorne::GenreName(67), "Psychadelic");
  EXPECT_EQ(vorne::GenreName(125), "Dance Hall");
  EXPECT_EQ(vorne::GenreName(127), "Drum & Bass");
  EXPECT_EQ(vorne::GenreName(147), "Synthpop");
  for (int i : {126, 148, 255, -1, 1000, -32768}) EXPECT_EQ(vorne::GenreName(i), "") << i;
}

TEST(Genres, EveryNameTurnsBackIntoItsNumber) {
  for (int i = 0; i < vorne::kGenreCount; ++i) {
    if (i == 126) continue;
    EXPECT_EQ(vorne::GenreNumber(vorne::GenreName(i)), i) << vorne::GenreName(i);
  }
  EXPECT_EQ(vorne::GenreNumber("rock & roll"), 78);
  EXPECT_EQ(vorne::GenreNumber(""), -1);
  EXPECT_EQ(vorne::GenreNumber("Goa"), -1);
  EXPECT_EQ(vorne::GenreNumber("Rock "), -1);
}

TEST(Genres, PadRightFillsButNeverCuts) {
  EXPECT_EQ(vorne::PadRight("abc", 5), "abc  ");
  EXPECT_EQ(vorne::PadRight("abcdef", 5), "abcdef");
  EXPECT_EQ(vorne::PadRight("", 3), "   ");
  EXPECT_EQ(vorne::PadRight("abc", 0), "abc");
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
  for (int i = 0; i < vorne::kGenreCount; ++i) {
    if (ourSpelling.count(i))
      EXPECT_NE(lame[i], vorne::GenreName(i)) << i;
    else
      EXPECT_EQ(lame[i], vorne::GenreName(i)) << i;
  }
}
#endif

}  // namespace
