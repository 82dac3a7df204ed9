#include "home/Portfolio.h"

#include <algorithm>
#include <limits>

#include "core/Log.h"

void Portfolio::setCash(int32_t cash, const std::string& reason) {
    changeCash(static_cast<int64_t>(cash) - m_cash, reason);
}

void Portfolio::changeCash(int64_t delta, const std::string& reason) {
    const int32_t old = m_cash;
    // Held at the edge rather than wrapping round to a fortune or a debt.
    const int64_t sum =
        std::clamp<int64_t>(static_cast<int64_t>(old) + delta, std::numeric_limits<int32_t>::min(),
                            std::numeric_limits<int32_t>::max());
    m_cash = static_cast<int32_t>(sum);
    Log::debug("Portfolio::changeCash") << "cash " << old << " -> " << m_cash << ": " << reason;
}
