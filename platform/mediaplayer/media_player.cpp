#include "platform/mediaplayer/media_player.h"

#include <dshow.h>

#include <algorithm>
#include <deque>
#include <new>
#include <string>
#include <vector>

#include "platform/mediaplayer/clip_tags.h"
#include "platform/mediaplayer/graph_renderers.h"
#include "platform/mediaplayer/player_registry.h"
#include "platform/mediaplayer/wave_volume.h"
#include "runtime/com/connection_point.h"
#include "runtime/com/dispatch.h"
#include "runtime/com/message_window.h"
#include "runtime/com/object.h"
#include "runtime/text/ansi.h"

namespace vorne::mediaplayer {

long RenderErrorCode(HRESULT hr, unsigned waveOutDevices) {
  if (waveOutDevices == 0 || hr == static_cast<HRESULT>(kErrorNoSoundHardware)) return kErrorNoSoundHardware;
  return kErrorFormatNotSupported;
}

namespace {

using com::DispCall;
using com::DispMember;
using com::Ptr;

constexpr UINT kMsgGraphEvent = WM_APP + 1;  // the graph has events waiting
constexpr UINT kMsgDrain = WM_APP + 2;       // raise the queued events
constexpr const wchar_t* kWindowClass = L"VorneMediaPlayerNotify";
constexpr double kUnitsPerSecond = 10000000.0;  // REFERENCE_TIME is 100 ns

// One event waiting to be raised.
struct Pending {
  DISPID id;
  std::vector<VARIANT> args;  // plain values only (no strings)
};

VARIANT LongVar(long v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_I4;
  r.lVal = v;
  return r;
}

VARIANT BoolVar(bool v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_BOOL;
  r.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
  return r;
}

class MediaPlayer : public com::Object, public IDispatch, public IConnectionPointContainer, public VolumeListener {
 public:
  MediaPlayer() : events_(static_cast<IDispatch*>(this), this, kMediaPlayerEventsIid) {
    window_ = CreateNotifyWindow();
    AddPlayer(this);
  }

  VORNE_COM_REFCOUNT()

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return com::QueryTable(riid, ppv,
                           {{&IID_IDispatch, static_cast<IDispatch*>(this)},
                            {&IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(this)}});
  }

  VORNE_DISPATCH_TABLE(MediaPlayer)

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** e) override {
    return com::EnumConnectionPointsOf({&events_}, e);
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** cp) override {
    return com::FindConnectionPointIn({&events_}, riid, cp);
  }

  // Transport. Each raises the change of play state it causes before it
  // returns.
  void Play() {
    RequireMedia();
    Check(control_->Run());
    ChangeState(kStatePlaying);
    Drain();
  }
  void Pause() {
    RequireMedia();
    Check(control_->Pause());
    ChangeState(kStatePaused);
    Drain();
  }
  void Stop() {
    if (control_) {
      control_->Stop();
      ChangeState(kStateStopped);
      Park();
    }
    Drain();
  }

  // Opens a file or an address and plays it; "" closes. The outcome is
  // reported by events from the message loop.
  void Open(const std::wstring& name, bool address) {
    Close();
    fileName_ = name;
    if (name.empty()) {
      ChangeState(kStateClosed);
      PostDrain();
      return;
    }
    if (address) {
      Queue(kEventReadyStateChange, {LongVar(kReadyLoading)});
      Queue(kEventBuffering, {BoolVar(true)});
    }
    HRESULT hr = BuildGraph(name);
    if (FAILED(hr)) {
      ReleaseGraph();
      errorCode_ = RenderErrorCode(hr, waveOutGetNumDevs());
      ChangeState(kStateClosed);
      Queue(kEventError, {});
      PostDrain();
      return;
    }
    ReadClipTexts();
    errorCode_ = 0;
    if (address) Queue(kEventBuffering, {BoolVar(false)});
    Queue(kEventReadyStateChange, {LongVar(kReadyInteractive)});
    Queue(kEventNewStream, {});
    Queue(kEventReadyStateChange, {LongVar(kReadyComplete)});
    if (SUCCEEDED(control_->Run())) {
      ChangeState(kStatePlaying);
    } else {
      ChangeState(kStateStopped);
    }
    PostDrain();
  }

