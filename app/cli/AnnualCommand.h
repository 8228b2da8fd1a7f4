#pragma once

#include <optional>
#include <ostream>

#include "cli/Arguments.h"
#include "outputs/Treasury.h"

namespace zarion::cli {

// The payout of the treasury options of the year: --vrsta (salaries by default) with --mesec,
// --deo and --rj, or --nalog for a batch of other income; nothing when they do not name one.
std::optional<outputs::TreasuryPayout> treasuryPayoutOptions(const Arguments& args, int year);

// zarion-cli trezor --firma ID --broj NNNNNN [--vrsta zarade|bolovanje|porodiljsko|ostala]
// [--mesec M] [--deo 0|1|2] [--rj ID] [--nalog ID] [--redni N] [--podizvor N] [--godina G]
// [--datum GGGG-MM-DD] [--base FOLDER]: writes the treasury's commitment (COM) and payment (PAY)
// files of the payout into the base folder's XML_TREZOR and names them; a difference of an
// account between the two is written to the error stream. Returns 2 on wrong options, 1 when
// the files cannot be made, else 0.
int treasuryCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// zarion-cli ppp --firma ID [--godina G] [--od M] [--do M] [--disk X | --out FOLDER]
// [--base FOLDER]: writes the annual return's ppp_deo2.txt and ppp_deo3.txt for the months of
// the year (all twelve by default) onto drive X (F by default) or into FOLDER.
int annualReturnCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace zarion::cli
