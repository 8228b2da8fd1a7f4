#pragma once

#include <iosfwd>

namespace zarion::cli {

// zarion-cli calc: reads one calculation request as a JSON object (or an array of them) from
// `in` and writes the result(s) as JSON to `out`. Returns 0 when every request was calculated.
//
// Request: "mode" ("net", "gross" or "netToGross"), "kind" ("final" or "advance"), "year",
// "month", "settings" (postavke), "params" (parametri_po_mesecima), "employee" (radnici, Datum as
// "YYYY-MM-DD"), "inputs" (the calculation's input columns), for the gross-based modes "gross" or
// "net" and optionally "nonTaxable", and "minimumBasicPay" to raise basic pay to the final
// calculation's minimum. Names are matched without regard to case; what is missing reads as 0.
// Answer: {"result": {column: value, …}, "hoursFund": N, "hoursWorked": S}, or {"error": message}.
int calcCommand(std::istream& in, std::ostream& out);

} // namespace zarion::cli
