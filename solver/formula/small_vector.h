#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace triangle {

// A sequence kept on the stack while it is short and moved to the heap only beyond that,
// so that an ordinary field text is read without allocating, while a text of any length
// is still read whole.
template <typename T, std::size_t InlineSize> class SmallVector {
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const T* data() const { return m_heap.empty() ? m_inline.data() : m_heap.data(); }
    const T& operator[](std::size_t i) const { return data()[i]; }

    void push_back(const T& value) { append(&value, 1); }
    void append(const T* values, std::size_t count)
    {
        if (m_heap.empty() && m_size + count <= InlineSize) {
            std::copy(values, values + count, m_inline.begin() + m_size);
        } else {
            if (m_heap.empty())
                m_heap.assign(m_inline.begin(), m_inline.begin() + m_size);
            m_heap.insert(m_heap.end(), values, values + count);
        }
        m_size += count;
    }

private:
    std::array<T, InlineSize> m_inline;
    std::vector<T> m_heap;
    std::size_t m_size = 0;
};

using SmallText = SmallVector<char, 96>;

inline std::string_view viewOf(const SmallText& text)
{
    return std::string_view(text.data(), text.size());
}

inline void append(SmallText& text, std::string_view piece)
{
    text.append(piece.data(), piece.size());
}

} // namespace triangle
