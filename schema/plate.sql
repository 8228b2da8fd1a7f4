-- Template of a company's payroll database for one year (prazna/plate.db).
-- Every company database is merged up to this file when it is opened: the tables, columns,
-- indexes and stored queries below are the reference, and aaverzija.Verzija is raised by one
-- with every change made here.
--
-- Declared types carry the field kinds the program reads and writes:
--   LONG      32-bit whole number           INTEGER   16-bit whole number (codes, flags, counts)
--   DOUBLE    rates in percent, hours       CURRENCY  money, stored as a count of 1/10000 dinar
--   TEXT(n)   text of at most n characters  TEXT      long notes
--   DATE      'YYYY-MM-DD' or 'YYYY-MM-DD HH:MM:SS'
--   YESNO     0 = no, 1 = yes
-- Keys assigned on insert are INTEGER PRIMARY KEY AUTOINCREMENT.
-- Single-row tables (rates, accounts, settings) start empty: the program asks the operator to
-- fill them, and the table editor shows their columns in the order written here.

-- schema version
CREATE TABLE aaverzija (
    Verzija LONG
);
INSERT INTO aaverzija(Verzija) VALUES (4);

-- calculation rates, accounts and settings (one row each)
CREATE TABLE parametri (
    porez_zarade DOUBLE,
    iznos_poreskog_oslobojenja CURRENCY,
    Doprinosi_PIO DOUBLE,
    Doprinosi_zo DOUBLE,
    doprinosi_nezaposlenost DOUBLE,
    Doprinosi_PIO_F DOUBLE,
    Doprinosi_zo_F DOUBLE,
    doprinosi_nezaposlenost_f DOUBLE,
    doprinosi_ro DOUBLE,
    doprinosi_ro2 DOUBLE,
    doprinosi_ro3 DOUBLE,
    Naziv_doprinosi_ro TEXT(50),
    Naziv_doprinosi_ro2 TEXT(50),
    Naziv_doprinosi_ro3 TEXT(50),
    Naziv_doprinosi_ro4 TEXT(50),
    minimalna_osnovica CURRENCY,
    maksimalna_osnovica CURRENCY,
    minimalna_osnovna CURRENCY,
    cena_Rada CURRENCY,
    cena_rada_pre_umanjenja CURRENCY,
    minuli_rad DOUBLE,
    produzeni_rad DOUBLE,
    nocni_rad DOUBLE,
    rad_na_praznik DOUBLE,
    rad_nedeljom DOUBLE,
    rad_nedeljomstvarno DOUBLE,
    DEZURSTVO DOUBLE,
    PRIPRAVNOST DOUBLE,
    placeno_odsustvo DOUBLE,
    regres CURRENCY,
    topli_obrok CURRENCY,
    prosecna_ocena_RU DOUBLE
);

-- the rates of a calculated month, copied from parametri when the month is first started
CREATE TABLE parametri_po_mesecima (
    id_ppm INTEGER PRIMARY KEY AUTOINCREMENT,
    MEsec INTEGER,
    GODINA INTEGER,
    porez_zarade DOUBLE,
    iznos_poreskog_oslobojenja CURRENCY,
    Doprinosi_PIO DOUBLE,
    Doprinosi_zo DOUBLE,
    doprinosi_nezaposlenost DOUBLE,
    Doprinosi_PIO_F DOUBLE,
    Doprinosi_zo_F DOUBLE,
    doprinosi_nezaposlenost_f DOUBLE,
    doprinosi_ro DOUBLE,
    doprinosi_ro2 DOUBLE,
    doprinosi_ro3 DOUBLE,
    Naziv_doprinosi_ro TEXT(50),
    Naziv_doprinosi_ro2 TEXT(50),
    Naziv_doprinosi_ro3 TEXT(50),
    Naziv_doprinosi_ro4 TEXT(50),
    minimalna_osnovica CURRENCY,
    maksimalna_osnovica CURRENCY,
    minimalna_osnovna CURRENCY,
    cena_Rada CURRENCY,
    cena_rada_pre_umanjenja CURRENCY,
    minuli_rad DOUBLE,
    produzeni_rad DOUBLE,
    nocni_rad DOUBLE,
    rad_na_praznik DOUBLE,
    rad_nedeljom DOUBLE,
    rad_nedeljomstvarno DOUBLE,
    DEZURSTVO DOUBLE,
    PRIPRAVNOST DOUBLE,
    placeno_odsustvo DOUBLE,
    regres CURRENCY,
    topli_obrok CURRENCY,
    prosecna_ocena_RU DOUBLE
);
CREATE UNIQUE INDEX idx_parametri_po_mesecima_mesec ON parametri_po_mesecima(MEsec, GODINA);

CREATE TABLE parametri2 (
    racun_porez_na_plate TEXT(30),
    racun_pio TEXT(30),
    racun_zo TEXT(30),
    racun_nezaposlenost TEXT(30),
    racun_pio_firma TEXT(30),
    racun_zo_firma TEXT(30),
    racun_nezaposlenost_firma TEXT(30),
    racun_doprinosi_ro TEXT(30),
    poziv_na_broj_porez TEXT(50),
    poziv_na_broj_pio TEXT(50),
    poziv_na_broj_piof TEXT(50),
    poziv_na_broj_zo TEXT(50),
    poziv_na_broj_zof TEXT(50),
    poziv_na_broj_nez TEXT(50),
    poziv_na_broj_nezf TEXT(50),
    poziv_na_broj_dro TEXT(50),
    model_dro TEXT(5),
    pozivzad_dro TEXT(50),
    sifra_dro TEXT(5),
    racun_za_isplatu TEXT(30),
    racun_za_isplatu_bolovanje TEXT(30),
    racun_za_isplatu_porodiljsko TEXT(30),
    poziv_zad_porodiljsko TEXT(50),
    reg_broj_pio TEXT(20),
    opstina TEXT(50),
    sifra_porez TEXT(5),
    pozivZad_porez TEXT(50),
    model_porez TEXT(5),
    sifra_pio TEXT(5),
    pozivZad_pio TEXT(50),
    model_pio TEXT(5),
    sifra_zo TEXT(5),
    pozivZad_zo TEXT(50),
    model_zo TEXT(5),
    sifra_nez TEXT(5),
    pozivZad_nez TEXT(50),
    model_nez TEXT(5),
    sifra_piof TEXT(5),
    pozivZad_piof TEXT(50),
    model_piof TEXT(5),
    sifra_zof TEXT(5),
    pozivZad_zof TEXT(50),
    model_zof TEXT(5),
    sifra_nezf TEXT(5),
    pozivZad_nezf TEXT(50),
    model_nezf TEXT(5),
    poziv_na_broj_banke TEXT(50)
);

