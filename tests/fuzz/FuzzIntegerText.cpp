// Any text an operator may leave in an edit, through the panel's "%d" reading.
#include "IntegerText.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> value = ReadIntegerText(text);

    // Cross-check against a plain reading of the first 63 characters.
    const std::string head = text.substr(0, kIntegerTextLimit);
    std::size_t i = 0;
    while (i < head.size() && std::isspace(static_cast<unsigned char>(head[i])))
        ++i;
    bool negative = false;
    if (i < head.size() && (head[i] == '+' || head[i] == '-'))
        negative = head[i++] == '-';
    const bool hasDigit = i < head.size() && std::isdigit(static_cast<unsigned char>(head[i]));
    if (value.has_value() != hasDigit)
        std::abort();
    if (!hasDigit)
        return 0;
    long long expected = 0;
    for (; i < head.size() && std::isdigit(static_cast<unsigned char>(head[i])); ++i) {
        expected = expected * 10 + (head[i] - '0');
        if (expected > 1LL << 40)
            expected = 1LL << 40;  // far beyond int either way
    }
    expected = negative ? -expected : expected;
    const long long clamped = expected > INT_MAX ? INT_MAX : expected < INT_MIN ? INT_MIN : expected;
    if (*value != clamped)
        std::abort();
    return 0;
}