  double Duration() const {
    if (parked_) return parkedDuration_;
    LONGLONG d = 0;
    if (!seeking_ || FAILED(seeking_->GetDuration(&d))) return 0;
    return static_cast<double>(d) / kUnitsPerSecond;
  }
  double Position() const {
    if (parked_) return parkedPosition_;
    LONGLONG p = 0;
    if (!seeking_ || FAILED(seeking_->GetCurrentPosition(&p))) return 0;
    return static_cast<double>(p) / kUnitsPerSecond;
  }
  void Seek(double seconds) {
    if (!parked_) RequireMedia();
    double d = Duration();
    if (seconds < 0) seconds = 0;
    if (d > 0 && seconds > d) seconds = d;
    if (parked_) {
      parkedPosition_ = seconds;
      return;
    }
    LONGLONG t = static_cast<LONGLONG>(seconds * kUnitsPerSecond + 0.5);
    Check(seeking_->SetPositions(&t, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning));
  }

  // A text of the open clip's tags: ID3v2 where it has the field, else
  // ID3v1. An item the clip lacks reads as empty text.
  std::wstring ClipInfo(long item) const {
    auto field = ClipFieldOfItem(item);
    if (!field) return std::wstring();
    if (const auto& v2 = clipV2_[*field]) return std::wstring(v2->begin(), v2->end());
    return text::AnsiToWide(clipV1_[*field]);
  }

  // The volume word to play at, kept for the graphs built later.
  void SetVolumeWord(DWORD word) override {
    volumeWord_ = word;
    ApplyVolume();
  }

  HRESULT RendererVolumeNow(long* level) const {
    if (!level) return E_POINTER;
    *level = 0;
    return audio_ ? audio_->get_Volume(level) : S_FALSE;
  }

  const std::wstring& FileName() const { return fileName_; }
  long PlayState() const { return state_; }
  long ErrorCode() const { return errorCode_; }
  long bufferingTime_ = 5;
  long displaySize_ = 0;
  bool autoRewind_ = false;
  bool showVideo_ = false;

 protected:
  void OnFinalRelease() override {
    RemovePlayer(this);
    events_.UnadviseAll();
    ReleaseGraph();
    queue_.clear();
    if (window_) {
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      DestroyWindow(window_);
      window_ = nullptr;
    }
  }

 private:
  void ApplyVolume() {
    if (audio_) audio_->put_Volume(RendererVolume(LOWORD(volumeWord_)));
  }

  static void Check(HRESULT hr) {
    if (FAILED(hr)) throw com::ComError(hr);
  }
  void RequireMedia() {
    if (parked_) Unpark();
    if (!control_) throw com::ComError(E_UNEXPECTED);
  }

  // A stopped clip of sound lets go of its graph, and with it of the sound
  // device, whose mixer would otherwise keep running; the next transport
  // call builds it again at the stopped position. A picture stays, as its
  // window shows the stopped frame.
  void Park() {
    if (!control_ || HasRendererOf(graph_.Get(), MEDIATYPE_Video)) return;
    parkedDuration_ = Duration();
    parkedPosition_ = Position();
    ReleaseGraph();
    parked_ = true;
  }
  void Unpark() {
    parked_ = false;
    HRESULT hr = BuildGraph(fileName_);
    if (FAILED(hr)) {
      ReleaseGraph();
      throw com::ComError(hr);
    }
    LONGLONG t = static_cast<LONGLONG>(parkedPosition_ * kUnitsPerSecond + 0.5);
    seeking_->SetPositions(&t, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
  }

  HRESULT BuildGraph(const std::wstring& name) {
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                  reinterpret_cast<void**>(graph_.Out()));
    if (FAILED(hr)) return hr;
    // This player plays the sound: the picture of a video is the video
    // window's own player's. The plain renderer goes in first (the default
    // one needs a presenter of the video card's) and leaves again with
    // every other picture renderer once the file is rendered.
    auto picture = com::Ptr<IBaseFilter>::Adopt(AddPlainVideoRenderer(graph_.Get()));
    hr = graph_->RenderFile(name.c_str(), nullptr);
    if (FAILED(hr)) return hr;
    RemoveRenderersOf(graph_.Get(), MEDIATYPE_Video);
    RemoveIfUnconnected(graph_.Get(), picture.Get());
    // A render that left out the sound (VFW_S_AUDIO_NOT_RENDERED) has
    // nothing to play through here.
    if (hr == VFW_S_AUDIO_NOT_RENDERED && waveOutGetNumDevs() == 0) return kErrorNoSoundHardware;
    control_ = graph_.As<IMediaControl>(IID_IMediaControl);
    seeking_ = graph_.As<IMediaSeeking>(IID_IMediaSeeking);
    graphEvents_ = graph_.As<IMediaEventEx>(IID_IMediaEventEx);
    audio_ = graph_.As<IBasicAudio>(IID_IBasicAudio);
    if (!control_ || !seeking_ || !graphEvents_) return E_NOINTERFACE;
    seeking_->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
    graphEvents_->SetNotifyWindow(reinterpret_cast<OAHWND>(window_), kMsgGraphEvent, 0);
    ApplyVolume();
    return S_OK;
  }