-- payment-order settings: single-payment account, bank client number, fixed references
CREATE TABLE parametri3 (
    racun_jedinstvena_uplata TEXT(30),
    intesa_klijent TEXT(10),
    jibk TEXT(10),
    poziv_na_broj_krediti TEXT(50),
    poziv_na_broj_budzet TEXT(50),
    racun_umanjenja TEXT(30),
    poziv_umanjenja TEXT(50),
    mesto_placanja TEXT(50)
);

CREATE TABLE parametri_vlasnik (
    porez_zarade DOUBLE,
    Doprinosi_PIO DOUBLE,
    Doprinosi_zo DOUBLE,
    doprinosi_nezaposlenost DOUBLE,
    iznos_poreskog_oslobojenja CURRENCY,
    najniza_osnovica CURRENCY,
    najvisa_osnovica CURRENCY,
    racun_pio TEXT(30),
    racun_zo TEXT(30),
    racun_nezaposlenost TEXT(30),
    racun_porez_na_plate TEXT(30),
    poziv_na_broj_porez TEXT(50),
    poziv_na_broj_pio TEXT(50),
    poziv_na_broj_zo TEXT(50),
    poziv_na_broj_nez TEXT(50),
    racun_pio_firma TEXT(30),
    poziv_na_broj_piof TEXT(50),
    racun_zo_firma TEXT(30),
    poziv_na_broj_zof TEXT(50),
    racun_nezaposlenost_firma TEXT(30),
    poziv_na_broj_nezf TEXT(50),
    nadlezni_sud TEXT(100)
);

CREATE TABLE parametri_bolovanje (
    racun_za_isplatu TEXT(30),
    sifra_porez TEXT(5),
    racun_porez_na_plate TEXT(30),
    poziv_na_broj_porez TEXT(50),
    pozivZad_porez TEXT(50),
    model_porez TEXT(5),
    sifra_pio TEXT(5),
    racun_pio TEXT(30),
    poziv_na_broj_pio TEXT(50),
    pozivZad_pio TEXT(50),
    model_pio TEXT(5),
    sifra_zo TEXT(5),
    racun_zo TEXT(30),
    poziv_na_broj_zo TEXT(50),
    pozivZad_zo TEXT(50),
    model_zo TEXT(5),
    sifra_nez TEXT(5),
    racun_nezaposlenost TEXT(30),
    poziv_na_broj_nez TEXT(50),
    pozivZad_nez TEXT(50),
    model_nez TEXT(5),
    sifra_piof TEXT(5),
    racun_pio_firma TEXT(30),
    poziv_na_broj_piof TEXT(50),
    pozivZad_piof TEXT(50),
    model_piof TEXT(5),
    sifra_zof TEXT(5),
    racun_zo_firma TEXT(30),
    poziv_na_broj_zof TEXT(50),
    pozivZad_zof TEXT(50),
    model_zof TEXT(5),
    sifra_nezf TEXT(5),
    racun_nezaposlenost_firma TEXT(30),
    poziv_na_broj_nezf TEXT(50),
    pozivZad_nezf TEXT(50),
    model_nezf TEXT(5),
    sifra_dro TEXT(5),
    racun_doprinosi_ro TEXT(30),
    poziv_na_broj_dro TEXT(50),
    pozivzad_dro TEXT(50),
    model_dro TEXT(5)
);

CREATE TABLE parametri_porodilje (
    racun_za_isplatu TEXT(30),
    sifra_porez TEXT(5),
    racun_porez_na_plate TEXT(30),
    poziv_na_broj_porez TEXT(50),
    pozivZad_porez TEXT(50),
    model_porez TEXT(5),
    sifra_pio TEXT(5),
    racun_pio TEXT(30),
    poziv_na_broj_pio TEXT(50),
    pozivZad_pio TEXT(50),
    model_pio TEXT(5),
    sifra_zo TEXT(5),
    racun_zo TEXT(30),
    poziv_na_broj_zo TEXT(50),
    pozivZad_zo TEXT(50),
    model_zo TEXT(5),
    sifra_nez TEXT(5),
    racun_nezaposlenost TEXT(30),
    poziv_na_broj_nez TEXT(50),
    pozivZad_nez TEXT(50),
    model_nez TEXT(5),
    sifra_piof TEXT(5),
    racun_pio_firma TEXT(30),
    poziv_na_broj_piof TEXT(50),
    pozivZad_piof TEXT(50),
    model_piof TEXT(5),
    sifra_zof TEXT(5),
    racun_zo_firma TEXT(30),
    poziv_na_broj_zof TEXT(50),
    pozivZad_zof TEXT(50),
    model_zof TEXT(5),
    sifra_nezf TEXT(5),
    racun_nezaposlenost_firma TEXT(30),
    poziv_na_broj_nezf TEXT(50),
    pozivZad_nezf TEXT(50),
    model_nezf TEXT(5),
    sifra_dro TEXT(5),
    racun_doprinosi_ro TEXT(30),
    poziv_na_broj_dro TEXT(50),
    pozivzad_dro TEXT(50),
    model_dro TEXT(5)
);

