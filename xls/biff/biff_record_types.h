#pragma once

// Record type numbers of the BIFF8 records this library writes ([MS-XLS] 2.3).

#include <cstdint>

namespace xls::rt {

inline constexpr std::uint16_t kFormula = 0x0006;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kCalcCount = 0x000C;
inline constexpr std::uint16_t kCalcMode = 0x000D;
inline constexpr std::uint16_t kPrecision = 0x000E;
inline constexpr std::uint16_t kRefMode = 0x000F;
inline constexpr std::uint16_t kDelta = 0x0010;
inline constexpr std::uint16_t kIteration = 0x0011;
inline constexpr std::uint16_t kHeader = 0x0014;
inline constexpr std::uint16_t kFooter = 0x0015;
inline constexpr std::uint16_t kExternSheet = 0x0017;
inline constexpr std::uint16_t kSelection = 0x001D;
inline constexpr std::uint16_t kDateMode = 0x0022;
inline constexpr std::uint16_t kLeftMargin = 0x0026;
inline constexpr std::uint16_t kRightMargin = 0x0027;
inline constexpr std::uint16_t kTopMargin = 0x0028;
inline constexpr std::uint16_t kBottomMargin = 0x0029;
inline constexpr std::uint16_t kPrintHeaders = 0x002A;
inline constexpr std::uint16_t kPrintGridlines = 0x002B;
inline constexpr std::uint16_t kFont = 0x0031;
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kWindow1 = 0x003D;
inline constexpr std::uint16_t kBackup = 0x0040;
inline constexpr std::uint16_t kCodePage = 0x0042;
inline constexpr std::uint16_t kDefColWidth = 0x0055;
inline constexpr std::uint16_t kSaveRecalc = 0x005F;
inline constexpr std::uint16_t kColInfo = 0x007D;
inline constexpr std::uint16_t kGuts = 0x0080;
inline constexpr std::uint16_t kWsBool = 0x0081;
inline constexpr std::uint16_t kGridSet = 0x0082;
inline constexpr std::uint16_t kHCenter = 0x0083;
inline constexpr std::uint16_t kVCenter = 0x0084;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kCountry = 0x008C;
inline constexpr std::uint16_t kPalette = 0x0092;
inline constexpr std::uint16_t kStandardWidth = 0x0099;
inline constexpr std::uint16_t kFnGroupCount = 0x009C;
inline constexpr std::uint16_t kScl = 0x00A0;
inline constexpr std::uint16_t kSetup = 0x00A1;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kMulBlank = 0x00BE;
inline constexpr std::uint16_t kDbCell = 0x00D7;
inline constexpr std::uint16_t kBookBool = 0x00DA;
inline constexpr std::uint16_t kXf = 0x00E0;
inline constexpr std::uint16_t kMergedCells = 0x00E5;
inline constexpr std::uint16_t kMsoDrawingGroup = 0x00EB;
inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kExtSst = 0x00FF;
inline constexpr std::uint16_t kDsf = 0x0161;
inline constexpr std::uint16_t kSupBook = 0x01AE;
inline constexpr std::uint16_t kRecalcId = 0x01C1;
inline constexpr std::uint16_t kDimensions = 0x0200;
inline constexpr std::uint16_t kBlank = 0x0201;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kBoolErr = 0x0205;
inline constexpr std::uint16_t kRow = 0x0208;
inline constexpr std::uint16_t kIndex = 0x020B;
inline constexpr std::uint16_t kDefaultRowHeight = 0x0225;
inline constexpr std::uint16_t kWindow2 = 0x023E;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kStyle = 0x0293;
inline constexpr std::uint16_t kFormat = 0x041E;
inline constexpr std::uint16_t kBof = 0x0809;

}  // namespace xls::rt
