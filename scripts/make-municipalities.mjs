// Writes the municipality table of the 'f' command, the note on its sources
// and a fixture of sampled people with their tax codes. Run it through
// scripts/make-municipalities, which installs the npm packages it reads:
//
//   node scripts/make-municipalities.mjs MODULES TABLE SOURCES FIXTURE
//
// MODULES is the node_modules folder; TABLE (data/risorsa.cf.txt), SOURCES
// (data/risorsa.cf.FONTI.txt) and FIXTURE (tests/fixtures/tax-codes.tsv) are
// written.
//
// The places come from @marketto/belfiore-connector-embedded: every Italian
// municipality, current or former, and every foreign state, each with its
// cadastral code and the first and last day it was valid. One line a name:
//
//   NAME<TAB>CODE<TAB>FIRST<TAB>LAST     (days as YYYY-MM-DD, 9999-12-31 for
//                                         a place still valid)
//
// sorted by name, then by FIRST. Names are written as the program's
// normalizeName turns the typed name: upper case, an accented vowel as the
// vowel and one apostrophe (FORLÌ -> FORLI'), an apostrophe doubled
// (SANT'AGATA -> SANT''AGATA), any other sign followed by an apostrophe (a
// hyphen as -', a bracket as (', a slash as /'). Letters with a diacritic
// the program does not read as an accent (â ê ô ç æ ø) are written as their
// plain letters, as they are usually typed (CHÂTILLON -> CHATILLON).
//
// The program picks, among the lines of a name, the one valid on the birth
// date; if none was, the one whose validity ended last; among several valid
// ones a current one first, then the later line. Extra lines, so that what
// people type is found:
// - accents typed as apostrophes or left out: FORLI'' (from "Forli'") and
//   FORLI besides FORLI';
// - hyphens typed as spaces: CORIGLIANO ROSSANO besides CORIGLIANO-'ROSSANO;
// - a name held by two current places: the plain name keeps only the one
//   with the lower cadastral code, and "NAME (PROVINCE)" gives each of them
//   (EE for a foreign state; for a current municipality, the province of the
//   data and the one of codice-fiscale-js's list, when they differ); the
//   same "NAME (PROVINCE)" lines are written for former places whose name
//   another place held at the same time;
// - foreign states: the name without its bracketed note (ISOLE COOK from
//   ISOLE COOK (NZ)) and each side of a slash (MYANMAR, BIRMANIA);
// an extra line is left out when its name is some place's own name, or when
// it would give two codes on one day.
//
// The table is checked against the list of current municipalities and
// foreign states of codice-fiscale-js: every disagreement is printed.

import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

// The package builds its dates at the start and end of a local day: in UTC
// the day of a Date is the day the data means.
process.env.TZ = 'UTC';

const [modulesDir, tablePath, sourcesPath, fixturePath] = process.argv.slice(2);
if (!fixturePath) {
  console.error('usage: node make-municipalities.mjs MODULES TABLE SOURCES FIXTURE');
  process.exit(2);
}
// Packages are looked up in MODULES, as from a file beside it.
const require = createRequire(resolve(modulesDir, '..', 'make-municipalities.js'));
const packageVersion = (name) => require(`${name}/package.json`).version;

const belfioreModule = require('@marketto/belfiore-connector-embedded');
const belfiore = belfioreModule.default ?? belfioreModule.belfioreConnector;
const utilsModule = require('@marketto/codice-fiscale-utils');
const CodiceFiscaleUtils = utilsModule.CodiceFiscaleUtils ?? utilsModule.default;
const listPath = join(modulesDir, 'codice-fiscale-js', 'src', 'lista-comuni.js');
const { COMUNI } = await import(pathToFileURL(listPath).href);

const STILL_VALID = '9999-12-31';
const FOREIGN_PROVINCE = 'EE';
const dayOf = (date) => date.toISOString().slice(0, 10);

// ---------------------------------------------------------------------------
// Names

