// The one process-wide source of random numbers.
// Random(n) gives a uniform whole number in 0..n-1; Randomize reseeds from the clock.
// Tests replace the source with scripted draws so that a roll such as "every die shows 6" is exact.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace Vexlor {

// A uniform whole number in 0..n-1; 0 when n is 1 or less.
int Random(int n);

// Mixes the clock into the generator's state. Two reseeds in the same clock tick still give
// different sequences, because the old state is kept in the mix.
void Randomize();

class TRandom_Source {
  public:
    virtual ~TRandom_Source() = default;
    virtual int Next(int n) = 0;
    virtual void Reseed() {}
};

// Installs a source for the lifetime of the object and restores the previous one afterwards.
class TRandom_Override {
  public:
    explicit TRandom_Override(TRandom_Source& source);
    ~TRandom_Override();
    TRandom_Override(const TRandom_Override&) = delete;
    TRandom_Override& operator=(const TRandom_Override&) = delete;

  private:
    TRandom_Source* Previous;
};

// The same draws for the same seed, whatever the clock says: a game master replays a session's
// rolls by giving its seed again. Reseeding from the clock would break the replay, so it does
// nothing.
class TSeeded_Random : public TRandom_Source {
  public:
    explicit TSeeded_Random(std::uint64_t seed);
    ~TSeeded_Random() override;
    int Next(int n) override;

  private:
    struct TEngine;
    std::unique_ptr<TEngine> Engine;
};

// Draws given in advance, in order. A draw that does not fit 0..n-1, or a draw past the end of the
// script, raises std::logic_error: the test that scripted it is wrong.
class TScripted_Random : public TRandom_Source {
  public:
    explicit TScripted_Random(std::vector<int> draws) : Draws(std::move(draws)) {}
    int Next(int n) override;
    std::size_t Remaining() const { return Draws.size() - Position; }
    // The n of every draw taken so far, in order.
    const std::vector<int>& Requests() const { return Asked; }

  private:
    std::vector<int> Draws;
    std::size_t Position = 0;
    std::vector<int> Asked;
};

// Every draw answered by a function of n, for rules such as "every die shows its highest face".
class TFunction_Random : public TRandom_Source {
  public:
    explicit TFunction_Random(std::function<int(int)> rule) : Rule(std::move(rule)) {}
    int Next(int n) override { return Rule(n); }

  private:
    std::function<int(int)> Rule;
};

} // namespace Vexlor
