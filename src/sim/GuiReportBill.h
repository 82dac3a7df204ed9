#pragma once
#include <string>

#include "sim/GuiReportInterface.h"

// The report of a bill or an income: a paper bill with the amount, the
// reminder fees so far, and "Betala"/"Vägra" (an income has only the yes).
class GuiReportBill : public GuiReportInterface {
public:
    GuiReportBill(RandomEventInterface* event, int slot);
    ~GuiReportBill() override;

    void createWindow() override;
    // Pays (or receives) the amount; stays open with "no money" when the
    // cash does not cover the bill.
    void acceptAction() override;
    void rejectAction() override;
};
