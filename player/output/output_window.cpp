#include "player/output/output_window.h"

#include <shlobj.h>

#include "Plovex1.h"
#include "platform/mp3info/mp3_dispatch.h"
#include "platform/mp3info/mp3_properties.h"
#include "components/component_ids.h"
#include "runtime/activex/component_factory.h"
#include "runtime/activex/picture.h"
#include "runtime/com/late_bound.h"
#include "runtime/text/ansi.h"

namespace vorne::player::output {
namespace {

constexpr int kClientWidth = 328, kClientHeight = 236;
constexpr RECT kBarRect = {18, 162, 18 + 292, 162 + 16};

// The bar's track and its two-frame thumb, drawn in the system's colours.
HBITMAP MakeBitmap(int w, int h, const std::function<void(HDC, const RECT&)>& paint) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT r = {0, 0, w, h};
  paint(dc, r);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bmp;
}

HBITMAP TrackBitmap() {
  return MakeBitmap(kBarRect.right - kBarRect.left, kBarRect.bottom - kBarRect.top, [](HDC dc, const RECT& r) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    RECT groove = {r.left, r.top + 5, r.right, r.bottom - 5};
    DrawEdge(dc, &groove, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
  });
}

HBITMAP ThumbStrip() {
  const int w = 12, h = kBarRect.bottom - kBarRect.top;
  return MakeBitmap(2 * w, h, [=](HDC dc, const RECT&) {
    RECT normal = {0, 0, w, h}, pressed = {w, 0, 2 * w, h};
    FillRect(dc, &normal, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &normal, EDGE_RAISED, BF_RECT);
    FillRect(dc, &pressed, GetSysColorBrush(COLOR_BTNSHADOW));
    DrawEdge(dc, &pressed, EDGE_SUNKEN, BF_RECT);
  });
}

VARIANT Text(const std::string& s) { return com::TextArg(s); }

}  // namespace

// ------------------------------------------------------------ the control

Mp3ControlDecoder::Mp3ControlDecoder() {
  if (SUCCEEDED(vorne::mp3info::CreateMp3InfoControl(&control_))) events_.Connect(control_, this);
}

Mp3ControlDecoder::~Mp3ControlDecoder() {
  events_.Disconnect();
  if (control_) control_->Release();  // a song being written is closed complete
}

long Mp3ControlDecoder::Open(const std::string& source, const std::string& target) {
  if (!control_) return -1;
  VARIANT a = Text(source), b = Text(target);
  com::Variant r;
  const HRESULT hr = com::CallMethod(control_, vorne::mp3info::kDispOpen, {a, b}, &r);
  VariantClear(&a);
  VariantClear(&b);
  return FAILED(hr) ? -1 : r.AsLong(-1);
}

void Mp3ControlDecoder::Start() {
  if (control_) com::CallMethod(control_, vorne::mp3info::kDispStart);
}

void Mp3ControlDecoder::Seek(long position) {
  if (control_) com::CallMethod(control_, vorne::mp3info::kDispSeek, {com::LongArg(position)});
}

void Mp3ControlDecoder::Stop() {
  if (control_) com::CallMethod(control_, vorne::mp3info::kDispClose);
}

long Mp3ControlDecoder::Length() {
  if (!control_) return 0;
  com::Variant v;
  return SUCCEEDED(com::GetProperty(control_, vorne::mp3info::kDispFrameCount, &v)) ? v.AsLong(0) : 0;
}

// ------------------------------------------------------------ the dialog

FrmOutput::FrmOutput(OutputHost* host)
    : Form("frmOutput"), fraOptions(*this, "fraOptions"), fraSong(*this, "fraSong"), lblPath(*this, "lblPath"),
      txtPath(*this, "txtPath"), cmdbrowse(*this, "cmdbrowse"), Option1(*this, "Option1", true),
      Option2(*this, "Option2", false), lblCurSong(*this, "lblCurSong"), cmdStart(*this, "cmdStart"),
      cmdStop(*this, "cmdStop"), Timer1(*this, "Timer1") {
  if (!host) {
    ownHost_ = MakePlayerOutputHost(*this);
    host = ownHost_.get();
  }
  host_ = host;
  core_ = std::make_unique<OutputCore>(*host_, decoder_,
                                       [](unsigned char b) { return IsDBCSLeadByte(b) != FALSE; });
  ChooseFolder = BrowseForOutputFolder;

  SetCaption("Wave Output Control");
  lblPath.Move(8, 8, 300, 14);
  lblPath.SetCaption("Directory to Output to:");
  txtPath.Move(8, 24, 280, 21);
  cmdbrowse.Move(292, 24, 28, 21);
  cmdbrowse.SetCaption("...");
  fraOptions.Move(8, 52, 312, 62);
  fraOptions.SetCaption("Output Options");
  Option1.Move(18, 70, 290, 18);
  Option1.SetCaption("Output Till end of Current Song");
  Option1.SetValue(true);
  Option2.Move(18, 90, 290, 18);
  Option2.SetCaption("Output Till end of Play List");
  fraSong.Move(8, 120, 312, 70);
  fraSong.SetCaption("Current Song");
  lblCurSong.Move(18, 140, 292, 16);
  cmdStart.Move(8, 200, 152, 28);
  cmdStart.SetCaption("Begin Output");
  cmdStop.Move(168, 200, 152, 28);
  cmdStop.SetCaption("Stop Output");
  cmdStop.SetEnabled(false);
  Timer1.SetInterval(100);
  Timer1.SetEnabled(true);

  cmdbrowse.OnClick = [this] { cmdbrowse_Click(); };
  cmdStart.OnClick = [this] { cmdStart_Click(); };
  cmdStop.OnClick = [this] { cmdStop_Click(); };
  Option1.OnClick = [this] { core_->OptionChosen(false); };
  Option2.OnClick = [this] { core_->OptionChosen(true); };
  txtPath.OnChange = [this] {
    core_->PathTyped(txtPath.Text());
    shown_.path = txtPath.Text();
  };
  Timer1.OnTimer = [this] { Timer1_Timer(); };
  decoder_.OnProgress = [this](long p) {
    core_->Progress(p);
    Render();
  };
  decoder_.OnDone = [this] {
    core_->Done();
    Render();
  };
}

