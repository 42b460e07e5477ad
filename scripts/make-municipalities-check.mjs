// The full scan behind scripts/make-municipalities-check:
//
//   node scripts/make-municipalities-check.mjs ARCHIVE MODULES TOOL TABLE
//
// Every name of the archive (Italian, second language, and the
// transliterated forms of both), on the first and the last day of each of
// its records' periods (for a record still valid, the first day of the
// archive's newest record instead of the last), and every name of
// codice-fiscale-js's list that the list gives to one code only, on the
// first and last day of each period of its code (its own periods when the
// archive has the name for that code; the periods of the table's lines of
// the code when the archive does not know it; 1950-01-01 when neither does),
// is looked up by the program's code in TABLE: typed plainly, then, when
// that gives another answer, with its province in brackets. A name is found
// on a day when one of the two gives its code.

import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [archivePath, modulesDir, tool, tablePath] = process.argv.slice(2);
if (!tablePath) {
  console.error('usage: node make-municipalities-check.mjs ARCHIVE MODULES TOOL TABLE');
  process.exit(2);
}
createRequire(resolve(modulesDir, '..', 'x.js'));
const { COMUNI } = await import(pathToFileURL(join(modulesDir, 'codice-fiscale-js', 'src', 'lista-comuni.js')).href);

const number = (day) => Number(day.replaceAll('-', ''));
const text = readFileSync(archivePath, 'utf8').replace(/^\uFEFF/, '');
const [head, ...body] = text.split(/\r?\n/).filter(Boolean);
const unquote = (f) => f.replace(/^"(.*)"$/, '$1');
const columns = head.split(',').map(unquote);
const at = (name) => columns.indexOf(name);
const records = [];
for (const line of body) {
  const f = line.split(',').map(unquote);
  const code = f[at('CODCATASTALE')];
  if (!/^[A-Z]\d{3}$/.test(code)) continue;
  const names = new Set(['DENOMINAZIONE_IT', 'DENOMTRASLITTERATA', 'ALTRADENOMINAZIONE', 'ALTRADENOMTRASLITTERATA']
    .map((c) => f[at(c)]).filter(Boolean));
  records.push({ code, names, first: f[at('DATAISTITUZIONE')], last: f[at('DATACESSAZIONE')], province: f[at('SIGLAPROVINCIA')] });
}

const LAST_CHECKED = records.reduce((m, r) => (r.first > m ? r.first : m), '');
// The table's dated lines, for codes the archive does not know.
for (const line of readFileSync(tablePath, 'utf8').split('\n')) {
  const [name, code, first, last, province] = line.split('\t');
  if (province && first !== '0000-01-01' && !records.some((r) => r.code === code)) {
    records.push({ code, names: new Set(), first, last, province, fromTable: true });
  }
}

// Queries: [name, day, code, province, group].
const queries = [];
for (const r of records) {
  if (r.fromTable) continue;
  const days = new Set([r.first, r.last < LAST_CHECKED ? r.last : LAST_CHECKED]);
  for (const name of r.names) for (const day of days) queries.push([name, day, r.code, r.province, 'archive']);
}
const listCodes = new Map();
const listNames = new Map();
for (const [code, province, name] of COMUNI) {
  const key = name.toUpperCase();
  if (!listCodes.has(key)) listCodes.set(key, new Set());
  listCodes.get(key).add(code);
  listNames.set(`${key}\t${code}`, province);
}
const periodsOf = new Map();
for (const r of records) {
  if (!periodsOf.has(r.code)) periodsOf.set(r.code, []);
  periodsOf.get(r.code).push(r);
}
let listSingle = 0;
let listMany = 0;
for (const [id, province] of listNames) {
  const [name, code] = id.split('\t');
  if (listCodes.get(name).size > 1) {
    ++listMany;
    continue;
  }
  ++listSingle;
  const own = (periodsOf.get(code) ?? []).filter((r) => [...r.names].some((n) => n.toUpperCase() === name));
  const periods = own.length > 0 ? own : periodsOf.get(code) ?? [];
  if (periods.length === 0) queries.push([name, '1950-01-01', code, province, 'list']);
  for (const r of periods) {
    const last = r.fromTable ? r.last.replace('9999-12-31', '2026-12-31') : r.last < LAST_CHECKED ? r.last : LAST_CHECKED;
    for (const day of new Set([r.first, last])) {
      queries.push([name, day, code, province, 'list']);
    }
  }
}

const lookUp = (list) => execFileSync(tool, ['lookup', tablePath], {
  input: `${list.map(([name, day]) => `${name}\t${number(day)}`).join('\n')}\n`, maxBuffer: 1 << 28,
}).toString('utf8').split('\n');
const plain = lookUp(queries);
const retry = queries.map((q, i) => [i, q]).filter(([i, q]) => plain[i] !== q[2]);
const withProvince = lookUp(retry.map(([, q]) => [`${q[0]} (${q[3]})`, q[1]]));
const outcome = new Map();
retry.forEach(([i, q], j) => outcome.set(i, withProvince[j] === q[2] ? 'province' : `${plain[i]} / ${withProvince[j]}`));

for (const group of ['archive', 'list']) {
  const pairs = new Map(); // name and code -> {found, missed}
  queries.forEach((q, i) => {
    if (q[4] !== group) return;
    const id = `${q[0]}\t${q[2]}`;
    if (!pairs.has(id)) pairs.set(id, { q, plain: 0, province: 0, missed: [] });
    const pair = pairs.get(id);
    const result = outcome.get(i) ?? 'plain';
    if (result === 'plain' || result === 'province') ++pair[result];
    else pair.missed.push(`${q[1]}: ${result}`);
  });
  const counted = { plain: 0, province: 0, someDays: 0, never: 0 };
  const report = [];
  for (const { q, plain: byName, province, missed } of pairs.values()) {
    if (missed.length === 0) ++counted[province > 0 ? 'province' : 'plain'];
    else ++counted[byName + province > 0 ? 'someDays' : 'never'];
    if (missed.length > 0) {
      report.push(`  ${byName + province > 0 ? 'not on every day' : 'not found'}: ${q[0]} (${q[2]} ${q[3]}) ${missed.join('; ')}`);
    }
  }
  const lookups = queries.filter((q) => q[4] === group).length;
  console.log(`${group}: ${pairs.size} name-code pairs, ${lookups} lookups; found on every day checked: `
    + `${counted.plain} by the name alone, ${counted.province} also with the province; `
    + `found on some days only: ${counted.someDays}; never found: ${counted.never}`);
  for (const line of report) console.log(line);
  if (counted.never > 0) process.exitCode = 1;
}
console.log(`list: ${listSingle} name-code pairs of names given to one code, ${listMany} of names given to several codes (not checked)`);
