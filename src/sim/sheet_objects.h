#pragma once
// The stand-in spreadsheet's automation object model, as platform::Object
// handles: Application -> ActiveWorkbook -> ActiveSheet -> Cells / Rows /
// Columns ranges with Select and Value. Member names match without regard
// to case; get and call are interchangeable as with IDispatch; failures are
// platform::AutomationError with the spreadsheet's code.
#include <memory>

#include "platform/automation.h"
#include "sim/sheet_model.h"

namespace surva::sim {

platform::ObjectPtr makeSheetApplication(std::shared_ptr<Spreadsheet> sheet);

}  // namespace surva::sim
