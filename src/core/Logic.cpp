#include "core/Logic.h"

#include "core/Manager.h"

Logic::Logic() {
    Manager<Logic*>::instance()->add(this);
}

Logic::~Logic() {
    Manager<Logic*>::instance()->remove(this);
}

template <>
void Manager<Logic*>::update(float dt) {
    pass([dt](Logic* logic) {
        if (logic->isActive()) {
            logic->update(dt);
        }
    });
}
