#include "player/output/output_core.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>

namespace vorne::player::output {
namespace {

constexpr char kErrorOutputting[] = "Error outputting to : ";
constexpr char kDumpComplete[] = "Dump Complete!";
constexpr char kNoSongSelected[] = "Select a song in the play list to output.";

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool IsDeviceName(const std::string& base) {
  const std::string u = Upper(base);
  if (u == "CON" || u == "PRN" || u == "AUX" || u == "NUL") return true;
  return u.size() == 4 && (u.compare(0, 3, "COM") == 0 || u.compare(0, 3, "LPT") == 0) && u[3] >= '1' &&
         u[3] <= '9';
}

// Whole-number value of a double the way the bar takes it (halves to even).
long RoundLong(double v) {
  if (!(v > -2147483648.0 && v < 2147483647.0)) return 0;
  return static_cast<long>(std::nearbyint(v));
}

}  // namespace

std::string SafeNamePart(const std::string& text, LeadBytePredicate isLead) {
  std::string s = text;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char u = static_cast<unsigned char>(s[i]);
    if (isLead && isLead(u) && i + 1 < s.size()) {
      ++i;  // the second byte of a two-byte character
      continue;
    }
    if (u < 0x20 || u == 0x7F || std::string_view("\\/:*?\"<>|").find(s[i]) != std::string_view::npos) s[i] = '_';
  }
  while (!s.empty() && (s.back() == '.' || s.back() == ' ')) s.pop_back();
  return s;
}

std::string TargetFileName(const OutputHost::SongFacts& facts, const std::string& sourcePath,
                           LeadBytePredicate isLead) {
  std::string base;
  if (facts.hasTag) {
    base = "[" + SafeNamePart(facts.artist, isLead) + "] - " + SafeNamePart(facts.title, isLead);
  } else {
    // The name after the last separator, walking whole characters.
    size_t start = 0;
    for (size_t i = 0; i < sourcePath.size(); ++i) {
      const unsigned char u = static_cast<unsigned char>(sourcePath[i]);
      if (isLead && isLead(u)) {
        ++i;
      } else if (u == '\\' || u == '/') {
        start = i + 1;
      }
    }
    std::string name = sourcePath.substr(start);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    base = SafeNamePart(name, isLead);
  }
  if (base.empty() || IsDeviceName(base)) base = "_" + base;
  return base + ".wav";
}

void OutputCore::Load(const std::string& programFolder) {
  host_.SetOnTop(true);
  view_.path = programFolder;
  EnsureSlash();
  // The core outlives the window: each opening starts from the list as it
  // is then.
  view_.startEnabled = host_.TitleCount() > 0;
}

void OutputCore::EnsureSlash() {
  if (view_.path.empty() || view_.path.back() != '\\') view_.path += '\\';
}

void OutputCore::FolderChosen(const std::string& folder) {
  if (!folder.empty()) view_.path = folder;
  EnsureSlash();
}

void OutputCore::ShowSong(const OutputHost::SongFacts& facts) {
  std::string text = "[" + facts.artist + "] - " + facts.title;
  if (view_.song != text) view_.song = std::move(text);
}

std::string OutputCore::UniqueTarget(const OutputHost::SongFacts& facts, const std::string& source) {
  const std::string name = TargetFileName(facts, source, isLead_);
  const std::string stem = name.substr(0, name.size() - 4);
  std::string target = view_.path + name;
  for (int n = 2; writtenThisRun_.count(Upper(target)); ++n)
    target = view_.path + stem + " (" + std::to_string(n) + ").wav";
  return target;
}

bool OutputCore::OpenFromCurrent() {
  while (outputIndex_ >= 0 && outputIndex_ < host_.TitleCount()) {
    const std::string source = host_.TitlePath(static_cast<int>(outputIndex_));
    const OutputHost::SongFacts facts = host_.ReadSong(source);
    const std::string target = UniqueTarget(facts, source);
    if (decoder_.Open(source, target) == 0) {
      outputSong_ = facts;
      writtenThisRun_.insert(Upper(target));
      return true;
    }
    host_.Message(kErrorOutputting + target);
    // Within a run of the list the next title follows.
    if (!view_.tillEndOfList || !Writing()) return false;
    ++outputIndex_;
  }
  return false;
}

void OutputCore::BeginOutput() {
  const int selected = host_.SelectedIndex();
  if (selected < 0 || selected >= host_.TitleCount()) {
    host_.Message(kNoSongSelected);
    return;
  }
  outputIndex_ = selected;
  EnsureSlash();
  writtenThisRun_.clear();
  if (!OpenFromCurrent()) return;  // reported; the dialog stays ready
  host_.ClearPlaybackActive();
  host_.StopMainPlayer();
  view_.startEnabled = false;
  view_.stopEnabled = true;
  decoder_.Start();
  view_.posEnabled = true;
}

void OutputCore::BackToIdle() {
  view_.posEnabled = false;
  view_.startEnabled = true;
  view_.stopEnabled = false;
}

void OutputCore::StopOutput() {
  outputIndex_ = host_.TitleCount() + 1;
  view_.posEnabled = false;
  decoder_.Stop();
  view_.startEnabled = true;
  view_.stopEnabled = false;
}

void OutputCore::BarChanged(long value) {
  view_.posValue = value;
  decoder_.Seek(value);
}

void OutputCore::Progress(long position) {
  if (view_.posValue != position) view_.posValue = std::clamp(position, 0L, view_.posMax);
}

void OutputCore::Done() {
  host_.SetOnTop(false);
  if (!view_.tillEndOfList) {
    host_.Message(kDumpComplete);
  } else {
    ++outputIndex_;
    const int count = host_.TitleCount();
    if (outputIndex_ >= count || !OpenFromCurrent()) {
      host_.Message(kDumpComplete);
      host_.SetOnTop(true);
      outputIndex_ = count + 1;
      BackToIdle();
      return;
    }
    EnsureSlash();
    decoder_.Start();
  }
  host_.SetOnTop(true);
}

void OutputCore::Timer() {
  if (!view_.posEnabled) {
    const int selected = host_.SelectedIndex();
    if (selected != shownIndex_) {
      shownIndex_ = selected;
      // With no title selected the label keeps what it showed.
      if (selected >= 0 && selected < host_.TitleCount()) {
        outputSong_ = host_.ReadSong(host_.TitlePath(selected));
        ShowSong(outputSong_);
      }
    }
    // The bar refuses a maximum of 0 or less and keeps its old one.
    const long duration = RoundLong(host_.MainDuration());
    if (duration != view_.posMax && duration > 0) view_.posMax = duration;
    const long position = RoundLong(host_.MainPosition());
    if (position != view_.posValue) view_.posValue = std::clamp(position, 0L, view_.posMax);
  } else {
    ShowSong(outputSong_);
    const long length = decoder_.Length();
    if (length != view_.posMax && length > 0) view_.posMax = length;
  }
}

}  // namespace vorne::player::output
