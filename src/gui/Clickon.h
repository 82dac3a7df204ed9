#pragma once

#include <string>

// The autopilot's "clickon <name>": where on the screen the named widget is.
namespace Clickon {

// The centre, in game pixels, of the topmost visible and active widget named
// `name`; false (and a warning in the game log) when there is none.
bool resolve(const std::string& name, float& x, float& y);

// Hands resolve() to the engine's autopilot; the pointer does it when made.
void install();
void uninstall();

}  // namespace Clickon
