// Every spreadsheet operation under every fault: the spreadsheet going away
// after each of its calls, and each member it uses failing. The user gets
// the normal result, or the list as it was with a report (read, write), or
// silence (the attach, the up-downs); the window stays as it was, and once
// the spreadsheet answers again the operation works.
#include <gtest/gtest.h>

#include <set>

#include "sheet/list_transfer.h"
#include "sheet_fixture.h"

namespace surva::sheettest {
namespace {

struct Rig : SheetFixture {
  Rig() {
    startSheet();
    ui::TextGrid& g = form.StringGrid1.cells();
    g.setRowCount(3);
    g.setRowCells(1, {u"P-1", u"5", u"6", u"", u"1"});
    g.setRowCells(2, {u"P-2", u"7", u"8", u"", u"2"});
    form.GroupBox2.setEnabled(true);
    earlier = listText(g);
  }
  // A spreadsheet that has just started, with two rows; it takes its window
  // with it when it closes.
  void startSheet() {
    excel = std::make_shared<sim::Spreadsheet>();
    automation.registerSheet(kProgId, excel);
    fill(1, {{u"A-1", u"1", u"2"}, {u"A-2", u"3", u"4"}});
    excel->onClose = [this, self = excel.get()] {
      if (excel.get() == self) showWindow(false);
    };
    showWindow(true);
  }
  std::string list() { return listText(form.StringGrid1.cells()); }
  bool selected(sim::SheetRange::Kind kind, int at) {
    const sim::SheetRange& s = sheet().selection;
    return s.kind == kind && (kind == sim::SheetRange::Kind::Row ? s.row : s.col) == at;
  }
  std::string earlier;
};

struct Operation {
  const char* name;
  bool reports;  // a failure after the attach is reported
  std::function<void(Rig&)> arrange;
  std::function<void(Rig&)> act;
  std::function<bool(Rig&)> normal;  // the result of a healthy run
};

const std::vector<Operation>& operations() {
  using K = sim::SheetRange::Kind;
  static const std::vector<Operation> ops{
      {"read", true, [](Rig&) {}, [](Rig& r) { r.form.Button1.click(); },
       [](Rig& r) { return r.list() == "A-1,1,2,,1\nA-2,3,4,,2\n" && !r.form.GroupBox2.enabled(); }},
      {"write", true, [](Rig&) {}, [](Rig& r) { r.form.Button5.click(); },
       // Every cell written, and the selection on the last one.
       [](Rig& r) { return r.sheet().cell(2, 3) == platform::Variant(8.0) && r.selected(K::Cell, 3); }},
      {"column up-down", false, [](Rig&) {}, [](Rig& r) { r.form.UpDown2.click(ui::UpDownButton::Up); },
       [](Rig& r) { return r.selected(K::Column, r.form.UpDown2.position() + 1); }},
      {"row up-down, attached before", false, [](Rig& r) { r.form.UpDown4.click(ui::UpDownButton::Up); },
       [](Rig& r) { r.form.UpDown4.click(ui::UpDownButton::Up); },
       [](Rig& r) { return r.selected(K::Row, r.form.UpDown4.position()); }},
  };
  return ops;
}

// Runs the operation under the fault that `arm` sets, then once more after
// `heal`, and checks what the user sees each time.
void tryFault(const Operation& op, const std::string& fault, const std::function<void(Rig&)>& arm,
              const std::function<void(Rig&)>& heal) {
  SCOPED_TRACE(std::string(op.name) + ", " + fault);
  Rig r;
  op.arrange(r);
  arm(r);
  op.act(r);
  const auto& shown = r.fakes.dialogs.shown;
  if (op.normal(r)) {
    EXPECT_TRUE(shown.empty());
  } else {
    const bool attached = r.form.EXcelHandle != 0;
    EXPECT_EQ(shown.size(), op.reports && attached ? 1u : 0u);
    for (const auto& m : shown) {
      EXPECT_EQ(m.icon, platform::Icon::Error);
      EXPECT_TRUE(m.message.find(u"RPC サーバーを利用できません") != text::u16::npos ||
                  m.message.find(u"呼び出しを拒否しました") != text::u16::npos)
          << text::toUtf8(m.message);
    }
    EXPECT_EQ(r.list(), r.earlier);
    EXPECT_TRUE(r.form.GroupBox2.enabled());
  }
  EXPECT_EQ(r.form.windowState(), ui::WindowState::Normal);
  heal(r);
  r.fakes.dialogs.shown.clear();
  op.act(r);
  EXPECT_TRUE(op.normal(r));
  EXPECT_TRUE(shown.empty());
}

TEST(SheetFaults, EveryCallAndEveryMemberOfEveryOperation) {
  for (const Operation& op : operations()) {
    long calls = 0;
    std::set<text::u16> members;
    {
      Rig r;
      op.arrange(r);
      r.excel->calls().clear();
      op.act(r);
      ASSERT_TRUE(op.normal(r)) << op.name;
      calls = static_cast<long>(r.excel->calls().records().size());
      for (const auto& c : r.excel->calls().records()) members.insert(c.member);
    }
    for (long k = 0; k <= calls; ++k)
      tryFault(op, "closed after " + std::to_string(k) + " calls", [k](Rig& r) { r.excel->closeAfter(k); },
               [](Rig& r) { r.startSheet(); });
    for (const text::u16& m : members)
      tryFault(op, "failing " + text::toUtf8(m), [m](Rig& r) { r.excel->failMember(m); },
               [](Rig& r) { r.excel->clearFailures(); });
  }
}

TEST(SheetFaults, AListDownToTheSheetsLastRowIsReadWhole) {
  Rig r;
  const std::int32_t last = sheet::kLastSheetRow;
  r.fill(last - 1, {{u"Z-1", u"1", u"2"}, {u"Z-2", u"3", u"4"}});
  sheet::ExcelLink link{r.fakes.services, {r.form.EXcelHandle, r.form.MSExcel, r.form.WorkBook, r.form.WorkSheet},
                        u"", [](const text::u16&) {}};
  EXPECT_EQ(sheet::ReadList(link, r.form.StringGrid1.cells(), {{1, 2, 3, 0}, last - 1}), sheet::ReadEnd::Finished);
  EXPECT_EQ(r.list(), "Z-1,1,2,,\nZ-2,3,4,,\n");
}

}  // namespace
}  // namespace surva::sheettest