CREATE TABLE parametri_invalidi (
    racun_za_isplatu TEXT(30),
    sifra_porez TEXT(5),
    racun_porez_na_plate TEXT(30),
    poziv_na_broj_porez TEXT(50),
    pozivZad_porez TEXT(50),
    model_porez TEXT(5),
    sifra_pio TEXT(5),
    racun_pio TEXT(30),
    poziv_na_broj_pio TEXT(50),
    pozivZad_pio TEXT(50),
    model_pio TEXT(5),
    sifra_zo TEXT(5),
    racun_zo TEXT(30),
    poziv_na_broj_zo TEXT(50),
    pozivZad_zo TEXT(50),
    model_zo TEXT(5),
    sifra_nez TEXT(5),
    racun_nezaposlenost TEXT(30),
    poziv_na_broj_nez TEXT(50),
    pozivZad_nez TEXT(50),
    model_nez TEXT(5),
    sifra_piof TEXT(5),
    racun_pio_firma TEXT(30),
    poziv_na_broj_piof TEXT(50),
    pozivZad_piof TEXT(50),
    model_piof TEXT(5),
    sifra_zof TEXT(5),
    racun_zo_firma TEXT(30),
    poziv_na_broj_zof TEXT(50),
    pozivZad_zof TEXT(50),
    model_zof TEXT(5),
    sifra_nezf TEXT(5),
    racun_nezaposlenost_firma TEXT(30),
    poziv_na_broj_nezf TEXT(50),
    pozivZad_nezf TEXT(50),
    model_nezf TEXT(5),
    sifra_dro TEXT(5),
    racun_doprinosi_ro TEXT(30),
    poziv_na_broj_dro TEXT(50),
    pozivzad_dro TEXT(50),
    model_dro TEXT(5)
);

CREATE TABLE podaci_ppppd (
    sifra_opstine TEXT(3),
    email TEXT(100),
    uk_radnika LONG,
    tip_isplatioca TEXT(100),
    sledeci_placanje TEXT(10)
);

CREATE TABLE postavke (
    nacin_obracuna INTEGER,
    fiksni_sati INTEGER,
    na_pola_meseca INTEGER,
    solidarni_porez INTEGER,
    stimulacije_uredba CURRENCY,
    ukupan_minuli_rad INTEGER,
    x_pomeranje_nalog DOUBLE,
    folder_knjigovodstva TEXT(255)
);

CREATE TABLE kurs (
    kurs_eur DOUBLE,
    kurs_chf DOUBLE,
    kurs_usd DOUBLE
);

-- code lists
CREATE TABLE opstine (
    SIFRA INTEGER,
    Naziv TEXT(100)
);
CREATE UNIQUE INDEX idx_opstine_sifra ON opstine(SIFRA);

CREATE TABLE zanimanje (
    SIFRA TEXT(10),
    Zanimanje TEXT(100)
);
CREATE INDEX idx_zanimanje_sifra ON zanimanje(SIFRA);

CREATE TABLE radne_jedinice (
    id_rj INTEGER PRIMARY KEY AUTOINCREMENT,
    Naziv TEXT(100)
);

CREATE TABLE banke (
    ID_BAnka INTEGER PRIMARY KEY AUTOINCREMENT,
    banka TEXT(100),
    Racun TEXT(30),
    tekuci_Racun TEXT(30),
    poziv TEXT(50)
);

-- employees
CREATE TABLE radnici (
    id_radnik INTEGER PRIMARY KEY AUTOINCREMENT,
    Prezime TEXT(50),
    Ime TEXT(50),
    JMBG TEXT(13),
    lbo TEXT(20),
    licna_karta TEXT(20),
    ADRESA TEXT(100),
    telefon TEXT(30),
    radno_mesto TEXT(100),
    KOEFICIJENT DOUBLE,
    funkcijski_dodatak DOUBLE,
    otezani_uslovi DOUBLE,
    pg INTEGER,
    Pm INTEGER,
    Pd INTEGER,
    Datum DATE,
    tekuci_Racun TEXT(30),
    isplata_preko_racuna YESNO DEFAULT 0,
    nije_u_ro YESNO DEFAULT 0,
    datum_odjave DATE,
    id_rj LONG,
    sss TEXT(10),
    ID_BAnka LONG,
    tip_obracuna INTEGER,
    pol INTEGER,
    sifra_opstine INTEGER,
    vrsta TEXT(2),
    sifra_vrste_prihoda TEXT(10),
    platni_razred INTEGER,
    NETO DOUBLE,
    na_odredjeno YESNO DEFAULT 0,
    datum_na_odredjeno DATE,
    broj_ugovora TEXT(50),
    aneks TEXT(50),
    vlasnik YESNO DEFAULT 0,
    Kontrolni TEXT(50)
);
CREATE INDEX idx_radnici_rj ON radnici(id_rj);
CREATE INDEX idx_radnici_banka ON radnici(ID_BAnka);
CREATE INDEX idx_radnici_jmbg ON radnici(JMBG);

-- deductions, creditors and loans
CREATE TABLE obustaveproc (
    id_obustava_proc INTEGER PRIMARY KEY AUTOINCREMENT,
    obustava TEXT(100),
    procenat DOUBLE,
    Tip INTEGER,
    tekuci_Racun TEXT(30),
    zbirno_placanje YESNO DEFAULT 0,
    grad TEXT(50),
    konto TEXT(20),
    poziv TEXT(50),
    obrisana YESNO DEFAULT 0
);

CREATE TABLE obustave_radnici (
    id_or INTEGER PRIMARY KEY AUTOINCREMENT,
    id_obustava LONG,
    ID_RADNIK LONG,
    POCETAK DATE,
    kraj DATE,
    valuta INTEGER,
    Iznos DOUBLE,
    prvi_deo DOUBLE,
    drugi_deo DOUBLE,
    ukupno_meseci INTEGER,
    sifra_placanja TEXT(5),
    model TEXT(5),
    POziv_na_broj TEXT(50),
    Opis TEXT(255)
);
CREATE INDEX idx_obustave_radnici_radnik ON obustave_radnici(ID_RADNIK);
CREATE INDEX idx_obustave_radnici_obustava ON obustave_radnici(id_obustava);

CREATE TABLE podobustave (
    id_obustava_proc LONG,
    Opis TEXT(100),
    Iznos CURRENCY
);
CREATE INDEX idx_podobustave_obustava ON podobustave(id_obustava_proc);

