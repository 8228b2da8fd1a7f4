-- The trail of the compensations and other income: each posting, re-posting and deletion of a
-- row leaves one entry with its gross and net before and after, and a row of a filed month
-- changes only while a reason is given (the refusal undoes the statement).

-- Sick leave and maternity compensation: locked by any filed return of the month.
CREATE TRIGGER istorija_bolovanja_obracuni_knjizenje AFTER INSERT ON bolovanja_obracuni BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = NEW.GODINA AND p.mesec = NEW.MEsec)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'knjizenje', 'bolovanja_obracuni', 'rowid=' || NEW.rowid, NEW.ID_RADNIK, NEW.MEsec,
           NEW.GODINA, NULL, NEW.BRUTO, NULL, NEW.NETO, k.razlog
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_bolovanja_obracuni_ponovno_knjizenje AFTER UPDATE ON bolovanja_obracuni BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE (EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = NEW.GODINA AND p.mesec = NEW.MEsec)
           OR EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = OLD.GODINA AND p.mesec = OLD.MEsec))
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'ponovno_knjizenje', 'bolovanja_obracuni', 'rowid=' || NEW.rowid, NEW.ID_RADNIK, NEW.MEsec,
           NEW.GODINA, OLD.BRUTO, NEW.BRUTO, OLD.NETO, NEW.NETO, k.razlog
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_bolovanja_obracuni_brisanje_obracuna AFTER DELETE ON bolovanja_obracuni BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = OLD.GODINA AND p.mesec = OLD.MEsec)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'brisanje_obracuna', 'bolovanja_obracuni', 'rowid=' || OLD.rowid, OLD.ID_RADNIK, OLD.MEsec,
           OLD.GODINA, OLD.BRUTO, NULL, OLD.NETO, NULL, k.razlog
    FROM istorija_kontekst k;
END;

-- The disabled persons' compensation: locked by any filed return of the month.
CREATE TRIGGER istorija_invalidi_obracuni_knjizenje AFTER INSERT ON invalidi_obracuni BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = NEW.GODINA AND p.mesec = NEW.MEsec)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'knjizenje', 'invalidi_obracuni', 'rowid=' || NEW.rowid, NEW.ID_RADNIK, NEW.MEsec,
           NEW.GODINA, NULL, NEW.BRUTO, NULL, NEW.NETO, k.razlog
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_invalidi_obracuni_ponovno_knjizenje AFTER UPDATE ON invalidi_obracuni BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE (EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = NEW.GODINA AND p.mesec = NEW.MEsec)
           OR EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = OLD.GODINA AND p.mesec = OLD.MEsec))
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'ponovno_knjizenje', 'invalidi_obracuni', 'rowid=' || NEW.rowid, NEW.ID_RADNIK, NEW.MEsec,
           NEW.GODINA, OLD.BRUTO, NEW.BRUTO, OLD.NETO, NEW.NETO, k.razlog
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_invalidi_obracuni_brisanje_obracuna AFTER DELETE ON invalidi_obracuni BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = OLD.GODINA AND p.mesec = OLD.MEsec)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'brisanje_obracuna', 'invalidi_obracuni', 'rowid=' || OLD.rowid, OLD.ID_RADNIK, OLD.MEsec,
           OLD.GODINA, OLD.BRUTO, NULL, OLD.NETO, NULL, k.razlog
    FROM istorija_kontekst k;
END;

-- Other income and awards: a person's row of a payment order, in the month of the order's date,
-- locked by any filed return of that month.
CREATE TRIGGER istorija_obracun_ostale_zarade_knjizenje AFTER INSERT ON obracun_ostale_zarade BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = strftime('%Y', (SELECT n.Datum FROM nalozi_ostale_zarade n WHERE n.id_noz = NEW.id_noz)) + 0 AND p.mesec = strftime('%m', (SELECT n.Datum FROM nalozi_ostale_zarade n WHERE n.id_noz = NEW.id_noz)) + 0)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'knjizenje', 'obracun_ostale_zarade', 'id_ooz=' || NEW.id_ooz, NEW.ID_RADNIK,
           strftime('%m', d.Datum) + 0, strftime('%Y', d.Datum) + 0, NULL, NEW.BRUTO, NULL, NEW.NETO, k.razlog
    FROM istorija_kontekst k LEFT JOIN nalozi_ostale_zarade d ON d.id_noz = NEW.id_noz;
END;
CREATE TRIGGER istorija_obracun_ostale_zarade_ponovno_knjizenje AFTER UPDATE ON obracun_ostale_zarade BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE (EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = strftime('%Y', (SELECT n.Datum FROM nalozi_ostale_zarade n WHERE n.id_noz = NEW.id_noz)) + 0 AND p.mesec = strftime('%m', (SELECT n.Datum FROM nalozi_ostale_zarade n WHERE n.id_noz = NEW.id_noz)) + 0)
           OR EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = strftime('%Y', (SELECT n.Datum FROM nalozi_ostale_zarade n WHERE n.id_noz = OLD.id_noz)) + 0 AND p.mesec = strftime('%m', (SELECT n.Datum FROM nalozi_ostale_zarade n WHERE n.id_noz = OLD.id_noz)) + 0))
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'ponovno_knjizenje', 'obracun_ostale_zarade', 'id_ooz=' || NEW.id_ooz, NEW.ID_RADNIK,
           strftime('%m', d.Datum) + 0, strftime('%Y', d.Datum) + 0, OLD.BRUTO, NEW.BRUTO, OLD.NETO, NEW.NETO, k.razlog
    FROM istorija_kontekst k LEFT JOIN nalozi_ostale_zarade d ON d.id_noz = NEW.id_noz;
