#include "runtime/activex/property_bag.h"

#include <olectl.h>

#include <new>

#include "runtime/activex/picture.h"

namespace vorne::activex {

namespace {

// Reads a value and coerces it to vt; false when absent or not coercible.
bool ReadAs(IPropertyBag* bag, IErrorLog* log, const wchar_t* name, VARTYPE vt, VARIANT& out) {
    VariantInit(&out);
    if (!bag) return false;
    VARIANT v;
    VariantInit(&v);
    if (FAILED(bag->Read(name, &v, log))) return false;
    HRESULT hr = VariantChangeType(&out, &v, 0, vt);
    VariantClear(&v);
    return SUCCEEDED(hr);
}

void WriteVariant(IPropertyBag* bag, const wchar_t* name, VARIANT& v) {
    if (bag) bag->Write(name, &v);
}

}  // namespace

long PropertyReader::Long(const wchar_t* name, long def) {
    VARIANT v;
    return ReadAs(bag_, log_, name, VT_I4, v) ? v.lVal : def;
}

short PropertyReader::Short(const wchar_t* name, short def) {
    VARIANT v;
    return ReadAs(bag_, log_, name, VT_I2, v) ? v.iVal : def;
}

bool PropertyReader::Bool(const wchar_t* name, bool def) {
    VARIANT v;
    return ReadAs(bag_, log_, name, VT_BOOL, v) ? v.boolVal != VARIANT_FALSE : def;
}

float PropertyReader::Single(const wchar_t* name, float def) {
    VARIANT v;
    return ReadAs(bag_, log_, name, VT_R4, v) ? v.fltVal : def;
}

std::wstring PropertyReader::String(const wchar_t* name, const std::wstring& def) {
    VARIANT v;
    if (!ReadAs(bag_, log_, name, VT_BSTR, v)) return def;
    std::wstring s(v.bstrVal ? v.bstrVal : L"", v.bstrVal ? SysStringLen(v.bstrVal) : 0);
    VariantClear(&v);
    return s;
}

com::Ptr<IPictureDisp> PropertyReader::Picture(const wchar_t* name) {
    com::Ptr<IPictureDisp> pic;
    VARIANT v;
    VariantInit(&v);
    if (!bag_ || FAILED(bag_->Read(name, &v, log_))) return pic;
    IUnknown* unk = nullptr;
    if (v.vt == VT_DISPATCH) unk = v.pdispVal;
    if (v.vt == VT_UNKNOWN) unk = v.punkVal;
    if (unk) unk->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(pic.Out()));
    VariantClear(&v);
    return pic;
}

bool PropertyReader::Raw(const wchar_t* name, VARIANT* out) {
    VariantInit(out);
    return bag_ && SUCCEEDED(bag_->Read(name, out, log_));
}

void PropertyWriter::Long(const wchar_t* name, long value, long def) {
    if (value == def) return;
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    WriteVariant(bag_, name, v);
}

void PropertyWriter::Short(const wchar_t* name, short value, short def) {
    if (value == def) return;
    VARIANT v;
    v.vt = VT_I2;
    v.iVal = value;
    WriteVariant(bag_, name, v);
}

void PropertyWriter::Bool(const wchar_t* name, bool value, bool def) {
    if (value == def) return;
    VARIANT v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    WriteVariant(bag_, name, v);
}

void PropertyWriter::Single(const wchar_t* name, float value, float def) {
    if (value == def) return;
    VARIANT v;
    v.vt = VT_R4;
    v.fltVal = value;
    WriteVariant(bag_, name, v);
}

void PropertyWriter::String(const wchar_t* name, const std::wstring& value, const std::wstring& def) {
    if (value == def) return;
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    WriteVariant(bag_, name, v);
    VariantClear(&v);
}

void PropertyWriter::Picture(const wchar_t* name, IUnknown* pic) {
    if (!PictureLoaded(pic)) return;
    com::Ptr<IDispatch> disp;
    pic->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(disp.Out()));
    if (!disp) return;
    VARIANT v;
    v.vt = VT_DISPATCH;
    v.pdispVal = disp.Get();
    WriteVariant(bag_, name, v);
}

void PropertyWriter::Raw(const wchar_t* name, VARIANT& value) { WriteVariant(bag_, name, value); }

// ---------------------------------------------------------------------------

MemoryPropertyBag::~MemoryPropertyBag() { Clear(); }

void MemoryPropertyBag::Clear() {
    for (auto& item : items_) VariantClear(&item.second);
    items_.clear();
}

HRESULT MemoryPropertyBag::QueryInterface(REFIID riid, void** ppv) {
    return com::QueryTable(riid, ppv, {{&IID_IPropertyBag, static_cast<IPropertyBag*>(this)}});
}

bool MemoryPropertyBag::Has(const wchar_t* name) const {
    for (const auto& item : items_)
        if (lstrcmpiW(item.first.c_str(), name) == 0) return true;
    return false;
}

