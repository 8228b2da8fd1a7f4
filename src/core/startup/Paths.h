#pragma once

#include <filesystem>
#include <string>

namespace zarion::startup {

// The base folder: $ZARION_BASE when set, else ~/tarlen. It holds the marker file KOA.txt, the
// default data root kontora/, IzvozExcel/ and XML_TREZOR/.
std::filesystem::path baseFolder(const char* zarionBase, const char* home);

// A drive letter the operator names ("Y") as a folder: <base>/drive/Y/, created when missing.
std::filesystem::path driveFolder(const std::filesystem::path& base, char letter);

// The data root chosen by the last byte of the marker file <base>/KOA.txt: "1" gives drive Y,
// "2" the office share (<base>/drive/Z/kontora/), anything else or an empty file <base>/kontora/.
// A missing marker file is created empty.
std::filesystem::path chooseDataRoot(const std::filesystem::path& base);

// Files of one company and year under the data root.
std::filesystem::path registerPath(const std::filesystem::path& dataRoot);   // firme.db
std::filesystem::path templateFolder(const std::filesystem::path& dataRoot); // prazna/
std::filesystem::path templatePath(const std::filesystem::path& dataRoot);   // prazna/plate.db
std::filesystem::path companyFolder(const std::filesystem::path& dataRoot, int year,
                                    long long companyId);
std::filesystem::path payrollPath(const std::filesystem::path& dataRoot, int year,
                                  long long companyId);
std::filesystem::path logoPath(const std::filesystem::path& dataRoot, int year,
                               long long companyId); // logo.jpg
std::filesystem::path masterDataPath(const std::filesystem::path& dataRoot, int year,
                                     long long companyId);
// The year's account schemes shared by every company: G<year>/KoSheme2.db.
std::filesystem::path accountSchemesPath(const std::filesystem::path& dataRoot, int year);

// Looks up an existing entry of a folder by name without regard to case ("g2026" finds "G2026");
// the path as given when there is none.
std::filesystem::path findIgnoringCase(const std::filesystem::path& folder,
                                       const std::string& name);

} // namespace zarion::startup
