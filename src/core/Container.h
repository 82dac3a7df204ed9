#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace zcore {

// An ordered list with a pass cursor. Elements may be added and removed while a
// pass walks the list: an added element is visited later in the same pass, and
// removing an element keeps the cursor on the element that would have come
// next, so an object can remove itself (or another) from inside its own visit.
template <class T>
class container {
public:
    virtual ~container() = default;

    virtual void add(T element) { m_elements.push_back(element); }

    virtual void remove(T element) {
        auto found = std::find(m_elements.begin(), m_elements.end(), element);
        if (found == m_elements.end()) {
            return;
        }
        const std::ptrdiff_t index = found - m_elements.begin();
        m_elements.erase(found);
        // Only removals at or before the cursor move it back; one further
        // ahead must not make the pass skip or repeat the elements between.
        if (m_passing && index <= m_cursor) {
            --m_cursor;
        }
    }

    std::size_t size() const { return m_elements.size(); }
    bool contains(T element) const {
        return std::find(m_elements.begin(), m_elements.end(), element) != m_elements.end();
    }
    const std::vector<T>& elements() const { return m_elements; }

protected:
    // Visits every element once, including those added during the pass.
    template <class Visit>
    void pass(Visit visit) {
        m_passing = true;
        for (m_cursor = 0; m_cursor < static_cast<std::ptrdiff_t>(m_elements.size()); ++m_cursor) {
            visit(m_elements[static_cast<std::size_t>(m_cursor)]);
        }
        m_passing = false;
        m_cursor = 0;
    }

private:
    std::vector<T> m_elements;
    std::ptrdiff_t m_cursor = 0;
    bool m_passing = false;
};

}  // namespace zcore
