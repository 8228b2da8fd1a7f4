#pragma once

#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"
#include "report/Document.h"
#include "report/Painter.h"

namespace zarion::employees {

// One transfer as it goes on the bank's form "NALOG ZA PRENOS" (Obrazac broj 3).
struct PaymentOrder {
    std::string payer;     // dužnik - nalogodavac: name (and town)
    std::string purpose;   // svrha plaćanja
    std::string recipient; // poverilac - primalac
    std::string paymentCode;
    std::string currency = "RSD";
    Currency amount;
    std::string payerAccount;
    std::string payerModel;
    std::string payerReference;
    std::string recipientAccount;
    std::string recipientModel;
    std::string recipientReference;
    std::string place; // mesto prijema
    Date date;         // datum prijema and datum valute; not printed when empty
    bool urgent = false;
};

// Draws one filled form, 190 × 100 mm, with its top left corner at (10, top). Texts too long for
// their box wrap at blanks onto at most three lines.
void PrintPaymentOrder(report::Painter& painter, const PaymentOrder& order, double top);

// Every order in turn, two to a page.
report::Document PaymentOrdersDocument(const std::vector<PaymentOrder>& orders,
                                       const std::string& title);

} // namespace zarion::employees
