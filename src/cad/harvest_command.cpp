#include "cad/harvest_command.h"

#include <optional>

#include "cad/cad_session.h"
#include "cad/target_check.h"
#include "cad/temp_selection_set.h"
#include "platform/confirm.h"
#include "text/error.h"

namespace surva::cad {

using platform::Variant;

namespace {

// The selection set is deleted when the command ends, whatever happened. A
// CAD that has gone away cannot delete it; that must not turn a reported
// failure into a second error.
class TempSetGuard {
 public:
  explicit TempSetGuard(platform::ObjectPtr set) : set_(std::move(set)) {}
  ~TempSetGuard() {
    try {
      set_->call(u"Delete");
    } catch (const std::exception&) {
    }
  }
  platform::Object& operator*() const { return *set_; }
  TempSetGuard(const TempSetGuard&) = delete;
  TempSetGuard& operator=(const TempSetGuard&) = delete;

 private:
  platform::ObjectPtr set_;
};

// Session, user frame, hand-over and the empty "ssTemp" set; errors here
// reach the general error report.
platform::ObjectPtr prepareSelection(const HarvestContext& c, HarvestWindow& window) {
  const CadSession session = OpenCadSession(c.services, c.targetProgId);
  if (c.ucs) ReadUcsFrame(*session.document, c.store.ucs);
  HandOverScope handOver(window, *c.services.clock);
  platform::ObjectPtr set = GetTempSelectionSet(*session.document);
  handOver.keepHandedOver();  // the selection follows
  return set;
}

}  // namespace

text::u16 HarvestSummary(const HarvestStore& s) {
  text::u16 out;
  auto add = [&out](const char16_t* label, std::size_t n) {
    if (n == 0) return;
    out += label;
    out += text::intToText(static_cast<long long>(n));
    out += u",";
  };
  add(u" POLYLINE=", s.polylines.size());
  add(u" CIRCLE=", s.circles.size());
  add(u" TEXT=", s.texts.size());
  add(u" POINT=", s.points.size());
  add(u" LINE=", s.lines.size());
  return out;
}

void HarvestToMainList(const HarvestContext& c, HarvestWindow& window) {
  c.store.ucs.reset();
  bool failed = false;
  bool harvested = false;
  if (CheckTargetProgID(*c.services.automation, *c.services.dialogs, c.targetProgId)) {
    TempSetGuard set(prepareSelection(c, window));
    try {
      (*set).call(u"SelectOnScreen", {Variant(), Variant()});
      window.restore();
      if ((*set).get(u"Count").toInt() > 0) {
        harvested = true;
        const int n = ReadSelection(*set, HarvestMode::MainList, window.progress(), c.store);
        window.setSummary(n == 0 ? text::u16() : HarvestSummary(c.store));
        window.listFromStore();
        if (n > 0 && window.listShowsNothing()) platform::confirm(*c.services.dialogs, kNothingListed);
      }
    } catch (const std::exception&) {
      failed = true;
      window.progress().setPosition(0);
      window.setSummary({});
    }
    window.restore();
    // With nothing selected the store and the list stay as they were, and so
    // does the list display: enabling it there would let one tick replace
    // points picked or read since the last harvest with that old harvest.
    if (failed || harvested) window.setListDisplayEnabled(!failed);
  }
  window.restore();
  window.bringToFront();
  if (failed) platform::confirm(*c.services.dialogs, kHarvestFailed);
}

void HarvestTexts(const HarvestContext& c, HarvestWindow& window) {
  c.store.ucs.reset();
  std::optional<text::u16> failure;
  if (CheckTargetProgID(*c.services.automation, *c.services.dialogs, c.targetProgId)) {
    // Group code 0 (entity type) as a 16-bit integer, the type name as a variant.
    const Variant types(platform::VariantArray{Variant(std::int16_t(0))});
    const Variant values(platform::VariantArray{Variant(u"TEXT")});
    TempSetGuard set(prepareSelection(c, window));
    try {
      (*set).call(u"SelectOnScreen", {types, values});
      window.restore();
      if ((*set).get(u"Count").toInt() > 0) {
        // The store the main list was listed from goes: its list display
        // boxes would rebuild the main list from these texts alone.
        window.setListDisplayEnabled(false);
        ReadSelection(*set, HarvestMode::TextList, window.progress(), c.store);
        window.listFromStore();
      }
    } catch (const std::exception& e) {
      // Said, with the CAD's reason: the TEXT list, left as it was, would
      // otherwise pass for this harvest's result.
      failure = messageOf(e);
      window.progress().setPosition(0);
    }
  }
  window.restore();
  if (failure) throw Failure(text::u16(kHarvestFailed) + u"\n" + *failure);
}

}  // namespace surva::cad
