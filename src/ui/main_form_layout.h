#pragma once
// Where every control of the main window stands, laid out for a screen of
// 96 pixels per inch, and the order in which Tab reaches the controls.
#include <vector>

namespace vm::ui {

constexpr int kMainWindow = 0;  // parent id of the window's own controls
constexpr int kNoTabOrder = -1;
constexpr int kClientWidth = 453;
constexpr int kClientHeight = 355;
constexpr int kDesignDpi = 96;

struct ControlPlace {
  int id;
  int parentId;  // kMainWindow or the id of the containing control
  int left;
  int top;
  int width;
  int height;
  int tabOrder;  // among the parent's children; kNoTabOrder for none
};

const ControlPlace& PlaceOf(int id);
// The children of `parentId` that carry a tab order, in that order.
std::vector<int> TabSequence(int parentId);

}  // namespace vm::ui
