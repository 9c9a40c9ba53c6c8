#include "app/target_cad_file.h"

#include <algorithm>

namespace surva::app {

using text::u16;
using text::u16view;

u16 targetCadFilePath(u16view executablePath) { return platform::folderOf(executablePath) + u16(kTargetCadFileName); }

TargetCadEntry splitTargetCadLine(u16view line) {
  std::size_t tab = line.find(u'\t');
  if (tab == u16view::npos) return {u16(), u16(line)};
  return {u16(line.substr(0, tab)), u16(line.substr(tab + 1))};
}

u16 joinTargetCadLine(u16view name, u16view progId) { return u16(name) + u'\t' + u16(progId); }

std::optional<std::size_t> targetCadTabBefore(u16view line, u16view progId) {
  std::size_t at = line.find(u'\t' + u16(progId));
  if (at == u16view::npos) return std::nullopt;
  return at;
}

std::optional<TargetCadEntry> lookUpTargetCad(const std::vector<u16>& lines, u16view progId) {
  for (const auto& line : lines) {
    if (auto tab = targetCadTabBefore(line, progId))
      return TargetCadEntry{line.substr(0, *tab), line.substr(*tab + 1)};
  }
  return std::nullopt;
}

void sortTargetCadLines(std::vector<u16>& lines) { std::stable_sort(lines.begin(), lines.end()); }

std::optional<TargetCadFile> readTargetCadFile(platform::FileSystem& fs, const text::AnsiCodec& codec, u16view path) {
  auto content = platform::readTextFile(fs, codec, path);
  if (!content) return std::nullopt;
  return TargetCadFile{std::move(content->lines), content->encoding};
}

platform::TextEncoding writeTargetCadFile(platform::FileSystem& fs, const text::AnsiCodec& codec, u16view path,
                                          const TargetCadFile& file) {
  auto encoding = file.encoding;
  auto encoded = platform::encodeText(file.lines, encoding, codec);
  if (!encoded.complete) {
    encoding = platform::TextEncoding::Utf16LeBom;
    encoded = platform::encodeText(file.lines, encoding, codec);
  }
  fs.writeFileAtomic(path, encoded.bytes);
  return encoding;
}

}  // namespace surva::app
