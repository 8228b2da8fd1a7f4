-- The history of changes: who changed what and when. Rows are only ever added; the triggers
-- below refuse every change and removal of a history row, so the key grows by itself without
-- AUTOINCREMENT and the table carries no index: a posting pays for one row and nothing more.
CREATE TABLE istorija_promena (
    id_istorija INTEGER PRIMARY KEY,
    vreme DATE DEFAULT (datetime('now', 'localtime')), -- empty only for a calculation posted
                                                       -- outside the program (see the context)
    operater TEXT(100),
    komanda TEXT(100),
    vrsta TEXT(30),     -- unos, izmena, brisanje, knjizenje, ponovno_knjizenje, brisanje_obracuna,
                        -- izvoz, sema, pomocna, predat_mesec, povucen_mesec
    tabela TEXT(50),
    kljuc TEXT(50),     -- the changed row's key, "id_radnik=5"; empty for single-row tables
    id_radnik LONG,     -- the employee the change concerns
    mesec INTEGER,      -- the calculated month, else the month the change was made
    godina INTEGER,
    promene TEXT,       -- {"column": [before, after], ...}
    bruto_pre CURRENCY, -- a salary's gross and net before and after its posting
    bruto_posle CURRENCY,
    neto_pre CURRENCY,
    neto_posle CURRENCY,
    razlog TEXT,        -- the reason given for changing a filed month
    opis TEXT           -- what the entry adds: the file written, its checksum, the procedure
);

CREATE TRIGGER istorija_promena_bez_izmene BEFORE UPDATE ON istorija_promena BEGIN
    SELECT RAISE(ABORT, 'Istorija promena se ne menja');
END;
CREATE TRIGGER istorija_promena_bez_brisanja BEFORE DELETE ON istorija_promena BEGIN
    SELECT RAISE(ABORT, 'Istorija promena se ne brise');
END;

-- Who works and with which command; a reason is present only while a filed month is changed
-- under the operator's access code; the time while the program posts or re-posts salaries.
-- Exactly one row.
CREATE TABLE istorija_kontekst (
    operater TEXT(100),
    komanda TEXT(100),
    razlog TEXT,
    vreme DATE
);
INSERT INTO istorija_kontekst (operater) VALUES (NULL);
-- The postings read the one row as it stands, so it is never removed.
CREATE TRIGGER istorija_kontekst_ostaje BEFORE DELETE ON istorija_kontekst BEGIN
    SELECT RAISE(ABORT, 'Kontekst istorije promena se ne brise');
END;

-- Months whose return has been filed: the month, the payment (0 the month in one payment,
-- 1 the first part, 2 the final part), the file and the SHA-256 of its content.
CREATE TABLE predati_meseci (
    id_predat INTEGER PRIMARY KEY AUTOINCREMENT,
    godina INTEGER,
    mesec INTEGER,
    deo INTEGER,
    fajl TEXT(255),
    kontrolni_zbir TEXT(64),
    vreme DATE NOT NULL DEFAULT (datetime('now', 'localtime'))
);
CREATE INDEX predati_meseci_mesec ON predati_meseci (godina, mesec, deo);

CREATE TRIGGER istorija_predati_meseci_unos AFTER INSERT ON predati_meseci BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, mesec, godina, razlog, opis)
    SELECT k.operater, k.komanda, 'predat_mesec', 'predati_meseci', 'deo=' || NEW.deo, NEW.mesec,
           NEW.godina, k.razlog, NEW.fajl || ' SHA-256 ' || NEW.kontrolni_zbir
    FROM (SELECT 1) LEFT JOIN istorija_kontekst k;
END;
CREATE TRIGGER istorija_predati_meseci_izmena AFTER UPDATE ON predati_meseci BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, mesec, godina, razlog, opis)
    SELECT k.operater, k.komanda, 'predat_mesec', 'predati_meseci', 'deo=' || NEW.deo, NEW.mesec,
           NEW.godina, k.razlog, NEW.fajl || ' SHA-256 ' || NEW.kontrolni_zbir
    FROM (SELECT 1) LEFT JOIN istorija_kontekst k;
END;
-- Lifting the mark needs the reason given with the access code.
CREATE TRIGGER predati_meseci_povlacenje BEFORE DELETE ON predati_meseci
WHEN COALESCE((SELECT razlog FROM istorija_kontekst), '') = '' BEGIN
    SELECT RAISE(ABORT, 'Predaja meseca se povlaci samo uz sifru i razlog');
END;
CREATE TRIGGER istorija_predati_meseci_povlacenje AFTER DELETE ON predati_meseci BEGIN
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, mesec, godina, razlog, opis)
    SELECT k.operater, k.komanda, 'povucen_mesec', 'predati_meseci', 'deo=' || OLD.deo, OLD.mesec,
           OLD.godina, k.razlog, OLD.fajl || ' SHA-256 ' || OLD.kontrolni_zbir
    FROM (SELECT 1) LEFT JOIN istorija_kontekst k;
END;