FrmOutput::~FrmOutput() {
  if (pos_) pos_->Destroy();
}

void FrmOutput::Form_Load() {
  forms::SetClientSize(*this, kClientWidth, kClientHeight);
  CreateBar();
  barShown_ = false;
  core_->Load(forms::App::Path());
  Render();
}

void FrmOutput::Form_Unload(int&) {
  // Whatever is being written ends as a complete file.
  if (core_->Writing()) core_->StopOutput();
  if (pos_) pos_->Destroy();
  pos_.Reset();
}

LRESULT FrmOutput::Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  if ((msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) &&
      (reinterpret_cast<HWND>(lp) == Option1.Window() || reinterpret_cast<HWND>(lp) == Option2.Window())) {
    handled = true;
    return OptionButtonColours(reinterpret_cast<HDC>(wp), BackColor());
  }
  return 0;
}

void FrmOutput::CreateBar() {
  if (pos_) return;
  auto factory = activex::ComponentFactory(CLSID_ScrollBar, "Plovex1.ocx");
  if (!factory) return;
  activex::ControlSite::Options o;
  auto handler = [this](activex::ControlSite&, DISPID event, DISPPARAMS*) { Bar_Event(event); };
  if (FAILED(activex::ControlSite::Create(hWnd(), CLSID_ScrollBar, factory.Get(), kBarRect, o, handler, pos_))) {
    pos_.Reset();
    return;
  }
  IDispatch* d = pos_->Control();
  if (auto p = activex::PictureFromBitmap(TrackBitmap(), true))
    com::PutRefProperty(d, vorne::components::kBarPicture, com::DispatchArg(p.Get()));
  if (auto p = activex::PictureFromBitmap(ThumbStrip(), true))
    com::PutRefProperty(d, vorne::components::kBarButtonPicture, com::DispatchArg(p.Get()));
}

void FrmOutput::Bar_Event(DISPID event) {
  if (event != 1 || !pos_) return;  // Change: the thumb was let go
  com::Variant v;
  com::GetProperty(pos_->Control(), vorne::components::kBarValue, &v);
  shown_.posValue = v.AsLong(0);
  core_->BarChanged(shown_.posValue);
  Render();
}

void FrmOutput::Render() {
  const OutputView& v = core_->Shown();
  if (txtPath.Text() != v.path) txtPath.SetText(v.path);
  shown_.path = v.path;
  if (lblCurSong.Caption() != v.song) lblCurSong.SetCaption(v.song);
  if (Option2.Value() != v.tillEndOfList) (v.tillEndOfList ? Option2 : Option1).SetValue(true);
  if (cmdStart.Enabled() != v.startEnabled) cmdStart.SetEnabled(v.startEnabled);
  if (cmdStop.Enabled() != v.stopEnabled) cmdStop.SetEnabled(v.stopEnabled);
  if (!pos_) return;
  IDispatch* d = pos_->Control();
  // The bar keeps its thumb where it was when only the maximum changes:
  // the value is written again to place it.
  const bool newMax = !barShown_ || shown_.posMax != v.posMax;
  if (newMax) com::PutProperty(d, vorne::components::kBarMax, com::LongArg(v.posMax));
  if (newMax || shown_.posValue != v.posValue) com::PutProperty(d, vorne::components::kBarValue, com::LongArg(v.posValue));
  if (!barShown_ || shown_.posEnabled != v.posEnabled)
    com::PutProperty(d, vorne::components::kBarEnabled, com::BoolArg(v.posEnabled));
  shown_ = v;
  barShown_ = true;
}

void FrmOutput::cmdbrowse_Click() {
  core_->FolderChosen(ChooseFolder ? ChooseFolder(hWnd()) : std::string());
  Render();
}

void FrmOutput::cmdStart_Click() {
  core_->PathTyped(txtPath.Text());
  core_->BeginOutput();
  Render();
}

void FrmOutput::cmdStop_Click() {
  core_->StopOutput();
  Render();
}

void FrmOutput::Timer1_Timer() {
  core_->Timer();
  Render();
}

std::string BrowseForOutputFolder(HWND owner) {
  BROWSEINFOA bi{};
  bi.hwndOwner = owner;
  bi.lpszTitle = "Choose Output Path for Wave Files";
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST list = SHBrowseForFolderA(&bi);
  if (!list) return std::string();
  char buf[MAX_PATH] = {};
  std::string path;
  if (SHGetPathFromIDListA(list, buf)) path.assign(buf, strnlen(buf, sizeof buf));
  CoTaskMemFree(list);
  return path;
}

FrmOutput& frmOutput() { return forms::DefaultInstance<FrmOutput>(); }

}  // namespace vorne::player::output
