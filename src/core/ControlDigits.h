#pragma once

#include <optional>
#include <string>
#include <string_view>

// The control digits of the numbers a company is known by: its registration number (matični
// broj), its tax number (PIB) and its bank accounts.
namespace zarion {

// Control digit of a registration number from its first seven digits: the digits weighted
// 8 7 6 5 4 3 2, then 11 − (sum mod 11), where 10 and 11 give 0.
int registrationControlDigit(std::string_view firstSeven);
// Eight digits whose last one is the control digit of the first seven.
bool isValidRegistrationNumber(std::string_view number);

// Control digit of a tax number from its first eight digits, by ISO 7064 MOD 11,10.
int taxNumberControlDigit(std::string_view firstEight);
// Nine digits whose last one is the control digit of the first eight.
bool isValidTaxNumber(std::string_view number);

// A bank account written as the bank's three digits, the account number and two control
// digits ("160-123456-54", "160-0000000123456-54" or eighteen digits in one): in the full form
// "160-0000000123456-54" when the whole eighteen-digit number is 1 modulo 97, nothing otherwise.
std::optional<std::string> fullBankAccount(std::string_view account);

} // namespace zarion
