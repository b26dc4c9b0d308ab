// Writes the tables of Tgcode.dll as TSV files under refdata/Tgcode/:
//   hzwh.tsv     stems and branches grouped by element
//   Shishen.tsv  ten gods of every ordered pair of stems
//   jiazi.tsv    the sixty pillars with their nayin
//   JQ.tsv       the 24 solar terms of every civil year 1900..2100 (UTC+8)
//
// Source: lunar-javascript 1.7.7 (pinned in package.json). Its tables are
// cross-checked against the traditional rules; any disagreement aborts.
//
// Run: cd refdata/generators && npm install && node tgcode.mjs

import { createRequire } from 'node:module';
import { writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const { Lunar, LunarUtil } = require('lunar-javascript');
const libVersion = require('lunar-javascript/package.json').version;

const EXPECTED_VERSION = '1.7.7';
const OUT_DIR = join(dirname(fileURLToPath(import.meta.url)), '..', 'Tgcode');

const FIRST_YEAR = 1900;
const LAST_YEAR = 2100;

const STEMS = [...'甲乙丙丁戊己庚辛壬癸'];
const BRANCHES = [...'子丑寅卯辰巳午未申酉戌亥'];
const YANG_STEMS = new Set([...'甲丙戊庚壬']);

// Elements in production order: each one produces the next (木→火→土→金→水→木)
// and controls the one two places further on (木→土→水→火→金→木).
const PRODUCTION_CYCLE = [...'木火土金水'];

function fail(msg) {
  console.error(`tgcode: ${msg}`);
  process.exit(1);
}

function check(cond, msg) {
  if (!cond) fail(msg);
}

function writeTsv(name, header, rows) {
  for (const row of rows) {
    check(row.length === header.length, `${name}: row width ${row.length} != ${header.length}`);
    for (const f of row) {
      check(typeof f === 'string' && f.length > 0 && !/[\t\r\n]/.test(f),
        `${name}: bad field ${JSON.stringify(f)}`);
    }
  }
  const text = [header, ...rows].map((r) => r.join('\t')).join('\n') + '\n';
  writeFileSync(join(OUT_DIR, name), text, 'utf8');
  return rows.length;
}

check(libVersion === EXPECTED_VERSION,
  `lunar-javascript ${libVersion} installed, ${EXPECTED_VERSION} required`);
mkdirSync(OUT_DIR, { recursive: true });

// ---------------------------------------------------------------- elements

function elementOf(ch) {
  const e = LunarUtil.WU_XING_GAN[ch] ?? LunarUtil.WU_XING_ZHI[ch];
  check(PRODUCTION_CYCLE.includes(e), `no element for ${ch}`);
  return e;
}

// Stored order of the groups, and of the characters inside each group, is the
// one the table has always had (stems, then branches as traditionally listed).
const HZWH = [
  ['庚辛申酉', '金'],
  ['甲乙寅卯', '木'],
  ['壬癸亥子', '水'],
  ['丙丁巳午', '火'],
  ['戊己辰戌丑未', '土'],
];

{
  const seen = new Set();
  for (const [hz, wh] of HZWH) {
    for (const ch of hz) {
      check(!seen.has(ch), `hzwh: ${ch} listed twice`);
      seen.add(ch);
      check(elementOf(ch) === wh, `hzwh: ${ch} is ${elementOf(ch)} in lunar-javascript, table says ${wh}`);
    }
  }
  check(seen.size === 22 && [...STEMS, ...BRANCHES].every((c) => seen.has(c)),
    'hzwh: groups must cover the 10 stems and 12 branches');
}
const hzwhRows = writeTsv('hzwh.tsv', ['hz', 'wh'], HZWH);

// ---------------------------------------------------------------- ten gods

function tenGod(day, other) {
  const a = PRODUCTION_CYCLE.indexOf(elementOf(day));
  const b = PRODUCTION_CYCLE.indexOf(elementOf(other));
  const same = YANG_STEMS.has(day) === YANG_STEMS.has(other);
  switch ((b - a + 5) % 5) {
    case 0: return same ? '比肩' : '劫财'; // same element
    case 1: return same ? '食神' : '伤官'; // the day stem produces it
    case 2: return same ? '偏财' : '正财'; // the day stem controls it
    case 3: return same ? '七杀' : '正官'; // it controls the day stem
    case 4: return same ? '偏印' : '正印'; // it produces the day stem
  }
  return fail('unreachable');
}

const shishen = [];
for (const day of STEMS) {
  for (const other of STEMS) {
    const key = day + other;
    const god = tenGod(day, other);
    check(LunarUtil.SHI_SHEN[key] === god,
      `Shishen: ${key} is ${LunarUtil.SHI_SHEN[key]} in lunar-javascript, rule gives ${god}`);
    shishen.push([key, god]);
  }
}
const shishenRows = writeTsv('Shishen.tsv', ['jiazi', 'ShiShen'], shishen);

// ---------------------------------------------------------------- nayin

// Element of a pillar's nayin by the counting method: stems 甲乙 1, 丙丁 2,
// 戊己 3, 庚辛 4, 壬癸 5; branches 子丑午未 1, 寅卯申酉 2, 辰巳戌亥 3; the sum
// taken mod 5 gives 1 木, 2 金, 3 水, 4 火, 0 土.
function nayinElement(pillar) {
  const s = Math.floor(STEMS.indexOf(pillar[0]) / 2) + 1;
  const b = [1, 1, 2, 2, 3, 3][BRANCHES.indexOf(pillar[1]) % 6];
  return ['土', '木', '金', '水', '火'][(s + b) % 5];
}

const pillars = [];
for (let i = 0; i < 60; i++) pillars.push(STEMS[i % 10] + BRANCHES[i % 12]);
check(pillars.join() === LunarUtil.JIA_ZI.join(), 'jiazi: cycle order differs from lunar-javascript');

const jiazi = [];
for (let i = 0; i < 60; i++) {
  const p = pillars[i];
  const name = LunarUtil.NAYIN[p];
  check(typeof name === 'string' && name.length === 3, `jiazi: no nayin for ${p}`);
  check(name[2] === nayinElement(p), `jiazi: ${p} ${name} but the counting method gives ${nayinElement(p)}`);
  // Pillars come in pairs (甲子 乙丑, 丙寅 丁卯, ...) sharing one nayin.
  if (i % 2 === 1) check(name === jiazi[i - 1][1], `jiazi: ${pillars[i - 1]} and ${p} differ`);
  else if (i > 0) check(name !== jiazi[i - 1][1], `jiazi: ${p} repeats the previous nayin`);
  jiazi.push([p, name]);
}
check(new Set(jiazi.map((r) => r[1])).size === 30, 'jiazi: expected 30 distinct nayin');
for (const [p, n] of [['甲子', '海中金'], ['甲辰', '覆灯火'], ['壬戌', '大海水']]) {
  check(LunarUtil.NAYIN[p] === n, `jiazi: ${p} should be ${n}`);
}
const jiaziRows = writeTsv('jiazi.tsv', ['jiazi', 'layin'], jiazi);

// ---------------------------------------------------------------- solar terms

// Civil-year order of the terms: 小寒 (early January) to 冬至 (late December).
const TERMS = [
  '小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨',
  '立夏', '小满', '芒种', '夏至', '小暑', '大暑', '立秋', '处暑',
  '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至',
];
// A lunar year's term table names the terms that belong to the neighbouring
// years in pinyin.
const PINYIN = {
  XIAO_HAN: '小寒', DA_HAN: '大寒', LI_CHUN: '立春', YU_SHUI: '雨水',
  JING_ZHE: '惊蛰', CHUN_FEN: '春分', QING_MING: '清明', GU_YU: '谷雨',
  LI_XIA: '立夏', XIAO_MAN: '小满', MANG_ZHONG: '芒种', XIA_ZHI: '夏至',
  XIAO_SHU: '小暑', DA_SHU: '大暑', LI_QIU: '立秋', CHU_SHU: '处暑',
  BAI_LU: '白露', QIU_FEN: '秋分', HAN_LU: '寒露', SHUANG_JIANG: '霜降',
  LI_DONG: '立冬', XIAO_XUE: '小雪', DA_XUE: '大雪', DONG_ZHI: '冬至',
};

const moments = new Map(); // "year|name" -> "yyyy-mm-dd hh:mm:ss"
const conflicts = [];
for (let ly = FIRST_YEAR - 1; ly <= LAST_YEAR + 1; ly++) {
  const table = Lunar.fromYmd(ly, 1, 1).getJieQiTable();
  for (const [key, solar] of Object.entries(table)) {
    const name = TERMS.includes(key) ? key : PINYIN[key];
    check(name !== undefined, `JQ: unknown term key ${key} in lunar year ${ly}`);
    const when = solar.toYmdHms();
    check(/^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}$/.test(when), `JQ: odd moment ${when}`);
    const id = `${solar.getYear()}|${name}`;
    const prev = moments.get(id);
    if (prev === undefined) moments.set(id, when);
    else if (prev !== when) conflicts.push(`${id}: ${prev} vs ${when}`);
  }
}
check(conflicts.length === 0, `JQ: neighbouring lunar years disagree:\n  ${conflicts.join('\n  ')}`);

