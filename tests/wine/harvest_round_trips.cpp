// Round trips of a harvest through real COM: for each entity kind, the
// Invoke, GetIDsOfNames, GetTypeInfo and GetTypeAttr calls the stand-in CAD
// served per entity, and the time per 1,000 entities, with member IDs
// shared by type and (for comparison) asked by every object. Prints a table
// for the closing note; checks the counts, never the time.
#include <cstdio>
#include <functional>

#include "cad/read_selection.h"
#include "cad/temp_selection_set.h"
#include "e2e.h"
#include "platform/automation.h"
#include "wine/cad_sim_process.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"
#include "win32/type_dispid_cache.h"

namespace {

using surva::platform::Object;
using surva::platform::ObjectPtr;
using surva::platform::Variant;
namespace cad = surva::cad;

constexpr int kEntities = 20;

struct Quiet : cad::HarvestProgress {
  void setMax(int) override {}
  void setPosition(int) override {}
  void setStatus(const surva::text::u16&) override {}
  void processMessages() override {}
};

struct Kind {
  const char* name;
  std::function<Variant(Object& space, int i)> add;
  int members;  // Invokes per entity besides Item: the members the harvest reads
};

int count(Object& sim, const char16_t* member) { return sim.call(member).toInt(); }

}  // namespace

int main() {
  return e2e::run([] {
    surva::win32::ComApartment com;
    surva::win32::ComAutomation automation;
    e2e::CadSimProcess server(L"--progid SurvaSim.RoundTrips --register");
    E2E_REQUIRE(server.started());
    ObjectPtr sim = e2e::runningObject(automation, u"SurvaSim.RoundTrips");
    E2E_REQUIRE(sim != nullptr);
    ObjectPtr doc = sim->get(u"ActiveDocument").toObject();
    ObjectPtr space = doc->get(u"ModelSpace").toObject();
    for (auto m : {u"SimResetCounts", u"SimGetIDsOfNamesCount", u"SimCallTotal", u"SimTypeInfoCount",
                   u"SimTypeAttrCount"})
      sim->call(m);  // their own name lookups happen now, not while counting

    auto xy = [](int i) { return Variant::point(i, 2 * i, 0); };
    auto pl = [](int i) { return Variant(std::vector<double>{double(i), 0, double(i), 1, double(i) + 1, 1}); };
    const Kind kinds[] = {
        {"line", [&](Object& s, int i) { return s.call(u"AddLine", {xy(i), xy(i + 1)}); }, 5},
        {"circle", [&](Object& s, int i) { return s.call(u"AddCircle", {xy(i), Variant(1.0)}); }, 5},
        {"text", [&](Object& s, int i) { return s.call(u"AddText", {Variant(u"P"), xy(i), Variant(1.0)}); }, 11},
        {"point", [&](Object& s, int i) { return s.call(u"AddPoint", {xy(i)}); }, 3},
        // 7 members and one GetBulge for each of the three vertices.
        {"lwpolyline", [&](Object& s, int i) { return s.call(u"AddLightWeightPolyline", {pl(i)}); }, 10},
    };

    std::printf("%-11s %-7s %9s %9s %9s %9s %12s\n", "kind", "ids", "Invoke", "GetIDs", "TypeInfo", "TypeAttr",
                "ms/1000");
    for (const Kind& k : kinds) {
      std::vector<surva::text::u16> handles;
      for (int i = 0; i < kEntities; ++i) handles.push_back(k.add(*space, i).toObject()->get(u"Handle").toText());
      for (bool shared : {false, true}) {
        surva::win32::type_dispids::setShared(shared);
        surva::win32::type_dispids::clear();
        ObjectPtr set = cad::GetTempSelectionSet(*doc);
        for (auto& h : handles) sim->call(u"SimQueueSelect", {Variant(h)});
        sim->call(u"SimQueueFinish");
        set->call(u"SelectOnScreen", {Variant(), Variant()});
        sim->call(u"SimResetCounts");
        Quiet quiet;
        cad::HarvestStore store;
        LARGE_INTEGER f, a, b;
        QueryPerformanceFrequency(&f);
        QueryPerformanceCounter(&a);
        cad::ReadSelection(*set, cad::HarvestMode::MainList, quiet, store);
        QueryPerformanceCounter(&b);
        const double perEntity = 1.0 / kEntities;
        // The set's Count is one Invoke of the whole harvest.
        const double invokes = (count(*sim, u"SimCallTotal") - 1) * perEntity;
        const double ids = count(*sim, u"SimGetIDsOfNamesCount") * perEntity;
        const double infos = count(*sim, u"SimTypeInfoCount") * perEntity;
        const int attrs = count(*sim, u"SimTypeAttrCount");
        const double ms = double(b.QuadPart - a.QuadPart) * 1000.0 / double(f.QuadPart) * 1000.0 / kEntities;
        std::printf("%-11s %-7s %9.2f %9.2f %9.2f %9d %12.0f\n", k.name, shared ? "shared" : "own", invokes, ids,
                    infos, attrs, ms);
        E2E_CHECK_EQ(store.countedEntities() + store.arcs.size(), std::size_t(kEntities));
        E2E_CHECK_EQ(invokes, double(k.members + 1));
        if (shared) {
          // Only the first entity of the kind asks for its member names
          // (and the new set for Count and Item).
          E2E_CHECK(ids * kEntities < k.members + 2.5);
          E2E_CHECK_EQ(infos, 1.0);
          E2E_CHECK(attrs <= 1);
        } else {
          E2E_CHECK(ids >= 3);  // every entity asks again
        }
        set->call(u"Delete");
      }
    }
  });
}
