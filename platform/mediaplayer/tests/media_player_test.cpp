// The media player control under Wine: real playback of two one-second
// songs made with lame, through the ALSA null device.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/mediaplayer/media_events.h"
#include "platform/mediaplayer/media_player.h"
#include "platform/mediaplayer/player_registry.h"
#include "platform/mediaplayer/wave_volume.h"
#include "runtime/com/late_bound.h"
#include "runtime/text/ansi.h"

namespace vorne::mediaplayer {
namespace {

struct Recorder : MediaEvents {
  std::vector<std::string> log;
  int stateChangesInsideCall = 0;
  bool inCall = false;
  void PlayStateChange(long o, long n) override {
    log.push_back("state " + std::to_string(o) + ">" + std::to_string(n));
    if (inCall) ++stateChangesInsideCall;
  }
  void Buffering(bool s) override { log.push_back(s ? "buffering" : "buffered"); }
  void Error() override { log.push_back("error"); }
  void NewStream() override { log.push_back("new stream"); }
  void ReadyStateChange(long r) override { log.push_back("ready " + std::to_string(r)); }
  void EndOfStream(long) override { log.push_back("end"); }
  bool Saw(const std::string& e) const {
    for (const auto& s : log) {
      if (s == e) return true;
    }
    return false;
  }
};

double Seconds() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Runs the message loop until done() or the time is up.
template <class F>
bool PumpUntil(F done, double seconds) {
  double end = Seconds() + seconds;
  while (!done()) {
    if (Seconds() > end) return false;
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

class MediaPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_EQ(CreateMediaPlayer(player_.Out()), S_OK);
    ASSERT_EQ(events_.Connect(player_.Get(), &rec_), S_OK);
  }
  void TearDown() override {
    events_.Disconnect();
    player_.Reset();
    CoUninitialize();
  }

  long State() { return Long(kDispPlayState); }
  long Long(DISPID id) {
    com::Variant v;
    com::GetProperty(player_.Get(), id, &v);
    return v.AsLong(-1);
  }
  double Double(DISPID id) {
    com::Variant v;
    com::GetProperty(player_.Get(), id, &v);
    return v.AsDouble(-1);
  }
  // Opens on the fixture's control, or on another one.
  void OpenFile(const std::wstring& name, IDispatch* player = nullptr) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(name.c_str());
    com::PutProperty(player ? player : player_.Get(), kDispFileName, v);
    VariantClear(&v);
  }
  std::wstring ClipInfo(long item) {
    com::Variant r;
    if (FAILED(com::CallMethod(player_.Get(), kDispClipInfo, {com::LongArg(item)}, &r)) || r.Get().vt != VT_BSTR)
      return L"<failed>";
    return r.Get().bstrVal ? r.Get().bstrVal : L"";
  }
  HRESULT Call(DISPID id) {
    rec_.inCall = true;
    HRESULT hr = com::CallMethod(player_.Get(), id);
    rec_.inCall = false;
    return hr;
  }

  com::Ptr<IDispatch> player_;
  Recorder rec_;
  MediaEventsConnection events_;
};

TEST_F(MediaPlayerTest, PlaysASongToItsEndInRealTime) {
  EXPECT_EQ(State(), kStateClosed);
  double start = Seconds();
  OpenFile(L"tone440.mp3");
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("new stream"); }, 5));
  EXPECT_EQ(State(), kStatePlaying);
  EXPECT_EQ(Long(kDispErrorCode), 0);
  EXPECT_NEAR(Double(kDispDuration), 1.0, 0.1);
  ASSERT_TRUE(PumpUntil([&] { return Double(kDispPosition) > 0.2; }, 3)) << "the position does not advance";
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("end"); }, 5)) << "no end of stream";
  double took = Seconds() - start;
  EXPECT_GE(took, 0.8);
  EXPECT_LT(took, 4.0);
  EXPECT_EQ(State(), kStateStopped);
  EXPECT_NEAR(Double(kDispPosition), 0.0, 0.05);
  std::vector<std::string> expected = {"ready 3", "new stream", "ready 4", "state 6>2", "end", "state 2>0"};
  EXPECT_EQ(rec_.log, expected);
}

