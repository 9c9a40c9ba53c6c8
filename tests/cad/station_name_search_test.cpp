// The indexed station-name search names every row exactly as the search
// over every text does, and the rules a surveyor sees hold.
#include <gtest/gtest.h>

#include <random>

#include "cad/list_from_store.h"
#include "literal_name_search.h"
#include "text/number.h"

namespace surva::cad {
namespace {

TTextBlk text(text::u16 s, double x, double y, text::u16 layer = u"0") {
  TTextBlk t;
  t.str = std::move(s);
  t.pt10 = {x, y, 0};
  t.layer = std::move(layer);
  return t;
}

ui::TextGrid rowsAt(const std::vector<std::pair<double, double>>& points) {
  ui::TextGrid g(5, static_cast<int>(points.size()) + 1);
  for (std::size_t i = 0; i < points.size(); ++i) {
    g.setCell(1, static_cast<int>(i) + 1, text::formatGeneral(points[i].first));
    g.setCell(2, static_cast<int>(i) + 1, text::formatGeneral(points[i].second));
  }
  return g;
}

std::vector<text::u16> names(const ui::TextGrid& g) {
  std::vector<text::u16> out;
  for (int r = 1; r < g.rowCount(); ++r) out.push_back(g.cell(0, r));
  return out;
}

ListingOptions searchWithin(double range) {
  ListingOptions o;
  o.nameSearch = true;
  o.range = range;
  return o;
}

TEST(StationNameSearch, NearestTextInsideTheOpenBoxNamesTheRow) {
  HarvestStore s;
  s.texts = {text(u"FAR", 1.5, 0), text(u"EDGE", 2, 0), text(u"A,B", 0.1, 0), text(u"NEAR", 0.5, 0.5),
             text(u"TIE", 0.5, -0.5)};
  ui::TextGrid g = rowsAt({{0, 0}, {10, 10}});
  g.setCell(0, 2, u"keep");
  NameRowsAfterNearestTexts(s, searchWithin(2), g);
  // |dx| = range is outside; the comma text is nearest but never a name; of
  // two texts at the same distance the earlier wins; unnamed rows keep theirs.
  EXPECT_EQ(names(g), (std::vector<text::u16>{u"NEAR", u"keep"}));
}

TEST(StationNameSearch, LayerFilterComparesUpperCasedAndAnEmptyLayerAdmitsAll) {
  HarvestStore s;
  s.texts = {text(u"ON-OTHER", 0.1, 0, u"OTHER"), text(u"ON-NAME", 0.2, 0, u"NAME")};
  ListingOptions o = searchWithin(1);
  o.layerFilter = true;
  o.layer = u"name";
  ui::TextGrid g = rowsAt({{0, 0}});
  NameRowsAfterNearestTexts(s, o, g);
  EXPECT_EQ(g.cell(0, 1), u"ON-NAME");
  o.layer.clear();
  NameRowsAfterNearestTexts(s, o, g);
  EXPECT_EQ(g.cell(0, 1), u"ON-OTHER");
}

// Random stores on a quarter-unit lattice, so that equal distances and
// anchors exactly on the box edge are common; clustered and spread anchors,
// comma texts, every justification, the user frame and the layer filter.
TEST(StationNameSearch, IndexedSearchNamesEveryRowAsTheSearchOverEveryText) {
  std::mt19937 rng(7);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  auto lattice = [&](int span) { return pick(span * 4 + 1) * 0.25 - span / 2.0; };
  const double ranges[] = {0.25, 0.5, 1, 1.25, 3, 40, 0, -1};
  const char16_t* layers[] = {u"a", u"A", u"B", u""};
  const char16_t* strings[] = {u"P1", u"P2", u"B-3", u"1,2", u"X", u"NO.7", u",", u"P1"};
  for (int round = 0; round < 3000; ++round) {
    HarvestStore s;
    const bool clustered = round % 2 == 0;
    const int span = clustered ? 4 : 60;
    const int texts = pick(40);
    for (int i = 0; i < texts; ++i) {
      TTextBlk t = text(strings[pick(8)], lattice(span), lattice(span), layers[pick(4)]);
      t.pt11 = {lattice(span), lattice(span), 0};
      t.code72 = static_cast<std::int16_t>(pick(6));
      t.code73 = static_cast<std::int16_t>(pick(3) == 0 ? pick(4) : 0);
      s.texts.push_back(t);
    }
    ListingOptions o = searchWithin(ranges[pick(8)]);
    o.layerFilter = pick(2) == 0;
    o.layer = layers[pick(4)];
    o.ucs = pick(4) == 0;
    if (o.ucs) s.ucs = {{0.6, 0.8, 0}, {-0.8, 0.6, 0}, {lattice(span), lattice(span), 0}};
    std::vector<std::pair<double, double>> points;
    for (int i = pick(30); i > 0; --i) points.push_back({lattice(span), lattice(span)});
    ui::TextGrid g = rowsAt(points);
    if (g.rowCount() > 2) g.setCell(2, 1, {});        // a row without Y is passed over
    if (g.rowCount() > 3) g.setCell(1, 2, u"abc");    // not a number: 0
    ui::TextGrid expected = g;
    literal::nameRowsAfterNearestTexts(s, o, expected);
    NameRowsAfterNearestTexts(s, o, g);
    ASSERT_EQ(names(g), names(expected)) << "round " << round;
  }
}

}  // namespace
}  // namespace surva::cad
