#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Dates.h"
#include "core/Outcome.h"
#include "outputs/Declaration.h"

namespace zarion::outputs {

// The namespace of the tax authority's declaration schema.
inline constexpr std::string_view DeclarationNamespace = "http://pid.purs.gov.rs";

// The list position whose checked row opens the second file.
inline constexpr std::size_t SecondFileFrom = 1000;

// The text of the return, one element on a line, lines ended CR LF: one part, or two when the
// row at list position 1,000 is checked (the second part repeats the header and carries the row
// numbering on; each part totals its own rows). Names and the payer's address are written in
// plain letters; an element without a value is left out. `today` labels the return.
std::vector<std::string> declarationParts(const Declaration& declaration, Date today);

// The two files of an export.
struct DeclarationFiles {
    std::filesystem::path first;
    std::filesystem::path second;
};

// The drive the operator answered (the first character of the trimmed answer), or nothing when
// it is "0" (choose a file) or the answer is empty.
std::optional<char> answeredDrive(std::string_view answer);
// ppppd.xml and ppppd2.xml in the root folder of a drive.
DeclarationFiles driveFiles(const std::filesystem::path& base, char drive);
// The chosen name with ".xml" and with "2.xml" appended (a ".xml" the dialog added is dropped
// first).
DeclarationFiles chosenFiles(const std::filesystem::path& chosen);

// Deletes both files, so that a second part of an earlier export never survives, then writes the
// parts. The files written, or the refusal naming the file that could not be written.
Outcome<std::vector<std::filesystem::path>>
writeDeclaration(const Declaration& declaration, Date today, const DeclarationFiles& files);

// "Zavrsen je izvoz u XML fajl!" and the full path of each file written, one on a line.
std::string exportCompletion(const std::vector<std::filesystem::path>& written);

} // namespace zarion::outputs