-- salary calculations: one final and one advance row per employee and month
CREATE TABLE obracuni (
    Id_obracun INTEGER PRIMARY KEY AUTOINCREMENT,
    ID_RADNIK LONG,
    MEsec INTEGER,
    GODINA INTEGER,
    tip_obracuna INTEGER,
    KOEFICIJENT DOUBLE,
    funkcijski_dodatak DOUBLE,
    otezani_uslovi DOUBLE,
    ocena_radnog_ucinka DOUBLE,
    cena_Rada CURRENCY,
    radni_staz DOUBLE,
    god_staza INTEGER,
    ukradni_staz INTEGER,
    prosek_3_meseca CURRENCY,
    broj_sati DOUBLE,
    osnovna_bruto CURRENCY,
    osnovna_neto CURRENCY,
    produzeni_rad_s DOUBLE,
    produzeni_rad_i CURRENCY,
    nocni_rad_s DOUBLE,
    nocni_rad_i CURRENCY,
    rad_na_praznik_s DOUBLE,
    rad_na_praznik_i CURRENCY,
    rad_nedeljom_s DOUBLE,
    rad_nedeljom_i CURRENCY,
    rad_nedeljomstvarno_s DOUBLE,
    rad_nedeljomstvarno_i CURRENCY,
    dezurstvo_s DOUBLE,
    dezurstvo_i CURRENCY,
    pripravnost_s DOUBLE,
    pripravnost_i CURRENCY,
    pripravnostaktivna_s DOUBLE,
    pripravnostaktivna_i CURRENCY,
    bolovnje65_s DOUBLE,
    bolovnje65_i CURRENCY,
    bolovanje100_s DOUBLE,
    bolovanje100_i CURRENCY,
    godisnji_s DOUBLE,
    godisnji_i CURRENCY,
    placeno_odsustvo_s DOUBLE,
    placeno_odsustvo_i CURRENCY,
    minuli_rad CURRENCY,
    minuli_do19 DOUBLE,
    minuli_od19 DOUBLE,
    fiksna_plata CURRENCY,
    stimulacije CURRENCY,
    stimulacije_procenat DOUBLE,
    stimulacije_uredba CURRENCY,
    stimulacije_procenat_uredba DOUBLE,
    topli_obrok CURRENCY,
    regres CURRENCY,
    odvojeni CURRENCY,
    BRUTO CURRENCY,
    porez_na_zaradu CURRENCY,
    Doprinosi_PIO CURRENCY,
    Doprinosi_zo CURRENCY,
    doprinosi_nezaposlenost CURRENCY,
    ukupno_doprinosa CURRENCY,
    NETO CURRENCY,
    Doprinosi_PIO_F CURRENCY,
    Doprinosi_zo_F CURRENCY,
    doprinosi_nezaposlenost_f CURRENCY,
    doprinosi_ro_f CURRENCY,
    doprinosi_ro_f2 CURRENCY,
    doprinosi_ro_f3 CURRENCY,
    ukupno_doprinosa_F CURRENCY,
    ukupno_obaveza CURRENCY,
    Oslobodjenje CURRENCY,
    osnovica_doprinosa CURRENCY,
    solidarni_porez CURRENCY,
    razlika_do_min CURRENCY,
    tekuci_Racun TEXT(30),
    na_ruke CURRENCY,
    m4dani INTEGER
);
CREATE INDEX idx_obracuni_radnik_mesec ON obracuni(ID_RADNIK, MEsec, GODINA);
CREATE INDEX idx_obracuni_godina_mesec ON obracuni(GODINA, MEsec);

CREATE TABLE akontacija_obracuni (
    Id_obracun INTEGER PRIMARY KEY AUTOINCREMENT,
    ID_RADNIK LONG,
    MEsec INTEGER,
    GODINA INTEGER,
    tip_obracuna INTEGER,
    KOEFICIJENT DOUBLE,
    funkcijski_dodatak DOUBLE,
    otezani_uslovi DOUBLE,
    ocena_radnog_ucinka DOUBLE,
    cena_Rada CURRENCY,
    radni_staz DOUBLE,
    god_staza INTEGER,
    ukradni_staz INTEGER,
    prosek_3_meseca CURRENCY,
    broj_sati DOUBLE,
    osnovna_bruto CURRENCY,
    osnovna_neto CURRENCY,
    produzeni_rad_s DOUBLE,
    produzeni_rad_i CURRENCY,
    nocni_rad_s DOUBLE,
    nocni_rad_i CURRENCY,
    rad_na_praznik_s DOUBLE,
    rad_na_praznik_i CURRENCY,
    rad_nedeljom_s DOUBLE,
    rad_nedeljom_i CURRENCY,
    rad_nedeljomstvarno_s DOUBLE,
    rad_nedeljomstvarno_i CURRENCY,
    dezurstvo_s DOUBLE,
    dezurstvo_i CURRENCY,
    pripravnost_s DOUBLE,
    pripravnost_i CURRENCY,
    pripravnostaktivna_s DOUBLE,
    pripravnostaktivna_i CURRENCY,
    bolovnje65_s DOUBLE,
    bolovnje65_i CURRENCY,
    bolovanje100_s DOUBLE,
    bolovanje100_i CURRENCY,
    godisnji_s DOUBLE,
    godisnji_i CURRENCY,
    placeno_odsustvo_s DOUBLE,
    placeno_odsustvo_i CURRENCY,
    minuli_rad CURRENCY,
    minuli_do19 DOUBLE,
    minuli_od19 DOUBLE,
    fiksna_plata CURRENCY,
    stimulacije CURRENCY,
    stimulacije_procenat DOUBLE,
    stimulacije_uredba CURRENCY,
    stimulacije_procenat_uredba DOUBLE,
    topli_obrok CURRENCY,
    regres CURRENCY,
    odvojeni CURRENCY,
    BRUTO CURRENCY,
    porez_na_zaradu CURRENCY,
    Doprinosi_PIO CURRENCY,
    Doprinosi_zo CURRENCY,
    doprinosi_nezaposlenost CURRENCY,
    ukupno_doprinosa CURRENCY,
    NETO CURRENCY,
    Doprinosi_PIO_F CURRENCY,
    Doprinosi_zo_F CURRENCY,
    doprinosi_nezaposlenost_f CURRENCY,
    doprinosi_ro_f CURRENCY,
    doprinosi_ro_f2 CURRENCY,
    doprinosi_ro_f3 CURRENCY,
    ukupno_doprinosa_F CURRENCY,
    ukupno_obaveza CURRENCY,
    Oslobodjenje CURRENCY,
    osnovica_doprinosa CURRENCY,
    solidarni_porez CURRENCY,
    razlika_do_min CURRENCY,
    tekuci_Racun TEXT(30),
    na_ruke CURRENCY,
    m4dani INTEGER,
    II_deo CURRENCY
);
CREATE INDEX idx_akontacija_obracuni_radnik_mesec ON akontacija_obracuni(ID_RADNIK, MEsec, GODINA);
CREATE INDEX idx_akontacija_obracuni_godina_mesec ON akontacija_obracuni(GODINA, MEsec);

