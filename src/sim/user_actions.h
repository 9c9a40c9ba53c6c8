#pragma once
// What the user does in the CAD, scripted: tests and the demo queue actions
// and the CAD takes them whenever it waits for the user.
#include <deque>
#include <functional>
#include <vector>

#include "sim/vec3.h"
#include "text/u16.h"

namespace surva::sim {

struct UserAction {
  enum class Kind {
    PickPoint,   // a click in the drawing at `point` (on no entity)
    PickEntity,  // a click on the entity `handles[0]` at `point`
    Select,      // a window selection of `handles`
    Finish,      // Enter: ends a selection, or a prompt without answer
    Escape,      // the Esc key
    Wait,        // the user is still busy for `polls` state polls
    Close,       // the user closes the CAD
  };
  Kind kind = Kind::Finish;
  Vec3 point;
  std::vector<text::u16> handles;
  int polls = 0;

  static UserAction pickPoint(Vec3 p) { return {Kind::PickPoint, p, {}, 0}; }
  static UserAction pickEntity(text::u16 handle, Vec3 p = {}) { return {Kind::PickEntity, p, {std::move(handle)}, 0}; }
  static UserAction select(std::vector<text::u16> handles) { return {Kind::Select, {}, std::move(handles), 0}; }
  static UserAction finish() { return {Kind::Finish, {}, {}, 0}; }
  static UserAction escape() { return {Kind::Escape, {}, {}, 0}; }
  static UserAction wait(int polls) { return {Kind::Wait, {}, {}, polls}; }
  static UserAction close() { return {Kind::Close, {}, {}, 0}; }
};

class UserActions {
 public:
  void push(UserAction a) { queue_.push_back(std::move(a)); }
  bool empty() const { return queue_.empty(); }
  std::size_t size() const { return queue_.size(); }
  void clear() { queue_.clear(); }
  // The next action, or none. A Wait action is handed out once per call
  // until its polls are used up.
  bool take(UserAction& out);

  // Asked when the CAD blocks for the user and nothing is queued; a host
  // with a real window waits for input here and returns true when it queued
  // something. Without it the blocking call fails instead of hanging.
  std::function<bool()> onStarved;

 private:
  std::deque<UserAction> queue_;
};

}  // namespace surva::sim
