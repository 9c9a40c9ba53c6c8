#pragma once
// Attaching to the running spreadsheet, and selecting a whole row or column
// of its sheet so that the user sees which cells the lists will use.
#include <functional>

#include "platform/services.h"

namespace surva::sheet {

inline constexpr char16_t kExcelWindowClass[] = u"XLMAIN";
inline constexpr char16_t kExcelProgId[] = u"Excel.Application";
// A sheet's Type when it is a worksheet (a chart sheet answers its chart type).
inline constexpr std::int32_t kXlWorksheet = -4167;

// The main window's four fields that keep the last attachment.
struct ExcelAttachment {
  platform::WindowHandle& EXcelHandle;  // 0 while not attached
  platform::ObjectPtr& MSExcel;         // the Application object
  platform::ObjectPtr& WorkBook;        // the workbook active at the last attach
  platform::ObjectPtr& WorkSheet;       // the sheet active at the last attach
};

// What the operations of the link need from the main window.
struct ExcelLink {
  const platform::Services& services;
  ExcelAttachment at;
  text::u16 appTitle;
  std::function<void(const text::u16&)> setCaption;
};

// Finds the spreadsheet's window and attaches to its active workbook and
// sheet (objects it returns are never null: an automation read that
// returns nothing fails); the caption then names the sheet. Every failure is silent and
// leaves EXcelHandle 0; an active sheet whose `Type` says it is no
// worksheet (a chart sheet) fails too, while one without `Type` counts as a
// worksheet. True when attached.
bool GetExcelApp(ExcelLink& link);

// Selects worksheet row n (n > 0) of the sheet of the last attach (attaching
// first only when not attached; attaching anew when that sheet does not
// answer) and brings the spreadsheet to the front. Errors are ignored.
void ExcelRowSelect(ExcelLink& link, std::int32_t n);
// Selects column c (A = 1) of the sheet active now: always attaches first.
void ExcelColSelect(ExcelLink& link, std::int32_t c);

}  // namespace surva::sheet
