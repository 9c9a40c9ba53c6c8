#pragma once
// The target CAD list file beside the executable: one entry per line, a
// name, a TAB and a ProgID.
#include <optional>
#include <vector>

#include "platform/files.h"
#include "platform/text_file.h"
#include "text/codec.h"

namespace surva::app {

inline constexpr text::u16view kTargetCadFileName = u"TargetCAD_APIVersion.txt";

// The executable's folder followed by the file name.
text::u16 targetCadFilePath(text::u16view executablePath);

struct TargetCadEntry {
  text::u16 name;    // before the first TAB; empty when the line has none
  text::u16 progId;  // after the first TAB (later TABs belong to it)
};
TargetCadEntry splitTargetCadLine(text::u16view line);
text::u16 joinTargetCadLine(text::u16view name, text::u16view progId);

// Whether the line holds a TAB immediately followed by progId (exact case;
// the ProgID may go on after it). Returns the position of that TAB.
std::optional<std::size_t> targetCadTabBefore(text::u16view line, text::u16view progId);

// The name and ProgID shown for a target at start: the first line in file
// order that holds a TAB followed by the target; the name is what stands
// before that TAB, the ProgID what follows it to the end of the line.
std::optional<TargetCadEntry> lookUpTargetCad(const std::vector<text::u16>& lines, text::u16view progId);

// The file's lines in the order the dialog shows them: by the whole line,
// code unit by code unit.
void sortTargetCadLines(std::vector<text::u16>& lines);

// The list as read, with the encoding to write it back in.
struct TargetCadFile {
  std::vector<text::u16> lines;
  platform::TextEncoding encoding = platform::TextEncoding::Ansi;
};
// nullopt when the file does not exist; throws Failure when it cannot be read.
std::optional<TargetCadFile> readTargetCadFile(platform::FileSystem& fs, const text::AnsiCodec& codec,
                                               text::u16view path);
// One atomic replace. ANSI text the code page cannot hold is written as
// UTF-16 with a byte-order mark instead (returned), so no name is lost.
platform::TextEncoding writeTargetCadFile(platform::FileSystem& fs, const text::AnsiCodec& codec,
                                          text::u16view path, const TargetCadFile& file);

}  // namespace surva::app
