#include "support/biff_reader.h"

#include <bit>
#include <stdexcept>

namespace biff {
namespace {

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kSst = 0x00FC;

void need(std::span<const std::uint8_t> data, std::size_t offset, std::size_t size) {
    if (offset + size > data.size()) {
        throw std::runtime_error("record data too short");
    }
}

void expectType(const Record& record, std::uint16_t type) {
    if (record.type != type) {
        throw std::runtime_error("unexpected record type");
    }
}

bool isHigh(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

std::uint16_t u16At(std::span<const std::uint8_t> data, std::size_t offset) {
    need(data, offset, 2);
    return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

std::uint32_t u32At(std::span<const std::uint8_t> data, std::size_t offset) {
    return u16At(data, offset) | (static_cast<std::uint32_t>(u16At(data, offset + 2)) << 16);
}

double f64At(std::span<const std::uint8_t> data, std::size_t offset) {
    const std::uint64_t bits =
        u32At(data, offset) | (static_cast<std::uint64_t>(u32At(data, offset + 4)) << 32);
    return std::bit_cast<double>(bits);
}

std::vector<Record> splitRecords(std::span<const std::uint8_t> stream, bool allowPadding) {
    std::vector<Record> records;
    std::size_t at = 0;
    while (at < stream.size()) {
        if (allowPadding && !records.empty() && records.back().type == kEof) {
            bool allZero = true;
            for (std::size_t i = at; i < stream.size(); ++i) {
                allZero = allZero && stream[i] == 0;
            }
            if (allZero) {
                break;
            }
        }
        if (at + 4 > stream.size()) {
            throw std::runtime_error("truncated record header");
        }
        Record record;
        record.type = u16At(stream, at);
        const std::size_t length = u16At(stream, at + 2);
        if (at + 4 + length > stream.size()) {
            throw std::runtime_error("record runs past the stream");
        }
        record.offset = at;
        record.data.assign(stream.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           stream.begin() + static_cast<std::ptrdiff_t>(at + 4 + length));
        records.push_back(std::move(record));
        at += 4 + length;
    }
    return records;
}

std::vector<Record> joinContinues(const std::vector<Record>& records) {
    std::vector<Record> joined;
    for (const Record& record : records) {
        if (record.type == kContinue && !joined.empty()) {
            joined.back().data.insert(joined.back().data.end(), record.data.begin(),
                                      record.data.end());
        } else {
            joined.push_back(record);
        }
    }
    return joined;
}

std::vector<Substream> splitSubstreams(const std::vector<Record>& records) {
    std::vector<Substream> substreams;
    bool inside = false;
    for (const Record& record : records) {
        if (!inside) {
            if (record.type != kBof) {
                throw std::runtime_error("record outside a BOF..EOF substream");
            }
            Substream substream;
            substream.offset = record.offset;
            substream.kind = u16At(record.data, 2);
            substreams.push_back(std::move(substream));
            inside = true;
        } else if (record.type == kBof) {
            throw std::runtime_error("BOF inside a substream");
        }
        substreams.back().records.push_back(record);
        if (record.type == kEof) {
            inside = false;
        }
    }
    if (inside) {
        throw std::runtime_error("substream without EOF");
    }
    return substreams;
}

std::vector<const Record*> findAll(const std::vector<Record>& records, std::uint16_t type) {
    std::vector<const Record*> found;
    for (const Record& record : records) {
        if (record.type == type) {
            found.push_back(&record);
        }
    }
    return found;
}

const Record* findFirst(const std::vector<Record>& records, std::uint16_t type) {
    for (const Record& record : records) {
        if (record.type == type) {
            return &record;
        }
    }
    return nullptr;
}

namespace {

// Walks the SST and CONTINUE records as a sequence of pieces.
class SstPieces {
  public:
    SstPieces(const std::vector<Record>& records, std::size_t first)
        : records_(records), index_(first), at_(8) {}

    const Record& record() const { return records_[index_]; }
    std::size_t left() const { return record().data.size() - at_; }
    std::size_t position() const { return at_; }
    std::size_t streamOffset() const { return record().offset + 4 + at_; }
    std::size_t recordOffset() const { return 4 + at_; }

    bool next() {
        if (index_ + 1 >= records_.size() || records_[index_ + 1].type != kContinue) {
            return false;
        }
        ++index_;
        at_ = 0;
        return true;
    }
    std::uint8_t byte() {
        const std::uint8_t value = record().data.at(at_);
        ++at_;
        return value;
    }
    std::uint16_t word() {
        const std::uint16_t value = u16At(record().data, at_);
        at_ += 2;
        return value;
    }
    std::size_t index() const { return index_; }

  private:
    const std::vector<Record>& records_;
    std::size_t index_;
    std::size_t at_;
};

}  // namespace

Sst readSst(const std::vector<Record>& records, std::size_t sstIndex) {
    const Record& sstRecord = records.at(sstIndex);
    expectType(sstRecord, kSst);
    Sst sst;
    sst.totalReferences = u32At(sstRecord.data, 0);
    sst.uniqueStrings = u32At(sstRecord.data, 4);
    for (std::size_t i = sstIndex; i < records.size(); ++i) {
        if (i > sstIndex && records[i].type != kContinue) {
            break;
        }
        sst.recordDataLengths.push_back(records[i].data.size());
    }

    SstPieces pieces(records, sstIndex);
    for (std::uint32_t k = 0; k < sst.uniqueStrings; ++k) {
        if (pieces.left() == 0 && !pieces.next()) {
            throw std::runtime_error("SST ends before its last string");
        }
        if (pieces.left() < 3) {
            sst.problems.push_back({k, "string header ends a record"});
            throw std::runtime_error("string header cut");
        }
        SstString string;
        string.streamOffset = pieces.streamOffset();
        string.recordOffset = pieces.recordOffset();
        const std::size_t cch = pieces.word();
        std::uint8_t option = pieces.byte();
        if ((option & 0x0C) != 0) {
            throw std::runtime_error("rich or phonetic strings are not expected");
        }
        if (cch > 0 && pieces.left() == 0) {
            sst.problems.push_back({k, "cch without its first character"});
        }
        std::u16string piece;
        while (string.text.size() < cch) {
            const std::size_t unitSize = (option & 0x01) != 0 ? 2 : 1;
            if (pieces.left() == 0) {
                if (!piece.empty() && isHigh(piece.back())) {
                    sst.problems.push_back({k, "surrogate pair split between records"});
                }
                piece.clear();
                if (!pieces.next()) {
                    throw std::runtime_error("SST ends inside a string");
                }
                option = pieces.byte();
                ++string.pieces;
                continue;
            }
            if (pieces.left() < unitSize) {
                sst.problems.push_back({k, "character cut between records"});
                throw std::runtime_error("character cut");
            }
            const char16_t unit = unitSize == 2 ? pieces.word() : pieces.byte();
            piece.push_back(unit);
            string.text.push_back(unit);
        }
        sst.strings.push_back(std::move(string));
    }
    if (pieces.left() != 0) {
        sst.problems.push_back({sst.uniqueStrings, "bytes after the last string"});
    }
    if (pieces.next()) {
        sst.problems.push_back({sst.uniqueStrings, "CONTINUE after the last string"});
    }
    return sst;
}

ExtSst readExtSst(const Record& record) {
    expectType(record, 0x00FF);
    ExtSst ext;
    ext.bucketSize = u16At(record.data, 0);
    if ((record.data.size() - 2) % 8 != 0) {
        throw std::runtime_error("EXTSST length is not 2 + 8n");
    }
    for (std::size_t at = 2; at < record.data.size(); at += 8) {
        ext.entries.push_back({u32At(record.data, at), u16At(record.data, at + 4)});
    }
    return ext;
}

std::u16string readCountedText(std::span<const std::uint8_t> data, std::size_t offset,
                               bool twoByteCount) {
    std::size_t at = offset;
    std::size_t count = 0;
    if (twoByteCount) {
        count = u16At(data, at);
        at += 2;
    } else {
        need(data, at, 1);
        count = data[at++];
    }
    need(data, at, 1);
    const bool wide = (data[at++] & 0x01) != 0;
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (wide) {
            text.push_back(static_cast<char16_t>(u16At(data, at)));
            at += 2;
        } else {
            need(data, at, 1);
            text.push_back(static_cast<char16_t>(data[at++]));
        }
    }
    if (at != data.size()) {
        throw std::runtime_error("bytes after a counted text");
    }
    return text;
}

BoundSheet readBoundSheet(const Record& record) {
    expectType(record, 0x0085);
    BoundSheet sheet;
    sheet.bofOffset = u32At(record.data, 0);
    need(record.data, 4, 2);
    sheet.visibility = record.data[4];
    sheet.sheetType = record.data[5];
    sheet.name = readCountedText(record.data, 6, false);
    return sheet;
}

double decodeRk(std::uint32_t rk) {
    double value = 0;
    if ((rk & 0x2) != 0) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        value = std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32);
    }
    return (rk & 0x1) != 0 ? value / 100 : value;
}

std::vector<Cell> readCells(const std::vector<Record>& records) {
    std::vector<Cell> cells;
    for (const Record& record : records) {
        const auto& d = record.data;
        auto single = [&](std::size_t expectedLength) {
            if (d.size() != expectedLength) {
                throw std::runtime_error("cell record of the wrong length");
            }
            Cell cell;
            cell.type = record.type;
            cell.row = u16At(d, 0);
            cell.column = u16At(d, 2);
            cell.ixfe = u16At(d, 4);
            return cell;
        };
        switch (record.type) {
            case 0x00FD: {  // LABELSST
                Cell cell = single(10);
                cell.isst = u32At(d, 6);
                cells.push_back(cell);
                break;
            }
            case 0x0201:  // BLANK
                cells.push_back(single(6));
                break;
            case 0x027E: {  // RK
                Cell cell = single(10);
                cell.rk = u32At(d, 6);
                cell.number = decodeRk(cell.rk);
                cells.push_back(cell);
                break;
            }
            case 0x0203: {  // NUMBER
                Cell cell = single(14);
                cell.number = f64At(d, 6);
                cells.push_back(cell);
                break;
            }
            case 0x0205: {  // BOOLERR
                Cell cell = single(8);
                cell.number = d[6];
                cells.push_back(cell);
                break;
            }
            case 0x0006: {  // FORMULA
                const Formula formula = readFormula(record);
                Cell cell;
                cell.type = record.type;
                cell.row = formula.row;
                cell.column = formula.column;
                cell.ixfe = formula.ixfe;
                cell.number = formula.result;
                cells.push_back(cell);
                break;
            }
            case 0x00BE:    // MULBLANK
            case 0x00BD: {  // MULRK
                const bool isRk = record.type == 0x00BD;
                const std::size_t each = isRk ? 6 : 2;
                if (d.size() < 6 || (d.size() - 6) % each != 0) {
                    throw std::runtime_error("MULBLANK/MULRK of a bad length");
                }
                const std::size_t count = (d.size() - 6) / each;
                const std::uint16_t row = u16At(d, 0);
                const std::uint16_t first = u16At(d, 2);
                const std::uint16_t last = u16At(d, d.size() - 2);
                if (count < 2 || last != first + count - 1) {
                    throw std::runtime_error("MULBLANK/MULRK colLast disagrees");
                }
                for (std::size_t i = 0; i < count; ++i) {
                    Cell cell;
                    cell.type = record.type;
                    cell.row = row;
                    cell.column = static_cast<std::uint16_t>(first + i);
                    cell.ixfe = u16At(d, 4 + i * each);
                    if (isRk) {
                        cell.rk = u32At(d, 6 + i * each);
                        cell.number = decodeRk(cell.rk);
                    }
                    cells.push_back(cell);
                }
                break;
            }
            default:
                break;
        }
    }
    return cells;
}

RowRecord readRow(const Record& record) {
    expectType(record, 0x0208);
    if (record.data.size() != 16) {
        throw std::runtime_error("ROW is not 16 bytes");
    }
    const auto& d = record.data;
    return {u16At(d, 0), u16At(d, 2), u16At(d, 4), u16At(d, 6), u16At(d, 12), u16At(d, 14)};
}

DbCell readDbCell(const Record& record) {
    expectType(record, 0x00D7);
    DbCell cell;
    cell.dbRtrw = u32At(record.data, 0);
    for (std::size_t at = 4; at < record.data.size(); at += 2) {
        cell.offsets.push_back(u16At(record.data, at));
    }
    return cell;
}

Index readIndex(const Record& record) {
    expectType(record, 0x020B);
    Index index;
    index.rwMic = u32At(record.data, 4);
    index.rwMac = u32At(record.data, 8);
    for (std::size_t at = 16; at < record.data.size(); at += 4) {
        index.dbCellOffsets.push_back(u32At(record.data, at));
    }
    return index;
}

ColInfo readColInfo(const Record& record) {
    expectType(record, 0x007D);
    const auto& d = record.data;
    if (d.size() != 12) {
        throw std::runtime_error("COLINFO is not 12 bytes");
    }
    return {u16At(d, 0), u16At(d, 2), u16At(d, 4), u16At(d, 6), u16At(d, 8), u16At(d, 10)};
}

std::vector<Area> readMergedCells(const Record& record) {
    expectType(record, 0x00E5);
    const std::size_t count = u16At(record.data, 0);
    if (record.data.size() != 2 + 8 * count) {
        throw std::runtime_error("MERGEDCELLS length disagrees with cmcs");
    }
    std::vector<Area> areas;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 2 + 8 * i;
        areas.push_back({u16At(record.data, at), u16At(record.data, at + 2),
                         u16At(record.data, at + 4), u16At(record.data, at + 6)});
    }
    return areas;
}

