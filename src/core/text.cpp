#include "text.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace marklow {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Shortest round-trip digits of |value| and the decimal exponent of the first digit.
struct Decimal {
    std::string digits; // no leading zeros, at least one digit
    int exponent = 0;   // value = d.ddd x 10^exponent
};

Decimal ShortestDecimal(double magnitude) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
    Decimal d;
    size_t e = s.find('e');
    for (size_t i = 0; i < e; ++i)
        if (IsDigit(s[i])) d.digits.push_back(s[i]);
    int exp = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), exp);
    d.exponent = exp;
    return d;
}

} // namespace

std::string FormatNumber(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    bool negative = value < 0;
    Decimal d = ShortestDecimal(std::fabs(value));
    // Round the decimal digits to 3 significant digits, half away from zero.
    std::string digits = d.digits.substr(0, 3);
    if (d.digits.size() > 3 && d.digits[3] >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++d.exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exp = d.exponent;
    std::string out = negative ? "-" : "";
    if (exp < 3 && exp >= -5) {
        if (exp < 0) {
            out += "0.";
            out.append(static_cast<size_t>(-exp - 1), '0');
            out += digits;
        } else {
            std::string intPart = digits.substr(0, std::min<size_t>(digits.size(), exp + 1));
            intPart.append(static_cast<size_t>(exp + 1) - intPart.size(), '0');
            out += intPart;
            if (digits.size() > static_cast<size_t>(exp + 1)) {
                out += '.';
                out += digits.substr(exp + 1);
            }
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exp);
    }
    return out;
}

std::string ExactNumberText(double value) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string ExactPlainNumberText(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0"; // -0 too
    // Fixed notation of the largest double has 309 digits, of the smallest 330 characters.
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return std::string(buf, res.ptr);
}

std::optional<double> ConvertNumber(std::string_view text) {
    // Fast path for the usual entry (85, 42.5, -3): with at most 15 digits and no exponent,
    // the integer mantissa and the power of ten are exact doubles, so one division gives the
    // correctly rounded value, the same as the full conversion below.
    {
        static constexpr double kPow10[] = {1,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        size_t i = 0, n = text.size();
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        uint64_t mantissa = 0;
        int digits = 0, fraction = 0;
        bool point = false;
        for (; i < n; ++i) {
            char c = text[i];
            if (IsDigit(c)) {
                mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
                ++digits;
                if (point) ++fraction;
            } else if (c == '.' && !point) {
                point = true;
            } else {
                break;
            }
        }
        if (i == n && digits > 0 && digits <= 15) {
            double v = static_cast<double>(mantissa) / kPow10[fraction];
            return negative ? -v : v;
        }
    }
    // Validate the shape first: from_chars alone would take "inf", "nan" and hex forms.
    size_t i = 0, n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t mantissaDigits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++mantissaDigits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < n && IsDigit(text[i])) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    const char* first = text.data();
    if (*first == '+') ++first;
    double value = 0;
    auto res = std::from_chars(first, text.data() + n, value);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as 0; overflow is not a number a gradebook can use.
        double v = std::strtod(std::string(text).c_str(), nullptr);
        if (std::isinf(v)) return std::nullopt;
        return 0.0;
    }
    if (res.ec != std::errc() || res.ptr != text.data() + n) return std::nullopt;
    return value;
}

double ParseNumber(std::string_view text) {
    auto v = ConvertNumber(TrimBlanks(text));
    return v ? *v : 0.0;
}

double ShownNumber(double value) {
    if (!std::isfinite(value)) return value;
    return ParseNumber(FormatNumber(value));
}

bool IsBlank(std::string_view text) {
    for (char c : text)
        if (c != ' ') return false;
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    return text.substr(b, e - b);
}

