// Skin button mouse handling as tables of events.
#include "player/playback/skin_buttons.h"

#include <gtest/gtest.h>

namespace vorne::player::playback {
namespace {

TEST(SkinButtons, CommandsByAction) {
  struct {
    ButtonKind kind;
    const char* action;
    int shift;
    ButtonCommand command;
  } cases[] = {
      {ButtonKind::Push, "Close", 0, ButtonCommand::Close},
      {ButtonKind::Push, "Minimize", 0, ButtonCommand::Minimize},
      {ButtonKind::Push, "System Menu", 0, ButtonCommand::SystemMenu},
      {ButtonKind::Push, "Play Button", 0, ButtonCommand::None},
      {ButtonKind::Toggle, "Play List Button", 0, ButtonCommand::PlayList},
      {ButtonKind::Toggle, "Random Button", 0, ButtonCommand::Random},
      {ButtonKind::Toggle, "Repeat Button", 0, ButtonCommand::Repeat},
      {ButtonKind::FourState, "Previous Button", 0, ButtonCommand::Previous},
      {ButtonKind::FourState, "Play Button", 0, ButtonCommand::Play},
      {ButtonKind::FourState, "Play Button", 1, ButtonCommand::PlayFromStart},
      {ButtonKind::FourState, "Play Button", 3, ButtonCommand::Play},  // Ctrl+Shift only plays
      {ButtonKind::FourState, "Pause Button", 1, ButtonCommand::Pause},
      {ButtonKind::FourState, "Stop Button", 0, ButtonCommand::Stop},
      {ButtonKind::FourState, "Next Button", 0, ButtonCommand::Next},
      {ButtonKind::FourState, "Open Button", 0, ButtonCommand::Open},
      {ButtonKind::FourState, "play button", 0, ButtonCommand::None},
      {ButtonKind::FourState, "User Defined", 0, ButtonCommand::None},
  };
  for (auto& c : cases) EXPECT_EQ(CommandFor(c.kind, c.action, c.shift), c.command) << c.action << " " << c.shift;
}

TEST(SkinButtons, InsideTestExcludesTheTopAndLeftEdges) {
  struct {
    float x, y;
    bool inside;
  } cases[] = {{1, 1, true}, {0, 5, false}, {5, 0, false}, {9.5f, 9.5f, true}, {10, 5, false}, {5, 10, false},
               {-1, 5, false}};
  for (auto& c : cases) EXPECT_EQ(InsideRelease(c.x, c.y, 10, 10), c.inside) << c.x << "," << c.y;
}

TEST(SkinButtons, ARightClickCancelsTheLeftClickInProgressOnly) {
  for (ButtonKind kind : {ButtonKind::Push, ButtonKind::Toggle, ButtonKind::FourState}) {
    SkinButtons b;
    b.MouseDown(kind, 1, true);
    b.MouseDown(kind, 2, true);
    b.MouseUp(kind, 2, true, false);
    EXPECT_TRUE(b.ClickCancelled());
    EXPECT_FALSE(b.MouseUp(kind, 1, true, false).run) << static_cast<int>(kind);
    b.MouseDown(kind, 1, true);  // the next ordinary click
    EXPECT_TRUE(b.MouseUp(kind, 1, true, false).run) << static_cast<int>(kind);
  }
}

TEST(SkinButtons, CellsOfPressesAndReleases) {
  SkinButtons b;
  EXPECT_EQ(b.MouseDown(ButtonKind::Push, 1, true).cell, 1);
  EXPECT_EQ(b.MouseDown(ButtonKind::Push, 2, true).cell, std::nullopt);
  EXPECT_EQ(b.MouseDown(ButtonKind::FourState, 1, true).cell, 2);
  EXPECT_EQ(b.MouseDown(ButtonKind::FourState, 1, false).cell, 3);

  ButtonResponse outside = b.MouseUp(ButtonKind::Push, 1, false, false);
  EXPECT_EQ(outside.cell, 0);
  EXPECT_FALSE(outside.run);
  ButtonResponse transportOutside = b.MouseUp(ButtonKind::FourState, 1, false, false);
  EXPECT_FALSE(transportOutside.run);
  EXPECT_EQ(transportOutside.cell, std::nullopt);
  EXPECT_TRUE(transportOutside.cleanUp) << "the normal cell comes back through the clean-up";
  ButtonResponse toggleOutside = b.MouseUp(ButtonKind::Toggle, 1, false, true);
  EXPECT_EQ(toggleOutside.cell, std::nullopt) << "a toggle keeps its pressed cell";
  EXPECT_FALSE(toggleOutside.refreshAll);

  ButtonResponse toggled = b.MouseUp(ButtonKind::Toggle, 1, true, true);
  EXPECT_TRUE(toggled.run);
  EXPECT_EQ(toggled.cell, 1);
  EXPECT_TRUE(toggled.refreshAll);
  ButtonResponse clicked = b.MouseUp(ButtonKind::FourState, 1, true, false);
  EXPECT_EQ(clicked.cell, 0);
  EXPECT_TRUE(clicked.run);
  EXPECT_TRUE(clicked.cleanUp);
}

TEST(SkinButtons, HoverShowsMouseOverOnlyOverAnEnabledButtonWithoutTheLeftButton) {
  SkinButtons b;
  ButtonResponse r = b.MouseMove(ButtonKind::FourState, 4, 0, true, false);
  EXPECT_EQ(r.cell, 1);
  EXPECT_TRUE(r.refresh4);
  EXPECT_EQ(b.LastHoverButton(), 4);
  EXPECT_EQ(b.MouseMove(ButtonKind::FourState, 5, 1, true, false).cell, std::nullopt);
  EXPECT_EQ(b.MouseMove(ButtonKind::FourState, 6, 0, false, false).cell, std::nullopt);
  EXPECT_EQ(b.LastHoverButton(), 4);
  EXPECT_EQ(b.MouseMove(ButtonKind::Toggle, 1, 0, true, true).cell, 1);
  EXPECT_EQ(b.MouseMove(ButtonKind::Toggle, 1, 0, true, false).cell, 0);
  EXPECT_EQ(b.MouseMove(ButtonKind::Toggle, 1, 1, true, false).cell, std::nullopt);
  EXPECT_TRUE(b.MouseMove(ButtonKind::Push, 1, 0, true, false).refresh4);
}

}  // namespace
}  // namespace vorne::player::playback
