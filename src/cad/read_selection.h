#pragma once
// Reading every entity of a CAD selection set into the harvest store.
#include "cad/harvest_store.h"
#include "platform/automation.h"

namespace surva::cad {

// How a harvest shows its progress; the main window implements it with its
// status bar and the progress bar of the tab that runs the harvest.
class HarvestProgress {
 public:
  virtual ~HarvestProgress() = default;
  virtual void setMax(int max) = 0;
  virtual void setPosition(int position) = 0;
  // Status panel 0.
  virtual void setStatus(const text::u16& text) = 0;
  // Lets pending window messages through, so the progress shows.
  virtual void processMessages() = 0;
};

// Which tab harvests: the main tab shows "i / n" in the status bar, the
// TEXT tab does not.
enum class HarvestMode { MainList = 1, TextList = 2 };

// Empties the store and fills it from every entity of the set, in set
// order; kinds other than lines, circles, arcs, ellipses, polylines (all
// three), texts and points are passed over. Returns lines + circles +
// polylines + texts + points. The first failing call ends the harvest and
// reaches the caller; the store keeps what was read before it.
int ReadSelection(platform::Object& selectionSet, HarvestMode mode, HarvestProgress& progress, HarvestStore& store);

// Reads the frame from the drawing's UCSXDIR, UCSYDIR and UCSORG.
void ReadUcsFrame(platform::Object& document, UcsFrame& frame);

}  // namespace surva::cad
