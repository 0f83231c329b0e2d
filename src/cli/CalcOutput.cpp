#include "cli/CalcOutput.h"

#include "materials/NameEncoding.h"

#include <charconv>
#include <cstdio>

namespace kelvane {

std::string resultLine(std::string_view caption, std::string_view text) {
    std::string line(caption);
    if (!captionHasColon(caption))
        line += ':';
    else
        line.erase(line.find_last_not_of(' ') + 1);
    if (!text.empty()) {
        line += ' ';
        line += text;
    }
    return line;
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

std::string jsonNumber(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void writeResults(std::ostream& out, bool json, const std::optional<std::string>& material,
                  std::optional<double> density, const std::vector<CaptionedText>& results) {
    if (!json) {
        for (const CaptionedText& result : results)
            out << resultLine(result.caption, result.text) << '\n';
        return;
    }
    // Names are the density file's bytes; JSON carries them decoded as the window
    // shows them.
    out << "{\"material\":" << (material ? jsonString(displayText(*material)) : "null")
        << ",\"density\":" << (density ? jsonNumber(*density) : "null") << ",\"results\":{";
    for (std::size_t i = 0; i < results.size(); ++i)
        out << (i ? "," : "") << jsonString(captionName(results[i].caption)) << ':'
            << jsonString(results[i].text);
    out << "}}\n";
}

void writeAnswer(std::ostream& out, bool json, const std::vector<AnswerField>& fields) {
    if (!json) {
        for (const AnswerField& field : fields)
            out << resultLine(field.caption, field.text) << '\n';
        return;
    }
    out << '{';
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "," : "") << jsonString(fields[i].key) << ':' << fields[i].jsonValue;
    out << "}\n";
}

} // namespace kelvane
