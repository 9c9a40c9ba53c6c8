#include "sheet/excel_link.h"

#include "text/error.h"

namespace surva::sheet {

using text::u16;

namespace {

// A chart sheet has no cells: no sheet to use, as when none is active. A
// sheet without the member `Type` (compatible spreadsheets register the
// same ProgID) is taken as a worksheet: only a type read that says
// otherwise rules the sheet out.
bool isWorksheet(platform::Object& sheet) {
  try {
    return sheet.get(u"Type").toInt() == kXlWorksheet;
  } catch (const platform::AutomationError& e) {
    if (platform::IsMissingMember(e)) return true;
    throw;
  }
}

}  // namespace

bool GetExcelApp(ExcelLink& link) {
  auto& at = link.at;
  at.EXcelHandle = link.services.windows->findWindow(kExcelWindowClass, u"");
  if (at.EXcelHandle == 0) return false;
  try {
    auto* automation = link.services.automation;
    std::optional<platform::ClassId> classId;
    if (automation) classId = automation->classFromProgId(kExcelProgId);
    platform::ObjectPtr app = classId ? automation->activeObject(*classId) : nullptr;
    // The window without a running object: not ready yet, or not ours.
    if (!app) throw platform::AutomationError(u"実行中のオブジェクトがありません");
    at.MSExcel = app;
    at.WorkBook = at.MSExcel->get(u"ActiveWorkBook").toObject();
    const u16 bookName = at.WorkBook->get(u"Name").toText();
    link.setCaption(link.appTitle + u" - " + bookName);
    at.WorkSheet = at.WorkBook->get(u"ActiveSheet").toObject();
    const u16 sheetName = at.WorkSheet->get(u"Name").toText();
    if (!isWorksheet(*at.WorkSheet)) throw platform::AutomationError(u"ワークシートではありません");
    link.setCaption(link.appTitle + u" [ " + sheetName + u" ] ");
  } catch (const std::exception&) {
    at.EXcelHandle = 0;
  }
  return at.EXcelHandle != 0;
}

namespace {

// False when the sheet did not answer.
bool selectWhole(ExcelLink& link, const char16_t* member, std::int32_t index) {
  auto& at = link.at;
  if (at.EXcelHandle == 0 || !at.WorkSheet) return false;
  try {
    at.WorkSheet->get(member, {platform::Variant(index)}).toObject()->call(u"Select");
    link.services.windows->setForegroundWindow(at.EXcelHandle);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

void ExcelRowSelect(ExcelLink& link, std::int32_t n) {
  if (n <= 0) return;
  const bool kept = link.at.EXcelHandle != 0;
  if (!kept) GetExcelApp(link);
  // The kept sheet may belong to a spreadsheet closed (and maybe started
  // again) since: then attach anew once, or the row would never be shown.
  if (!selectWhole(link, u"Rows", n) && kept && GetExcelApp(link)) selectWhole(link, u"Rows", n);
}

void ExcelColSelect(ExcelLink& link, std::int32_t c) {
  if (c <= 0) return;
  GetExcelApp(link);
  selectWhole(link, u"Columns", c);
}

}  // namespace surva::sheet
