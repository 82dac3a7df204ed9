#pragma once

#include <map>
#include <string>

#include "engine/hgevector.h"

class GuiTextBox;
class Text;
class TiXmlElement;

// The pieces of the budget window that are not about its buttons: amounts
// written as a player reads them, the month's incomes and expenses of
// "fiscoraConstants.xml", and numbers that follow a value while the window
// is open.
namespace budget {

// The colour of every number that moves with the player's choices; light on
// the window's dark face.
constexpr unsigned int VALUE_COLOR = 0xFFFFD966u;
constexpr unsigned int TEXT_COLOR = 0xFFFFFFFFu;
// The surplus when it is above and below zero.
constexpr unsigned int GAIN_COLOR = 0xFFA6F0A6u;
constexpr unsigned int LOSS_COLOR = 0xFFFFA3A3u;
extern const char* const FONT;

// "18 500 kr": thousands parted by a space, a minus in front of a debt.
std::string kronor(int amount);

// Whether an item whose "flag" attribute is `flag` counts this month: an
// empty flag always, "ALWAYS" only for an expense, otherwise while the named
// flag is raised.
bool applies(const std::string& flag, bool expense);

// name -> amount ("value" + `level`) of every `kind` element ("income" or
// "expense") under `root` that applies; a later element of the same name
// replaces an earlier one. `found` tells whether there was any such element.
std::map<std::string, int> readItems(const TiXmlElement* root, const std::string& kind, int level,
                                     bool& found);

// Writes the names at x 0 and the amounts, after `sign`, right-aligned to
// x 320 from y 130 down, then the total at y 400; `box` may be null.
// Returns the total.
int writeList(GuiTextBox* box, const std::map<std::string, int>& items, const std::string& sign);

// Adds a text to `box` (its left end at `position`, or its right end with
// `right`) and hands it out; null without a box.
Text* addText(GuiTextBox* box, const std::string& text, const hgeVector& position, bool right,
              unsigned int color = TEXT_COLOR);

// A number in a text box that follows an integer while the box lives: it is
// written again, after its prefix unless it is 0, whenever it has changed.
class LiveNumber {
public:
    // `signColored`: green above zero, red below, `VALUE_COLOR` at zero.
    LiveNumber(GuiTextBox* box, const int* source, const std::string& prefix,
               const hgeVector& position, bool right, bool signColored = false);
    void refresh();
    const std::string& shown() const;

private:
    Text* m_text = nullptr;  // belongs to the box
    const int* m_source;
    std::string m_prefix;
    bool m_signColored;
    int m_value = 0;
    bool m_written = false;
};

}  // namespace budget
