#include "player/commands/author_links.h"

#include <gtest/gtest.h>

namespace vorne::player::commands {
namespace {

TEST(AuthorLinks, OpensWebPagesAndMailAddressesOnly) {
    struct Case {
        int index;
        const char* caption;
        const char* target;  // nullptr: refused
    } cases[] = {
        {kAuthorEmailLink, "someone@example.com", "mailto:someone@example.com"},
        {kAuthorEmailLink, "MailTo:someone@example.com", "MailTo:someone@example.com"},
        {kAuthorEmailLink, "  someone@example.com ", "mailto:someone@example.com"},
        {kAuthorEmailLink, "", nullptr},          // "mailto:" alone opens nothing
        {kAuthorEmailLink, "not an address", nullptr},
        {kAuthorHomePageLink, "http://example.com/skins", "http://example.com/skins"},
        {kAuthorHomePageLink, "HTTPS://Example.com:8443/a?b=c#d", "HTTPS://Example.com:8443/a?b=c#d"},
        {kAuthorHomePageLink, "www.example.com", "http://www.example.com"},
        {kAuthorHomePageLink, "example.com/page.html", "http://example.com/page.html"},
        {kAuthorHomePageLink, "mailto:someone@example.com", "mailto:someone@example.com"},
        {kAuthorHomePageLink, "", nullptr},
        {kAuthorHomePageLink, "C:\\Windows\\system32\\calc.exe", nullptr},
        {kAuthorHomePageLink, "calc.exe", "http://calc.exe"},  // a web address, never the program
        {kAuthorHomePageLink, "\\\\server\\share\\evil.exe", nullptr},
        {kAuthorHomePageLink, "file:///C:/Windows/notepad.exe", nullptr},
        {kAuthorHomePageLink, "javascript:alert(1)", nullptr},
        {kAuthorHomePageLink, "cmd /c del", nullptr},
        {kAuthorHomePageLink, "http://", nullptr},
        {kAuthorHomePageLink, "http://exa mple.com", nullptr},
        {kAuthorHomePageLink, "http://example.com\"x", nullptr},
        {kAuthorHomePageLink, "example.com:abc", nullptr},
        {kAuthorNameLink, "Jo Author", nullptr},
        {kAuthorNameLink, "www.example.org", "http://www.example.org"},
    };
    for (const Case& c : cases) {
        const auto got = AuthorLinkTarget(c.index, c.caption);
        if (c.target) {
            ASSERT_TRUE(got.has_value()) << c.caption;
            EXPECT_EQ(*got, c.target);
        } else {
            EXPECT_FALSE(got.has_value()) << c.caption << " -> " << got.value_or("");
        }
    }
}

}  // namespace
}  // namespace vorne::player::commands