// A few names of the data went through a wrong character set: "CittÃ\u00a0"
// for "Città", or a lone "Ã"/"Ă" where the second byte of "à" was lost.
function repairName(name) {
  let repaired = name;
  if (/Ã[\u0080-\u00bf]/.test(repaired) && [...repaired].every((c) => c.charCodeAt(0) <= 0xff)) {
    const decoded = Buffer.from(repaired, 'latin1').toString('utf8');
    if (!decoded.includes('\ufffd')) repaired = decoded;
  }
  repaired = repaired.replace(/[ÃĂ](?![\u0080-\u00bf])/g, 'à');
  return repaired.normalize('NFC');
}

// The accented letters the program reads as a vowel and an apostrophe.
const ACCENTED = new Map(Object.entries({
  à: 'A', ä: 'A', è: 'E', é: 'E', ì: 'I', ò: 'O', ö: 'O', ù: 'U', ü: 'U',
}));
const PLAIN_LETTERS = new Map(Object.entries({ æ: 'AE', ø: 'O', ß: 'SS' }));

// A letter with a diacritic as its plain letters, or null.
function plainLetters(c) {
  if (PLAIN_LETTERS.has(c)) return PLAIN_LETTERS.get(c);
  const stripped = c.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
  return /^[a-z]+$/i.test(stripped) ? stripped.toUpperCase() : null;
}

// The normalised form of a name of the data; `accentAs` is what follows the
// vowel of an accented letter: "'" for the accent typed as the letter, "''"
// for it typed as an apostrophe after the vowel, "" for it left out.
function normalise(name, accentAs = "'") {
  let out = '';
  for (const c of name) {
    const lower = c.toLowerCase();
    if (ACCENTED.has(lower)) {
      out += ACCENTED.get(lower) + accentAs;
    } else if (/[A-Za-z ]/.test(c)) {
      out += c.toUpperCase();
    } else if (c === "'") {
      out += "''";
    } else if (plainLetters(lower)) {
      out += plainLetters(lower);
    } else {
      out += `${c}'`;
    }
  }
  if (!/^[\x20-\x7e]+$/.test(out)) throw new Error(`name not in ASCII: ${name} -> ${out}`);
  return out;
}

// What the program makes of typed text (UTF-8): letters upper-cased, a space
// kept, à ä è é ì ò ö ù ü and their capitals as the vowel and an apostrophe,
// any other byte followed by an apostrophe. The fixture is checked with it.
function normaliseTyped(typed) {
  const bytes = Buffer.from(typed, 'utf8');
  const vowelOf1252 = (b) => {
    switch (b | 0x20) {
      case 0xe0: case 0xe4: return 'A';
      case 0xe8: case 0xe9: return 'E';
      case 0xec: return 'I';
      case 0xf2: case 0xf6: return 'O';
      case 0xf9: case 0xfc: return 'U';
      default: return null;
    }
  };
  let out = '';
  for (let i = 0; i < bytes.length; ++i) {
    const b = bytes[i];
    const c = String.fromCharCode(b);
    if (/[A-Za-z ]/.test(c)) {
      out += c.toUpperCase();
    } else if (b === 0xc3 && i + 1 < bytes.length && bytes[i + 1] >= 0x80 && bytes[i + 1] <= 0xbf
               && vowelOf1252(bytes[i + 1] + 0x40)) {
      out += `${vowelOf1252(bytes[i + 1] + 0x40)}'`;
      ++i;
    } else if (vowelOf1252(b)) {
      out += `${vowelOf1252(b)}'`;
    } else {
      out += `${c}'`;
    }
  }
  return out;
}

// ---------------------------------------------------------------------------
// Places

const cities = await belfiore.cities.toArray();
const countries = await belfiore.countries.toArray();

const places = [];
const repairs = [];
for (const [list, foreign] of [[cities, false], [countries, true]]) {
  for (const p of list) {
    const name = repairName(p.name);
    if (name !== p.name) {
      console.error(`name repaired: ${p.belfioreCode} ${p.name} -> ${name}`);
      repairs.push(`${name} (${p.belfioreCode})`);
    }
    const first = dayOf(p.creationDate);
    const last = dayOf(p.expirationDate);
    if (first > last) throw new Error(`${p.belfioreCode}: first day after last day`);
    places.push({
      name,
      code: p.belfioreCode,
      province: foreign ? FOREIGN_PROVINCE : p.province,
      foreign,
      first,
      last,
      current: last === STILL_VALID,
      source: p.dataSource,
    });
  }
}
places.sort((a, b) => (a.code < b.code ? -1 : a.code > b.code ? 1 : 0));
const codes = new Set(places.map((p) => p.code));
if (codes.size !== places.length) throw new Error('a cadastral code given twice');

