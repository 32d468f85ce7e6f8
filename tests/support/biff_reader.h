#pragma once

// A small, strict reader of BIFF8 record streams for tests. It follows the
// record layouts of [MS-XLS] on its own (it shares no code with the writer)
// and throws std::runtime_error on anything malformed.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace biff {

struct Record {
    std::uint16_t type = 0;
    std::size_t offset = 0;  // stream offset of the record header
    std::vector<std::uint8_t> data;
};

std::uint16_t u16At(std::span<const std::uint8_t> data, std::size_t offset);
std::uint32_t u32At(std::span<const std::uint8_t> data, std::size_t offset);
double f64At(std::span<const std::uint8_t> data, std::size_t offset);

// Splits bytes into physical records; a trailing run of zero bytes (the
// stream's padding) is allowed and ignored when `allowPadding` is set.
std::vector<Record> splitRecords(std::span<const std::uint8_t> stream, bool allowPadding = false);

// The records with the data of each CONTINUE appended to the record before
// it (for records that the writer cut generically).
std::vector<Record> joinContinues(const std::vector<Record>& records);

// Records from a BOF up to and including its EOF.
struct Substream {
    std::size_t offset = 0;
    std::uint16_t kind = 0;  // BOF dt: 0x0005 globals, 0x0010 worksheet
    std::vector<Record> records;
};
std::vector<Substream> splitSubstreams(const std::vector<Record>& records);

std::vector<const Record*> findAll(const std::vector<Record>& records, std::uint16_t type);
const Record* findFirst(const std::vector<Record>& records, std::uint16_t type);

// The shared string table, read piece by piece as strict readers do: each
// piece is decoded on its own, so a cut inside a surrogate pair or a cch
// without its first character is reported, not glued over.
struct SstString {
    std::u16string text;
    std::size_t streamOffset = 0;  // where its cch lies
    std::size_t recordOffset = 0;  // the same, from its record's start
    std::size_t pieces = 1;
};
struct SstProblem {
    std::size_t stringIndex = 0;
    std::string what;
};
struct Sst {
    std::uint32_t totalReferences = 0;
    std::uint32_t uniqueStrings = 0;
    std::vector<SstString> strings;
    std::vector<std::size_t> recordDataLengths;  // SST, then each CONTINUE
    std::vector<SstProblem> problems;
};
// `records` from the SST record on; reads the SST and its CONTINUEs.
Sst readSst(const std::vector<Record>& records, std::size_t sstIndex);

struct ExtSstEntry {
    std::uint32_t streamOffset = 0;
    std::uint16_t recordOffset = 0;
};
struct ExtSst {
    std::uint16_t bucketSize = 0;
    std::vector<ExtSstEntry> entries;
};
ExtSst readExtSst(const Record& record);

struct BoundSheet {
    std::uint32_t bofOffset = 0;
    std::uint8_t visibility = 0;
    std::uint8_t sheetType = 0;
    std::u16string name;
};
BoundSheet readBoundSheet(const Record& record);

struct Cell {
    std::uint16_t type = 0;  // the record that wrote it
    std::uint16_t row = 0;
    std::uint16_t column = 0;
    std::uint16_t ixfe = 0;
    std::uint32_t isst = 0;  // LABELSST
    double number = 0;       // NUMBER, RK, MULRK, BOOLERR, FORMULA (its result)
    std::uint32_t rk = 0;    // RK, MULRK
};
// Every cell a cell record (LABELSST, BLANK, MULBLANK, RK, MULRK, NUMBER,
// BOOLERR, FORMULA with a numeric result) writes, in record order; MULBLANK and MULRK give one per
// column.
std::vector<Cell> readCells(const std::vector<Record>& records);
double decodeRk(std::uint32_t rk);

struct RowRecord {
    std::uint16_t row = 0;
    std::uint16_t colMic = 0;
    std::uint16_t colMac = 0;
    std::uint16_t height = 0;
    std::uint16_t flags = 0;
    std::uint16_t ixfe = 0;
};
RowRecord readRow(const Record& record);

struct DbCell {
    std::uint32_t dbRtrw = 0;
    std::vector<std::uint16_t> offsets;
};
DbCell readDbCell(const Record& record);

struct Index {
    std::uint32_t rwMic = 0;
    std::uint32_t rwMac = 0;
    std::vector<std::uint32_t> dbCellOffsets;
};
Index readIndex(const Record& record);

struct ColInfo {
    std::uint16_t colFirst = 0;
    std::uint16_t colLast = 0;
    std::uint16_t width = 0;
    std::uint16_t ixfe = 0;
    std::uint16_t flags = 0;
    std::uint16_t reserved = 0;
};
ColInfo readColInfo(const Record& record);

struct Area {
    std::uint16_t firstRow = 0;
    std::uint16_t lastRow = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumn = 0;
    bool operator==(const Area&) const = default;
};
std::vector<Area> readMergedCells(const Record& record);

struct Font {
    std::uint16_t height = 0;
    std::uint16_t flags = 0;
    std::uint16_t colour = 0;
    std::uint16_t weight = 0;
    std::u16string name;
};
Font readFont(const Record& record);

struct Xf {
    std::uint16_t ifnt = 0;
    std::uint16_t ifmt = 0;
    std::uint16_t typeWord = 0;
    std::uint8_t alignment = 0;
    std::uint8_t usedAttributes = 0;  // the record's byte 9
    std::uint32_t borderWord1 = 0;
    std::uint32_t borderWord2 = 0;
    std::uint16_t colourWord = 0;
    bool isStyle() const { return (typeWord & 0x4) != 0; }
};
Xf readXf(const Record& record);

// A FORMULA record whose result is a number.
struct Formula {
    std::uint16_t row = 0;
    std::uint16_t column = 0;
    std::uint16_t ixfe = 0;
    double result = 0;
    std::uint16_t flags = 0;  // grbit
    std::uint32_t chn = 0;
    std::vector<std::uint8_t> rgce;
};
Formula readFormula(const Record& record);

// An rgce that is exactly SUM over one area of the formula's own sheet
// (PtgArea, then PtgFuncVar of Ftab 4 with one parameter); throws otherwise.
Area readSumOfArea(std::span<const std::uint8_t> rgce);

// "utf16 text with a 1- or 2-byte count" as in FORMAT, STYLE, FONT names.
std::u16string readCountedText(std::span<const std::uint8_t> data, std::size_t offset,
                               bool twoByteCount);

}  // namespace biff
