#include "ui/main_form_layout.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "ui/control_ids.h"

namespace vm::ui {
namespace {

// Labels size themselves to their text; their width and height here are
// those for the window font. TabSheet1 fills its page control's display
// area and has no place of its own.
const ControlPlace kPlaces[] = {
    // id                 parent             left  top  width height tab order
    {IDC_PAGECONTROL1, kMainWindow, 4, 4, 445, 301, 0},
    {IDC_TABSHEET1, IDC_PAGECONTROL1, 0, 0, 0, 0, kNoTabOrder},
    {IDC_PNHEADER1, IDC_TABSHEET1, 5, 4, 424, 24, 5},
    {IDC_IMHEADER1, IDC_PNHEADER1, 3, 1, 20, 20, kNoTabOrder},
    {IDC_LASQUEA9, IDC_TABSHEET1, 8, 36, 13, 12, kNoTabOrder},
    {IDC_LATITLE9, IDC_TABSHEET1, 24, 36, 161, 12, kNoTabOrder},
    {IDC_LBBITMAP, IDC_TABSHEET1, 24, 88, 393, 97, 0},
    {IDC_SBBITMAPSEARCH, IDC_TABSHEET1, 231, 189, 24, 25, kNoTabOrder},
    {IDC_LABEL1, IDC_TABSHEET1, 8, 224, 13, 12, kNoTabOrder},
    {IDC_LABEL2, IDC_TABSHEET1, 24, 224, 75, 12, kNoTabOrder},
    {IDC_LABEL3, IDC_TABSHEET1, 24, 248, 36, 12, kNoTabOrder},
    {IDC_EDCOLOR, IDC_TABSHEET1, 68, 244, 125, 20, 3},
    {IDC_PNCOLOR, IDC_TABSHEET1, 196, 244, 24, 20, 4},
    {IDC_SBCOLORSEARCH, IDC_TABSHEET1, 225, 242, 24, 25, kNoTabOrder},
    {IDC_LABEL4, IDC_TABSHEET1, 24, 56, 294, 12, kNoTabOrder},
    {IDC_LABEL5, IDC_TABSHEET1, 24, 68, 338, 12, kNoTabOrder},
    {IDC_BTEND, kMainWindow, 373, 308, 75, 25, 2},
    {IDC_BTOK, kMainWindow, 293, 308, 75, 25, 1},
    {IDC_PANEL1, kMainWindow, 0, 336, 453, 19, 3},
    {IDC_PBNOW, IDC_PANEL1, 0, 0, 417, 19, 0},
    {IDC_PNNOW, IDC_PANEL1, 417, 0, 36, 19, 1},
    {IDC_BTCLEAR, IDC_TABSHEET1, 262, 189, 75, 25, 1},
    {IDC_BTALLCLEAR, IDC_TABSHEET1, 342, 189, 75, 25, 2},
};

}  // namespace

const ControlPlace& PlaceOf(int id) {
  const auto found = std::find_if(std::begin(kPlaces), std::end(kPlaces),
                                  [id](const ControlPlace& place) { return place.id == id; });
  if (found == std::end(kPlaces)) std::abort();  // a control missing from the table
  return *found;
}

std::vector<int> TabSequence(int parentId) {
  std::vector<const ControlPlace*> children;
  for (const ControlPlace& place : kPlaces) {
    if (place.parentId == parentId && place.tabOrder != kNoTabOrder) children.push_back(&place);
  }
  std::sort(children.begin(), children.end(),
            [](const ControlPlace* a, const ControlPlace* b) { return a->tabOrder < b->tabOrder; });
  std::vector<int> ids;
  for (const ControlPlace* place : children) ids.push_back(place->id);
  return ids;
}

}  // namespace vm::ui