// ---------------------------------------------------------------------------
// The table

// Two places overlap when both were valid on more than the one day on which
// a place ends and the place that follows it begins (on that day the data
// gives both; the program takes the later one).
const overlap = (a, b) => a.first < b.last && b.first < a.last;

const own = []; // {key, place}
const extras = []; // {key, place}
for (const place of places) own.push({ key: normalise(place.name), place });
const ownKeys = new Set(own.map((l) => l.key));

// Names held by two current places.
const currentByKey = new Map();
for (const { key, place } of own) {
  if (!place.current) continue;
  if (!currentByKey.has(key)) currentByKey.set(key, []);
  currentByKey.get(key).push(place);
}
const sharedCurrent = [...currentByKey].filter(([, list]) => list.length > 1);
const keptOwn = own.filter(({ key, place }) => {
  const list = currentByKey.get(key);
  return !place.current || list.length === 1 || place === list[0];
});
const withoutPlainName = new Set(own.filter((l) => !keptOwn.includes(l)).map((l) => l.place));

// Places whose name another place held at the same time get their province.
const ownByKey = new Map();
for (const line of own) {
  if (!ownByKey.has(line.key)) ownByKey.set(line.key, []);
  ownByKey.get(line.key).push(line.place);
}
const withProvince = new Set();
for (const list of ownByKey.values()) {
  for (const a of list) {
    if (list.some((b) => b !== a && overlap(a, b))) withProvince.add(a);
  }
}

// The data keep the province a municipality first belonged to (SAMONE, TO
// since 1945, is in AO): a current municipality also gets the province the
// list of codice-fiscale-js gives it.
const listProvinces = new Map();
for (const [code, province, , active] of COMUNI) {
  if (active !== 1 || province === FOREIGN_PROVINCE) continue;
  if (!listProvinces.has(code)) listProvinces.set(code, new Set());
  listProvinces.get(code).add(province);
}
function provincesOf(place) {
  const provinces = new Set([place.province]);
  if (place.current) for (const p of listProvinces.get(place.code) ?? []) provinces.add(p);
  return [...provinces].sort();
}

function addExtra(name, place) {
  extras.push({ key: normalise(name), place });
}

for (const { place } of own) {
  const names = withoutPlainName.has(place) ? [] : [place.name];
  if (withProvince.has(place)) {
    for (const province of provincesOf(place)) names.push(`${place.name} (${province})`);
  }
  if (place.foreign) {
    const unbracketed = place.name.replace(/\s*\([^)]*\)\s*$/, '');
    if (unbracketed !== place.name) names.push(unbracketed);
  }
  if (place.name.includes('/')) {
    for (const side of place.name.split('/')) names.push(side.trim());
  }
  for (const name of [...names]) {
    if (name.includes('-')) names.push(name.replace(/\s*-\s*/g, ' '));
  }
  for (const name of names) {
    if (name !== place.name) addExtra(name, place);
    // The accent typed as an apostrophe after the vowel, or left out.
    for (const accentAs of ["''", '']) {
      const key = normalise(name, accentAs);
      if (key !== normalise(name)) extras.push({ key, place });
    }
  }
}

// Extra lines that would give two codes on one day are left out, and so are
// those whose name is some place's own name.
const extrasByKey = new Map();
for (const line of extras) {
  if (line.key.length === 0) continue;
  if (!extrasByKey.has(line.key)) extrasByKey.set(line.key, []);
  const list = extrasByKey.get(line.key);
  if (!list.some((l) => l.place === line.place)) list.push(line);
}
const keptExtras = [];
for (const [key, list] of extrasByKey) {
  if (ownKeys.has(key)) {
    if (list.some((l) => normalise(l.place.name) !== key)) {
      console.error(`extra name left out, a place's own name: ${key} (${list.map((l) => l.place.code).join(', ')})`);
    }
    continue;
  }
  const clash = list.some((a) => list.some((b) => a.place.code !== b.place.code && overlap(a.place, b.place)));
  if (clash) {
    console.error(`extra name left out, two codes at once: ${key} (${list.map((l) => l.place.code).join(', ')})`);
    continue;
  }
  keptExtras.push(...list);
}

