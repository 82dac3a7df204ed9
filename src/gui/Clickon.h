#pragma once

#include <functional>
#include <string>

class GuiBase;

// The autopilot's "clickon <name>": where on the screen the named widget is.
namespace Clickon {

// The centre, in game pixels, of the topmost visible and active widget named
// `name`; false (and a warning in the game log) when there is none.
bool resolve(const std::string& name, float& x, float& y);

// A name the game answers itself, such as "report" for the oldest open
// report icon: the toolkit knows no game rules. The function returns the
// widget meant, or null when there is none now. An empty function removes
// the name.
using Target = std::function<GuiBase*()>;
void setTarget(const std::string& name, Target target);

// Hands resolve() to the engine's autopilot; the pointer does it when made.
void install();
void uninstall();

}  // namespace Clickon
