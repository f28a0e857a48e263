// A test host for the Scroller control: the OCX loaded from the build, one
// top-level window, our container's site around the control, the events it
// raises, and the caption's ink read back from the control's own painting.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "Dunmere.h"
#include "components/scroller/scroller_ids.h"
#include "runtime/activex/container.h"
#include "runtime/activex/font.h"
#include "runtime/activex/property_bag.h"
#include "runtime/bitmap/bmp_core.h"
#include "runtime/com/object.h"

namespace vorne::scroller::testing {

// The OCX as a Windows path (the build's Unix path on drive Z:).
std::wstring OcxPath();

struct Event {
    DISPID id;
    std::vector<double> args;
};

struct Size2 {
    float width;
    float height;
};

class ScrollerHost {
public:
    ScrollerHost();
    ~ScrollerHost();

    // Creates a control at (x, y) pixels of the host window: from bag when
    // given, else as a new control.
    HRESULT Create(int x = 10, int y = 10, IPropertyBag* bag = nullptr);
    void Destroy();
    // Drops the class object, so that nothing of the OCX stays alive.
    void ReleaseFactory() { factory_.Reset(); }

    HMODULE Module() const { return module_; }
    IClassFactory* Factory() const { return factory_.Get(); }
    HWND Host() const { return host_; }
    HWND Window() const;  // the control's window
    activex::ControlSite* Site() const { return site_.Get(); }
    _Scroller* Control() const { return control_.Get(); }

    void Tick(int count = 1);
    // Ticks until ScrollComplete; the number of ticks it took (-1: never).
    int TicksToComplete(int limit = 2000);
    LRESULT Mouse(UINT msg, WPARAM keys, int x, int y);

    std::vector<Event> events;
    int Count(DISPID id) const;
    std::vector<DISPID> Ids() const;
    // Called for every event after it was recorded.
    std::function<void(DISPID)> onEvent;

    // White background, black text: the ink is every pixel that is not white.
    void UseInkColours();
    // Bounding box of the caption's ink in the control's client area, as
    // the control paints it (empty when no ink shows).
    RECT Ink() const;
    // The control's client area as it paints it.
    bitmap::Image Pixels() const;
    // The caption label's size in twips for the control's current font and
    // caption, measured the way a label sizes itself.
    Size2 MeasureCaption() const;
    // Client size of the control window, twips.
    float ClientWidthTwips() const;
    float ClientHeightTwips() const;
    float TwipsPerPixel() const { return twips_; }

private:
    HMODULE module_ = nullptr;
    com::Ptr<IClassFactory> factory_;
    HWND host_ = nullptr;
    com::Ptr<activex::ControlSite> site_;
    com::Ptr<_Scroller> control_;
    float twips_ = 15.0f;
};

}  // namespace vorne::scroller::testing
