#pragma once

// Splits a harness's input into the registry values a reader takes: each
// value is a length byte followed by that many bytes (fewer where the input
// ends), and the last value takes whatever is left.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

class FuzzValues
{
public:
    FuzzValues(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t Byte()
    {
        if (m_size == 0)
            return 0;
        m_size--;
        return *m_data++;
    }

    // Each value in a buffer of its own, as the registry hands them out, so
    // that a read past its end shows.
    std::vector<uint8_t> Value()
    {
        const size_t nLength = std::min<size_t>(Byte(), m_size);
        return Take(nLength);
    }

    std::vector<uint8_t> Rest() { return Take(m_size); }

private:
    std::vector<uint8_t> Take(size_t nLength)
    {
        std::vector<uint8_t> value(m_data, m_data + nLength);
        m_data += nLength;
        m_size -= nLength;
        return value;
    }

    const uint8_t* m_data;
    size_t m_size;
};
