#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Reads comma-separated records from a stream a block at a time, so that memory does
// not grow with the file. Fields may be quoted ("a, b" and "say ""hi"""), and a quoted
// field may span lines; records end with CR LF, LF or CR. Bytes travel unchanged.
class CsvReader {
public:
    explicit CsvReader(std::istream& in);

    // Reads the next record into `fields` (reusing their storage); false at the end.
    bool next(std::vector<std::string>& fields);
    // The line on which the last record read begins, counted from 1.
    long long recordLine() const { return recordLine_; }
    // Whether the last record had a quoted field that was never closed.
    bool unclosedQuote() const { return unclosedQuote_; }

private:
    bool fill();

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    long long line_ = 1;
    long long recordLine_ = 0;
    bool unclosedQuote_ = false;
    bool pendingLf_ = false; // a CR ended the last line; an LF right after it belongs to it
};

// Writes records to a stream through a block buffer, quoting a field only where it
// holds a comma, a quotation mark or a line end.
class CsvWriter {
public:
    explicit CsvWriter(std::ostream& out);
    ~CsvWriter();
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void field(std::string_view text);
    void endRecord();
    void flush();

private:
    // Makes room for `size` more bytes, writing out what the block holds when full.
    char* reserve(std::size_t size);

    std::ostream& out_;
    std::vector<char> buffer_; // the block; its first used_ bytes are waiting to be written
    std::size_t used_ = 0;
    bool firstField_ = true;
};

// The column of a header row named `name`, or kNoColumn. A byte-order mark before the
// first name, as spreadsheet programs write it, is no part of the name.
inline constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);
std::size_t csvColumnOf(const std::vector<std::string>& header, std::string_view name);

// The field of a record in `column`, or an empty text where the record is shorter.
const std::string& csvCell(const std::vector<std::string>& fields, std::size_t column);

} // namespace kelvane
