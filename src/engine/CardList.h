#pragma once

#include <QList>
#include <optional>

namespace quillmere {

// A list of card indices (or flags) that may not have been created yet. Every reader treats a list that
// does not exist as empty; only the writers care about the difference.
class CardList
{
public:
    CardList() = default;

    // Created with count entries, all 0.
    static CardList filled(int count) { return CardList(QList<int>(count, 0)); }
    static CardList of(QList<int> values) { return CardList(std::move(values)); }

    bool exists() const { return m_entries.has_value(); }
    bool contains(int value) const { return m_entries && m_entries->contains(value); }
    int size() const { return m_entries ? static_cast<int>(m_entries->size()) : 0; }
    // Precondition: 0 <= i < size().
    int at(int i) const { return (*m_entries)[i]; }
    void set(int i, int value) { (*m_entries)[i] = value; }
    // Creates the list with this single entry when it does not exist yet.
    void append(int value)
    {
        if (!m_entries)
            m_entries.emplace();
        m_entries->append(value);
    }
    // Back to "not created".
    void clear() { m_entries.reset(); }
    // The entries, empty when the list does not exist.
    QList<int> values() const { return m_entries.value_or(QList<int>{}); }

    friend bool operator==(const CardList&, const CardList&) = default;

private:
    explicit CardList(QList<int> values)
        : m_entries(std::move(values))
    { }
    std::optional<QList<int>> m_entries;
};

} // namespace quillmere
