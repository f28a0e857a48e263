#include "components/scroller/scroller_persist.h"

#include <gtest/gtest.h>

#include <map>
#include <variant>

#include "components/scroller/tests/scroller_test_support.h"

namespace vorne::scroller {
namespace {

using vorne::scroller::testing::Recorder;
using Log = std::vector<std::string>;

// A property bag in memory. Numbers convert to the asked type or overflow;
// text does not convert to a number.
class MemoryBag : public PropertyReader, public PropertyWriter {
 public:
  using Stored = std::variant<int64_t, bool, std::wstring>;
  std::map<std::string, Stored, std::less<>> values;
  std::map<std::string, Error, std::less<>> objectErrors;
  Log reads;
  Log writes;

  BagValue<int32_t> readLong(std::string_view key) override { return number<int32_t>(key); }
  BagValue<int16_t> readInteger(std::string_view key) override { return number<int16_t>(key); }
  BagValue<bool> readBoolean(std::string_view key) override {
    reads.emplace_back(key);
    auto it = values.find(key);
    if (it == values.end()) return BagValue<bool>::missing();
    if (auto* b = std::get_if<bool>(&it->second)) return BagValue<bool>::of(*b);
    if (auto* n = std::get_if<int64_t>(&it->second)) return BagValue<bool>::of(*n != 0);
    return BagValue<bool>::failed(Error::TypeMismatch);
  }
  BagValue<std::wstring> readText(std::string_view key) override {
    reads.emplace_back(key);
    auto it = values.find(key);
    if (it == values.end()) return BagValue<std::wstring>::missing();
    if (auto* s = std::get_if<std::wstring>(&it->second)) return BagValue<std::wstring>::of(*s);
    return BagValue<std::wstring>::of(std::to_wstring(std::get<int64_t>(it->second)));
  }
  Error readObject(std::string_view key, StoredType) override {
    reads.emplace_back(key);
    auto it = objectErrors.find(key);
    return it == objectErrors.end() ? Error::None : it->second;
  }

  bool writeLong(std::string_view key, int32_t value) override { return put(key, int64_t{value}); }
  bool writeInteger(std::string_view key, int16_t value) override { return put(key, int64_t{value}); }
  bool writeBoolean(std::string_view key, bool value) override { return put(key, value); }
  bool writeText(std::string_view key, const std::wstring& value) override { return put(key, value); }
  bool writeObject(std::string_view key, StoredType) override {
    writes.emplace_back(key);
    return true;
  }

  std::string refuseKey;  // a write of this key fails

 private:
  template <class T>
  BagValue<T> number(std::string_view key) {
    reads.emplace_back(key);
    auto it = values.find(key);
    if (it == values.end()) return BagValue<T>::missing();
    int64_t n;
    if (auto* b = std::get_if<bool>(&it->second)) {
      n = *b ? -1 : 0;
    } else if (auto* v = std::get_if<int64_t>(&it->second)) {
      n = *v;
    } else {
      return BagValue<T>::failed(Error::TypeMismatch);
    }
    if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max())
      return BagValue<T>::failed(Error::Overflow);
    return BagValue<T>::of(static_cast<T>(n));
  }
  bool put(std::string_view key, Stored value) {
    writes.emplace_back(key);
    if (key == refuseKey) return false;
    values[std::string(key)] = std::move(value);
    return true;
  }
};

Log allKeys() {
  Log keys;
  for (const auto& p : kPersistedProperties) keys.emplace_back(p.key);
  return keys;
}

class ScrollerPersistTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.setEvents(&events);
    model.setControlSize(3000, 600);
  }
  Recorder events;
  ScrollerModel model;
  MemoryBag bag;
};

TEST_F(ScrollerPersistTest, ReadsAllKeysInOrderThenResets) {
  bag.values["Caption"] = std::wstring(L"Hello");
  auto failed = loadProperties(model, bag);
  EXPECT_TRUE(failed.empty());
  EXPECT_EQ(bag.reads, allKeys());
  // A bag without "Enabled" starts scrolling; the only event is ScrollStart.
  EXPECT_TRUE(model.timerOn());
  EXPECT_EQ(events.log, (Log{"ScrollStart"}));
  EXPECT_EQ(model.caption(), L"Hello");
  EXPECT_FLOAT_EQ(model.width(), 5 * vorne::scroller::testing::kCharWidth);
  EXPECT_FLOAT_EQ(model.left(), 3000);
  EXPECT_FLOAT_EQ(model.top(), 300 - vorne::scroller::testing::kLineHeight / 2);
}

TEST_F(ScrollerPersistTest, MissingKeysReadAsDefaults) {
  ASSERT_EQ(model.setScrollSpeed(300), Error::None);
  ASSERT_EQ(model.setTextAlignment(AlignLeft), Error::None);
  model.setVerticalAlignment(AlignTop);
  loadProperties(model, bag);
  EXPECT_EQ(model.scrollSpeed(), 100);
  EXPECT_EQ(model.textAlignment(), AlignCentre);
  EXPECT_EQ(model.verticalAlignment(), AlignMiddle);
  EXPECT_EQ(model.horizontalAlignment(), AlignCentre);
  EXPECT_EQ(model.backColor(), 0x8000000Fu);
  EXPECT_EQ(model.foreColor(), 0x80000012u);
  EXPECT_EQ(model.caption(), L"Scrolling Display");
}

TEST_F(ScrollerPersistTest, StoredDirectionRaisesNoChangeEvent) {
  bag.values["ScrollDirection"] = int64_t{ScrollUp};
  loadProperties(model, bag);
  EXPECT_EQ(events.log, (Log{"ScrollStart"}));
  EXPECT_FLOAT_EQ(model.top(), 600);
}

