// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// What the fuzz targets share: a check that stops the run (libFuzzer then keeps the input that
// broke it), and a reader that takes values off the front of an input.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__,        \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace planetarch::fuzzing {

class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_size == 0; }

    template <typename T> T take()
    {
        T value{};
        const std::size_t n = m_size < sizeof(T) ? m_size : sizeof(T);
        std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }

    // The bytes up to the next zero byte (or the end).
    QByteArray bytes()
    {
        std::size_t n = 0;
        while (n < m_size && m_data[n] != 0)
            ++n;
        const QByteArray value(reinterpret_cast<const char *>(m_data), static_cast<qsizetype>(n));
        const std::size_t used = n < m_size ? n + 1 : n;
        m_data += used;
        m_size -= used;
        return value;
    }

    // Text up to the next zero byte (or the end), as UTF-8.
    QString text() { return QString::fromUtf8(bytes()); }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
};

} // namespace planetarch::fuzzing
