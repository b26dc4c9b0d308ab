-- OrvBirth.dll: the almanac, one row per day.
CREATE TABLE huangdao (
    gn     TEXT NOT NULL PRIMARY KEY, -- the day, yyyy-mm-dd
    nn     TEXT NOT NULL,
    suici  TEXT NOT NULL,             -- 岁次
    tszf   TEXT NOT NULL,             -- 胎神占方
    wuhang TEXT NOT NULL,             -- 五行
    cong   TEXT NOT NULL,             -- 冲
    pzbj   TEXT NOT NULL,             -- 彭祖百忌
    jsyq   TEXT NOT NULL,             -- 吉神宜趋
    yi     TEXT NOT NULL,             -- 宜
    xsyq   TEXT NOT NULL,             -- 凶神宜忌
    ji     TEXT NOT NULL              -- 忌
);
