#include "app/ini_file.h"

#include "text/number.h"

namespace surva::app {

using text::u16;
using text::u16view;

namespace {

bool isBlank(char16_t c) { return c < 33; }

u16view trimView(u16view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// "[name]" with blanks allowed around; the name is trimmed.
std::optional<u16view> sectionName(u16view line) {
  u16view t = trimView(line);
  if (t.empty() || t.front() != u'[') return std::nullopt;
  std::size_t close = t.find(u']');
  if (close == u16view::npos) return std::nullopt;
  return trimView(t.substr(1, close - 1));
}

struct KeyLine {
  u16view name;
  u16view value;
};

// "name=value"; comment lines (";") and lines without "=" hold no key.
std::optional<KeyLine> keyLine(u16view line) {
  u16view t = trimView(line);
  if (t.empty() || t.front() == u';') return std::nullopt;
  std::size_t eq = t.find(u'=');
  if (eq == u16view::npos) return std::nullopt;
  return KeyLine{trimView(t.substr(0, eq)), t.substr(eq + 1)};
}

// What readers of the format take from the text after "=".
u16 unquote(u16view raw) {
  u16view t = trimView(raw);
  if (t.size() >= 2 && (t.front() == u'"' || t.front() == u'\'') && t.back() == t.front())
    t = t.substr(1, t.size() - 2);
  return u16(t);
}

u16 entryLine(u16view key, u16view value) { return u16(key) + u'=' + iniStoredValue(value); }

}  // namespace

u16 iniStoredValue(u16view value) {
  u16 v(value);
  for (auto& c : v)
    if (c == u'\r' || c == u'\n') c = u' ';
  if (unquote(v) != v) return u'"' + v + u'"';
  return v;
}

IniFile IniFile::load(platform::FileSystem& fs, const text::AnsiCodec& codec, u16view path) {
  auto content = platform::readTextFile(fs, codec, path);
  if (!content) return IniFile();
  return IniFile(std::move(content->lines), content->encoding);
}

void IniFile::save(platform::FileSystem& fs, const text::AnsiCodec& codec, u16view path) const {
  auto encoded = platform::encodeText(lines_, encoding_, codec);
  if (!encoded.complete) encoded = platform::encodeText(lines_, platform::TextEncoding::Utf16LeBom, codec);
  fs.writeFileAtomic(path, encoded.bytes);
}

const std::vector<IniFile::Header>& IniFile::headers() const {
  if (!headersKnown_) {
    headers_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i)
      if (auto name = sectionName(lines_[i])) headers_.push_back({i, u16(*name)});
    headersKnown_ = true;
  }
  return headers_;
}

std::optional<std::pair<std::size_t, std::size_t>> IniFile::sectionRange(u16view section) const {
  const auto& all = headers();
  for (std::size_t h = 0; h < all.size(); ++h) {
    if (!text::equalsIgnoreAsciiCase(all[h].name, section)) continue;
    return std::pair{all[h].line, h + 1 < all.size() ? all[h + 1].line : lines_.size()};
  }
  return std::nullopt;
}

std::optional<IniFile::Found> IniFile::findKey(u16view section, u16view key) const {
  auto range = sectionRange(section);
  if (!range) return std::nullopt;
  for (std::size_t i = range->first + 1; i < range->second; ++i) {
    auto kl = keyLine(lines_[i]);
    if (kl && text::equalsIgnoreAsciiCase(kl->name, key)) return Found{i, kl->name, kl->value};
  }
  return std::nullopt;
}

std::optional<u16> IniFile::value(u16view section, u16view key) const {
  auto found = findKey(section, key);
  if (!found) return std::nullopt;
  return unquote(found->value);
}

u16 IniFile::readString(u16view section, u16view key, u16view fallback) const {
  auto v = value(section, key);
  return v ? *v : u16(fallback);
}

std::int32_t IniFile::readInteger(u16view section, u16view key, std::int32_t fallback) const {
  auto v = value(section, key);
  if (!v) return fallback;
  return text::tryParseIntOrHex(*v).value_or(fallback);
}

bool IniFile::readBool(u16view section, u16view key, bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(u16view section, u16view key, u16view value, KeyName name) {
  if (auto found = findKey(section, key)) {
    lines_[found->line] = entryLine(name == KeyName::Keep ? found->name : key, value);
    if (sectionName(lines_[found->line])) headersKnown_ = false;  // a key spelt like "[x]=..."
    return;
  }
  if (auto range = sectionRange(section)) {
    // After the section's last non-blank line, so a blank line that
    // separates it from the next section stays where it is.
    std::size_t at = range->second;
    while (at > range->first + 1 && trimView(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), entryLine(key, value));
    for (Header& h : headers_)  // known: sectionRange found them
      if (h.line >= at) ++h.line;
    if (sectionName(lines_[at])) headersKnown_ = false;
    return;
  }
  if (!lines_.empty() && !trimView(lines_.back()).empty()) lines_.emplace_back();
  lines_.push_back(u'[' + u16(section) + u']');
  if (auto name = sectionName(lines_.back())) headers_.push_back({lines_.size() - 1, u16(*name)});
  lines_.push_back(entryLine(key, value));
  if (sectionName(lines_.back())) headersKnown_ = false;
}

void IniFile::writeInteger(u16view section, u16view key, std::int32_t value, KeyName name) {
  writeString(section, key, text::intToText(value), name);
}

void IniFile::writeBool(u16view section, u16view key, bool value, KeyName name) {
  writeString(section, key, value ? u"1" : u"0", name);
}

}  // namespace surva::app
