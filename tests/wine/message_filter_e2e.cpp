// The program's OLE message filter in a real apartment: it registers over the
// filter already there, answers as the CAD link needs, lets a call to a busy
// CAD through but gives up on one that stays busy, and revoking puts the old
// filter back and releases it.
#include <objbase.h>

#include "cad_sim_process.h"

#include "win32/com_apartment.h"
#include "win32/class_registration.h"
#include "win32/com_automation.h"
#include "win32/message_filter.h"

using namespace surva;
using platform::Variant;

namespace {

// The filter registered before the program's.
class PreviousFilter final : public IMessageFilter {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
      *out = this;
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // lives on the stack
  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override { return 0; }
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return DWORD(-1); }
  DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return 2; }
  ULONG refs = 1;
};

// The filter now registered (swapped out and straight back in).
IMessageFilter* currentFilter() {
  IMessageFilter* current = nullptr;
  CoRegisterMessageFilter(nullptr, &current);
  CoRegisterMessageFilter(current, nullptr);
  if (current) current->Release();
  return current;
}

// Passes every question to the program's filter and counts the retries COM
// asked for.
class CountingFilter final : public IMessageFilter {
 public:
  explicit CountingFilter(IMessageFilter* inner) : inner_(inner) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD t, HTASK h, DWORD c, LPINTERFACEINFO i) override {
    return inner_->HandleInComingCall(t, h, c, i);
  }
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK h, DWORD c, DWORD type) override {
    ++retries;
    return inner_->RetryRejectedCall(h, c, type);
  }
  DWORD STDMETHODCALLTYPE MessagePending(HTASK h, DWORD c, DWORD type) override {
    ++pending;
    return inner_->MessagePending(h, c, type);
  }
  int retries = 0;
  int pending = 0;

 private:
  IMessageFilter* inner_;
};

ULONG refsOf(IUnknown* p) {
  p->AddRef();
  return p->Release();
}

void registersOverThePreviousFilterAndRevokes() {
  PreviousFilter previous;
  E2E_REQUIRE(SUCCEEDED(CoRegisterMessageFilter(&previous, nullptr)));
  E2E_CHECK_EQ(previous.refs, 2UL);  // ours and COM's

  win32::TMessageFilter* filter = win32::TMessageFilter::Create();
  E2E_CHECK(filter->FOldFilter == nullptr);
  E2E_REQUIRE(filter->RegisterFilter());
  E2E_CHECK(filter->FOldFilter == &previous);
  E2E_CHECK(currentFilter() == filter);
  E2E_CHECK_EQ(refsOf(filter), 2UL);  // the program's and COM's

  filter->RevokeFilter();
  E2E_CHECK(currentFilter() == &previous);
  E2E_CHECK(filter->FOldFilter == nullptr);
  E2E_CHECK_EQ(refsOf(filter), 1UL);  // the handed-back reference was released
  E2E_CHECK_EQ(previous.refs, 2UL);   // COM holds it again, nothing leaked
  filter->Release();                  // ends its life

  CoRegisterMessageFilter(nullptr, nullptr);
  E2E_CHECK_EQ(previous.refs, 1UL);
}

void revokingWithNoPreviousFilterLeavesNone() {
  win32::TMessageFilter* filter = win32::TMessageFilter::Create();
  E2E_REQUIRE(filter->RegisterFilter());
  E2E_CHECK(filter->FOldFilter == nullptr);
  // A second registration changes nothing.
  E2E_CHECK(filter->RegisterFilter());
  E2E_CHECK(filter->FOldFilter == nullptr);
  filter->RevokeFilter();
  E2E_CHECK(currentFilter() == nullptr);
  filter->RevokeFilter();  // once revoked, again is harmless
  E2E_CHECK_EQ(refsOf(filter), 1UL);
  filter->Release();
}

void answersThroughTheComInterface() {
  win32::TMessageFilter* filter = win32::TMessageFilter::Create();
  IMessageFilter* f = filter;
  E2E_CHECK_EQ(f->HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr), DWORD(SERVERCALL_ISHANDLED));
  E2E_CHECK_EQ(f->RetryRejectedCall(nullptr, 0, SERVERCALL_RETRYLATER), DWORD(1000));
  E2E_CHECK_EQ(f->RetryRejectedCall(nullptr, 0, SERVERCALL_REJECTED), DWORD(-1));
  E2E_CHECK_EQ(f->MessagePending(nullptr, 0, PENDINGTYPE_TOPLEVEL), DWORD(PENDINGMSG_WAITNOPROCESS));
  filter->Release();
}

