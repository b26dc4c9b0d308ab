-- Zelmar.dll: characters with strokes, traditional forms and elements; the name pools; stroke-pattern scores.
CREATE TABLE word (
    zi     TEXT NOT NULL PRIMARY KEY, -- one character
    bh     INTEGER NOT NULL,          -- stroke count used for numerology
    ft     TEXT NOT NULL,             -- traditional form; only its first character is used
    wuhang TEXT NOT NULL,             -- 金, 木, 水, 火 or 土
    py     TEXT NOT NULL              -- the first Mandarin reading without tone (ü as v), or ''
);
CREATE TABLE CYZI (                   -- characters for free name positions: the business-name pool
    ID     INTEGER PRIMARY KEY,
    zi     TEXT NOT NULL,
    wuhang TEXT NOT NULL,
    ft     TEXT NOT NULL,
    bh     INTEGER NOT NULL,
    role   TEXT NOT NULL,             -- where it sits well in a body: first, last or either
    gloss  TEXT NOT NULL,             -- its meaning for a business name, a few words
    ending INTEGER NOT NULL           -- 1: a traditional trade ending (达 昌 隆 祥 源 ...), closes a body
);
CREATE TABLE MZ (                     -- ready two-character name words
    ID     INTEGER PRIMARY KEY,
    zi     TEXT NOT NULL,             -- the two characters
    wuhang TEXT NOT NULL,             -- their two elements
    ft     TEXT NOT NULL,             -- their two traditional forms
    bh     INTEGER NOT NULL,          -- stroke total of the word
    bh1    INTEGER NOT NULL,
    bh2    INTEGER NOT NULL,
    fs     INTEGER NOT NULL,          -- the word's own score, 0 to 100
    grade  TEXT NOT NULL,             -- A: stands as a name on its own; B: ordinary
    place  TEXT NOT NULL              -- grade A: head, tail or both half of a four-character name
);
CREATE TABLE SZ (                     -- two-character bodies rated whole: a head character and a trade ending
    ID     INTEGER PRIMARY KEY,
    zi     TEXT NOT NULL,             -- the two characters
    wuhang TEXT NOT NULL,             -- their two elements
    ft     TEXT NOT NULL,             -- their two traditional forms
    bh     INTEGER NOT NULL,          -- stroke total of the body
    bh1    INTEGER NOT NULL,
    bh2    INTEGER NOT NULL,
    grade  TEXT NOT NULL              -- A: read as a shop name; B: sound, but the pairing is loose
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
CREATE TABLE avoid (                  -- what gives a name an unfortunate sense
    kind   TEXT NOT NULL,             -- char, pair or pinyin
    text   TEXT NOT NULL,             -- the character, the two characters, or one or two toneless syllables
    reason TEXT NOT NULL
);
