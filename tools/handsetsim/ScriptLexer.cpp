#include "ScriptLexer.h"

#include <cstdlib>

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool splitWords(const std::string& line, std::vector<std::string>* words, std::string* error) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        std::string word;
        if (line[i] != '"') {
            while (i < line.size() && !isBlank(line[i])) word += line[i++];
            words->push_back(word);
            continue;
        }
        ++i;
        bool closed = false;
        while (i < line.size()) {
            const char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\' || i >= line.size()) {
                word += c;
                continue;
            }
            const char e = line[i++];
            if (e == 'n') {
                word += '\n';
            } else if (e == 't') {
                word += '\t';
            } else if (e == 'x' && i + 1 < line.size() && hexDigit(line[i]) >= 0 &&
                       hexDigit(line[i + 1]) >= 0) {
                word += static_cast<char>(hexDigit(line[i]) * 16 + hexDigit(line[i + 1]));
                i += 2;
            } else {
                word += e;
            }
        }
        if (!closed) {
            *error = "unterminated quote";
            return false;
        }
        words->push_back(word);
    }
    return true;
}

bool parseNumber(const std::string& word, unsigned long long* value) {
    if (word.empty()) return false;
    const bool negative = word[0] == '-';
    const char* digits = word.c_str() + (negative ? 1 : 0);
    if (*digits == 0) return false;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(digits, &end, 0);
    if (end == nullptr || *end != 0) return false;
    *value = negative ? 0 - parsed : parsed;
    return true;
}
