#pragma once
// The stand-in CAD's command line: reads what SendCommand types, as the CAD
// would, where a blank or a carriage return ends each answer. Knows
// "-INSERT" (file name with "*" to insert the entities one by one, then
// insertion point, scale and rotation) and "ID" (waits for a pick, sets
// LASTPOINT); object snap words ("_int", "_end", ...) at a point prompt,
// where "int" moves a picked point to the nearest crossing of two lines or
// polyline segments within the pick box (the point as picked when none is).
#include <optional>
#include <string>
#include <vector>

#include "sim/dxf_reader.h"

namespace surva::sim {

class Cad;

class CommandLine {
 public:
  explicit CommandLine(Cad& cad) : cad_(cad) {}

  // Types text; every completed answer runs at once. ESC characters cancel.
  void type(text::u16view text);
  // The Esc key: cancels the pending command.
  void cancel();
  // True while a command waits for input.
  bool busy() const { return prompt_ != Prompt::Command; }
  bool waitsForPoint() const { return prompt_ == Prompt::IdPoint; }
  // A point the user picked while the command waits for one.
  void pointPicked(Vec3 p);
  // Enter pressed with no answer.
  void enter() { answer(u""); }

  // What the command line showed, one entry per line, UTF-8.
  const std::vector<std::string>& log() const { return log_; }
  // Object snap given for the next point ("int"), empty when none.
  const text::u16& pendingSnap() const { return snap_; }
  text::u16 lastSnapUsed;

 private:
  enum class Prompt { Command, InsertName, InsertPoint, InsertXScale, InsertYScale, InsertRotation, IdPoint };
  void answer(const text::u16& token);
  void startCommand(const text::u16& name);
  void insertName(const text::u16& token);
  void finishInsert();
  void say(const std::string& line) { log_.push_back(line); }
  void reset();
  bool pointAnswer(const text::u16& token, Vec3& out);
  // Half the side of the object-snap box around a pick, in drawing units.
  double pickBoxHalfSize() const;

  Cad& cad_;
  Prompt prompt_ = Prompt::Command;
  text::u16 pending_;     // typed text not yet ended by a blank or return
  bool inQuotes_ = false;
  text::u16 snap_;
  std::vector<std::string> log_;
  // The insert under way.
  std::optional<DxfContent> content_;
  bool explode_ = false;
  text::u16 blockName_;
  Placement placement_;
  double yScale_ = 1;
};

// "12.5,3" / "1,2,3" / "@" / "@1,2[,3]" relative to `last`; nullopt otherwise.
std::optional<Vec3> parsePointAnswer(text::u16view s, Vec3 last);

}  // namespace surva::sim
