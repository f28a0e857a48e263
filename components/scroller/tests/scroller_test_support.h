// Records what a scroller model reports, and measures captions with a fixed
// cell per character, so geometry can be checked exactly.
#pragma once

#include <string>
#include <vector>

#include "components/scroller/scroller_core.h"

namespace vorne::scroller::testing {

constexpr float kCharWidth = 90.0f;
constexpr float kLineHeight = 195.0f;

class Recorder : public ScrollerEvents {
 public:
  std::vector<std::string> log;
  int timerChanges = 0;

  void scrollComplete() override { log.push_back("ScrollComplete"); }
  void scrollStart() override { log.push_back("ScrollStart"); }
  void changeScrollDirection() override { log.push_back("ChangeScrollDirection"); }
  void click() override { log.push_back("Click"); }
  void dblClick() override { log.push_back("DblClick"); }
  void mouseDown(int16_t b, int16_t s, float x, float y) override { mouse("MouseDown", b, s, x, y); }
  void mouseMove(int16_t b, int16_t s, float x, float y) override { mouse("MouseMove", b, s, x, y); }
  void mouseUp(int16_t b, int16_t s, float x, float y) override { mouse("MouseUp", b, s, x, y); }
  void timerChanged() override { ++timerChanges; }

  // Widest line times kCharWidth, lines times kLineHeight; CR LF, CR or LF
  // end a line.
  Size measureCaption(const std::wstring& caption) override {
    size_t lines = 1, widest = 0, run = 0;
    for (size_t i = 0; i < caption.size(); ++i) {
      wchar_t c = caption[i];
      if (c == L'\r' || c == L'\n') {
        if (c == L'\r' && i + 1 < caption.size() && caption[i + 1] == L'\n') ++i;
        ++lines;
        run = 0;
        continue;
      }
      widest = std::max(widest, ++run);
    }
    return {kCharWidth * widest, kLineHeight * lines};
  }

  void clear() { log.clear(); }

 private:
  void mouse(const char* name, int16_t b, int16_t s, float x, float y) {
    log.push_back(std::string(name) + " " + std::to_string(b) + " " + std::to_string(s) + " " +
                  std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
  }
};

}  // namespace vorne::scroller::testing
