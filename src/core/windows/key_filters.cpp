#include "core/windows/key_filters.h"

namespace scrivlet {

bool OptionsBoxAcceptsKey(int code, std::size_t length, std::size_t limit) {
    return code <= 28 || length < limit;
}

bool WindowFieldAcceptsKey(int code, std::size_t length, std::size_t limit) {
    return code < 32 || length < limit;
}

bool PositionFieldAcceptsKey(int code) {
    const bool punctuationOrLetter = (code >= ' ' && code <= '/') || (code >= ':' && code <= '~');
    return !punctuationOrLetter;
}

}  // namespace scrivlet
