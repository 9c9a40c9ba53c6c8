#pragma once
// "CADから" and "TEXT 取得": select entities in CAD, read them into the
// harvest store, and list them.
#include "cad/hand_over.h"
#include "cad/read_selection.h"
#include "platform/services.h"

namespace surva::cad {

inline constexpr char16_t kHarvestFailed[] = u"取得失敗";
inline constexpr char16_t kNothingListed[] =
    u"取得したデータはリストに表示されていません．\nリスト表示のチェックボックスを確認して下さい．";

// The main window as a harvest uses it; the application implements it for
// the tab that harvests.
class HarvestWindow : public MainWindowState {
 public:
  virtual void bringToFront() = 0;
  // The tab's progress bar (and, on the main tab, status panel 0).
  virtual HarvestProgress& progress() = 0;
  // Status panel 1 (main tab).
  virtual void setSummary(const text::u16& text) = 0;
  // Rebuilds the tab's list from the store.
  virtual void listFromStore() = 0;
  // True when the main list has at most one data row and its X is empty.
  virtual bool listShowsNothing() = 0;
  // The group box "リスト表示".
  virtual void setListDisplayEnabled(bool enabled) = 0;
};

struct HarvestContext {
  const platform::Services& services;
  text::u16view targetProgId;
  HarvestStore& store;
  bool ucs = false;  // the check box "UCS"
};

// " POLYLINE=2, CIRCLE=5,": the counts above 0 of polylines, circles,
// texts, points and lines.
text::u16 HarvestSummary(const HarvestStore& store);

// "CADから". A failure while selecting, reading or listing shows "取得失敗"
// and disables the list display; what was read before it stays in the store.
void HarvestToMainList(const HarvestContext& context, HarvestWindow& window);

// "TEXT 取得": only TEXT entities may be selected. A failure while selecting,
// reading or listing leaves the TEXT list as it was and, once the window is
// back, throws "取得失敗" with the CAD's reason for the error report. A
// harvest that replaces the store disables the main tab's list display.
void HarvestTexts(const HarvestContext& context, HarvestWindow& window);

}  // namespace surva::cad
