#include "components/scroller/scroller_persist.h"

#include <functional>

namespace vorne::scroller {

namespace {

// Applies one bag value: the default when the key is missing, nothing when
// it did not convert or its part refused it.
template <class T, class Apply>
void readInto(std::vector<LoadFailure>& failures, std::string_view key, BagValue<T> item, T fallback,
              Apply apply) {
  Error e = item.error;
  if (e == Error::None) e = apply(item.present ? item.value : fallback);
  if (e != Error::None) failures.push_back({std::string(key), e});
}

const char* key(size_t index) { return kPersistedProperties[index].key; }

}  // namespace

std::vector<LoadFailure> loadProperties(ScrollerModel& m, PropertyReader& r) {
  using D = PersistDefaults;
  std::vector<LoadFailure> failed;
  const auto object = [&](size_t i) {
    if (Error e = r.readObject(key(i), kPersistedProperties[i].type); e != Error::None)
      failed.push_back({key(i), e});
  };

  readInto<int32_t>(failed, key(0), r.readLong(key(0)), static_cast<int32_t>(D::backColor),
                    [&](int32_t v) { return m.setBackColor(static_cast<uint32_t>(v)); });
  readInto<int32_t>(failed, key(1), r.readLong(key(1)), static_cast<int32_t>(D::foreColor),
                    [&](int32_t v) { return m.setForeColor(static_cast<uint32_t>(v)); });
  readInto<bool>(failed, key(2), r.readBoolean(key(2)), D::enabled,
                 [&](bool v) { m.applyEnabled(v); return Error::None; });
  object(3);
  readInto<int16_t>(failed, key(4), r.readInteger(key(4)), D::borderStyle,
                    [&](int16_t v) { return m.setBorderStyle(v); });
  readInto<int32_t>(failed, key(5), r.readLong(key(5)), D::scrollDirection,
                    [&](int32_t v) { m.applyScrollDirection(v); return Error::None; });
  readInto<int16_t>(failed, key(6), r.readInteger(key(6)), D::textAlignment,
                    [&](int16_t v) { return m.setTextAlignment(v); });
  readInto<std::wstring>(failed, key(7), r.readText(key(7)), std::wstring(D::caption),
                         [&](const std::wstring& v) { m.applyCaption(v); return Error::None; });
  readInto<int32_t>(failed, key(8), r.readLong(key(8)), D::scrollSpeed,
                    [&](int32_t v) { return m.setScrollSpeed(v); });
  object(9);
  readInto<int16_t>(failed, key(10), r.readInteger(key(10)), D::mousePointer,
                    [&](int16_t v) { return m.setMousePointer(v); });
  readInto<int32_t>(failed, key(11), r.readLong(key(11)), D::horizontalAlignment,
                    [&](int32_t v) { m.setHorizontalAlignment(v); return Error::None; });
  readInto<int32_t>(failed, key(12), r.readLong(key(12)), D::verticalAlignment,
                    [&](int32_t v) { m.setVerticalAlignment(v); return Error::None; });

  m.resetScroll();
  return failed;
}

bool saveProperties(const ScrollerModel& m, PropertyWriter& w) {
  using D = PersistDefaults;
  bool ok = true;
  const auto put = [&](bool differs, const std::function<bool()>& write) {
    if (ok && differs) ok = write();
  };
  put(m.backColor() != D::backColor, [&] { return w.writeLong(key(0), static_cast<int32_t>(m.backColor())); });
  put(m.foreColor() != D::foreColor, [&] { return w.writeLong(key(1), static_cast<int32_t>(m.foreColor())); });
  put(m.enabled() != D::enabled, [&] { return w.writeBoolean(key(2), m.enabled()); });
  put(true, [&] { return w.writeObject(key(3), StoredType::Font); });
  put(m.borderStyle() != D::borderStyle, [&] { return w.writeInteger(key(4), m.borderStyle()); });
  put(m.scrollDirection() != D::scrollDirection, [&] { return w.writeLong(key(5), m.scrollDirection()); });
  put(m.textAlignment() != D::textAlignment, [&] { return w.writeInteger(key(6), m.textAlignment()); });
  put(m.caption() != D::caption, [&] { return w.writeText(key(7), m.caption()); });
  put(m.scrollSpeed() != D::scrollSpeed, [&] { return w.writeLong(key(8), m.scrollSpeed()); });
  put(true, [&] { return w.writeObject(key(9), StoredType::Picture); });
  put(m.mousePointer() != D::mousePointer, [&] { return w.writeInteger(key(10), m.mousePointer()); });
  put(m.horizontalAlignment() != D::horizontalAlignment,
      [&] { return w.writeLong(key(11), m.horizontalAlignment()); });
  put(m.verticalAlignment() != D::verticalAlignment,
      [&] { return w.writeLong(key(12), m.verticalAlignment()); });
  return ok;
}

}  // namespace vorne::scroller
