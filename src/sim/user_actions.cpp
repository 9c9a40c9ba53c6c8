#include "sim/user_actions.h"

namespace surva::sim {

bool UserActions::take(UserAction& out) {
  if (queue_.empty()) return false;
  UserAction& front = queue_.front();
  if (front.kind == UserAction::Kind::Wait) {
    out = front;
    if (--front.polls <= 0) queue_.pop_front();
    return true;
  }
  out = std::move(front);
  queue_.pop_front();
  return true;
}

}  // namespace surva::sim
