#include "components/scroller/tests/scroller_host.h"

#include <string>

#include "runtime/testing/window_pixels.h"

namespace vorne::scroller::testing {

namespace {

LRESULT CALLBACK HostProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

const wchar_t kHostClass[] = L"ScrollerTestHost";

void RegisterHost() {
    static bool done = false;
    if (done) return;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kHostClass;
    RegisterClassW(&wc);
    done = true;
}

double Number(VARIANT* v) {
    VARIANT copy, out;
    VariantInit(&copy);
    VariantInit(&out);
    if (!v || FAILED(VariantCopyInd(&copy, v))) return 0;
    double d = 0;
    if (SUCCEEDED(VariantChangeType(&out, &copy, 0, VT_R8))) d = V_R8(&out);
    VariantClear(&copy);
    return d;
}

}  // namespace

std::wstring OcxPath() {
    std::string unix = DUNMERE_OCX;
    std::wstring path = L"Z:";
    for (char c : unix) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

ScrollerHost::ScrollerHost() {
    module_ = LoadLibraryW(OcxPath().c_str());
    if (module_) {
        using GetClassObjectFn = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
        auto get = reinterpret_cast<GetClassObjectFn>(reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
        if (get) get(CLSID_Scroller, IID_IClassFactory, reinterpret_cast<void**>(factory_.Out()));
    }
    RegisterHost();
    host_ = CreateWindowExW(0, kHostClass, L"Scroller test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40,
                            420, 240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    twips_ = 1440.0f / static_cast<float>(dpi);
}

ScrollerHost::~ScrollerHost() {
    Destroy();
    if (host_) DestroyWindow(host_);
    factory_.Reset();
}

HRESULT ScrollerHost::Create(int x, int y, IPropertyBag* bag) {
    activex::ControlSite::Options options;
    options.properties = bag;
    RECT rect = {x, y, x, y};
    HRESULT hr = activex::ControlSite::Create(
        host_, CLSID_Scroller, factory_.Get(), rect, options,
        [this](activex::ControlSite&, DISPID id, DISPPARAMS* params) {
            Event e{id, {}};
            for (UINT i = 0; params && i < params->cArgs; ++i) e.args.push_back(Number(activex::EventArg(params, i)));
            events.push_back(e);
            if (onEvent) onEvent(id);
        },
        site_);
    if (FAILED(hr)) return hr;
    control_.Reset();
    if (site_->Control())
        site_->Control()->QueryInterface(IID__Scroller, reinterpret_cast<void**>(control_.Out()));
    return control_ ? S_OK : E_NOINTERFACE;
}

void ScrollerHost::Destroy() {
    control_.Reset();
    if (site_) {
        com::Ptr<activex::ControlSite> site = site_;
        site_.Reset();
        site->Destroy();
    }
}

HWND ScrollerHost::Window() const {
    HWND hwnd = nullptr;
    if (control_) {
        com::Ptr<IOleWindow> window;
        control_->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(window.Out()));
        if (window) window->GetWindow(&hwnd);
    }
    return hwnd;
}

void ScrollerHost::Tick(int count) {
    for (int i = 0; i < count; ++i) SendMessageW(Window(), WM_TIMER, kStepTimerId, 0);
}

int ScrollerHost::TicksToComplete(int limit) {
    const int before = Count(kEventScrollComplete);
    for (int n = 1; n <= limit; ++n) {
        Tick();
        if (Count(kEventScrollComplete) > before) return n;
    }
    return -1;
}

LRESULT ScrollerHost::Mouse(UINT msg, WPARAM keys, int x, int y) {
    return SendMessageW(Window(), msg, keys, MAKELPARAM(x, y));
}

int ScrollerHost::Count(DISPID id) const {
    int n = 0;
    for (const Event& e : events) n += e.id == id;
    return n;
}

std::vector<DISPID> ScrollerHost::Ids() const {
    std::vector<DISPID> ids;
    for (const Event& e : events) ids.push_back(e.id);
    return ids;
}

void ScrollerHost::UseInkColours() {
    control_->put_BackColor(0x00FFFFFF);
    control_->put_ForeColor(0x00000000);
}

bitmap::Image ScrollerHost::Pixels() const { return vorne::testing::PrintClient(Window()); }

RECT ScrollerHost::Ink() const {
    const bitmap::Image px = Pixels();
    const int w = px.width, h = px.height;
    RECT ink = {w, h, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (px.At(x, y) != 0xFFFFFF) {
                if (x < ink.left) ink.left = x;
                if (y < ink.top) ink.top = y;
                if (x + 1 > ink.right) ink.right = x + 1;
                if (y + 1 > ink.bottom) ink.bottom = y + 1;
            }
    if (ink.right == 0) ink = {0, 0, 0, 0};
    return ink;
}

Size2 ScrollerHost::MeasureCaption() const {
    com::Ptr<IFontDisp> font;
    control_->get_Font(font.Out());
    activex::FontProperty property(nullptr);
    property.Set(font.Get());
    BSTR caption = nullptr;
    control_->get_Caption(&caption);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, property.Handle());
    RECT r = {0, 0, 0, 0};
    DrawTextW(dc, caption, caption ? static_cast<int>(SysStringLen(caption)) : 0, &r,
              DT_CALCRECT | DT_NOPREFIX | DT_CENTER);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    SysFreeString(caption);
    return {r.right * twips_, r.bottom * twips_};
}

float ScrollerHost::ClientWidthTwips() const {
    RECT r = {};
    GetClientRect(Window(), &r);
    return r.right * twips_;
}

float ScrollerHost::ClientHeightTwips() const {
    RECT r = {};
    GetClientRect(Window(), &r);
    return r.bottom * twips_;
}

}  // namespace vorne::scroller::testing
