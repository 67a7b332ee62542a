#include <gtest/gtest.h>

#include <QKeySequence>
#include <QMenu>

#include "desktop/font_choice.hpp"
#include "desktop/mapped_files.hpp"
#include "desktop/menu_bar_builder.hpp"
#include "desktop/session_helpers.hpp"

namespace totechita::desktop::testing {
namespace {

QStringList texts(const QList<QAction*>& actions) {
  QStringList result;
  for (const QAction* action : actions) {
    result << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return result;
}

// No shortcut, no access key and no check mark anywhere in the menus.
void expect_plain(const QList<QAction*>& actions) {
  for (const QAction* action : actions) {
    EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
    EXPECT_TRUE(QKeySequence::mnemonic(action->text()).isEmpty()) << action->text().toStdString();
    EXPECT_FALSE(action->isCheckable()) << action->text().toStdString();
    if (action->menu() != nullptr) expect_plain(action->menu()->actions());
  }
}

// Every menu drawn open, in the game's font (chosen as the first menu is made, not at start-up),
// which holds every character of the captions. A menu bar asks its style for an overflow icon,
// which Fusion reads from image files that Qt loads every image plugin to recognise (QtSvg,
// libjpeg and more with them).
TEST(MenuBar, HoldsTheGameMenuItsEnemySubmenuASeparatorAndExitDrawnInTheGamesFontAlone) {
  BoardSession session;
  QMenuBar* bar = session.board_window().menu_bar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(texts(bar->actions()), QStringList{"ゲーム"});
  QMenu* game = bar->actions().at(0)->menu();
  ASSERT_NE(game, nullptr);
  EXPECT_EQ(texts(game->actions()), (QStringList{"敵を置く", "-", "終了"}));
  QMenu* enemies = game->actions().at(0)->menu();
  ASSERT_NE(enemies, nullptr);
  EXPECT_EQ(texts(enemies->actions()), (QStringList{"茂佐", "ヌガタのおやじ", "ポテ戦"}));
  expect_plain(bar->actions());

  EXPECT_EQ(bar->font().family(), game_family());
  bar->grab();
  game->grab();
  enemies->grab();
  EXPECT_EQ(mapped_files(kFontFiles), std::vector<std::string>{});
  EXPECT_EQ(mapped_files("/imageformats/|libQt6Svg"), std::vector<std::string>{});
}

TEST(MenuBar, ShowsAnAmpersandAsWritten) {
  QMenuBar bar;
  const std::vector<MenuItem> items{
      {.name = "m", .caption = "A&B", .children = {}, .on_click = {}}};
  fill_menu_bar(bar, items, [](const MenuItem&) {});
  ASSERT_EQ(bar.actions().size(), 1);
  EXPECT_EQ(bar.actions().at(0)->text(), "A&&B");
  EXPECT_TRUE(QKeySequence::mnemonic(bar.actions().at(0)->text()).isEmpty());
}

}  // namespace
}  // namespace totechita::desktop::testing
