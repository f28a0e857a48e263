#include "player/playback/media_control_win32.h"

#include "platform/mediaplayer/media_player.h"
#include "runtime/com/late_bound.h"
#include "runtime/text/ansi.h"

namespace vorne::player::playback {
namespace {

void Call(IDispatch* d, DISPID id) {
  if (d) com::CallMethod(d, id);
}

double ReadDouble(IDispatch* d, DISPID id) {
  if (!d) return 0;
  com::Variant v;
  if (FAILED(com::GetProperty(d, id, &v))) return 0;
  return v.AsDouble(0);
}

}  // namespace

long DispatchMediaControl::PlayState() {
  if (!main_) return vorne::mediaplayer::kStateClosed;
  com::Variant v;
  if (FAILED(com::GetProperty(main_.Get(), vorne::mediaplayer::kDispPlayState, &v))) return -1;
  return v.AsLong(-1);
}

void DispatchMediaControl::Play() {
  Call(main_.Get(), vorne::mediaplayer::kDispPlay);
  Call(video_.Get(), vorne::mediaplayer::kDispPlay);
}

void DispatchMediaControl::Pause() {
  Call(main_.Get(), vorne::mediaplayer::kDispPause);
  Call(video_.Get(), vorne::mediaplayer::kDispPause);
}

void DispatchMediaControl::Stop() {
  Call(main_.Get(), vorne::mediaplayer::kDispStop);
  Call(video_.Get(), vorne::mediaplayer::kDispStop);
}

void DispatchMediaControl::SetPosition(double seconds) {
  SeekMain(seconds);
  SeekVideo(seconds);
}

void DispatchMediaControl::SeekMain(double seconds) {
  if (main_) com::PutProperty(main_.Get(), vorne::mediaplayer::kDispPosition, com::DoubleArg(seconds));
}

void DispatchMediaControl::SeekVideo(double seconds) {
  if (video_) com::PutProperty(video_.Get(), vorne::mediaplayer::kDispPosition, com::DoubleArg(seconds));
}

double DispatchMediaControl::Position() { return ReadDouble(main_.Get(), vorne::mediaplayer::kDispPosition); }
double DispatchMediaControl::Duration() { return ReadDouble(main_.Get(), vorne::mediaplayer::kDispDuration); }

long DispatchMediaControl::ErrorCode() {
  if (!main_) return 0;
  com::Variant v;
  if (FAILED(com::GetProperty(main_.Get(), vorne::mediaplayer::kDispErrorCode, &v))) return 0;
  return v.AsLong(0);
}

bool DispatchMediaControl::OpenFile(const std::string& ansiPath) {
  if (!main_) return false;
  std::wstring w = text::AnsiToWide(ansiPath);
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
  HRESULT hr = com::PutProperty(main_.Get(), vorne::mediaplayer::kDispFileName, v);
  VariantClear(&v);
  return SUCCEEDED(hr);
}

}  // namespace vorne::player::playback
