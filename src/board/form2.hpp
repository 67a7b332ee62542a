#pragma once

#include "runtime/form.hpp"

namespace totechita {

// The game board. Its controls are the whole state of a game; its handlers live in one file per
// topic beside this one. Everything at x ≥ 5655 or y ≥ 4965 lies outside the client area: the
// text fields, the hidden labels and the sprites not yet in play are parked there.
class Form2 final : public Form {
 public:
  static constexpr std::string_view kName = "Form2";
  explicit Form2(Runtime& runtime);

  // The drawing order of the sprites, bottom first: the house, the ingredients, the enemies and
  // the plane, the enemies' hit pictures, the finale character, the player, then the bomb and
  // its burst, which are set down on the player's own spot and must show at once, and the train
  // over the burst so that a plane hit is seen. The labels are drawn over every sprite.
  enum SpriteLayer : Layer {
    kHouse,
    kIngredients,
    kTargets,
    kHits,
    kFinaleCharacter,
    kPlayer,
    kBomb,
    kBurst,
    kTrain,
  };

  // Sprites, 750 by 750 twips.
  Picture Image1{*this, "Image1", sprite(240, 360, true), "player", kPlayer};
  Picture Image2{*this, "Image2", sprite(4300, 3600, true), "pet_bottle", kIngredients};
  Picture Image3{*this, "Image3", sprite(1000, 2600, true), "water", kIngredients};
  Picture Image4{*this, "Image4", sprite(3000, 795, true), "dry_ice", kIngredients};
  Picture Image5{*this, "Image5", sprite(6720, 7440, false), "bomb", kBomb};
  Picture Image7{*this, "Image7", sprite(4440, 6240, true), "enemy_mosa", kTargets};
  Picture Image8{*this, "Image8", sprite(5520, 6240, true), "enemy_mosa_hit", kHits};
  Picture Image9{*this, "Image9", sprite(6480, 6240, true), "enemy_nugata", kTargets};
  Picture Image10{*this, "Image10", sprite(7560, 6240, true), "enemy_nugata_hit", kHits};
  Picture Image11{*this, "Image11", sprite(4500, 2000, false), "plane", kTargets};
  Picture Image12{*this, "Image12", sprite(3120, 6120, true), "train", kTrain};
  Picture Image13{*this, "Image13", sprite(3840, 7320, true), "burst", kBurst};
  Picture Image14{*this, "Image14", sprite(0, 0, false), "goro", kFinaleCharacter};
  Picture Image15{*this, "Image15", sprite(2600, 3100, false), "house", kHouse};

  // Counts and headings along the top, the score at the bottom, two hidden labels parked.
  Label Label1{*this, "Label1", label("0", 1080, 0, 495)};
  Label Label2{*this, "Label2", label("0", 2040, 0, 615)};
  Label Label3{*this, "Label3", label("0", 3840, 0, 735)};
  Label Label4{*this, "Label4", label("ペットボトル", 0, 0, 975)};
  Label Label5{*this, "Label5", label("水", 1680, 0, 255)};
  Label Label6{*this, "Label6", label("ドライアイス", 2760, 0, 975)};
  Label Label7{*this, "Label7", label("0", 5040, 8040, 375)};  // crafting tally
  Label Label8{*this, "Label8", label("ゾヌ", 4680, 0, 375)};
  Label Label9{*this, "Label9", label("0", 5160, 0, 615)};
  Label Label11{*this, "Label11", label("1", 7800, 8040, 255)};  // bomb-ready flag
  Label Label12{*this, "Label12", label("ポイント", 3600, 4680, 615)};
  Label Label13{*this, "Label13", label("0", 4320, 4680, 735)};  // score

  // The game's variables, as decimal text.
  TextBox Text1{*this, "Text1", field("0", 720, 6000)};          // player x
  TextBox Text2{*this, "Text2", field("0", 1680, 6000)};         // player y
  TextBox Text3{*this, "Text3", field("4300", 720, 6480)};       // PET bottle x
  TextBox Text4{*this, "Text4", field("3600", 1680, 6480)};      // PET bottle y
  TextBox Text5{*this, "Text5", field("1", 2640, 6480)};         // PET bottle placed flag
  TextBox Text6{*this, "Text6", field("1000", 720, 6960)};       // water x
  TextBox Text7{*this, "Text7", field("0", 3600, 6480)};         // PET bottle match count
  TextBox Text8{*this, "Text8", field("2600", 1680, 6960)};      // water y
  TextBox Text9{*this, "Text9", field("1", 2640, 6960)};         // water placed flag
  TextBox Text10{*this, "Text10", field("0", 3600, 6960)};       // water match count
  TextBox Text11{*this, "Text11", field("3000", 720, 7440)};     // dry ice x
  TextBox Text12{*this, "Text12", field("800", 1680, 7440)};     // dry ice y
  TextBox Text13{*this, "Text13", field("1", 2640, 7440)};       // dry ice placed flag
  TextBox Text14{*this, "Text14", field("0", 3600, 7440)};       // dry ice match count
  TextBox Text15{*this, "Text15", field("Text15", 4200, 8160)};  // bomb x
  TextBox Text16{*this, "Text16", field("Text16", 5160, 8640)};  // bomb y

