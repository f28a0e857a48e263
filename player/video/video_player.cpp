#include "player/video/video_player.h"

#include <dshow.h>

#include <string>
#include <vector>

#include "platform/mediaplayer/graph_renderers.h"
#include "platform/mediaplayer/media_player.h"
#include "player/video/video_core.h"
#include "runtime/com/dispatch.h"
#include "runtime/com/error.h"
#include "runtime/com/object.h"

namespace vorne::player::video {
namespace {

using com::DispCall;
using com::DispMember;
using com::Ptr;

constexpr UINT kMsgGraphEvent = WM_APP + 1;
constexpr UINT kMsgNewStream = WM_APP + 2;
constexpr UINT kMsgStateChange = WM_APP + 3;
constexpr UINT kMsgModeChange = WM_APP + 4;
constexpr wchar_t kWindowClass[] = L"VorneVideoArea";
constexpr double kUnitsPerSecond = 10000000.0;
// The container's visible property, which hosts also set by dispatch id.
constexpr DISPID kDispVisible = static_cast<DISPID>(0x80010007);
// Display properties a host sets and this control keeps.
constexpr DISPID kKeptDisplayProps[] = {1014, 1107, 23, 24, 26, 1086, 1025, 1045, 1021};

class VideoOnlyPlayer : public com::Object, public IDispatch, public VideoPlayer {
 public:
  VideoOnlyPlayer(HWND host, VideoEvents* events) : events_(events) {
    static ATOM atom = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = WndProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = kWindowClass;
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      return RegisterClassW(&wc);
    }();
    if (atom)
      window_ = CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                host, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    for (DISPID id : kKeptDisplayProps) kept_.push_back({id, false});
  }
  ~VideoOnlyPlayer() override {
    Close();
    if (window_) {
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      DestroyWindow(window_);
    }
  }

