#pragma once
// What every fuzz target shares: a property check that stops the run (libFuzzer keeps the
// input as a crash, the corpus replay fails), and a reader that cuts the input into fields.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzz {

// 0xFF never occurs in UTF-8, so it separates text fields without limiting what they hold.
inline constexpr char kFieldSeparator = '\xFF';

// The input cut at each separator into exactly count fields; missing ones are empty, the
// last one takes the rest.
inline std::vector<std::string_view> Fields(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t end = rest.find(kFieldSeparator);
        fields.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    fields.push_back(rest);
    return fields;
}

// A small whole number from the front of a field, consuming up to bytes bytes.
inline int TakeNumber(std::string_view& field, std::size_t bytes)
{
    int value = 0;
    for (std::size_t i = 0; i < bytes && !field.empty(); ++i) {
        value = value * 256 + static_cast<unsigned char>(field.front());
        field.remove_prefix(1);
    }
    return value;
}

}  // namespace fuzz