CREATE TABLE akontacija_obracuni_obrisani (
    Id_obracun INTEGER PRIMARY KEY AUTOINCREMENT,
    ID_RADNIK LONG,
    MEsec INTEGER,
    GODINA INTEGER,
    tip_obracuna INTEGER,
    KOEFICIJENT DOUBLE,
    funkcijski_dodatak DOUBLE,
    otezani_uslovi DOUBLE,
    ocena_radnog_ucinka DOUBLE,
    cena_Rada CURRENCY,
    radni_staz DOUBLE,
    god_staza INTEGER,
    ukradni_staz INTEGER,
    prosek_3_meseca CURRENCY,
    broj_sati DOUBLE,
    osnovna_bruto CURRENCY,
    osnovna_neto CURRENCY,
    produzeni_rad_s DOUBLE,
    produzeni_rad_i CURRENCY,
    nocni_rad_s DOUBLE,
    nocni_rad_i CURRENCY,
    rad_na_praznik_s DOUBLE,
    rad_na_praznik_i CURRENCY,
    rad_nedeljom_s DOUBLE,
    rad_nedeljom_i CURRENCY,
    rad_nedeljomstvarno_s DOUBLE,
    rad_nedeljomstvarno_i CURRENCY,
    dezurstvo_s DOUBLE,
    dezurstvo_i CURRENCY,
    pripravnost_s DOUBLE,
    pripravnost_i CURRENCY,
    pripravnostaktivna_s DOUBLE,
    pripravnostaktivna_i CURRENCY,
    bolovnje65_s DOUBLE,
    bolovnje65_i CURRENCY,
    bolovanje100_s DOUBLE,
    bolovanje100_i CURRENCY,
    godisnji_s DOUBLE,
    godisnji_i CURRENCY,
    placeno_odsustvo_s DOUBLE,
    placeno_odsustvo_i CURRENCY,
    minuli_rad CURRENCY,
    minuli_do19 DOUBLE,
    minuli_od19 DOUBLE,
    fiksna_plata CURRENCY,
    stimulacije CURRENCY,
    stimulacije_procenat DOUBLE,
    stimulacije_uredba CURRENCY,
    stimulacije_procenat_uredba DOUBLE,
    topli_obrok CURRENCY,
    regres CURRENCY,
    odvojeni CURRENCY,
    BRUTO CURRENCY,
    porez_na_zaradu CURRENCY,
    Doprinosi_PIO CURRENCY,
    Doprinosi_zo CURRENCY,
    doprinosi_nezaposlenost CURRENCY,
    ukupno_doprinosa CURRENCY,
    NETO CURRENCY,
    Doprinosi_PIO_F CURRENCY,
    Doprinosi_zo_F CURRENCY,
    doprinosi_nezaposlenost_f CURRENCY,
    doprinosi_ro_f CURRENCY,
    doprinosi_ro_f2 CURRENCY,
    doprinosi_ro_f3 CURRENCY,
    ukupno_doprinosa_F CURRENCY,
    ukupno_obaveza CURRENCY,
    Oslobodjenje CURRENCY,
    osnovica_doprinosa CURRENCY,
    solidarni_porez CURRENCY,
    razlika_do_min CURRENCY,
    tekuci_Racun TEXT(30),
    na_ruke CURRENCY,
    m4dani INTEGER,
    II_deo CURRENCY
);
CREATE INDEX idx_akontacija_obrisani_radnik_mesec ON akontacija_obracuni_obrisani(ID_RADNIK, MEsec, GODINA);

-- AKONTACIJA = 1: Id_obracun is a row of akontacija_obracuni; 0: a row of obracuni
CREATE TABLE obracun_obustava (
    Id_obracun LONG,
    AKONTACIJA YESNO DEFAULT 0,
    id_obustava LONG,
    kreditor TEXT(100),
    Iznos CURRENCY,
    valuta TEXT(3),
    Kurs DOUBLE,
    tekuci_Racun TEXT(30),
    POziv_na_broj TEXT(50),
    id_or LONG
);
CREATE INDEX idx_obracun_obustava_obracun ON obracun_obustava(Id_obracun, AKONTACIJA);
CREATE INDEX idx_obracun_obustava_or ON obracun_obustava(id_or);
CREATE INDEX idx_obracun_obustava_obustava ON obracun_obustava(id_obustava);

CREATE TABLE greska_neto (
    ID_RADNIK LONG,
    prezimeime TEXT(100),
    neto CURRENCY,
    treba CURRENCY,
    razlika CURRENCY,
    koef DOUBLE
);
CREATE INDEX idx_greska_neto_radnik ON greska_neto(ID_RADNIK);

-- sick leave over 30 days, maternity leave, disabled persons
CREATE TABLE bolovanja (
    id_bolovanje INTEGER PRIMARY KEY AUTOINCREMENT,
    ID_RADNIK LONG,
    datum_otvaranja DATE,
    datum_zatvaranja DATE,
    NETO CURRENCY,
    obrisano YESNO DEFAULT 0
);
CREATE INDEX idx_bolovanja_radnik ON bolovanja(ID_RADNIK);

CREATE TABLE bolovanjaPOR (
    id_bolovanjePOR INTEGER PRIMARY KEY AUTOINCREMENT,
    ID_RADNIK LONG,
    datum_otvaranja DATE,
    datum_zatvaranja DATE,
    NETO CURRENCY,
    obrisano YESNO DEFAULT 0
);
CREATE INDEX idx_bolovanjapor_radnik ON bolovanjaPOR(ID_RADNIK);

