-- Company master data (backtarlen.db): one row with the company's name, address and numbers,
-- read for report headers, returns and payer data.
CREATE TABLE podaci (
    Naziv TEXT(100),
    ADRESA TEXT(100),
    grad TEXT(50),
    PIB TEXT(20),
    maticni TEXT(20),
    registracioni TEXT(20),
    SIFRA TEXT(10),
    pdv TEXT(20),
    ziroracun TEXT(30),
    banka TEXT(100),
    telefon TEXT(30),
    JMBG TEXT(13),
    vlasnik TEXT(100)
);
