#pragma once

#include <string>

// Where the game writes when the folders it was started in or installed to
// are not its own: a game started from a menu works in "/" or the home
// folder, and an installed one lies in a system folder. These are the user's
// folders of the XDG base directory layout, each with a "fiscora" folder.
namespace userfolders {

// "$XDG_STATE_HOME/fiscora", or "$HOME/.local/state/fiscora" when the
// variable is unset or not an absolute path; "" without either.
std::string state();
// "$XDG_DATA_HOME/fiscora", or "$HOME/.local/share/fiscora" likewise.
std::string data();

bool isWritable(const std::string& folder);
// Makes the folder and its parents; true when it is there afterwards.
bool make(const std::string& folder);

// Where the logs go: "" for the working folder (the names stay relative, as
// every test and tool expects) when it is writable and neither "/" nor the
// user's home, which belong to no program; else `stateFolder`.
std::string chooseLogFolder(const std::string& working, bool writable, const std::string& home,
                            const std::string& stateFolder);

// The choice for this process, made once; the state folder is created then,
// and when it cannot be, the working folder stays.
const std::string& logFolder();
// `name` in logFolder().
std::string logPath(const std::string& name);

}  // namespace userfolders
