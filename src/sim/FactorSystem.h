#pragma once

#include <map>
#include <string>
#include <utility>

#include "core/Log.h"

// A keyed store of game facts. Indexing a missing key adds it with V's zero
// value; exists() tells whether a key is there and logs the miss.
template <class K, class V>
class FactorSystem : public std::map<K, V> {
public:
    // `context` names this store in the log.
    explicit FactorSystem(std::string context) : m_context(std::move(context)) {}

    bool exists(K key) const {
        if (this->find(key) != this->end()) {
            return true;
        }
        Log::warning(m_context) << "key not found" << static_cast<int>(key);
        return false;
    }

private:
    std::string m_context;
};
