#pragma once

// One process-wide instance of T, created on first use. Nothing is destroyed
// automatically; the few singletons torn down at shutdown call destroy().
template <class T>
class Singleton {
public:
    static T* instance() {
        if (!s_instance) {
            s_instance = new T;
        }
        return s_instance;
    }

    static bool exists() { return s_instance != nullptr; }

    static void destroy() {
        T* doomed = s_instance;
        s_instance = nullptr;
        delete doomed;
    }

protected:
    Singleton() = default;
    virtual ~Singleton() = default;
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

private:
    static inline T* s_instance = nullptr;
};
