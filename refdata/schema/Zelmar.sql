-- Zelmar.dll: characters with strokes, traditional forms and elements; the name pools; stroke-pattern scores.
CREATE TABLE word (
    zi     TEXT NOT NULL PRIMARY KEY, -- one character
    bh     INTEGER NOT NULL,          -- stroke count used for numerology
    ft     TEXT NOT NULL,             -- traditional form; only its first character is used
    wuhang TEXT NOT NULL              -- 金, 木, 水, 火 or 土
);
CREATE TABLE CYZI (                   -- characters for free name positions
    ID     INTEGER PRIMARY KEY,
    zi     TEXT NOT NULL,
    wuhang TEXT NOT NULL,
    ft     TEXT NOT NULL,
    bh     INTEGER NOT NULL
);
CREATE TABLE MZ (                     -- ready two-character name words
    ID     INTEGER PRIMARY KEY,
    zi     TEXT NOT NULL,             -- the two characters
    wuhang TEXT NOT NULL,             -- their two elements
    ft     TEXT NOT NULL,             -- their two traditional forms
    bh     INTEGER NOT NULL,          -- stroke total of the word
    bh1    INTEGER NOT NULL,
    bh2    INTEGER NOT NULL,
    fs     INTEGER NOT NULL           -- the word's own score, 0 to 100
);
CREATE TABLE gz (                     -- lucky stroke patterns by name length
    lx   INTEGER NOT NULL,            -- name length 2, 3 or 4
    bh11 INTEGER NOT NULL,            -- strokes of the first to the fourth character;
    bh12 INTEGER NOT NULL,            -- columns past the name length hold 0
    bh21 INTEGER NOT NULL,
    bh22 INTEGER NOT NULL,
    zf   INTEGER NOT NULL,            -- the pattern's score
    PRIMARY KEY (lx, bh11, bh12, bh21, bh22)
) WITHOUT ROWID;
