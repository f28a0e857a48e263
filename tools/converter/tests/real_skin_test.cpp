// A real Winamp classic skin: the "Debian" skin of the audacious-plugins-data
// package (BMP sheets in lower-case names, Volume.bmp and Nums_Ex.bmp in
// place of VolBar.bmp and Numbers.bmp, a volume sheet too short for its
// thumbs). Skipped when the package is not installed.
#include <gtest/gtest.h>

#include <unistd.h>

#include "runtime/text/ansi.h"
#include "tools/converter/sheet_files.h"
#include "tools/converter/skin_export.h"

namespace vorne::converter {
namespace {

#ifdef _WIN32
// The package's folder as the Windows build sees it (Wine's Z: drive).
const char* const kDebianSkin = "Z:\\usr\\share\\audacious\\Skins\\Debian";
#else
const char* const kDebianSkin = "/usr/share/audacious/Skins/Debian";
#endif

TEST(RealWinampSkin, DebianSkinImportsWithItsFallbacks) {
    if (!text::FileExists(std::string(kDebianSkin) + (kDebianSkin[0] == '/' ? "/main.bmp" : "\\main.bmp")))
        GTEST_SKIP() << "the package audacious-plugins-data is not installed (" << kDebianSkin << " missing)";
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    // Sheets are looked for beside the main sheet; a bare name puts them in
    // the current folder.
    ASSERT_EQ(chdir(kDebianSkin), 0);
    BmpSheetLoader loader;
    WinampInterface got;
    const ImportResult r = ImportWinampSkin("Main.bmp", loader, got);
    ASSERT_EQ(chdir(here), 0);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.missing.empty());
    // Sprites painted: the play button differs between the two pictures,
    // the position thumb is there, the volume sheet (418 rows) has none.
    bool differs = false;
    for (int x = 39; x < 62; ++x) differs |= got.up.At(x, 95) != got.dn.At(x, 95);
    EXPECT_TRUE(differs);
    EXPECT_NE(got.posUp, Pixels(28, 10));
    EXPECT_EQ(got.volUp, Pixels(14, 11));
    EXPECT_NE(got.TextColour, 0);
    EXPECT_NE(got.NumberColour, 0);
}

}  // namespace
}  // namespace vorne::converter
