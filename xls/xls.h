#pragma once

// Everything a user of the spreadsheet library needs: the workbook with its
// sheets, ranges and values, the font, fill and border objects of a range,
// the library's errors, and saving a workbook to a file or to memory.

#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/io/save_as.h"
#include "xls/model/errors.h"
#include "xls/model/range.h"
#include "xls/model/variant.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheet.h"
#include "xls/model/worksheets.h"
