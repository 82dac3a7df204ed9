#pragma once
#include <string>

#include "sim/GuiReportInterface.h"

// The report of a random event: a picture, a heading, the story and one or
// two answers.
class GuiReportEvent : public GuiReportInterface {
public:
    GuiReportEvent(RandomEventInterface* event, int slot);
    ~GuiReportEvent() override;

    void createWindow() override;
    // The amount to the cash, the event's flags, then its own effects.
    void acceptAction() override;
    void rejectAction() override;
};
