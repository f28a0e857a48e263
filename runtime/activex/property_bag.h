#pragma once
// Property persistence with defaults: a value equal to its default is left
// out when writing and comes back as the default when reading. The in-memory
// bag serves hosts (control arrays copy a template through it) and the
// controls' own stream persistence, which saves the same bag to a stream.
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/com/object.h"

namespace vorne::activex {

inline constexpr VARIANT_BOOL kTrue = VARIANT_TRUE;  // -1

class PropertyReader {
public:
    PropertyReader(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}
    long Long(const wchar_t* name, long def);
    short Short(const wchar_t* name, short def);
    bool Bool(const wchar_t* name, bool def);
    float Single(const wchar_t* name, float def);
    std::wstring String(const wchar_t* name, const std::wstring& def);
    // A picture, or nullptr when none is stored.
    com::Ptr<IPictureDisp> Picture(const wchar_t* name);
    // The raw stored value; false when absent.
    bool Raw(const wchar_t* name, VARIANT* out);

private:
    IPropertyBag* bag_;
    IErrorLog* log_;
};

class PropertyWriter {
public:
    explicit PropertyWriter(IPropertyBag* bag) : bag_(bag) {}
    void Long(const wchar_t* name, long value, long def);
    void Short(const wchar_t* name, short value, short def);
    void Bool(const wchar_t* name, bool value, bool def);
    void Single(const wchar_t* name, float value, float def);
    void String(const wchar_t* name, const std::wstring& value, const std::wstring& def);
    // An empty or missing picture is the default and is left out.
    void Picture(const wchar_t* name, IUnknown* pic);
    void Raw(const wchar_t* name, VARIANT& value);

private:
    IPropertyBag* bag_;
};

// IPropertyBag over a list of name/value pairs, in the order written.
class MemoryPropertyBag : public com::Object, public IPropertyBag {
public:
    MemoryPropertyBag() = default;
    ~MemoryPropertyBag() override;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    VORNE_COM_REFCOUNT()
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* var, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* var) override;

    size_t Count() const { return items_.size(); }
    const std::wstring& NameAt(size_t i) const { return items_[i].first; }
    bool Has(const wchar_t* name) const;
    void Clear();

    // Stream form: every entry with its name; numbers, strings and Booleans
    // as themselves, pictures as their persisted image,
    // other objects (fonts) in their IPersistStream form behind their class id.
    HRESULT SaveTo(IStream* stream) const;
    HRESULT LoadFrom(IStream* stream);

private:
    std::vector<std::pair<std::wstring, VARIANT>> items_;
};

com::Ptr<MemoryPropertyBag> NewPropertyBag();

}  // namespace vorne::activex