const jq = [];
for (let y = FIRST_YEAR; y <= LAST_YEAR; y++) {
  const terms = [];
  for (const name of TERMS) {
    const when = moments.get(`${y}|${name}`);
    check(when !== undefined, `JQ: ${y} has no ${name}`);
    check(when.startsWith(`${y}-`), `JQ: ${y} ${name} at ${when}`);
    terms.push([String(y), name, when]);
  }
  // Stored order is by moment; it must coincide with the civil-year term order.
  const byMoment = [...terms].sort((a, b) => (a[2] < b[2] ? -1 : a[2] > b[2] ? 1 : 0));
  check(byMoment.every((t, i) => t[1] === TERMS[i]), `JQ: ${y} terms out of order`);
  for (let i = 1; i < 24; i++) check(byMoment[i - 1][2] < byMoment[i][2], `JQ: ${y} two terms at one moment`);
  // Two terms in each month: the odd-numbered one (节) then the even one (中气).
  for (let m = 1; m <= 12; m++) {
    const mm = String(m).padStart(2, '0');
    const inMonth = byMoment.filter((t) => t[2].slice(5, 7) === mm).map((t) => t[1]);
    check(inMonth.length === 2 && inMonth[0] === TERMS[2 * m - 2] && inMonth[1] === TERMS[2 * m - 1],
      `JQ: ${y}-${mm} holds ${inMonth.join(',')}`);
  }
  jq.push(...byMoment);
}
check(moments.get('2024|立春') === '2024-02-04 16:27:07', `JQ: 立春 2024 is ${moments.get('2024|立春')}`);
const jqRows = writeTsv('JQ.tsv', ['YearA', 'JQ', 'SJ'], jq);
check(jqRows === (LAST_YEAR - FIRST_YEAR + 1) * 24, `JQ: ${jqRows} rows`);

// ---------------------------------------------------------------- summary

console.log(`lunar-javascript ${libVersion}`);
console.log(`hzwh.tsv     ${hzwhRows} rows`);
console.log(`Shishen.tsv  ${shishenRows} rows (agree with LunarUtil.SHI_SHEN)`);
console.log(`jiazi.tsv    ${jiaziRows} rows (agree with the counting method; 甲午 ${LunarUtil.NAYIN['甲午']}, 丙辰 ${LunarUtil.NAYIN['丙辰']})`);
console.log(`JQ.tsv       ${jqRows} rows, ${FIRST_YEAR}..${LAST_YEAR}, 24 terms a year, 2 a month`);
console.log(`             first ${jq[0].join(' ')}, last ${jq[jq.length - 1].join(' ')}`);
console.log(`             立春 2024 ${moments.get('2024|立春')}`);
