#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "script/script_lookup.hpp"
#include "script/script_parser.hpp"
#include "script/script_runner.hpp"
#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

// Plays a whole game as a player would, from the title to the end, deciding from what the board
// shows, checking each result on the way, and writing every step down as a script.
class Autopilot {
 public:
  static constexpr std::uint64_t kSeed = 1;

  Autopilot() : m_game(kSeed) {
    m_script << "# A whole game from the title to the end, as written by the whole-game test.\n"
             << "seed " << kSeed << "\n";
  }

  void play() {
    wait(1600);
    expect("Form2.Loaded", "true");
    for (const char* command : {"茂佐", "ヌガタのおやじ", "ポテ戦"})
      menu(command);
    expect("Image11.Visible", "true");
    bomb_enemy(board().Image7, board().Image8, 100);
    bomb_enemy(board().Image9, board().Image10, 200);
    while (score() <= 6000)
      bomb_plane();
    until("Form2.Image15.Visible", "true", 2000, [&] { return board().Image15.visible(); });
    walk_to(2600, 3100);
    until("Form3.Loaded", "true", 200, [&] { return m_game.loaded("Form3"); });
    expect("Form2.Loaded", "false");
    wait(100);
    expect("Form3.Label1.Top", "2900");
    m_script << "until end 15000\n";
    m_game.wait(15000);
  }

  HeadlessGame& game() { return m_game; }
  std::string script() const { return m_script.str(); }

 private:
  Form2& board() { return m_game.board(); }
  double score() { return to_number(board().Label13.caption()); }

  void wait(Millis milliseconds) {
    m_game.wait(milliseconds);
    m_script << "wait " << milliseconds << "\n";
  }
  void key(const char* name, int code, int count) {
    if (count == 0) return;
    m_game.key(code, count);
    m_script << "key " << name << (count > 1 ? " " + std::to_string(count) : "") << "\n";
  }
  void menu(const char* caption) {
    m_game.runtime.choose(*script::find_menu_item(board().menu(), caption));
    m_script << "menu " << caption << "\n";
  }
  void expect(const std::string& ref, const std::string& value) {
    m_script << "expect " << ref << " " << value << "\n";
  }
  template <class Condition>
  void until(const std::string& ref, const std::string& value, Millis at_most, Condition holds) {
    m_script << "until " << ref << " " << value << " " << at_most << "\n";
    for (Millis waited = 0; !holds() && waited < at_most; ++waited)
      m_game.wait(1);
    ASSERT_TRUE(holds()) << ref;
  }

  // The player knows where it stands: it counts its own steps. Keys land at one instant.
  void walk_to(float left, float top) {
    const auto dx = static_cast<int>((left - m_x) / 100);
    const auto dy = static_cast<int>((top - m_y) / 100);
    key(dx < 0 ? "Left" : "Right", dx < 0 ? kKeyLeft : kKeyRight, std::abs(dx));
    key(dy < 0 ? "Up" : "Down", dy < 0 ? kKeyUp : kKeyDown, std::abs(dy));
    m_x = left;
    m_y = top;
  }

  void gather_and_craft() {
    for (Picture* ingredient : {&board().Image2, &board().Image3, &board().Image4}) {
      walk_to(ingredient->left(), ingredient->top());
      wait(2);
    }
    m_script << "print Label1.Caption\nprint Label2.Caption\nprint Label3.Caption\n";
    const std::string bombs = to_text(to_number(board().Label9.caption()) + 1);
    if (m_craft_with_backspace) {
      key("Backspace", kKeyBackspace, 1);
      wait(1);
    } else {
      m_game.runtime.click(board().Label3);
      m_script << "click Label3\n";
    }
    m_craft_with_backspace = !m_craft_with_backspace;
    ASSERT_EQ(board().Label9.caption(), bombs);
    expect("Label9.Caption", bombs);
  }

  void expect_score(double expected) {
    ASSERT_EQ(score(), expected);
    expect("Label13.Caption", to_text(expected));
  }

  void bomb_enemy(Picture& enemy, Picture& hit_picture, int points) {
    gather_and_craft();
    const double before = score();
    walk_to(enemy.left(), enemy.top());
    key("Enter", kKeyEnter, 1);
    wait(3);
    expect("Image5.Visible", "true");
    wait(1000);
    expect("Image13.Visible", "true");
    wait(1001);
    expect("Image13.Visible", "false");
    ASSERT_TRUE(hit_picture.visible());
    expect(hit_picture.name() + ".Visible", "true");
    wait(2000);
    expect_score(before + points);
  }

  // A bomb set down 100 twips left of the plane just after its step meets it at the burst,
  // the plane having moved one more step meanwhile.
  void bomb_plane() {
    gather_and_craft();
    const Millis since_step = (m_game.now() - 1500) % 1000;
    wait(since_step <= 100 ? 100 - since_step : 1100 - since_step);
    if (board().Image11.left() < 200) wait(1000);
    const double before = score();
    walk_to(board().Image11.left() - 100, 2000);
    key("Enter", kKeyEnter, 1);
    wait(1004);
    ASSERT_TRUE(board().Image12.visible());
    expect("Image12.Visible", "true");
    wait(2000);
    expect_score(before + 1000);
  }

  HeadlessGame m_game;
  std::ostringstream m_script;
  float m_x = 0;
  float m_y = 0;
  bool m_craft_with_backspace = false;
};

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(WholeGame, TheAutopilotPlaysFromTheTitleToTheEnd) {
  Autopilot autopilot;
  autopilot.play();
  ASSERT_FALSE(::testing::Test::HasFatalFailure());
  HeadlessGame& game = autopilot.game();
  EXPECT_TRUE(game.runtime.ended());
  EXPECT_EQ(game.runtime.exit_status(), 0);
  EXPECT_EQ(game.platform.messages(),
            (std::vector<std::string>{"ごろさんモード発動！！！！！", "ごろさん家出現！！"}));
  EXPECT_EQ(game.events.back(), "t=" + std::to_string(game.now()) + " end");

  // The script it wrote replays the same game in the script driver, and is the one checked in
  // for the desktop test and for people to read (regenerate it by copying the written file).
  const std::string script = autopilot.script();
  std::ofstream(WHOLE_GAME_WRITTEN) << script;
  auto parsed = script::parse_script(script);
  ASSERT_TRUE(std::holds_alternative<std::vector<script::Command>>(parsed));
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(script::run_script(std::get<std::vector<script::Command>>(parsed), out, err), 0)
      << err.str();
  EXPECT_EQ(read_file(WHOLE_GAME_SCRIPT), script)
      << "the checked-in script differs: cp " << WHOLE_GAME_WRITTEN << " " << WHOLE_GAME_SCRIPT;
}

}  // namespace
}  // namespace totechita::testing
