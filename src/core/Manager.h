#pragma once

#include "core/Container.h"
#include "core/Singleton.h"

class Logic;
class Renderable;

// The process-wide registries that the frame loop walks. Logic and Renderable
// objects register themselves on construction and leave on destruction.
template <class T>
class Manager : public zcore::container<T>, public Singleton<Manager<T>> {
public:
    // Logic pass: every active object's update, in registration order.
    void update(float dt);
    // Draw pass: asks every object to queue itself when it is to be drawn.
    void render();
};

template <>
void Manager<Logic*>::update(float dt);
template <>
void Manager<Renderable*>::render();
