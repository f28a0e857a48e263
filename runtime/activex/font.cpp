#include "runtime/activex/font.h"

#include <cmath>

#include "runtime/activex/screen.h"
#include "runtime/com/error.h"

namespace vorne::activex {

namespace {

constexpr LONGLONG kCyPerPoint = 10000;  // CY fixed point

}  // namespace

com::Ptr<IFontDisp> CreateStdFont(const FontSpec& face) {
    FONTDESC desc = {};
    desc.cbSizeofstruct = sizeof(desc);
    desc.lpstrName = const_cast<LPOLESTR>(face.name.c_str());
    desc.cySize.int64 = std::llround(static_cast<double>(face.points) * kCyPerPoint);
    desc.sWeight = face.bold ? FW_BOLD : FW_NORMAL;
    desc.sCharset = face.charset;
    desc.fItalic = face.italic;
    desc.fUnderline = face.underline;
    desc.fStrikethrough = face.strikethrough;
    com::Ptr<IFontDisp> font;
    com::Check(OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(font.Out())));
    return font;
}

bool ReadFontSpec(IUnknown* unk, FontSpec& face) {
    if (!unk) return false;
    com::Ptr<IFont> font;
    if (FAILED(unk->QueryInterface(IID_IFont, reinterpret_cast<void**>(font.Out()))) || !font) return false;
    BSTR name = nullptr;
    CY size = {};
    BOOL bold = FALSE, italic = FALSE, underline = FALSE, strike = FALSE;
    SHORT charset = DEFAULT_CHARSET;
    if (FAILED(font->get_Name(&name))) return false;
    face.name = com::FromBstr(name);
    SysFreeString(name);
    font->get_Size(&size);
    font->get_Bold(&bold);
    font->get_Italic(&italic);
    font->get_Underline(&underline);
    font->get_Strikethrough(&strike);
    font->get_Charset(&charset);
    face.points = static_cast<float>(static_cast<double>(size.int64) / kCyPerPoint);
    face.bold = bold != FALSE;
    face.italic = italic != FALSE;
    face.underline = underline != FALSE;
    face.strikethrough = strike != FALSE;
    face.charset = charset;
    return true;
}

com::Ptr<IFontDisp> CloneFont(IUnknown* unk) {
    com::Ptr<IFontDisp> out;
    if (!unk) return out;
    com::Ptr<IFont> font;
    if (FAILED(unk->QueryInterface(IID_IFont, reinterpret_cast<void**>(font.Out()))) || !font) return out;
    com::Ptr<IFont> copy;
    if (FAILED(font->Clone(copy.Out())) || !copy) return out;
    copy->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(out.Out()));
    return out;
}

bool SameFont(IUnknown* a, IUnknown* b) {
    if (!a || !b) return !a && !b;
    FontSpec x, y;
    if (!ReadFontSpec(a, x) || !ReadFontSpec(b, y)) return false;
    return lstrcmpiW(x.name.c_str(), y.name.c_str()) == 0 && x.points == y.points && x.bold == y.bold &&
           x.italic == y.italic && x.underline == y.underline && x.strikethrough == y.strikethrough &&
           x.charset == y.charset;
}

// Forwards the font's change notification to its property while it lives.
class FontProperty::Sink : public com::Object, public IPropertyNotifySink {
public:
    explicit Sink(FontProperty* owner) : owner_(owner) {}
    void Orphan() { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        return com::QueryTable(riid, ppv, {{&IID_IPropertyNotifySink, static_cast<IPropertyNotifySink*>(this)}});
    }
    VORNE_COM_REFCOUNT()
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID) override {
        if (owner_) owner_->Changed();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

private:
    FontProperty* owner_;
};

FontProperty::FontProperty(std::function<void()> onChanged) : onChanged_(std::move(onChanged)) {}

FontProperty::~FontProperty() {
    Detach();
    if (handle_) DeleteObject(handle_);
}

void FontProperty::Detach() {
    if (point_) {
        point_->Unadvise(cookie_);
        point_.Reset();
    }
    if (sink_) {
        sink_->Orphan();
        sink_->Release();
        sink_ = nullptr;
    }
    cookie_ = 0;
}

HRESULT FontProperty::Set(IUnknown* unk) {
    if (!unk) return E_INVALIDARG;
    com::Ptr<IFontDisp> font;
    com::Ptr<IFont> check;
    if (FAILED(unk->QueryInterface(IID_IFont, reinterpret_cast<void**>(check.Out()))) ||
        FAILED(unk->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(font.Out()))) || !font)
        return E_INVALIDARG;
    if (font.Get() == font_.Get()) return S_OK;
    Detach();
    font_ = font;
    if (auto container = font_.As<IConnectionPointContainer>(IID_IConnectionPointContainer)) {
        com::Ptr<IConnectionPoint> point;
        if (SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.Out())) && point) {
            sink_ = new Sink(this);
            if (SUCCEEDED(point->Advise(static_cast<IPropertyNotifySink*>(sink_), &cookie_))) {
                point_ = point;
            } else {
                sink_->Orphan();
                sink_->Release();
                sink_ = nullptr;
            }
        }
    }
    Changed();
    return S_OK;
}

HRESULT FontProperty::SetCopy(IUnknown* font) {
    com::Ptr<IFontDisp> copy = CloneFont(font);
    if (!copy) return E_INVALIDARG;
    return Set(copy.Get());
}

void FontProperty::Changed() {
    if (handle_) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
    if (onChanged_) onChanged_();
}

HFONT FontProperty::Handle() {
    if (handle_ || !font_) return handle_;
    FontSpec face;
    if (!ReadFontSpec(font_.Get(), face)) return nullptr;
    LOGFONTW lf = {};
    lf.lfHeight = ScreenFontHeight(static_cast<double>(face.points));
    lf.lfWeight = face.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = face.italic;
    lf.lfUnderline = face.underline;
    lf.lfStrikeOut = face.strikethrough;
    lf.lfCharSet = static_cast<BYTE>(face.charset);
    lstrcpynW(lf.lfFaceName, face.name.c_str(), LF_FACESIZE);
    handle_ = CreateFontIndirectW(&lf);
    return handle_;
}

}  // namespace vorne::activex
