#include "config/csv_table.h"

namespace zrt::csv {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

}  // namespace

std::string_view withoutBom(std::string_view text) {
    return text.starts_with(kBom) ? text.substr(kBom.size()) : text;
}

std::vector<Record> parse(std::string_view input) {
    const std::string_view text = withoutBom(input);
    std::vector<Record> records;
    std::size_t i = 0;
    int line = 1;
    // Steps over one line end at i (CR LF counts once); true when there was one.
    auto lineEnd = [&](std::size_t& at) {
        if (at >= text.size()) return false;
        if (text[at] == '\r') {
            ++at;
            if (at < text.size() && text[at] == '\n') ++at;
            ++line;
            return true;
        }
        if (text[at] == '\n') {
            ++at;
            ++line;
            return true;
        }
        return false;
    };

    while (i < text.size()) {
        if (lineEnd(i)) continue;  // an empty line
        if (text[i] == '#') {
            while (i < text.size() && text[i] != '\r' && text[i] != '\n')
                ++i;
            continue;
        }
        Record r;
        r.line = line;
        std::string field;
        bool quoted = false;  // inside quotes
        bool ended = false;
        while (!ended) {
            if (i >= text.size()) {
                r.unterminated = quoted;
                break;
            }
            const char c = text[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                    } else {
                        quoted = false;
                        ++i;
                    }
                } else {
                    if (c == '\n' || (c == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n'))) ++line;
                    field += c;
                    ++i;
                }
                continue;
            }
            if (c == '"') {
                quoted = true;
                ++i;
            } else if (c == ',') {
                r.fields.push_back(std::move(field));
                field.clear();
                ++i;
            } else if (lineEnd(i)) {
                ended = true;
            } else {
                field += c;
                ++i;
            }
        }
        r.fields.push_back(std::move(field));
        records.push_back(std::move(r));
    }
    return records;
}

std::string quote(std::string_view field) {
    const bool needs =
        field.find_first_of(",\"\r\n") != std::string_view::npos ||
        (!field.empty() && (field.front() == ' ' || field.back() == ' ' || field.front() == '#'));
    if (!needs) return std::string(field);
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string join(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0) out += ',';
        out += quote(fields[k]);
    }
    return out;
}

}  // namespace zrt::csv
