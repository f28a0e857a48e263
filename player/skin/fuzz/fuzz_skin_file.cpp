// Any bytes as a skin file: the reader must hand over a well-formed sequence
// (every BeginObject closed by exactly one EndObject, nothing after an
// incomplete record) and every keyed line must match without fault.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "player/skin/skin_file.h"

using namespace vorne::player::skin;

namespace {

class Checker : public SkinReadHandler {
public:
    void Info(int n, const std::string&) override {
        if (n < 0 || n > 3 || open_ || ended_) std::abort();
    }
    void BackImage(const std::string&) override { Outside(); }
    void BackTransColour(const std::string& v) override {
        Outside();
        (void)ToLong(v);
    }
    void BackTransTolerance(const std::string& v) override {
        Outside();
        (void)ToLong(v);
    }
    void BeginObject(const ObjectHead&) override {
        Outside();
        open_ = true;
    }
    void KeyedLine(const ObjectHead& head, const std::string& line) override {
        if (!open_) std::abort();
        for (const KeyedSetting& s : MatchKeyedLine(KindFromText(head.kind), line)) {
            (void)ToLong(s.value);
            (void)ToInteger(s.value);
            (void)ToSingle(s.value);
            (void)ToBoolean(s.value);
        }
    }
    void EndObject(const ObjectHead&, bool complete) override {
        if (!open_) std::abort();
        open_ = false;
        if (!complete) ended_ = true;
    }
    bool open_ = false;
    bool ended_ = false;

private:
    void Outside() const {
        if (open_ || ended_) std::abort();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    auto lines = SplitSkinLines(in);
    Checker c;
    ReadResult r = ReadSkin(lines, c);
    if (c.open_) std::abort();
    if ((r == ReadResult::UnexpectedEnd) != c.ended_) std::abort();
    return 0;
}
