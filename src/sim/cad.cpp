#include "sim/cad.h"

#include "platform/automation.h"

namespace surva::sim {

namespace {
constexpr std::int32_t kServerUnavailable = static_cast<std::int32_t>(0x800706BA);
constexpr std::int32_t kFail = static_cast<std::int32_t>(0x80004005);
}  // namespace

Cad::Cad(platform::FileSystem& files, const text::AnsiCodec& codec, CadOptions options)
    : files_(files), codec_(codec), options_(std::move(options)), commandLine_(*this) {}

void Cad::keyEvent(std::uint8_t virtualKey, std::uint32_t flags) {
  if (closed_) return;
  if (virtualKey == platform::kVkEscape && (flags & platform::kKeyEventKeyUp) == 0) escape();
}

void Cad::escape() { commandLine_.cancel(); }

bool Cad::pollQuiescent() {
  if (commandLine_.busy()) {
    UserAction a;
    if (user_.take(a)) {
      switch (a.kind) {
        case UserAction::Kind::PickPoint:
        case UserAction::Kind::PickEntity: commandLine_.pointPicked(a.point); break;
        case UserAction::Kind::Escape: escape(); break;
        case UserAction::Kind::Finish: commandLine_.enter(); break;
        case UserAction::Kind::Close: close(); break;
        case UserAction::Kind::Select:
        case UserAction::Kind::Wait: break;
      }
    }
  }
  if (closed_) throw platform::AutomationError(u"RPC サーバーを利用できません。", kServerUnavailable);
  return !commandLine_.busy();
}

UserAction Cad::awaitUser() {
  UserAction a;
  for (;;) {
    if (user_.take(a)) {
      if (a.kind == UserAction::Kind::Wait) continue;  // the user takes a while; a blocking call just waits
      if (a.kind == UserAction::Kind::Close) {
        close();
        throw platform::AutomationError(u"RPC サーバーを利用できません。", kServerUnavailable);
      }
      return a;
    }
    if (!user_.onStarved || !user_.onStarved())
      throw platform::AutomationError(u"stand-in CAD: no user action scripted", kFail);
  }
}

void Cad::failMember(text::u16view member, text::u16 message, int times) {
  failures_[text::upperAscii(member)] = {std::move(message), times};
}

void Cad::checkCall(text::u16view object, text::u16view member) {
  if (closeCountdown_ >= 0 && closeCountdown_-- == 0) {
    close();
    if (onClosed) onClosed();
  }
  if (closed_) throw platform::AutomationError(u"RPC サーバーを利用できません。", kServerUnavailable);
  auto it = failures_.find(text::upperAscii(member));
  if (it != failures_.end()) {
    text::u16 message = it->second.message;
    if (it->second.times > 0 && --it->second.times == 0) failures_.erase(it);
    throw platform::AutomationError(message, kFail);
  }
  if (options_.rejectWhileBusy && commandLine_.busy() && object != u"Application" && object != u"State")
    throw platform::AutomationError(u"呼び出し先が呼び出しを拒否しました。", static_cast<std::int32_t>(0x80010001));
}

}  // namespace surva::sim
