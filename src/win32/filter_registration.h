#pragma once
// The message filter of the CAD link registered for the run, as start-up
// and shutdown ask for it.
#include "app/message_filter_registration.h"
#include "win32/message_filter.h"

namespace surva::win32 {

class FilterRegistration : public app::MessageFilterRegistration {
 public:
  ~FilterRegistration() override { revokeFilter(); }
  void registerFilter() override {
    if (filter_) return;
    filter_ = TMessageFilter::Create();
    if (!filter_->RegisterFilter()) {
      filter_->Release();
      filter_ = nullptr;
    }
  }
  void revokeFilter() override {
    if (!filter_) return;
    filter_->RevokeFilter();
    filter_->Release();
    filter_ = nullptr;
  }

 private:
  TMessageFilter* filter_ = nullptr;
};

}  // namespace surva::win32