HRESULT MemoryPropertyBag::Read(LPCOLESTR name, VARIANT* var, IErrorLog*) {
    if (!name || !var) return E_POINTER;
    for (auto& item : items_) {
        if (lstrcmpiW(item.first.c_str(), name) != 0) continue;
        VARTYPE want = var->vt;
        if (want == VT_EMPTY) return VariantCopy(var, &item.second);
        VARIANT tmp;
        VariantInit(&tmp);
        HRESULT hr = VariantChangeType(&tmp, &item.second, 0, want);
        if (FAILED(hr)) return hr;
        VariantClear(var);
        *var = tmp;
        return S_OK;
    }
    return E_INVALIDARG;
}

HRESULT MemoryPropertyBag::Write(LPCOLESTR name, VARIANT* var) {
    if (!name || !var) return E_POINTER;
    VARIANT copy;
    VariantInit(&copy);
    HRESULT hr = VariantCopyInd(&copy, var);
    if (FAILED(hr)) return hr;
    for (auto& item : items_) {
        if (lstrcmpiW(item.first.c_str(), name) == 0) {
            VariantClear(&item.second);
            item.second = copy;
            return S_OK;
        }
    }
    try {
        items_.emplace_back(name, copy);
    } catch (...) {
        VariantClear(&copy);
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

namespace {

constexpr DWORD kMagic = 0x42505356;  // "VSPB"

HRESULT WriteAll(IStream* s, const void* data, ULONG n) {
    ULONG done = 0;
    HRESULT hr = s->Write(data, n, &done);
    if (FAILED(hr)) return hr;
    return done == n ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT ReadAll(IStream* s, void* data, ULONG n) {
    ULONG done = 0;
    HRESULT hr = s->Read(data, n, &done);
    if (FAILED(hr)) return hr;
    return done == n ? S_OK : E_FAIL;
}

HRESULT WriteString(IStream* s, const wchar_t* text, ULONG chars) {
    HRESULT hr = WriteAll(s, &chars, sizeof chars);
    if (SUCCEEDED(hr) && chars) hr = WriteAll(s, text, chars * sizeof(wchar_t));
    return hr;
}

HRESULT ReadString(IStream* s, std::wstring& out) {
    ULONG chars = 0;
    HRESULT hr = ReadAll(s, &chars, sizeof chars);
    if (FAILED(hr)) return hr;
    if (chars > (1u << 20)) return E_FAIL;
    out.assign(chars, L'\0');
    return chars ? ReadAll(s, &out[0], chars * sizeof(wchar_t)) : S_OK;
}

// A picture is kept as the bytes of its IPersistStream form, which
// OleLoadPicture reads back.
HRESULT WritePicture(IStream* s, IUnknown* unk) {
    com::Ptr<IPersistStream> ps;
    if (unk) unk->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(ps.Out()));
    if (!ps) return E_NOINTERFACE;
    com::Ptr<IStream> mem;
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, mem.Out());
    if (FAILED(hr)) return hr;
    hr = ps->Save(mem.Get(), FALSE);
    if (FAILED(hr)) return hr;
    STATSTG st = {};
    mem->Stat(&st, STATFLAG_NONAME);
    ULONG size = static_cast<ULONG>(st.cbSize.QuadPart);
    LARGE_INTEGER zero = {};
    mem->Seek(zero, STREAM_SEEK_SET, nullptr);
    std::vector<BYTE> bytes(size);
    if (size) hr = ReadAll(mem.Get(), bytes.data(), size);
    if (SUCCEEDED(hr)) hr = WriteAll(s, &size, sizeof size);
    if (SUCCEEDED(hr) && size) hr = WriteAll(s, bytes.data(), size);
    return hr;
}

HRESULT ReadPicture(IStream* s, VARIANT& out) {
    ULONG size = 0;
    HRESULT hr = ReadAll(s, &size, sizeof size);
    if (FAILED(hr)) return hr;
    if (size > (64u << 20)) return E_FAIL;
    std::vector<BYTE> bytes(size);
    if (size) hr = ReadAll(s, bytes.data(), size);
    if (FAILED(hr)) return hr;
    // Through the programs' one picture loader, with its cap.
    com::Ptr<IPicture> pic = LoadPictureBytes(bytes.data(), bytes.size());
    IDispatch* disp = nullptr;
    if (!pic || FAILED(pic->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&disp)))) return E_FAIL;
    out.vt = VT_DISPATCH;
    out.pdispVal = disp;
    return S_OK;
}

// Any other object (a font, say) is kept in its IPersistStream form behind
// its class id, and comes back as a new object of that class.
bool IsPictureObject(IUnknown* unk) {
    com::Ptr<IPicture> pic;
    if (unk) unk->QueryInterface(IID_IPicture, reinterpret_cast<void**>(pic.Out()));
    return static_cast<bool>(pic);
}