TEST_F(ScrollerPersistTest, StoredOffCentresWithoutEvents) {
  bag.values["Enabled"] = false;
  bag.values["Caption"] = std::wstring(L"ab\r\ncd");
  loadProperties(model, bag);
  EXPECT_FALSE(model.timerOn());
  EXPECT_EQ(events.log, Log{});
  EXPECT_FLOAT_EQ(model.left(), 1500 - vorne::scroller::testing::kCharWidth);
  EXPECT_FLOAT_EQ(model.top(), 300 - vorne::scroller::testing::kLineHeight);
}

TEST_F(ScrollerPersistTest, RefusedValuesKeepTheirPartsAndReadingGoesOn) {
  ASSERT_EQ(model.setScrollSpeed(250), Error::None);
  bag.values["BorderStyle"] = int64_t{70000};    // no 16-bit Integer
  bag.values["TextAlignment"] = int64_t{5};      // refused by the label
  bag.values["Caption"] = std::wstring(L"Hi");
  bag.values["ScrollSpeed"] = int64_t{70000};    // refused by the timer
  bag.values["MousePointer"] = std::wstring(L"x");  // does not convert
  bag.values["VerticalAlignment"] = int64_t{AlignBottom};
  bag.objectErrors["Font"] = Error::InvalidPropertyValue;

  auto failed = loadProperties(model, bag);
  ASSERT_EQ(failed.size(), 5u);
  EXPECT_EQ(failed[0].key, "Font");
  EXPECT_EQ(failed[1].key, "BorderStyle");
  EXPECT_EQ(failed[1].error, Error::Overflow);
  EXPECT_EQ(failed[2].key, "TextAlignment");
  EXPECT_EQ(failed[2].error, Error::InvalidPropertyValue);
  EXPECT_EQ(failed[3].key, "ScrollSpeed");
  EXPECT_EQ(failed[3].error, Error::InvalidPropertyValue);
  EXPECT_EQ(failed[4].key, "MousePointer");
  EXPECT_EQ(failed[4].error, Error::TypeMismatch);

  EXPECT_EQ(bag.reads, allKeys());
  EXPECT_EQ(model.scrollSpeed(), 250);
  EXPECT_EQ(model.caption(), L"Hi");
  EXPECT_EQ(model.verticalAlignment(), AlignBottom);
  EXPECT_FLOAT_EQ(model.top(), 600 - vorne::scroller::testing::kLineHeight);  // the reset still ran
  EXPECT_EQ(events.log, (Log{"ScrollStart"}));
}

TEST_F(ScrollerPersistTest, DefaultsAreNotStored) {
  loadProperties(model, bag);
  ASSERT_TRUE(saveProperties(model, bag));
  // Only the object properties are asked; they decide about their defaults.
  EXPECT_EQ(bag.writes, (Log{"Font", "MouseIcon"}));
  EXPECT_TRUE(bag.values.empty());
}

TEST_F(ScrollerPersistTest, NewControlStoresItsStillStart) {
  model.initNew();
  ASSERT_TRUE(saveProperties(model, bag));
  EXPECT_EQ(bag.writes, (Log{"Enabled", "Font", "MouseIcon"}));
  EXPECT_EQ(std::get<bool>(bag.values["Enabled"]), false);
}

TEST_F(ScrollerPersistTest, RoundTripKeepsEveryValue) {
  model.initNew();
  ASSERT_EQ(model.setBackColor(0x00112233), Error::None);
  ASSERT_EQ(model.setForeColor(0x80000005), Error::None);
  ASSERT_EQ(model.setBorderStyle(1), Error::None);
  model.setScrollDirection(7);
  ASSERT_EQ(model.setTextAlignment(AlignRight), Error::None);
  model.setCaption(L"Line one\r\nLine two");
  ASSERT_EQ(model.setScrollSpeed(0), Error::None);
  ASSERT_EQ(model.setMousePointer(kCustomPointer), Error::None);
  model.setHorizontalAlignment(-3);
  model.setVerticalAlignment(AlignTop);
  ASSERT_TRUE(saveProperties(model, bag));
  EXPECT_EQ(bag.writes, allKeys());

  Recorder otherEvents;
  ScrollerModel other;
  other.setEvents(&otherEvents);
  EXPECT_TRUE(loadProperties(other, bag).empty());
  EXPECT_EQ(other.backColor(), 0x00112233u);
  EXPECT_EQ(other.foreColor(), 0x80000005u);
  EXPECT_FALSE(other.enabled());  // a new control stands still
  EXPECT_EQ(other.borderStyle(), 1);
  EXPECT_EQ(other.scrollDirection(), 7);
  EXPECT_EQ(other.textAlignment(), AlignRight);
  EXPECT_EQ(other.caption(), L"Line one\r\nLine two");
  EXPECT_EQ(other.scrollSpeed(), 0);
  EXPECT_EQ(other.mousePointer(), kCustomPointer);
  EXPECT_EQ(other.horizontalAlignment(), -3);
  EXPECT_EQ(other.verticalAlignment(), AlignTop);
  EXPECT_EQ(otherEvents.log, Log{});
}

TEST_F(ScrollerPersistTest, RefusedWriteStopsSaving) {
  model.initNew();
  model.setCaption(L"x");
  ASSERT_EQ(model.setScrollSpeed(5), Error::None);
  bag.refuseKey = "Caption";
  EXPECT_FALSE(saveProperties(model, bag));
  EXPECT_EQ(bag.writes.back(), "Caption");
  EXPECT_EQ(bag.values.count("ScrollSpeed"), 0u);
}

}  // namespace
}  // namespace vorne::scroller
