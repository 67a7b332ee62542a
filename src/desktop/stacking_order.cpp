#include "desktop/stacking_order.hpp"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <variant>

namespace totechita::desktop {

namespace {

constexpr int kUnlistedLayer = 2;

constexpr std::array<std::pair<std::string_view, int>, 14> kLayers{{
    {"house", 0},
    {"pet_bottle", 1},
    {"water", 1},
    {"dry_ice", 1},
    {"enemy_mosa", 2},
    {"enemy_nugata", 2},
    {"plane", 2},
    {"enemy_mosa_hit", 3},
    {"enemy_nugata_hit", 3},
    {"train", 3},
    {"goro", 4},
    {"player", 5},
    {"bomb", 6},
    {"burst", 7},
}};

int layer(const Picture& picture) {
  for (const auto& [asset, rank] : kLayers) {
    if (asset == picture.asset()) return rank;
  }
  return kUnlistedLayer;
}

}  // namespace

std::vector<Control*> stacking_order(const Form& form) {
  std::vector<Picture*> pictures;
  std::vector<Control*> labels;
  for (Control* control : form.controls()) {
    // Only pictures hold a picture's state.
    if (std::holds_alternative<PictureState>(control->peek())) {
      pictures.push_back(static_cast<Picture*>(control));
    }
    if (std::holds_alternative<LabelState>(control->peek())) labels.push_back(control);
  }
  std::stable_sort(pictures.begin(), pictures.end(),
                   [](const Picture* a, const Picture* b) { return layer(*a) < layer(*b); });
  std::vector<Control*> order(pictures.begin(), pictures.end());
  order.insert(order.end(), labels.begin(), labels.end());
  return order;
}

}  // namespace totechita::desktop
