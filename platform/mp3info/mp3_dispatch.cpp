#include "platform/mp3info/mp3_dispatch.h"

#include <string>

#include "platform/mp3info/mp3_properties.h"
#include "runtime/com/dispatch.h"
#include "runtime/com/object.h"

namespace vorne::mp3 {
namespace {

using com::DispCall;
using com::DispMember;

std::string AnsiPath(const std::wstring& w) {
  if (w.empty()) return std::string();
  int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr, nullptr);
  return s;
}

class Mp3InfoControl : public com::Object, public IDispatch {
 public:
  VORNE_COM_REFCOUNT()

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return com::QueryTable(riid, ppv, {{&IID_IDispatch, static_cast<IDispatch*>(this)}});
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    if (!n) return E_POINTER;
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ti) override {
    if (ti) *ti = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT n, LCID, DISPID* ids) override {
    size_t count = 0;
    const auto* members = Members(count);
    return com::GetIDsOfNames(members, count, names, n, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT* r,
                                   EXCEPINFO* e, UINT* a) override {
    size_t count = 0;
    const auto* members = Members(count);
    return com::Invoke(*this, members, count, id, flags, p, r, e, a);
  }

  // Method 17: opens a file (path, reserved text); a file that cannot be
  // read or holds no MPEG audio leaves the control not valid.
  void Open(const std::wstring& path) { props_ = QueryMp3Properties(AnsiPath(path)); }
  // Methods 21 and 22: end the query; every property reads as closed.
  void Close() { props_ = Mp3Properties{}; }
  const Mp3Properties& Props() const { return props_; }

  static const DispMember<Mp3InfoControl>* Members(size_t& count);

 private:
  Mp3Properties props_;
};

constexpr WORD kGet = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

const DispMember<Mp3InfoControl> kMembers[] = {
    {kDispFrameCount, L"FrameCount", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnLong(s.Props().FrameCount); }},
    {kDispCopyright, L"Copyright", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnBool(s.Props().Copyright); }},
    {kDispOriginal, L"Original", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnBool(s.Props().Original); }},
    {kDispCrc, L"CRC", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnBool(s.Props().Crc); }},
    {kDispLayer, L"Layer", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnShort(s.Props().Layer); }},
    {kDispSampleRate, L"SampleRate", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnLong(s.Props().SampleRate); }},
    {kDispBitRate, L"BitRate", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnLong(s.Props().BitRate); }},
    {kDispMpegVersion, L"MpegVersion", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnShort(s.Props().MpegVersion); }},
    {kDispValid, L"Valid", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnShort(s.Props().Valid); }},
    {kDispMsPerFrame, L"MsPerFrame", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnSingle(s.Props().MsPerFrame); }},
    {kDispDuration, L"Duration", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnLong(s.Props().Duration); }},
    {kDispChannelMode, L"ChannelMode", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnShort(s.Props().ChannelMode); }},
    {kDispOpen, L"Open", DISPATCH_METHOD,
     [](Mp3InfoControl& s, DispCall& c) {
       c.Expect(1, 2);
       s.Open(c.String(0));
     }},
    {kDispClose, L"Close", DISPATCH_METHOD, [](Mp3InfoControl& s, DispCall&) { s.Close(); }},
    {kDispReset, L"Reset", DISPATCH_METHOD, [](Mp3InfoControl& s, DispCall&) { s.Close(); }},
};

const DispMember<Mp3InfoControl>* Mp3InfoControl::Members(size_t& count) {
  count = sizeof kMembers / sizeof kMembers[0];
  return kMembers;
}

}  // namespace

HRESULT CreateMp3InfoControl(IDispatch** out) {
  if (!out) return E_POINTER;
  *out = new (std::nothrow) Mp3InfoControl();
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace vorne::mp3
