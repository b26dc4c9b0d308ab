// Writes the almanac of OrvBirth.dll as TSV files under refdata/OrvBirth/:
//   huangdao_text.tsv   every distinct text of the almanac, once
//   huangdao_entry.tsv  the texts that follow from the month branch and the day's pillar (720 rows)
//   huangdao_day.tsv    one row of small numbers per day, 1901-01-01..2100-12-31
// The view `huangdao` of refdata/schema/OrvBirth.sql joins them into one row of texts per day.
//
// Source: lunar-javascript 1.7.7 (pinned in package.json), for l = Solar.fromYmd(y, m, d).getLunar():
//   岁次      the year, month and day pillars; the year turns on the day of 立春
//             (getYearInGanZhiByLiChun), as the month pillar does on the day of each month's 节
//             (getMonthInGanZhi), so the three pillars always agree by the five-tigers rule (五虎遁)
//   胎神占方  getDayPositionTai()
//   五行      getDayNaYin()
//   冲        getDayChongDesc() + " 煞" + getDaySha()
//   彭祖百忌  getPengZuGan() + " " + getPengZuZhi()
//   吉神宜趋  getDayJiShen(), 宜 getDayYi(), 凶神宜忌 getDayXiongSha(), 忌 getDayJi(), joined by blanks
//   nn        农历 + lunar month and day, the weekday, the day's 值神 with 黄道/黑道
//             (getDayTianShen(), getDayTianShenType()), the 建除 officer (getZhiXing()) and the lunar
//             mansion with its luck (getXiu(), getXiuLuck()):
//             "农历正月初一 星期六 值神金匮(黄道) 满日 氐宿(凶)"
//
// Every text but 岁次 and nn depends only on the month branch and the day's pillar; the generator
// checks this on every day and stops if it ever fails.
//
// Run: cd refdata/generators && npm install && node almanac.mjs

