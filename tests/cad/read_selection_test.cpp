// Reading a selection into the harvest store, against the in-process
// stand-in CAD and, for values a CAD should never send, a scripted entity.
#include <gtest/gtest.h>

#include <map>
#include <numbers>

#include "cad/read_selection.h"
#include "cad/temp_selection_set.h"
#include "cad_fixture.h"

namespace surva::cadtest {
namespace {

using platform::Variant;
using platform::VariantArray;

struct RecordingProgress : cad::HarvestProgress {
  void setMax(int m) override { events.push_back("max " + std::to_string(m)); }
  void setPosition(int p) override { position = p; }
  void setStatus(const text::u16& t) override { events.push_back(text::toUtf8(t)); }
  void processMessages() override { events.push_back("messages at " + std::to_string(position)); }
  std::vector<std::string> events;
  int position = -1;
};

struct ReadSelectionTest : ::testing::Test, CadFixture {
  // Selects the entities in `handles` order into "ssTemp".
  platform::ObjectPtr selected(const std::vector<text::u16>& handles) {
    auto set = cad::GetTempSelectionSet(*doc());
    cad->user().push(sim::UserAction::select(handles));
    cad->user().push(sim::UserAction::finish());
    set->call(u"SelectOnScreen", {Variant(), Variant()});
    return set;
  }
  text::u16 add(sim::Entity e) { return cad->drawing().add(std::move(e)).handle; }
  cad::HarvestStore store;
  RecordingProgress progress;
};

TEST_F(ReadSelectionTest, EveryKindGoesToItsArrayAndOthersArePassedOver) {
  sim::Entity lw = sim::makeLwPolyline({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}, 10, true);
  lw.bulges[1] = 0.5;
  std::vector<text::u16> h = {
      add(sim::makeBlockRef(u"B", {0, 0, 0})),
      add(lw),
      add(sim::makePolyline3d({{1, 2, 3}, {4, 5, 6}}, false)),
      add(sim::makePolyline2d({{7, 8, 0}}, 2, false)),
      add(sim::makeArc({1, 1, 0}, 2, 0, std::numbers::pi / 2)),
      add(sim::makeEllipse({0, 0, 0}, {4, 0, 0}, 0.5, 0, std::numbers::pi)),
      add(sim::makeLine({0, 0, 0}, {1, 2, 3})),
      add(sim::makeCircle({5, 6, 7}, 3)),
      add(sim::makeText(u"R1", {20, 30, 0}, 2.5, sim::kRight, sim::kBaseline, u"TX")),
      add(sim::makePoint({1, 2, 3}, u"PT")),
      add(sim::makeMText(u"note", {0, 0, 0}, 2.5)),
  };
  const int n = cad::ReadSelection(*selected(h), cad::HarvestMode::MainList, progress, store);
  EXPECT_EQ(n, 7);  // 3 polylines, line, circle, text, point; arcs and ellipses are not counted

  ASSERT_EQ(store.polylines.size(), 3u);
  const cad::TLwpBlk& p = store.polylines[0];
  EXPECT_EQ(p.code70, 1);
  EXPECT_EQ(p.code38, 10);
  EXPECT_EQ(p.hand, h[1]);
  EXPECT_EQ(store.polylines[1].code210.z, 1);
  EXPECT_EQ(store.polylines[2].code38, 2);
  ASSERT_EQ(store.vertices.size(), 7u);
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(store.vertices[j].code10.z, 10);
    EXPECT_EQ(store.vertices[j].hand, h[1]);
  }
  EXPECT_EQ(store.vertices[1].code42, 0.5);
  EXPECT_EQ(store.vertices[5].code10.z, 6);  // 3D: z from the coordinates
  EXPECT_EQ(store.vertices[5].code42, 0);
  EXPECT_EQ(store.vertices[6].code10.z, 2);  // 2D: z is the elevation

