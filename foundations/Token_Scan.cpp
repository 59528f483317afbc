#include "Token_Scan.h"

#include "CommonUt.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace Vexlor {
namespace {

// Where a scan has got to: the position, whether editing is needed so far, and whether the
// character before the position was a blank or a tab (two in a row need editing).
struct TScan_State {
    std::size_t Position = 0;
    bool Edit = false;
    bool Previous_Blank = false;
};

// Scans on from state one character at a time, up to stop or the end of source.
void Scan_Characters(std::string_view source, char stop, bool preserve, TScan_State& state) {
    for (; state.Position < source.size(); ++state.Position) {
        const char c = source[state.Position];
        if (c == stop)
            return;
        const bool blank = Is_Blank(c);
        state.Edit |= c == '\r' || c == '\n' || (!preserve && (c == '\t' || (blank && state.Previous_Blank)));
        state.Previous_Blank = blank;
    }
}

// Scans on from state sixteen characters at a time while a whole chunk is left; true when stop
// was found (state.Position is then at it).
bool Scan_Chunks(std::string_view source, char stop, bool preserve, TScan_State& state) {
#ifdef __SSE2__
    const char* text = source.data();
    const __m128i stops = _mm_set1_epi8(stop), returns = _mm_set1_epi8('\r'), feeds = _mm_set1_epi8('\n'),
                  tabs = _mm_set1_epi8('\t'), blanks = _mm_set1_epi8(' ');
    for (; state.Position + 16 <= source.size(); state.Position += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + state.Position));
        const auto mask = [&](__m128i a) {
            return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, a)));
        };
        const unsigned stop_bits = mask(stops);
        const unsigned before_stop = stop_bits ? (stop_bits & (0u - stop_bits)) - 1 : 0xFFFFu;
        // Only blanks and control characters can need editing; most chunks of a tag have none.
        const __m128i low = _mm_cmpeq_epi8(_mm_min_epu8(chunk, blanks), chunk);
        if ((static_cast<unsigned>(_mm_movemask_epi8(low)) & before_stop) == 0) {
            state.Previous_Blank = false;
        } else {
            const unsigned tab_bits = mask(tabs) & before_stop;
            const unsigned blank_bits = (mask(blanks) & before_stop) | tab_bits;
            state.Edit |= ((mask(returns) | mask(feeds)) & before_stop) != 0;
            // A blank ending the previous chunk and one starting this chunk are two in a row.
            if (!preserve)
                state.Edit |= tab_bits != 0 || (blank_bits & (blank_bits >> 1)) != 0 ||
                              (state.Previous_Blank && (blank_bits & 1u));
            state.Previous_Blank = (blank_bits >> 15) & 1u;
        }
        if (stop_bits) {
            state.Position += static_cast<std::size_t>(__builtin_ctz(stop_bits));
            return true;
        }
    }
#else
    (void)source, (void)stop, (void)preserve, (void)state;
#endif
    return false;
}

TToken_Scan Result(const TScan_State& state, std::size_t size, bool include_stop) {
    return {state.Position < size && include_stop ? state.Position + 1 : state.Position, state.Edit};
}

} // namespace

TToken_Scan Scan_Token(std::string_view source, std::size_t begin, char stop, bool include_stop,
                       bool preserve) {
    TScan_State state{begin};
    if (!Scan_Chunks(source, stop, preserve, state))
        Scan_Characters(source, stop, preserve, state);
    return Result(state, source.size(), include_stop);
}

TToken_Scan Scan_Token_By_Character(std::string_view source, std::size_t begin, char stop, bool include_stop,
                                    bool preserve) {
    TScan_State state{begin};
    Scan_Characters(source, stop, preserve, state);
    return Result(state, source.size(), include_stop);
}

} // namespace Vexlor
