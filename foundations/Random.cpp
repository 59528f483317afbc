#include "Random.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace Vexlor {
namespace {

// The finest clock at hand. The evaluator reseeds at every formula it reads, thousands of times per
// press of a referee tool, so the processor's time-stamp counter is read where there is one: it
// costs a few cycles, where asking the system for the time costs several times as much.
std::uint64_t Clock_Ticks() {
#if defined(__x86_64__) || defined(__i386__)
    return __rdtsc();
#else
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

std::uint64_t Split_Mix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// xoshiro256** with an unbiased bounded draw (Lemire's multiply-and-reject), the engine of both
// sources.
class TXoshiro {
  public:
    int Next(int n) {
        if (n <= 1)
            return 0;
        const auto range = static_cast<std::uint64_t>(n);
        for (;;) {
            const std::uint64_t x = Next_64() >> 32;
            const std::uint64_t product = x * range;
            const auto low = static_cast<std::uint32_t>(product);
            // The rejection threshold is below range, so a low part of at least range is kept
            // without working the threshold out (a division).
            if (low >= range || low >= static_cast<std::uint32_t>(-static_cast<std::uint32_t>(range) % range))
                return static_cast<int>(product >> 32);
        }
    }

    // Stirs mix into the state; an all-zero state, which the engine never leaves, is avoided.
    void Mix(std::uint64_t mix) {
        for (auto& word : State)
            word ^= Split_Mix(mix);
        if ((State[0] | State[1] | State[2] | State[3]) == 0)
            State[0] = 1;
    }

  private:
    static std::uint64_t Rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t Next_64() {
        const std::uint64_t result = Rotate(State[1] * 5, 7) * 9;
        const std::uint64_t t = State[1] << 17;
        State[2] ^= State[0];
        State[3] ^= State[1];
        State[1] ^= State[2];
        State[0] ^= State[3];
        State[2] ^= t;
        State[3] = Rotate(State[3], 45);
        return result;
    }

    std::uint64_t State[4] = {0x0123456789ABCDEFULL, 0x7E3779B97F4A7C15ULL, 0x5851F42D4C957F2DULL,
                              0x14057B7EF767814FULL};
};

class TClock_Random : public TRandom_Source {
  public:
    // Out of line, so that finding the source before each draw stays a few instructions.
    [[gnu::noinline]] TClock_Random() { Reseed(); }

    int Next(int n) override { return Engine.Next(n); }
    void Reseed() override { Engine.Mix(Clock_Ticks() ^ (++Reseeds * 0xD1B54A32D192ED03ULL)); }

  private:
    TXoshiro Engine;
    std::uint64_t Reseeds = 0;
};

TClock_Random& Clock_Source() {
    static TClock_Random source;
    return source;
}

TRandom_Source* Current_Source = nullptr;

TRandom_Source& Source() {
    return Current_Source ? *Current_Source : Clock_Source();
}

} // namespace

int Random(int n) {
    return Source().Next(n);
}

void Randomize() {
    Source().Reseed();
}

TRandom_Override::TRandom_Override(TRandom_Source& source) : Previous(Current_Source) {
    Current_Source = &source;
}

TRandom_Override::~TRandom_Override() {
    Current_Source = Previous;
}

struct TSeeded_Random::TEngine : TXoshiro {};

TSeeded_Random::TSeeded_Random(std::uint64_t seed) : Engine(std::make_unique<TEngine>()) {
    Engine->Mix(seed);
}

TSeeded_Random::~TSeeded_Random() = default;

int TSeeded_Random::Next(int n) {
    return Engine->Next(n);
}

int TScripted_Random::Next(int n) {
    Asked.push_back(n);
    if (Position >= Draws.size())
        throw std::logic_error("scripted random draws exhausted (asked Random(" + std::to_string(n) + "))");
    const int draw = Draws[Position++];
    const int limit = n <= 1 ? 1 : n;
    if (draw < 0 || draw >= limit)
        throw std::logic_error("scripted draw " + std::to_string(draw) + " does not fit Random(" +
                               std::to_string(n) + ")");
    return draw;
}

} // namespace Vexlor
