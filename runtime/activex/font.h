#pragma once
// Standard font objects as control properties: a control keeps one font
// object, listens for its change notification (IPropertyNotifySink), and
// draws with a GDI font made from the object's attributes at the screen's
// resolution.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>

#include "runtime/com/object.h"

namespace vorne::activex {

struct FontSpec {
    std::wstring name;
    float points = 8.25f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    short charset = DEFAULT_CHARSET;
};

// A new standard font object (throws ComError when the platform refuses).
com::Ptr<IFontDisp> CreateStdFont(const FontSpec& face);
// The attributes of a font object; false when it is no font object.
bool ReadFontSpec(IUnknown* font, FontSpec& face);
// An independent copy of a font object (nullptr when it is none).
com::Ptr<IFontDisp> CloneFont(IUnknown* font);
// Two fonts with the same attributes (both null counts as equal).
bool SameFont(IUnknown* a, IUnknown* b);

class FontProperty {
public:
    // onChanged runs after any attribute of the held font changed, whether
    // through Set or through the object's own members.
    explicit FontProperty(std::function<void()> onChanged);
    ~FontProperty();
    FontProperty(const FontProperty&) = delete;
    FontProperty& operator=(const FontProperty&) = delete;

    IFontDisp* Get() const { return font_.Get(); }
    // Holds this very object (a later change to it shows at once). A null or
    // non-font object is refused with E_INVALIDARG and changes nothing.
    HRESULT Set(IUnknown* font);
    // Holds an independent copy.
    HRESULT SetCopy(IUnknown* font);
    // GDI font for drawing, made at the screen's vertical resolution; owned
    // here and valid until the next change.
    HFONT Handle();

private:
    class Sink;
    void Changed();
    void Detach();

    std::function<void()> onChanged_;
    com::Ptr<IFontDisp> font_;
    Sink* sink_ = nullptr;
    DWORD cookie_ = 0;
    com::Ptr<IConnectionPoint> point_;
    HFONT handle_ = nullptr;
};

}  // namespace vorne::activex