const bytes = (s) => Buffer.from(s, 'latin1');
const lines = [...keptOwn, ...keptExtras]
  .map(({ key, place }) => ({ key, code: place.code, first: place.first, last: place.last, place }))
  .sort((a, b) => Buffer.compare(bytes(a.key), bytes(b.key))
    || (a.first < b.first ? -1 : a.first > b.first ? 1 : 0)
    || (a.last < b.last ? -1 : a.last > b.last ? 1 : 0)
    || (a.code < b.code ? -1 : a.code > b.code ? 1 : 0));

const tableByKey = new Map();
lines.forEach((line, index) => {
  if (!tableByKey.has(line.key)) tableByKey.set(line.key, []);
  tableByKey.get(line.key).push({ ...line, index });
});

// The program's choice among the lines of a name on a day.
function lookUp(key, day) {
  const candidates = tableByKey.get(key);
  if (!candidates) return null;
  const valid = candidates.filter((l) => l.first <= day && day <= l.last);
  if (valid.length > 0) {
    const current = valid.filter((l) => l.last === STILL_VALID);
    const ranked = current.length > 0 ? current : valid;
    return ranked[ranked.length - 1];
  }
  return candidates.reduce((best, l) => (l.last >= best.last ? l : best));
}

// The lines of a name valid on a day.
const validOn = (key, day) => (tableByKey.get(key) ?? []).filter((l) => l.first <= day && day <= l.last);

// ---------------------------------------------------------------------------
// The check against codice-fiscale-js

// The list writes an accent as an apostrophe after the vowel (CANTU'), as
// it writes an elided word (DE' for DEI): with `accents`, an apostrophe after
// a vowel and before no letter is read as an accent.
function normaliseListName(name, accents) {
  let out = '';
  for (let i = 0; i < name.length; ++i) {
    const c = name[i];
    if (/[A-Z ]/.test(c)) {
      out += c;
    } else if (c === "'") {
      const accent = accents && i > 0 && 'AEIOU'.includes(name[i - 1]) && !/[A-Z]/.test(name[i + 1] ?? '');
      out += accent ? "'" : "''";
    } else {
      out += `${c}'`;
    }
  }
  return out;
}

const today = dayOf(new Date());
const sharedKeys = new Set(sharedCurrent.map(([key]) => key));
const disagreements = [];
const checked = new Set();
for (const [code, province, name, active] of COMUNI) {
  if (active !== 1 || checked.has(`${code} ${name}`)) continue;
  checked.add(`${code} ${name}`);
  const found = [true, false].map((accents) => {
    const key = normaliseListName(name, accents);
    return lookUp(sharedKeys.has(key) ? normaliseListName(`${name} (${province})`, accents) : key, today);
  });
  if (found.some((line) => line && line.code === code)) continue;
  const other = found.find((line) => line);
  disagreements.push({ name, code, other });
}
for (const { name, code, other } of disagreements) {
  console.error(`differs from codice-fiscale-js: ${name}\t${code}\t${other ? other.code : 'not found'}`);
}

