#include "common/CsvStream.h"

namespace kelvane {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;

} // namespace

CsvReader::CsvReader(std::istream& in)
    : in_(in)
    , buffer_(kBlockSize) {}

bool CsvReader::fill() {
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    size_ = static_cast<std::size_t>(in_.gcount());
    position_ = 0;
    return size_ > 0;
}

bool CsvReader::next(std::vector<std::string>& fields) {
    std::size_t count = 0;
    const auto startField = [&]() -> std::string& {
        if (count == fields.size())
            fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        return field;
    };
    // Skip the LF of a CR LF split across two reads.
    if (pendingLf_) {
        if (position_ == size_ && !fill())
            return false;
        if (buffer_[position_] == '\n')
            ++position_;
        pendingLf_ = false;
    }
    if (position_ == size_ && !fill()) {
        fields.clear();
        return false;
    }
    recordLine_ = line_;
    unclosedQuote_ = false;
    std::string* field = &startField();
    bool quoted = false;
    bool fieldStart = true;
    bool afterCr = false;
    while (true) {
        if (position_ == size_ && !fill()) {
            unclosedQuote_ = quoted;
            break;
        }
        const char c = buffer_[position_++];
        if (quoted) {
            if (c == '"') {
                if (position_ == size_ && !fill()) {
                    quoted = false;
                    break;
                }
                if (buffer_[position_] == '"') {
                    *field += '"';
                    ++position_;
                } else {
                    quoted = false;
                }
            } else {
                // A line break inside the field: CR LF counts once, even split across reads.
                if (c == '\r' || (c == '\n' && !afterCr))
                    ++line_;
                *field += c;
            }
            afterCr = c == '\r';
            continue;
        }
        if (c == ',') {
            field = &startField();
            fieldStart = true;
            continue;
        }
        if (c == '\n' || c == '\r') {
            ++line_;
            if (c == '\r') {
                if (position_ == size_)
                    pendingLf_ = true;
                else if (buffer_[position_] == '\n')
                    ++position_;
            }
            break;
        }
        if (c == '"' && fieldStart) {
            quoted = true;
            fieldStart = false;
            continue;
        }
        fieldStart = false;
        // The rest of an unquoted field up to the next comma or line end, in one run.
        const std::size_t runStart = position_ - 1;
        while (position_ < size_ && buffer_[position_] != ',' && buffer_[position_] != '\n' &&
               buffer_[position_] != '\r')
            ++position_;
        field->append(buffer_.data() + runStart, position_ - runStart);
    }
    fields.resize(count);
    return true;
}

CsvWriter::CsvWriter(std::ostream& out)
    : out_(out)
    , buffer_(kBlockSize + 4096) {}

CsvWriter::~CsvWriter() {
    flush();
}

char* CsvWriter::reserve(std::size_t size) {
    if (used_ + size > buffer_.size()) {
        flush();
        // A field longer than a block gets a block of its size.
        if (size > buffer_.size())
            buffer_.resize(size);
    }
    return buffer_.data() + used_;
}

void CsvWriter::field(std::string_view text) {
    // Room for the comma before it, the field and, should it need them, its quotes.
    char* const start = reserve(2 * text.size() + 3);
    char* out = start;
    if (!firstField_)
        *out++ = ',';
    firstField_ = false;
    // Copied and checked in one pass, without a call per field: fields are short and
    // a batch writes millions of them.
    char* const fieldStart = out;
    bool plain = true;
    for (const char c : text) {
        plain = plain && c != ',' && c != '"' && c != '\r' && c != '\n';
        *out++ = c;
    }
    if (!plain) {
        out = fieldStart;
        *out++ = '"';
        for (const char c : text) {
            if (c == '"')
                *out++ = '"';
            *out++ = c;
        }
        *out++ = '"';
    }
    used_ += static_cast<std::size_t>(out - start);
}

void CsvWriter::endRecord() {
    *reserve(1) = '\n';
    ++used_;
    firstField_ = true;
    if (used_ >= kBlockSize)
        flush();
}

void CsvWriter::flush() {
    if (used_ == 0)
        return;
    out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

std::size_t csvColumnOf(const std::vector<std::string>& header, std::string_view name) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < header.size(); ++i) {
        std::string_view column = header[i];
        if (i == 0 && column.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            column.remove_prefix(kByteOrderMark.size());
        if (column == name)
            return i;
    }
    return kNoColumn;
}

const std::string& csvCell(const std::vector<std::string>& fields, std::size_t column) {
    static const std::string empty;
    return column < fields.size() ? fields[column] : empty;
}

} // namespace kelvane
