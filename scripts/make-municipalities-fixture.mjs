// Writes the fixture of sampled people, tests/fixtures/tax-codes.tsv: each
// with the place of birth as typed and what the 'f' command must give. The
// expected answers are worked out here from the ANPR archive itself (and the
// foreign states of @marketto/belfiore-connector-embedded), by the rules the
// program follows, with nothing of the program or of the table's generator:
//
//   node scripts/make-municipalities-fixture.mjs ARCHIVE MODULES FIXTURE
//
// The rules: a name's records valid on the birth day give their code (a
// record's first day before 1925-01-01 that is its code's first counts from
// the beginning of time; a foreign state counts only its last day); records
// of several codes, all of them places whose current name it is, give the
// lowest code; other records of several codes are ambiguous. No record valid:
// the codes of the name valid that day under another name (one: that code;
// several: ambiguous), none: the place did not exist. "NAME (XX)" keeps the
// records of province XX. The tax code around the cadastral code comes from
// @marketto/codice-fiscale-utils.
//
// Columns: SURNAME FIRST_NAME DD MM YYYY SEX PLACE EXPECTED KIND, where
// EXPECTED is the tax code, "!NAME" for "ERRORE: NAME non esisteva alla data
// di nascita." or "?CHOICE, CHOICE" for the list of "Più comuni hanno questo
// nome".

