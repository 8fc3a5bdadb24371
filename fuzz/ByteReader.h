// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

// Reads a fuzz input from front to back, so that a hand-written corpus file says what it
// does in the order it is read. Past the end every read gives 0: any input, even an
// empty one, is a complete and valid run. Does not own the bytes.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_next >= m_size; }

    uint8_t Byte() { return AtEnd() ? 0 : m_data[m_next++]; }

    // Little-endian, like the corpus files.
    uint16_t U16()
    {
        const uint16_t low = Byte();
        return static_cast<uint16_t>(low | Byte() << 8);
    }

    int32_t I32()
    {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8)
            value |= static_cast<uint32_t>(Byte()) << shift;
        return static_cast<int32_t>(value);
    }

    // A value in [0, limit] from two bytes.
    int UpTo(int limit) { return U16() % (limit + 1); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_next = 0;
};