END;
CREATE TRIGGER istorija_obracun_ostale_zarade_brisanje_obracuna AFTER DELETE ON obracun_ostale_zarade BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = strftime('%Y', (SELECT n.Datum FROM nalozi_ostale_zarade n WHERE n.id_noz = OLD.id_noz)) + 0 AND p.mesec = strftime('%m', (SELECT n.Datum FROM nalozi_ostale_zarade n WHERE n.id_noz = OLD.id_noz)) + 0)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'brisanje_obracuna', 'obracun_ostale_zarade', 'id_ooz=' || OLD.id_ooz, OLD.ID_RADNIK,
           strftime('%m', d.Datum) + 0, strftime('%Y', d.Datum) + 0, OLD.BRUTO, NULL, OLD.NETO, NULL, k.razlog
    FROM istorija_kontekst k LEFT JOIN nalozi_ostale_zarade d ON d.id_noz = OLD.id_noz;
END;

-- The payment order itself, with the gross and net of its persons (nought while it has none);
-- marking it deleted is its deletion. An order dated in a filed month, or moved into or out of
-- one, changes only with a reason.
CREATE TRIGGER istorija_nalozi_ostale_zarade_knjizenje AFTER INSERT ON nalozi_ostale_zarade BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = strftime('%Y', NEW.Datum) + 0 AND p.mesec = strftime('%m', NEW.Datum) + 0)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'knjizenje', 'nalozi_ostale_zarade', 'id_noz=' || NEW.id_noz, NULL,
           COALESCE(strftime('%m', NEW.Datum) + 0, strftime('%m', 'now', 'localtime') + 0),
           COALESCE(strftime('%Y', NEW.Datum) + 0, strftime('%Y', 'now', 'localtime') + 0),
           NULL, (SELECT COALESCE(SUM(o.BRUTO), 0) FROM obracun_ostale_zarade o WHERE o.id_noz = NEW.id_noz), NULL, (SELECT COALESCE(SUM(o.NETO), 0) FROM obracun_ostale_zarade o WHERE o.id_noz = NEW.id_noz), k.razlog
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_nalozi_ostale_zarade_ponovno_knjizenje AFTER UPDATE ON nalozi_ostale_zarade BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE (EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = strftime('%Y', NEW.Datum) + 0 AND p.mesec = strftime('%m', NEW.Datum) + 0)
           OR EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = strftime('%Y', OLD.Datum) + 0 AND p.mesec = strftime('%m', OLD.Datum) + 0))
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, CASE WHEN COALESCE(NEW.obrisan, 0) <> 0 AND COALESCE(OLD.obrisan, 0) = 0 THEN 'brisanje_obracuna'
                ELSE 'ponovno_knjizenje' END, 'nalozi_ostale_zarade', 'id_noz=' || NEW.id_noz, NULL,
           COALESCE(strftime('%m', NEW.Datum) + 0, strftime('%m', 'now', 'localtime') + 0),
           COALESCE(strftime('%Y', NEW.Datum) + 0, strftime('%Y', 'now', 'localtime') + 0),
           (SELECT COALESCE(SUM(o.BRUTO), 0) FROM obracun_ostale_zarade o WHERE o.id_noz = NEW.id_noz), CASE WHEN COALESCE(NEW.obrisan, 0) <> 0 THEN NULL ELSE (SELECT COALESCE(SUM(o.BRUTO), 0) FROM obracun_ostale_zarade o WHERE o.id_noz = NEW.id_noz) END,
           (SELECT COALESCE(SUM(o.NETO), 0) FROM obracun_ostale_zarade o WHERE o.id_noz = NEW.id_noz), CASE WHEN COALESCE(NEW.obrisan, 0) <> 0 THEN NULL ELSE (SELECT COALESCE(SUM(o.NETO), 0) FROM obracun_ostale_zarade o WHERE o.id_noz = NEW.id_noz) END, k.razlog
    FROM istorija_kontekst k;
END;
CREATE TRIGGER istorija_nalozi_ostale_zarade_brisanje_obracuna AFTER DELETE ON nalozi_ostale_zarade BEGIN
    SELECT RAISE(ABORT, 'Obracun predatog meseca se menja samo uz sifru i razlog')
    WHERE EXISTS (SELECT 1 FROM predati_meseci p WHERE p.godina = strftime('%Y', OLD.Datum) + 0 AND p.mesec = strftime('%m', OLD.Datum) + 0)
      AND COALESCE((SELECT razlog FROM istorija_kontekst), '') = '';
    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, godina, bruto_pre, bruto_posle,
                                 neto_pre, neto_posle, razlog)
    SELECT k.operater, k.komanda, 'brisanje_obracuna', 'nalozi_ostale_zarade', 'id_noz=' || OLD.id_noz, NULL,
           COALESCE(strftime('%m', OLD.Datum) + 0, strftime('%m', 'now', 'localtime') + 0),
           COALESCE(strftime('%Y', OLD.Datum) + 0, strftime('%Y', 'now', 'localtime') + 0),
           (SELECT COALESCE(SUM(o.BRUTO), 0) FROM obracun_ostale_zarade o WHERE o.id_noz = OLD.id_noz), NULL, (SELECT COALESCE(SUM(o.NETO), 0) FROM obracun_ostale_zarade o WHERE o.id_noz = OLD.id_noz), NULL, k.razlog
    FROM istorija_kontekst k;
END;
