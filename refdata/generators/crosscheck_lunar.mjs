// Compares the lunar dates of korvani-cli with the published Chinese calendar as lunar-javascript
// computes it, for every day: `lunar` over 1900-01-31..2100-12-31, `wincal` over 1901-01-01..2050-12-31.
// Prints the spans of consecutive days that differ.
//
// Run (after a build): cd refdata/generators && npm install && node crosscheck_lunar.mjs ../../build/bin/korvani-cli
import { execFileSync } from "node:child_process";
import lunarJs from "lunar-javascript";

const { Solar } = lunarJs;
const cli = process.argv[2] ?? "../../build/bin/korvani-cli";

function run(args) {
    return execFileSync(cli, args, { encoding: "utf8", maxBuffer: 1 << 28 }).trimEnd().split("\n");
}

function published(date) {
    const [y, m, d] = date.split("-").map(Number);
    const l = Solar.fromYmd(y, m, d).getLunar();
    return { year: l.getYear(), month: Math.abs(l.getMonth()), day: l.getDay(), leap: l.getMonth() < 0 };
}

function report(name, rows, differs) {
    const spans = [];
    let open = null;
    for (const fields of rows) {
        const date = fields[0];
        if (differs(fields)) {
            if (open && open.last === previousDay(date)) open.last = date;
            else spans.push((open = { first: date, last: date }));
        }
    }
    const days = spans.reduce((n, s) => n + dayCount(s.first, s.last), 0);
    console.log(`${name}: ${rows.length} days compared, ${days} differ in ${spans.length} spans`);
    for (const s of spans) console.log(`  ${s.first}..${s.last}`);
}

function previousDay(date) {
    const d = new Date(date + "T00:00:00Z");
    d.setUTCDate(d.getUTCDate() - 1);
    return d.toISOString().slice(0, 10);
}

function dayCount(first, last) {
    return (new Date(last + "T00:00:00Z") - new Date(first + "T00:00:00Z")) / 86400000 + 1;
}

const lunar = run(["lunar", "--from", "1900-01-31", "--to", "2100-12-31"]).map((l) => l.split("\t"));
report("lunar (report calendar)", lunar, ([date, y, m, d, leap]) => {
    const p = published(date);
    return p.year !== +y || p.month !== +m || p.day !== +d || p.leap !== (leap === "1");
});

const wincal = run(["wincal", "--from", "1901-01-01", "--to", "2050-12-31"]).map((l) => l.split("\t"));
report("wincal (calendar window)", wincal, ([date, code]) => {
    const p = published(date);
    const expected = (p.leap ? -1 : 1) * (p.month * 100 + p.day);
    return expected !== +code;
});
