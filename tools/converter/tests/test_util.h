// Pictures and sheet sources the converter's tests share.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "tools/converter/pixels.h"
#include "tools/converter/winamp_import.h"

namespace vorne::converter::testing {

// A picture whose every pixel tells where it came from: sheet id, x and y.
inline Colour CodeOf(int id, int x, int y) { return (id << 18) | (y << 9) | x; }
inline Pixels Coded(int id, int w, int h) {
    Pixels p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.Set(x, y, CodeOf(id, x, y));
    return p;
}

// Sheets by path; a path not set is not found.
class FakeSheets : public SheetLoader {
public:
    void Put(const std::string& path, Pixels p) { sheets_[path] = {SheetLoad::Loaded, std::move(p)}; }
    void Broken(const std::string& path) { sheets_[path] = {SheetLoad::Failed, {}}; }
    SheetLoad Load(const std::string& path) override {
        asked_.push_back(path);
        auto it = sheets_.find(path);
        return it == sheets_.end() ? SheetLoad{} : it->second;
    }
    const std::vector<std::string>& Asked() const { return asked_; }

private:
    std::map<std::string, SheetLoad> sheets_;
    std::vector<std::string> asked_;
};

}  // namespace vorne::converter::testing
