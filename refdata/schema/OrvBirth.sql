-- OrvBirth.dll: the almanac of every day of 1901-01-01..2100-12-31.
--
-- Each distinct text is stored once (huangdao_text); a day is a row of small numbers that name its
-- texts (huangdao_day); the texts that follow from the month branch and the day's pillar are grouped
-- once per combination (huangdao_entry). The view huangdao reads as one row of texts per day.
CREATE TABLE huangdao_text (
    id   INTEGER PRIMARY KEY,
    text TEXT NOT NULL
);
CREATE TABLE huangdao_entry (                 -- id: 60 × month branch (0 子 .. 11 亥) + day pillar (0 甲子 .. 59 癸亥)
    id      INTEGER PRIMARY KEY,
    tszf    INTEGER NOT NULL,                 -- 胎神占方
    wuhang  INTEGER NOT NULL,                 -- 五行 (the day pillar's nayin)
    cong    INTEGER NOT NULL,                 -- 冲 and 煞
    pzbj    INTEGER NOT NULL,                 -- 彭祖百忌
    jsyq    INTEGER NOT NULL,                 -- 吉神宜趋
    yi      INTEGER NOT NULL,                 -- 宜
    xsyq    INTEGER NOT NULL,                 -- 凶神宜忌
    ji      INTEGER NOT NULL,                 -- 忌
    zhishen INTEGER NOT NULL,                 -- 值神 with 黄道 or 黑道
    jianchu INTEGER NOT NULL                  -- 建除 officer
);
CREATE TABLE huangdao_day (
    gn           TEXT NOT NULL PRIMARY KEY,   -- the day, yyyy-mm-dd
    year_pillar  INTEGER NOT NULL,            -- 岁次: the year (from the day of 立春), month and day pillars
    month_pillar INTEGER NOT NULL,
    day_pillar   INTEGER NOT NULL,
    lunar_month  INTEGER NOT NULL,            -- 正月 .. 腊月, 闰 before a leap month
    lunar_day    INTEGER NOT NULL,            -- 初一 .. 三十
    weekday      INTEGER NOT NULL,
    mansion      INTEGER NOT NULL,            -- lunar mansion with its luck
    entry        INTEGER NOT NULL             -- huangdao_entry.id
) WITHOUT ROWID;

-- The almanac as the program reads it: gn the day, nn the text after the date on the overview line.
CREATE VIEW huangdao (gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji) AS
SELECT d.gn,
       '农历' || lm.text || ld.text || ' ' || wd.text || ' ' || zs.text || ' ' || jc.text || ' ' || xiu.text,
       yp.text || '年 ' || mp.text || '月 ' || dp.text || '日',
       tszf.text, wuhang.text, cong.text, pzbj.text, jsyq.text, yi.text, xsyq.text, ji.text
FROM huangdao_day d
JOIN huangdao_entry e ON e.id = d.entry
JOIN huangdao_text yp ON yp.id = d.year_pillar
JOIN huangdao_text mp ON mp.id = d.month_pillar
JOIN huangdao_text dp ON dp.id = d.day_pillar
JOIN huangdao_text lm ON lm.id = d.lunar_month
JOIN huangdao_text ld ON ld.id = d.lunar_day
JOIN huangdao_text wd ON wd.id = d.weekday
JOIN huangdao_text xiu ON xiu.id = d.mansion
JOIN huangdao_text zs ON zs.id = e.zhishen
JOIN huangdao_text jc ON jc.id = e.jianchu
JOIN huangdao_text tszf ON tszf.id = e.tszf
JOIN huangdao_text wuhang ON wuhang.id = e.wuhang
JOIN huangdao_text cong ON cong.id = e.cong
JOIN huangdao_text pzbj ON pzbj.id = e.pzbj
JOIN huangdao_text jsyq ON jsyq.id = e.jsyq
JOIN huangdao_text yi ON yi.id = e.yi
JOIN huangdao_text xsyq ON xsyq.id = e.xsyq
JOIN huangdao_text ji ON ji.id = e.ji;
