#pragma once
// What the fuzz targets share: a reader of the input bytes and the report of a
// broken property (printed, then abort, which libFuzzer and the replay driver
// both count as a failure).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Takes bytes from the front of the input; past the end every byte is 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : m_data(data), m_size(size)
    {
    }
    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The input split at every '\n' (an empty input gives one empty line).
inline std::vector<std::string> splitLines(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back().push_back(char(data[i]));
    }
    return lines;
}

[[noreturn]] inline void fuzzFailure(const std::string& what)
{
    std::fprintf(stderr, "fuzz property broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void fuzzCheck(bool holds, const std::string& what)
{
    if (!holds)
        fuzzFailure(what);
}