std::string NormalizeLetter(std::string_view text) {
    std::string out(TrimBlanks(text));
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

namespace {

// Code points of the Windows-1252 bytes 0x80..0x9F (0 where the byte is undefined; those
// bytes map to the C1 control of the same number, as Windows does).
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::string Cp1252ToUtf8(std::string_view in) {
    std::string out;
    out.reserve(in.size());
    for (unsigned char b : in) {
        if (b < 0x80)
            out.push_back(static_cast<char>(b));
        else if (b < 0xA0)
            AppendUtf8(out, kHigh[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

namespace {

// One character of UTF-8 as the Windows-1252 encoder takes it; a malformed byte is a character
// of its own, with no code point.
struct TUtf8Char {
    size_t Length = 1;
    char32_t Code = 0;
    bool Valid = false;
};

TUtf8Char NextUtf8Char(std::string_view in, size_t i) {
    TUtf8Char ch;
    const unsigned char b = static_cast<unsigned char>(in[i]);
    if (b < 0x80) {
        ch.Code = b;
        ch.Valid = true;
        return ch;
    }
    const size_t len = (b >= 0xF0 && b < 0xF8) ? 4 : (b >= 0xE0) ? 3 : (b >= 0xC0) ? 2 : 0;
    if (len == 0 || b >= 0xF8 || i + len > in.size()) return ch;
    char32_t cp = b & (0x7F >> len);
    for (size_t k = 1; k < len; ++k) {
        const unsigned char cb = static_cast<unsigned char>(in[i + k]);
        if ((cb & 0xC0) != 0x80) return ch;
        cp = (cp << 6) | (cb & 0x3F);
    }
    ch.Length = len;
    ch.Code = cp;
    ch.Valid = true;
    return ch;
}

} // namespace

std::string Utf8ToCp1252(std::string_view in, bool* lost) {
    std::string out;
    out.reserve(in.size());
    bool anyLost = false;
    for (size_t i = 0; i < in.size();) {
        const TUtf8Char ch = NextUtf8Char(in, i);
        i += ch.Length;
        const char32_t cp = ch.Code;
        if (ch.Valid && (ch.Length == 1 || (cp >= 0xA0 && cp <= 0xFF))) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        int found = -1;
        if (ch.Valid)
            for (int k = 0; k < 32; ++k)
                if (kHigh[k] == cp) found = k;
        if (found >= 0) {
            out.push_back(static_cast<char>(0x80 + found));
        } else {
            out.push_back('?');
            anyLost = true;
        }
    }
    if (lost) *lost = anyLost;
    return out;
}

std::string_view CutToFileText(std::string_view utf8, size_t maxBytes) {
    // Every character, and every malformed byte, becomes one byte of Windows-1252.
    size_t at = 0;
    for (size_t count = 0; at < utf8.size() && count < maxBytes; ++count)
        at += NextUtf8Char(utf8, at).Length;
    return utf8.substr(0, at);
}

std::string CleanPastedName(std::string_view text, size_t maxBytes) {
    std::string out;
    size_t count = 0;
    for (size_t i = 0; i < text.size() && count < maxBytes;) {
        const TUtf8Char ch = NextUtf8Char(text, i);
        const char32_t cp = ch.Code;
        // C0 and C1 controls and DEL would be invisible in the grid and unprintable; a blank
        // keeps apart the words they stood between.
        const bool control = ch.Valid && (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F));
        if (!ch.Valid)
            out += '?';
        else if (control)
            out += ' ';
        else
            out.append(text.substr(i, ch.Length));
        i += ch.Length;
        // Leading blanks are not part of the name and take no room in it.
        if (out == " ")
            out.clear();
        else
            ++count;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

double TodayDate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    using namespace std::chrono;
    year_month_day ymd{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                       day{static_cast<unsigned>(local.tm_mday)}};
    auto base = sys_days{year{1899} / December / 30};
    return static_cast<double>((sys_days{ymd} - base).count());
}

bool IsAscii(std::string_view s) {
    const char* p = s.data();
    size_t n = s.size();
    // Eight bytes at a time: nearly every text of a gradebook is plain ASCII.
    while (n >= 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        if (w & 0x8080808080808080ull) return false;
        p += 8;
        n -= 8;
    }
    for (; n > 0; --n, ++p)
        if (static_cast<unsigned char>(*p) >= 0x80) return false;
    return true;
}

} // namespace marklow
