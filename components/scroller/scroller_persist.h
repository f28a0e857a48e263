// The 13 persisted properties of the scrolling caption control: their keys,
// stored types and defaults, in the order in which they are read and written.
// Reading goes on past a value that its part refuses; that part keeps the
// value it had.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "components/scroller/scroller_core.h"

namespace vorne::scroller {

enum class StoredType { Long, Integer, Boolean, Text, Font, Picture };

struct PersistedProperty {
  const char* key;
  StoredType type;
};

inline constexpr std::array<PersistedProperty, 13> kPersistedProperties = {{
    {"BackColor", StoredType::Long},
    {"ForeColor", StoredType::Long},
    {"Enabled", StoredType::Boolean},
    {"Font", StoredType::Font},
    {"BorderStyle", StoredType::Integer},
    {"ScrollDirection", StoredType::Long},
    {"TextAlignment", StoredType::Integer},
    {"Caption", StoredType::Text},
    {"ScrollSpeed", StoredType::Long},
    {"MouseIcon", StoredType::Picture},
    {"MousePointer", StoredType::Integer},
    {"HorizontalAlignment", StoredType::Long},
    {"VerticalAlignment", StoredType::Long},
}};

// Defaults of the stored values: a value equal to its default is not stored
// and a missing key reads as its default.
struct PersistDefaults {
  static constexpr uint32_t backColor = kDefaultBackColor;
  static constexpr uint32_t foreColor = kDefaultForeColor;
  static constexpr bool enabled = true;
  static constexpr int16_t borderStyle = 0;
  static constexpr int32_t scrollDirection = ScrollLeft;
  static constexpr int16_t textAlignment = AlignCentre;
  static constexpr const wchar_t* caption = kDesignCaption;
  static constexpr int32_t scrollSpeed = kDesignInterval;
  static constexpr int16_t mousePointer = 0;
  static constexpr int32_t horizontalAlignment = AlignCentre;
  static constexpr int32_t verticalAlignment = AlignMiddle;
};

// One value read from a property bag, already converted to its stored type.
template <class T>
struct BagValue {
  bool present = false;       // the key was there
  Error error = Error::None;  // the stored value did not convert
  T value{};

  static BagValue missing() { return {}; }
  static BagValue of(T v) { return {true, Error::None, std::move(v)}; }
  static BagValue failed(Error e) { return {true, e, T{}}; }
};

// The container's property bag, as the window layer wraps it.
class PropertyReader {
 public:
  virtual ~PropertyReader() = default;
  virtual BagValue<int32_t> readLong(std::string_view key) = 0;
  virtual BagValue<int16_t> readInteger(std::string_view key) = 0;
  virtual BagValue<bool> readBoolean(std::string_view key) = 0;
  virtual BagValue<std::wstring> readText(std::string_view key) = 0;
  // Font and MouseIcon: the window layer reads and applies the object itself
  // (a missing Font takes the ambient font) and says whether that failed.
  virtual Error readObject(std::string_view key, StoredType type) = 0;
};

class PropertyWriter {
 public:
  virtual ~PropertyWriter() = default;
  // Each returns false when the bag refused the value; writing then stops.
  virtual bool writeLong(std::string_view key, int32_t value) = 0;
  virtual bool writeInteger(std::string_view key, int16_t value) = 0;
  virtual bool writeBoolean(std::string_view key, bool value) = 0;
  virtual bool writeText(std::string_view key, const std::wstring& value) = 0;
  // Font and MouseIcon: written unless equal to their defaults.
  virtual bool writeObject(std::string_view key, StoredType type) = 0;
};

struct LoadFailure {
  std::string key;
  Error error;
};

// Reads the 13 keys in order, applying each value directly to its part (no
// events, no layout), then runs ResetScroll. Returns the refused values.
std::vector<LoadFailure> loadProperties(ScrollerModel& model, PropertyReader& reader);

// Writes the values that differ from their defaults, in order. Returns false
// when the bag refused one.
bool saveProperties(const ScrollerModel& model, PropertyWriter& writer);

}  // namespace vorne::scroller