import { createRequire } from 'node:module';
import { writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { almanacOf, BRANCHES, eachDay, FIRST_DAY, gbkCharacters, LAST_DAY, PILLARS } from './almanac_fields.mjs';

const require = createRequire(import.meta.url);
const libVersion = require('lunar-javascript/package.json').version;
const EXPECTED_VERSION = '1.7.7';
const OUT_DIR = join(dirname(fileURLToPath(import.meta.url)), '..', 'OrvBirth');

function fail(msg) {
  console.error(`almanac: ${msg}`);
  process.exit(1);
}

function check(cond, msg) {
  if (!cond) fail(msg);
}

check(libVersion === EXPECTED_VERSION, `lunar-javascript ${libVersion} installed, ${EXPECTED_VERSION} required`);

// ---------------------------------------------------------------- texts

// Each distinct text gets one id, in the order first met. The vocabularies of the day rows come
// first, in their traditional orders, so that their ids read easily: the sixty pillars are 0..59.
const texts = [];
const idOf = new Map();
function textId(text) {
  let id = idOf.get(text);
  if (id === undefined) {
    id = texts.length;
    idOf.set(text, id);
    texts.push(text);
  }
  return id;
}
PILLARS.forEach(textId);

// Gather every day first, so that the lunar months are listed in order with the leap months after.
const days = [];
for (const date of eachDay(FIRST_DAY, LAST_DAY)) days.push(almanacOf(date));
check(days.length === 73049, `${days.length} days`);

const MONTHS = ['正月', '二月', '三月', '四月', '五月', '六月', '七月', '八月', '九月', '十月', '冬月', '腊月'];
const lunarMonths = new Set(days.map((d) => d.lunarMonth));
for (const m of lunarMonths) check(MONTHS.includes(m.replace(/^闰/, '')), `odd lunar month ${m}`);
// The months, then the leap months that occur, in month order.
[...MONTHS, ...MONTHS.map((m) => '闰' + m)].filter((m) => lunarMonths.has(m)).forEach(textId);
const lunarDays = new Map(days.map((d) => [d.lunarDayNumber, d.lunarDay]));
check(lunarDays.size === 30, `${lunarDays.size} lunar day names`);
for (let n = 1; n <= 30; ++n) textId(lunarDays.get(n));
['星期日', '星期一', '星期二', '星期三', '星期四', '星期五', '星期六'].forEach(textId);
const mansions = new Map(days.map((d) => [d.mansionName, d.mansion]));
check(mansions.size === 28, `${mansions.size} mansions`);
[...'角亢氐房心尾箕斗牛女虚危室壁奎娄胃昴毕觜参井鬼柳星张翼轸'].forEach((m) => textId(mansions.get(m)));
const spirits = new Map(days.map((d) => [d.zhishenName, d.zhishen]));
check(spirits.size === 12, `${spirits.size} day spirits`);
['青龙', '明堂', '天刑', '朱雀', '金匮', '天德', '白虎', '玉堂', '天牢', '玄武', '司命', '勾陈']
  .forEach((s) => textId(spirits.get(s)));
['建', '除', '满', '平', '定', '执', '破', '危', '成', '收', '开', '闭'].forEach((o) => textId(o + '日'));
const vocabularySize = texts.length;

// ---------------------------------------------------------------- entries

// The texts of a day that follow from its month branch and its pillar: entry id
// 60 × month branch (0 子 .. 11 亥) + pillar (0 甲子 .. 59 癸亥).
const ENTRY_FIELDS = ['tszf', 'wuhang', 'cong', 'pzbj', 'jsyq', 'yi', 'xsyq', 'ji', 'zhishen', 'jianchu'];
const entries = new Map(); // id -> texts
for (const d of days) {
  const id = 60 * BRANCHES.indexOf(d.monthBranch) + PILLARS.indexOf(d.dayPillar);
  check(id >= 0, `${d.date}: month branch ${d.monthBranch}, pillar ${d.dayPillar}`);
  d.entry = id;
  const values = ENTRY_FIELDS.map((f) => d[f]);
  const known = entries.get(id);
  if (known === undefined) entries.set(id, values);
  else {
    for (let i = 0; i < values.length; ++i) {
      check(known[i] === values[i],
        `${d.date}: ${ENTRY_FIELDS[i]} "${values[i]}" differs from "${known[i]}" of another day with ` +
          `month branch ${d.monthBranch} and pillar ${d.dayPillar}`);
    }
  }
}
check(entries.size === 720, `${entries.size} combinations of month branch and pillar`);
const entryIds = [...entries.keys()].sort((a, b) => a - b);
const entryRows = entryIds.map((id) => [String(id), ...entries.get(id).map((t) => String(textId(t)))]);

// ---------------------------------------------------------------- checks and output

const gbk = gbkCharacters();
for (const t of texts) {
  check(t.length > 0 && t === t.trim() && !/[\t\r\n]/.test(t), `bad text ${JSON.stringify(t)}`);
  for (const ch of t) check(ch < '\x80' || gbk.has(ch), `"${t}": ${ch} is not in GBK`);
}

const dayRows = days.map((d) => [
  d.date,
  ...[d.yearPillar, d.monthPillar, d.dayPillar, d.lunarMonth, d.lunarDay, d.weekday, d.mansion].map((t) => {
    const id = idOf.get(t);
    check(id !== undefined && id < vocabularySize, `${d.date}: "${t}" is not in the vocabulary`);
    return String(id);
  }),
  String(d.entry),
]);

function writeTsv(name, header, rows) {
  for (const row of rows) check(row.length === header.length, `${name}: row width ${row.length}`);
  writeFileSync(join(OUT_DIR, name), [header, ...rows].map((r) => r.join('\t')).join('\n') + '\n', 'utf8');
}

mkdirSync(OUT_DIR, { recursive: true });
writeTsv('huangdao_text.tsv', ['id', 'text'], texts.map((t, i) => [String(i), t]));
writeTsv('huangdao_entry.tsv', ['id', ...ENTRY_FIELDS], entryRows);
writeTsv('huangdao_day.tsv',
  ['gn', 'year_pillar', 'month_pillar', 'day_pillar', 'lunar_month', 'lunar_day', 'weekday', 'mansion', 'entry'],
  dayRows);

console.log(`lunar-javascript ${libVersion}`);
console.log(`huangdao_text.tsv   ${texts.length} texts (${vocabularySize} of the day rows' vocabularies)`);
console.log(`huangdao_entry.tsv  ${entryRows.length} combinations of month branch and pillar`);
console.log(`huangdao_day.tsv    ${dayRows.length} days, ${FIRST_DAY}..${LAST_DAY}`);
