#pragma once
// "ID": points picked in the CAD one after another become named rows of
// the main list, optionally labelled with their names in the drawing. The
// CAD's own ID command does the picking; a pick shows as a change of
// LASTPOINT once the CAD is idle again.
#include "cad/hand_over.h"
#include "platform/services.h"
#include "ui/text_grid.h"

namespace surva::cad {

inline constexpr char16_t kAppendQuestion[] = u"現在の座標リストに追加しますか？\r\n  Yes = 追加 / No = 初期化";
inline constexpr char16_t kAppendQuestionCaption[] = u"Surva";
inline constexpr char16_t kIdCommand[] = u"_ID\r";
inline constexpr char16_t kIdIntersectionCommand[] = u"_ID\r_int\r";

struct PickingSettings {
  bool intersectionSnap = true;           // the INT option
  int decimals = 0;                       // of the coordinate cells, 0 to 8
  bool labels = true;                     // a TEXT with the name at each point
  text::u16 labelHeight = u"2.5";         // 2.5 when not a number
  bool dimscale = true;                   // label height times DIMSCALE
  text::u16 nextName = u"101";            // the name of the first pick
  text::u16 labelLayer = u"SURVA_TEXTPT";  // made sure to exist in any case
};

// The main window as the picking needs it.
class PickingWindow : public MainWindowState {
 public:
  // The name the next pick will get.
  virtual void showNextName(const text::u16& name) = 0;
  // A pick was written: the list no longer comes from a CAD harvest.
  virtual void pickWritten() = 0;
  // After the picking, so the window does not come back behind the CAD.
  virtual void bringToFront() = 0;
};

// The highest data row whose X cell is not empty; 0 when there is none.
int LastRowWithX(const ui::TextGrid& list);

// Picking ends at the first pick no more than 1 drawing unit (in X-Y) from
// the point before it, at Esc, or when the CAD fails meanwhile (closed, for
// one); the window then comes back and the list is cut after the last pick.
void PickPointsToList(const platform::Services& services, text::u16view targetProgId, const PickingSettings& settings,
                      ui::TextGrid& list, PickingWindow& window);

}  // namespace surva::cad
