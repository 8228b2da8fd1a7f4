#pragma once

#include <string>

#include "outputs/BankList.h"
#include "outputs/Registers.h"
#include "report/Document.h"

namespace zarion::outputs {

// "0 - KONAČNA", "1 - PRVI DEO", "2 - DRUGI DEO": the payments as the operator chooses them.
std::string paymentCaption(Payment payment);

// "Isplata: 03/2026 - DRUGI DEO": the month and the payment a bank list pays.
std::string bankPaymentHeading(const ListSelection& selection);

// "Spisak uplaćenih zarada i drugih primanja na tekuće račune" of one bank: its name and
// account, the payment, the employees with their accounts and amounts, "UKUPNO", the place and
// the signature lines.
report::Document bankTransferList(const ListPrint& print, const std::string& place,
                                  const BankGroup& group, const ListSelection& selection);
// The same list under the payout line given (BankList::payout).
report::Document bankTransferList(const ListPrint& print, const std::string& place,
                                  const BankGroup& group, const std::string& payout);

} // namespace zarion::outputs
