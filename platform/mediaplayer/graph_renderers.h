// Renderers in a DirectShow graph: which filters end a stream of a kind
// (sound or picture), and taking them out, so one player can render the
// sound of a file and another only its picture.
#pragma once

#include <windows.h>
#include <strmif.h>

namespace vorne::mediaplayer {

// Whether f renders a stream of major type kind: it takes that kind in and
// gives nothing out.
bool IsRendererOf(IBaseFilter* f, REFGUID kind);
// Removes every renderer of kind from the graph; true when one was there.
bool RemoveRenderersOf(IGraphBuilder* graph, REFGUID kind);
// Whether the graph still holds a renderer of kind.
bool HasRendererOf(IGraphBuilder* graph, REFGUID kind);
// Puts the plain window video renderer into the graph before a render, so
// the render uses it instead of one that needs the video card's presenter.
// Returns the filter (null when it could not be made).
IBaseFilter* AddPlainVideoRenderer(IGraphBuilder* graph);
// Takes f out of the graph when the render left it unconnected.
void RemoveIfUnconnected(IGraphBuilder* graph, IBaseFilter* f);
// The byte reader of the graph's source: the first output pin that reads
// the media at any offset (a file or an address). Null when no filter has
// one. The caller releases it.
IAsyncReader* SourceReaderOf(IGraphBuilder* graph);

}  // namespace vorne::mediaplayer