CREATE TABLE bolovanja_obracuni (
    ID_RADNIK LONG,
    MEsec INTEGER,
    GODINA INTEGER,
    porodiljsko YESNO DEFAULT 0,
    broj_sati DOUBLE,
    BRUTO CURRENCY,
    porez_na_zaradu CURRENCY,
    Doprinosi_PIO CURRENCY,
    Doprinosi_zo CURRENCY,
    doprinosi_nezaposlenost CURRENCY,
    ukupno_doprinosa CURRENCY,
    Doprinosi_PIO_F CURRENCY,
    Doprinosi_zo_F CURRENCY,
    doprinosi_nezaposlenost_f CURRENCY,
    ukupno_doprinosa_F CURRENCY,
    ukupno_obaveza CURRENCY,
    NETO CURRENCY,
    tekuci_Racun TEXT(30),
    Oslobodjenje CURRENCY,
    solidarni_porez CURRENCY
);
CREATE INDEX idx_bolovanja_obracuni_radnik_mesec ON bolovanja_obracuni(ID_RADNIK, MEsec, GODINA, porodiljsko);
CREATE INDEX idx_bolovanja_obracuni_godina_mesec ON bolovanja_obracuni(GODINA, MEsec);

CREATE TABLE invalidi (
    id_invalid INTEGER PRIMARY KEY AUTOINCREMENT,
    id_radnik LONG,
    kategorija TEXT(10),
    naknada CURRENCY
);
CREATE INDEX idx_invalidi_radnik ON invalidi(id_radnik);

CREATE TABLE invalidi_kontrol (
    m2003 CURRENCY,
    p2003 CURRENCY,
    zadnji_procenat DOUBLE,
    uskladjen CURRENCY,
    Doprinosi_zo DOUBLE,
    tekuci_zo TEXT(30)
);

CREATE TABLE invalidi_obracuni (
    ID_RADNIK LONG,
    MEsec INTEGER,
    GODINA INTEGER,
    broj_sati DOUBLE,
    NETO CURRENCY,
    uskladjeni CURRENCY,
    porez_na_zaradu CURRENCY,
    Doprinosi_zo_F CURRENCY,
    BRUTO CURRENCY,
    za_refundaciju CURRENCY,
    tekuci_Racun TEXT(30),
    DZO_Procenat DOUBLE,
    Doprinosi_PIO CURRENCY,
    Doprinosi_zo CURRENCY,
    doprinosi_nezaposlenost CURRENCY,
    Oslobodjenje CURRENCY
);
CREATE INDEX idx_invalidi_obracuni_radnik_mesec ON invalidi_obracuni(ID_RADNIK, MEsec, GODINA);

-- other income: payment orders by kind and the persons paid in them
CREATE TABLE nalozi_ostale_zarade (
    id_noz INTEGER PRIMARY KEY AUTOINCREMENT,
    tip_noz INTEGER,
    Datum DATE,
    Naziv TEXT(100),
    porez_zarade DOUBLE,
    racun_porez_na_plate TEXT(30),
    poziv_na_broj_porez TEXT(50),
    neoporezivi_deo CURRENCY,
    normirani_troskovi DOUBLE,
    minimalna_osnovica CURRENCY,
    Doprinosi_PIO DOUBLE,
    Doprinosi_zo DOUBLE,
    doprinosi_nezaposlenost DOUBLE,
    Doprinosi_PIO_F DOUBLE,
    Doprinosi_zo_F DOUBLE,
    doprinosi_nezaposlenost_f DOUBLE,
    racun_poreza TEXT(30),
    poziv_poreza TEXT(50),
    obrisan YESNO DEFAULT 0
);
CREATE INDEX idx_nalozi_ostale_zarade_tip ON nalozi_ostale_zarade(tip_noz, Datum);

CREATE TABLE obracun_ostale_zarade (
    id_ooz INTEGER PRIMARY KEY AUTOINCREMENT,
    id_noz LONG,
    ID_RADNIK LONG,
    BRUTO CURRENCY,
    normirani_troskovi CURRENCY,
    neoporezivi_deo CURRENCY,
    POrez_stopa DOUBLE,
    POrez_iznos CURRENCY,
    Doprinosi_PIO CURRENCY,
    Doprinosi_zo CURRENCY,
    Doprinosi_nez CURRENCY,
    Doprinosi_PIO_F CURRENCY,
    Doprinosi_zo_F CURRENCY,
    Doprinosi_nez_F CURRENCY,
    NETO CURRENCY,
    ukupno_obaveza CURRENCY,
    broj_sati DOUBLE,
    broj_dana INTEGER,
    OSnovica_porez CURRENCY,
    OSnovica_doprinosi CURRENCY
);
CREATE INDEX idx_obracun_ostale_zarade_nalog ON obracun_ostale_zarade(id_noz);
CREATE INDEX idx_obracun_ostale_zarade_radnik ON obracun_ostale_zarade(ID_RADNIK);

CREATE TABLE obracuni_ostale_zarade_veza (
    ID_obracun LONG,
    ID_OOz LONG
);
CREATE INDEX idx_ostale_zarade_veza_obracun ON obracuni_ostale_zarade_veza(ID_obracun);
CREATE INDEX idx_ostale_zarade_veza_ooz ON obracuni_ostale_zarade_veza(ID_OOz);