  // The tags at both ends of the media, through the source's own reader,
  // so an address reads as a file does. Only bytes the source already
  // holds are read: a read past them would wait for a download, and for a
  // live stream the end never comes.
  void ReadClipTexts() {
    auto reader = com::Ptr<IAsyncReader>::Adopt(SourceReaderOf(graph_.Get()));
    LONGLONG total = 0, available = 0;
    if (!reader || FAILED(reader->Length(&total, &available)) || available < 10) return;
    uint8_t header[10];
    if (reader->SyncRead(0, sizeof header, header) == S_OK) {
      const size_t n = static_cast<size_t>(std::min<LONGLONG>(Id3v2HeadBytes(header), available));
      if (n > 0) {
        std::vector<uint8_t> head(n);
        // A short read leaves zeros, which end the frames.
        if (SUCCEEDED(reader->SyncRead(0, static_cast<LONG>(n), head.data())))
          clipV2_ = ReadId3v2Texts(head.data(), head.size());
      }
    }
    uint8_t tail[128];
    const auto tailSize = static_cast<LONGLONG>(sizeof tail);
    if (available >= total && total >= tailSize && reader->SyncRead(total - tailSize, sizeof tail, tail) == S_OK)
      clipV1_ = ReadId3v1Texts(tail);
  }

  void ReleaseGraph() {
    if (control_) control_->Stop();
    if (graphEvents_) graphEvents_->SetNotifyWindow(0, 0, 0);
    audio_.Reset();
    graphEvents_.Reset();
    seeking_.Reset();
    control_.Reset();
    graph_.Reset();
  }

  // Drops the current media without raising anything: the open that
  // follows reports the new state.
  void Close() {
    ReleaseGraph();
    parked_ = false;
    clipV2_ = {};
    clipV1_ = {};
    MSG m;
    while (window_ && PeekMessageW(&m, window_, kMsgGraphEvent, kMsgGraphEvent, PM_REMOVE)) {
    }
  }

  void ChangeState(long now) {
    if (now == state_) return;
    long old = state_;
    state_ = now;
    Queue(kEventPlayStateChange, {LongVar(old), LongVar(now)});
  }

  void Queue(DISPID id, std::initializer_list<VARIANT> args) { queue_.push_back(Pending{id, args}); }

  void PostDrain() {
    if (window_ && !drainPosted_ && PostMessageW(window_, kMsgDrain, 0, 0)) drainPosted_ = true;
  }

  // Raises the queued events in order. A handler may call back into the
  // control; what it causes is queued behind and raised by the same loop.
  void Drain() {
    Ptr<IUnknown> keep(static_cast<IDispatch*>(this));
    while (!queue_.empty()) {
      Pending p = std::move(queue_.front());
      queue_.pop_front();
      events_.Fire(p.id, p.args.empty() ? nullptr : p.args.data(), static_cast<UINT>(p.args.size()));
    }
  }