TEST_F(MediaPlayerTest, PauseSeekAndStopReadBackAndReportWithinTheCall) {
  OpenFile(L"tone660.mp3");
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("state 6>2"); }, 5));
  EXPECT_EQ(Call(kDispPause), S_OK);
  EXPECT_EQ(State(), kStatePaused);
  EXPECT_EQ(rec_.stateChangesInsideCall, 1);
  com::PutProperty(player_.Get(), kDispPosition, com::DoubleArg(0.5));
  EXPECT_NEAR(Double(kDispPosition), 0.5, 0.05);
  EXPECT_EQ(Call(kDispPlay), S_OK);
  EXPECT_EQ(State(), kStatePlaying);
  EXPECT_EQ(Call(kDispStop), S_OK);
  EXPECT_EQ(State(), kStateStopped);
  EXPECT_EQ(rec_.stateChangesInsideCall, 3);
  EXPECT_EQ(rec_.log.back(), "state 2>0");
  // A second stop changes nothing and raises nothing.
  EXPECT_EQ(Call(kDispStop), S_OK);
  EXPECT_EQ(rec_.stateChangesInsideCall, 3);
  // A stopped clip keeps its length and place, takes a seek, and plays on
  // from there to the end.
  EXPECT_NEAR(Double(kDispDuration), 1.0, 0.1);
  const double stoppedAt = Double(kDispPosition);
  EXPECT_GE(stoppedAt, 0.45);
  com::PutProperty(player_.Get(), kDispPosition, com::DoubleArg(0.75));
  EXPECT_NEAR(Double(kDispPosition), 0.75, 0.01);
  EXPECT_EQ(State(), kStateStopped);
  EXPECT_EQ(Call(kDispPlay), S_OK);
  EXPECT_EQ(State(), kStatePlaying);
  EXPECT_GE(Double(kDispPosition), 0.7);
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("end"); }, 5));
  EXPECT_NEAR(Double(kDispPosition), 0.0, 0.05);
  EXPECT_NEAR(Double(kDispDuration), 1.0, 0.1);
  // After the end, pause and play build the clip again from its start.
  EXPECT_EQ(Call(kDispPause), S_OK);
  EXPECT_EQ(State(), kStatePaused);
  EXPECT_NEAR(Double(kDispPosition), 0.0, 0.05);
  EXPECT_EQ(Call(kDispPlay), S_OK);
  EXPECT_EQ(State(), kStatePlaying);
}

TEST_F(MediaPlayerTest, ANameWithAccentsAndKanjiPlays) {
  std::wstring name = L"\x66f2 caf\x00e9 \x2019.mp3";
  ASSERT_TRUE(CopyFileW(L"tone440.mp3", name.c_str(), FALSE));
  OpenFile(name);
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("new stream"); }, 5));
  com::Variant v;
  com::GetProperty(player_.Get(), kDispFileName, &v);
  EXPECT_EQ(v.Get().vt, VT_BSTR);
  EXPECT_EQ(std::wstring(v.Get().bstrVal), name);
  EXPECT_NEAR(Double(kDispDuration), 1.0, 0.1);
  Call(kDispStop);
  OpenFile(L"");
  EXPECT_EQ(State(), kStateClosed);
  DeleteFileW(name.c_str());
}

TEST_F(MediaPlayerTest, AFileThatIsNoMediaReportsFormatNotSupported) {
  HANDLE f = CreateFileW(L"not media.mp3", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD w = 0;
  WriteFile(f, "just some text, not a song", 26, &w, nullptr);
  CloseHandle(f);
  OpenFile(L"not media.mp3");
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("error"); }, 5));
  EXPECT_EQ(Long(kDispErrorCode), kErrorFormatNotSupported);
  EXPECT_EQ(State(), kStateClosed);
  EXPECT_FALSE(rec_.Saw("new stream"));
  // Transport without media fails and changes nothing.
  EXPECT_NE(Call(kDispPlay), S_OK);
  EXPECT_EQ(State(), kStateClosed);
  DeleteFileW(L"not media.mp3");
}

// The clip information of a clip's tags: ID3v2 texts in UTF-16, ID3v1 for
// the fields ID3v2 lacks, through the address method and the file name.
TEST_F(MediaPlayerTest, ClipInformationComesFromTheClipsTags) {
  VARIANT where = com::TextArg("clip_v2.mp3");
  ASSERT_EQ(com::CallMethod(player_.Get(), kDispOpen, {where}), S_OK);
  VariantClear(&where);
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("ready 4"); }, 5));
  EXPECT_EQ(ClipInfo(8), L"Caf\x00e9 \x2019Night\x2019 \x591c");
  EXPECT_EQ(ClipInfo(9), L"\x00c4rtist");
  EXPECT_EQ(ClipInfo(10), L"\x6f22\x5b57 Album");
  EXPECT_EQ(ClipInfo(11), L"");
  EXPECT_EQ(ClipInfo(7), L"");

  rec_.log.clear();
  OpenFile(L"clip_mixed.mp3");
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("new stream"); }, 5));
  EXPECT_EQ(ClipInfo(8), L"Two");
  EXPECT_EQ(ClipInfo(9), text::AnsiToWide("Caf\xe9"));
  EXPECT_EQ(ClipInfo(10), L"V1 Album");

  // An untagged clip, and no clip at all, give empty texts.
  rec_.log.clear();
  OpenFile(L"tone440.mp3");
  ASSERT_TRUE(PumpUntil([&] { return rec_.Saw("new stream"); }, 5));
  EXPECT_EQ(ClipInfo(8), L"");
  OpenFile(L"");
  EXPECT_EQ(ClipInfo(8), L"");
  EXPECT_EQ(ClipInfo(9), L"");
}

