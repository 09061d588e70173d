#include "IntegerText.h"

#include <climits>

namespace {
// White space as "%d" skips it in the C locale.
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<int> ReadIntegerText(std::string_view text) {
    text = text.substr(0, kIntegerTextLimit);
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        bNegative = text[i] == '-';
        ++i;
    }
    if (i == text.size() || !IsDigit(text[i]))
        return std::nullopt;

    // Accumulated towards the sign and held at the limit, so no step can overflow.
    const long long llLimit = bNegative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long llMagnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        llMagnitude = llMagnitude * 10 + (text[i] - '0');
        if (llMagnitude > llLimit)
            llMagnitude = llLimit;
    }
    return static_cast<int>(bNegative ? -llMagnitude : llMagnitude);
}