CREATE TABLE uplatni_racuni_ostale (
    id_ostale LONG,
    isplatni_racun TEXT(30),
    sifra_porez TEXT(5),
    racun_porez_na_plate TEXT(30),
    poziv_na_broj_porez TEXT(50),
    pozivZad_porez TEXT(50),
    model_porez TEXT(5),
    sifra_pio TEXT(5),
    racun_pio TEXT(30),
    poziv_na_broj_pio TEXT(50),
    pozivZad_pio TEXT(50),
    model_pio TEXT(5),
    sifra_zo TEXT(5),
    racun_zo TEXT(30),
    poziv_na_broj_zo TEXT(50),
    pozivZad_zo TEXT(50),
    model_zo TEXT(5),
    sifra_nez TEXT(5),
    racun_nezaposlenost TEXT(30),
    poziv_na_broj_nez TEXT(50),
    pozivZad_nez TEXT(50),
    model_nez TEXT(5),
    sifra_piof TEXT(5),
    racun_pio_firma TEXT(30),
    poziv_na_broj_piof TEXT(50),
    pozivZad_piof TEXT(50),
    model_piof TEXT(5),
    sifra_zof TEXT(5),
    racun_zo_firma TEXT(30),
    poziv_na_broj_zof TEXT(50),
    pozivZad_zof TEXT(50),
    model_zof TEXT(5),
    sifra_nezf TEXT(5),
    racun_nezaposlenost_firma TEXT(30),
    poziv_na_broj_nezf TEXT(50),
    pozivZad_nezf TEXT(50),
    model_nezf TEXT(5),
    sifra_dro TEXT(5),
    racun_doprinosi_ro TEXT(30),
    poziv_na_broj_dro TEXT(50),
    pozivzad_dro TEXT(50),
    model_dro TEXT(5)
);
CREATE INDEX idx_uplatni_racuni_ostale ON uplatni_racuni_ostale(id_ostale);

-- payment orders and the yearly pension-insurance form
CREATE TABLE nalozi (
    Broj LONG,
    nalogododavac TEXT(100),
    SVRHA TEXT(255),
    poverilac TEXT(100),
    SIFRA TEXT(5),
    Iznos CURRENCY,
    racun_duznika TEXT(30),
    racun_poverioca TEXT(30),
    POziv_na_broj TEXT(50)
);
CREATE INDEX idx_nalozi_broj ON nalozi(Broj);

CREATE TABLE m4 (
    GODINA INTEGER,
    ID_RADNIK LONG,
    JMBG TEXT(13),
    prezime_i_ime TEXT(100),
    Meseci INTEGER,
    Dani INTEGER,
    BRUTO CURRENCY,
    PIO CURRENCY,
    bol_bruto CURRENCY,
    bol_pio CURRENCY
);
CREATE INDEX idx_m4_godina ON m4(GODINA);

CREATE TABLE ostalestariprogram (
    Ime TEXT(50),
    Prezime TEXT(50),
    pime TEXT(50),
    matbroj TEXT(13),
    B CURRENCY,
    OZ CURRENCY,
    p2 CURRENCY,
    p3 CURRENCY,
    p4 CURRENCY,
    p5 CURRENCY
);

-- health-fund sheet, prepared outside the program; the numbered columns are filled per person
CREATE TABLE izvestaj (
    JMBG TEXT(13),
    Prezime TEXT(50),
    Ime TEXT(50),
    "5" DOUBLE,
    "6" DOUBLE,
    "7" DOUBLE,
    "8" DOUBLE,
    "9" DOUBLE,
    "10" DOUBLE,
    "11" DOUBLE,
    "12" DOUBLE,
    "13" DOUBLE,
    "14" DOUBLE,
    "15" DOUBLE,
    "16" DOUBLE,
    "17" DOUBLE,
    "18" DOUBLE,
    "19" DOUBLE,
    "20" DOUBLE,
    "21" DOUBLE,
    "22" DOUBLE,
    "23" DOUBLE,
    "24" DOUBLE,
    "25" DOUBLE,
    "26" DOUBLE,
    "27" DOUBLE,
    "28" DOUBLE,
    "29" DOUBLE,
    "30" DOUBLE,
    "31" DOUBLE,
    "32" DOUBLE,
    "33" DOUBLE,
    "34" DOUBLE,
    "35" DOUBLE,
    "36" DOUBLE,
    "37" DOUBLE,
    "38" DOUBLE,
    "39" DOUBLE,
    "40" DOUBLE,
    "41" DOUBLE,
    "42" DOUBLE,
    "43" DOUBLE,
    "44" DOUBLE,
    "45" DOUBLE,
    napomena TEXT(255)
);
CREATE INDEX idx_izvestaj_jmbg ON izvestaj(JMBG);

-- bookkeeping journal: account mapping, posting schemes, account lists and journal export
CREATE TABLE gk_nalog (
    D_Neto TEXT(20),
    P_NETO TEXT(20),
    D_porez TEXT(20),
    P_porez TEXT(20),
    D_PIO_F TEXT(20),
    P_PIO_F TEXT(20),
    D_ZO_F TEXT(20),
    P_ZO_F TEXT(20),
    D_NEZ_F TEXT(20),
    P_NEZ_F TEXT(20),
    D_PIO_R TEXT(20),
    P_PIO_R TEXT(20),
    D_ZO_R TEXT(20),
    P_ZO_R TEXT(20),
    D_NEZ_R TEXT(20),
    P_NEZ_R TEXT(20),
    D_Neto_Pred TEXT(20),
    P_NETO_PRED TEXT(20),
    D_Porez_pred TEXT(20),
    P_POREZ_PRED TEXT(20),
    D_PIO_PRED TEXT(20),
    P_PIO_PRED TEXT(20),
    D_Zdr_PRED TEXT(20),
    P_Zdr_PRED TEXT(20),
    D_NEZ_PRED TEXT(20),
    P_NEZ_PRED TEXT(20),
    tip_seme INTEGER,
    id_tip LONG
);

CREATE TABLE tip_seme (
    id_tip INTEGER PRIMARY KEY AUTOINCREMENT,
    Naziv TEXT(100)
);

CREATE TABLE konta (
    tabela INTEGER,
    Broj LONG,
    konto TEXT(20),
    Opis TEXT(100),
    Strana TEXT(10)
);
CREATE INDEX idx_konta_tabela ON konta(tabela, Broj);

CREATE TABLE konto (
    konto TEXT(20),
    Opis TEXT(100)
);
CREATE INDEX idx_konto_konto ON konto(konto);

CREATE TABLE NalogZaKnjizenje (
    id_nalog LONG,
    Nalog TEXT(20),
    Opis TEXT(100)
);
CREATE INDEX idx_nalogzaknjizenje_nalog ON NalogZaKnjizenje(id_nalog);

