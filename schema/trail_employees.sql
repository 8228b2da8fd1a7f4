-- The trail of the employee register, the deductions and the loans: every row added, changed
-- or removed leaves one entry with the columns that went from what to what (amounts in dinars).

CREATE TRIGGER istorija_radnici_unos AFTER INSERT ON radnici BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'radnici', 'id_radnik=' || NEW.id_radnik, NEW.id_radnik, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_radnik', CASE WHEN NEW.id_radnik IS NOT NULL THEN json_array(NULL, NEW.id_radnik) END, 'Prezime', CASE WHEN NEW.Prezime IS NOT NULL THEN json_array(NULL, NEW.Prezime) END,
        'Ime', CASE WHEN NEW.Ime IS NOT NULL THEN json_array(NULL, NEW.Ime) END, 'JMBG', CASE WHEN NEW.JMBG IS NOT NULL THEN json_array(NULL, NEW.JMBG) END,
        'lbo', CASE WHEN NEW.lbo IS NOT NULL THEN json_array(NULL, NEW.lbo) END, 'licna_karta', CASE WHEN NEW.licna_karta IS NOT NULL THEN json_array(NULL, NEW.licna_karta) END,
        'ADRESA', CASE WHEN NEW.ADRESA IS NOT NULL THEN json_array(NULL, NEW.ADRESA) END, 'telefon', CASE WHEN NEW.telefon IS NOT NULL THEN json_array(NULL, NEW.telefon) END,
        'radno_mesto', CASE WHEN NEW.radno_mesto IS NOT NULL THEN json_array(NULL, NEW.radno_mesto) END, 'KOEFICIJENT', CASE WHEN NEW.KOEFICIJENT IS NOT NULL THEN json_array(NULL, NEW.KOEFICIJENT) END,
        'funkcijski_dodatak', CASE WHEN NEW.funkcijski_dodatak IS NOT NULL THEN json_array(NULL, NEW.funkcijski_dodatak) END, 'otezani_uslovi', CASE WHEN NEW.otezani_uslovi IS NOT NULL THEN json_array(NULL, NEW.otezani_uslovi) END,
        'pg', CASE WHEN NEW.pg IS NOT NULL THEN json_array(NULL, NEW.pg) END, 'Pm', CASE WHEN NEW.Pm IS NOT NULL THEN json_array(NULL, NEW.Pm) END,
        'Pd', CASE WHEN NEW.Pd IS NOT NULL THEN json_array(NULL, NEW.Pd) END, 'Datum', CASE WHEN NEW.Datum IS NOT NULL THEN json_array(NULL, NEW.Datum) END,
        'tekuci_Racun', CASE WHEN NEW.tekuci_Racun IS NOT NULL THEN json_array(NULL, NEW.tekuci_Racun) END, 'isplata_preko_racuna', CASE WHEN NEW.isplata_preko_racuna IS NOT NULL THEN json_array(NULL, NEW.isplata_preko_racuna) END,
        'nije_u_ro', CASE WHEN NEW.nije_u_ro IS NOT NULL THEN json_array(NULL, NEW.nije_u_ro) END, 'datum_odjave', CASE WHEN NEW.datum_odjave IS NOT NULL THEN json_array(NULL, NEW.datum_odjave) END,
        'id_rj', CASE WHEN NEW.id_rj IS NOT NULL THEN json_array(NULL, NEW.id_rj) END, 'sss', CASE WHEN NEW.sss IS NOT NULL THEN json_array(NULL, NEW.sss) END,
        'ID_BAnka', CASE WHEN NEW.ID_BAnka IS NOT NULL THEN json_array(NULL, NEW.ID_BAnka) END, 'tip_obracuna', CASE WHEN NEW.tip_obracuna IS NOT NULL THEN json_array(NULL, NEW.tip_obracuna) END,
        'pol', CASE WHEN NEW.pol IS NOT NULL THEN json_array(NULL, NEW.pol) END, 'sifra_opstine', CASE WHEN NEW.sifra_opstine IS NOT NULL THEN json_array(NULL, NEW.sifra_opstine) END,
        'vrsta', CASE WHEN NEW.vrsta IS NOT NULL THEN json_array(NULL, NEW.vrsta) END, 'sifra_vrste_prihoda', CASE WHEN NEW.sifra_vrste_prihoda IS NOT NULL THEN json_array(NULL, NEW.sifra_vrste_prihoda) END,
        'platni_razred', CASE WHEN NEW.platni_razred IS NOT NULL THEN json_array(NULL, NEW.platni_razred) END, 'NETO', CASE WHEN NEW.NETO IS NOT NULL THEN json_array(NULL, NEW.NETO) END,
        'na_odredjeno', CASE WHEN NEW.na_odredjeno IS NOT NULL THEN json_array(NULL, NEW.na_odredjeno) END, 'datum_na_odredjeno', CASE WHEN NEW.datum_na_odredjeno IS NOT NULL THEN json_array(NULL, NEW.datum_na_odredjeno) END,
        'broj_ugovora', CASE WHEN NEW.broj_ugovora IS NOT NULL THEN json_array(NULL, NEW.broj_ugovora) END, 'aneks', CASE WHEN NEW.aneks IS NOT NULL THEN json_array(NULL, NEW.aneks) END,
        'vlasnik', CASE WHEN NEW.vlasnik IS NOT NULL THEN json_array(NULL, NEW.vlasnik) END, 'Kontrolni', CASE WHEN NEW.Kontrolni IS NOT NULL THEN json_array(NULL, NEW.Kontrolni) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_radnici_izmena AFTER UPDATE ON radnici BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'radnici', 'id_radnik=' || NEW.id_radnik, NEW.id_radnik, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_radnik', CASE WHEN OLD.id_radnik IS NOT NEW.id_radnik THEN json_array(OLD.id_radnik, NEW.id_radnik) END, 'Prezime', CASE WHEN OLD.Prezime IS NOT NEW.Prezime THEN json_array(OLD.Prezime, NEW.Prezime) END,
        'Ime', CASE WHEN OLD.Ime IS NOT NEW.Ime THEN json_array(OLD.Ime, NEW.Ime) END, 'JMBG', CASE WHEN OLD.JMBG IS NOT NEW.JMBG THEN json_array(OLD.JMBG, NEW.JMBG) END,
        'lbo', CASE WHEN OLD.lbo IS NOT NEW.lbo THEN json_array(OLD.lbo, NEW.lbo) END, 'licna_karta', CASE WHEN OLD.licna_karta IS NOT NEW.licna_karta THEN json_array(OLD.licna_karta, NEW.licna_karta) END,
        'ADRESA', CASE WHEN OLD.ADRESA IS NOT NEW.ADRESA THEN json_array(OLD.ADRESA, NEW.ADRESA) END, 'telefon', CASE WHEN OLD.telefon IS NOT NEW.telefon THEN json_array(OLD.telefon, NEW.telefon) END,
        'radno_mesto', CASE WHEN OLD.radno_mesto IS NOT NEW.radno_mesto THEN json_array(OLD.radno_mesto, NEW.radno_mesto) END, 'KOEFICIJENT', CASE WHEN OLD.KOEFICIJENT IS NOT NEW.KOEFICIJENT THEN json_array(OLD.KOEFICIJENT, NEW.KOEFICIJENT) END,
        'funkcijski_dodatak', CASE WHEN OLD.funkcijski_dodatak IS NOT NEW.funkcijski_dodatak THEN json_array(OLD.funkcijski_dodatak, NEW.funkcijski_dodatak) END, 'otezani_uslovi', CASE WHEN OLD.otezani_uslovi IS NOT NEW.otezani_uslovi THEN json_array(OLD.otezani_uslovi, NEW.otezani_uslovi) END,
        'pg', CASE WHEN OLD.pg IS NOT NEW.pg THEN json_array(OLD.pg, NEW.pg) END, 'Pm', CASE WHEN OLD.Pm IS NOT NEW.Pm THEN json_array(OLD.Pm, NEW.Pm) END,
        'Pd', CASE WHEN OLD.Pd IS NOT NEW.Pd THEN json_array(OLD.Pd, NEW.Pd) END, 'Datum', CASE WHEN OLD.Datum IS NOT NEW.Datum THEN json_array(OLD.Datum, NEW.Datum) END,
        'tekuci_Racun', CASE WHEN OLD.tekuci_Racun IS NOT NEW.tekuci_Racun THEN json_array(OLD.tekuci_Racun, NEW.tekuci_Racun) END, 'isplata_preko_racuna', CASE WHEN OLD.isplata_preko_racuna IS NOT NEW.isplata_preko_racuna THEN json_array(OLD.isplata_preko_racuna, NEW.isplata_preko_racuna) END,
        'nije_u_ro', CASE WHEN OLD.nije_u_ro IS NOT NEW.nije_u_ro THEN json_array(OLD.nije_u_ro, NEW.nije_u_ro) END, 'datum_odjave', CASE WHEN OLD.datum_odjave IS NOT NEW.datum_odjave THEN json_array(OLD.datum_odjave, NEW.datum_odjave) END,
        'id_rj', CASE WHEN OLD.id_rj IS NOT NEW.id_rj THEN json_array(OLD.id_rj, NEW.id_rj) END, 'sss', CASE WHEN OLD.sss IS NOT NEW.sss THEN json_array(OLD.sss, NEW.sss) END,
        'ID_BAnka', CASE WHEN OLD.ID_BAnka IS NOT NEW.ID_BAnka THEN json_array(OLD.ID_BAnka, NEW.ID_BAnka) END, 'tip_obracuna', CASE WHEN OLD.tip_obracuna IS NOT NEW.tip_obracuna THEN json_array(OLD.tip_obracuna, NEW.tip_obracuna) END,
        'pol', CASE WHEN OLD.pol IS NOT NEW.pol THEN json_array(OLD.pol, NEW.pol) END, 'sifra_opstine', CASE WHEN OLD.sifra_opstine IS NOT NEW.sifra_opstine THEN json_array(OLD.sifra_opstine, NEW.sifra_opstine) END,
        'vrsta', CASE WHEN OLD.vrsta IS NOT NEW.vrsta THEN json_array(OLD.vrsta, NEW.vrsta) END, 'sifra_vrste_prihoda', CASE WHEN OLD.sifra_vrste_prihoda IS NOT NEW.sifra_vrste_prihoda THEN json_array(OLD.sifra_vrste_prihoda, NEW.sifra_vrste_prihoda) END,
        'platni_razred', CASE WHEN OLD.platni_razred IS NOT NEW.platni_razred THEN json_array(OLD.platni_razred, NEW.platni_razred) END, 'NETO', CASE WHEN OLD.NETO IS NOT NEW.NETO THEN json_array(OLD.NETO, NEW.NETO) END,
        'na_odredjeno', CASE WHEN OLD.na_odredjeno IS NOT NEW.na_odredjeno THEN json_array(OLD.na_odredjeno, NEW.na_odredjeno) END, 'datum_na_odredjeno', CASE WHEN OLD.datum_na_odredjeno IS NOT NEW.datum_na_odredjeno THEN json_array(OLD.datum_na_odredjeno, NEW.datum_na_odredjeno) END,
        'broj_ugovora', CASE WHEN OLD.broj_ugovora IS NOT NEW.broj_ugovora THEN json_array(OLD.broj_ugovora, NEW.broj_ugovora) END, 'aneks', CASE WHEN OLD.aneks IS NOT NEW.aneks THEN json_array(OLD.aneks, NEW.aneks) END,
        'vlasnik', CASE WHEN OLD.vlasnik IS NOT NEW.vlasnik THEN json_array(OLD.vlasnik, NEW.vlasnik) END, 'Kontrolni', CASE WHEN OLD.Kontrolni IS NOT NEW.Kontrolni THEN json_array(OLD.Kontrolni, NEW.Kontrolni) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_radnici_brisanje AFTER DELETE ON radnici BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'radnici', 'id_radnik=' || OLD.id_radnik, OLD.id_radnik, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_radnik', CASE WHEN OLD.id_radnik IS NOT NULL THEN json_array(OLD.id_radnik, NULL) END, 'Prezime', CASE WHEN OLD.Prezime IS NOT NULL THEN json_array(OLD.Prezime, NULL) END,
        'Ime', CASE WHEN OLD.Ime IS NOT NULL THEN json_array(OLD.Ime, NULL) END, 'JMBG', CASE WHEN OLD.JMBG IS NOT NULL THEN json_array(OLD.JMBG, NULL) END,
        'lbo', CASE WHEN OLD.lbo IS NOT NULL THEN json_array(OLD.lbo, NULL) END, 'licna_karta', CASE WHEN OLD.licna_karta IS NOT NULL THEN json_array(OLD.licna_karta, NULL) END,
        'ADRESA', CASE WHEN OLD.ADRESA IS NOT NULL THEN json_array(OLD.ADRESA, NULL) END, 'telefon', CASE WHEN OLD.telefon IS NOT NULL THEN json_array(OLD.telefon, NULL) END,
        'radno_mesto', CASE WHEN OLD.radno_mesto IS NOT NULL THEN json_array(OLD.radno_mesto, NULL) END, 'KOEFICIJENT', CASE WHEN OLD.KOEFICIJENT IS NOT NULL THEN json_array(OLD.KOEFICIJENT, NULL) END,
        'funkcijski_dodatak', CASE WHEN OLD.funkcijski_dodatak IS NOT NULL THEN json_array(OLD.funkcijski_dodatak, NULL) END, 'otezani_uslovi', CASE WHEN OLD.otezani_uslovi IS NOT NULL THEN json_array(OLD.otezani_uslovi, NULL) END,
        'pg', CASE WHEN OLD.pg IS NOT NULL THEN json_array(OLD.pg, NULL) END, 'Pm', CASE WHEN OLD.Pm IS NOT NULL THEN json_array(OLD.Pm, NULL) END,
        'Pd', CASE WHEN OLD.Pd IS NOT NULL THEN json_array(OLD.Pd, NULL) END, 'Datum', CASE WHEN OLD.Datum IS NOT NULL THEN json_array(OLD.Datum, NULL) END,
        'tekuci_Racun', CASE WHEN OLD.tekuci_Racun IS NOT NULL THEN json_array(OLD.tekuci_Racun, NULL) END, 'isplata_preko_racuna', CASE WHEN OLD.isplata_preko_racuna IS NOT NULL THEN json_array(OLD.isplata_preko_racuna, NULL) END,
        'nije_u_ro', CASE WHEN OLD.nije_u_ro IS NOT NULL THEN json_array(OLD.nije_u_ro, NULL) END, 'datum_odjave', CASE WHEN OLD.datum_odjave IS NOT NULL THEN json_array(OLD.datum_odjave, NULL) END,
        'id_rj', CASE WHEN OLD.id_rj IS NOT NULL THEN json_array(OLD.id_rj, NULL) END, 'sss', CASE WHEN OLD.sss IS NOT NULL THEN json_array(OLD.sss, NULL) END,
        'ID_BAnka', CASE WHEN OLD.ID_BAnka IS NOT NULL THEN json_array(OLD.ID_BAnka, NULL) END, 'tip_obracuna', CASE WHEN OLD.tip_obracuna IS NOT NULL THEN json_array(OLD.tip_obracuna, NULL) END,
        'pol', CASE WHEN OLD.pol IS NOT NULL THEN json_array(OLD.pol, NULL) END, 'sifra_opstine', CASE WHEN OLD.sifra_opstine IS NOT NULL THEN json_array(OLD.sifra_opstine, NULL) END,
        'vrsta', CASE WHEN OLD.vrsta IS NOT NULL THEN json_array(OLD.vrsta, NULL) END, 'sifra_vrste_prihoda', CASE WHEN OLD.sifra_vrste_prihoda IS NOT NULL THEN json_array(OLD.sifra_vrste_prihoda, NULL) END,
        'platni_razred', CASE WHEN OLD.platni_razred IS NOT NULL THEN json_array(OLD.platni_razred, NULL) END, 'NETO', CASE WHEN OLD.NETO IS NOT NULL THEN json_array(OLD.NETO, NULL) END,
        'na_odredjeno', CASE WHEN OLD.na_odredjeno IS NOT NULL THEN json_array(OLD.na_odredjeno, NULL) END, 'datum_na_odredjeno', CASE WHEN OLD.datum_na_odredjeno IS NOT NULL THEN json_array(OLD.datum_na_odredjeno, NULL) END,
        'broj_ugovora', CASE WHEN OLD.broj_ugovora IS NOT NULL THEN json_array(OLD.broj_ugovora, NULL) END, 'aneks', CASE WHEN OLD.aneks IS NOT NULL THEN json_array(OLD.aneks, NULL) END,
        'vlasnik', CASE WHEN OLD.vlasnik IS NOT NULL THEN json_array(OLD.vlasnik, NULL) END, 'Kontrolni', CASE WHEN OLD.Kontrolni IS NOT NULL THEN json_array(OLD.Kontrolni, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_obustaveproc_unos AFTER INSERT ON obustaveproc BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'obustaveproc', 'id_obustava_proc=' || NEW.id_obustava_proc, NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_obustava_proc', CASE WHEN NEW.id_obustava_proc IS NOT NULL THEN json_array(NULL, NEW.id_obustava_proc) END, 'obustava', CASE WHEN NEW.obustava IS NOT NULL THEN json_array(NULL, NEW.obustava) END,
        'procenat', CASE WHEN NEW.procenat IS NOT NULL THEN json_array(NULL, NEW.procenat) END, 'Tip', CASE WHEN NEW.Tip IS NOT NULL THEN json_array(NULL, NEW.Tip) END,
        'tekuci_Racun', CASE WHEN NEW.tekuci_Racun IS NOT NULL THEN json_array(NULL, NEW.tekuci_Racun) END, 'zbirno_placanje', CASE WHEN NEW.zbirno_placanje IS NOT NULL THEN json_array(NULL, NEW.zbirno_placanje) END,
        'grad', CASE WHEN NEW.grad IS NOT NULL THEN json_array(NULL, NEW.grad) END, 'konto', CASE WHEN NEW.konto IS NOT NULL THEN json_array(NULL, NEW.konto) END,
        'poziv', CASE WHEN NEW.poziv IS NOT NULL THEN json_array(NULL, NEW.poziv) END, 'obrisana', CASE WHEN NEW.obrisana IS NOT NULL THEN json_array(NULL, NEW.obrisana) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_obustaveproc_izmena AFTER UPDATE ON obustaveproc BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'obustaveproc', 'id_obustava_proc=' || NEW.id_obustava_proc, NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_obustava_proc', CASE WHEN OLD.id_obustava_proc IS NOT NEW.id_obustava_proc THEN json_array(OLD.id_obustava_proc, NEW.id_obustava_proc) END, 'obustava', CASE WHEN OLD.obustava IS NOT NEW.obustava THEN json_array(OLD.obustava, NEW.obustava) END,
        'procenat', CASE WHEN OLD.procenat IS NOT NEW.procenat THEN json_array(OLD.procenat, NEW.procenat) END, 'Tip', CASE WHEN OLD.Tip IS NOT NEW.Tip THEN json_array(OLD.Tip, NEW.Tip) END,
        'tekuci_Racun', CASE WHEN OLD.tekuci_Racun IS NOT NEW.tekuci_Racun THEN json_array(OLD.tekuci_Racun, NEW.tekuci_Racun) END, 'zbirno_placanje', CASE WHEN OLD.zbirno_placanje IS NOT NEW.zbirno_placanje THEN json_array(OLD.zbirno_placanje, NEW.zbirno_placanje) END,
        'grad', CASE WHEN OLD.grad IS NOT NEW.grad THEN json_array(OLD.grad, NEW.grad) END, 'konto', CASE WHEN OLD.konto IS NOT NEW.konto THEN json_array(OLD.konto, NEW.konto) END,
        'poziv', CASE WHEN OLD.poziv IS NOT NEW.poziv THEN json_array(OLD.poziv, NEW.poziv) END, 'obrisana', CASE WHEN OLD.obrisana IS NOT NEW.obrisana THEN json_array(OLD.obrisana, NEW.obrisana) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_obustaveproc_brisanje AFTER DELETE ON obustaveproc BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'obustaveproc', 'id_obustava_proc=' || OLD.id_obustava_proc, NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_obustava_proc', CASE WHEN OLD.id_obustava_proc IS NOT NULL THEN json_array(OLD.id_obustava_proc, NULL) END, 'obustava', CASE WHEN OLD.obustava IS NOT NULL THEN json_array(OLD.obustava, NULL) END,
        'procenat', CASE WHEN OLD.procenat IS NOT NULL THEN json_array(OLD.procenat, NULL) END, 'Tip', CASE WHEN OLD.Tip IS NOT NULL THEN json_array(OLD.Tip, NULL) END,
        'tekuci_Racun', CASE WHEN OLD.tekuci_Racun IS NOT NULL THEN json_array(OLD.tekuci_Racun, NULL) END, 'zbirno_placanje', CASE WHEN OLD.zbirno_placanje IS NOT NULL THEN json_array(OLD.zbirno_placanje, NULL) END,
        'grad', CASE WHEN OLD.grad IS NOT NULL THEN json_array(OLD.grad, NULL) END, 'konto', CASE WHEN OLD.konto IS NOT NULL THEN json_array(OLD.konto, NULL) END,
        'poziv', CASE WHEN OLD.poziv IS NOT NULL THEN json_array(OLD.poziv, NULL) END, 'obrisana', CASE WHEN OLD.obrisana IS NOT NULL THEN json_array(OLD.obrisana, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_obustave_radnici_unos AFTER INSERT ON obustave_radnici BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'obustave_radnici', 'id_or=' || NEW.id_or, NEW.id_radnik, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_or', CASE WHEN NEW.id_or IS NOT NULL THEN json_array(NULL, NEW.id_or) END, 'id_obustava', CASE WHEN NEW.id_obustava IS NOT NULL THEN json_array(NULL, NEW.id_obustava) END,
        'ID_RADNIK', CASE WHEN NEW.ID_RADNIK IS NOT NULL THEN json_array(NULL, NEW.ID_RADNIK) END, 'POCETAK', CASE WHEN NEW.POCETAK IS NOT NULL THEN json_array(NULL, NEW.POCETAK) END,
        'kraj', CASE WHEN NEW.kraj IS NOT NULL THEN json_array(NULL, NEW.kraj) END, 'valuta', CASE WHEN NEW.valuta IS NOT NULL THEN json_array(NULL, NEW.valuta) END,
        'Iznos', CASE WHEN NEW.Iznos IS NOT NULL THEN json_array(NULL, NEW.Iznos) END, 'prvi_deo', CASE WHEN NEW.prvi_deo IS NOT NULL THEN json_array(NULL, NEW.prvi_deo) END,
        'drugi_deo', CASE WHEN NEW.drugi_deo IS NOT NULL THEN json_array(NULL, NEW.drugi_deo) END, 'ukupno_meseci', CASE WHEN NEW.ukupno_meseci IS NOT NULL THEN json_array(NULL, NEW.ukupno_meseci) END,
        'sifra_placanja', CASE WHEN NEW.sifra_placanja IS NOT NULL THEN json_array(NULL, NEW.sifra_placanja) END, 'model', CASE WHEN NEW.model IS NOT NULL THEN json_array(NULL, NEW.model) END,
        'POziv_na_broj', CASE WHEN NEW.POziv_na_broj IS NOT NULL THEN json_array(NULL, NEW.POziv_na_broj) END, 'Opis', CASE WHEN NEW.Opis IS NOT NULL THEN json_array(NULL, NEW.Opis) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_obustave_radnici_izmena AFTER UPDATE ON obustave_radnici BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'obustave_radnici', 'id_or=' || NEW.id_or, NEW.id_radnik, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_or', CASE WHEN OLD.id_or IS NOT NEW.id_or THEN json_array(OLD.id_or, NEW.id_or) END, 'id_obustava', CASE WHEN OLD.id_obustava IS NOT NEW.id_obustava THEN json_array(OLD.id_obustava, NEW.id_obustava) END,
        'ID_RADNIK', CASE WHEN OLD.ID_RADNIK IS NOT NEW.ID_RADNIK THEN json_array(OLD.ID_RADNIK, NEW.ID_RADNIK) END, 'POCETAK', CASE WHEN OLD.POCETAK IS NOT NEW.POCETAK THEN json_array(OLD.POCETAK, NEW.POCETAK) END,
        'kraj', CASE WHEN OLD.kraj IS NOT NEW.kraj THEN json_array(OLD.kraj, NEW.kraj) END, 'valuta', CASE WHEN OLD.valuta IS NOT NEW.valuta THEN json_array(OLD.valuta, NEW.valuta) END,
        'Iznos', CASE WHEN OLD.Iznos IS NOT NEW.Iznos THEN json_array(OLD.Iznos, NEW.Iznos) END, 'prvi_deo', CASE WHEN OLD.prvi_deo IS NOT NEW.prvi_deo THEN json_array(OLD.prvi_deo, NEW.prvi_deo) END,
        'drugi_deo', CASE WHEN OLD.drugi_deo IS NOT NEW.drugi_deo THEN json_array(OLD.drugi_deo, NEW.drugi_deo) END, 'ukupno_meseci', CASE WHEN OLD.ukupno_meseci IS NOT NEW.ukupno_meseci THEN json_array(OLD.ukupno_meseci, NEW.ukupno_meseci) END,
        'sifra_placanja', CASE WHEN OLD.sifra_placanja IS NOT NEW.sifra_placanja THEN json_array(OLD.sifra_placanja, NEW.sifra_placanja) END, 'model', CASE WHEN OLD.model IS NOT NEW.model THEN json_array(OLD.model, NEW.model) END,
        'POziv_na_broj', CASE WHEN OLD.POziv_na_broj IS NOT NEW.POziv_na_broj THEN json_array(OLD.POziv_na_broj, NEW.POziv_na_broj) END, 'Opis', CASE WHEN OLD.Opis IS NOT NEW.Opis THEN json_array(OLD.Opis, NEW.Opis) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_obustave_radnici_brisanje AFTER DELETE ON obustave_radnici BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'obustave_radnici', 'id_or=' || OLD.id_or, OLD.id_radnik, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_or', CASE WHEN OLD.id_or IS NOT NULL THEN json_array(OLD.id_or, NULL) END, 'id_obustava', CASE WHEN OLD.id_obustava IS NOT NULL THEN json_array(OLD.id_obustava, NULL) END,
        'ID_RADNIK', CASE WHEN OLD.ID_RADNIK IS NOT NULL THEN json_array(OLD.ID_RADNIK, NULL) END, 'POCETAK', CASE WHEN OLD.POCETAK IS NOT NULL THEN json_array(OLD.POCETAK, NULL) END,
        'kraj', CASE WHEN OLD.kraj IS NOT NULL THEN json_array(OLD.kraj, NULL) END, 'valuta', CASE WHEN OLD.valuta IS NOT NULL THEN json_array(OLD.valuta, NULL) END,
        'Iznos', CASE WHEN OLD.Iznos IS NOT NULL THEN json_array(OLD.Iznos, NULL) END, 'prvi_deo', CASE WHEN OLD.prvi_deo IS NOT NULL THEN json_array(OLD.prvi_deo, NULL) END,
        'drugi_deo', CASE WHEN OLD.drugi_deo IS NOT NULL THEN json_array(OLD.drugi_deo, NULL) END, 'ukupno_meseci', CASE WHEN OLD.ukupno_meseci IS NOT NULL THEN json_array(OLD.ukupno_meseci, NULL) END,
        'sifra_placanja', CASE WHEN OLD.sifra_placanja IS NOT NULL THEN json_array(OLD.sifra_placanja, NULL) END, 'model', CASE WHEN OLD.model IS NOT NULL THEN json_array(OLD.model, NULL) END,
        'POziv_na_broj', CASE WHEN OLD.POziv_na_broj IS NOT NULL THEN json_array(OLD.POziv_na_broj, NULL) END, 'Opis', CASE WHEN OLD.Opis IS NOT NULL THEN json_array(OLD.Opis, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_podobustave_unos AFTER INSERT ON podobustave BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'podobustave', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_obustava_proc', CASE WHEN NEW.id_obustava_proc IS NOT NULL THEN json_array(NULL, NEW.id_obustava_proc) END, 'Opis', CASE WHEN NEW.Opis IS NOT NULL THEN json_array(NULL, NEW.Opis) END,
        'Iznos', CASE WHEN NEW.Iznos IS NOT NULL THEN json_array(NULL, NEW.Iznos / 10000.0) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_podobustave_izmena AFTER UPDATE ON podobustave BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'podobustave', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_obustava_proc', CASE WHEN OLD.id_obustava_proc IS NOT NEW.id_obustava_proc THEN json_array(OLD.id_obustava_proc, NEW.id_obustava_proc) END, 'Opis', CASE WHEN OLD.Opis IS NOT NEW.Opis THEN json_array(OLD.Opis, NEW.Opis) END,
        'Iznos', CASE WHEN OLD.Iznos IS NOT NEW.Iznos THEN json_array(OLD.Iznos / 10000.0, NEW.Iznos / 10000.0) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_podobustave_brisanje AFTER DELETE ON podobustave BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'podobustave', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_obustava_proc', CASE WHEN OLD.id_obustava_proc IS NOT NULL THEN json_array(OLD.id_obustava_proc, NULL) END, 'Opis', CASE WHEN OLD.Opis IS NOT NULL THEN json_array(OLD.Opis, NULL) END,
        'Iznos', CASE WHEN OLD.Iznos IS NOT NULL THEN json_array(OLD.Iznos / 10000.0, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;
