#include <gtest/gtest.h>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

struct SpriteStart {
  const char* name;
  float left;
  float top;
  bool visible;
};

TEST(FreshBoard, WindowAsDesigned) {
  BoardGame game;
  const FormDesign& design = game.board().design();
  EXPECT_EQ(design.caption, "KORUMEDO\u3000トテチータ");
  EXPECT_EQ(design.border, BorderStyle::fixed_single);
  EXPECT_EQ(design.client_width, 5655);
  EXPECT_EQ(design.client_height, 4965);
  EXPECT_EQ(design.start, StartPosition::center_screen);
  EXPECT_EQ(design.back_color, (Rgb{255, 255, 255}));
}

TEST(FreshBoard, SpritesStartWhereDesigned) {
  BoardGame game;
  const SpriteStart table[] = {
      {"Image1", 240, 360, true},     {"Image2", 4300, 3600, true},   {"Image3", 1000, 2600, true},
      {"Image4", 3000, 795, true},    {"Image5", 6720, 7440, false},  {"Image7", 4440, 6240, true},
      {"Image8", 5520, 6240, true},   {"Image9", 6480, 6240, true},   {"Image10", 7560, 6240, true},
      {"Image11", 4500, 2000, false}, {"Image12", 3120, 6120, true},  {"Image13", 3840, 7320, true},
      {"Image14", 0, 0, false},       {"Image15", 2600, 3100, false},
  };
  for (const SpriteStart& row : table) {
    const auto& state = std::get<PictureState>(game.board().find(row.name)->peek());
    EXPECT_EQ(state.left, row.left) << row.name;
    EXPECT_EQ(state.top, row.top) << row.name;
    EXPECT_EQ(state.visible, row.visible) << row.name;
    EXPECT_EQ(state.width, 750) << row.name;
    EXPECT_EQ(state.height, 750) << row.name;
  }
}

TEST(FreshBoard, LabelsAndFieldsHoldTheirStartingTexts) {
  BoardGame game;
  const std::pair<const char*, const char*> labels[] = {
      {"Label1", "0"},         {"Label2", "0"},
      {"Label3", "0"},         {"Label4", "ペットボトル"},
      {"Label5", "水"},        {"Label6", "ドライアイス"},
      {"Label7", "0"},         {"Label8", "ゾヌ"},
      {"Label9", "0"},         {"Label11", "1"},
      {"Label12", "ポイント"}, {"Label13", "0"},
  };
  for (auto [name, caption] : labels) {
    EXPECT_EQ(std::get<LabelState>(game.board().find(name)->peek()).caption, caption) << name;
  }
  const std::pair<const char*, const char*> fields[] = {
      {"Text1", "0"},  {"Text2", "0"},    {"Text3", "4300"},    {"Text4", "3600"},
      {"Text5", "1"},  {"Text6", "1000"}, {"Text7", "0"},       {"Text8", "2600"},
      {"Text9", "1"},  {"Text10", "0"},   {"Text11", "3000"},   {"Text12", "800"},
      {"Text13", "1"}, {"Text14", "0"},   {"Text15", "Text15"}, {"Text16", "Text16"},
  };
  for (auto [name, text] : fields) {
    const auto& state = std::get<TextBoxState>(game.board().find(name)->peek());
    EXPECT_EQ(state.text, text) << name;
    EXPECT_TRUE(state.left >= 5655 || state.top >= 4965) << name << " must be parked";
  }
}

TEST(FreshBoard, TimersRunFromCreationWithTheirDesignIntervals) {
  BoardGame game;
  const std::map<std::string, int> running = {
      {"Timer1", 100}, {"Timer2", 1}, {"Timer3", 1},     {"Timer4", 1},    {"Timer5", 1},
      {"Timer6", 1},   {"Timer7", 1}, {"Timer18", 1000}, {"Timer21", 1000}};
  ASSERT_EQ(game.board().timers().size(), 24u);
  for (const Timer* timer : game.board().timers()) {
    auto it = running.find(timer->name());
    EXPECT_EQ(timer->interval(), it == running.end() ? 0 : it->second) << timer->name();
  }
}

TEST(FreshBoard, TheHiddenLabelsAreParkedOutsideTheClientArea) {
  BoardGame game;
  for (const char* name : {"Label7", "Label11"}) {
    const auto& state = std::get<LabelState>(game.board().find(name)->peek());
    EXPECT_TRUE(state.left >= 5655 || state.top >= 4965) << name;
  }
}

TEST(FreshBoard, GameMenuAsDesigned) {
  BoardGame game;
  const auto& bar = game.board().menu();
  ASSERT_EQ(bar.size(), 1u);
  EXPECT_EQ(bar[0].name, "mnugamed");
  EXPECT_EQ(bar[0].caption, "ゲーム");
  ASSERT_EQ(bar[0].children.size(), 3u);
  const MenuItem& place = bar[0].children[0];
  EXPECT_EQ(place.caption, "敵を置く");
  EXPECT_TRUE(bar[0].children[1].is_separator());
  EXPECT_EQ(bar[0].children[2].caption, "終了");
  EXPECT_TRUE(bar[0].children[2].on_click);
  ASSERT_EQ(place.children.size(), 3u);
  const char* captions[] = {"茂佐", "ヌガタのおやじ", "ポテ戦"};
  const char* names[] = {"mnumosa", "mnunugo", "mnupotesen"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(place.children[i].caption, captions[i]);
    EXPECT_EQ(place.children[i].name, names[i]);
    EXPECT_TRUE(place.children[i].on_click);
  }
}

// At the first tick of Timer1 the player's sprite jumps from (240, 360) to the fields' (0, 0);
// the dry ice moves down from 795 to 800 at the first tick of its mover.
TEST(FreshBoard, FirstTicksBringTheSpritesOntoTheirFields) {
  BoardGame game;
  game.wait(1);
  EXPECT_EQ(game.board().Image4.top(), 800);
  EXPECT_EQ(game.board().Image1.left(), 240);
  game.wait(99);
  EXPECT_EQ(game.board().Image1.left(), 0);
  EXPECT_EQ(game.board().Image1.top(), 0);
}

}  // namespace
}  // namespace totechita::testing
