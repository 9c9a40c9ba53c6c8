#pragma once
// What the target CAD list dialog does with its list and its two fields,
// without the window: loading at each showing, selecting, and the add,
// delete and change commands, each of which rewrites the file at once.
#include <vector>

#include "app/target_cad_file.h"

namespace surva::app {

struct TargetCadListState {
  std::vector<text::u16> entries;  // whole lines, as the list box shows them
  int selected = -1;               // -1: nothing selected
  text::u16 name;                  // the name field
  text::u16 progId;                // the ProgID field
};

class TargetCadList {
 public:
  TargetCadList(platform::FileSystem& fs, const text::AnsiCodec& codec, text::u16 path)
      : fs_(fs), codec_(codec), path_(std::move(path)) {}

  // Each showing: a missing file leaves everything as it was; otherwise the
  // file's lines replace the entries, sorted, and the first entry holding a
  // TAB followed by the target is selected.
  void show(text::u16view targetProgId);
  // The fields from the entry (nothing happens for an index outside the list).
  void select(int index);
  // The fields' entry added at its sorted place and selected.
  void add();
  // The selected entry removed; its follower, or else the new last entry,
  // is selected. With nothing selected only the fields are emptied.
  void remove();
  // The selected entry replaced by the fields' entry where it stands.
  // With nothing selected nothing happens.
  void change();

  // A command whose file write fails throws Failure and leaves the list and
  // the fields as they were, so the list never shows what the file lacks.
  TargetCadListState state;
  platform::TextEncoding encoding = platform::TextEncoding::Ansi;

 private:
  void fillFields(TargetCadListState& s) const;
  void commit(TargetCadListState next);

  platform::FileSystem& fs_;
  const text::AnsiCodec& codec_;
  text::u16 path_;
};

}  // namespace surva::app