-- A salary of a filed month changes only while a reason is given; each posting, re-posting and
-- deletion of a salary leaves one entry with its gross and net before and after.
--
-- A batch posts ten thousand salaries, one statement each, so the triggers of posting and
-- re-posting are kept lean: they call no SQL function and raise no ABORT, either of which would
-- make SQLite keep a statement journal for every posting, dearer than the entry itself. Their
-- entries carry the time the program stated in the context as the posting or run began, and a
-- refusal undoes the whole transaction the change came in. A deletion is rarer and keeps the
-- clock and the refusal of the one statement.
CREATE TRIGGER istorija_obracuni_knjizenje AFTER INSERT ON obracuni BEGIN
    INSERT INTO istorija_promena (vreme, operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre,
                                 bruto_posle, neto_pre, neto_posle, razlog)
    SELECT k.vreme, k.operater, k.komanda, 'knjizenje', 'obracuni', NEW.Id_obracun, NEW.ID_RADNIK, NEW.MEsec, NEW.GODINA,
           NULL, NEW.BRUTO, NULL, NEW.NETO,
           CASE WHEN COALESCE(k.razlog, '') = ''
                 AND EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = NEW.GODINA AND p.mesec = NEW.MEsec AND p.deo <> 1)
                THEN RAISE(ROLLBACK, 'Obracun predatog meseca se menja samo uz sifru i razlog')
                ELSE k.razlog END
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_obracuni_ponovno_knjizenje AFTER UPDATE ON obracuni BEGIN
    INSERT INTO istorija_promena (vreme, operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre,
                                 bruto_posle, neto_pre, neto_posle, razlog)
    SELECT k.vreme, k.operater, k.komanda, 'ponovno_knjizenje', 'obracuni', NEW.Id_obracun, NEW.ID_RADNIK, NEW.MEsec, NEW.GODINA,
           OLD.BRUTO, NEW.BRUTO, OLD.NETO, NEW.NETO,
           CASE WHEN COALESCE(k.razlog, '') = ''
                 AND EXISTS (SELECT 1 FROM predati_meseci p WHERE ((p.godina = NEW.GODINA AND p.mesec = NEW.MEsec) OR (p.godina = OLD.GODINA AND p.mesec = OLD.MEsec)) AND p.deo <> 1)
                THEN RAISE(ROLLBACK, 'Obracun predatog meseca se menja samo uz sifru i razlog')
                ELSE k.razlog END
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_obracuni_brisanje_obracuna AFTER DELETE ON obracuni BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = OLD.GODINA AND p.mesec = OLD.MEsec AND p.deo <> 1)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'brisanje_obracuna', 'obracuni', OLD.Id_obracun, OLD.ID_RADNIK, OLD.MEsec,
           OLD.GODINA, OLD.BRUTO, NULL, OLD.NETO, NULL, k.razlog
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_akontacija_obracuni_knjizenje AFTER INSERT ON akontacija_obracuni BEGIN
    INSERT INTO istorija_promena (vreme, operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre,
                                 bruto_posle, neto_pre, neto_posle, razlog)
    SELECT k.vreme, k.operater, k.komanda, 'knjizenje', 'akontacija_obracuni', NEW.Id_obracun, NEW.ID_RADNIK, NEW.MEsec, NEW.GODINA,
           NULL, NEW.BRUTO, NULL, NEW.NETO,
           CASE WHEN COALESCE(k.razlog, '') = ''
                 AND EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = NEW.GODINA AND p.mesec = NEW.MEsec AND p.deo IN (1, 2))
                THEN RAISE(ROLLBACK, 'Obracun predatog meseca se menja samo uz sifru i razlog')
                ELSE k.razlog END
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_akontacija_obracuni_ponovno_knjizenje AFTER UPDATE ON akontacija_obracuni BEGIN
    INSERT INTO istorija_promena (vreme, operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre,
                                 bruto_posle, neto_pre, neto_posle, razlog)
    SELECT k.vreme, k.operater, k.komanda, 'ponovno_knjizenje', 'akontacija_obracuni', NEW.Id_obracun, NEW.ID_RADNIK, NEW.MEsec, NEW.GODINA,
           OLD.BRUTO, NEW.BRUTO, OLD.NETO, NEW.NETO,
           CASE WHEN COALESCE(k.razlog, '') = ''
                 AND EXISTS (SELECT 1 FROM predati_meseci p WHERE ((p.godina = NEW.GODINA AND p.mesec = NEW.MEsec) OR (p.godina = OLD.GODINA AND p.mesec = OLD.MEsec)) AND p.deo IN (1, 2))
                THEN RAISE(ROLLBACK, 'Obracun predatog meseca se menja samo uz sifru i razlog')
                ELSE k.razlog END
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_akontacija_obracuni_brisanje_obracuna AFTER DELETE ON akontacija_obracuni BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = OLD.GODINA AND p.mesec = OLD.MEsec AND p.deo IN (1, 2))
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'brisanje_obracuna', 'akontacija_obracuni', OLD.Id_obracun, OLD.ID_RADNIK, OLD.MEsec,
           OLD.GODINA, OLD.BRUTO, NULL, OLD.NETO, NULL, k.razlog
    FROM istorija_kontekst k;
END;
