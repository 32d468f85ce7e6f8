#pragma once

// TXLSWorkbook, the root of the model: one workbook's sheets, cell formats,
// palette and shared strings, and its SaveAs.

#include <cstdint>
#include <string>

#include "xls/formats/palette.h"
#include "xls/formats/xf_list.h"
#include "xls/model/string_table.h"
#include "xls/model/worksheets.h"

namespace xls {

enum class SaveFormat : std::uint8_t { Biff8 };

// What saving records in the workbook (kept by the save operation).
struct TXLSSaveState {
    SaveFormat saveFormat = SaveFormat::Biff8;
    SaveFormat lastFileFormat = SaveFormat::Biff8;
    std::u16string fileName;  // of the last successful file creation
    bool fileClosed = true;
};

// One workbook in memory: its sheets, cell formats, palette and shared
// strings. Created empty; not copyable or movable (sheets refer back to it).
class TXLSWorkbook {
  public:
    TXLSWorkbook();
    ~TXLSWorkbook();
    TXLSWorkbook(const TXLSWorkbook&) = delete;
    TXLSWorkbook& operator=(const TXLSWorkbook&) = delete;

    IXLSWorkSheets& Worksheets() { return worksheets_; }

    // Writes the workbook as a BIFF8 file (the save of xls/io/save_as.h);
    // its result as a code: 1 on success, -1 or -2 otherwise (saveAsCode).
    int SaveAs(const std::u16string& fileName);
    const IXLSWorkSheets& Worksheets() const { return worksheets_; }

    std::uint16_t CodePage() const { return 1252; }
    const std::u16string& DefaultSheetNamePrefix() const { return sheetNamePrefix_; }
    bool Uses1904DateSystem() const { return false; }
    bool UsesA1ReferenceStyle() const { return true; }
    // Counts value assignments (starts at 1).
    std::uint32_t ChangeCount() const { return changeCount_; }

    const TXLSXFList& XFList() const { return xfList_; }
    const TXLSFontList& Fonts() const { return xfList_.Fonts(); }
    const TXLSNumFormatList& NumFormats() const { return xfList_.NumFormats(); }
    const TXLSStyles& Styles() const { return xfList_.Styles(); }
    const TXLSPalette& Palette() const { return palette_; }
    const TXLSStringTable& StringTable() const { return strings_; }

    // Before writing: written numbers for XFs and fonts, and the 0-based
    // written position of every live string (returns their count).
    void CompactFormats() { xfList_.CompactForWriting(); }
    std::uint32_t NumberLiveStrings() { return strings_.AssignWrittenPositions(); }

    TXLSSaveState& SaveState() { return saveState_; }
    const TXLSSaveState& SaveState() const { return saveState_; }

  private:
    friend class IXLSWorksheet;
    friend class IXLSRange;
    friend class IXLSFont;
    friend class IXLSInterior;
    friend class IXLSBorders;

    TXLSXFList& MutableXFList() { return xfList_; }
    TXLSStringTable& MutableStringTable() { return strings_; }
    void CountChange() { ++changeCount_; }

    std::u16string sheetNamePrefix_ = u"Sheet";
    TXLSXFList xfList_;
    TXLSPalette palette_;
    TXLSStringTable strings_;
    std::uint32_t changeCount_ = 1;
    TXLSSaveState saveState_;
    IXLSWorkSheets worksheets_;  // last: sheets refer to the tables above
};

}  // namespace xls