// The application object of a stand-in started as "SurvaSim.Filter".
platform::ObjectPtr filterCad(win32::ComAutomation& automation, e2e::CadSimProcess& server) {
  E2E_REQUIRE(server.started());
  auto app = e2e::runningObject(automation, u"SurvaSim.Filter");
  E2E_REQUIRE(app != nullptr);
  return app;
}

void callToABusyCadGoesThrough() {
  e2e::CadSimProcess server(L"--progid SurvaSim.Filter --register");
  win32::ComAutomation automation;
  auto app = filterCad(automation, server);
  win32::TMessageFilter* filter = win32::TMessageFilter::Create();
  CountingFilter counting(filter);
  E2E_REQUIRE(SUCCEEDED(CoRegisterMessageFilter(&counting, nullptr)));

  app->call(u"SimBusy", {Variant(std::int32_t(1500))});
  ULONGLONG start = GetTickCount64();
  // On Windows COM asks the filter, which retries every 1000 ms until the
  // CAD takes the call; Wine runs the rejected call at once.
  bool answered = app->get(u"ActiveDocument").toObjectOrNull() != nullptr;
  ULONGLONG took = GetTickCount64() - start;
  E2E_CHECK(answered);
  int rejected = app->call(u"SimRejectedCount").toInt();
  e2e::note("busy CAD: call answered after " + std::to_string(took) + " ms; the CAD rejected " +
            std::to_string(rejected) + " call(s); RetryRejectedCall asked " + std::to_string(counting.retries) +
            " time(s), MessagePending " + std::to_string(counting.pending) + " time(s)");
  if (!win32::runningUnderWine()) {
    E2E_CHECK(counting.retries >= 1);
    E2E_CHECK(took >= 1000);
  }
  CoRegisterMessageFilter(nullptr, nullptr);
  filter->Release();
  app->call(u"SimQuit");
}

// A CAD that stays busy: the call is given up once it has waited the
// filter's limit (here 1.5 s instead of the program's minute) and fails, so
// the command can end with a message. Wine runs the rejected call at once.
void callToACadThatStaysBusyIsGivenUp() {
  e2e::CadSimProcess server(L"--progid SurvaSim.Filter --register");
  win32::ComAutomation automation;
  auto app = filterCad(automation, server);
  win32::TMessageFilter* filter = win32::TMessageFilter::Create(1500);
  E2E_CHECK_EQ(static_cast<IMessageFilter*>(filter)->RetryRejectedCall(nullptr, 1499, SERVERCALL_RETRYLATER),
               DWORD(1000));
  E2E_CHECK_EQ(static_cast<IMessageFilter*>(filter)->RetryRejectedCall(nullptr, 1500, SERVERCALL_RETRYLATER),
               DWORD(-1));
  E2E_REQUIRE(filter->RegisterFilter());

  app->call(u"SimBusy", {Variant(std::int32_t(600000))});
  ULONGLONG start = GetTickCount64();
  std::string outcome = "answered";
  try {
    app->get(u"ActiveDocument");
  } catch (const platform::AutomationError& e) {
    outcome = "failed with " + std::to_string(static_cast<std::uint32_t>(e.code()));
    E2E_CHECK_EQ(static_cast<std::uint32_t>(e.code()), static_cast<std::uint32_t>(RPC_E_CALL_REJECTED));
  }
  ULONGLONG took = GetTickCount64() - start;
  e2e::note("CAD busy for ten minutes: the call " + outcome + " after " + std::to_string(took) + " ms");
  if (!win32::runningUnderWine()) {
    E2E_CHECK(outcome != "answered");
    E2E_CHECK(took >= 1500 && took < 10000);
  }
  filter->RevokeFilter();
  filter->Release();
  server.stop();
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::ComApartment com;
    E2E_REQUIRE(com.ok());
    registersOverThePreviousFilterAndRevokes();
    revokingWithNoPreviousFilterLeavesNone();
    answersThroughTheComInterface();
    callToABusyCadGoesThrough();
    callToACadThatStaysBusyIsGivenUp();
  });
}
