#pragma once

#include "reports/report.h"

namespace tirelou::ui {

class Grid;

// Shows the screen rows of a report in a four-column grid, row 0 holding the column names.
// Headings and totals are bold; amounts stand on the right.
void FillReportGrid(Grid& grid, const Report& report);

} // namespace tirelou::ui
