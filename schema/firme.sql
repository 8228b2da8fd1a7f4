-- Register of companies and operators (firme.db), shared by every company under the data root.
-- Types as in the payroll template: LONG, INTEGER (16-bit), TEXT(n), YESNO (0/1).

-- companies; a removed company keeps its row with obrisana = 1
CREATE TABLE firme (
    ID_Firma INTEGER PRIMARY KEY AUTOINCREMENT,
    firma TEXT(100),
    grad TEXT(50),
    sd INTEGER,
    CV TEXT(20),
    Put TEXT(255),
    BoJa TEXT(20),
    obrisana YESNO DEFAULT 0
);

-- operators; pass holds a salted hash, Pristup 0 = every company, otherwise the one ID_Firma
CREATE TABLE operateri (
    ID_OPerater INTEGER PRIMARY KEY AUTOINCREMENT,
    login TEXT(50),
    pass TEXT(255),
    Ime TEXT(50),
    Prezime TEXT(50),
    lk TEXT(50),
    ID_ol LONG,
    paragon_stampac TEXT(100),
    Pristup INTEGER DEFAULT 0
);
CREATE INDEX idx_operateri_login ON operateri(login COLLATE NOCASE);
