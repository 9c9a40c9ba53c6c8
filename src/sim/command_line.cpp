#include "sim/command_line.h"

#include <cmath>
#include <numbers>

#include "sim/cad.h"
#include "sim/insert.h"
#include "sim/intersection_snap.h"
#include "text/error.h"
#include "text/number.h"

namespace surva::sim {

namespace {
std::string utf8(text::u16view s) { return text::toUtf8(s); }

std::string pointText(Vec3 p) {
  return "X = " + utf8(text::formatFixed(p.x, 4)) + "  Y = " + utf8(text::formatFixed(p.y, 4)) +
         "  Z = " + utf8(text::formatFixed(p.z, 4));
}

// "_INT", "INT", "_ENDP", ...: a one-time object snap at a point prompt.
bool isSnapWord(const text::u16& upper) {
  static const char16_t* words[] = {u"INT", u"END", u"ENDP", u"MID", u"CEN", u"NOD", u"NEA", u"INS", u"PER",
                                    u"QUA", u"TAN", u"APP", u"NON", u"NONE"};
  for (const char16_t* w : words)
    if (upper == w) return true;
  return false;
}

text::u16 withoutPrefixes(text::u16 s) {
  // "_" asks for the English command name, "-" for the command-line form.
  while (!s.empty() && (s[0] == u'_' || s[0] == u'-' || s[0] == u'.')) s.erase(0, 1);
  return s;
}
}  // namespace

std::optional<Vec3> parsePointAnswer(text::u16view s, Vec3 last) {
  bool relative = !s.empty() && s[0] == u'@';
  if (relative) s.remove_prefix(1);
  if (relative && s.empty()) return last;
  std::vector<double> parts;
  while (true) {
    auto comma = s.find(u',');
    auto number = text::tryParseNumber(s.substr(0, comma));
    if (!number) return std::nullopt;
    parts.push_back(*number);
    if (comma == text::u16view::npos) break;
    s.remove_prefix(comma + 1);
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  Vec3 p{parts[0], parts[1], parts.size() > 2 ? parts[2] : 0.0};
  return relative ? last + p : p;
}

void CommandLine::type(text::u16view input) {
  for (char16_t c : input) {
    if (c == 27) {  // ESC typed into the command line
      cancel();
      continue;
    }
    if (c == u'"') {
      inQuotes_ = !inQuotes_;
      continue;
    }
    bool ends = c == u'\r' || c == u'\n' || (c == u' ' && !inQuotes_);
    if (!ends) {
      pending_ += c;
      continue;
    }
    text::u16 token = std::move(pending_);
    pending_.clear();
    inQuotes_ = false;
    answer(token);
  }
}

void CommandLine::cancel() {
  // Esc also drops what was typed but not yet entered.
  pending_.clear();
  inQuotes_ = false;
  say("*Cancel*");
  reset();
}

void CommandLine::reset() {
  prompt_ = Prompt::Command;
  content_.reset();
  snap_.clear();
  explode_ = false;
  blockName_.clear();
  placement_ = {};
  yScale_ = 1;
}

void CommandLine::answer(const text::u16& token) {
  Drawing& d = cad_.drawing();
  switch (prompt_) {
    case Prompt::Command:
      if (!token.empty()) startCommand(token);
      return;
    case Prompt::InsertName:
      insertName(token);
      return;
    case Prompt::InsertPoint:
    case Prompt::IdPoint: {
      say("Specify point: " + utf8(token));
      if (token.empty()) {
        // Enter without a point ends ID; an insert keeps asking.
        if (prompt_ == Prompt::IdPoint) reset();
        return;
      }
      Vec3 p;
      if (!pointAnswer(token, p)) return;
      if (prompt_ == Prompt::IdPoint) {
        pointPicked(p);
        return;
      }
      placement_.origin = p;
      d.variables().setPoint(u"LASTPOINT", p);
      prompt_ = Prompt::InsertXScale;
      return;
    }
    case Prompt::InsertXScale:
    case Prompt::InsertYScale: {
      say("Specify scale factor: " + utf8(token));
      double s = prompt_ == Prompt::InsertYScale ? placement_.scale : 1.0;
      if (!token.empty()) {
        auto n = text::tryParseNumber(token);
        if (!n || *n == 0) {
          say("Requires a nonzero number.");
          return;
        }
        s = *n;
      }
      if (prompt_ == Prompt::InsertXScale) {
        placement_.scale = s;
        prompt_ = explode_ ? Prompt::InsertRotation : Prompt::InsertYScale;
      } else {
        yScale_ = s;
        prompt_ = Prompt::InsertRotation;
      }
      return;
    }
    case Prompt::InsertRotation: {
      say("Specify rotation angle: " + utf8(token));
      double degrees = 0;
      if (!token.empty()) {
        auto n = text::tryParseNumber(token);
        if (!n) {
          say("Requires valid numeric angle.");
          return;
        }
        degrees = *n;
      }
      placement_.rotation = degrees * std::numbers::pi / 180.0;
      finishInsert();
      return;
    }
  }
}

void CommandLine::startCommand(const text::u16& typed) {
  say("Command: " + utf8(typed));
  text::u16 name = text::upperAscii(withoutPrefixes(typed));
  if (name == u"INSERT") {
    prompt_ = Prompt::InsertName;
  } else if (name == u"ID") {
    prompt_ = Prompt::IdPoint;
  } else {
    say("Unknown command \"" + utf8(text::upperAscii(typed)) + "\".");
  }
}

bool CommandLine::pointAnswer(const text::u16& token, Vec3& out) {
  text::u16 upper = text::upperAscii(withoutPrefixes(token));
  if (isSnapWord(upper)) {
    snap_ = text::lowerAscii(upper);
    return false;
  }
  auto p = parsePointAnswer(token, cad_.drawing().variables().point(u"LASTPOINT"));
  if (!p) {
    say("Invalid point.");
    return false;
  }
  out = *p;
  return true;
}

void CommandLine::pointPicked(Vec3 p) {
  if (prompt_ == Prompt::IdPoint) {
    if (snap_ == u"int") {
      // With no crossing in the box the point stays where it was picked.
      if (auto snapped = nearestIntersection(cad_.drawing(), p, pickBoxHalfSize())) p = *snapped;
    }
    lastSnapUsed = snap_;
    say(pointText(p));
    cad_.drawing().variables().setPoint(u"LASTPOINT", p);
    reset();
  } else if (prompt_ == Prompt::InsertPoint) {
    answer(text::ascii(utf8(text::formatGeneral(p.x)) + "," + utf8(text::formatGeneral(p.y)) + "," +
                       utf8(text::formatGeneral(p.z))));
  }
}

double CommandLine::pickBoxHalfSize() const {
  // APERTURE is in pixels; the stand-in's view is 1000 pixels high.
  const SystemVariables& v = cad_.drawing().variables();
  return v.number(u"APERTURE") * v.number(u"VIEWSIZE") / 1000.0;
}

void CommandLine::insertName(const text::u16& token) {
  say("Enter block name: " + utf8(token));
  if (token.empty()) {
    reset();
    return;
  }
  text::u16 path = token;
  explode_ = path[0] == u'*';
  if (explode_) path.erase(0, 1);
  auto bytes = cad_.files().readFile(path);
  if (!bytes) {
    say("Error: \"" + utf8(path) + "\": Can't find file.");
    reset();
    return;
  }
  try {
    content_ = readDxf(*bytes, cad_.codec());
  } catch (const Failure& f) {
    say("Error: " + utf8(f.message()));
    reset();
    return;
  }
  // The block takes the file's base name.
  auto slash = path.find_last_of(u"\\/");
  blockName_ = slash == text::u16::npos ? path : path.substr(slash + 1);
  auto dot = blockName_.rfind(u'.');
  if (dot != text::u16::npos) blockName_.erase(dot);
  prompt_ = Prompt::InsertPoint;
}

void CommandLine::finishInsert() {
  Drawing& d = cad_.drawing();
  if (explode_) {
    std::size_t n = insertContent(d, *content_, placement_);
    say("Inserted " + std::to_string(n) + " entities.");
  } else {
    for (const auto& l : content_->layers) d.ensureLayer(l.name, l.color);
    Entity ref = makeBlockRef(blockName_, placement_.origin, d.variables().get(u"CLAYER")->toText());
    ref.scale = {placement_.scale, yScale_, placement_.scale};
    ref.rotation = placement_.rotation;
    d.add(ref);
    say("Inserted block " + utf8(blockName_) + ".");
  }
  reset();
}

}  // namespace surva::sim