  VORNE_COM_REFCOUNT()

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return com::QueryTable(riid, ppv, {{&IID_IDispatch, static_cast<IDispatch*>(this)}});
  }
  VORNE_DISPATCH_NO_TYPEINFO()
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT n, LCID, DISPID* ids) override {
    size_t count = 0;
    const auto* members = Members(count);
    return com::GetIDsOfNames(members, count, names, n, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* p, VARIANT* r,
                                   EXCEPINFO* e, UINT* a) override {
    for (auto& k : kept_) {
      if (k.id != id) continue;
      DispCall c(flags, p, r);
      if (c.IsPut()) {
        k.value = c.ValueBool();
      } else {
        c.ReturnBool(k.value);
      }
      return S_OK;
    }
    size_t count = 0;
    const auto* members = Members(count);
    return com::Invoke(*this, members, count, id, flags, p, r, e, a);
  }

  // --- VideoPlayer
  IDispatch* Dispatch() override { return this; }
  HWND Window() const override { return window_; }
  void Move(int left, int top, int width, int height) override {
    if (window_) MoveWindow(window_, left, top, width, height, TRUE);
    Layout();
  }
  void SetVisible(bool on) override {
    visible_ = on;
    if (window_) ShowWindow(window_, on ? SW_SHOWNA : SW_HIDE);
  }
  long DisplaySize() const override { return displaySize_; }
  void SetDisplaySize(long size) override {
    if (size < kOwnSize || size > kFitWindow) throw com::ComError(E_INVALIDARG);
    if (size == displaySize_) return;
    displaySize_ = size;
    Layout();
    if (events_) events_->DisplayModeChange();
  }
  long PlayState() const override { return state_; }
  SIZE VideoSize() const override { return videoSize_; }
  bool RendersSound() const override { return rendersSound_; }
  RECT PictureScreenRect() const override {
    RECT r{};
    if (!videoWindow_) return r;
    long l = 0, t = 0, w = 0, h = 0;
    if (FAILED(videoWindow_->GetWindowPosition(&l, &t, &w, &h))) return r;
    POINT o = {l, t};
    if (!fullScreen_) ClientToScreen(window_, &o);
    return {o.x, o.y, o.x + w, o.y + h};
  }

  // --- members
  void Open(const std::wstring& name) {
    Close();
    fileName_ = name;
    if (name.empty()) {
      ChangeState(vorne::mediaplayer::kStateClosed);
      return;
    }
    HRESULT hr = BuildGraph(name);
    if (FAILED(hr)) {
      Close();
      throw com::ComError(hr);
    }
    PostMessageW(window_, kMsgNewStream, 0, 0);
    Play();
  }
  void Play() {
    RequireMedia();
    if (FAILED(control_->Run())) throw com::ComError(E_FAIL);
    ChangeState(vorne::mediaplayer::kStatePlaying);
  }
  void Pause() {
    RequireMedia();
    control_->Pause();
    ChangeState(vorne::mediaplayer::kStatePaused);
  }
  void Stop() {
    RequireMedia();
    control_->Stop();
    LONGLONG zero = 0;
    if (seeking_) seeking_->SetPositions(&zero, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
    ChangeState(vorne::mediaplayer::kStateStopped);
  }
  double Duration() const {
    LONGLONG d = 0;
    return seeking_ && SUCCEEDED(seeking_->GetDuration(&d)) ? static_cast<double>(d) / kUnitsPerSecond : 0;
  }
  double Position() const {
    LONGLONG p = 0;
    return seeking_ && SUCCEEDED(seeking_->GetCurrentPosition(&p)) ? static_cast<double>(p) / kUnitsPerSecond : 0;
  }
  void SetPosition(double seconds) {
    RequireMedia();
    LONGLONG p = static_cast<LONGLONG>(seconds * kUnitsPerSecond);
    seeking_->SetPositions(&p, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
  }
  const std::wstring& FileName() const { return fileName_; }
  bool VisibleProp() const { return visible_; }

  static const DispMember<VideoOnlyPlayer>* Members(size_t& count);

 private:
  struct Kept {
    DISPID id;
    bool value;
  };

  void RequireMedia() const {
    if (!control_) throw com::ComError(E_UNEXPECTED);
  }

  HRESULT BuildGraph(const std::wstring& name) {
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                  reinterpret_cast<void**>(graph_.Out()));
    if (FAILED(hr)) return hr;
    // The plain window renderer goes in first, so the render uses it: it
    // needs no presenter of the video card's.
    auto renderer = Ptr<IBaseFilter>::Adopt(vorne::mediaplayer::AddPlainVideoRenderer(graph_.Get()));
    hr = graph_->RenderFile(name.c_str(), nullptr);
    if (FAILED(hr)) return hr;
    // The main player plays the sound: every renderer of sound leaves the
    // graph, and what fed it stays unconnected.
    vorne::mediaplayer::RemoveRenderersOf(graph_.Get(), MEDIATYPE_Audio);
    rendersSound_ = vorne::mediaplayer::HasRendererOf(graph_.Get(), MEDIATYPE_Audio);
    vorne::mediaplayer::RemoveIfUnconnected(graph_.Get(), renderer.Get());
    control_ = graph_.As<IMediaControl>(IID_IMediaControl);
    seeking_ = graph_.As<IMediaSeeking>(IID_IMediaSeeking);
    graphEvents_ = graph_.As<IMediaEventEx>(IID_IMediaEventEx);
    if (!control_ || !graphEvents_) return E_NOINTERFACE;
    if (seeking_) seeking_->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
    graphEvents_->SetNotifyWindow(reinterpret_cast<OAHWND>(window_), kMsgGraphEvent, 0);
    auto vw = graph_.As<IVideoWindow>(IID_IVideoWindow);
    auto bv = graph_.As<IBasicVideo>(IID_IBasicVideo);
    long w = 0, h = 0;
    if (vw && bv && SUCCEEDED(bv->GetVideoSize(&w, &h)) && w > 0 && h > 0) {
      videoWindow_ = vw;
      videoSize_ = {w, h};
      videoWindow_->put_AutoShow(OAFALSE);
      Attach(false);
      Layout();
      videoWindow_->put_Visible(OATRUE);
    }
    return S_OK;
  }

  // The picture window inside ours, or alone over the whole screen.
  void Attach(bool fullScreen) {
    if (!videoWindow_) return;
    fullScreen_ = fullScreen;
    if (fullScreen) {
      videoWindow_->put_Owner(0);
      videoWindow_->put_WindowStyle(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
      videoWindow_->put_WindowStyleEx(WS_EX_TOPMOST);
    } else {
      videoWindow_->put_Owner(reinterpret_cast<OAHWND>(window_));
      videoWindow_->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
      videoWindow_->put_WindowStyleEx(0);
    }
    videoWindow_->put_MessageDrain(reinterpret_cast<OAHWND>(window_));
  }

  void Layout() {
    if (!videoWindow_) return;
    const bool full = displaySize_ == kFullScreen;
    if (full != fullScreen_) Attach(full);
    RECT area{};
    GetClientRect(window_, &area);
    const VideoRect r = PictureRect(displaySize_, videoSize_.cx, videoSize_.cy, area.right, area.bottom,
                                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    videoWindow_->SetWindowPosition(r.left, r.top, r.width, r.height);
    if (full) {
      videoWindow_->put_Visible(OATRUE);
      videoWindow_->SetWindowForeground(OATRUE);
    }
  }

  void Close() {
    if (control_) control_->Stop();
    if (graphEvents_) graphEvents_->SetNotifyWindow(0, 0, 0);
    if (videoWindow_) {
      videoWindow_->put_Visible(OAFALSE);
      videoWindow_->put_MessageDrain(0);
      videoWindow_->put_Owner(0);
    }
    videoWindow_.Reset();
    graphEvents_.Reset();
    seeking_.Reset();
    control_.Reset();
    graph_.Reset();
    videoSize_ = {0, 0};
    fullScreen_ = false;
    rendersSound_ = false;
  }

  void ChangeState(long now) {
    if (now == state_) return;
    const long old = state_;
    state_ = now;
    PostMessageW(window_, kMsgStateChange, static_cast<WPARAM>(old), static_cast<LPARAM>(now));
  }

  void OnGraphEvents() {
    if (!graphEvents_) return;
    long code = 0;
    LONG_PTR p1 = 0, p2 = 0;
    bool ended = false, lost = false;
    while (graphEvents_ && graphEvents_->GetEvent(&code, &p1, &p2, 0) == S_OK) {
      graphEvents_->FreeEventParams(code, p1, p2);
      if (code == EC_COMPLETE || code == EC_USERABORT || code == EC_ERRORABORT) ended = true;
      if (code == EC_FULLSCREEN_LOST) lost = true;
    }
    if (ended && control_) Stop();
    if (lost && displaySize_ == kFullScreen) {
      displaySize_ = kOwnSize;
      Layout();
      PostMessageW(window_, kMsgModeChange, 0, 0);
    }
  }

  void Mouse(UINT msg, WPARAM wp, LPARAM lp) {
    int button = msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4;
    int shift = ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
    if (events_) events_->MouseUp(button, shift, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
  }

  static LRESULT CALLBACK WndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<VideoOnlyPlayer*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (!self) return DefWindowProcW(w, msg, wp, lp);
    Ptr<IUnknown> keep(static_cast<IDispatch*>(self));
    switch (msg) {
      case kMsgGraphEvent: self->OnGraphEvents(); return 0;
      case kMsgNewStream: if (self->events_) self->events_->NewStream(); return 0;
      case kMsgStateChange:
        if (self->events_) self->events_->PlayStateChange(static_cast<long>(wp), static_cast<long>(lp));
        return 0;
      case kMsgModeChange: if (self->events_) self->events_->DisplayModeChange(); return 0;
      case WM_CHAR: if (self->events_) self->events_->KeyPress(static_cast<int>(wp)); return 0;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP: self->Mouse(msg, wp, lp); return 0;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN: SetFocus(w); return 0;
      case WM_SIZE: self->Layout(); return 0;
      default: break;
    }
    return DefWindowProcW(w, msg, wp, lp);
  }

  VideoEvents* events_;
  HWND window_ = nullptr;
  Ptr<IGraphBuilder> graph_;
  Ptr<IMediaControl> control_;
  Ptr<IMediaSeeking> seeking_;
  Ptr<IMediaEventEx> graphEvents_;
  Ptr<IVideoWindow> videoWindow_;
  std::wstring fileName_;
  std::vector<Kept> kept_;
  SIZE videoSize_ = {0, 0};
  long state_ = vorne::mediaplayer::kStateClosed;
  long displaySize_ = kOwnSize;
  bool visible_ = false, fullScreen_ = false, rendersSound_ = false;
};

constexpr WORD kGet = DISPATCH_PROPERTYGET | DISPATCH_METHOD;
constexpr WORD kGetPut = DISPATCH_PROPERTYGET | DISPATCH_METHOD | DISPATCH_PROPERTYPUT;

const DispMember<VideoOnlyPlayer> kMembers[] = {
    {vorne::mediaplayer::kDispPlay, L"Play", DISPATCH_METHOD, [](VideoOnlyPlayer& s, DispCall&) { s.Play(); }},
    {vorne::mediaplayer::kDispPause, L"Pause", DISPATCH_METHOD, [](VideoOnlyPlayer& s, DispCall&) { s.Pause(); }},
    {vorne::mediaplayer::kDispStop, L"Stop", DISPATCH_METHOD, [](VideoOnlyPlayer& s, DispCall&) { s.Stop(); }},
    {vorne::mediaplayer::kDispDuration, L"Duration", kGet, [](VideoOnlyPlayer& s, DispCall& c) { c.ReturnDouble(s.Duration()); }},
    {vorne::mediaplayer::kDispFileName, L"FileName", kGetPut,
     [](VideoOnlyPlayer& s, DispCall& c) {
       if (c.IsPut())
         s.Open(c.ValueString());
       else
         c.ReturnString(s.FileName());
     }},
    {vorne::mediaplayer::kDispPosition, L"CurrentPosition", kGetPut,
     [](VideoOnlyPlayer& s, DispCall& c) {
       if (c.IsPut()) {
         VARIANT& v = c.Value();
         VARIANT d;
         VariantInit(&d);
         if (FAILED(VariantChangeType(&d, &v, 0, VT_R8))) throw com::ComError(DISP_E_TYPEMISMATCH);
         s.SetPosition(d.dblVal);
       } else {
         c.ReturnDouble(s.Position());
       }
     }},
    {vorne::mediaplayer::kDispPlayState, L"PlayState", kGet, [](VideoOnlyPlayer& s, DispCall& c) { c.ReturnLong(s.PlayState()); }},
    {vorne::mediaplayer::kDispDisplaySize, L"DisplaySize", kGetPut,
     [](VideoOnlyPlayer& s, DispCall& c) {
       if (c.IsPut())
         s.SetDisplaySize(c.ValueLong());
       else
         c.ReturnLong(s.DisplaySize());
     }},
    {kDispVisible, L"Visible", kGetPut,
     [](VideoOnlyPlayer& s, DispCall& c) {
       if (c.IsPut())
         s.SetVisible(c.ValueBool());
       else
         c.ReturnBool(s.VisibleProp());
     }},
};

const DispMember<VideoOnlyPlayer>* VideoOnlyPlayer::Members(size_t& count) {
  count = sizeof kMembers / sizeof kMembers[0];
  return kMembers;
}

}  // namespace

VideoPlayer* CreateVideoPlayer(HWND host, VideoEvents* events) {
  return new (std::nothrow) VideoOnlyPlayer(host, events);
}

void DestroyVideoPlayer(VideoPlayer* player) {
  if (auto* p = static_cast<VideoOnlyPlayer*>(player)) p->Release();
}

}  // namespace vorne::player::video
