#pragma once
// What a click on a skin author's e-mail address or home page may open.
// A skin is downloaded from anywhere, so its texts are never handed to the
// shell as they stand: only web pages and mail addresses are opened.
// Window-free.
#include <optional>
#include <string>
#include <string_view>

namespace vorne::player::commands {

// The link labels of the author window, by index.
enum AuthorLink : int { kAuthorNameLink = 0, kAuthorEmailLink = 1, kAuthorHomePageLink = 2 };

// The target for the shell, or nothing when the caption may not be opened.
// The e-mail label gets "mailto:" in front unless the caption starts with it
// (any letter case). Allowed: "http://", "https://" and "mailto:" targets;
// a bare host ("www.example.com/page") gets "http://" in front. Refused:
// every other scheme or path (file:, a drive or share path, a program),
// empty targets and targets with control characters or blanks inside.
std::optional<std::string> AuthorLinkTarget(int index, std::string_view caption);

}  // namespace vorne::player::commands