// A name of codice-fiscale-js that the data lack (the data keep an older or
// misspelt name, or have no code for a territory) is added from that list,
// so that no name found before is lost: with the days of its code in the
// data, else as a line valid on every day.
const placeOfCode = new Map();
for (const { place } of own) {
  const known = placeOfCode.get(place.code);
  if (!known || known.last < place.last) placeOfCode.set(place.code, place);
}
let addedFromList = 0;
for (const { name, code, other } of disagreements) {
  if (other) continue;
  const place = placeOfCode.get(code);
  for (const accents of [true, false]) {
    const key = normaliseListName(name, accents);
    if (tableByKey.has(key)) continue;
    const line = { key, code, first: place ? place.first : null, last: place ? place.last : null };
    lines.push(line);
    tableByKey.set(key, [{ ...line, index: lines.length - 1 }]);
    ++addedFromList;
  }
}
console.error(`make-municipalities: ${addedFromList} names added from codice-fiscale-js`);
lines.sort((a, b) => Buffer.compare(bytes(a.key), bytes(b.key))
  || ((a.first ?? '') < (b.first ?? '') ? -1 : (a.first ?? '') > (b.first ?? '') ? 1 : 0)
  || ((a.last ?? '') < (b.last ?? '') ? -1 : (a.last ?? '') > (b.last ?? '') ? 1 : 0)
  || (a.code < b.code ? -1 : a.code > b.code ? 1 : 0));
writeFileSync(tablePath, lines.map((l) => (l.first
  ? `${l.key}\t${l.code}\t${l.first}\t${l.last}\n` : `${l.key}\t${l.code}\n`)).join(''));
console.error(`make-municipalities: ${disagreements.length} of ${checked.size} current names of codice-fiscale-js differ on ${today}`);
console.error(`make-municipalities: names of two current places: ${sharedCurrent
  .map(([key, list]) => `${key} (${list.map((p) => `${p.code} ${p.province}`).join(', ')})`).join('; ')}`);

// ---------------------------------------------------------------------------
// The note on the sources

const sourceCounts = new Map();
for (const place of places) {
  const s = place.source;
  if (!sourceCounts.has(s.name)) sourceCounts.set(s.name, { source: s, cities: 0, countries: 0 });
  sourceCounts.get(s.name)[place.foreign ? 'countries' : 'cities'] += 1;
}
function sourceLines(italian) {
  return [...sourceCounts.values()].map(({ source, cities: c, countries: f }) => {
    const counted = [
      c > 0 && (italian ? `${c} comuni` : `${c} municipalities`),
      f > 0 && (italian ? `${f} Stati esteri` : `${f} foreign states`),
    ].filter(Boolean).join(', ');
    return [
      `- ${source.name}: ${counted}`,
      source.url && `  ${source.url}`,
      `  ${italian ? 'Licenza' : 'Licence'}: ${source.license.toUpperCase()} ${source.licenseUrl ?? ''}`.trimEnd(),
      source.termsAndConditions && `  ${italian ? 'Condizioni' : 'Terms'}: ${source.termsAndConditions}`,
      source.authors && `  ${italian ? 'Autori' : 'Authors'}: ${source.authors}`,
    ].filter(Boolean).join('\n');
  }).join('\n');
}
// Words joined into lines of at most 78 characters, each after `indent`.
function wrap(text, indent) {
  const out = [];
  let line = '';
  for (const word of text.split(' ')) {
    if (line && line.length + 1 + word.length > 78 - indent.length) {
      out.push(line);
      line = word;
    } else {
      line = line ? `${line} ${word}` : word;
    }
  }
  if (line) out.push(line);
  return out.map((l) => indent + l).join('\n');
}