// Every live control plays at the word set last: one that opens its clip
// after the word was set, one made after it, both when it changes, and a
// graph built again after a stop let go of the sound device.
TEST_F(MediaPlayerTest, EveryLiveControlPlaysAtTheWordSetLast) {
  ASSERT_GE(waveOutGetNumDevs(), 1u);
  auto level = [](IDispatch* p) {
    long v = 1;
    return GetRendererVolume(p, &v) == S_OK ? v : 1;
  };
  auto open = [&](IDispatch* p, const wchar_t* name) {
    OpenFile(name, p);
    return com::CallMethod(p, kDispPause);
  };
  ASSERT_EQ(SetWaveVolume(0, 0x40004000), MMSYSERR_NOERROR);
  ASSERT_EQ(open(player_.Get(), L"tone440.mp3"), S_OK);
  EXPECT_EQ(level(player_.Get()), RendererVolume(0x4000));

  com::Ptr<IDispatch> later;
  ASSERT_EQ(CreateMediaPlayer(later.Out()), S_OK);
  ASSERT_EQ(open(later.Get(), L"tone660.mp3"), S_OK);
  EXPECT_EQ(level(later.Get()), RendererVolume(0x4000));

  ASSERT_EQ(SetWaveVolume(0, 0x10001000), MMSYSERR_NOERROR);
  EXPECT_EQ(level(player_.Get()), RendererVolume(0x1000));
  EXPECT_EQ(level(later.Get()), RendererVolume(0x1000));

  EXPECT_EQ(Call(kDispStop), S_OK);
  long none = 0;
  EXPECT_EQ(GetRendererVolume(player_.Get(), &none), S_FALSE);
  EXPECT_EQ(Call(kDispPlay), S_OK);
  EXPECT_EQ(level(player_.Get()), RendererVolume(0x1000));

  // A control let go is told nothing more.
  later.Reset();
  ASSERT_EQ(SetWaveVolume(0, 0xFFFFFFFF), MMSYSERR_NOERROR);
  EXPECT_EQ(level(player_.Get()), RendererVolume(0xFFFF));
}

TEST(RenderErrorCode, MapsToTheTwoCodesThePlayerKnows) {
  struct Case {
    HRESULT hr;
    unsigned devices;
    long code;
  } cases[] = {
      {E_FAIL, 0, kErrorNoSoundHardware},
      {static_cast<HRESULT>(0x80040256), 1, kErrorNoSoundHardware},
      {static_cast<HRESULT>(0x80040265), 1, kErrorFormatNotSupported},
      {E_FAIL, 2, kErrorFormatNotSupported},
  };
  for (const Case& c : cases) EXPECT_EQ(RenderErrorCode(c.hr, c.devices), c.code) << std::hex << c.hr;
}

TEST(WaveVolume, TheWordSetReadsBackAndReachesTheRenderer) {
  ASSERT_GE(waveOutGetNumDevs(), 1u);
  ASSERT_EQ(SetWaveVolume(0, 0x40004000), MMSYSERR_NOERROR);
  DWORD word = 0;
  ASSERT_EQ(GetWaveVolume(0, &word), MMSYSERR_NOERROR);
  EXPECT_EQ(word & 0xFFFF, 0x4000u);
  EXPECT_EQ(PlaybackVolumeWord(), 0x40004000u);
  ASSERT_EQ(SetWaveVolume(0, 0xFFFFFFFF), MMSYSERR_NOERROR);
  ASSERT_EQ(GetWaveVolume(0, &word), MMSYSERR_NOERROR);
  EXPECT_EQ(word & 0xFFFF, 0xFFFFu);
}

TEST(WaveVolume, RendererLevelsInHundredthsOfADecibel) {
  EXPECT_EQ(RendererVolume(0), -10000);
  EXPECT_EQ(RendererVolume(0xFFFF), 0);
  EXPECT_NEAR(RendererVolume(0x8000), -602, 1);
  EXPECT_EQ(RendererVolume(1), -9633);
}

}  // namespace
}  // namespace vorne::mediaplayer
