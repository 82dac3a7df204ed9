#pragma once

#include "core/Renderable.h"

// The common base of drawn objects made from images.
class Graphical : public Renderable {};