HRESULT WriteObject(IStream* s, IUnknown* unk) {
    com::Ptr<IPersistStream> ps;
    if (unk) unk->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(ps.Out()));
    if (!ps) return E_NOINTERFACE;
    return OleSaveToStream(ps.Get(), s);
}

HRESULT ReadObject(IStream* s, VARIANT& out) {
    IDispatch* disp = nullptr;
    HRESULT hr = OleLoadFromStream(s, IID_IDispatch, reinterpret_cast<void**>(&disp));
    if (FAILED(hr)) return hr;
    out.vt = VT_DISPATCH;
    out.pdispVal = disp;
    return S_OK;
}

}  // namespace

HRESULT MemoryPropertyBag::SaveTo(IStream* s) const {
    if (!s) return E_POINTER;
    DWORD head[2] = {kMagic, static_cast<DWORD>(items_.size())};
    HRESULT hr = WriteAll(s, head, sizeof head);
    for (const auto& item : items_) {
        if (FAILED(hr)) return hr;
        hr = WriteString(s, item.first.data(), static_cast<ULONG>(item.first.size()));
        if (FAILED(hr)) return hr;
        const VARIANT& v = item.second;
        VARTYPE vt = v.vt;
        if (vt == VT_DISPATCH || vt == VT_UNKNOWN) vt = IsPictureObject(v.punkVal) ? VT_UNKNOWN : VT_STREAMED_OBJECT;
        hr = WriteAll(s, &vt, sizeof vt);
        if (FAILED(hr)) return hr;
        switch (vt) {
            case VT_EMPTY:
            case VT_NULL: break;
            case VT_I2: case VT_BOOL: hr = WriteAll(s, &v.iVal, sizeof v.iVal); break;
            case VT_I4: case VT_UI4: case VT_ERROR: hr = WriteAll(s, &v.lVal, sizeof v.lVal); break;
            case VT_R4: hr = WriteAll(s, &v.fltVal, sizeof v.fltVal); break;
            case VT_R8: case VT_DATE: hr = WriteAll(s, &v.dblVal, sizeof v.dblVal); break;
            case VT_CY: hr = WriteAll(s, &v.cyVal, sizeof v.cyVal); break;
            case VT_BSTR: hr = WriteString(s, v.bstrVal, v.bstrVal ? SysStringLen(v.bstrVal) : 0); break;
            case VT_UNKNOWN: hr = WritePicture(s, v.punkVal); break;
            case VT_STREAMED_OBJECT: hr = WriteObject(s, v.punkVal); break;
            default: return DISP_E_BADVARTYPE;
        }
    }
    return hr;
}

HRESULT MemoryPropertyBag::LoadFrom(IStream* s) {
    if (!s) return E_POINTER;
    DWORD head[2] = {};
    HRESULT hr = ReadAll(s, head, sizeof head);
    if (FAILED(hr)) return hr;
    if (head[0] != kMagic || head[1] > 4096) return E_FAIL;
    Clear();
    for (DWORD i = 0; i < head[1]; ++i) {
        std::wstring name;
        hr = ReadString(s, name);
        if (FAILED(hr)) return hr;
        VARTYPE vt = VT_EMPTY;
        hr = ReadAll(s, &vt, sizeof vt);
        if (FAILED(hr)) return hr;
        VARIANT v;
        VariantInit(&v);
        v.vt = vt;
        switch (vt) {
            case VT_EMPTY:
            case VT_NULL: break;
            case VT_I2: case VT_BOOL: hr = ReadAll(s, &v.iVal, sizeof v.iVal); break;
            case VT_I4: case VT_UI4: case VT_ERROR: hr = ReadAll(s, &v.lVal, sizeof v.lVal); break;
            case VT_R4: hr = ReadAll(s, &v.fltVal, sizeof v.fltVal); break;
            case VT_R8: case VT_DATE: hr = ReadAll(s, &v.dblVal, sizeof v.dblVal); break;
            case VT_CY: hr = ReadAll(s, &v.cyVal, sizeof v.cyVal); break;
            case VT_BSTR: {
                std::wstring text;
                hr = ReadString(s, text);
                v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
                break;
            }
            case VT_UNKNOWN: v.vt = VT_EMPTY; hr = ReadPicture(s, v); break;
            case VT_STREAMED_OBJECT: v.vt = VT_EMPTY; hr = ReadObject(s, v); break;
            default: return E_FAIL;
        }
        if (FAILED(hr)) {
            VariantClear(&v);
            return hr;
        }
        items_.emplace_back(std::move(name), v);
    }
    return S_OK;
}

com::Ptr<MemoryPropertyBag> NewPropertyBag() {
    return com::Ptr<MemoryPropertyBag>::Adopt(new MemoryPropertyBag());
}

}  // namespace vorne::activex
