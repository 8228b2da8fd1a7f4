-- The trail of the rates, the accounts and the settings: every row added, changed or removed
-- leaves one entry with the columns that went from what to what (amounts in dinars).

CREATE TRIGGER istorija_parametri_unos AFTER INSERT ON parametri BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'parametri', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'porez_zarade', CASE WHEN NEW.porez_zarade IS NOT NULL THEN json_array(NULL, NEW.porez_zarade) END, 'iznos_poreskog_oslobojenja', CASE WHEN NEW.iznos_poreskog_oslobojenja IS NOT NULL THEN json_array(NULL, NEW.iznos_poreskog_oslobojenja / 10000.0) END,
        'Doprinosi_PIO', CASE WHEN NEW.Doprinosi_PIO IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_PIO) END, 'Doprinosi_zo', CASE WHEN NEW.Doprinosi_zo IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_zo) END,
        'doprinosi_nezaposlenost', CASE WHEN NEW.doprinosi_nezaposlenost IS NOT NULL THEN json_array(NULL, NEW.doprinosi_nezaposlenost) END, 'Doprinosi_PIO_F', CASE WHEN NEW.Doprinosi_PIO_F IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_PIO_F) END,
        'Doprinosi_zo_F', CASE WHEN NEW.Doprinosi_zo_F IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_zo_F) END, 'doprinosi_nezaposlenost_f', CASE WHEN NEW.doprinosi_nezaposlenost_f IS NOT NULL THEN json_array(NULL, NEW.doprinosi_nezaposlenost_f) END,
        'doprinosi_ro', CASE WHEN NEW.doprinosi_ro IS NOT NULL THEN json_array(NULL, NEW.doprinosi_ro) END, 'doprinosi_ro2', CASE WHEN NEW.doprinosi_ro2 IS NOT NULL THEN json_array(NULL, NEW.doprinosi_ro2) END,
        'doprinosi_ro3', CASE WHEN NEW.doprinosi_ro3 IS NOT NULL THEN json_array(NULL, NEW.doprinosi_ro3) END, 'Naziv_doprinosi_ro', CASE WHEN NEW.Naziv_doprinosi_ro IS NOT NULL THEN json_array(NULL, NEW.Naziv_doprinosi_ro) END,
        'Naziv_doprinosi_ro2', CASE WHEN NEW.Naziv_doprinosi_ro2 IS NOT NULL THEN json_array(NULL, NEW.Naziv_doprinosi_ro2) END, 'Naziv_doprinosi_ro3', CASE WHEN NEW.Naziv_doprinosi_ro3 IS NOT NULL THEN json_array(NULL, NEW.Naziv_doprinosi_ro3) END,
        'Naziv_doprinosi_ro4', CASE WHEN NEW.Naziv_doprinosi_ro4 IS NOT NULL THEN json_array(NULL, NEW.Naziv_doprinosi_ro4) END, 'minimalna_osnovica', CASE WHEN NEW.minimalna_osnovica IS NOT NULL THEN json_array(NULL, NEW.minimalna_osnovica / 10000.0) END,
        'maksimalna_osnovica', CASE WHEN NEW.maksimalna_osnovica IS NOT NULL THEN json_array(NULL, NEW.maksimalna_osnovica / 10000.0) END, 'minimalna_osnovna', CASE WHEN NEW.minimalna_osnovna IS NOT NULL THEN json_array(NULL, NEW.minimalna_osnovna / 10000.0) END,
        'cena_Rada', CASE WHEN NEW.cena_Rada IS NOT NULL THEN json_array(NULL, NEW.cena_Rada / 10000.0) END, 'cena_rada_pre_umanjenja', CASE WHEN NEW.cena_rada_pre_umanjenja IS NOT NULL THEN json_array(NULL, NEW.cena_rada_pre_umanjenja / 10000.0) END,
        'minuli_rad', CASE WHEN NEW.minuli_rad IS NOT NULL THEN json_array(NULL, NEW.minuli_rad) END, 'produzeni_rad', CASE WHEN NEW.produzeni_rad IS NOT NULL THEN json_array(NULL, NEW.produzeni_rad) END,
        'nocni_rad', CASE WHEN NEW.nocni_rad IS NOT NULL THEN json_array(NULL, NEW.nocni_rad) END, 'rad_na_praznik', CASE WHEN NEW.rad_na_praznik IS NOT NULL THEN json_array(NULL, NEW.rad_na_praznik) END,
        'rad_nedeljom', CASE WHEN NEW.rad_nedeljom IS NOT NULL THEN json_array(NULL, NEW.rad_nedeljom) END, 'rad_nedeljomstvarno', CASE WHEN NEW.rad_nedeljomstvarno IS NOT NULL THEN json_array(NULL, NEW.rad_nedeljomstvarno) END,
        'DEZURSTVO', CASE WHEN NEW.DEZURSTVO IS NOT NULL THEN json_array(NULL, NEW.DEZURSTVO) END, 'PRIPRAVNOST', CASE WHEN NEW.PRIPRAVNOST IS NOT NULL THEN json_array(NULL, NEW.PRIPRAVNOST) END,
        'placeno_odsustvo', CASE WHEN NEW.placeno_odsustvo IS NOT NULL THEN json_array(NULL, NEW.placeno_odsustvo) END, 'regres', CASE WHEN NEW.regres IS NOT NULL THEN json_array(NULL, NEW.regres / 10000.0) END,
        'topli_obrok', CASE WHEN NEW.topli_obrok IS NOT NULL THEN json_array(NULL, NEW.topli_obrok / 10000.0) END, 'prosecna_ocena_RU', CASE WHEN NEW.prosecna_ocena_RU IS NOT NULL THEN json_array(NULL, NEW.prosecna_ocena_RU) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_izmena AFTER UPDATE ON parametri BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'parametri', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'porez_zarade', CASE WHEN OLD.porez_zarade IS NOT NEW.porez_zarade THEN json_array(OLD.porez_zarade, NEW.porez_zarade) END, 'iznos_poreskog_oslobojenja', CASE WHEN OLD.iznos_poreskog_oslobojenja IS NOT NEW.iznos_poreskog_oslobojenja THEN json_array(OLD.iznos_poreskog_oslobojenja / 10000.0, NEW.iznos_poreskog_oslobojenja / 10000.0) END,
        'Doprinosi_PIO', CASE WHEN OLD.Doprinosi_PIO IS NOT NEW.Doprinosi_PIO THEN json_array(OLD.Doprinosi_PIO, NEW.Doprinosi_PIO) END, 'Doprinosi_zo', CASE WHEN OLD.Doprinosi_zo IS NOT NEW.Doprinosi_zo THEN json_array(OLD.Doprinosi_zo, NEW.Doprinosi_zo) END,
        'doprinosi_nezaposlenost', CASE WHEN OLD.doprinosi_nezaposlenost IS NOT NEW.doprinosi_nezaposlenost THEN json_array(OLD.doprinosi_nezaposlenost, NEW.doprinosi_nezaposlenost) END, 'Doprinosi_PIO_F', CASE WHEN OLD.Doprinosi_PIO_F IS NOT NEW.Doprinosi_PIO_F THEN json_array(OLD.Doprinosi_PIO_F, NEW.Doprinosi_PIO_F) END,
        'Doprinosi_zo_F', CASE WHEN OLD.Doprinosi_zo_F IS NOT NEW.Doprinosi_zo_F THEN json_array(OLD.Doprinosi_zo_F, NEW.Doprinosi_zo_F) END, 'doprinosi_nezaposlenost_f', CASE WHEN OLD.doprinosi_nezaposlenost_f IS NOT NEW.doprinosi_nezaposlenost_f THEN json_array(OLD.doprinosi_nezaposlenost_f, NEW.doprinosi_nezaposlenost_f) END,
        'doprinosi_ro', CASE WHEN OLD.doprinosi_ro IS NOT NEW.doprinosi_ro THEN json_array(OLD.doprinosi_ro, NEW.doprinosi_ro) END, 'doprinosi_ro2', CASE WHEN OLD.doprinosi_ro2 IS NOT NEW.doprinosi_ro2 THEN json_array(OLD.doprinosi_ro2, NEW.doprinosi_ro2) END,
        'doprinosi_ro3', CASE WHEN OLD.doprinosi_ro3 IS NOT NEW.doprinosi_ro3 THEN json_array(OLD.doprinosi_ro3, NEW.doprinosi_ro3) END, 'Naziv_doprinosi_ro', CASE WHEN OLD.Naziv_doprinosi_ro IS NOT NEW.Naziv_doprinosi_ro THEN json_array(OLD.Naziv_doprinosi_ro, NEW.Naziv_doprinosi_ro) END,
        'Naziv_doprinosi_ro2', CASE WHEN OLD.Naziv_doprinosi_ro2 IS NOT NEW.Naziv_doprinosi_ro2 THEN json_array(OLD.Naziv_doprinosi_ro2, NEW.Naziv_doprinosi_ro2) END, 'Naziv_doprinosi_ro3', CASE WHEN OLD.Naziv_doprinosi_ro3 IS NOT NEW.Naziv_doprinosi_ro3 THEN json_array(OLD.Naziv_doprinosi_ro3, NEW.Naziv_doprinosi_ro3) END,
        'Naziv_doprinosi_ro4', CASE WHEN OLD.Naziv_doprinosi_ro4 IS NOT NEW.Naziv_doprinosi_ro4 THEN json_array(OLD.Naziv_doprinosi_ro4, NEW.Naziv_doprinosi_ro4) END, 'minimalna_osnovica', CASE WHEN OLD.minimalna_osnovica IS NOT NEW.minimalna_osnovica THEN json_array(OLD.minimalna_osnovica / 10000.0, NEW.minimalna_osnovica / 10000.0) END,
        'maksimalna_osnovica', CASE WHEN OLD.maksimalna_osnovica IS NOT NEW.maksimalna_osnovica THEN json_array(OLD.maksimalna_osnovica / 10000.0, NEW.maksimalna_osnovica / 10000.0) END, 'minimalna_osnovna', CASE WHEN OLD.minimalna_osnovna IS NOT NEW.minimalna_osnovna THEN json_array(OLD.minimalna_osnovna / 10000.0, NEW.minimalna_osnovna / 10000.0) END,
        'cena_Rada', CASE WHEN OLD.cena_Rada IS NOT NEW.cena_Rada THEN json_array(OLD.cena_Rada / 10000.0, NEW.cena_Rada / 10000.0) END, 'cena_rada_pre_umanjenja', CASE WHEN OLD.cena_rada_pre_umanjenja IS NOT NEW.cena_rada_pre_umanjenja THEN json_array(OLD.cena_rada_pre_umanjenja / 10000.0, NEW.cena_rada_pre_umanjenja / 10000.0) END,
        'minuli_rad', CASE WHEN OLD.minuli_rad IS NOT NEW.minuli_rad THEN json_array(OLD.minuli_rad, NEW.minuli_rad) END, 'produzeni_rad', CASE WHEN OLD.produzeni_rad IS NOT NEW.produzeni_rad THEN json_array(OLD.produzeni_rad, NEW.produzeni_rad) END,
        'nocni_rad', CASE WHEN OLD.nocni_rad IS NOT NEW.nocni_rad THEN json_array(OLD.nocni_rad, NEW.nocni_rad) END, 'rad_na_praznik', CASE WHEN OLD.rad_na_praznik IS NOT NEW.rad_na_praznik THEN json_array(OLD.rad_na_praznik, NEW.rad_na_praznik) END,
        'rad_nedeljom', CASE WHEN OLD.rad_nedeljom IS NOT NEW.rad_nedeljom THEN json_array(OLD.rad_nedeljom, NEW.rad_nedeljom) END, 'rad_nedeljomstvarno', CASE WHEN OLD.rad_nedeljomstvarno IS NOT NEW.rad_nedeljomstvarno THEN json_array(OLD.rad_nedeljomstvarno, NEW.rad_nedeljomstvarno) END,
        'DEZURSTVO', CASE WHEN OLD.DEZURSTVO IS NOT NEW.DEZURSTVO THEN json_array(OLD.DEZURSTVO, NEW.DEZURSTVO) END, 'PRIPRAVNOST', CASE WHEN OLD.PRIPRAVNOST IS NOT NEW.PRIPRAVNOST THEN json_array(OLD.PRIPRAVNOST, NEW.PRIPRAVNOST) END,
        'placeno_odsustvo', CASE WHEN OLD.placeno_odsustvo IS NOT NEW.placeno_odsustvo THEN json_array(OLD.placeno_odsustvo, NEW.placeno_odsustvo) END, 'regres', CASE WHEN OLD.regres IS NOT NEW.regres THEN json_array(OLD.regres / 10000.0, NEW.regres / 10000.0) END,
        'topli_obrok', CASE WHEN OLD.topli_obrok IS NOT NEW.topli_obrok THEN json_array(OLD.topli_obrok / 10000.0, NEW.topli_obrok / 10000.0) END, 'prosecna_ocena_RU', CASE WHEN OLD.prosecna_ocena_RU IS NOT NEW.prosecna_ocena_RU THEN json_array(OLD.prosecna_ocena_RU, NEW.prosecna_ocena_RU) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_brisanje AFTER DELETE ON parametri BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'parametri', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'porez_zarade', CASE WHEN OLD.porez_zarade IS NOT NULL THEN json_array(OLD.porez_zarade, NULL) END, 'iznos_poreskog_oslobojenja', CASE WHEN OLD.iznos_poreskog_oslobojenja IS NOT NULL THEN json_array(OLD.iznos_poreskog_oslobojenja / 10000.0, NULL) END,
        'Doprinosi_PIO', CASE WHEN OLD.Doprinosi_PIO IS NOT NULL THEN json_array(OLD.Doprinosi_PIO, NULL) END, 'Doprinosi_zo', CASE WHEN OLD.Doprinosi_zo IS NOT NULL THEN json_array(OLD.Doprinosi_zo, NULL) END,
        'doprinosi_nezaposlenost', CASE WHEN OLD.doprinosi_nezaposlenost IS NOT NULL THEN json_array(OLD.doprinosi_nezaposlenost, NULL) END, 'Doprinosi_PIO_F', CASE WHEN OLD.Doprinosi_PIO_F IS NOT NULL THEN json_array(OLD.Doprinosi_PIO_F, NULL) END,
        'Doprinosi_zo_F', CASE WHEN OLD.Doprinosi_zo_F IS NOT NULL THEN json_array(OLD.Doprinosi_zo_F, NULL) END, 'doprinosi_nezaposlenost_f', CASE WHEN OLD.doprinosi_nezaposlenost_f IS NOT NULL THEN json_array(OLD.doprinosi_nezaposlenost_f, NULL) END,
        'doprinosi_ro', CASE WHEN OLD.doprinosi_ro IS NOT NULL THEN json_array(OLD.doprinosi_ro, NULL) END, 'doprinosi_ro2', CASE WHEN OLD.doprinosi_ro2 IS NOT NULL THEN json_array(OLD.doprinosi_ro2, NULL) END,
        'doprinosi_ro3', CASE WHEN OLD.doprinosi_ro3 IS NOT NULL THEN json_array(OLD.doprinosi_ro3, NULL) END, 'Naziv_doprinosi_ro', CASE WHEN OLD.Naziv_doprinosi_ro IS NOT NULL THEN json_array(OLD.Naziv_doprinosi_ro, NULL) END,
        'Naziv_doprinosi_ro2', CASE WHEN OLD.Naziv_doprinosi_ro2 IS NOT NULL THEN json_array(OLD.Naziv_doprinosi_ro2, NULL) END, 'Naziv_doprinosi_ro3', CASE WHEN OLD.Naziv_doprinosi_ro3 IS NOT NULL THEN json_array(OLD.Naziv_doprinosi_ro3, NULL) END,
        'Naziv_doprinosi_ro4', CASE WHEN OLD.Naziv_doprinosi_ro4 IS NOT NULL THEN json_array(OLD.Naziv_doprinosi_ro4, NULL) END, 'minimalna_osnovica', CASE WHEN OLD.minimalna_osnovica IS NOT NULL THEN json_array(OLD.minimalna_osnovica / 10000.0, NULL) END,
        'maksimalna_osnovica', CASE WHEN OLD.maksimalna_osnovica IS NOT NULL THEN json_array(OLD.maksimalna_osnovica / 10000.0, NULL) END, 'minimalna_osnovna', CASE WHEN OLD.minimalna_osnovna IS NOT NULL THEN json_array(OLD.minimalna_osnovna / 10000.0, NULL) END,
        'cena_Rada', CASE WHEN OLD.cena_Rada IS NOT NULL THEN json_array(OLD.cena_Rada / 10000.0, NULL) END, 'cena_rada_pre_umanjenja', CASE WHEN OLD.cena_rada_pre_umanjenja IS NOT NULL THEN json_array(OLD.cena_rada_pre_umanjenja / 10000.0, NULL) END,
        'minuli_rad', CASE WHEN OLD.minuli_rad IS NOT NULL THEN json_array(OLD.minuli_rad, NULL) END, 'produzeni_rad', CASE WHEN OLD.produzeni_rad IS NOT NULL THEN json_array(OLD.produzeni_rad, NULL) END,
        'nocni_rad', CASE WHEN OLD.nocni_rad IS NOT NULL THEN json_array(OLD.nocni_rad, NULL) END, 'rad_na_praznik', CASE WHEN OLD.rad_na_praznik IS NOT NULL THEN json_array(OLD.rad_na_praznik, NULL) END,
        'rad_nedeljom', CASE WHEN OLD.rad_nedeljom IS NOT NULL THEN json_array(OLD.rad_nedeljom, NULL) END, 'rad_nedeljomstvarno', CASE WHEN OLD.rad_nedeljomstvarno IS NOT NULL THEN json_array(OLD.rad_nedeljomstvarno, NULL) END,
        'DEZURSTVO', CASE WHEN OLD.DEZURSTVO IS NOT NULL THEN json_array(OLD.DEZURSTVO, NULL) END, 'PRIPRAVNOST', CASE WHEN OLD.PRIPRAVNOST IS NOT NULL THEN json_array(OLD.PRIPRAVNOST, NULL) END,
        'placeno_odsustvo', CASE WHEN OLD.placeno_odsustvo IS NOT NULL THEN json_array(OLD.placeno_odsustvo, NULL) END, 'regres', CASE WHEN OLD.regres IS NOT NULL THEN json_array(OLD.regres / 10000.0, NULL) END,
        'topli_obrok', CASE WHEN OLD.topli_obrok IS NOT NULL THEN json_array(OLD.topli_obrok / 10000.0, NULL) END, 'prosecna_ocena_RU', CASE WHEN OLD.prosecna_ocena_RU IS NOT NULL THEN json_array(OLD.prosecna_ocena_RU, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri2_unos AFTER INSERT ON parametri2 BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'parametri2', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_porez_na_plate', CASE WHEN NEW.racun_porez_na_plate IS NOT NULL THEN json_array(NULL, NEW.racun_porez_na_plate) END, 'racun_pio', CASE WHEN NEW.racun_pio IS NOT NULL THEN json_array(NULL, NEW.racun_pio) END,
        'racun_zo', CASE WHEN NEW.racun_zo IS NOT NULL THEN json_array(NULL, NEW.racun_zo) END, 'racun_nezaposlenost', CASE WHEN NEW.racun_nezaposlenost IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost) END,
        'racun_pio_firma', CASE WHEN NEW.racun_pio_firma IS NOT NULL THEN json_array(NULL, NEW.racun_pio_firma) END, 'racun_zo_firma', CASE WHEN NEW.racun_zo_firma IS NOT NULL THEN json_array(NULL, NEW.racun_zo_firma) END,
        'racun_nezaposlenost_firma', CASE WHEN NEW.racun_nezaposlenost_firma IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost_firma) END, 'racun_doprinosi_ro', CASE WHEN NEW.racun_doprinosi_ro IS NOT NULL THEN json_array(NULL, NEW.racun_doprinosi_ro) END,
        'poziv_na_broj_porez', CASE WHEN NEW.poziv_na_broj_porez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_porez) END, 'poziv_na_broj_pio', CASE WHEN NEW.poziv_na_broj_pio IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_pio) END,
        'poziv_na_broj_piof', CASE WHEN NEW.poziv_na_broj_piof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_piof) END, 'poziv_na_broj_zo', CASE WHEN NEW.poziv_na_broj_zo IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zo) END,
        'poziv_na_broj_zof', CASE WHEN NEW.poziv_na_broj_zof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zof) END, 'poziv_na_broj_nez', CASE WHEN NEW.poziv_na_broj_nez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nez) END,
        'poziv_na_broj_nezf', CASE WHEN NEW.poziv_na_broj_nezf IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nezf) END, 'poziv_na_broj_dro', CASE WHEN NEW.poziv_na_broj_dro IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_dro) END,
        'model_dro', CASE WHEN NEW.model_dro IS NOT NULL THEN json_array(NULL, NEW.model_dro) END, 'pozivzad_dro', CASE WHEN NEW.pozivzad_dro IS NOT NULL THEN json_array(NULL, NEW.pozivzad_dro) END,
        'sifra_dro', CASE WHEN NEW.sifra_dro IS NOT NULL THEN json_array(NULL, NEW.sifra_dro) END, 'racun_za_isplatu', CASE WHEN NEW.racun_za_isplatu IS NOT NULL THEN json_array(NULL, NEW.racun_za_isplatu) END,
        'racun_za_isplatu_bolovanje', CASE WHEN NEW.racun_za_isplatu_bolovanje IS NOT NULL THEN json_array(NULL, NEW.racun_za_isplatu_bolovanje) END, 'racun_za_isplatu_porodiljsko', CASE WHEN NEW.racun_za_isplatu_porodiljsko IS NOT NULL THEN json_array(NULL, NEW.racun_za_isplatu_porodiljsko) END,
        'poziv_zad_porodiljsko', CASE WHEN NEW.poziv_zad_porodiljsko IS NOT NULL THEN json_array(NULL, NEW.poziv_zad_porodiljsko) END, 'reg_broj_pio', CASE WHEN NEW.reg_broj_pio IS NOT NULL THEN json_array(NULL, NEW.reg_broj_pio) END,
        'opstina', CASE WHEN NEW.opstina IS NOT NULL THEN json_array(NULL, NEW.opstina) END, 'sifra_porez', CASE WHEN NEW.sifra_porez IS NOT NULL THEN json_array(NULL, NEW.sifra_porez) END,
        'pozivZad_porez', CASE WHEN NEW.pozivZad_porez IS NOT NULL THEN json_array(NULL, NEW.pozivZad_porez) END, 'model_porez', CASE WHEN NEW.model_porez IS NOT NULL THEN json_array(NULL, NEW.model_porez) END,
        'sifra_pio', CASE WHEN NEW.sifra_pio IS NOT NULL THEN json_array(NULL, NEW.sifra_pio) END, 'pozivZad_pio', CASE WHEN NEW.pozivZad_pio IS NOT NULL THEN json_array(NULL, NEW.pozivZad_pio) END,
        'model_pio', CASE WHEN NEW.model_pio IS NOT NULL THEN json_array(NULL, NEW.model_pio) END, 'sifra_zo', CASE WHEN NEW.sifra_zo IS NOT NULL THEN json_array(NULL, NEW.sifra_zo) END,
        'pozivZad_zo', CASE WHEN NEW.pozivZad_zo IS NOT NULL THEN json_array(NULL, NEW.pozivZad_zo) END, 'model_zo', CASE WHEN NEW.model_zo IS NOT NULL THEN json_array(NULL, NEW.model_zo) END,
        'sifra_nez', CASE WHEN NEW.sifra_nez IS NOT NULL THEN json_array(NULL, NEW.sifra_nez) END, 'pozivZad_nez', CASE WHEN NEW.pozivZad_nez IS NOT NULL THEN json_array(NULL, NEW.pozivZad_nez) END,
        'model_nez', CASE WHEN NEW.model_nez IS NOT NULL THEN json_array(NULL, NEW.model_nez) END, 'sifra_piof', CASE WHEN NEW.sifra_piof IS NOT NULL THEN json_array(NULL, NEW.sifra_piof) END,
        'pozivZad_piof', CASE WHEN NEW.pozivZad_piof IS NOT NULL THEN json_array(NULL, NEW.pozivZad_piof) END, 'model_piof', CASE WHEN NEW.model_piof IS NOT NULL THEN json_array(NULL, NEW.model_piof) END,
        'sifra_zof', CASE WHEN NEW.sifra_zof IS NOT NULL THEN json_array(NULL, NEW.sifra_zof) END, 'pozivZad_zof', CASE WHEN NEW.pozivZad_zof IS NOT NULL THEN json_array(NULL, NEW.pozivZad_zof) END,
        'model_zof', CASE WHEN NEW.model_zof IS NOT NULL THEN json_array(NULL, NEW.model_zof) END, 'sifra_nezf', CASE WHEN NEW.sifra_nezf IS NOT NULL THEN json_array(NULL, NEW.sifra_nezf) END,
        'pozivZad_nezf', CASE WHEN NEW.pozivZad_nezf IS NOT NULL THEN json_array(NULL, NEW.pozivZad_nezf) END, 'model_nezf', CASE WHEN NEW.model_nezf IS NOT NULL THEN json_array(NULL, NEW.model_nezf) END,
        'poziv_na_broj_banke', CASE WHEN NEW.poziv_na_broj_banke IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_banke) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri2_izmena AFTER UPDATE ON parametri2 BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'parametri2', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NEW.racun_porez_na_plate THEN json_array(OLD.racun_porez_na_plate, NEW.racun_porez_na_plate) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NEW.racun_pio THEN json_array(OLD.racun_pio, NEW.racun_pio) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NEW.racun_zo THEN json_array(OLD.racun_zo, NEW.racun_zo) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NEW.racun_nezaposlenost THEN json_array(OLD.racun_nezaposlenost, NEW.racun_nezaposlenost) END,
        'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NEW.racun_pio_firma THEN json_array(OLD.racun_pio_firma, NEW.racun_pio_firma) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NEW.racun_zo_firma THEN json_array(OLD.racun_zo_firma, NEW.racun_zo_firma) END,
        'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NEW.racun_nezaposlenost_firma THEN json_array(OLD.racun_nezaposlenost_firma, NEW.racun_nezaposlenost_firma) END, 'racun_doprinosi_ro', CASE WHEN OLD.racun_doprinosi_ro IS NOT NEW.racun_doprinosi_ro THEN json_array(OLD.racun_doprinosi_ro, NEW.racun_doprinosi_ro) END,
        'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NEW.poziv_na_broj_porez THEN json_array(OLD.poziv_na_broj_porez, NEW.poziv_na_broj_porez) END, 'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NEW.poziv_na_broj_pio THEN json_array(OLD.poziv_na_broj_pio, NEW.poziv_na_broj_pio) END,
        'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NEW.poziv_na_broj_piof THEN json_array(OLD.poziv_na_broj_piof, NEW.poziv_na_broj_piof) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NEW.poziv_na_broj_zo THEN json_array(OLD.poziv_na_broj_zo, NEW.poziv_na_broj_zo) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NEW.poziv_na_broj_zof THEN json_array(OLD.poziv_na_broj_zof, NEW.poziv_na_broj_zof) END, 'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NEW.poziv_na_broj_nez THEN json_array(OLD.poziv_na_broj_nez, NEW.poziv_na_broj_nez) END,
        'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NEW.poziv_na_broj_nezf THEN json_array(OLD.poziv_na_broj_nezf, NEW.poziv_na_broj_nezf) END, 'poziv_na_broj_dro', CASE WHEN OLD.poziv_na_broj_dro IS NOT NEW.poziv_na_broj_dro THEN json_array(OLD.poziv_na_broj_dro, NEW.poziv_na_broj_dro) END,
        'model_dro', CASE WHEN OLD.model_dro IS NOT NEW.model_dro THEN json_array(OLD.model_dro, NEW.model_dro) END, 'pozivzad_dro', CASE WHEN OLD.pozivzad_dro IS NOT NEW.pozivzad_dro THEN json_array(OLD.pozivzad_dro, NEW.pozivzad_dro) END,
        'sifra_dro', CASE WHEN OLD.sifra_dro IS NOT NEW.sifra_dro THEN json_array(OLD.sifra_dro, NEW.sifra_dro) END, 'racun_za_isplatu', CASE WHEN OLD.racun_za_isplatu IS NOT NEW.racun_za_isplatu THEN json_array(OLD.racun_za_isplatu, NEW.racun_za_isplatu) END,
        'racun_za_isplatu_bolovanje', CASE WHEN OLD.racun_za_isplatu_bolovanje IS NOT NEW.racun_za_isplatu_bolovanje THEN json_array(OLD.racun_za_isplatu_bolovanje, NEW.racun_za_isplatu_bolovanje) END, 'racun_za_isplatu_porodiljsko', CASE WHEN OLD.racun_za_isplatu_porodiljsko IS NOT NEW.racun_za_isplatu_porodiljsko THEN json_array(OLD.racun_za_isplatu_porodiljsko, NEW.racun_za_isplatu_porodiljsko) END,
        'poziv_zad_porodiljsko', CASE WHEN OLD.poziv_zad_porodiljsko IS NOT NEW.poziv_zad_porodiljsko THEN json_array(OLD.poziv_zad_porodiljsko, NEW.poziv_zad_porodiljsko) END, 'reg_broj_pio', CASE WHEN OLD.reg_broj_pio IS NOT NEW.reg_broj_pio THEN json_array(OLD.reg_broj_pio, NEW.reg_broj_pio) END,
        'opstina', CASE WHEN OLD.opstina IS NOT NEW.opstina THEN json_array(OLD.opstina, NEW.opstina) END, 'sifra_porez', CASE WHEN OLD.sifra_porez IS NOT NEW.sifra_porez THEN json_array(OLD.sifra_porez, NEW.sifra_porez) END,
        'pozivZad_porez', CASE WHEN OLD.pozivZad_porez IS NOT NEW.pozivZad_porez THEN json_array(OLD.pozivZad_porez, NEW.pozivZad_porez) END, 'model_porez', CASE WHEN OLD.model_porez IS NOT NEW.model_porez THEN json_array(OLD.model_porez, NEW.model_porez) END,
        'sifra_pio', CASE WHEN OLD.sifra_pio IS NOT NEW.sifra_pio THEN json_array(OLD.sifra_pio, NEW.sifra_pio) END, 'pozivZad_pio', CASE WHEN OLD.pozivZad_pio IS NOT NEW.pozivZad_pio THEN json_array(OLD.pozivZad_pio, NEW.pozivZad_pio) END,
        'model_pio', CASE WHEN OLD.model_pio IS NOT NEW.model_pio THEN json_array(OLD.model_pio, NEW.model_pio) END, 'sifra_zo', CASE WHEN OLD.sifra_zo IS NOT NEW.sifra_zo THEN json_array(OLD.sifra_zo, NEW.sifra_zo) END,
        'pozivZad_zo', CASE WHEN OLD.pozivZad_zo IS NOT NEW.pozivZad_zo THEN json_array(OLD.pozivZad_zo, NEW.pozivZad_zo) END, 'model_zo', CASE WHEN OLD.model_zo IS NOT NEW.model_zo THEN json_array(OLD.model_zo, NEW.model_zo) END,
        'sifra_nez', CASE WHEN OLD.sifra_nez IS NOT NEW.sifra_nez THEN json_array(OLD.sifra_nez, NEW.sifra_nez) END, 'pozivZad_nez', CASE WHEN OLD.pozivZad_nez IS NOT NEW.pozivZad_nez THEN json_array(OLD.pozivZad_nez, NEW.pozivZad_nez) END,
        'model_nez', CASE WHEN OLD.model_nez IS NOT NEW.model_nez THEN json_array(OLD.model_nez, NEW.model_nez) END, 'sifra_piof', CASE WHEN OLD.sifra_piof IS NOT NEW.sifra_piof THEN json_array(OLD.sifra_piof, NEW.sifra_piof) END,
        'pozivZad_piof', CASE WHEN OLD.pozivZad_piof IS NOT NEW.pozivZad_piof THEN json_array(OLD.pozivZad_piof, NEW.pozivZad_piof) END, 'model_piof', CASE WHEN OLD.model_piof IS NOT NEW.model_piof THEN json_array(OLD.model_piof, NEW.model_piof) END,
        'sifra_zof', CASE WHEN OLD.sifra_zof IS NOT NEW.sifra_zof THEN json_array(OLD.sifra_zof, NEW.sifra_zof) END, 'pozivZad_zof', CASE WHEN OLD.pozivZad_zof IS NOT NEW.pozivZad_zof THEN json_array(OLD.pozivZad_zof, NEW.pozivZad_zof) END,
        'model_zof', CASE WHEN OLD.model_zof IS NOT NEW.model_zof THEN json_array(OLD.model_zof, NEW.model_zof) END, 'sifra_nezf', CASE WHEN OLD.sifra_nezf IS NOT NEW.sifra_nezf THEN json_array(OLD.sifra_nezf, NEW.sifra_nezf) END,
        'pozivZad_nezf', CASE WHEN OLD.pozivZad_nezf IS NOT NEW.pozivZad_nezf THEN json_array(OLD.pozivZad_nezf, NEW.pozivZad_nezf) END, 'model_nezf', CASE WHEN OLD.model_nezf IS NOT NEW.model_nezf THEN json_array(OLD.model_nezf, NEW.model_nezf) END,
        'poziv_na_broj_banke', CASE WHEN OLD.poziv_na_broj_banke IS NOT NEW.poziv_na_broj_banke THEN json_array(OLD.poziv_na_broj_banke, NEW.poziv_na_broj_banke) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri2_brisanje AFTER DELETE ON parametri2 BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'parametri2', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NULL THEN json_array(OLD.racun_porez_na_plate, NULL) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NULL THEN json_array(OLD.racun_pio, NULL) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NULL THEN json_array(OLD.racun_zo, NULL) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NULL THEN json_array(OLD.racun_nezaposlenost, NULL) END,
        'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NULL THEN json_array(OLD.racun_pio_firma, NULL) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NULL THEN json_array(OLD.racun_zo_firma, NULL) END,
        'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NULL THEN json_array(OLD.racun_nezaposlenost_firma, NULL) END, 'racun_doprinosi_ro', CASE WHEN OLD.racun_doprinosi_ro IS NOT NULL THEN json_array(OLD.racun_doprinosi_ro, NULL) END,
        'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NULL THEN json_array(OLD.poziv_na_broj_porez, NULL) END, 'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NULL THEN json_array(OLD.poziv_na_broj_pio, NULL) END,
        'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NULL THEN json_array(OLD.poziv_na_broj_piof, NULL) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NULL THEN json_array(OLD.poziv_na_broj_zo, NULL) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NULL THEN json_array(OLD.poziv_na_broj_zof, NULL) END, 'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NULL THEN json_array(OLD.poziv_na_broj_nez, NULL) END,
        'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NULL THEN json_array(OLD.poziv_na_broj_nezf, NULL) END, 'poziv_na_broj_dro', CASE WHEN OLD.poziv_na_broj_dro IS NOT NULL THEN json_array(OLD.poziv_na_broj_dro, NULL) END,
        'model_dro', CASE WHEN OLD.model_dro IS NOT NULL THEN json_array(OLD.model_dro, NULL) END, 'pozivzad_dro', CASE WHEN OLD.pozivzad_dro IS NOT NULL THEN json_array(OLD.pozivzad_dro, NULL) END,
        'sifra_dro', CASE WHEN OLD.sifra_dro IS NOT NULL THEN json_array(OLD.sifra_dro, NULL) END, 'racun_za_isplatu', CASE WHEN OLD.racun_za_isplatu IS NOT NULL THEN json_array(OLD.racun_za_isplatu, NULL) END,
        'racun_za_isplatu_bolovanje', CASE WHEN OLD.racun_za_isplatu_bolovanje IS NOT NULL THEN json_array(OLD.racun_za_isplatu_bolovanje, NULL) END, 'racun_za_isplatu_porodiljsko', CASE WHEN OLD.racun_za_isplatu_porodiljsko IS NOT NULL THEN json_array(OLD.racun_za_isplatu_porodiljsko, NULL) END,
        'poziv_zad_porodiljsko', CASE WHEN OLD.poziv_zad_porodiljsko IS NOT NULL THEN json_array(OLD.poziv_zad_porodiljsko, NULL) END, 'reg_broj_pio', CASE WHEN OLD.reg_broj_pio IS NOT NULL THEN json_array(OLD.reg_broj_pio, NULL) END,
        'opstina', CASE WHEN OLD.opstina IS NOT NULL THEN json_array(OLD.opstina, NULL) END, 'sifra_porez', CASE WHEN OLD.sifra_porez IS NOT NULL THEN json_array(OLD.sifra_porez, NULL) END,
        'pozivZad_porez', CASE WHEN OLD.pozivZad_porez IS NOT NULL THEN json_array(OLD.pozivZad_porez, NULL) END, 'model_porez', CASE WHEN OLD.model_porez IS NOT NULL THEN json_array(OLD.model_porez, NULL) END,
        'sifra_pio', CASE WHEN OLD.sifra_pio IS NOT NULL THEN json_array(OLD.sifra_pio, NULL) END, 'pozivZad_pio', CASE WHEN OLD.pozivZad_pio IS NOT NULL THEN json_array(OLD.pozivZad_pio, NULL) END,
        'model_pio', CASE WHEN OLD.model_pio IS NOT NULL THEN json_array(OLD.model_pio, NULL) END, 'sifra_zo', CASE WHEN OLD.sifra_zo IS NOT NULL THEN json_array(OLD.sifra_zo, NULL) END,
        'pozivZad_zo', CASE WHEN OLD.pozivZad_zo IS NOT NULL THEN json_array(OLD.pozivZad_zo, NULL) END, 'model_zo', CASE WHEN OLD.model_zo IS NOT NULL THEN json_array(OLD.model_zo, NULL) END,
        'sifra_nez', CASE WHEN OLD.sifra_nez IS NOT NULL THEN json_array(OLD.sifra_nez, NULL) END, 'pozivZad_nez', CASE WHEN OLD.pozivZad_nez IS NOT NULL THEN json_array(OLD.pozivZad_nez, NULL) END,
        'model_nez', CASE WHEN OLD.model_nez IS NOT NULL THEN json_array(OLD.model_nez, NULL) END, 'sifra_piof', CASE WHEN OLD.sifra_piof IS NOT NULL THEN json_array(OLD.sifra_piof, NULL) END,
        'pozivZad_piof', CASE WHEN OLD.pozivZad_piof IS NOT NULL THEN json_array(OLD.pozivZad_piof, NULL) END, 'model_piof', CASE WHEN OLD.model_piof IS NOT NULL THEN json_array(OLD.model_piof, NULL) END,
        'sifra_zof', CASE WHEN OLD.sifra_zof IS NOT NULL THEN json_array(OLD.sifra_zof, NULL) END, 'pozivZad_zof', CASE WHEN OLD.pozivZad_zof IS NOT NULL THEN json_array(OLD.pozivZad_zof, NULL) END,
        'model_zof', CASE WHEN OLD.model_zof IS NOT NULL THEN json_array(OLD.model_zof, NULL) END, 'sifra_nezf', CASE WHEN OLD.sifra_nezf IS NOT NULL THEN json_array(OLD.sifra_nezf, NULL) END,
        'pozivZad_nezf', CASE WHEN OLD.pozivZad_nezf IS NOT NULL THEN json_array(OLD.pozivZad_nezf, NULL) END, 'model_nezf', CASE WHEN OLD.model_nezf IS NOT NULL THEN json_array(OLD.model_nezf, NULL) END,
        'poziv_na_broj_banke', CASE WHEN OLD.poziv_na_broj_banke IS NOT NULL THEN json_array(OLD.poziv_na_broj_banke, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri3_unos AFTER INSERT ON parametri3 BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'parametri3', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_jedinstvena_uplata', CASE WHEN NEW.racun_jedinstvena_uplata IS NOT NULL THEN json_array(NULL, NEW.racun_jedinstvena_uplata) END, 'intesa_klijent', CASE WHEN NEW.intesa_klijent IS NOT NULL THEN json_array(NULL, NEW.intesa_klijent) END,
        'jibk', CASE WHEN NEW.jibk IS NOT NULL THEN json_array(NULL, NEW.jibk) END, 'poziv_na_broj_krediti', CASE WHEN NEW.poziv_na_broj_krediti IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_krediti) END,
        'poziv_na_broj_budzet', CASE WHEN NEW.poziv_na_broj_budzet IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_budzet) END, 'racun_umanjenja', CASE WHEN NEW.racun_umanjenja IS NOT NULL THEN json_array(NULL, NEW.racun_umanjenja) END,
        'poziv_umanjenja', CASE WHEN NEW.poziv_umanjenja IS NOT NULL THEN json_array(NULL, NEW.poziv_umanjenja) END, 'mesto_placanja', CASE WHEN NEW.mesto_placanja IS NOT NULL THEN json_array(NULL, NEW.mesto_placanja) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri3_izmena AFTER UPDATE ON parametri3 BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'parametri3', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_jedinstvena_uplata', CASE WHEN OLD.racun_jedinstvena_uplata IS NOT NEW.racun_jedinstvena_uplata THEN json_array(OLD.racun_jedinstvena_uplata, NEW.racun_jedinstvena_uplata) END, 'intesa_klijent', CASE WHEN OLD.intesa_klijent IS NOT NEW.intesa_klijent THEN json_array(OLD.intesa_klijent, NEW.intesa_klijent) END,
        'jibk', CASE WHEN OLD.jibk IS NOT NEW.jibk THEN json_array(OLD.jibk, NEW.jibk) END, 'poziv_na_broj_krediti', CASE WHEN OLD.poziv_na_broj_krediti IS NOT NEW.poziv_na_broj_krediti THEN json_array(OLD.poziv_na_broj_krediti, NEW.poziv_na_broj_krediti) END,
        'poziv_na_broj_budzet', CASE WHEN OLD.poziv_na_broj_budzet IS NOT NEW.poziv_na_broj_budzet THEN json_array(OLD.poziv_na_broj_budzet, NEW.poziv_na_broj_budzet) END, 'racun_umanjenja', CASE WHEN OLD.racun_umanjenja IS NOT NEW.racun_umanjenja THEN json_array(OLD.racun_umanjenja, NEW.racun_umanjenja) END,
        'poziv_umanjenja', CASE WHEN OLD.poziv_umanjenja IS NOT NEW.poziv_umanjenja THEN json_array(OLD.poziv_umanjenja, NEW.poziv_umanjenja) END, 'mesto_placanja', CASE WHEN OLD.mesto_placanja IS NOT NEW.mesto_placanja THEN json_array(OLD.mesto_placanja, NEW.mesto_placanja) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri3_brisanje AFTER DELETE ON parametri3 BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'parametri3', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_jedinstvena_uplata', CASE WHEN OLD.racun_jedinstvena_uplata IS NOT NULL THEN json_array(OLD.racun_jedinstvena_uplata, NULL) END, 'intesa_klijent', CASE WHEN OLD.intesa_klijent IS NOT NULL THEN json_array(OLD.intesa_klijent, NULL) END,
        'jibk', CASE WHEN OLD.jibk IS NOT NULL THEN json_array(OLD.jibk, NULL) END, 'poziv_na_broj_krediti', CASE WHEN OLD.poziv_na_broj_krediti IS NOT NULL THEN json_array(OLD.poziv_na_broj_krediti, NULL) END,
        'poziv_na_broj_budzet', CASE WHEN OLD.poziv_na_broj_budzet IS NOT NULL THEN json_array(OLD.poziv_na_broj_budzet, NULL) END, 'racun_umanjenja', CASE WHEN OLD.racun_umanjenja IS NOT NULL THEN json_array(OLD.racun_umanjenja, NULL) END,
        'poziv_umanjenja', CASE WHEN OLD.poziv_umanjenja IS NOT NULL THEN json_array(OLD.poziv_umanjenja, NULL) END, 'mesto_placanja', CASE WHEN OLD.mesto_placanja IS NOT NULL THEN json_array(OLD.mesto_placanja, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_vlasnik_unos AFTER INSERT ON parametri_vlasnik BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'parametri_vlasnik', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'porez_zarade', CASE WHEN NEW.porez_zarade IS NOT NULL THEN json_array(NULL, NEW.porez_zarade) END, 'Doprinosi_PIO', CASE WHEN NEW.Doprinosi_PIO IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_PIO) END,
        'Doprinosi_zo', CASE WHEN NEW.Doprinosi_zo IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_zo) END, 'doprinosi_nezaposlenost', CASE WHEN NEW.doprinosi_nezaposlenost IS NOT NULL THEN json_array(NULL, NEW.doprinosi_nezaposlenost) END,
        'iznos_poreskog_oslobojenja', CASE WHEN NEW.iznos_poreskog_oslobojenja IS NOT NULL THEN json_array(NULL, NEW.iznos_poreskog_oslobojenja / 10000.0) END, 'najniza_osnovica', CASE WHEN NEW.najniza_osnovica IS NOT NULL THEN json_array(NULL, NEW.najniza_osnovica / 10000.0) END,
        'najvisa_osnovica', CASE WHEN NEW.najvisa_osnovica IS NOT NULL THEN json_array(NULL, NEW.najvisa_osnovica / 10000.0) END, 'racun_pio', CASE WHEN NEW.racun_pio IS NOT NULL THEN json_array(NULL, NEW.racun_pio) END,
        'racun_zo', CASE WHEN NEW.racun_zo IS NOT NULL THEN json_array(NULL, NEW.racun_zo) END, 'racun_nezaposlenost', CASE WHEN NEW.racun_nezaposlenost IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost) END,
        'racun_porez_na_plate', CASE WHEN NEW.racun_porez_na_plate IS NOT NULL THEN json_array(NULL, NEW.racun_porez_na_plate) END, 'poziv_na_broj_porez', CASE WHEN NEW.poziv_na_broj_porez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_porez) END,
        'poziv_na_broj_pio', CASE WHEN NEW.poziv_na_broj_pio IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_pio) END, 'poziv_na_broj_zo', CASE WHEN NEW.poziv_na_broj_zo IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zo) END,
        'poziv_na_broj_nez', CASE WHEN NEW.poziv_na_broj_nez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nez) END, 'racun_pio_firma', CASE WHEN NEW.racun_pio_firma IS NOT NULL THEN json_array(NULL, NEW.racun_pio_firma) END,
        'poziv_na_broj_piof', CASE WHEN NEW.poziv_na_broj_piof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_piof) END, 'racun_zo_firma', CASE WHEN NEW.racun_zo_firma IS NOT NULL THEN json_array(NULL, NEW.racun_zo_firma) END,
        'poziv_na_broj_zof', CASE WHEN NEW.poziv_na_broj_zof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zof) END, 'racun_nezaposlenost_firma', CASE WHEN NEW.racun_nezaposlenost_firma IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost_firma) END,
        'poziv_na_broj_nezf', CASE WHEN NEW.poziv_na_broj_nezf IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nezf) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_vlasnik_izmena AFTER UPDATE ON parametri_vlasnik BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'parametri_vlasnik', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'porez_zarade', CASE WHEN OLD.porez_zarade IS NOT NEW.porez_zarade THEN json_array(OLD.porez_zarade, NEW.porez_zarade) END, 'Doprinosi_PIO', CASE WHEN OLD.Doprinosi_PIO IS NOT NEW.Doprinosi_PIO THEN json_array(OLD.Doprinosi_PIO, NEW.Doprinosi_PIO) END,
        'Doprinosi_zo', CASE WHEN OLD.Doprinosi_zo IS NOT NEW.Doprinosi_zo THEN json_array(OLD.Doprinosi_zo, NEW.Doprinosi_zo) END, 'doprinosi_nezaposlenost', CASE WHEN OLD.doprinosi_nezaposlenost IS NOT NEW.doprinosi_nezaposlenost THEN json_array(OLD.doprinosi_nezaposlenost, NEW.doprinosi_nezaposlenost) END,
        'iznos_poreskog_oslobojenja', CASE WHEN OLD.iznos_poreskog_oslobojenja IS NOT NEW.iznos_poreskog_oslobojenja THEN json_array(OLD.iznos_poreskog_oslobojenja / 10000.0, NEW.iznos_poreskog_oslobojenja / 10000.0) END, 'najniza_osnovica', CASE WHEN OLD.najniza_osnovica IS NOT NEW.najniza_osnovica THEN json_array(OLD.najniza_osnovica / 10000.0, NEW.najniza_osnovica / 10000.0) END,
        'najvisa_osnovica', CASE WHEN OLD.najvisa_osnovica IS NOT NEW.najvisa_osnovica THEN json_array(OLD.najvisa_osnovica / 10000.0, NEW.najvisa_osnovica / 10000.0) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NEW.racun_pio THEN json_array(OLD.racun_pio, NEW.racun_pio) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NEW.racun_zo THEN json_array(OLD.racun_zo, NEW.racun_zo) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NEW.racun_nezaposlenost THEN json_array(OLD.racun_nezaposlenost, NEW.racun_nezaposlenost) END,
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NEW.racun_porez_na_plate THEN json_array(OLD.racun_porez_na_plate, NEW.racun_porez_na_plate) END, 'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NEW.poziv_na_broj_porez THEN json_array(OLD.poziv_na_broj_porez, NEW.poziv_na_broj_porez) END,
        'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NEW.poziv_na_broj_pio THEN json_array(OLD.poziv_na_broj_pio, NEW.poziv_na_broj_pio) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NEW.poziv_na_broj_zo THEN json_array(OLD.poziv_na_broj_zo, NEW.poziv_na_broj_zo) END,
        'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NEW.poziv_na_broj_nez THEN json_array(OLD.poziv_na_broj_nez, NEW.poziv_na_broj_nez) END, 'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NEW.racun_pio_firma THEN json_array(OLD.racun_pio_firma, NEW.racun_pio_firma) END,
        'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NEW.poziv_na_broj_piof THEN json_array(OLD.poziv_na_broj_piof, NEW.poziv_na_broj_piof) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NEW.racun_zo_firma THEN json_array(OLD.racun_zo_firma, NEW.racun_zo_firma) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NEW.poziv_na_broj_zof THEN json_array(OLD.poziv_na_broj_zof, NEW.poziv_na_broj_zof) END, 'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NEW.racun_nezaposlenost_firma THEN json_array(OLD.racun_nezaposlenost_firma, NEW.racun_nezaposlenost_firma) END,
        'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NEW.poziv_na_broj_nezf THEN json_array(OLD.poziv_na_broj_nezf, NEW.poziv_na_broj_nezf) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_vlasnik_brisanje AFTER DELETE ON parametri_vlasnik BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'parametri_vlasnik', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'porez_zarade', CASE WHEN OLD.porez_zarade IS NOT NULL THEN json_array(OLD.porez_zarade, NULL) END, 'Doprinosi_PIO', CASE WHEN OLD.Doprinosi_PIO IS NOT NULL THEN json_array(OLD.Doprinosi_PIO, NULL) END,
        'Doprinosi_zo', CASE WHEN OLD.Doprinosi_zo IS NOT NULL THEN json_array(OLD.Doprinosi_zo, NULL) END, 'doprinosi_nezaposlenost', CASE WHEN OLD.doprinosi_nezaposlenost IS NOT NULL THEN json_array(OLD.doprinosi_nezaposlenost, NULL) END,
        'iznos_poreskog_oslobojenja', CASE WHEN OLD.iznos_poreskog_oslobojenja IS NOT NULL THEN json_array(OLD.iznos_poreskog_oslobojenja / 10000.0, NULL) END, 'najniza_osnovica', CASE WHEN OLD.najniza_osnovica IS NOT NULL THEN json_array(OLD.najniza_osnovica / 10000.0, NULL) END,
        'najvisa_osnovica', CASE WHEN OLD.najvisa_osnovica IS NOT NULL THEN json_array(OLD.najvisa_osnovica / 10000.0, NULL) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NULL THEN json_array(OLD.racun_pio, NULL) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NULL THEN json_array(OLD.racun_zo, NULL) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NULL THEN json_array(OLD.racun_nezaposlenost, NULL) END,
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NULL THEN json_array(OLD.racun_porez_na_plate, NULL) END, 'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NULL THEN json_array(OLD.poziv_na_broj_porez, NULL) END,
        'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NULL THEN json_array(OLD.poziv_na_broj_pio, NULL) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NULL THEN json_array(OLD.poziv_na_broj_zo, NULL) END,
        'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NULL THEN json_array(OLD.poziv_na_broj_nez, NULL) END, 'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NULL THEN json_array(OLD.racun_pio_firma, NULL) END,
        'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NULL THEN json_array(OLD.poziv_na_broj_piof, NULL) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NULL THEN json_array(OLD.racun_zo_firma, NULL) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NULL THEN json_array(OLD.poziv_na_broj_zof, NULL) END, 'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NULL THEN json_array(OLD.racun_nezaposlenost_firma, NULL) END,
        'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NULL THEN json_array(OLD.poziv_na_broj_nezf, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_porodilje_unos AFTER INSERT ON parametri_porodilje BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'parametri_porodilje', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN NEW.racun_za_isplatu IS NOT NULL THEN json_array(NULL, NEW.racun_za_isplatu) END, 'sifra_porez', CASE WHEN NEW.sifra_porez IS NOT NULL THEN json_array(NULL, NEW.sifra_porez) END,
        'racun_porez_na_plate', CASE WHEN NEW.racun_porez_na_plate IS NOT NULL THEN json_array(NULL, NEW.racun_porez_na_plate) END, 'poziv_na_broj_porez', CASE WHEN NEW.poziv_na_broj_porez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_porez) END,
        'pozivZad_porez', CASE WHEN NEW.pozivZad_porez IS NOT NULL THEN json_array(NULL, NEW.pozivZad_porez) END, 'model_porez', CASE WHEN NEW.model_porez IS NOT NULL THEN json_array(NULL, NEW.model_porez) END,
        'sifra_pio', CASE WHEN NEW.sifra_pio IS NOT NULL THEN json_array(NULL, NEW.sifra_pio) END, 'racun_pio', CASE WHEN NEW.racun_pio IS NOT NULL THEN json_array(NULL, NEW.racun_pio) END,
        'poziv_na_broj_pio', CASE WHEN NEW.poziv_na_broj_pio IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_pio) END, 'pozivZad_pio', CASE WHEN NEW.pozivZad_pio IS NOT NULL THEN json_array(NULL, NEW.pozivZad_pio) END,
        'model_pio', CASE WHEN NEW.model_pio IS NOT NULL THEN json_array(NULL, NEW.model_pio) END, 'sifra_zo', CASE WHEN NEW.sifra_zo IS NOT NULL THEN json_array(NULL, NEW.sifra_zo) END,
        'racun_zo', CASE WHEN NEW.racun_zo IS NOT NULL THEN json_array(NULL, NEW.racun_zo) END, 'poziv_na_broj_zo', CASE WHEN NEW.poziv_na_broj_zo IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zo) END,
        'pozivZad_zo', CASE WHEN NEW.pozivZad_zo IS NOT NULL THEN json_array(NULL, NEW.pozivZad_zo) END, 'model_zo', CASE WHEN NEW.model_zo IS NOT NULL THEN json_array(NULL, NEW.model_zo) END,
        'sifra_nez', CASE WHEN NEW.sifra_nez IS NOT NULL THEN json_array(NULL, NEW.sifra_nez) END, 'racun_nezaposlenost', CASE WHEN NEW.racun_nezaposlenost IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost) END,
        'poziv_na_broj_nez', CASE WHEN NEW.poziv_na_broj_nez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nez) END, 'pozivZad_nez', CASE WHEN NEW.pozivZad_nez IS NOT NULL THEN json_array(NULL, NEW.pozivZad_nez) END,
        'model_nez', CASE WHEN NEW.model_nez IS NOT NULL THEN json_array(NULL, NEW.model_nez) END, 'sifra_piof', CASE WHEN NEW.sifra_piof IS NOT NULL THEN json_array(NULL, NEW.sifra_piof) END,
        'racun_pio_firma', CASE WHEN NEW.racun_pio_firma IS NOT NULL THEN json_array(NULL, NEW.racun_pio_firma) END, 'poziv_na_broj_piof', CASE WHEN NEW.poziv_na_broj_piof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_piof) END,
        'pozivZad_piof', CASE WHEN NEW.pozivZad_piof IS NOT NULL THEN json_array(NULL, NEW.pozivZad_piof) END, 'model_piof', CASE WHEN NEW.model_piof IS NOT NULL THEN json_array(NULL, NEW.model_piof) END,
        'sifra_zof', CASE WHEN NEW.sifra_zof IS NOT NULL THEN json_array(NULL, NEW.sifra_zof) END, 'racun_zo_firma', CASE WHEN NEW.racun_zo_firma IS NOT NULL THEN json_array(NULL, NEW.racun_zo_firma) END,
        'poziv_na_broj_zof', CASE WHEN NEW.poziv_na_broj_zof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zof) END, 'pozivZad_zof', CASE WHEN NEW.pozivZad_zof IS NOT NULL THEN json_array(NULL, NEW.pozivZad_zof) END,
        'model_zof', CASE WHEN NEW.model_zof IS NOT NULL THEN json_array(NULL, NEW.model_zof) END, 'sifra_nezf', CASE WHEN NEW.sifra_nezf IS NOT NULL THEN json_array(NULL, NEW.sifra_nezf) END,
        'racun_nezaposlenost_firma', CASE WHEN NEW.racun_nezaposlenost_firma IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost_firma) END, 'poziv_na_broj_nezf', CASE WHEN NEW.poziv_na_broj_nezf IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nezf) END,
        'pozivZad_nezf', CASE WHEN NEW.pozivZad_nezf IS NOT NULL THEN json_array(NULL, NEW.pozivZad_nezf) END, 'model_nezf', CASE WHEN NEW.model_nezf IS NOT NULL THEN json_array(NULL, NEW.model_nezf) END,
        'sifra_dro', CASE WHEN NEW.sifra_dro IS NOT NULL THEN json_array(NULL, NEW.sifra_dro) END, 'racun_doprinosi_ro', CASE WHEN NEW.racun_doprinosi_ro IS NOT NULL THEN json_array(NULL, NEW.racun_doprinosi_ro) END,
        'poziv_na_broj_dro', CASE WHEN NEW.poziv_na_broj_dro IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_dro) END, 'pozivzad_dro', CASE WHEN NEW.pozivzad_dro IS NOT NULL THEN json_array(NULL, NEW.pozivzad_dro) END,
        'model_dro', CASE WHEN NEW.model_dro IS NOT NULL THEN json_array(NULL, NEW.model_dro) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_porodilje_izmena AFTER UPDATE ON parametri_porodilje BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'parametri_porodilje', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN OLD.racun_za_isplatu IS NOT NEW.racun_za_isplatu THEN json_array(OLD.racun_za_isplatu, NEW.racun_za_isplatu) END, 'sifra_porez', CASE WHEN OLD.sifra_porez IS NOT NEW.sifra_porez THEN json_array(OLD.sifra_porez, NEW.sifra_porez) END,
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NEW.racun_porez_na_plate THEN json_array(OLD.racun_porez_na_plate, NEW.racun_porez_na_plate) END, 'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NEW.poziv_na_broj_porez THEN json_array(OLD.poziv_na_broj_porez, NEW.poziv_na_broj_porez) END,
        'pozivZad_porez', CASE WHEN OLD.pozivZad_porez IS NOT NEW.pozivZad_porez THEN json_array(OLD.pozivZad_porez, NEW.pozivZad_porez) END, 'model_porez', CASE WHEN OLD.model_porez IS NOT NEW.model_porez THEN json_array(OLD.model_porez, NEW.model_porez) END,
        'sifra_pio', CASE WHEN OLD.sifra_pio IS NOT NEW.sifra_pio THEN json_array(OLD.sifra_pio, NEW.sifra_pio) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NEW.racun_pio THEN json_array(OLD.racun_pio, NEW.racun_pio) END,
        'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NEW.poziv_na_broj_pio THEN json_array(OLD.poziv_na_broj_pio, NEW.poziv_na_broj_pio) END, 'pozivZad_pio', CASE WHEN OLD.pozivZad_pio IS NOT NEW.pozivZad_pio THEN json_array(OLD.pozivZad_pio, NEW.pozivZad_pio) END,
        'model_pio', CASE WHEN OLD.model_pio IS NOT NEW.model_pio THEN json_array(OLD.model_pio, NEW.model_pio) END, 'sifra_zo', CASE WHEN OLD.sifra_zo IS NOT NEW.sifra_zo THEN json_array(OLD.sifra_zo, NEW.sifra_zo) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NEW.racun_zo THEN json_array(OLD.racun_zo, NEW.racun_zo) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NEW.poziv_na_broj_zo THEN json_array(OLD.poziv_na_broj_zo, NEW.poziv_na_broj_zo) END,
        'pozivZad_zo', CASE WHEN OLD.pozivZad_zo IS NOT NEW.pozivZad_zo THEN json_array(OLD.pozivZad_zo, NEW.pozivZad_zo) END, 'model_zo', CASE WHEN OLD.model_zo IS NOT NEW.model_zo THEN json_array(OLD.model_zo, NEW.model_zo) END,
        'sifra_nez', CASE WHEN OLD.sifra_nez IS NOT NEW.sifra_nez THEN json_array(OLD.sifra_nez, NEW.sifra_nez) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NEW.racun_nezaposlenost THEN json_array(OLD.racun_nezaposlenost, NEW.racun_nezaposlenost) END,
        'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NEW.poziv_na_broj_nez THEN json_array(OLD.poziv_na_broj_nez, NEW.poziv_na_broj_nez) END, 'pozivZad_nez', CASE WHEN OLD.pozivZad_nez IS NOT NEW.pozivZad_nez THEN json_array(OLD.pozivZad_nez, NEW.pozivZad_nez) END,
        'model_nez', CASE WHEN OLD.model_nez IS NOT NEW.model_nez THEN json_array(OLD.model_nez, NEW.model_nez) END, 'sifra_piof', CASE WHEN OLD.sifra_piof IS NOT NEW.sifra_piof THEN json_array(OLD.sifra_piof, NEW.sifra_piof) END,
        'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NEW.racun_pio_firma THEN json_array(OLD.racun_pio_firma, NEW.racun_pio_firma) END, 'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NEW.poziv_na_broj_piof THEN json_array(OLD.poziv_na_broj_piof, NEW.poziv_na_broj_piof) END,
        'pozivZad_piof', CASE WHEN OLD.pozivZad_piof IS NOT NEW.pozivZad_piof THEN json_array(OLD.pozivZad_piof, NEW.pozivZad_piof) END, 'model_piof', CASE WHEN OLD.model_piof IS NOT NEW.model_piof THEN json_array(OLD.model_piof, NEW.model_piof) END,
        'sifra_zof', CASE WHEN OLD.sifra_zof IS NOT NEW.sifra_zof THEN json_array(OLD.sifra_zof, NEW.sifra_zof) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NEW.racun_zo_firma THEN json_array(OLD.racun_zo_firma, NEW.racun_zo_firma) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NEW.poziv_na_broj_zof THEN json_array(OLD.poziv_na_broj_zof, NEW.poziv_na_broj_zof) END, 'pozivZad_zof', CASE WHEN OLD.pozivZad_zof IS NOT NEW.pozivZad_zof THEN json_array(OLD.pozivZad_zof, NEW.pozivZad_zof) END,
        'model_zof', CASE WHEN OLD.model_zof IS NOT NEW.model_zof THEN json_array(OLD.model_zof, NEW.model_zof) END, 'sifra_nezf', CASE WHEN OLD.sifra_nezf IS NOT NEW.sifra_nezf THEN json_array(OLD.sifra_nezf, NEW.sifra_nezf) END,
        'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NEW.racun_nezaposlenost_firma THEN json_array(OLD.racun_nezaposlenost_firma, NEW.racun_nezaposlenost_firma) END, 'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NEW.poziv_na_broj_nezf THEN json_array(OLD.poziv_na_broj_nezf, NEW.poziv_na_broj_nezf) END,
        'pozivZad_nezf', CASE WHEN OLD.pozivZad_nezf IS NOT NEW.pozivZad_nezf THEN json_array(OLD.pozivZad_nezf, NEW.pozivZad_nezf) END, 'model_nezf', CASE WHEN OLD.model_nezf IS NOT NEW.model_nezf THEN json_array(OLD.model_nezf, NEW.model_nezf) END,
        'sifra_dro', CASE WHEN OLD.sifra_dro IS NOT NEW.sifra_dro THEN json_array(OLD.sifra_dro, NEW.sifra_dro) END, 'racun_doprinosi_ro', CASE WHEN OLD.racun_doprinosi_ro IS NOT NEW.racun_doprinosi_ro THEN json_array(OLD.racun_doprinosi_ro, NEW.racun_doprinosi_ro) END,
        'poziv_na_broj_dro', CASE WHEN OLD.poziv_na_broj_dro IS NOT NEW.poziv_na_broj_dro THEN json_array(OLD.poziv_na_broj_dro, NEW.poziv_na_broj_dro) END, 'pozivzad_dro', CASE WHEN OLD.pozivzad_dro IS NOT NEW.pozivzad_dro THEN json_array(OLD.pozivzad_dro, NEW.pozivzad_dro) END,
        'model_dro', CASE WHEN OLD.model_dro IS NOT NEW.model_dro THEN json_array(OLD.model_dro, NEW.model_dro) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_porodilje_brisanje AFTER DELETE ON parametri_porodilje BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'parametri_porodilje', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN OLD.racun_za_isplatu IS NOT NULL THEN json_array(OLD.racun_za_isplatu, NULL) END, 'sifra_porez', CASE WHEN OLD.sifra_porez IS NOT NULL THEN json_array(OLD.sifra_porez, NULL) END,
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NULL THEN json_array(OLD.racun_porez_na_plate, NULL) END, 'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NULL THEN json_array(OLD.poziv_na_broj_porez, NULL) END,
        'pozivZad_porez', CASE WHEN OLD.pozivZad_porez IS NOT NULL THEN json_array(OLD.pozivZad_porez, NULL) END, 'model_porez', CASE WHEN OLD.model_porez IS NOT NULL THEN json_array(OLD.model_porez, NULL) END,
        'sifra_pio', CASE WHEN OLD.sifra_pio IS NOT NULL THEN json_array(OLD.sifra_pio, NULL) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NULL THEN json_array(OLD.racun_pio, NULL) END,
        'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NULL THEN json_array(OLD.poziv_na_broj_pio, NULL) END, 'pozivZad_pio', CASE WHEN OLD.pozivZad_pio IS NOT NULL THEN json_array(OLD.pozivZad_pio, NULL) END,
        'model_pio', CASE WHEN OLD.model_pio IS NOT NULL THEN json_array(OLD.model_pio, NULL) END, 'sifra_zo', CASE WHEN OLD.sifra_zo IS NOT NULL THEN json_array(OLD.sifra_zo, NULL) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NULL THEN json_array(OLD.racun_zo, NULL) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NULL THEN json_array(OLD.poziv_na_broj_zo, NULL) END,
        'pozivZad_zo', CASE WHEN OLD.pozivZad_zo IS NOT NULL THEN json_array(OLD.pozivZad_zo, NULL) END, 'model_zo', CASE WHEN OLD.model_zo IS NOT NULL THEN json_array(OLD.model_zo, NULL) END,
        'sifra_nez', CASE WHEN OLD.sifra_nez IS NOT NULL THEN json_array(OLD.sifra_nez, NULL) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NULL THEN json_array(OLD.racun_nezaposlenost, NULL) END,
        'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NULL THEN json_array(OLD.poziv_na_broj_nez, NULL) END, 'pozivZad_nez', CASE WHEN OLD.pozivZad_nez IS NOT NULL THEN json_array(OLD.pozivZad_nez, NULL) END,
        'model_nez', CASE WHEN OLD.model_nez IS NOT NULL THEN json_array(OLD.model_nez, NULL) END, 'sifra_piof', CASE WHEN OLD.sifra_piof IS NOT NULL THEN json_array(OLD.sifra_piof, NULL) END,
        'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NULL THEN json_array(OLD.racun_pio_firma, NULL) END, 'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NULL THEN json_array(OLD.poziv_na_broj_piof, NULL) END,
        'pozivZad_piof', CASE WHEN OLD.pozivZad_piof IS NOT NULL THEN json_array(OLD.pozivZad_piof, NULL) END, 'model_piof', CASE WHEN OLD.model_piof IS NOT NULL THEN json_array(OLD.model_piof, NULL) END,
        'sifra_zof', CASE WHEN OLD.sifra_zof IS NOT NULL THEN json_array(OLD.sifra_zof, NULL) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NULL THEN json_array(OLD.racun_zo_firma, NULL) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NULL THEN json_array(OLD.poziv_na_broj_zof, NULL) END, 'pozivZad_zof', CASE WHEN OLD.pozivZad_zof IS NOT NULL THEN json_array(OLD.pozivZad_zof, NULL) END,
        'model_zof', CASE WHEN OLD.model_zof IS NOT NULL THEN json_array(OLD.model_zof, NULL) END, 'sifra_nezf', CASE WHEN OLD.sifra_nezf IS NOT NULL THEN json_array(OLD.sifra_nezf, NULL) END,
        'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NULL THEN json_array(OLD.racun_nezaposlenost_firma, NULL) END, 'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NULL THEN json_array(OLD.poziv_na_broj_nezf, NULL) END,
        'pozivZad_nezf', CASE WHEN OLD.pozivZad_nezf IS NOT NULL THEN json_array(OLD.pozivZad_nezf, NULL) END, 'model_nezf', CASE WHEN OLD.model_nezf IS NOT NULL THEN json_array(OLD.model_nezf, NULL) END,
        'sifra_dro', CASE WHEN OLD.sifra_dro IS NOT NULL THEN json_array(OLD.sifra_dro, NULL) END, 'racun_doprinosi_ro', CASE WHEN OLD.racun_doprinosi_ro IS NOT NULL THEN json_array(OLD.racun_doprinosi_ro, NULL) END,
        'poziv_na_broj_dro', CASE WHEN OLD.poziv_na_broj_dro IS NOT NULL THEN json_array(OLD.poziv_na_broj_dro, NULL) END, 'pozivzad_dro', CASE WHEN OLD.pozivzad_dro IS NOT NULL THEN json_array(OLD.pozivzad_dro, NULL) END,
        'model_dro', CASE WHEN OLD.model_dro IS NOT NULL THEN json_array(OLD.model_dro, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_bolovanje_unos AFTER INSERT ON parametri_bolovanje BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'parametri_bolovanje', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN NEW.racun_za_isplatu IS NOT NULL THEN json_array(NULL, NEW.racun_za_isplatu) END, 'sifra_porez', CASE WHEN NEW.sifra_porez IS NOT NULL THEN json_array(NULL, NEW.sifra_porez) END,
        'racun_porez_na_plate', CASE WHEN NEW.racun_porez_na_plate IS NOT NULL THEN json_array(NULL, NEW.racun_porez_na_plate) END, 'poziv_na_broj_porez', CASE WHEN NEW.poziv_na_broj_porez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_porez) END,
        'pozivZad_porez', CASE WHEN NEW.pozivZad_porez IS NOT NULL THEN json_array(NULL, NEW.pozivZad_porez) END, 'model_porez', CASE WHEN NEW.model_porez IS NOT NULL THEN json_array(NULL, NEW.model_porez) END,
        'sifra_pio', CASE WHEN NEW.sifra_pio IS NOT NULL THEN json_array(NULL, NEW.sifra_pio) END, 'racun_pio', CASE WHEN NEW.racun_pio IS NOT NULL THEN json_array(NULL, NEW.racun_pio) END,
        'poziv_na_broj_pio', CASE WHEN NEW.poziv_na_broj_pio IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_pio) END, 'pozivZad_pio', CASE WHEN NEW.pozivZad_pio IS NOT NULL THEN json_array(NULL, NEW.pozivZad_pio) END,
        'model_pio', CASE WHEN NEW.model_pio IS NOT NULL THEN json_array(NULL, NEW.model_pio) END, 'sifra_zo', CASE WHEN NEW.sifra_zo IS NOT NULL THEN json_array(NULL, NEW.sifra_zo) END,
        'racun_zo', CASE WHEN NEW.racun_zo IS NOT NULL THEN json_array(NULL, NEW.racun_zo) END, 'poziv_na_broj_zo', CASE WHEN NEW.poziv_na_broj_zo IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zo) END,
        'pozivZad_zo', CASE WHEN NEW.pozivZad_zo IS NOT NULL THEN json_array(NULL, NEW.pozivZad_zo) END, 'model_zo', CASE WHEN NEW.model_zo IS NOT NULL THEN json_array(NULL, NEW.model_zo) END,
        'sifra_nez', CASE WHEN NEW.sifra_nez IS NOT NULL THEN json_array(NULL, NEW.sifra_nez) END, 'racun_nezaposlenost', CASE WHEN NEW.racun_nezaposlenost IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost) END,
        'poziv_na_broj_nez', CASE WHEN NEW.poziv_na_broj_nez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nez) END, 'pozivZad_nez', CASE WHEN NEW.pozivZad_nez IS NOT NULL THEN json_array(NULL, NEW.pozivZad_nez) END,
        'model_nez', CASE WHEN NEW.model_nez IS NOT NULL THEN json_array(NULL, NEW.model_nez) END, 'sifra_piof', CASE WHEN NEW.sifra_piof IS NOT NULL THEN json_array(NULL, NEW.sifra_piof) END,
        'racun_pio_firma', CASE WHEN NEW.racun_pio_firma IS NOT NULL THEN json_array(NULL, NEW.racun_pio_firma) END, 'poziv_na_broj_piof', CASE WHEN NEW.poziv_na_broj_piof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_piof) END,
        'pozivZad_piof', CASE WHEN NEW.pozivZad_piof IS NOT NULL THEN json_array(NULL, NEW.pozivZad_piof) END, 'model_piof', CASE WHEN NEW.model_piof IS NOT NULL THEN json_array(NULL, NEW.model_piof) END,
        'sifra_zof', CASE WHEN NEW.sifra_zof IS NOT NULL THEN json_array(NULL, NEW.sifra_zof) END, 'racun_zo_firma', CASE WHEN NEW.racun_zo_firma IS NOT NULL THEN json_array(NULL, NEW.racun_zo_firma) END,
        'poziv_na_broj_zof', CASE WHEN NEW.poziv_na_broj_zof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zof) END, 'pozivZad_zof', CASE WHEN NEW.pozivZad_zof IS NOT NULL THEN json_array(NULL, NEW.pozivZad_zof) END,
        'model_zof', CASE WHEN NEW.model_zof IS NOT NULL THEN json_array(NULL, NEW.model_zof) END, 'sifra_nezf', CASE WHEN NEW.sifra_nezf IS NOT NULL THEN json_array(NULL, NEW.sifra_nezf) END,
        'racun_nezaposlenost_firma', CASE WHEN NEW.racun_nezaposlenost_firma IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost_firma) END, 'poziv_na_broj_nezf', CASE WHEN NEW.poziv_na_broj_nezf IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nezf) END,
        'pozivZad_nezf', CASE WHEN NEW.pozivZad_nezf IS NOT NULL THEN json_array(NULL, NEW.pozivZad_nezf) END, 'model_nezf', CASE WHEN NEW.model_nezf IS NOT NULL THEN json_array(NULL, NEW.model_nezf) END,
        'sifra_dro', CASE WHEN NEW.sifra_dro IS NOT NULL THEN json_array(NULL, NEW.sifra_dro) END, 'racun_doprinosi_ro', CASE WHEN NEW.racun_doprinosi_ro IS NOT NULL THEN json_array(NULL, NEW.racun_doprinosi_ro) END,
        'poziv_na_broj_dro', CASE WHEN NEW.poziv_na_broj_dro IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_dro) END, 'pozivzad_dro', CASE WHEN NEW.pozivzad_dro IS NOT NULL THEN json_array(NULL, NEW.pozivzad_dro) END,
        'model_dro', CASE WHEN NEW.model_dro IS NOT NULL THEN json_array(NULL, NEW.model_dro) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_bolovanje_izmena AFTER UPDATE ON parametri_bolovanje BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'parametri_bolovanje', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN OLD.racun_za_isplatu IS NOT NEW.racun_za_isplatu THEN json_array(OLD.racun_za_isplatu, NEW.racun_za_isplatu) END, 'sifra_porez', CASE WHEN OLD.sifra_porez IS NOT NEW.sifra_porez THEN json_array(OLD.sifra_porez, NEW.sifra_porez) END,
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NEW.racun_porez_na_plate THEN json_array(OLD.racun_porez_na_plate, NEW.racun_porez_na_plate) END, 'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NEW.poziv_na_broj_porez THEN json_array(OLD.poziv_na_broj_porez, NEW.poziv_na_broj_porez) END,
        'pozivZad_porez', CASE WHEN OLD.pozivZad_porez IS NOT NEW.pozivZad_porez THEN json_array(OLD.pozivZad_porez, NEW.pozivZad_porez) END, 'model_porez', CASE WHEN OLD.model_porez IS NOT NEW.model_porez THEN json_array(OLD.model_porez, NEW.model_porez) END,
        'sifra_pio', CASE WHEN OLD.sifra_pio IS NOT NEW.sifra_pio THEN json_array(OLD.sifra_pio, NEW.sifra_pio) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NEW.racun_pio THEN json_array(OLD.racun_pio, NEW.racun_pio) END,
        'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NEW.poziv_na_broj_pio THEN json_array(OLD.poziv_na_broj_pio, NEW.poziv_na_broj_pio) END, 'pozivZad_pio', CASE WHEN OLD.pozivZad_pio IS NOT NEW.pozivZad_pio THEN json_array(OLD.pozivZad_pio, NEW.pozivZad_pio) END,
        'model_pio', CASE WHEN OLD.model_pio IS NOT NEW.model_pio THEN json_array(OLD.model_pio, NEW.model_pio) END, 'sifra_zo', CASE WHEN OLD.sifra_zo IS NOT NEW.sifra_zo THEN json_array(OLD.sifra_zo, NEW.sifra_zo) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NEW.racun_zo THEN json_array(OLD.racun_zo, NEW.racun_zo) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NEW.poziv_na_broj_zo THEN json_array(OLD.poziv_na_broj_zo, NEW.poziv_na_broj_zo) END,
        'pozivZad_zo', CASE WHEN OLD.pozivZad_zo IS NOT NEW.pozivZad_zo THEN json_array(OLD.pozivZad_zo, NEW.pozivZad_zo) END, 'model_zo', CASE WHEN OLD.model_zo IS NOT NEW.model_zo THEN json_array(OLD.model_zo, NEW.model_zo) END,
        'sifra_nez', CASE WHEN OLD.sifra_nez IS NOT NEW.sifra_nez THEN json_array(OLD.sifra_nez, NEW.sifra_nez) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NEW.racun_nezaposlenost THEN json_array(OLD.racun_nezaposlenost, NEW.racun_nezaposlenost) END,
        'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NEW.poziv_na_broj_nez THEN json_array(OLD.poziv_na_broj_nez, NEW.poziv_na_broj_nez) END, 'pozivZad_nez', CASE WHEN OLD.pozivZad_nez IS NOT NEW.pozivZad_nez THEN json_array(OLD.pozivZad_nez, NEW.pozivZad_nez) END,
        'model_nez', CASE WHEN OLD.model_nez IS NOT NEW.model_nez THEN json_array(OLD.model_nez, NEW.model_nez) END, 'sifra_piof', CASE WHEN OLD.sifra_piof IS NOT NEW.sifra_piof THEN json_array(OLD.sifra_piof, NEW.sifra_piof) END,
        'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NEW.racun_pio_firma THEN json_array(OLD.racun_pio_firma, NEW.racun_pio_firma) END, 'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NEW.poziv_na_broj_piof THEN json_array(OLD.poziv_na_broj_piof, NEW.poziv_na_broj_piof) END,
        'pozivZad_piof', CASE WHEN OLD.pozivZad_piof IS NOT NEW.pozivZad_piof THEN json_array(OLD.pozivZad_piof, NEW.pozivZad_piof) END, 'model_piof', CASE WHEN OLD.model_piof IS NOT NEW.model_piof THEN json_array(OLD.model_piof, NEW.model_piof) END,
        'sifra_zof', CASE WHEN OLD.sifra_zof IS NOT NEW.sifra_zof THEN json_array(OLD.sifra_zof, NEW.sifra_zof) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NEW.racun_zo_firma THEN json_array(OLD.racun_zo_firma, NEW.racun_zo_firma) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NEW.poziv_na_broj_zof THEN json_array(OLD.poziv_na_broj_zof, NEW.poziv_na_broj_zof) END, 'pozivZad_zof', CASE WHEN OLD.pozivZad_zof IS NOT NEW.pozivZad_zof THEN json_array(OLD.pozivZad_zof, NEW.pozivZad_zof) END,
        'model_zof', CASE WHEN OLD.model_zof IS NOT NEW.model_zof THEN json_array(OLD.model_zof, NEW.model_zof) END, 'sifra_nezf', CASE WHEN OLD.sifra_nezf IS NOT NEW.sifra_nezf THEN json_array(OLD.sifra_nezf, NEW.sifra_nezf) END,
        'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NEW.racun_nezaposlenost_firma THEN json_array(OLD.racun_nezaposlenost_firma, NEW.racun_nezaposlenost_firma) END, 'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NEW.poziv_na_broj_nezf THEN json_array(OLD.poziv_na_broj_nezf, NEW.poziv_na_broj_nezf) END,
        'pozivZad_nezf', CASE WHEN OLD.pozivZad_nezf IS NOT NEW.pozivZad_nezf THEN json_array(OLD.pozivZad_nezf, NEW.pozivZad_nezf) END, 'model_nezf', CASE WHEN OLD.model_nezf IS NOT NEW.model_nezf THEN json_array(OLD.model_nezf, NEW.model_nezf) END,
        'sifra_dro', CASE WHEN OLD.sifra_dro IS NOT NEW.sifra_dro THEN json_array(OLD.sifra_dro, NEW.sifra_dro) END, 'racun_doprinosi_ro', CASE WHEN OLD.racun_doprinosi_ro IS NOT NEW.racun_doprinosi_ro THEN json_array(OLD.racun_doprinosi_ro, NEW.racun_doprinosi_ro) END,
        'poziv_na_broj_dro', CASE WHEN OLD.poziv_na_broj_dro IS NOT NEW.poziv_na_broj_dro THEN json_array(OLD.poziv_na_broj_dro, NEW.poziv_na_broj_dro) END, 'pozivzad_dro', CASE WHEN OLD.pozivzad_dro IS NOT NEW.pozivzad_dro THEN json_array(OLD.pozivzad_dro, NEW.pozivzad_dro) END,
        'model_dro', CASE WHEN OLD.model_dro IS NOT NEW.model_dro THEN json_array(OLD.model_dro, NEW.model_dro) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_bolovanje_brisanje AFTER DELETE ON parametri_bolovanje BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'parametri_bolovanje', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN OLD.racun_za_isplatu IS NOT NULL THEN json_array(OLD.racun_za_isplatu, NULL) END, 'sifra_porez', CASE WHEN OLD.sifra_porez IS NOT NULL THEN json_array(OLD.sifra_porez, NULL) END,
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NULL THEN json_array(OLD.racun_porez_na_plate, NULL) END, 'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NULL THEN json_array(OLD.poziv_na_broj_porez, NULL) END,
        'pozivZad_porez', CASE WHEN OLD.pozivZad_porez IS NOT NULL THEN json_array(OLD.pozivZad_porez, NULL) END, 'model_porez', CASE WHEN OLD.model_porez IS NOT NULL THEN json_array(OLD.model_porez, NULL) END,
        'sifra_pio', CASE WHEN OLD.sifra_pio IS NOT NULL THEN json_array(OLD.sifra_pio, NULL) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NULL THEN json_array(OLD.racun_pio, NULL) END,
        'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NULL THEN json_array(OLD.poziv_na_broj_pio, NULL) END, 'pozivZad_pio', CASE WHEN OLD.pozivZad_pio IS NOT NULL THEN json_array(OLD.pozivZad_pio, NULL) END,
        'model_pio', CASE WHEN OLD.model_pio IS NOT NULL THEN json_array(OLD.model_pio, NULL) END, 'sifra_zo', CASE WHEN OLD.sifra_zo IS NOT NULL THEN json_array(OLD.sifra_zo, NULL) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NULL THEN json_array(OLD.racun_zo, NULL) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NULL THEN json_array(OLD.poziv_na_broj_zo, NULL) END,
        'pozivZad_zo', CASE WHEN OLD.pozivZad_zo IS NOT NULL THEN json_array(OLD.pozivZad_zo, NULL) END, 'model_zo', CASE WHEN OLD.model_zo IS NOT NULL THEN json_array(OLD.model_zo, NULL) END,
        'sifra_nez', CASE WHEN OLD.sifra_nez IS NOT NULL THEN json_array(OLD.sifra_nez, NULL) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NULL THEN json_array(OLD.racun_nezaposlenost, NULL) END,
        'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NULL THEN json_array(OLD.poziv_na_broj_nez, NULL) END, 'pozivZad_nez', CASE WHEN OLD.pozivZad_nez IS NOT NULL THEN json_array(OLD.pozivZad_nez, NULL) END,
        'model_nez', CASE WHEN OLD.model_nez IS NOT NULL THEN json_array(OLD.model_nez, NULL) END, 'sifra_piof', CASE WHEN OLD.sifra_piof IS NOT NULL THEN json_array(OLD.sifra_piof, NULL) END,
        'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NULL THEN json_array(OLD.racun_pio_firma, NULL) END, 'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NULL THEN json_array(OLD.poziv_na_broj_piof, NULL) END,
        'pozivZad_piof', CASE WHEN OLD.pozivZad_piof IS NOT NULL THEN json_array(OLD.pozivZad_piof, NULL) END, 'model_piof', CASE WHEN OLD.model_piof IS NOT NULL THEN json_array(OLD.model_piof, NULL) END,
        'sifra_zof', CASE WHEN OLD.sifra_zof IS NOT NULL THEN json_array(OLD.sifra_zof, NULL) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NULL THEN json_array(OLD.racun_zo_firma, NULL) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NULL THEN json_array(OLD.poziv_na_broj_zof, NULL) END, 'pozivZad_zof', CASE WHEN OLD.pozivZad_zof IS NOT NULL THEN json_array(OLD.pozivZad_zof, NULL) END,
        'model_zof', CASE WHEN OLD.model_zof IS NOT NULL THEN json_array(OLD.model_zof, NULL) END, 'sifra_nezf', CASE WHEN OLD.sifra_nezf IS NOT NULL THEN json_array(OLD.sifra_nezf, NULL) END,
        'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NULL THEN json_array(OLD.racun_nezaposlenost_firma, NULL) END, 'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NULL THEN json_array(OLD.poziv_na_broj_nezf, NULL) END,
        'pozivZad_nezf', CASE WHEN OLD.pozivZad_nezf IS NOT NULL THEN json_array(OLD.pozivZad_nezf, NULL) END, 'model_nezf', CASE WHEN OLD.model_nezf IS NOT NULL THEN json_array(OLD.model_nezf, NULL) END,
        'sifra_dro', CASE WHEN OLD.sifra_dro IS NOT NULL THEN json_array(OLD.sifra_dro, NULL) END, 'racun_doprinosi_ro', CASE WHEN OLD.racun_doprinosi_ro IS NOT NULL THEN json_array(OLD.racun_doprinosi_ro, NULL) END,
        'poziv_na_broj_dro', CASE WHEN OLD.poziv_na_broj_dro IS NOT NULL THEN json_array(OLD.poziv_na_broj_dro, NULL) END, 'pozivzad_dro', CASE WHEN OLD.pozivzad_dro IS NOT NULL THEN json_array(OLD.pozivzad_dro, NULL) END,
        'model_dro', CASE WHEN OLD.model_dro IS NOT NULL THEN json_array(OLD.model_dro, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_invalidi_unos AFTER INSERT ON parametri_invalidi BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'parametri_invalidi', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN NEW.racun_za_isplatu IS NOT NULL THEN json_array(NULL, NEW.racun_za_isplatu) END, 'sifra_porez', CASE WHEN NEW.sifra_porez IS NOT NULL THEN json_array(NULL, NEW.sifra_porez) END,
        'racun_porez_na_plate', CASE WHEN NEW.racun_porez_na_plate IS NOT NULL THEN json_array(NULL, NEW.racun_porez_na_plate) END, 'poziv_na_broj_porez', CASE WHEN NEW.poziv_na_broj_porez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_porez) END,
        'pozivZad_porez', CASE WHEN NEW.pozivZad_porez IS NOT NULL THEN json_array(NULL, NEW.pozivZad_porez) END, 'model_porez', CASE WHEN NEW.model_porez IS NOT NULL THEN json_array(NULL, NEW.model_porez) END,
        'sifra_pio', CASE WHEN NEW.sifra_pio IS NOT NULL THEN json_array(NULL, NEW.sifra_pio) END, 'racun_pio', CASE WHEN NEW.racun_pio IS NOT NULL THEN json_array(NULL, NEW.racun_pio) END,
        'poziv_na_broj_pio', CASE WHEN NEW.poziv_na_broj_pio IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_pio) END, 'pozivZad_pio', CASE WHEN NEW.pozivZad_pio IS NOT NULL THEN json_array(NULL, NEW.pozivZad_pio) END,
        'model_pio', CASE WHEN NEW.model_pio IS NOT NULL THEN json_array(NULL, NEW.model_pio) END, 'sifra_zo', CASE WHEN NEW.sifra_zo IS NOT NULL THEN json_array(NULL, NEW.sifra_zo) END,
        'racun_zo', CASE WHEN NEW.racun_zo IS NOT NULL THEN json_array(NULL, NEW.racun_zo) END, 'poziv_na_broj_zo', CASE WHEN NEW.poziv_na_broj_zo IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zo) END,
        'pozivZad_zo', CASE WHEN NEW.pozivZad_zo IS NOT NULL THEN json_array(NULL, NEW.pozivZad_zo) END, 'model_zo', CASE WHEN NEW.model_zo IS NOT NULL THEN json_array(NULL, NEW.model_zo) END,
        'sifra_nez', CASE WHEN NEW.sifra_nez IS NOT NULL THEN json_array(NULL, NEW.sifra_nez) END, 'racun_nezaposlenost', CASE WHEN NEW.racun_nezaposlenost IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost) END,
        'poziv_na_broj_nez', CASE WHEN NEW.poziv_na_broj_nez IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nez) END, 'pozivZad_nez', CASE WHEN NEW.pozivZad_nez IS NOT NULL THEN json_array(NULL, NEW.pozivZad_nez) END,
        'model_nez', CASE WHEN NEW.model_nez IS NOT NULL THEN json_array(NULL, NEW.model_nez) END, 'sifra_piof', CASE WHEN NEW.sifra_piof IS NOT NULL THEN json_array(NULL, NEW.sifra_piof) END,
        'racun_pio_firma', CASE WHEN NEW.racun_pio_firma IS NOT NULL THEN json_array(NULL, NEW.racun_pio_firma) END, 'poziv_na_broj_piof', CASE WHEN NEW.poziv_na_broj_piof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_piof) END,
        'pozivZad_piof', CASE WHEN NEW.pozivZad_piof IS NOT NULL THEN json_array(NULL, NEW.pozivZad_piof) END, 'model_piof', CASE WHEN NEW.model_piof IS NOT NULL THEN json_array(NULL, NEW.model_piof) END,
        'sifra_zof', CASE WHEN NEW.sifra_zof IS NOT NULL THEN json_array(NULL, NEW.sifra_zof) END, 'racun_zo_firma', CASE WHEN NEW.racun_zo_firma IS NOT NULL THEN json_array(NULL, NEW.racun_zo_firma) END,
        'poziv_na_broj_zof', CASE WHEN NEW.poziv_na_broj_zof IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_zof) END, 'pozivZad_zof', CASE WHEN NEW.pozivZad_zof IS NOT NULL THEN json_array(NULL, NEW.pozivZad_zof) END,
        'model_zof', CASE WHEN NEW.model_zof IS NOT NULL THEN json_array(NULL, NEW.model_zof) END, 'sifra_nezf', CASE WHEN NEW.sifra_nezf IS NOT NULL THEN json_array(NULL, NEW.sifra_nezf) END,
        'racun_nezaposlenost_firma', CASE WHEN NEW.racun_nezaposlenost_firma IS NOT NULL THEN json_array(NULL, NEW.racun_nezaposlenost_firma) END, 'poziv_na_broj_nezf', CASE WHEN NEW.poziv_na_broj_nezf IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_nezf) END,
        'pozivZad_nezf', CASE WHEN NEW.pozivZad_nezf IS NOT NULL THEN json_array(NULL, NEW.pozivZad_nezf) END, 'model_nezf', CASE WHEN NEW.model_nezf IS NOT NULL THEN json_array(NULL, NEW.model_nezf) END,
        'sifra_dro', CASE WHEN NEW.sifra_dro IS NOT NULL THEN json_array(NULL, NEW.sifra_dro) END, 'racun_doprinosi_ro', CASE WHEN NEW.racun_doprinosi_ro IS NOT NULL THEN json_array(NULL, NEW.racun_doprinosi_ro) END,
        'poziv_na_broj_dro', CASE WHEN NEW.poziv_na_broj_dro IS NOT NULL THEN json_array(NULL, NEW.poziv_na_broj_dro) END, 'pozivzad_dro', CASE WHEN NEW.pozivzad_dro IS NOT NULL THEN json_array(NULL, NEW.pozivzad_dro) END,
        'model_dro', CASE WHEN NEW.model_dro IS NOT NULL THEN json_array(NULL, NEW.model_dro) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_invalidi_izmena AFTER UPDATE ON parametri_invalidi BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'parametri_invalidi', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN OLD.racun_za_isplatu IS NOT NEW.racun_za_isplatu THEN json_array(OLD.racun_za_isplatu, NEW.racun_za_isplatu) END, 'sifra_porez', CASE WHEN OLD.sifra_porez IS NOT NEW.sifra_porez THEN json_array(OLD.sifra_porez, NEW.sifra_porez) END,
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NEW.racun_porez_na_plate THEN json_array(OLD.racun_porez_na_plate, NEW.racun_porez_na_plate) END, 'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NEW.poziv_na_broj_porez THEN json_array(OLD.poziv_na_broj_porez, NEW.poziv_na_broj_porez) END,
        'pozivZad_porez', CASE WHEN OLD.pozivZad_porez IS NOT NEW.pozivZad_porez THEN json_array(OLD.pozivZad_porez, NEW.pozivZad_porez) END, 'model_porez', CASE WHEN OLD.model_porez IS NOT NEW.model_porez THEN json_array(OLD.model_porez, NEW.model_porez) END,
        'sifra_pio', CASE WHEN OLD.sifra_pio IS NOT NEW.sifra_pio THEN json_array(OLD.sifra_pio, NEW.sifra_pio) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NEW.racun_pio THEN json_array(OLD.racun_pio, NEW.racun_pio) END,
        'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NEW.poziv_na_broj_pio THEN json_array(OLD.poziv_na_broj_pio, NEW.poziv_na_broj_pio) END, 'pozivZad_pio', CASE WHEN OLD.pozivZad_pio IS NOT NEW.pozivZad_pio THEN json_array(OLD.pozivZad_pio, NEW.pozivZad_pio) END,
        'model_pio', CASE WHEN OLD.model_pio IS NOT NEW.model_pio THEN json_array(OLD.model_pio, NEW.model_pio) END, 'sifra_zo', CASE WHEN OLD.sifra_zo IS NOT NEW.sifra_zo THEN json_array(OLD.sifra_zo, NEW.sifra_zo) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NEW.racun_zo THEN json_array(OLD.racun_zo, NEW.racun_zo) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NEW.poziv_na_broj_zo THEN json_array(OLD.poziv_na_broj_zo, NEW.poziv_na_broj_zo) END,
        'pozivZad_zo', CASE WHEN OLD.pozivZad_zo IS NOT NEW.pozivZad_zo THEN json_array(OLD.pozivZad_zo, NEW.pozivZad_zo) END, 'model_zo', CASE WHEN OLD.model_zo IS NOT NEW.model_zo THEN json_array(OLD.model_zo, NEW.model_zo) END,
        'sifra_nez', CASE WHEN OLD.sifra_nez IS NOT NEW.sifra_nez THEN json_array(OLD.sifra_nez, NEW.sifra_nez) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NEW.racun_nezaposlenost THEN json_array(OLD.racun_nezaposlenost, NEW.racun_nezaposlenost) END,
        'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NEW.poziv_na_broj_nez THEN json_array(OLD.poziv_na_broj_nez, NEW.poziv_na_broj_nez) END, 'pozivZad_nez', CASE WHEN OLD.pozivZad_nez IS NOT NEW.pozivZad_nez THEN json_array(OLD.pozivZad_nez, NEW.pozivZad_nez) END,
        'model_nez', CASE WHEN OLD.model_nez IS NOT NEW.model_nez THEN json_array(OLD.model_nez, NEW.model_nez) END, 'sifra_piof', CASE WHEN OLD.sifra_piof IS NOT NEW.sifra_piof THEN json_array(OLD.sifra_piof, NEW.sifra_piof) END,
        'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NEW.racun_pio_firma THEN json_array(OLD.racun_pio_firma, NEW.racun_pio_firma) END, 'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NEW.poziv_na_broj_piof THEN json_array(OLD.poziv_na_broj_piof, NEW.poziv_na_broj_piof) END,
        'pozivZad_piof', CASE WHEN OLD.pozivZad_piof IS NOT NEW.pozivZad_piof THEN json_array(OLD.pozivZad_piof, NEW.pozivZad_piof) END, 'model_piof', CASE WHEN OLD.model_piof IS NOT NEW.model_piof THEN json_array(OLD.model_piof, NEW.model_piof) END,
        'sifra_zof', CASE WHEN OLD.sifra_zof IS NOT NEW.sifra_zof THEN json_array(OLD.sifra_zof, NEW.sifra_zof) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NEW.racun_zo_firma THEN json_array(OLD.racun_zo_firma, NEW.racun_zo_firma) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NEW.poziv_na_broj_zof THEN json_array(OLD.poziv_na_broj_zof, NEW.poziv_na_broj_zof) END, 'pozivZad_zof', CASE WHEN OLD.pozivZad_zof IS NOT NEW.pozivZad_zof THEN json_array(OLD.pozivZad_zof, NEW.pozivZad_zof) END,
        'model_zof', CASE WHEN OLD.model_zof IS NOT NEW.model_zof THEN json_array(OLD.model_zof, NEW.model_zof) END, 'sifra_nezf', CASE WHEN OLD.sifra_nezf IS NOT NEW.sifra_nezf THEN json_array(OLD.sifra_nezf, NEW.sifra_nezf) END,
        'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NEW.racun_nezaposlenost_firma THEN json_array(OLD.racun_nezaposlenost_firma, NEW.racun_nezaposlenost_firma) END, 'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NEW.poziv_na_broj_nezf THEN json_array(OLD.poziv_na_broj_nezf, NEW.poziv_na_broj_nezf) END,
        'pozivZad_nezf', CASE WHEN OLD.pozivZad_nezf IS NOT NEW.pozivZad_nezf THEN json_array(OLD.pozivZad_nezf, NEW.pozivZad_nezf) END, 'model_nezf', CASE WHEN OLD.model_nezf IS NOT NEW.model_nezf THEN json_array(OLD.model_nezf, NEW.model_nezf) END,
        'sifra_dro', CASE WHEN OLD.sifra_dro IS NOT NEW.sifra_dro THEN json_array(OLD.sifra_dro, NEW.sifra_dro) END, 'racun_doprinosi_ro', CASE WHEN OLD.racun_doprinosi_ro IS NOT NEW.racun_doprinosi_ro THEN json_array(OLD.racun_doprinosi_ro, NEW.racun_doprinosi_ro) END,
        'poziv_na_broj_dro', CASE WHEN OLD.poziv_na_broj_dro IS NOT NEW.poziv_na_broj_dro THEN json_array(OLD.poziv_na_broj_dro, NEW.poziv_na_broj_dro) END, 'pozivzad_dro', CASE WHEN OLD.pozivzad_dro IS NOT NEW.pozivzad_dro THEN json_array(OLD.pozivzad_dro, NEW.pozivzad_dro) END,
        'model_dro', CASE WHEN OLD.model_dro IS NOT NEW.model_dro THEN json_array(OLD.model_dro, NEW.model_dro) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_invalidi_brisanje AFTER DELETE ON parametri_invalidi BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'parametri_invalidi', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'racun_za_isplatu', CASE WHEN OLD.racun_za_isplatu IS NOT NULL THEN json_array(OLD.racun_za_isplatu, NULL) END, 'sifra_porez', CASE WHEN OLD.sifra_porez IS NOT NULL THEN json_array(OLD.sifra_porez, NULL) END,
        'racun_porez_na_plate', CASE WHEN OLD.racun_porez_na_plate IS NOT NULL THEN json_array(OLD.racun_porez_na_plate, NULL) END, 'poziv_na_broj_porez', CASE WHEN OLD.poziv_na_broj_porez IS NOT NULL THEN json_array(OLD.poziv_na_broj_porez, NULL) END,
        'pozivZad_porez', CASE WHEN OLD.pozivZad_porez IS NOT NULL THEN json_array(OLD.pozivZad_porez, NULL) END, 'model_porez', CASE WHEN OLD.model_porez IS NOT NULL THEN json_array(OLD.model_porez, NULL) END,
        'sifra_pio', CASE WHEN OLD.sifra_pio IS NOT NULL THEN json_array(OLD.sifra_pio, NULL) END, 'racun_pio', CASE WHEN OLD.racun_pio IS NOT NULL THEN json_array(OLD.racun_pio, NULL) END,
        'poziv_na_broj_pio', CASE WHEN OLD.poziv_na_broj_pio IS NOT NULL THEN json_array(OLD.poziv_na_broj_pio, NULL) END, 'pozivZad_pio', CASE WHEN OLD.pozivZad_pio IS NOT NULL THEN json_array(OLD.pozivZad_pio, NULL) END,
        'model_pio', CASE WHEN OLD.model_pio IS NOT NULL THEN json_array(OLD.model_pio, NULL) END, 'sifra_zo', CASE WHEN OLD.sifra_zo IS NOT NULL THEN json_array(OLD.sifra_zo, NULL) END,
        'racun_zo', CASE WHEN OLD.racun_zo IS NOT NULL THEN json_array(OLD.racun_zo, NULL) END, 'poziv_na_broj_zo', CASE WHEN OLD.poziv_na_broj_zo IS NOT NULL THEN json_array(OLD.poziv_na_broj_zo, NULL) END,
        'pozivZad_zo', CASE WHEN OLD.pozivZad_zo IS NOT NULL THEN json_array(OLD.pozivZad_zo, NULL) END, 'model_zo', CASE WHEN OLD.model_zo IS NOT NULL THEN json_array(OLD.model_zo, NULL) END,
        'sifra_nez', CASE WHEN OLD.sifra_nez IS NOT NULL THEN json_array(OLD.sifra_nez, NULL) END, 'racun_nezaposlenost', CASE WHEN OLD.racun_nezaposlenost IS NOT NULL THEN json_array(OLD.racun_nezaposlenost, NULL) END,
        'poziv_na_broj_nez', CASE WHEN OLD.poziv_na_broj_nez IS NOT NULL THEN json_array(OLD.poziv_na_broj_nez, NULL) END, 'pozivZad_nez', CASE WHEN OLD.pozivZad_nez IS NOT NULL THEN json_array(OLD.pozivZad_nez, NULL) END,
        'model_nez', CASE WHEN OLD.model_nez IS NOT NULL THEN json_array(OLD.model_nez, NULL) END, 'sifra_piof', CASE WHEN OLD.sifra_piof IS NOT NULL THEN json_array(OLD.sifra_piof, NULL) END,
        'racun_pio_firma', CASE WHEN OLD.racun_pio_firma IS NOT NULL THEN json_array(OLD.racun_pio_firma, NULL) END, 'poziv_na_broj_piof', CASE WHEN OLD.poziv_na_broj_piof IS NOT NULL THEN json_array(OLD.poziv_na_broj_piof, NULL) END,
        'pozivZad_piof', CASE WHEN OLD.pozivZad_piof IS NOT NULL THEN json_array(OLD.pozivZad_piof, NULL) END, 'model_piof', CASE WHEN OLD.model_piof IS NOT NULL THEN json_array(OLD.model_piof, NULL) END,
        'sifra_zof', CASE WHEN OLD.sifra_zof IS NOT NULL THEN json_array(OLD.sifra_zof, NULL) END, 'racun_zo_firma', CASE WHEN OLD.racun_zo_firma IS NOT NULL THEN json_array(OLD.racun_zo_firma, NULL) END,
        'poziv_na_broj_zof', CASE WHEN OLD.poziv_na_broj_zof IS NOT NULL THEN json_array(OLD.poziv_na_broj_zof, NULL) END, 'pozivZad_zof', CASE WHEN OLD.pozivZad_zof IS NOT NULL THEN json_array(OLD.pozivZad_zof, NULL) END,
        'model_zof', CASE WHEN OLD.model_zof IS NOT NULL THEN json_array(OLD.model_zof, NULL) END, 'sifra_nezf', CASE WHEN OLD.sifra_nezf IS NOT NULL THEN json_array(OLD.sifra_nezf, NULL) END,
        'racun_nezaposlenost_firma', CASE WHEN OLD.racun_nezaposlenost_firma IS NOT NULL THEN json_array(OLD.racun_nezaposlenost_firma, NULL) END, 'poziv_na_broj_nezf', CASE WHEN OLD.poziv_na_broj_nezf IS NOT NULL THEN json_array(OLD.poziv_na_broj_nezf, NULL) END,
        'pozivZad_nezf', CASE WHEN OLD.pozivZad_nezf IS NOT NULL THEN json_array(OLD.pozivZad_nezf, NULL) END, 'model_nezf', CASE WHEN OLD.model_nezf IS NOT NULL THEN json_array(OLD.model_nezf, NULL) END,
        'sifra_dro', CASE WHEN OLD.sifra_dro IS NOT NULL THEN json_array(OLD.sifra_dro, NULL) END, 'racun_doprinosi_ro', CASE WHEN OLD.racun_doprinosi_ro IS NOT NULL THEN json_array(OLD.racun_doprinosi_ro, NULL) END,
        'poziv_na_broj_dro', CASE WHEN OLD.poziv_na_broj_dro IS NOT NULL THEN json_array(OLD.poziv_na_broj_dro, NULL) END, 'pozivzad_dro', CASE WHEN OLD.pozivzad_dro IS NOT NULL THEN json_array(OLD.pozivzad_dro, NULL) END,
        'model_dro', CASE WHEN OLD.model_dro IS NOT NULL THEN json_array(OLD.model_dro, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_podaci_ppppd_unos AFTER INSERT ON podaci_ppppd BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'podaci_ppppd', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'sifra_opstine', CASE WHEN NEW.sifra_opstine IS NOT NULL THEN json_array(NULL, NEW.sifra_opstine) END, 'email', CASE WHEN NEW.email IS NOT NULL THEN json_array(NULL, NEW.email) END,
        'uk_radnika', CASE WHEN NEW.uk_radnika IS NOT NULL THEN json_array(NULL, NEW.uk_radnika) END, 'tip_isplatioca', CASE WHEN NEW.tip_isplatioca IS NOT NULL THEN json_array(NULL, NEW.tip_isplatioca) END,
        'sledeci_placanje', CASE WHEN NEW.sledeci_placanje IS NOT NULL THEN json_array(NULL, NEW.sledeci_placanje) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_podaci_ppppd_izmena AFTER UPDATE ON podaci_ppppd BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'podaci_ppppd', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'sifra_opstine', CASE WHEN OLD.sifra_opstine IS NOT NEW.sifra_opstine THEN json_array(OLD.sifra_opstine, NEW.sifra_opstine) END, 'email', CASE WHEN OLD.email IS NOT NEW.email THEN json_array(OLD.email, NEW.email) END,
        'uk_radnika', CASE WHEN OLD.uk_radnika IS NOT NEW.uk_radnika THEN json_array(OLD.uk_radnika, NEW.uk_radnika) END, 'tip_isplatioca', CASE WHEN OLD.tip_isplatioca IS NOT NEW.tip_isplatioca THEN json_array(OLD.tip_isplatioca, NEW.tip_isplatioca) END,
        'sledeci_placanje', CASE WHEN OLD.sledeci_placanje IS NOT NEW.sledeci_placanje THEN json_array(OLD.sledeci_placanje, NEW.sledeci_placanje) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_podaci_ppppd_brisanje AFTER DELETE ON podaci_ppppd BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'podaci_ppppd', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'sifra_opstine', CASE WHEN OLD.sifra_opstine IS NOT NULL THEN json_array(OLD.sifra_opstine, NULL) END, 'email', CASE WHEN OLD.email IS NOT NULL THEN json_array(OLD.email, NULL) END,
        'uk_radnika', CASE WHEN OLD.uk_radnika IS NOT NULL THEN json_array(OLD.uk_radnika, NULL) END, 'tip_isplatioca', CASE WHEN OLD.tip_isplatioca IS NOT NULL THEN json_array(OLD.tip_isplatioca, NULL) END,
        'sledeci_placanje', CASE WHEN OLD.sledeci_placanje IS NOT NULL THEN json_array(OLD.sledeci_placanje, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_postavke_unos AFTER INSERT ON postavke BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'postavke', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'nacin_obracuna', CASE WHEN NEW.nacin_obracuna IS NOT NULL THEN json_array(NULL, NEW.nacin_obracuna) END, 'fiksni_sati', CASE WHEN NEW.fiksni_sati IS NOT NULL THEN json_array(NULL, NEW.fiksni_sati) END,
        'na_pola_meseca', CASE WHEN NEW.na_pola_meseca IS NOT NULL THEN json_array(NULL, NEW.na_pola_meseca) END, 'solidarni_porez', CASE WHEN NEW.solidarni_porez IS NOT NULL THEN json_array(NULL, NEW.solidarni_porez) END,
        'stimulacije_uredba', CASE WHEN NEW.stimulacije_uredba IS NOT NULL THEN json_array(NULL, NEW.stimulacije_uredba / 10000.0) END, 'ukupan_minuli_rad', CASE WHEN NEW.ukupan_minuli_rad IS NOT NULL THEN json_array(NULL, NEW.ukupan_minuli_rad) END,
        'x_pomeranje_nalog', CASE WHEN NEW.x_pomeranje_nalog IS NOT NULL THEN json_array(NULL, NEW.x_pomeranje_nalog) END, 'folder_knjigovodstva', CASE WHEN NEW.folder_knjigovodstva IS NOT NULL THEN json_array(NULL, NEW.folder_knjigovodstva) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_postavke_izmena AFTER UPDATE ON postavke BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'postavke', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'nacin_obracuna', CASE WHEN OLD.nacin_obracuna IS NOT NEW.nacin_obracuna THEN json_array(OLD.nacin_obracuna, NEW.nacin_obracuna) END, 'fiksni_sati', CASE WHEN OLD.fiksni_sati IS NOT NEW.fiksni_sati THEN json_array(OLD.fiksni_sati, NEW.fiksni_sati) END,
        'na_pola_meseca', CASE WHEN OLD.na_pola_meseca IS NOT NEW.na_pola_meseca THEN json_array(OLD.na_pola_meseca, NEW.na_pola_meseca) END, 'solidarni_porez', CASE WHEN OLD.solidarni_porez IS NOT NEW.solidarni_porez THEN json_array(OLD.solidarni_porez, NEW.solidarni_porez) END,
        'stimulacije_uredba', CASE WHEN OLD.stimulacije_uredba IS NOT NEW.stimulacije_uredba THEN json_array(OLD.stimulacije_uredba / 10000.0, NEW.stimulacije_uredba / 10000.0) END, 'ukupan_minuli_rad', CASE WHEN OLD.ukupan_minuli_rad IS NOT NEW.ukupan_minuli_rad THEN json_array(OLD.ukupan_minuli_rad, NEW.ukupan_minuli_rad) END,
        'x_pomeranje_nalog', CASE WHEN OLD.x_pomeranje_nalog IS NOT NEW.x_pomeranje_nalog THEN json_array(OLD.x_pomeranje_nalog, NEW.x_pomeranje_nalog) END, 'folder_knjigovodstva', CASE WHEN OLD.folder_knjigovodstva IS NOT NEW.folder_knjigovodstva THEN json_array(OLD.folder_knjigovodstva, NEW.folder_knjigovodstva) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_postavke_brisanje AFTER DELETE ON postavke BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'postavke', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'nacin_obracuna', CASE WHEN OLD.nacin_obracuna IS NOT NULL THEN json_array(OLD.nacin_obracuna, NULL) END, 'fiksni_sati', CASE WHEN OLD.fiksni_sati IS NOT NULL THEN json_array(OLD.fiksni_sati, NULL) END,
        'na_pola_meseca', CASE WHEN OLD.na_pola_meseca IS NOT NULL THEN json_array(OLD.na_pola_meseca, NULL) END, 'solidarni_porez', CASE WHEN OLD.solidarni_porez IS NOT NULL THEN json_array(OLD.solidarni_porez, NULL) END,
        'stimulacije_uredba', CASE WHEN OLD.stimulacije_uredba IS NOT NULL THEN json_array(OLD.stimulacije_uredba / 10000.0, NULL) END, 'ukupan_minuli_rad', CASE WHEN OLD.ukupan_minuli_rad IS NOT NULL THEN json_array(OLD.ukupan_minuli_rad, NULL) END,
        'x_pomeranje_nalog', CASE WHEN OLD.x_pomeranje_nalog IS NOT NULL THEN json_array(OLD.x_pomeranje_nalog, NULL) END, 'folder_knjigovodstva', CASE WHEN OLD.folder_knjigovodstva IS NOT NULL THEN json_array(OLD.folder_knjigovodstva, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_po_mesecima_unos AFTER INSERT ON parametri_po_mesecima BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'parametri_po_mesecima', 'id_ppm=' || NEW.id_ppm, NULL, NEW.MEsec, NEW.GODINA, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_ppm', CASE WHEN NEW.id_ppm IS NOT NULL THEN json_array(NULL, NEW.id_ppm) END, 'MEsec', CASE WHEN NEW.MEsec IS NOT NULL THEN json_array(NULL, NEW.MEsec) END,
        'GODINA', CASE WHEN NEW.GODINA IS NOT NULL THEN json_array(NULL, NEW.GODINA) END, 'porez_zarade', CASE WHEN NEW.porez_zarade IS NOT NULL THEN json_array(NULL, NEW.porez_zarade) END,
        'iznos_poreskog_oslobojenja', CASE WHEN NEW.iznos_poreskog_oslobojenja IS NOT NULL THEN json_array(NULL, NEW.iznos_poreskog_oslobojenja / 10000.0) END, 'Doprinosi_PIO', CASE WHEN NEW.Doprinosi_PIO IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_PIO) END,
        'Doprinosi_zo', CASE WHEN NEW.Doprinosi_zo IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_zo) END, 'doprinosi_nezaposlenost', CASE WHEN NEW.doprinosi_nezaposlenost IS NOT NULL THEN json_array(NULL, NEW.doprinosi_nezaposlenost) END,
        'Doprinosi_PIO_F', CASE WHEN NEW.Doprinosi_PIO_F IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_PIO_F) END, 'Doprinosi_zo_F', CASE WHEN NEW.Doprinosi_zo_F IS NOT NULL THEN json_array(NULL, NEW.Doprinosi_zo_F) END,
        'doprinosi_nezaposlenost_f', CASE WHEN NEW.doprinosi_nezaposlenost_f IS NOT NULL THEN json_array(NULL, NEW.doprinosi_nezaposlenost_f) END, 'doprinosi_ro', CASE WHEN NEW.doprinosi_ro IS NOT NULL THEN json_array(NULL, NEW.doprinosi_ro) END,
        'doprinosi_ro2', CASE WHEN NEW.doprinosi_ro2 IS NOT NULL THEN json_array(NULL, NEW.doprinosi_ro2) END, 'doprinosi_ro3', CASE WHEN NEW.doprinosi_ro3 IS NOT NULL THEN json_array(NULL, NEW.doprinosi_ro3) END,
        'Naziv_doprinosi_ro', CASE WHEN NEW.Naziv_doprinosi_ro IS NOT NULL THEN json_array(NULL, NEW.Naziv_doprinosi_ro) END, 'Naziv_doprinosi_ro2', CASE WHEN NEW.Naziv_doprinosi_ro2 IS NOT NULL THEN json_array(NULL, NEW.Naziv_doprinosi_ro2) END,
        'Naziv_doprinosi_ro3', CASE WHEN NEW.Naziv_doprinosi_ro3 IS NOT NULL THEN json_array(NULL, NEW.Naziv_doprinosi_ro3) END, 'Naziv_doprinosi_ro4', CASE WHEN NEW.Naziv_doprinosi_ro4 IS NOT NULL THEN json_array(NULL, NEW.Naziv_doprinosi_ro4) END,
        'minimalna_osnovica', CASE WHEN NEW.minimalna_osnovica IS NOT NULL THEN json_array(NULL, NEW.minimalna_osnovica / 10000.0) END, 'maksimalna_osnovica', CASE WHEN NEW.maksimalna_osnovica IS NOT NULL THEN json_array(NULL, NEW.maksimalna_osnovica / 10000.0) END,
        'minimalna_osnovna', CASE WHEN NEW.minimalna_osnovna IS NOT NULL THEN json_array(NULL, NEW.minimalna_osnovna / 10000.0) END, 'cena_Rada', CASE WHEN NEW.cena_Rada IS NOT NULL THEN json_array(NULL, NEW.cena_Rada / 10000.0) END,
        'cena_rada_pre_umanjenja', CASE WHEN NEW.cena_rada_pre_umanjenja IS NOT NULL THEN json_array(NULL, NEW.cena_rada_pre_umanjenja / 10000.0) END, 'minuli_rad', CASE WHEN NEW.minuli_rad IS NOT NULL THEN json_array(NULL, NEW.minuli_rad) END,
        'produzeni_rad', CASE WHEN NEW.produzeni_rad IS NOT NULL THEN json_array(NULL, NEW.produzeni_rad) END, 'nocni_rad', CASE WHEN NEW.nocni_rad IS NOT NULL THEN json_array(NULL, NEW.nocni_rad) END,
        'rad_na_praznik', CASE WHEN NEW.rad_na_praznik IS NOT NULL THEN json_array(NULL, NEW.rad_na_praznik) END, 'rad_nedeljom', CASE WHEN NEW.rad_nedeljom IS NOT NULL THEN json_array(NULL, NEW.rad_nedeljom) END,
        'rad_nedeljomstvarno', CASE WHEN NEW.rad_nedeljomstvarno IS NOT NULL THEN json_array(NULL, NEW.rad_nedeljomstvarno) END, 'DEZURSTVO', CASE WHEN NEW.DEZURSTVO IS NOT NULL THEN json_array(NULL, NEW.DEZURSTVO) END,
        'PRIPRAVNOST', CASE WHEN NEW.PRIPRAVNOST IS NOT NULL THEN json_array(NULL, NEW.PRIPRAVNOST) END, 'placeno_odsustvo', CASE WHEN NEW.placeno_odsustvo IS NOT NULL THEN json_array(NULL, NEW.placeno_odsustvo) END,
        'regres', CASE WHEN NEW.regres IS NOT NULL THEN json_array(NULL, NEW.regres / 10000.0) END, 'topli_obrok', CASE WHEN NEW.topli_obrok IS NOT NULL THEN json_array(NULL, NEW.topli_obrok / 10000.0) END,
        'prosecna_ocena_RU', CASE WHEN NEW.prosecna_ocena_RU IS NOT NULL THEN json_array(NULL, NEW.prosecna_ocena_RU) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_po_mesecima_izmena AFTER UPDATE ON parametri_po_mesecima BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'parametri_po_mesecima', 'id_ppm=' || NEW.id_ppm, NULL, NEW.MEsec, NEW.GODINA, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_ppm', CASE WHEN OLD.id_ppm IS NOT NEW.id_ppm THEN json_array(OLD.id_ppm, NEW.id_ppm) END, 'MEsec', CASE WHEN OLD.MEsec IS NOT NEW.MEsec THEN json_array(OLD.MEsec, NEW.MEsec) END,
        'GODINA', CASE WHEN OLD.GODINA IS NOT NEW.GODINA THEN json_array(OLD.GODINA, NEW.GODINA) END, 'porez_zarade', CASE WHEN OLD.porez_zarade IS NOT NEW.porez_zarade THEN json_array(OLD.porez_zarade, NEW.porez_zarade) END,
        'iznos_poreskog_oslobojenja', CASE WHEN OLD.iznos_poreskog_oslobojenja IS NOT NEW.iznos_poreskog_oslobojenja THEN json_array(OLD.iznos_poreskog_oslobojenja / 10000.0, NEW.iznos_poreskog_oslobojenja / 10000.0) END, 'Doprinosi_PIO', CASE WHEN OLD.Doprinosi_PIO IS NOT NEW.Doprinosi_PIO THEN json_array(OLD.Doprinosi_PIO, NEW.Doprinosi_PIO) END,
        'Doprinosi_zo', CASE WHEN OLD.Doprinosi_zo IS NOT NEW.Doprinosi_zo THEN json_array(OLD.Doprinosi_zo, NEW.Doprinosi_zo) END, 'doprinosi_nezaposlenost', CASE WHEN OLD.doprinosi_nezaposlenost IS NOT NEW.doprinosi_nezaposlenost THEN json_array(OLD.doprinosi_nezaposlenost, NEW.doprinosi_nezaposlenost) END,
        'Doprinosi_PIO_F', CASE WHEN OLD.Doprinosi_PIO_F IS NOT NEW.Doprinosi_PIO_F THEN json_array(OLD.Doprinosi_PIO_F, NEW.Doprinosi_PIO_F) END, 'Doprinosi_zo_F', CASE WHEN OLD.Doprinosi_zo_F IS NOT NEW.Doprinosi_zo_F THEN json_array(OLD.Doprinosi_zo_F, NEW.Doprinosi_zo_F) END,
        'doprinosi_nezaposlenost_f', CASE WHEN OLD.doprinosi_nezaposlenost_f IS NOT NEW.doprinosi_nezaposlenost_f THEN json_array(OLD.doprinosi_nezaposlenost_f, NEW.doprinosi_nezaposlenost_f) END, 'doprinosi_ro', CASE WHEN OLD.doprinosi_ro IS NOT NEW.doprinosi_ro THEN json_array(OLD.doprinosi_ro, NEW.doprinosi_ro) END,
        'doprinosi_ro2', CASE WHEN OLD.doprinosi_ro2 IS NOT NEW.doprinosi_ro2 THEN json_array(OLD.doprinosi_ro2, NEW.doprinosi_ro2) END, 'doprinosi_ro3', CASE WHEN OLD.doprinosi_ro3 IS NOT NEW.doprinosi_ro3 THEN json_array(OLD.doprinosi_ro3, NEW.doprinosi_ro3) END,
        'Naziv_doprinosi_ro', CASE WHEN OLD.Naziv_doprinosi_ro IS NOT NEW.Naziv_doprinosi_ro THEN json_array(OLD.Naziv_doprinosi_ro, NEW.Naziv_doprinosi_ro) END, 'Naziv_doprinosi_ro2', CASE WHEN OLD.Naziv_doprinosi_ro2 IS NOT NEW.Naziv_doprinosi_ro2 THEN json_array(OLD.Naziv_doprinosi_ro2, NEW.Naziv_doprinosi_ro2) END,
        'Naziv_doprinosi_ro3', CASE WHEN OLD.Naziv_doprinosi_ro3 IS NOT NEW.Naziv_doprinosi_ro3 THEN json_array(OLD.Naziv_doprinosi_ro3, NEW.Naziv_doprinosi_ro3) END, 'Naziv_doprinosi_ro4', CASE WHEN OLD.Naziv_doprinosi_ro4 IS NOT NEW.Naziv_doprinosi_ro4 THEN json_array(OLD.Naziv_doprinosi_ro4, NEW.Naziv_doprinosi_ro4) END,
        'minimalna_osnovica', CASE WHEN OLD.minimalna_osnovica IS NOT NEW.minimalna_osnovica THEN json_array(OLD.minimalna_osnovica / 10000.0, NEW.minimalna_osnovica / 10000.0) END, 'maksimalna_osnovica', CASE WHEN OLD.maksimalna_osnovica IS NOT NEW.maksimalna_osnovica THEN json_array(OLD.maksimalna_osnovica / 10000.0, NEW.maksimalna_osnovica / 10000.0) END,
        'minimalna_osnovna', CASE WHEN OLD.minimalna_osnovna IS NOT NEW.minimalna_osnovna THEN json_array(OLD.minimalna_osnovna / 10000.0, NEW.minimalna_osnovna / 10000.0) END, 'cena_Rada', CASE WHEN OLD.cena_Rada IS NOT NEW.cena_Rada THEN json_array(OLD.cena_Rada / 10000.0, NEW.cena_Rada / 10000.0) END,
        'cena_rada_pre_umanjenja', CASE WHEN OLD.cena_rada_pre_umanjenja IS NOT NEW.cena_rada_pre_umanjenja THEN json_array(OLD.cena_rada_pre_umanjenja / 10000.0, NEW.cena_rada_pre_umanjenja / 10000.0) END, 'minuli_rad', CASE WHEN OLD.minuli_rad IS NOT NEW.minuli_rad THEN json_array(OLD.minuli_rad, NEW.minuli_rad) END,
        'produzeni_rad', CASE WHEN OLD.produzeni_rad IS NOT NEW.produzeni_rad THEN json_array(OLD.produzeni_rad, NEW.produzeni_rad) END, 'nocni_rad', CASE WHEN OLD.nocni_rad IS NOT NEW.nocni_rad THEN json_array(OLD.nocni_rad, NEW.nocni_rad) END,
        'rad_na_praznik', CASE WHEN OLD.rad_na_praznik IS NOT NEW.rad_na_praznik THEN json_array(OLD.rad_na_praznik, NEW.rad_na_praznik) END, 'rad_nedeljom', CASE WHEN OLD.rad_nedeljom IS NOT NEW.rad_nedeljom THEN json_array(OLD.rad_nedeljom, NEW.rad_nedeljom) END,
        'rad_nedeljomstvarno', CASE WHEN OLD.rad_nedeljomstvarno IS NOT NEW.rad_nedeljomstvarno THEN json_array(OLD.rad_nedeljomstvarno, NEW.rad_nedeljomstvarno) END, 'DEZURSTVO', CASE WHEN OLD.DEZURSTVO IS NOT NEW.DEZURSTVO THEN json_array(OLD.DEZURSTVO, NEW.DEZURSTVO) END,
        'PRIPRAVNOST', CASE WHEN OLD.PRIPRAVNOST IS NOT NEW.PRIPRAVNOST THEN json_array(OLD.PRIPRAVNOST, NEW.PRIPRAVNOST) END, 'placeno_odsustvo', CASE WHEN OLD.placeno_odsustvo IS NOT NEW.placeno_odsustvo THEN json_array(OLD.placeno_odsustvo, NEW.placeno_odsustvo) END,
        'regres', CASE WHEN OLD.regres IS NOT NEW.regres THEN json_array(OLD.regres / 10000.0, NEW.regres / 10000.0) END, 'topli_obrok', CASE WHEN OLD.topli_obrok IS NOT NEW.topli_obrok THEN json_array(OLD.topli_obrok / 10000.0, NEW.topli_obrok / 10000.0) END,
        'prosecna_ocena_RU', CASE WHEN OLD.prosecna_ocena_RU IS NOT NEW.prosecna_ocena_RU THEN json_array(OLD.prosecna_ocena_RU, NEW.prosecna_ocena_RU) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_parametri_po_mesecima_brisanje AFTER DELETE ON parametri_po_mesecima BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'parametri_po_mesecima', 'id_ppm=' || OLD.id_ppm, NULL, OLD.MEsec, OLD.GODINA, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'id_ppm', CASE WHEN OLD.id_ppm IS NOT NULL THEN json_array(OLD.id_ppm, NULL) END, 'MEsec', CASE WHEN OLD.MEsec IS NOT NULL THEN json_array(OLD.MEsec, NULL) END,
        'GODINA', CASE WHEN OLD.GODINA IS NOT NULL THEN json_array(OLD.GODINA, NULL) END, 'porez_zarade', CASE WHEN OLD.porez_zarade IS NOT NULL THEN json_array(OLD.porez_zarade, NULL) END,
        'iznos_poreskog_oslobojenja', CASE WHEN OLD.iznos_poreskog_oslobojenja IS NOT NULL THEN json_array(OLD.iznos_poreskog_oslobojenja / 10000.0, NULL) END, 'Doprinosi_PIO', CASE WHEN OLD.Doprinosi_PIO IS NOT NULL THEN json_array(OLD.Doprinosi_PIO, NULL) END,
        'Doprinosi_zo', CASE WHEN OLD.Doprinosi_zo IS NOT NULL THEN json_array(OLD.Doprinosi_zo, NULL) END, 'doprinosi_nezaposlenost', CASE WHEN OLD.doprinosi_nezaposlenost IS NOT NULL THEN json_array(OLD.doprinosi_nezaposlenost, NULL) END,
        'Doprinosi_PIO_F', CASE WHEN OLD.Doprinosi_PIO_F IS NOT NULL THEN json_array(OLD.Doprinosi_PIO_F, NULL) END, 'Doprinosi_zo_F', CASE WHEN OLD.Doprinosi_zo_F IS NOT NULL THEN json_array(OLD.Doprinosi_zo_F, NULL) END,
        'doprinosi_nezaposlenost_f', CASE WHEN OLD.doprinosi_nezaposlenost_f IS NOT NULL THEN json_array(OLD.doprinosi_nezaposlenost_f, NULL) END, 'doprinosi_ro', CASE WHEN OLD.doprinosi_ro IS NOT NULL THEN json_array(OLD.doprinosi_ro, NULL) END,
        'doprinosi_ro2', CASE WHEN OLD.doprinosi_ro2 IS NOT NULL THEN json_array(OLD.doprinosi_ro2, NULL) END, 'doprinosi_ro3', CASE WHEN OLD.doprinosi_ro3 IS NOT NULL THEN json_array(OLD.doprinosi_ro3, NULL) END,
        'Naziv_doprinosi_ro', CASE WHEN OLD.Naziv_doprinosi_ro IS NOT NULL THEN json_array(OLD.Naziv_doprinosi_ro, NULL) END, 'Naziv_doprinosi_ro2', CASE WHEN OLD.Naziv_doprinosi_ro2 IS NOT NULL THEN json_array(OLD.Naziv_doprinosi_ro2, NULL) END,
        'Naziv_doprinosi_ro3', CASE WHEN OLD.Naziv_doprinosi_ro3 IS NOT NULL THEN json_array(OLD.Naziv_doprinosi_ro3, NULL) END, 'Naziv_doprinosi_ro4', CASE WHEN OLD.Naziv_doprinosi_ro4 IS NOT NULL THEN json_array(OLD.Naziv_doprinosi_ro4, NULL) END,
        'minimalna_osnovica', CASE WHEN OLD.minimalna_osnovica IS NOT NULL THEN json_array(OLD.minimalna_osnovica / 10000.0, NULL) END, 'maksimalna_osnovica', CASE WHEN OLD.maksimalna_osnovica IS NOT NULL THEN json_array(OLD.maksimalna_osnovica / 10000.0, NULL) END,
        'minimalna_osnovna', CASE WHEN OLD.minimalna_osnovna IS NOT NULL THEN json_array(OLD.minimalna_osnovna / 10000.0, NULL) END, 'cena_Rada', CASE WHEN OLD.cena_Rada IS NOT NULL THEN json_array(OLD.cena_Rada / 10000.0, NULL) END,
        'cena_rada_pre_umanjenja', CASE WHEN OLD.cena_rada_pre_umanjenja IS NOT NULL THEN json_array(OLD.cena_rada_pre_umanjenja / 10000.0, NULL) END, 'minuli_rad', CASE WHEN OLD.minuli_rad IS NOT NULL THEN json_array(OLD.minuli_rad, NULL) END,
        'produzeni_rad', CASE WHEN OLD.produzeni_rad IS NOT NULL THEN json_array(OLD.produzeni_rad, NULL) END, 'nocni_rad', CASE WHEN OLD.nocni_rad IS NOT NULL THEN json_array(OLD.nocni_rad, NULL) END,
        'rad_na_praznik', CASE WHEN OLD.rad_na_praznik IS NOT NULL THEN json_array(OLD.rad_na_praznik, NULL) END, 'rad_nedeljom', CASE WHEN OLD.rad_nedeljom IS NOT NULL THEN json_array(OLD.rad_nedeljom, NULL) END,
        'rad_nedeljomstvarno', CASE WHEN OLD.rad_nedeljomstvarno IS NOT NULL THEN json_array(OLD.rad_nedeljomstvarno, NULL) END, 'DEZURSTVO', CASE WHEN OLD.DEZURSTVO IS NOT NULL THEN json_array(OLD.DEZURSTVO, NULL) END,
        'PRIPRAVNOST', CASE WHEN OLD.PRIPRAVNOST IS NOT NULL THEN json_array(OLD.PRIPRAVNOST, NULL) END, 'placeno_odsustvo', CASE WHEN OLD.placeno_odsustvo IS NOT NULL THEN json_array(OLD.placeno_odsustvo, NULL) END,
        'regres', CASE WHEN OLD.regres IS NOT NULL THEN json_array(OLD.regres / 10000.0, NULL) END, 'topli_obrok', CASE WHEN OLD.topli_obrok IS NOT NULL THEN json_array(OLD.topli_obrok / 10000.0, NULL) END,
        'prosecna_ocena_RU', CASE WHEN OLD.prosecna_ocena_RU IS NOT NULL THEN json_array(OLD.prosecna_ocena_RU, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_kurs_unos AFTER INSERT ON kurs BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'unos', 'kurs', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'kurs_eur', CASE WHEN NEW.kurs_eur IS NOT NULL THEN json_array(NULL, NEW.kurs_eur) END, 'kurs_chf', CASE WHEN NEW.kurs_chf IS NOT NULL THEN json_array(NULL, NEW.kurs_chf) END,
        'kurs_usd', CASE WHEN NEW.kurs_usd IS NOT NULL THEN json_array(NULL, NEW.kurs_usd) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_kurs_izmena AFTER UPDATE ON kurs BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'izmena', 'kurs', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'kurs_eur', CASE WHEN OLD.kurs_eur IS NOT NEW.kurs_eur THEN json_array(OLD.kurs_eur, NEW.kurs_eur) END, 'kurs_chf', CASE WHEN OLD.kurs_chf IS NOT NEW.kurs_chf THEN json_array(OLD.kurs_chf, NEW.kurs_chf) END,
        'kurs_usd', CASE WHEN OLD.kurs_usd IS NOT NEW.kurs_usd THEN json_array(OLD.kurs_usd, NEW.kurs_usd) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;

CREATE TRIGGER istorija_kurs_brisanje AFTER DELETE ON kurs BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, promene, razlog)
    SELECT k.operater, k.komanda, 'brisanje', 'kurs', '', NULL, strftime('%m', 'now', 'localtime') + 0, strftime('%Y', 'now', 'localtime') + 0, d.promene, k.razlog
    FROM (SELECT json_patch('{}', json_object(
        'kurs_eur', CASE WHEN OLD.kurs_eur IS NOT NULL THEN json_array(OLD.kurs_eur, NULL) END, 'kurs_chf', CASE WHEN OLD.kurs_chf IS NOT NULL THEN json_array(OLD.kurs_chf, NULL) END,
        'kurs_usd', CASE WHEN OLD.kurs_usd IS NOT NULL THEN json_array(OLD.kurs_usd, NULL) END
    )) AS promene) d LEFT JOIN istorija_kontekst k
    WHERE d.promene <> '{}';
END;
