#include "platform/mp3info/mp3_dispatch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/mp3info/mp3_properties.h"

namespace {

using namespace vorne::mp3info;

class Control {
 public:
  Control() { EXPECT_EQ(CreateMp3InfoControl(&d_), S_OK); }
  ~Control() {
    if (d_) d_->Release();
  }
  // Calls member id the way a late-bound client reads a property.
  HRESULT Get(DISPID id, VARIANT* out) {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VariantInit(out);
    return d_->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &none, out, nullptr, nullptr);
  }
  HRESULT Call(DISPID id, std::vector<VARIANT> argsLastFirst) {
    DISPPARAMS p = {argsLastFirst.data(), nullptr, static_cast<UINT>(argsLastFirst.size()), 0};
    VARIANT r;
    VariantInit(&r);
    HRESULT hr = d_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &p, &r, nullptr, nullptr);
    VariantClear(&r);
    return hr;
  }
  HRESULT Open(const std::wstring& path) {
    VARIANT a[2];
    VariantInit(&a[0]);
    VariantInit(&a[1]);
    V_VT(&a[0]) = VT_BSTR;
    V_BSTR(&a[0]) = SysAllocString(L"");
    V_VT(&a[1]) = VT_BSTR;
    V_BSTR(&a[1]) = SysAllocString(path.c_str());
    HRESULT hr = Call(kDispOpen, {a[0], a[1]});
    VariantClear(&a[0]);
    VariantClear(&a[1]);
    return hr;
  }
  IDispatch* d_ = nullptr;
};

std::wstring WriteFrames(const std::string& name, int frames) {
  auto path = std::filesystem::temp_directory_path() / name;
  // MPEG 1 layer 3, 128 kbit/s, 44.1 kHz, padded frames of 418 bytes, mono,
  // copyright and original set, no CRC.
  std::vector<char> frame(418, 0);
  const unsigned char hdr[4] = {0xFF, 0xFB, 0x92, 0xCC};
  for (int i = 0; i < 4; ++i) frame[static_cast<size_t>(i)] = static_cast<char>(hdr[i]);
  std::ofstream f(path, std::ios::binary);
  for (int i = 0; i < frames; ++i) f.write(frame.data(), static_cast<std::streamsize>(frame.size()));
  return path.wstring();
}

struct PropCase {
  DISPID id;
  VARTYPE vt;
  double value;
};

TEST(Mp3InfoControl, PropertiesOfAnOpenFile) {
  Control c;
  std::wstring path = WriteFrames("vorne_dispatch_test.mp3", 100);
  ASSERT_EQ(c.Open(path), S_OK);
  const PropCase cases[] = {
      {kDispFrameCount, VT_I4, 100}, {kDispCopyright, VT_BOOL, -1}, {kDispOriginal, VT_BOOL, -1},
      {kDispCrc, VT_BOOL, 0},        {kDispLayer, VT_I2, 3},        {kDispSampleRate, VT_I4, 44100},
      {kDispBitRate, VT_I4, 128000}, {kDispMpegVersion, VT_I2, 1},  {kDispValid, VT_I2, 0},
      {kDispDuration, VT_I4, 2612},  {kDispChannelMode, VT_I2, 3}};
  for (const auto& pc : cases) {
    VARIANT v;
    ASSERT_EQ(c.Get(pc.id, &v), S_OK) << pc.id;
    EXPECT_EQ(V_VT(&v), pc.vt) << pc.id;
    VARIANT d;
    VariantInit(&d);
    ASSERT_EQ(VariantChangeType(&d, &v, 0, VT_R8), S_OK);
    EXPECT_EQ(V_R8(&d), pc.value) << pc.id;
  }
  VARIANT ms;
  ASSERT_EQ(c.Get(kDispMsPerFrame, &ms), S_OK);
  EXPECT_EQ(V_VT(&ms), VT_R4);
  EXPECT_NEAR(V_R4(&ms), 26.1224f, 1e-3);
  // Ending the query closes it.
  EXPECT_EQ(c.Call(kDispClose, {}), S_OK);
  EXPECT_EQ(c.Call(kDispReset, {}), S_OK);
  VARIANT valid;
  ASSERT_EQ(c.Get(kDispValid, &valid), S_OK);
  EXPECT_EQ(V_I2(&valid), -1);
  std::filesystem::remove(path);
}

TEST(Mp3InfoControl, NotValidUntilAStreamIsOpen) {
  Control c;
  VARIANT v;
  ASSERT_EQ(c.Get(kDispValid, &v), S_OK);
  EXPECT_EQ(V_I2(&v), -1);
  ASSERT_EQ(c.Open(L"Z:\\no\\such\\file.mp3"), S_OK);
  ASSERT_EQ(c.Get(kDispValid, &v), S_OK);
  EXPECT_EQ(V_I2(&v), -1);
  ASSERT_EQ(c.Get(kDispBitRate, &v), S_OK);
  EXPECT_EQ(V_I4(&v), 0);
  // Members it does not have, and a call without the path.
  EXPECT_EQ(c.Get(12, &v), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(c.Get(99, &v), DISP_E_MEMBERNOTFOUND);
  EXPECT_NE(c.Call(kDispOpen, {}), S_OK);
}

}  // namespace
