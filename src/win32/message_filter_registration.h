#pragma once
// The main window's start-up registers the CAD link's message filter and
// its shutdown revokes it, through this adapter.
#include "app/message_filter_registration.h"
#include "win32/message_filter.h"

namespace surva::win32 {

class ComMessageFilterRegistration final : public app::MessageFilterRegistration {
 public:
  ComMessageFilterRegistration() : filter_(TMessageFilter::Create()) {}
  ~ComMessageFilterRegistration() override {
    filter_->RevokeFilter();
    filter_->Release();
  }
  ComMessageFilterRegistration(const ComMessageFilterRegistration&) = delete;
  ComMessageFilterRegistration& operator=(const ComMessageFilterRegistration&) = delete;

  // COM refuses only outside a single-threaded apartment; the program then
  // runs without the busy retry, as it would without the filter.
  void registerFilter() override { filter_->RegisterFilter(); }
  void revokeFilter() override { filter_->RevokeFilter(); }

 private:
  TMessageFilter* filter_;
};

}  // namespace surva::win32
