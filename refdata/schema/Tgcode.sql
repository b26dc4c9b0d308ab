-- Tgcode.dll: reference tables of the birth chart.
CREATE TABLE hzwh (                   -- element of the stems and branches, grouped by element
    hz TEXT NOT NULL,                 -- the characters of one group
    wh TEXT NOT NULL                  -- their element
);
CREATE TABLE Shishen (
    jiazi   TEXT NOT NULL PRIMARY KEY, -- day stem followed by another stem
    ShiShen TEXT NOT NULL              -- the other stem's ten god
);
CREATE TABLE jiazi (
    jiazi TEXT NOT NULL PRIMARY KEY,   -- a pillar of the sixty
    layin TEXT NOT NULL                -- its nayin
);
CREATE TABLE JQ (
    YearA INTEGER NOT NULL,            -- civil year of the moment
    JQ    TEXT NOT NULL,               -- the term's name
    SJ    TEXT NOT NULL                -- its moment in China time, yyyy-mm-dd hh:mm:ss
);
CREATE INDEX JQ_year ON JQ (YearA, SJ);
