-- The bookkeeping module's account schemes of one year (G<year>/KoSheme2.db), shared by every
-- company of the data root: the journal types a payroll is posted under.
CREATE TABLE nalozi (
    id_nalog LONG,
    Opis TEXT(100)
);
CREATE INDEX idx_nalozi_id ON nalozi(id_nalog);
