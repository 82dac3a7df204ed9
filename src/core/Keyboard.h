#pragma once

#include <map>
#include <set>
#include <string>

#include "core/InputInterface.h"

class HGE;

// Keyboard and mouse as one device: posts press (0), held (2) and release (1)
// events for the keys the game knows, and the pointer position.
class Keyboard : public InputInterface {
public:
    // Actions posted by the device.
    enum Action {
        ActionArrow = 0,
        ActionLeftButton = 1,
        ActionBackspaceRepeat = 2,
        ActionPointer = 5,
        ActionPointerDrag = 6,
        ActionRightButton = 7,
        ActionSpace = 8,
        ActionEnter = 10,
        ActionBackspace = 11,
    };

    Keyboard();
    ~Keyboard() override;

    bool process() override;
    const char* getKeyName() override;

private:
    // Posts 0 when the key is newly held and 2 while it stays held.
    void checkKey(int key, int action, float first = 0.0f);
    void checkPointer();
    void postReleases();
    void post(int action, float first, float second);

    HGE* m_hge;
    std::map<int, std::pair<int, float>> m_held;  // key -> (action, first value)
    std::set<int> m_seenThisFrame;
    std::string m_keyName;
};
