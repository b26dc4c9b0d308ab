// The almanac texts of one day as lunar-javascript 1.7.7 gives them, in the program's wording; shared
// by the generator (almanac.mjs) and the cross-check of the built file (crosscheck_almanac.mjs).
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const { Solar } = require('lunar-javascript');

export const FIRST_DAY = '1901-01-01';
export const LAST_DAY = '2100-12-31';

const STEMS = [...'甲乙丙丁戊己庚辛壬癸'];
export const BRANCHES = [...'子丑寅卯辰巳午未申酉戌亥'];
export const PILLARS = Array.from({ length: 60 }, (_, i) => STEMS[i % 10] + BRANCHES[i % 12]);

// The days from `first` to `last`, both included, as yyyy-mm-dd.
export function* eachDay(first, last) {
  const day = new Date(first + 'T00:00:00Z');
  const end = new Date(last + 'T00:00:00Z');
  for (; day <= end; day.setUTCDate(day.getUTCDate() + 1)) yield day.toISOString().slice(0, 10);
}

// The almanac of a day (yyyy-mm-dd): the ten texts of its row and the parts they are made of.
export function almanacOf(date) {
  const [y, m, d] = date.split('-').map(Number);
  const l = Solar.fromYmd(y, m, d).getLunar();
  const a = {
    date,
    yearPillar: l.getYearInGanZhiByLiChun(),
    monthPillar: l.getMonthInGanZhi(),
    dayPillar: l.getDayInGanZhi(),
    monthBranch: l.getMonthZhi(),
    lunarMonth: l.getMonthInChinese() + '月',
    lunarDay: l.getDayInChinese(),
    lunarDayNumber: l.getDay(),
    weekday: '星期' + l.getSolar().getWeekInChinese(),
    mansionName: l.getXiu(),
    mansion: `${l.getXiu()}宿(${l.getXiuLuck()})`,
    zhishenName: l.getDayTianShen(),
    zhishen: `值神${l.getDayTianShen()}(${l.getDayTianShenType()})`,
    jianchu: l.getZhiXing() + '日',
    tszf: l.getDayPositionTai(),
    wuhang: l.getDayNaYin(),
    cong: `${l.getDayChongDesc()} 煞${l.getDaySha()}`,
    pzbj: `${l.getPengZuGan()} ${l.getPengZuZhi()}`,
    jsyq: l.getDayJiShen().join(' '),
    yi: l.getDayYi().join(' '),
    xsyq: l.getDayXiongSha().join(' '),
    ji: l.getDayJi().join(' '),
  };
  a.suici = `${a.yearPillar}年 ${a.monthPillar}月 ${a.dayPillar}日`;
  a.nn = `农历${a.lunarMonth}${a.lunarDay} ${a.weekday} ${a.zhishen} ${a.jianchu} ${a.mansion}`;
  return a;
}

// The memo of the almanac page for a day typed as `dateText`: ten labelled lines with an empty line
// between each two.
export function memoLines(dateText, a) {
  const labelled = [
    ['当日统览:', `${dateText}  ${a.nn}`],
    ['岁次:', a.suici],
    ['每日胎神占方:', a.tszf],
    ['五行:', a.wuhang],
    ['冲:', a.cong],
    ['彭祖百忌:', a.pzbj],
    ['吉神宜趋:', a.jsyq],
    ['宜:', a.yi],
    ['凶神宜忌:', a.xsyq],
    ['忌:', a.ji],
  ];
  return labelled.flatMap(([label, text], i) => (i ? ['', label + text] : [label + text]));
}

// The characters that GBK (code page 936) holds as two bytes.
export function gbkCharacters() {
  const decoder = new TextDecoder('gbk', { fatal: true });
  const set = new Set();
  for (let lead = 0x81; lead <= 0xfe; ++lead) {
    for (let trail = 0x40; trail <= 0xfe; ++trail) {
      if (trail === 0x7f) continue;
      try {
        const ch = decoder.decode(Uint8Array.of(lead, trail));
        if ([...ch].length === 1 && ch !== '\ufffd') set.add(ch);
      } catch {
        // not a GBK character
      }
    }
  }
  return set;
}
