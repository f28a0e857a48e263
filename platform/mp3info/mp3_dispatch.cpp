#include "platform/mp3info/mp3_dispatch.h"

#include <memory>
#include <string>

#include "platform/mp3info/acm_decoder.h"
#include "platform/mp3info/mp3_properties.h"
#include "platform/mp3info/wave_output.h"
#include "runtime/com/connection_point.h"
#include "runtime/com/dispatch.h"
#include "runtime/com/message_window.h"
#include "runtime/com/object.h"
#include "runtime/text/ansi.h"

namespace vorne::mp3info {
namespace {

using com::DispCall;
using com::DispMember;

// Frames decoded per turn of the message loop: about a second of sound,
// a few milliseconds of work.
constexpr size_t kFramesPerSlice = 40;
constexpr UINT kMsgSlice = WM_APP + 1;
constexpr wchar_t kWindowClass[] = L"VorneMp3ControlNotify";

class Mp3InfoControl : public com::Object, public IDispatch, public IConnectionPointContainer {
 public:
  Mp3InfoControl()
      : events_(static_cast<IDispatch*>(this), this, kMp3EventsIid),
        job_(std::make_unique<AcmDecoder>()) {
    window_ = CreateNotifyWindow();
  }
  ~Mp3InfoControl() override {
    // Whatever was being written stays a valid wave file.
    job_.Stop();
    events_.UnadviseAll();
    if (window_) DestroyWindow(window_);
  }

  VORNE_COM_REFCOUNT()

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return com::QueryTable(riid, ppv,
                           {{&IID_IDispatch, static_cast<IDispatch*>(this)},
                            {&IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(this)}});
  }
  VORNE_DISPATCH_TABLE(Mp3InfoControl)

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** e) override {
    return com::EnumConnectionPointsOf({&events_}, e);
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** cp) override {
    return com::FindConnectionPointIn({&events_}, riid, cp);
  }

  // Method 17. With an empty target: the stream facts of path (a file that
  // cannot be read or holds no MPEG audio leaves the control not valid).
  // Otherwise path becomes the source of the wave file target; 0 when both
  // could be opened.
  long Open(const std::wstring& path, const std::wstring& target) {
    if (target.empty()) {
      output_ = false;
      props_ = QueryMp3Properties(text::WideToAnsi(path));
      return 0;
    }
    output_ = true;
    return job_.Open(text::WideToAnsi(path), text::WideToAnsi(target));
  }
  // Method 18: the first slice runs from the message loop.
  void Start() {
    job_.Start();
    if (job_.Running()) PostSlice();
  }
  // Method 20.
  void Seek(long frame) {
    job_.Seek(frame);
    lastReported_ = -1;
  }
  // Methods 21 and 22: end the query and the writing; every property reads
  // as closed, and the wave file is complete up to where it got.
  void Close() {
    props_ = Mp3Properties{};
    output_ = false;
    job_.Stop();
  }
  long FrameCount() const { return output_ ? job_.Length() : props_.FrameCount; }
  const Mp3Properties& Props() const { return props_; }

 private:
  void PostSlice() {
    if (window_ && !slicePosted_ && PostMessageW(window_, kMsgSlice, 0, 0)) slicePosted_ = true;
  }

  void RunSlice() {
    slicePosted_ = false;
    if (!job_.Running()) return;
    AddRef();  // a handler may drop the host's last reference
    const StepResult r = job_.Step(kFramesPerSlice);
    const long pos = job_.Position();
    if (pos != lastReported_) {
      lastReported_ = pos;
      VARIANT v;
      VariantInit(&v);
      v.vt = VT_I4;
      v.lVal = pos;
      events_.Fire(kEventProgress, {v});
    }
    if (r == StepResult::Done || r == StepResult::Failed) {
      // A song cut short by an error ends as far as it got.
      lastReported_ = -1;
      events_.Fire(kEventDone);
    } else if (job_.Running()) {
      PostSlice();
    }
    Release();
  }

  static LRESULT CALLBACK WndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = com::MessageWindowOwner<Mp3InfoControl>(w);
    if (self && msg == kMsgSlice) {
      self->RunSlice();
      return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
  }

  HWND CreateNotifyWindow() { return com::CreateMessageWindow(kWindowClass, WndProc, this); }

  Mp3Properties props_;
  com::ConnectionPoint events_;
  WaveOutputJob job_;
  HWND window_ = nullptr;
  bool output_ = false;  // the last open was for writing
  bool slicePosted_ = false;
  long lastReported_ = -1;
};

constexpr WORD kGet = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

const DispMember<Mp3InfoControl> kMembers[] = {
    {kDispFrameCount, L"FrameCount", kGet, [](Mp3InfoControl& s, DispCall& c) { c.ReturnLong(s.FrameCount()); }},
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
       c.ReturnLong(s.Open(c.String(0), c.Has(1) ? c.String(1) : std::wstring()));
     }},
    {kDispStart, L"Start", DISPATCH_METHOD, [](Mp3InfoControl& s, DispCall&) { s.Start(); }},
    {kDispSeek, L"Seek", DISPATCH_METHOD,
     [](Mp3InfoControl& s, DispCall& c) {
       c.Expect(1, 1);
       s.Seek(c.Long(0));
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
  *out = static_cast<IDispatch*>(new (std::nothrow) Mp3InfoControl());
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace vorne::mp3info