const embedded = '@marketto/belfiore-connector-embedded';
const embeddedVersion = packageVersion(embedded);
const listVersion = packageVersion('codice-fiscale-js');
const repaired = wrap(repairs.join(', '), '  ');
const sources = `risorsa.cf.txt - fonti e licenze / sources and licences
========================================================

ITALIANO

risorsa.cf.txt è la tabella dei comuni italiani (attuali e soppressi) e degli
Stati esteri usata dal comando 'f' (codice fiscale): nome, codice catastale
(Belfiore), primo e ultimo giorno di validità. È generata da
scripts/make-municipalities a partire dal pacchetto npm
${embedded} ${embeddedVersion}
(https://www.npmjs.com/package/${embedded}),
di Marco Ricupero <marco.ricupero@gmail.com>, licenza MIT
(https://github.com/Marketto/belfiore-connector-embedded/blob/master/LICENSE).

I dati del pacchetto vengono da queste fonti (campo dataSource dei record):
${sourceLines(true)}

Il pacchetto indica anche l'Agenzia delle Entrate
(https://www.agenziaentrate.gov.it) tra le fonti dell'elenco dei comuni,
licenza CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/legalcode.it).
I testi delle licenze sono nella cartella asset/ del pacchetto
(MINISTERO_DELL_INTERNO.LICENSE, AGENZIA_DELLE_ENTRATE.LICENSE,
ISTITUTO_NAZIONALE_DI_STATISTICA.LICENSE). Archivi originali: ANPR,
https://www.anagrafenazionale.interno.it/ e https://github.com/italia/anpr;
ISTAT, https://www.istat.it/.

Per i comuni attuali che hanno un nome in comune con un altro luogo, la
provincia tra parentesi viene anche dall'elenco del pacchetto npm
codice-fiscale-js ${listVersion} (https://www.npmjs.com/package/codice-fiscale-js),
di Luca Vandro, licenza CC BY-SA 4.0
(https://creativecommons.org/licenses/by-sa/4.0/), con cui la tabella viene
anche confrontata.

Modifiche rispetto ai dati:
- i nomi sono scritti in maiuscolo, nella forma normalizzata del programma:
  vocale accentata come vocale e apostrofo, apostrofo raddoppiato, ogni
  altro segno seguito da un apostrofo; â, ê, ô, ç, æ, ø come lettere
  semplici;
- nomi con caratteri corrotti nei dati (à scritta "Ã" seguita da un altro
  carattere, o "Ã"/"Ă" da sola), corretti:
${repaired}
- le date sono giorni AAAA-MM-GG, 9999-12-31 per i luoghi ancora validi;
- righe in più: accento scritto come apostrofo o tralasciato (FORLI'',
  FORLI), trattino scritto come spazio, nome con la provincia tra parentesi
  per un nome di due luoghi validi nello stesso periodo (EE per gli Stati
  esteri; il nome da solo resta al codice catastale più basso fra i luoghi
  attuali), nome dello Stato senza la nota tra parentesi, ciascun lato della
  barra in un nome.

ENGLISH

risorsa.cf.txt is the table of Italian municipalities (current and former)
and foreign states used by the 'f' command (tax code): name, cadastral
(Belfiore) code, first and last day of validity. It is generated by
scripts/make-municipalities from the npm package
${embedded} ${embeddedVersion}
(https://www.npmjs.com/package/${embedded}),
by Marco Ricupero <marco.ricupero@gmail.com>, MIT licence
(https://github.com/Marketto/belfiore-connector-embedded/blob/master/LICENSE).

The package's data come from these sources (the records' dataSource field):
${sourceLines(false)}

The package also names the Agenzia delle Entrate
(https://www.agenziaentrate.gov.it) among the sources of its list of
municipalities, licence CC BY 4.0
(https://creativecommons.org/licenses/by/4.0/legalcode.it). The licence
texts are in the package's asset/ folder (MINISTERO_DELL_INTERNO.LICENSE,
AGENZIA_DELLE_ENTRATE.LICENSE, ISTITUTO_NAZIONALE_DI_STATISTICA.LICENSE).
Original archives: ANPR, https://www.anagrafenazionale.interno.it/ and
https://github.com/italia/anpr; ISTAT, https://www.istat.it/.

For current municipalities whose name another place shares, the province in
brackets also comes from the list of the npm package codice-fiscale-js
${listVersion} (https://www.npmjs.com/package/codice-fiscale-js), by Luca
Vandro, licence CC BY-SA 4.0 (https://creativecommons.org/licenses/by-sa/4.0/),
against which the table is also checked.

Changes made to the data:
- names are upper case, in the program's normalised form: an accented vowel
  as the vowel and an apostrophe, an apostrophe doubled, any other sign
  followed by an apostrophe; â, ê, ô, ç, æ, ø as plain letters;
- names garbled in the data (à written as "Ã" and another character, or a
  lone "Ã"/"Ă"), repaired:
${repaired}
- dates are days YYYY-MM-DD, 9999-12-31 for places still valid;
- extra lines: the accent typed as an apostrophe or left out (FORLI'',
  FORLI), a hyphen typed as a space, the name with its province in brackets
  for a name of two places valid at the same time (EE for foreign states;
  the plain name stays with the lower cadastral code among current places),
  a state's name without its bracketed note, each side of a slash in a
  name.
`;
writeFileSync(sourcesPath, sources);

