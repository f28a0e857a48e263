#include "platform/mediaplayer/graph_renderers.h"

#include <dshow.h>

#include <vector>

#include "runtime/com/object.h"

namespace vorne::mediaplayer {

using com::Ptr;

bool IsRendererOf(IBaseFilter* f, REFGUID kind) {
  Ptr<IEnumPins> pins;
  if (!f || FAILED(f->EnumPins(pins.Out()))) return false;
  bool kindIn = false, anyOut = false;
  Ptr<IPin> pin;
  while (pins->Next(1, pin.Out(), nullptr) == S_OK) {
    PIN_DIRECTION dir;
    pin->QueryDirection(&dir);
    if (dir == PINDIR_OUTPUT) {
      anyOut = true;
    } else {
      AM_MEDIA_TYPE mt{};
      if (SUCCEEDED(pin->ConnectionMediaType(&mt))) {
        if (IsEqualGUID(mt.majortype, kind)) kindIn = true;
        if (mt.cbFormat) CoTaskMemFree(mt.pbFormat);
        if (mt.pUnk) mt.pUnk->Release();
      }
    }
    pin.Reset();
  }
  return kindIn && !anyOut;
}

namespace {
std::vector<Ptr<IBaseFilter>> RenderersOf(IGraphBuilder* graph, REFGUID kind) {
  std::vector<Ptr<IBaseFilter>> found;
  Ptr<IEnumFilters> filters;
  if (!graph || FAILED(graph->EnumFilters(filters.Out()))) return found;
  Ptr<IBaseFilter> f;
  while (filters->Next(1, f.Out(), nullptr) == S_OK) {
    if (IsRendererOf(f.Get(), kind)) found.push_back(f);
    f.Reset();
  }
  return found;
}
}  // namespace

bool RemoveRenderersOf(IGraphBuilder* graph, REFGUID kind) {
  const auto renderers = RenderersOf(graph, kind);
  for (const auto& r : renderers) graph->RemoveFilter(r.Get());
  return !renderers.empty();
}

bool HasRendererOf(IGraphBuilder* graph, REFGUID kind) { return !RenderersOf(graph, kind).empty(); }

IBaseFilter* AddPlainVideoRenderer(IGraphBuilder* graph) {
  IBaseFilter* renderer = nullptr;
  if (!graph || FAILED(CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                        reinterpret_cast<void**>(&renderer))))
    return nullptr;
  if (FAILED(graph->AddFilter(renderer, L"Video Renderer"))) {
    renderer->Release();
    return nullptr;
  }
  return renderer;
}

void RemoveIfUnconnected(IGraphBuilder* graph, IBaseFilter* f) {
  Ptr<IEnumPins> pins;
  if (!graph || !f || FAILED(f->EnumPins(pins.Out()))) return;
  Ptr<IPin> pin, other;
  bool connected = false;
  while (pins->Next(1, pin.Out(), nullptr) == S_OK) {
    if (SUCCEEDED(pin->ConnectedTo(other.Out()))) connected = true;
    other.Reset();
    pin.Reset();
  }
  if (!connected) graph->RemoveFilter(f);
}

IAsyncReader* SourceReaderOf(IGraphBuilder* graph) {
  Ptr<IEnumFilters> filters;
  if (!graph || FAILED(graph->EnumFilters(filters.Out()))) return nullptr;
  Ptr<IBaseFilter> f;
  while (filters->Next(1, f.Out(), nullptr) == S_OK) {
    Ptr<IEnumPins> pins;
    Ptr<IPin> pin;
    if (SUCCEEDED(f->EnumPins(pins.Out()))) {
      while (pins->Next(1, pin.Out(), nullptr) == S_OK) {
        PIN_DIRECTION dir;
        IAsyncReader* reader = nullptr;
        if (SUCCEEDED(pin->QueryDirection(&dir)) && dir == PINDIR_OUTPUT &&
            SUCCEEDED(pin->QueryInterface(IID_IAsyncReader, reinterpret_cast<void**>(&reader))))
          return reader;
        pin.Reset();
      }
    }
    f.Reset();
  }
  return nullptr;
}

}  // namespace vorne::mediaplayer