import { createRequire } from 'node:module';
import { readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

process.env.TZ = 'UTC';
const [archivePath, modulesDir, fixturePath] = process.argv.slice(2);
if (!fixturePath) {
  console.error('usage: node make-municipalities-fixture.mjs ARCHIVE MODULES FIXTURE');
  process.exit(2);
}
const require = createRequire(resolve(modulesDir, '..', 'make-municipalities-fixture.js'));
const belfioreModule = require('@marketto/belfiore-connector-embedded');
const belfiore = belfioreModule.default ?? belfioreModule.belfioreConnector;
const utils = require('@marketto/codice-fiscale-utils');
const { COMUNI } = await import(pathToFileURL(join(modulesDir, 'codice-fiscale-js', 'src', 'lista-comuni.js')).href);

const EVER = '0000-01-01';
const TODAY = '9999-12-31';
const dayOf = (date) => date.toISOString().slice(0, 10);

// Names compared as a person types them: capitals, letters without their
// diacritics, a hyphen as a space, apostrophes only between letters.
const plain = (name) => name.normalize('NFD').replace(/[\u0300-\u036f]/g, '').replace(/ß/g, 'SS')
  .toUpperCase().replace(/-/g, ' ').replace(/'+/g, "'").replace(/'(?![A-Z])|(?<![A-Z])'/g, '');
// Only names of letters, blanks, apostrophes and hyphens are sampled.
const sampleable = (name) => /^[A-Z' -]+$/.test(plain(name)) && name.length <= 30;

// The archive: one record per period.
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
  const base = { code, first: f[at('DATAISTITUZIONE')], last: f[at('DATACESSAZIONE')], province: f[at('SIGLAPROVINCIA')] };
  records.push({ ...base, name: f[at('DENOMINAZIONE_IT')], second: false });
  const other = f[at('ALTRADENOMINAZIONE')];
  if (other && other !== f[at('DENOMINAZIONE_IT')]) records.push({ ...base, name: other, second: true });
}
const archiveEnd = records.reduce((m, r) => (r.first > m ? r.first : m), '');
const firstOfCode = new Map();
for (const r of records) if (!(firstOfCode.get(r.code) <= r.first)) firstOfCode.set(r.code, r.first);
for (const r of records) r.from = r.first < '1925-01-01' && r.first === firstOfCode.get(r.code) ? EVER : r.first;

// Codes that changed after the archive, and names the list of
// codice-fiscale-js gives to other codes, are left out of the sample: the
// table has more on them than the archive.
const cities = await belfiore.cities.toArray();
const changed = new Set(cities.filter((c) => dayOf(c.creationDate) > archiveEnd
  || (dayOf(c.expirationDate) > archiveEnd && dayOf(c.expirationDate) < TODAY)).map((c) => c.belfioreCode));
const listCodes = new Map();
for (const [code, , name] of COMUNI) {
  const k = plain(name);
  if (!listCodes.has(k)) listCodes.set(k, new Set());
  listCodes.get(k).add(code);
}
const countries = await belfiore.countries.toArray();
for (const c of countries) {
  records.push({ code: c.belfioreCode, name: c.name.toUpperCase(), first: EVER, from: EVER,
    last: dayOf(c.expirationDate) === TODAY ? TODAY : dayOf(new Date(c.expirationDate - 86400000)),
    province: 'EE', second: false, foreign: true });
}
const byName = new Map();
for (const r of records) {
  const k = plain(r.name);
  if (!byName.has(k)) byName.set(k, []);
  byName.get(k).push(r);
}
const byCode = new Map();
for (const r of records) {
  if (!byCode.has(r.code)) byCode.set(r.code, []);
  byCode.get(r.code).push(r);
}
const validOn = (r, day) => r.from <= day && day <= r.last;
const choices = (list) => {
  const one = new Map();
  for (const r of list) if (!one.has(r.code)) one.set(r.code, r);
  return `?${[...one.values()].sort((a, b) => (a.province < b.province ? -1 : a.province > b.province ? 1 : 0))
    .map((r) => `${r.name} (${r.province})`).join(', ')}`;
};

// What the typed name gives on the day: a code, "?..." or "!NAME".
function expected(typed, day) {
  const m = /^(.*?) *\(([A-Z]{2})\)$/.exec(typed);
  let list = byName.get(plain(typed));
  if (!list && m) list = (byName.get(plain(m[1])) ?? []).filter((r) => r.province === m[2]);
  if (!list || list.length === 0) return null;
  const valid = list.filter((r) => validOn(r, day));
  const codes = [...new Set(valid.map((r) => r.code))];
  if (codes.length === 1) return codes[0];
  if (codes.length > 1) {
    const current = codes.every((c) => list.some((r) => r.code === c && r.last === TODAY));
    return current ? codes.sort()[0] : choices(valid);
  }
  const living = [...new Set(list.map((r) => r.code))].filter((c) => byCode.get(c).some((r) => validOn(r, day)));
  if (living.length === 1) return living[0];
  if (living.length > 1) {
    return choices(living.map((c) => list.filter((r) => r.code === c).sort((a, b) => (a.first < b.first ? 1 : -1))[0]));
  }
  return `!${list.reduce((best, r) => (r.last > best.last ? r : best)).name}`;
}

// xorshift32: a fixed seed gives the same sample on every run.
let seed = 0x5eed2024;
function random(n) {
  seed ^= seed << 13;
  seed >>>= 0;
  seed ^= seed >>> 17;
  seed ^= seed << 5;
  seed >>>= 0;
  return seed % n;
}
const pad = (n) => String(n).padStart(2, '0');
// A day from `from` to `to`, both within 1900..2023.
function dayBetween(from, to) {
  const low = Math.max(1900, Number(from.slice(0, 4)));
  const high = Math.min(2023, Number(to.slice(0, 4)));
  if (low > high) return null;
  for (let attempt = 0; attempt < 20; ++attempt) {
    const day = `${low + random(high - low + 1)}-${pad(1 + random(12))}-${pad(1 + random(28))}`;
    if (day >= from && day <= to && day >= '1900-01-01' && day < archiveEnd) return day;
  }
  return null;
}

const SURNAMES = ['Rossi', 'Russo', 'Ferrari', 'Esposito', 'Bianchi', 'De Luca', "D'Angelo", 'Bò', 'Lo Russo',
  'Fo', 'Oe', 'Mazzà', 'Cossù', 'Ferrò', "Dall'Ara", 'Zanetti', 'Gruber', 'Müller', 'Kovačič'];
const MALE = ['Marco', 'Giuseppe', 'Nicolò', 'Francesco', 'Luca', 'Ugo', 'Elia', 'Gian Luca', 'Pio', 'Jörg'];
const FEMALE = ['Maria', 'Giulia', 'Zoè', 'Ida', 'Maria Grazia', 'Eva', 'Annamaria', 'Iolanda', 'Anja'];
const parser = new utils.Parser(belfiore);
const rows = [];
const usedNames = new Set();

function addRow(typed, day, kind) {
  const want = expected(typed, day);
  if (!want) throw new Error(`no answer for ${typed} on ${day}`);
  const male = random(2) === 0;
  const surname = SURNAMES[random(SURNAMES.length)];
  const firstName = male ? MALE[random(MALE.length)] : FEMALE[random(FEMALE.length)];
  const [y, m, d] = day.split('-').map(Number);
  let answer = want;
  if (/^[A-Z]\d{3}$/.test(want)) {
    const partial = parser.lastNameToCf(surname) + parser.firstNameToCf(firstName) + pad(y % 100)
      + parser.monthToCf(m - 1) + parser.dayGenderToCf(d, male ? 'M' : 'F') + want;
    answer = partial + utils.CheckDigitizer.checkDigit(partial);
    if (!/^[A-Z]{6}\d\d[A-Z]\d\d[A-Z]\d{3}[A-Z]$/.test(answer)) throw new Error(`bad code ${answer}`);
  }
  rows.push([surname, firstName, pad(d), pad(m), String(y), male ? 'M' : 'F', typed, answer, kind]);
  usedNames.add(plain(typed));
}

// Title case, as people type: "Salorno sulla Strada del Vino".
const typedForm = (name) => name.toLowerCase().replace(/(^|[ '-])(\p{L})/gu, (all, sep, c) => sep + c.toUpperCase())
  .replace(/ (Di|Del|Della|Dei|Delle|Sul|Sulla|In|Im|An|Der|Am|E|Al|Allo) /g, (w) => w.toLowerCase());

// Records that qualify: a sampleable name, not yet used, no code changed
// after the archive, no other code in codice-fiscale-js's list.
function fit(r) {
  const k = plain(r.name);
  const list = byName.get(k);
  const other = [...(listCodes.get(k) ?? [])].some((c) => !list.some((x) => x.code === c));
  return sampleable(r.name) && !usedNames.has(k) && !other && !list.some((x) => changed.has(x.code));
}
function take(pool, wanted, kind, pick) {
  let taken = 0;
  const list = pool.filter(fit);
  while (taken < wanted && list.length > 0) {
    const r = list.splice(random(list.length), 1)[0];
    if (!fit(r)) continue;
    const chosen = pick(r);
    if (!chosen) continue;
    addRow(chosen.typed, chosen.day, kind);
    ++taken;
  }
  return taken;
}
// A day inside the record's period on which its name gives its code.
const inside = (r) => {
  const day = dayBetween(r.from === EVER ? '1900-01-01' : r.from, r.last);
  return day && expected(typedForm(r.name), day) === r.code ? { typed: typedForm(r.name), day } : null;
};

const italian = records.filter((r) => !r.foreign && !r.second);
const counts = {};
counts.current = take(italian.filter((r) => r.last === TODAY), 50, 'current', inside);
counts.former = take(italian.filter((r) => byCode.get(r.code).every((x) => x.last < TODAY)), 35, 'former', inside);
// Old names of places that still exist under another name.
counts.renamed = take(italian.filter((r) => r.last < TODAY && byCode.get(r.code).some((x) => x.last === TODAY)
  && byName.get(plain(r.name)).every((x) => x.code === r.code && x.last < TODAY)), 35, 'renamed', inside);
// A name used on a day outside its own period, when its code was valid
// under another name (Salorno sulla Strada del Vino for 1950).
counts.code = take(italian.filter((r) => byName.get(plain(r.name)).every((x) => x.code === r.code)), 20, 'code',
  (r) => {
    const other = byCode.get(r.code).filter((x) => plain(x.name) !== plain(r.name));
    if (other.length === 0) return null;
    const o = other[random(other.length)];
    const day = dayBetween(o.from === EVER ? '1900-01-01' : o.from, o.last);
    if (!day || byName.get(plain(r.name)).some((x) => validOn(x, day))) return null;
    return expected(typedForm(r.name), day) === r.code ? { typed: typedForm(r.name), day } : null;
  });
counts.second = take(records.filter((r) => r.second), 35, 'second-language', inside);
// Names of several places at once, with the province; and without it.
const shared = [...byName].filter(([, list]) => new Set(list.map((r) => r.code)).size > 1
  && list.some((a) => list.some((b) => a.code !== b.code && a.from <= b.last && b.from <= a.last)));
counts.province = take(shared.map(([, list]) => list[random(list.length)]).filter((r) => !r.foreign), 30, 'province',
  (r) => {
    const day = dayBetween(r.from === EVER ? '1900-01-01' : r.from, r.last);
    const typed = `${typedForm(r.name)} (${r.province})`;
    return day && expected(typed, day) === r.code ? { typed, day } : null;
  });
counts.ambiguous = take(shared.map(([, list]) => list[0]).filter((r) => !r.foreign), 15, 'ambiguous', (r) => {
  const day = dayBetween(r.from === EVER ? '1900-01-01' : r.from, r.last);
  return day && expected(typedForm(r.name), day)?.startsWith('?') ? { typed: typedForm(r.name), day } : null;
});
// Places that did not exist on the day: before their creation, after their end.
const gone = (typed, day) => (day && expected(typed, day)?.startsWith('!') ? { typed, day } : null);
counts.before = take(italian.filter((r) => r.from > '1935-01-01' && r.from === firstOfCode.get(r.code)), 15,
  'not-yet', (r) => gone(typedForm(r.name), dayBetween('1900-01-01', r.from < '1901-01-01' ? r.from : `${Number(r.from.slice(0, 4)) - 1}-12-31`)));
counts.after = take(italian.filter((r) => byCode.get(r.code).every((x) => x.last < '2010-01-01')), 15,
  'no-longer', (r) => gone(typedForm(r.name), dayBetween(`${Number(r.last.slice(0, 4)) + 1}-01-01`, '2022-12-31')));
counts.foreign = take(records.filter((r) => r.foreign), 30, 'foreign', inside);

// The cases the program got wrong, each on its day.
for (const [typed, day, kind] of [['Salorno', '1950-06-15', 'second-language'], ['Salurn', '1950-06-15', 'second-language'],
  ['Salorno sulla Strada del Vino', '1950-06-15', 'code'], ['Salorno', '2022-03-01', 'code'],
  ['Valsamoggia', '1950-06-15', 'not-yet'], ['Crespellano', '2020-03-01', 'no-longer'], ['Bozen', '1950-06-15', 'second-language'],
  ['Châtillon', '1980-01-01', 'current'], ['Roma (RM)', '1980-01-01', 'province'], ['Castro', '1980-01-01', 'province'],
  ['Castro (LE)', '1980-01-01', 'province'], ['Doberdò del Lago', '1980-01-01', 'current'], ["DOBERDO' DEL LAGO", '1980-01-01', 'current'],
  // Before the archive's first record of the place (Rome's start in 1884,
  // Salorno's in 1920), and a foreign state before and after it existed.
  ['Roma', '1880-05-05', 'current'], ['Salurn', '1910-03-03', 'second-language'], ['Slovenia', '1950-06-15', 'foreign'],
  ['Cecoslovacchia', '2000-01-01', 'foreign']]) {
  addRow(typed, day, kind);
}

const header = '# People with their tax codes (base form) or the answer of the birthplace question, from scripts/make-municipalities-fixture.mjs: places sampled with a fixed seed from data/anpr/ANPR_archivio_comuni.csv and the foreign states of @marketto/belfiore-connector-embedded, answers worked out from them; tax codes by @marketto/codice-fiscale-utils. Columns SURNAME FIRST_NAME DD MM YYYY SEX PLACE EXPECTED KIND; EXPECTED is the code, !NAME for "NAME non esisteva alla data di nascita", ?CHOICES for "Più comuni hanno questo nome".';
writeFileSync(fixturePath, `${header}\n${rows.map((r) => r.join('\t')).join('\n')}\n`);
console.error(`make-municipalities-fixture: ${rows.length} rows (${Object.entries(counts).map(([k, n]) => `${k} ${n}`).join(', ')})`);