// ---------------------------------------------------------------------------
// The fixture of sampled people

// xorshift32: a fixed seed gives the same sample on every run.
let seed = 0x2f6b1a37;
function random(n) {
  seed ^= seed << 13;
  seed >>>= 0;
  seed ^= seed >>> 17;
  seed ^= seed << 5;
  seed >>>= 0;
  return seed % n;
}

const SURNAMES = [
  'Rossi', 'Russo', 'Ferrari', 'Esposito', 'Bianchi', 'Romano', 'Colombo', 'Ricci', 'Marino',
  'Greco', 'Bruno', 'Gallo', 'Conti', 'De Luca', 'Mancini', 'Costa', 'Giordano', 'Rizzo',
  'Lombardi', 'Moretti', "D'Angelo", "Dell'Orto", 'Bò', 'Lo Russo', 'Di Stefano', 'La Rosa',
  "D'Amico", 'Fo', 'Oe', 'Sanna', 'Pellegrini', 'Caruso', 'Fontana', 'Barbieri', 'Mazzà',
  'Santoro', 'Marchetti', 'De Sanctis', 'Cossù', 'Zanetti', 'Ferrò', 'Palù', "Dall'Ara",
];
const MALE = [
  'Marco', 'Giuseppe', 'Nicolò', 'Francesco', 'Luca', 'Andrea', 'Giovanni', 'Pietro',
  'Salvatore', 'Gianfranco', 'Ugo', 'Elia', 'Mattia', 'Niccolò', 'Gian Luca', 'Pio',
  'Tommaso', 'Raffaele', 'Emanuele', 'Alessandro',
];
const FEMALE = [
  'Maria', 'Giulia', 'Chiara', 'Beatrice', 'Anna', 'Francesca', 'Ida', 'Zoè', 'Noemi',
  'Maria Grazia', 'Lucia', 'Ilaria', 'Rosalba', 'Aurora', 'Agnese', 'Eva', 'Bianca',
  'Annamaria', 'Elisabetta', 'Iolanda',
];

const FIRST_BIRTH = '1900-01-01'; // codice-fiscale-utils encodes years from 1900
const LAST_BIRTH = '2024-12-31';
const MAX_NAME = 30;
const pad = (n) => String(n).padStart(2, '0');

// A name the program reads as the data writes it: letters, spaces,
// apostrophes, hyphens, slashes, brackets and the accents it knows.
const typable = (name) => normaliseTyped(name) === normalise(name) && normalise(name).length <= MAX_NAME;

// A birth day inside [from, to] on which the typed name gives only `code`.
function sampleDay(place, key) {
  const from = place.first > FIRST_BIRTH ? place.first : FIRST_BIRTH;
  const to = place.last < LAST_BIRTH ? place.last : LAST_BIRTH;
  if (from > to) return null;
  const low = Number(from.slice(0, 4));
  const high = Number(to.slice(0, 4));
  for (let attempt = 0; attempt < 40; ++attempt) {
    const year = low + random(high - low + 1);
    const day = `${year}-${pad(1 + random(12))}-${pad(1 + random(28))}`;
    if (day < from || day > to) continue;
    const valid = validOn(key, day);
    if (valid.length > 0 && valid.every((l) => l.code === place.code) && lookUp(key, day).code === place.code) {
      return day;
    }
  }
  return null;
}

const utils = new CodiceFiscaleUtils(belfiore);
const rows = [];
const usedPlaces = new Set();

