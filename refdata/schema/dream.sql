-- dream.dll: the dream dictionary, phone-number readings and the bone-weight fortune.
CREATE TABLE Tclass (
    ZMID    TEXT NOT NULL PRIMARY KEY, -- category key
    ZMCLASS TEXT NOT NULL              -- category name
);
CREATE TABLE JMTable (
    CLASEID TEXT NOT NULL,             -- category key
    TITLE   TEXT NOT NULL,             -- entry title
    CONENT  TEXT NOT NULL              -- entry text, stored scrambled
);
CREATE INDEX JMTable_class ON JMTable (CLASEID);
CREATE INDEX JMTable_title ON JMTable (TITLE);
CREATE TABLE shouji (
    num     TEXT NOT NULL PRIMARY KEY,
    title   TEXT NOT NULL,
    jx      TEXT NOT NULL,
    content TEXT NOT NULL
);
CREATE TABLE chenggu (
    weight   TEXT NOT NULL PRIMARY KEY, -- total bone weight as its key text
    content  TEXT NOT NULL,             -- the verse
    content2 TEXT NOT NULL              -- its explanation
);
CREATE TABLE chenggu1 (year TEXT NOT NULL PRIMARY KEY, weight REAL NOT NULL);   -- weight in 两
CREATE TABLE chenggu2 (month2 TEXT NOT NULL PRIMARY KEY, weight REAL NOT NULL);
CREATE TABLE chenggu3 (day2 TEXT NOT NULL PRIMARY KEY, weight REAL NOT NULL);
CREATE TABLE chenggu4 (time TEXT NOT NULL PRIMARY KEY, weight REAL NOT NULL);
