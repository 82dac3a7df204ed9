#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/GuiReportInterface.h"

class XmlReader;

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

    // The reminder fees of "fiscoraConstants.xml", in file order.
    const std::vector<int32_t>& getFees() const { return m_fees; }

private:
    bool isIncome() const;
    // "<label>" at x and "<amount> kronor" ending at `right`, on line y.
    void writeLine(const std::string& label, int64_t amount, const TiXmlElement* place,
                   const std::string& font);

    std::unique_ptr<XmlReader> m_constants;
    std::vector<int32_t> m_fees;
};
