#pragma once

#include "report/CompanyHeader.h"

namespace zarion::test {

// A company whose header shows every field, with Serbian letters in its name and address.
inline report::CompanyData sampleCompany() {
    report::CompanyData company;
    company.Naziv = "Šćepanović i sinovi d.o.o.";
    company.ADRESA = "Đure Đakovića 12";
    company.grad = "Niš";
    company.maticni = "07654321";
    company.registracioni = "12345";
    company.SIFRA = "6201";
    company.PIB = "101234567";
    company.pdv = "123456789";
    company.ziroracun = "160-123456-78";
    company.banka = "Banka Intesa";
    return company;
}

} // namespace zarion::test
