// The wave output dialog without its window: which song is written to which
// file, the Idle and Writing states with what each control shows, the
// timer's refresh, and the answers to the decoding control's events. The
// window hands every click, tick and event to it and then shows Shown().
// Window-free.
#pragma once

#include <cstdint>
#include <set>
#include <string>

namespace vorne::player::output {

// What the dialog reads and drives around it.
class OutputHost {
 public:
  virtual ~OutputHost() = default;
  // The playlist: title count, selected index (-1 none), path of title i.
  virtual int TitleCount() = 0;
  virtual int SelectedIndex() = 0;
  virtual std::string TitlePath(int index) = 0;
  // The song's tag texts, read without touching the player. hasTag false:
  // the file has no ID3v1 tag (or could not be read).
  struct SongFacts {
    bool hasTag = false;
    std::string artist, title;
  };
  virtual SongFacts ReadSong(const std::string& path) = 0;
  // The main player.
  virtual void ClearPlaybackActive() = 0;
  virtual void StopMainPlayer() = 0;
  virtual double MainDuration() = 0;  // seconds
  virtual double MainPosition() = 0;
  // The dialog's place in the window order: the user's always-on-top
  // choice, or off the top while a message shows.
  virtual void SetOnTop(bool userChoice) = 0;
  virtual void Message(const std::string& text) = 0;
};

// Whether a byte of ANSI text begins a two-byte character (double-byte
// code pages): the byte after it is never taken for "\" or "|".
using LeadBytePredicate = bool (*)(unsigned char);

// The decoding control, as the dialog calls it.
class OutputDecoder {
 public:
  virtual ~OutputDecoder() = default;
  virtual long Open(const std::string& source, const std::string& target) = 0;  // 0: opened
  virtual void Start() = 0;
  virtual void Seek(long position) = 0;
  virtual void Stop() = 0;
  virtual long Length() = 0;
};

// What the controls show.
struct OutputView {
  std::string path;       // txtPath
  std::string song;       // lblCurSong
  bool tillEndOfList = false;  // Option2 (else Option1)
  bool posEnabled = false;
  long posValue = 0;
  long posMax = 100;      // the bar's own first maximum
  bool startEnabled = true;
  bool stopEnabled = false;
};

// The part of a target file name that comes from tag text: characters that
// no file name may hold (\ / : * ? " < > | and control characters) become
// "_", and trailing dots and blanks go.
std::string SafeNamePart(const std::string& text, LeadBytePredicate isLead = nullptr);

// The file name (without folder) for a song: "[Artist] - Title.wav" from
// its tag, or its own base name with ".wav" when it has no tag. A name the
// platform keeps for a device, or one left empty, gets a "_" in front.
std::string TargetFileName(const OutputHost::SongFacts& facts, const std::string& sourcePath,
                           LeadBytePredicate isLead = nullptr);

class OutputCore {
 public:
  OutputCore(OutputHost& host, OutputDecoder& decoder, LeadBytePredicate isLead = nullptr)
      : host_(host), decoder_(decoder), isLead_(isLead) {}

  const OutputView& Shown() const { return view_; }
  bool Writing() const { return view_.posEnabled; }
  long OutputIndex() const { return outputIndex_; }

  // Form_Load: programFolder is where the program lies.
  void Load(const std::string& programFolder);
  // The folder chooser's answer ("" when cancelled) or the text typed.
  void FolderChosen(const std::string& folder);
  void PathTyped(const std::string& text) { view_.path = text; }
  void OptionChosen(bool tillEndOfList) { view_.tillEndOfList = tillEndOfList; }
  void BeginOutput();
  void StopOutput();
  // The position bar let go of at value.
  void BarChanged(long value);
  void Timer();
  // The decoding control's events.
  void Progress(long position);
  void Done();

 private:
  // The target in this run: a name already written in the run gets " (2)",
  // " (3)", ... before ".wav".
  std::string UniqueTarget(const OutputHost::SongFacts& facts, const std::string& source);
  void EnsureSlash();
  // Opens title outputIndex_ and later ones until one opens; false when
  // the list ended first. Reports each that fails.
  bool OpenFromCurrent();
  void BackToIdle();
  void ShowSong(const OutputHost::SongFacts& facts);

  OutputHost& host_;
  OutputDecoder& decoder_;
  LeadBytePredicate isLead_;
  OutputView view_;
  long outputIndex_ = 0;
  int shownIndex_ = -2;  // none shown yet
  OutputHost::SongFacts outputSong_;
  std::set<std::string> writtenThisRun_;  // upper-cased targets
};

}  // namespace vorne::player::output