  Timer Timer1{*this, "Timer1", 100};
  Timer Timer2{*this, "Timer2", 1};
  Timer Timer3{*this, "Timer3", 1};
  Timer Timer4{*this, "Timer4", 1};
  Timer Timer5{*this, "Timer5", 1};
  Timer Timer6{*this, "Timer6", 1};
  Timer Timer7{*this, "Timer7", 1};
  Timer Timer8{*this, "Timer8", 0};
  Timer Timer9{*this, "Timer9", 0};
  Timer Timer10{*this, "Timer10", 0};
  Timer Timer11{*this, "Timer11", 0};
  Timer Timer12{*this, "Timer12", 0};
  Timer Timer13{*this, "Timer13", 0};
  Timer Timer14{*this, "Timer14", 0};
  Timer Timer15{*this, "Timer15", 0};
  Timer Timer16{*this, "Timer16", 0};
  Timer Timer17{*this, "Timer17", 0};
  Timer Timer18{*this, "Timer18", 1000};
  Timer Timer19{*this, "Timer19", 0};
  Timer Timer20{*this, "Timer20", 0};
  Timer Timer21{*this, "Timer21", 1000};
  Timer Timer22{*this, "Timer22", 0};
  Timer Timer23{*this, "Timer23", 0};
  Timer Timer24{*this, "Timer24", 0};

  // movement.cpp
  void Form2_Form_KeyDown(int key_code);
  void Form2_Timer1_Timer();
  // ingredients.cpp
  void Form2_Timer2_Timer();
  void Form2_Timer3_Timer();
  void Form2_Timer4_Timer();
  void Form2_Timer5_Timer();
  void Form2_Timer6_Timer();
  void Form2_Timer7_Timer();
  // crafting.cpp
  void Form2_Label3_Click();
  void Form2_Timer8_Timer();
  // bomb.cpp
  void Form2_Timer9_Timer();
  void Form2_Timer12_Timer();
  void Form2_Timer10_Timer();
  void Form2_Timer11_Timer();
  // game_menu.cpp
  void Form2_mnumosa_Click();
  void Form2_mnunugo_Click();
  void Form2_mnupotesen_Click();
  void Form2_mnusuu_Click();
  // enemy_hits.cpp
  void Form2_Timer13_Timer();
  void Form2_Timer14_Timer();
  void Form2_Timer15_Timer();
  void Form2_Timer16_Timer();
  void Form2_Timer17_Timer();
  // plane.cpp
  void Form2_Timer18_Timer();
  void Form2_Timer19_Timer();
  void Form2_Timer20_Timer();
  // finale.cpp
  void Form2_Timer21_Timer();
  void Form2_Timer22_Timer();
  void Form2_Timer23_Timer();
  void Form2_Timer24_Timer();

 private:
  static PictureState sprite(Twips left, Twips top, bool visible) {
    return {.bounds = {left, top, 750, 750}, .visible = visible};
  }
  static LabelState label(std::string caption, Twips left, Twips top, Twips width) {
    return {.caption = std::move(caption), .bounds = {left, top, width, 255}};
  }
  static TextBoxState field(std::string text, Twips left, Twips top) {
    return {.text = std::move(text), .bounds = {left, top, 855, 270}};
  }

  // One ingredient's controls: the three movers and the three pickup tests are one procedure
  // each, applied to these.
  struct Ingredient {
    Picture& sprite;
    TextBox& x;
    TextBox& y;
    TextBox& placed;
    TextBox& matches;
    Label& count;
  };
  Ingredient pet_bottle() { return {Image2, Text3, Text4, Text5, Text7, Label1}; }
  Ingredient water() { return {Image3, Text6, Text8, Text9, Text10, Label2}; }
  Ingredient dry_ice() { return {Image4, Text11, Text12, Text13, Text14, Label3}; }
  void move_ingredient(const Ingredient& ingredient);
  void test_pickup(const Ingredient& ingredient);

  void craft_water_bomb();
  void place_enemy(Picture& enemy);
  void test_enemy_row(Picture& enemy, Picture& hit_picture, Timer& points_timer);
  void add_points(int points, Picture& hit_picture, Timer& points_timer);
  // A reseed and a draw on the four-by-four grid: 1000, 2000, 3000 or 4000.
  double draw_grid_position();
  void build_menu();
};

}  // namespace totechita