CREATE TABLE Nalogzaknjizenje_opsti (
    id_tip_naloga LONG,
    konto TEXT(20),
    analitika TEXT(20),
    id_nalog LONG,
    Nalog TEXT(20),
    podnalog LONG,
    Opis TEXT(255),
    duguje CURRENCY,
    potrazuje CURRENCY,
    Datum DATE,
    opis_konta TEXT(100),
    pocetno_stanje YESNO DEFAULT 0,
    kartica_klijenta TEXT(50),
    brojdokumenta TEXT(50),
    KURSEVRA DOUBLE,
    Dugujeeur CURRENCY,
    potrazujeeur CURRENCY
);
CREATE INDEX idx_nalogzaknjizenje_opsti_tip ON Nalogzaknjizenje_opsti(id_tip_naloga, podnalog);

CREATE TABLE k2_glavna_knjiga (
    konto TEXT(20),
    analitika TEXT(20),
    id_nalog LONG,
    Nalog TEXT(20),
    podnalog TEXT(10),
    Opis TEXT(255),
    duguje CURRENCY,
    potrazuje CURRENCY,
    Datum DATE,
    opis_konta TEXT(100),
    pocetno_stanje YESNO DEFAULT 0,
    ceokonto TEXT(30),
    id_dokument LONG,
    tip_dokument LONG
);
CREATE INDEX idx_k2_glavna_knjiga_nalog ON k2_glavna_knjiga(id_nalog);

CREATE TABLE k2_kontrol (
    podesavanje TEXT(50),
    aktivno YESNO DEFAULT 0
);

-- stored queries

-- deductions posted with advances, per employee, month, organisational unit and deduction
CREATE VIEW qpromenljivea AS
SELECT a.ID_RADNIK, a.GODINA, a.MEsec, r.id_rj, o.id_obustava, p.Tip, SUM(o.Iznos) AS Iznos
FROM obracun_obustava o
     INNER JOIN akontacija_obracuni a ON a.Id_obracun = o.Id_obracun
     LEFT JOIN radnici r ON r.id_radnik = a.ID_RADNIK
     LEFT JOIN obustaveproc p ON p.id_obustava_proc = o.id_obustava
WHERE o.AKONTACIJA = 1
GROUP BY a.ID_RADNIK, a.GODINA, a.MEsec, r.id_rj, o.id_obustava, p.Tip;

-- the same for final calculations
CREATE VIEW qpromenljivek AS
SELECT k.ID_RADNIK, k.GODINA, k.MEsec, r.id_rj, o.id_obustava, p.Tip, SUM(o.Iznos) AS Iznos
FROM obracun_obustava o
     INNER JOIN obracuni k ON k.Id_obracun = o.Id_obracun
     LEFT JOIN radnici r ON r.id_radnik = k.ID_RADNIK
     LEFT JOIN obustaveproc p ON p.id_obustava_proc = o.id_obustava
WHERE o.AKONTACIJA = 0
GROUP BY k.ID_RADNIK, k.GODINA, k.MEsec, r.id_rj, o.id_obustava, p.Tip;

-- deduction rows of advances with the month, employee and organisational unit
CREATE VIEW qobracun_obustavaa AS
SELECT o.Id_obracun, o.AKONTACIJA, o.id_obustava, o.kreditor, o.Iznos, o.valuta, o.Kurs,
       o.tekuci_Racun, o.POziv_na_broj, o.id_or,
       a.MEsec, a.GODINA, a.ID_RADNIK, r.id_rj
FROM obracun_obustava o
     INNER JOIN akontacija_obracuni a ON a.Id_obracun = o.Id_obracun
     LEFT JOIN radnici r ON r.id_radnik = a.ID_RADNIK
WHERE o.AKONTACIJA = 1;

-- deduction rows of final calculations with the month, employee and organisational unit
CREATE VIEW qobracun_obustavak AS
SELECT o.Id_obracun, o.AKONTACIJA, o.id_obustava, o.kreditor, o.Iznos, o.valuta, o.Kurs,
       o.tekuci_Racun, o.POziv_na_broj, o.id_or,
       k.MEsec, k.GODINA, k.ID_RADNIK, r.id_rj
FROM obracun_obustava o
     INNER JOIN obracuni k ON k.Id_obracun = o.Id_obracun
     LEFT JOIN radnici r ON r.id_radnik = k.ID_RADNIK
WHERE o.AKONTACIJA = 0;

-- loans: employees' rows of deductions whose creditor is a credit account (Tip 3)
CREATE VIEW qobustave_krediti AS
SELECT orr.id_or, orr.id_obustava, orr.ID_RADNIK, orr.POCETAK, orr.kraj, orr.valuta, orr.Iznos,
       orr.prvi_deo, orr.drugi_deo, orr.ukupno_meseci, orr.sifra_placanja, orr.model,
       orr.POziv_na_broj, orr.Opis,
       p.obustava, p.Tip, p.tekuci_Racun, p.zbirno_placanje, p.obrisana
FROM obustave_radnici orr
     INNER JOIN obustaveproc p ON p.id_obustava_proc = orr.id_obustava
WHERE p.Tip = 3;

-- total of deductions of each advance calculation
CREATE VIEW qazbir_obustava AS
SELECT o.Id_obracun, a.ID_RADNIK, a.MEsec, a.GODINA, SUM(o.Iznos) AS UKUPNO
FROM obracun_obustava o
     INNER JOIN akontacija_obracuni a ON a.Id_obracun = o.Id_obracun
WHERE o.AKONTACIJA = 1
GROUP BY o.Id_obracun, a.ID_RADNIK, a.MEsec, a.GODINA;

-- total of deductions of each final calculation
CREATE VIEW qzbirobustava AS
SELECT o.Id_obracun, k.ID_RADNIK, k.MEsec, k.GODINA, SUM(o.Iznos) AS UKUPNO
FROM obracun_obustava o
     INNER JOIN obracuni k ON k.Id_obracun = o.Id_obracun
WHERE o.AKONTACIJA = 0
GROUP BY o.Id_obracun, k.ID_RADNIK, k.MEsec, k.GODINA;