async function addRow(place, day, kind) {
  const male = random(2) === 0;
  const surname = SURNAMES[random(SURNAMES.length)];
  const firstName = male ? MALE[random(MALE.length)] : FEMALE[random(FEMALE.length)];
  const [year, month, date] = day.split('-').map(Number);
  const code = await utils.parser.encodeCf({
    lastName: surname,
    firstName,
    year,
    month: month - 1, // counted from 0
    day: date,
    gender: male ? 'M' : 'F',
    place: place.code,
  });
  if (!code || !/^[A-Z]{6}\d\d[A-Z]\d\d[A-Z]\d{3}[A-Z]$/.test(code)) {
    console.error(`fixture: no code for ${place.code} on ${day} (${code})`);
    return false;
  }
  rows.push([surname, firstName, pad(date), pad(month), String(year), male ? 'M' : 'F', place.name, code, kind]);
  usedPlaces.add(place);
  return true;
}

// Takes up to `wanted` places of the list, in a shuffled order.
async function sample(list, wanted, kind) {
  const pool = [...list];
  let taken = 0;
  while (taken < wanted && pool.length > 0) {
    const place = pool.splice(random(pool.length), 1)[0];
    const key = normalise(place.name);
    if (usedPlaces.has(place) || sharedKeys.has(key) || !typable(place.name)) continue;
    const day = sampleDay(place, key);
    if (day && (await addRow(place, day, kind))) ++taken;
  }
  return taken;
}

// Names held by different places at different times: a row on each side,
// each on a day when the name gave only that place.
const renamedNames = [];
for (const [key, list] of ownByKey) {
  if (sharedKeys.has(key) || new Set(list.map((p) => p.code)).size < 2 || !typable(list[0].name)) continue;
  renamedNames.push([key, [...list].sort((a, b) => (a.first < b.first ? -1 : a.first > b.first ? 1 : 0))]);
}
let renamedRows = 0;
const namePool = [...renamedNames];
while (renamedRows < 40 && namePool.length > 0) {
  const [key, list] = namePool.splice(random(namePool.length), 1)[0];
  let pair = null;
  for (let i = 0; i < list.length && !pair; ++i) {
    for (let j = i + 1; j < list.length && !pair; ++j) {
      if (list[i].code === list[j].code) continue;
      const days = [sampleDay(list[i], key), sampleDay(list[j], key)];
      if (days[0] && days[1]) pair = [[list[i], days[0]], [list[j], days[1]]];
    }
  }
  if (!pair) continue;
  if ((await addRow(...pair[0], 'renamed')) && (await addRow(...pair[1], 'renamed'))) renamedRows += 2;
}

const formerStates = places.filter((p) => p.foreign && !p.current);
const formerStateRows = await sample(formerStates, formerStates.length, 'foreign');
const counts = {
  current: await sample(places.filter((p) => !p.foreign && p.current), 120, 'current'),
  foreign: formerStateRows
    + (await sample(places.filter((p) => p.foreign && p.current), 60 - formerStateRows, 'foreign')),
  former: await sample(places.filter((p) => !p.foreign && !p.current), 80, 'former'),
  renamed: renamedRows,
};

// Every row checked as the program would read it.
for (const row of rows) {
  const key = normaliseTyped(row[6]);
  const found = lookUp(key, `${row[4]}-${row[3]}-${row[2]}`);
  const place = places.find((p) => p.name === row[6] && row[7].slice(11, 15) === p.code);
  if (!found || !place || found.code !== place.code) throw new Error(`fixture row not found as typed: ${row.join(' ')}`);
}

const kindOrder = ['current', 'foreign', 'former', 'renamed'];
rows.sort((a, b) => kindOrder.indexOf(a[8]) - kindOrder.indexOf(b[8]));
const header = `# People with their tax codes (base form, no omocodia) from scripts/make-municipalities: places sampled with a fixed seed from ${embedded} ${embeddedVersion}, born on a day the typed place was valid, codes computed by @marketto/codice-fiscale-utils ${packageVersion('@marketto/codice-fiscale-utils')}; columns SURNAME FIRST_NAME DD MM YYYY SEX PLACE CODE KIND.`;
writeFileSync(fixturePath, `${header}\n${rows.map((r) => r.join('\t')).join('\n')}\n`);
console.error(`make-municipalities: fixture rows ${rows.length} (${Object.entries(counts).map(([k, n]) => `${k} ${n}`).join(', ')}), ${renamedNames.length} names held by two places`);