  ASSERT_EQ(store.arcs.size(), 1u);
  EXPECT_EQ(store.arcs[0].stdeg, 0);
  EXPECT_EQ(store.arcs[0].eddeg, 90);
  ASSERT_EQ(store.ellipses.size(), 1u);
  EXPECT_EQ(store.ellipses[0].owari, 180);
  EXPECT_EQ(store.ellipses[0].henpei, 0.5);
  ASSERT_EQ(store.lines.size(), 1u);
  EXPECT_EQ(store.lines[0].ed.z, 3);
  ASSERT_EQ(store.circles.size(), 1u);
  EXPECT_EQ(store.circles[0].hankei, 3);
  ASSERT_EQ(store.texts.size(), 1u);
  const cad::TTextBlk& t = store.texts[0];
  EXPECT_EQ(t.str, u"R1");
  EXPECT_EQ(t.layer, u"TX");
  EXPECT_EQ(t.code72, sim::kRight);
  EXPECT_EQ(t.pt11.x, 20);  // a right-aligned text sits at its alignment point
  EXPECT_NE(t.pt10.x, 20);
  EXPECT_EQ(t.color, 256);
  ASSERT_EQ(store.points.size(), 1u);
  EXPECT_EQ(store.points[0].layer, u"PT");
  EXPECT_EQ(store.points[0].pt.y, 2);
}

TEST_F(ReadSelectionTest, ProgressShowsEachEntityAndEndsAtZero) {
  std::vector<text::u16> h = {add(sim::makeArc({0, 0, 0}, 1, 0, 1)), add(sim::makeArc({0, 0, 0}, 2, 0, 1))};
  auto set = selected(h);
  EXPECT_EQ(cad::ReadSelection(*set, cad::HarvestMode::MainList, progress, store), 0);
  EXPECT_EQ(store.arcs.size(), 2u);
  EXPECT_EQ(progress.events,
            (std::vector<std::string>{"max 2", "1 / 2", "messages at 1", "2 / 2", "messages at 2"}));
  EXPECT_EQ(progress.position, 0);
  progress.events.clear();
  cad::ReadSelection(*set, cad::HarvestMode::TextList, progress, store);
  EXPECT_EQ(progress.events, (std::vector<std::string>{"max 2", "messages at 1", "messages at 2"}));
  EXPECT_EQ(store.arcs.size(), 2u);  // replaced, not appended
}

TEST_F(ReadSelectionTest, CadGoneMidwayEndsTheHarvestAndKeepsWhatWasRead) {
  std::vector<text::u16> h;
  for (int i = 0; i < 5; ++i) h.push_back(add(sim::makePoint({double(i), 0, 0})));
  auto set = selected(h);
  store.texts.resize(3);  // from an earlier harvest
  // Count, then Item, EntityName, Coordinates and Layer per point: the
  // third point's Coordinates is the first call that fails.
  cad->closeAfterCalls(1 + 4 * 2 + 2);
  EXPECT_THROW(cad::ReadSelection(*set, cad::HarvestMode::MainList, progress, store), platform::AutomationError);
  EXPECT_EQ(store.points.size(), 2u);
  EXPECT_TRUE(store.texts.empty());
}

// An entity whose members answer from a table, for values the stand-in
// never sends.
class ScriptedEntity : public platform::Object {
 public:
  explicit ScriptedEntity(std::map<text::u16, Variant> members) : members_(std::move(members)) {}
  Variant get(text::u16view m, const VariantArray& = {}) override {
    auto it = members_.find(text::upperAscii(m));
    if (it == members_.end()) throw platform::AutomationError(u"不明な名前です。");
    return it->second;
  }
  void put(text::u16view, const Variant&) override {}
  Variant call(text::u16view m, const VariantArray& a = {}) override { return get(m, a); }

 private:
  std::map<text::u16, Variant> members_;
};

class ScriptedSet : public platform::Object {
 public:
  std::vector<platform::ObjectPtr> items;
  Variant get(text::u16view m, const VariantArray& a = {}) override {
    if (text::upperAscii(m) == u"COUNT") return std::int32_t(items.size());
    return items.at(static_cast<std::size_t>(a.at(0).toInt()));
  }
  void put(text::u16view, const Variant&) override {}
  Variant call(text::u16view m, const VariantArray& a = {}) override { return get(m, a); }
};

platform::ObjectPtr lwPolyline(Variant coordinates) {
  return std::make_shared<ScriptedEntity>(std::map<text::u16, Variant>{
      {u"ENTITYNAME", Variant(u"AcDbPolyline")}, {u"NORMAL", Variant::point(0, 0, 1)}, {u"HANDLE", Variant(u"A1")},
      {u"ELEVATION", Variant(0.0)}, {u"THICKNESS", Variant(0.0)}, {u"CLOSED", Variant(false)},
      {u"COORDINATES", std::move(coordinates)}, {u"GETBULGE", Variant(0.0)}});
}

TEST(ReadSelectionInput, OddEmptyOrMissingCoordinatesNeverReadPastTheArray) {
  ScriptedSet set;
  set.items = {lwPolyline(std::vector<double>{1, 2, 3, 4, 5}), lwPolyline(std::vector<double>{}),
               std::make_shared<ScriptedEntity>(std::map<text::u16, Variant>{{u"ENTITYNAME", Variant(u"AcDbWipeout")}})};
  cad::HarvestStore store;
  RecordingProgress progress;
  EXPECT_EQ(cad::ReadSelection(set, cad::HarvestMode::TextList, progress, store), 2);
  ASSERT_EQ(store.vertices.size(), 2u);  // the odd fifth number is no vertex
  EXPECT_EQ(store.vertices[1].code10.x, 3);
  // Coordinates that are no array at all end the harvest with an error.
  set.items = {lwPolyline(Variant(1.5))};
  EXPECT_THROW(cad::ReadSelection(set, cad::HarvestMode::TextList, progress, store), std::exception);
}

}  // namespace
}  // namespace surva::cadtest
