// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the fuzz targets: turning libFuzzer's bytes into the UTF-16 texts
// the core reads, and failing loudly when a property does not hold.
//
// An input is UTF-8 text split into fields at '|' (so the seed files are
// readable and editable); a byte that is not valid UTF-8 becomes the code unit
// of the same value, so every byte string is a valid input.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace pilecalc::fuzz {

inline std::u16string decodeText(std::string_view bytes) {
    std::u16string out;
    std::size_t i = 0;
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    while (i < bytes.size()) {
        const unsigned char b = byte(i);
        int length = 0;
        char32_t c = 0;
        if (b < 0x80) {
            length = 1;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            length = 2;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4;
            c = b & 0x07;
        }
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = byte(i + static_cast<std::size_t>(k));
            if ((next & 0xC0) != 0x80) valid = false;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid || c > 0x10FFFF) {
            out.push_back(static_cast<char16_t>(b));
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i += static_cast<std::size_t>(length);
    }
    return out;
}

// The input's fields, missing ones empty.
inline std::vector<std::u16string> fields(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::vector<std::u16string> out(count);
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (std::size_t f = 0; f < count && start <= all.size(); ++f) {
        const std::size_t bar = f + 1 < count ? all.find('|', start) : std::string_view::npos;
        const std::size_t end = bar == std::string_view::npos ? all.size() : bar;
        out[f] = decodeText(all.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// Readable form of a text for a failure report (UTF-16 units, non-ASCII as \uXXXX).
inline std::string show(std::u16string_view text) {
    std::string out = "\"";
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return out + "\"";
}

inline std::string show(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

[[noreturn]] inline void fail(const char* file, int line, const char* condition, const std::string& detail) {
    std::fprintf(stderr, "\n*** property violated at %s:%d: %s\n    %s\n", file, line, condition, detail.c_str());
    std::abort();
}

// A character that would break or shift a report line: C0, DEL, C1 and the
// Unicode line and paragraph separators.
inline bool isControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029; }

inline bool hasControl(std::u16string_view text) {
    for (char16_t c : text) {
        if (isControl(c)) return true;
    }
    return false;
}

// A double as its bits: NaN equals NaN, -0 differs from +0.
inline bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace pilecalc::fuzz

// A property of the code under test; a violation aborts, which libFuzzer
// reports as a crash with the input saved.
#define FUZZ_CHECK(condition, detail)                                                     \
    do {                                                                                  \
        if (!(condition)) ::pilecalc::fuzz::fail(__FILE__, __LINE__, #condition, detail); \
    } while (false)
