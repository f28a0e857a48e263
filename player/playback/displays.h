// Decisions of the main window's text displays that need no window: what
// the display refresh writes into a "Song Info" label, the pointer over a
// scrolling label, and the refresh interval.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorne::player::playback {

// The caption the display refresh gives a "Song Info" label, or nothing
// when it is to be left alone: idle, the banner for its direction unless it
// shows one already; playing, the song text unless it shows it already (so
// its scrolling is not restarted).
std::optional<std::string> SongInfoCaption(std::string_view caption, int scrollDirection, bool playbackActive,
                                           std::string_view songText, std::string_view author,
                                           std::string_view version);

// The mouse pointer over a scrolling label: 0 (default) without helpful
// pointers, 9 (west-east) for a sideways label, 7 (north-south) for an
// upright one; nothing for another direction.
std::optional<int> ScrollLabelPointer(int showHelpfulCursors, int scrollDirection);

// The display refresh timer's interval; 0 stops it.
unsigned DisplayRefreshIntervalMs(int infoRefreshSeconds);

}  // namespace vorne::player::playback