  void OnGraphEvents() {
    if (!graphEvents_) return;
    long code = 0;
    LONG_PTR p1 = 0, p2 = 0;
    bool ended = false;
    while (graphEvents_ && graphEvents_->GetEvent(&code, &p1, &p2, 0) == S_OK) {
      graphEvents_->FreeEventParams(code, p1, p2);
      if (code == EC_COMPLETE) {
        ended = true;
      } else if (code == EC_ERRORABORT || code == EC_ERRORABORTEX) {
        errorCode_ = static_cast<long>(p1);
        if (control_) control_->Stop();
        ChangeState(kStateStopped);
        Queue(kEventError, {});
      }
    }
    if (ended && control_) {
      // The end of the clip: stopped and rewound, as a new play starts it
      // from the beginning.
      control_->Stop();
      LONGLONG zero = 0;
      seeking_->SetPositions(&zero, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
      Queue(kEventEndOfStream, {LongVar(0)});
      ChangeState(kStateStopped);
      Park();
    }
    Drain();
  }

  static LRESULT CALLBACK WndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = com::MessageWindowOwner<MediaPlayer>(w);
    if (self && msg == kMsgGraphEvent) {
      self->OnGraphEvents();
      return 0;
    }
    if (self && msg == kMsgDrain) {
      self->drainPosted_ = false;
      self->Drain();
      return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
  }

  HWND CreateNotifyWindow() { return com::CreateMessageWindow(kWindowClass, WndProc, this); }

  com::ConnectionPoint events_;
  HWND window_ = nullptr;
  Ptr<IGraphBuilder> graph_;
  Ptr<IMediaControl> control_;
  Ptr<IMediaSeeking> seeking_;
  Ptr<IMediaEventEx> graphEvents_;
  Ptr<IBasicAudio> audio_;
  DWORD volumeWord_ = 0xFFFFFFFF;
  std::wstring fileName_;
  Id3v2Texts clipV2_;
  Id3v1Texts clipV1_;
  bool parked_ = false;  // stopped, with the graph let go
  double parkedDuration_ = 0;
  double parkedPosition_ = 0;
  long state_ = kStateClosed;
  long errorCode_ = 0;
  std::deque<Pending> queue_;
  bool drainPosted_ = false;
};

constexpr WORD kGet = DISPATCH_PROPERTYGET | DISPATCH_METHOD;
constexpr WORD kGetPut = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT;

// A property the control only keeps: written and read back.
void Kept(DispCall& c, long& field) {
  if (c.IsPut()) {
    field = c.ValueLong();
  } else {
    c.ReturnLong(field);
  }
}
void Kept(DispCall& c, bool& field) {
  if (c.IsPut()) {
    field = c.ValueBool();
  } else {
    c.ReturnBool(field);
  }
}

const DispMember<MediaPlayer> kMembers[] = {
    {kDispPlay, L"Play", DISPATCH_METHOD, [](MediaPlayer& s, DispCall&) { s.Play(); }},
    {kDispPause, L"Pause", DISPATCH_METHOD, [](MediaPlayer& s, DispCall&) { s.Pause(); }},
    {kDispStop, L"Stop", DISPATCH_METHOD, [](MediaPlayer& s, DispCall&) { s.Stop(); }},
    {kDispOpen, L"Open", DISPATCH_METHOD,
     [](MediaPlayer& s, DispCall& c) {
       c.Expect(1, 1);
       s.Open(c.String(0), true);
     }},
    {kDispClipInfo, L"GetMediaInfoString", DISPATCH_METHOD,
     [](MediaPlayer& s, DispCall& c) {
       c.Expect(1, 1);
       c.ReturnString(s.ClipInfo(c.Long(0)));
     }},
    {kDispDuration, L"Duration", kGet, [](MediaPlayer& s, DispCall& c) { c.ReturnDouble(s.Duration()); }},
    {kDispFileName, L"FileName", kGetPut,
     [](MediaPlayer& s, DispCall& c) {
       if (c.IsPut()) {
         s.Open(c.ValueString(), false);
       } else {
         c.ReturnString(s.FileName());
       }
     }},
    {kDispPosition, L"CurrentPosition", kGetPut,
     [](MediaPlayer& s, DispCall& c) {
       if (c.IsPut()) {
         VARIANT v;
         VariantInit(&v);
         if (FAILED(VariantChangeType(&v, &c.Value(), 0, VT_R8))) throw com::ComError(DISP_E_TYPEMISMATCH);
         s.Seek(v.dblVal);
       } else {
         c.ReturnDouble(s.Position());
       }
     }},
    {kDispPlayState, L"PlayState", kGet, [](MediaPlayer& s, DispCall& c) { c.ReturnLong(s.PlayState()); }},
    {kDispErrorCode, L"ErrorCode", kGet, [](MediaPlayer& s, DispCall& c) { c.ReturnLong(s.ErrorCode()); }},
    {kDispBufferingTime, L"BufferingTime", kGetPut, [](MediaPlayer& s, DispCall& c) { Kept(c, s.bufferingTime_); }},
    {kDispDisplaySize, L"DisplaySize", kGetPut, [](MediaPlayer& s, DispCall& c) { Kept(c, s.displaySize_); }},
    {kDispAutoRewind, L"AutoRewind", kGetPut, [](MediaPlayer& s, DispCall& c) { Kept(c, s.autoRewind_); }},
    {kDispShowVideo, L"ShowVideo", kGetPut, [](MediaPlayer& s, DispCall& c) { Kept(c, s.showVideo_); }},
};

const DispMember<MediaPlayer>* MediaPlayer::Members(size_t& count) {
  count = sizeof kMembers / sizeof kMembers[0];
  return kMembers;
}

}  // namespace

HRESULT GetRendererVolume(IDispatch* control, long* level) {
  if (!control) return E_POINTER;
  return static_cast<MediaPlayer*>(control)->RendererVolumeNow(level);
}

HRESULT CreateMediaPlayer(IDispatch** out) {
  if (!out) return E_POINTER;
  *out = new (std::nothrow) MediaPlayer();
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace vorne::mediaplayer
