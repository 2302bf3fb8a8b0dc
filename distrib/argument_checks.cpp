// Argument checks of the distribution library and their message texts.
#include <charconv>

#include "distrib/kernels.h"

namespace distrib {

std::string Argument_message_text(int number)
{
    switch (number) {
    case 1301: return "Value must be greater than ";
    case 1302: return "Value must not be less than ";
    case 1303: return "Value must be less than ";
    case 1304: return "Value must be a whole number";
    case 1305: return "Second parameter must be greater than ";
    case 1306: return "Second parameter must not be less than ";
    case 1307: return "Second parameter must be less than ";
    case 1308: return "Second parameter must be a whole number";
    case 1309: return "Third parameter must be greater than ";
    case 1310: return "Third parameter must not be less than ";
    case 1311: return "Third parameter must be less than ";
    case 1312: return "Third parameter must be a whole number";
    case 1315: return "Value must not be greater than ";
    case 1361: return "Argument of the incomplete gamma function is too large";
    case 1362: return "The mean of this distribution does not exist";
    case 1363: return "The variance of this distribution does not exist";
    default: return {};
    }
}

// Fixed notation with at most twelve decimals, trailing zeros and a bare
// point dropped. to_chars ignores the locale, so the separator is always
// the point.
std::string Format_limit(Extended v)
{
    char buffer[5000];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 12);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

bool Raise_if(bool condition, int number)
{
    if (condition) throw EArgumentError(Argument_message_text(number));
    return true;
}

bool Check_argument(int number, Extended value, Extended limit)
{
    bool broken = false;
    switch (number) {
    case 1301: case 1305: case 1309: broken = limit >= value; break;
    case 1302: case 1306: case 1310: broken = limit > value; break;
    case 1303: case 1307: case 1311: broken = limit <= value; break;
    case 1315: broken = limit < value; break;
    default: break;
    }
    if (broken) throw EArgumentError(Argument_message_text(number) + Format_limit(limit));
    return true;
}

}  // namespace distrib
