#pragma once

#include <QList>
#include <cstdint>
#include <random>

namespace quillmere {

// Uniform numbers in [0, 1) for the draw and the reversal decisions.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// A Mersenne Twister: seeded once from the system's entropy for the program, or with a fixed seed for
// reproducible readings. It is never reseeded between draws, so two draws in one clock tick still differ.
class SeededRandomSource final : public RandomSource
{
public:
    explicit SeededRandomSource(std::uint64_t seed)
        : m_engine(seed)
    { }
    static SeededRandomSource fromEntropy()
    {
        std::random_device device;
        return SeededRandomSource((std::uint64_t{device()} << 32) | device());
    }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937_64 m_engine;
};

// Plays back a fixed list of numbers, then repeats the last one; for tests that force repeats and edges.
class ScriptedRandomSource final : public RandomSource
{
public:
    explicit ScriptedRandomSource(QList<double> values)
        : m_values(std::move(values))
    { }
    double next() override
    {
        if (m_values.isEmpty())
            return 0.0;
        const double value = m_values[std::min<qsizetype>(m_next, m_values.size() - 1)];
        ++m_next;
        return value;
    }
    int consumed() const { return static_cast<int>(m_next); }

private:
    QList<double> m_values;
    qsizetype m_next = 0;
};

} // namespace quillmere
