#include "core/Log.h"

int main(int, char**) {
    Log::info("WinMain") << "shutting down";
    return 0;
}