Font readFont(const Record& record) {
    expectType(record, 0x0031);
    const auto& d = record.data;
    Font font;
    font.height = u16At(d, 0);
    font.flags = u16At(d, 2);
    font.colour = u16At(d, 4);
    font.weight = u16At(d, 6);
    font.name = readCountedText(d, 14, false);
    return font;
}

Xf readXf(const Record& record) {
    expectType(record, 0x00E0);
    const auto& d = record.data;
    if (d.size() != 20) {
        throw std::runtime_error("XF is not 20 bytes");
    }
    Xf xf;
    xf.ifnt = u16At(d, 0);
    xf.ifmt = u16At(d, 2);
    xf.typeWord = u16At(d, 4);
    xf.alignment = d[6];
    xf.usedAttributes = d[9];
    xf.borderWord1 = u32At(d, 10);
    xf.borderWord2 = u32At(d, 14);
    xf.colourWord = u16At(d, 18);
    return xf;
}

}  // namespace biff

namespace biff {

// FORMULA ([MS-XLS] 2.4.127): cell (6), FormulaValue (8), grbit (2), chn (4),
// CellParsedFormula: cce (2), rgce (cce), nothing after it for the formulas
// read here (no array or name data).
Formula readFormula(const Record& record) {
    const auto& d = record.data;
    if (record.type != 0x0006 || d.size() < 22) {
        throw std::runtime_error("not a FORMULA record");
    }
    if (u16At(d, 12) == 0xFFFF) {
        throw std::runtime_error("FORMULA result that is no number");
    }
    Formula formula;
    formula.row = u16At(d, 0);
    formula.column = u16At(d, 2);
    formula.ixfe = u16At(d, 4);
    formula.result = f64At(d, 6);
    formula.flags = u16At(d, 14);
    formula.chn = u32At(d, 16);
    const std::uint16_t cce = u16At(d, 20);
    if (d.size() != 22u + cce) {
        throw std::runtime_error("FORMULA cce disagrees with the record length");
    }
    formula.rgce.assign(d.begin() + 22, d.end());
    return formula;
}

// PtgArea (0x05 | class << 5): rwFirst, rwLast, colFirst, colLast (ColRelU:
// column in bits 0-13, fColRelative bit 14, fRwRelative bit 15); then
// PtgFuncVar (0x02 | class << 5): cparams (bits 0-6), tab (bits 0-14 Ftab).
Area readSumOfArea(std::span<const std::uint8_t> rgce) {
    const std::uint16_t firstColumn = rgce.size() == 13 ? u16At(rgce, 5) : 0;
    const std::uint16_t lastColumn = rgce.size() == 13 ? u16At(rgce, 7) : 0;
    if (rgce.size() != 13 || (rgce[0] & 0x9F) != 0x05 || (rgce[9] & 0x9F) != 0x02 ||
        (firstColumn & 0xC000) != (lastColumn & 0xC000)) {
        throw std::runtime_error("rgce is not PtgArea followed by PtgFuncVar");
    }
    if ((rgce[10] & 0x7F) != 1 || (u16At(rgce, 11) & 0x7FFF) != 4 || (rgce[12] & 0x80) != 0) {
        throw std::runtime_error("function is not SUM of one argument");
    }
    return {u16At(rgce, 1), u16At(rgce, 3), static_cast<std::uint16_t>(firstColumn & 0x3FFF),
            static_cast<std::uint16_t>(lastColumn & 0x3FFF)};
}

}  // namespace biff
