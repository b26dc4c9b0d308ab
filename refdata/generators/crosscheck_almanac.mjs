// Compares the almanac memo of every day of OrvBirth.dll, as `korvani-cli almanac` prints it, with the
// texts lunar-javascript 1.7.7 gives for that day (almanac_fields.mjs): 1901-01-01..2100-12-31, and
// the days just outside, which must have no entry. Prints the spans of consecutive days that differ.
//
// Run (after a build): cd refdata/generators && npm install && node crosscheck_almanac.mjs ../../build/bin/korvani-cli
import { execFileSync } from 'node:child_process';
import { almanacOf, eachDay, FIRST_DAY, LAST_DAY, memoLines } from './almanac_fields.mjs';

const cli = process.argv[2] ?? '../../build/bin/korvani-cli';
const MEMO_LINES = 19;
const OUTSIDE = ['1900-12-31', '2101-01-01'];

const dates = [OUTSIDE[0], ...eachDay(FIRST_DAY, LAST_DAY), OUTSIDE[1]];
const output = execFileSync(cli, ['almanac', '-'], {
  input: dates.join('\n') + '\n',
  encoding: 'utf8',
  maxBuffer: 1 << 30,
}).split('\n');

// A day with an entry prints its 19 memo lines; a day without one prints one empty line.
let pos = 0;
const spans = [];
let open = null;
let compared = 0;
for (const [i, date] of dates.entries()) {
  let differs;
  if (output[pos]?.startsWith('当日统览:')) {
    const printed = output.slice(pos, pos + MEMO_LINES);
    pos += MEMO_LINES;
    const expected = OUTSIDE.includes(date) ? null : memoLines(date, almanacOf(date));
    differs = expected === null || printed.join('\n') !== expected.join('\n');
    if (differs && expected !== null && spans.length < 5 && !open) {
      const line = printed.findIndex((l, k) => l !== expected[k]);
      console.log(`${date} line ${line + 1}:\n  file:     ${printed[line]}\n  expected: ${expected[line]}`);
    }
  } else {
    differs = !OUTSIDE.includes(date) || output[pos] !== '';
    pos += 1;
  }
  ++compared;
  if (differs) {
    if (open && open.index === i - 1) {
      open.last = date;
      open.index = i;
    } else spans.push((open = { first: date, last: date, index: i }));
  } else open = null;
}
if (pos !== output.length - 1) spans.push({ first: 'output', last: `${output.length - 1 - pos} lines too many` });

const days = spans.reduce((n, s) => n + (s.index === undefined ? 0 : [...eachDay(s.first, s.last)].length), 0);
console.log(`almanac: ${compared} days compared (${dates.length - OUTSIDE.length} with an entry, ` +
  `${OUTSIDE.join(' and ')} without), ${days} differ in ${spans.length} spans`);
for (const s of spans) console.log(`  ${s.first}..${s.last}`);
process.exitCode = spans.length === 0 ? 0 : 1;
