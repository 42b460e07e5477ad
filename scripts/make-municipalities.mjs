// Writes the municipality table of the 'f' command and the note on its
// sources. Run it through scripts/make-municipalities, which installs the npm
// packages it reads and builds the name tool:
//
//   node scripts/make-municipalities.mjs ARCHIVE MODULES TOOL TABLE SOURCES
//
// ARCHIVE is data/anpr/ANPR_archivio_comuni.csv, MODULES the node_modules
// folder, TOOL scripts/make-municipalities-tool built from the program's
// code (its "names" mode writes each line of its input as the program
// compares names, with the program's own normalizeName); TABLE
// (data/risorsa.cf.txt) and SOURCES (data/risorsa.cf.FONTI.txt) are written.
//
// One line a name of a place in a period:
//
//   NAME<TAB>CODE<TAB>FIRST<TAB>LAST<TAB>PROVINCE
//
// NAME as the source writes it, in capitals (the program normalises it when
// it reads the table); FIRST and LAST as YYYY-MM-DD, LAST 9999-12-31 for a
// name still in use; PROVINCE the two letters of the province, EE for a
// foreign state. Sorted by name, then by FIRST. The sources:
// - the archive of the national resident register (ANPR) for the
//   municipalities: every Italian name and every name in the second
//   language, each with its periods; records of the same name, code and
//   province that follow one another are joined into one line;
// - @marketto/belfiore-connector-embedded for the foreign states and for the
//   changes after the archive's last record (places ended or created later);
// - the list of codice-fiscale-js for the names it gives that neither has
//   (it gives no period: such a name gets the periods of its code).
// A first day before 1925-01-01 that is the first of its code marks where
// the archive's records begin (the unification, the annexations up to
// 1924), not a creation: it is written 0000-01-01, as is the first day of
// every foreign state, whose data give no reliable one.

import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

process.env.TZ = 'UTC';

const [archivePath, modulesDir, namesTool, tablePath, sourcesPath] = process.argv.slice(2);
if (!sourcesPath) {
  console.error('usage: node make-municipalities.mjs ARCHIVE MODULES TOOL TABLE SOURCES');
  process.exit(2);
}
const require = createRequire(resolve(modulesDir, '..', 'make-municipalities.js'));
const packageVersion = (name) => require(`${name}/package.json`).version;
const belfioreModule = require('@marketto/belfiore-connector-embedded');
const belfiore = belfioreModule.default ?? belfioreModule.belfioreConnector;
const listPath = join(modulesDir, 'codice-fiscale-js', 'src', 'lista-comuni.js');
const { COMUNI } = await import(pathToFileURL(listPath).href);

const STILL_VALID = '9999-12-31';
const SINCE_EVER = '0000-01-01';
// The period of a name known without its period: no birth day falls in it,
// so the name is found through its code.
const NO_DAY = '0000-01-01';
const RECORDS_BEGIN = '1925-01-01';
const FOREIGN_PROVINCE = 'EE';
const dayOf = (date) => date.toISOString().slice(0, 10);
const addDays = (day, n) => dayOf(new Date(Date.parse(`${day}T00:00:00Z`) + n * 86400000));
const compare = (a, b) => (a < b ? -1 : a > b ? 1 : 0);

// The program's own normal form of each name, from the name tool.
const keyCache = new Map();
function keysOf(names) {
  const missing = [...new Set(names)].filter((n) => !keyCache.has(n));
  if (missing.length > 0) {
    if (missing.some((n) => /[\r\n]/.test(n))) throw new Error('a name with a line end');
    const out = execFileSync(namesTool, ['names'], { input: `${missing.join('\n')}\n`, maxBuffer: 1 << 28 });
    const keys = out.toString('latin1').split('\n');
    missing.forEach((n, i) => keyCache.set(n, keys[i]));
  }
  return names.map((n) => keyCache.get(n));
}
const keyOf = (name) => keysOf([name])[0];

// ---------------------------------------------------------------------------
// The archive

// Comma-separated fields, each quoted or not ("" inside quotes is one ").
function csvFields(line) {
  const fields = [];
  let at = 0;
  for (;;) {
    if (line[at] === '"') {
      let value = '';
      let i = at + 1;
      for (;;) {
        const q = line.indexOf('"', i);
        if (q < 0) throw new Error(`unclosed quote: ${line}`);
        value += line.slice(i, q);
        if (line[q + 1] === '"') {
          value += '"';
          i = q + 2;
        } else {
          at = q + 1;
          break;
        }
      }
      fields.push(value);
    } else {
      const comma = line.indexOf(',', at);
      fields.push(line.slice(at, comma < 0 ? line.length : comma));
      at = comma < 0 ? line.length : comma;
    }
    if (at >= line.length) return fields;
    if (line[at] !== ',') throw new Error(`text after a quoted field: ${line}`);
    ++at;
  }
}

const archiveText = readFileSync(archivePath, 'utf8').replace(/^\uFEFF/, '');
const [headerLine, ...recordLines] = archiveText.split(/\r?\n/).filter((l) => l.length > 0);
const header = csvFields(headerLine);
const column = (name) => {
  const i = header.indexOf(name);
  if (i < 0) throw new Error(`no column ${name} in the archive`);
  return i;
};
const C = Object.fromEntries(['DATAISTITUZIONE', 'DATACESSAZIONE', 'CODCATASTALE', 'DENOMINAZIONE_IT',
  'DENOMTRASLITTERATA', 'ALTRADENOMINAZIONE', 'ALTRADENOMTRASLITTERATA', 'SIGLAPROVINCIA'].map((n) => [n, column(n)]));
const archive = [];
let withoutCode = 0;
for (const line of recordLines) {
  const f = csvFields(line);
  if (f.length !== header.length) throw new Error(`record of ${f.length} fields: ${line}`);
  const record = {
    first: f[C.DATAISTITUZIONE], last: f[C.DATACESSAZIONE], code: f[C.CODCATASTALE],
    name: f[C.DENOMINAZIONE_IT].trim(), other: f[C.ALTRADENOMINAZIONE].trim(), province: f[C.SIGLAPROVINCIA],
    // The names spelt in plain letters (MUEHLWALD for MÜHLWALD).
    spelt: [[f[C.DENOMTRASLITTERATA].trim(), f[C.DENOMINAZIONE_IT].trim()],
      [f[C.ALTRADENOMTRASLITTERATA].trim(), f[C.ALTRADENOMINAZIONE].trim()]],
  };
  if (!/^[A-Z]\d{3}$/.test(record.code)) {
    ++withoutCode; // "ND": the archive gives no cadastral code for the period
    continue;
  }
  if (!/^\d{4}-\d\d-\d\d$/.test(record.first) || !/^\d{4}-\d\d-\d\d$/.test(record.last)
      || record.first > record.last || !/^[A-Z]{2}$/.test(record.province) || !record.name) {
    throw new Error(`unexpected record: ${line}`);
  }
  archive.push(record);
}
const archiveEnd = archive.reduce((m, r) => (r.first > m ? r.first : m), '');
console.error(`make-municipalities: ${archive.length} records of the archive, ${withoutCode} without a code, newest from ${archiveEnd}`);

// ---------------------------------------------------------------------------
// The package: foreign states, and changes after the archive

// A few names of the package went through a wrong character set: "CittÃ\u00a0"
// for "Città", or a lone "Ã"/"Ă" where the second byte of "à" was lost.
const repairs = [];
function repairName(name, code) {
  let repaired = name;
  if (/Ã[\u0080-\u00bf]/.test(repaired) && [...repaired].every((c) => c.charCodeAt(0) <= 0xff)) {
    const decoded = Buffer.from(repaired, 'latin1').toString('utf8');
    if (!decoded.includes('\ufffd')) repaired = decoded;
  }
  repaired = repaired.replace(/[ÃĂ](?![\u0080-\u00bf])/g, 'à').normalize('NFC');
  if (repaired !== name) repairs.push(`${repaired} (${code})`);
  return repaired;
}
// The package's last day is the day after the last one (the day the next
// place begins); the archive's is the last day itself.
const lastDayOf = (date) => (dayOf(date) === STILL_VALID ? STILL_VALID : addDays(dayOf(date), -1));

const cities = await belfiore.cities.toArray();
const countries = await belfiore.countries.toArray();
const archiveCodes = new Set(archive.map((r) => r.code));
const later = { created: [], ended: [] };
for (const city of cities) {
  const first = dayOf(city.creationDate);
  const last = lastDayOf(city.expirationDate);
  if (!archiveCodes.has(city.belfioreCode)) {
    if (first <= archiveEnd) throw new Error(`${city.belfioreCode}: not in the archive, created ${first}`);
    const name = repairName(city.name, city.belfioreCode).toUpperCase();
    archive.push({ first, last, code: city.belfioreCode, name, other: '', province: city.province, spelt: [] });
    later.created.push(`${name} (${city.belfioreCode}, ${first})`);
    continue;
  }
  if (last === STILL_VALID || last < archiveEnd) continue;
  for (const record of archive) {
    if (record.code === city.belfioreCode && record.last === STILL_VALID) {
      record.last = last;
      later.ended.push(`${record.name} (${record.code}, ${last})`);
    }
  }
}
console.error(`make-municipalities: after the archive, created: ${later.created.join(', ')}; ended: ${later.ended.join(', ')}`);

// ---------------------------------------------------------------------------
// The lines

const lines = []; // {name, code, first, last, province, source}
keysOf(archive.flatMap((r) => r.spelt.flat().filter(Boolean)));
for (const r of archive) {
  lines.push({ ...r, source: 'archive' });
  if (r.other && r.other !== r.name) lines.push({ ...r, name: r.other, source: 'other' });
  // A name spelt in plain letters that the program would not find as the
  // name itself.
  for (const [spelt, name] of r.spelt) {
    if (spelt && name && keyOf(spelt) !== keyOf(name)) lines.push({ ...r, name: spelt, source: 'spelt' });
  }
}

// Consecutive lines of the same name, code and province become one.
function joined(list) {
  const groups = new Map();
  for (const l of list) {
    const id = `${l.name}\t${l.code}\t${l.province}`;
    if (!groups.has(id)) groups.set(id, []);
    groups.get(id).push(l);
  }
  const out = [];
  for (const group of groups.values()) {
    group.sort((a, b) => compare(a.first, b.first));
    let current = null;
    for (const l of group) {
      if (current && l.first <= addDays(current.last, 1)) {
        if (l.last > current.last) current.last = l.last;
      } else {
        current = { ...l };
        out.push(current);
      }
    }
  }
  return out;
}
const fromArchive = joined(lines);

// The first day of each code: before 1925 it is where the records begin.
const firstOfCode = new Map();
for (const l of fromArchive) {
  if (!firstOfCode.has(l.code) || l.first < firstOfCode.get(l.code)) firstOfCode.set(l.code, l.first);
}
let sinceEver = 0;
for (const l of fromArchive) {
  if (l.first === firstOfCode.get(l.code) && l.first < RECORDS_BEGIN) {
    l.first = SINCE_EVER;
    ++sinceEver;
  }
}

// Foreign states: the name, without its note in brackets, each side of a
// slash.
const states = [];
for (const country of countries) {
  const name = repairName(country.name, country.belfioreCode).toUpperCase();
  const names = new Set([name]);
  const unbracketed = name.replace(/\s*\([^)]*\)\s*$/, '');
  if (unbracketed !== name) names.add(unbracketed);
  if (name.includes('/')) for (const side of name.split('/')) names.add(side.trim());
  for (const n of names) {
    states.push({ name: n, code: country.belfioreCode, first: SINCE_EVER,
      last: lastDayOf(country.expirationDate), province: FOREIGN_PROVINCE, source: 'state' });
  }
}

// ---------------------------------------------------------------------------
// Names of codice-fiscale-js that neither source has

const known = [...fromArchive, ...states];
const knownKeys = keysOf(known.map((l) => l.name));
const codesOfKey = new Map();
known.forEach((l, i) => {
  if (!codesOfKey.has(knownKeys[i])) codesOfKey.set(knownKeys[i], new Set());
  codesOfKey.get(knownKeys[i]).add(l.code);
});
const linesOfCode = new Map();
for (const l of known) {
  if (l.source === 'other') continue;
  if (!linesOfCode.has(l.code)) linesOfCode.set(l.code, []);
  linesOfCode.get(l.code).push(l);
}
const provincesOfCode = new Map();
for (const l of known) {
  if (!provincesOfCode.has(l.code)) provincesOfCode.set(l.code, new Set());
  provincesOfCode.get(l.code).add(l.province);
}
const listed = new Map(); // "NAME\tCODE" of the list
for (const [code, province, name] of COMUNI) listed.set(`${name}\t${code}`, { name, code, province });
const listKeys = keysOf([...listed.values()].map((e) => e.name));
const fromList = { present: 0, withPeriods: [], withoutDays: [], otherProvince: [], otherName: [] };
const addedKeys = new Set();
[...listed.values()].forEach(({ name, code, province }, i) => {
  const key = listKeys[i];
  const codes = codesOfKey.get(key);
  if (codes?.has(code) || addedKeys.has(`${key}\t${code}`)) {
    ++fromList.present;
  } else if (codes && linesOfCode.has(code) && !provincesOfCode.get(code).has(province)) {
    // Another code's name, and a province that was never this code's: the
    // list's code is a slip (CALASCIBETTA with B380, which is CALASCA's).
    fromList.otherProvince.push(`${name} (${code} ${province})`);
  } else if (linesOfCode.has(code)) {
    // Found through its code: the code valid on the birth day.
    addedKeys.add(`${key}\t${code}`);
    fromList.withPeriods.push({ name, code, province, first: NO_DAY, last: NO_DAY, source: 'list' });
  } else if (codes) {
    fromList.otherName.push(`${name} (${code})`);
  } else {
    // A code that no other source knows: valid on every day, as the line of
    // a table without days.
    addedKeys.add(`${key}\t${code}`);
    fromList.withoutDays.push({ name, code, province, source: 'list' });
  }
});
const listLines = [...fromList.withPeriods, ...fromList.withoutDays];
console.error(`make-municipalities: codice-fiscale-js names ${listed.size}: ${fromList.present} already there, `
  + `${fromList.withPeriods.length} added found through their code, ${fromList.withoutDays.length} added without days, `
  + `${fromList.otherProvince.length} left out (province not the code's: ${fromList.otherProvince.join(', ')}), `
  + `${fromList.otherName.length} left out (code unknown, name another code's: ${fromList.otherName.join(', ')})`);

// ---------------------------------------------------------------------------
// The table

const table = [...fromArchive, ...states, ...listLines];
const bytes = (s) => Buffer.from(s, 'utf8');
table.sort((a, b) => Buffer.compare(bytes(a.name), bytes(b.name)) || compare(a.first ?? '', b.first ?? '')
  || compare(a.code, b.code) || compare(a.province, b.province));
for (const l of table) {
  if (/[\t\r\n]/.test(l.name) || bytes(l.name).length > 60) throw new Error(`name unfit for the table: ${l.name}`);
}
writeFileSync(tablePath, table.map((l) => (l.first
  ? `${l.name}\t${l.code}\t${l.first}\t${l.last}\t${l.province}\n` : `${l.name}\t${l.code}\t${l.province}\n`)).join(''));
const count = (source) => table.filter((l) => l.source === source).length;
const counts = {
  records: archive.length - later.created.length + withoutCode,
  withoutCode,
  archiveLines: count('archive'),
  otherLines: count('other'),
  speltLines: count('spelt'),
  codes: new Set(fromArchive.map((l) => l.code)).size,
  current: new Set(fromArchive.filter((l) => l.last === STILL_VALID).map((l) => l.code)).size,
  sinceEver,
  states: countries.length,
  stateLines: count('state'),
  listNames: listed.size,
  listLines: count('list'),
  lines: table.length,
};
console.error(`make-municipalities: ${JSON.stringify(counts)}`);

// ---------------------------------------------------------------------------
// The note on the sources

// Words joined into lines of at most 78 characters, each after `indent`.
function wrap(text, indent = '') {
  const out = [];
  let line = '';
  for (const word of text.split(/\s+/).filter(Boolean)) {
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
const item = (text) => wrap(text, '  ').replace(/^ {2}/, '- ');
const embedded = '@marketto/belfiore-connector-embedded';
const n = (x) => x.toLocaleString('en-US');
const nIt = (x) => x.toLocaleString('it-IT');
const createdList = later.created.join(', ');
const endedList = later.ended.join(', ');
const otherProvinceList = fromList.otherProvince.join(', ');
const otherNameList = fromList.otherName.join(', ');
const sources = `risorsa.cf.txt - fonti e licenze / sources and licences
========================================================

ITALIANO

risorsa.cf.txt è la tabella dei comuni italiani (attuali e soppressi) e degli
Stati esteri usata dal comando 'f' (codice fiscale): una riga per ogni nome
di un luogo in un periodo, con nome, codice catastale (Belfiore), primo e
ultimo giorno del periodo e sigla della provincia (EE per gli Stati esteri).
È generata da scripts/make-municipalities a partire da tre fonti.

1. Archivio dei comuni dell'Anagrafe nazionale della popolazione residente
   (ANPR), Ministero dell'Interno: data/anpr/ANPR_archivio_comuni.csv,
   copiato senza modifiche da https://github.com/italia/anpr
   (src/archivi/ANPR_archivio_comuni.csv). Licenza Creative Commons
   Attribuzione 4.0 Internazionale (CC BY 4.0),
   https://creativecommons.org/licenses/by/4.0/legalcode.it; testo in
   data/anpr/LICENSE, autori in data/anpr/AUTHORS.
${wrap(`Dall'archivio: ${nIt(counts.records)} record, di cui ${withoutCode} senza codice catastale ("ND") tralasciati; ogni nome italiano e ogni nome nella seconda lingua (tedesco, francese, sloveno) con i suoi periodi; i record consecutivi con lo stesso nome, codice e provincia sono uniti in una riga: ${nIt(counts.archiveLines)} righe di nomi italiani e ${nIt(counts.otherLines)} di nomi nella seconda lingua, più ${nIt(counts.speltLines)} righe dei nomi traslitterati dell'archivio che il programma non riconoscerebbe dal nome stesso (MUEHLWALD per MÜHLWALD); ${nIt(counts.codes)} codici (${nIt(counts.current)} comuni attuali).`, '   ')}

2. Pacchetto npm ${embedded} ${packageVersion(embedded)}
   (https://www.npmjs.com/package/${embedded}),
   di Marco Ricupero, licenza MIT; i suoi dati vengono dallo stesso archivio
   ANPR (CC BY 4.0) e dall'ISTAT (CC BY 3.0,
   https://creativecommons.org/licenses/by/3.0/it/).
${wrap(`Dal pacchetto: i ${counts.states} Stati esteri (${counts.stateLines} righe: anche il nome senza la nota tra parentesi e ciascun lato della barra, per esempio MYANMAR e BIRMANIA) e i cambiamenti successivi all'ultimo record dell'archivio (${archiveEnd}): comuni istituiti ${createdList}; comuni cessati ${endedList}.`, '   ')}

3. Pacchetto npm codice-fiscale-js ${packageVersion('codice-fiscale-js')}
   (https://www.npmjs.com/package/codice-fiscale-js), di Luca Vandro,
   licenza CC BY-SA 4.0 (https://creativecommons.org/licenses/by-sa/4.0/).
${wrap(`Dal suo elenco (${nIt(counts.listNames)} coppie nome-codice): ${nIt(fromList.present)} già presenti; aggiunti ${nIt(fromList.withPeriods.length)} nomi che le altre fonti non hanno, di un codice che conoscono: l'elenco non dà il periodo del nome, che viene trovato attraverso il suo codice (il codice valido alla data di nascita sotto un altro nome; scritto con il periodo 0000-01-01 0000-01-01, in cui non cade nessuna data di nascita); aggiunti senza date (validi a ogni data) ${nIt(fromList.withoutDays.length)} nomi di un codice che le altre fonti non conoscono; tralasciati ${fromList.otherProvince.length} nomi che le altre fonti danno a un altro codice e la cui provincia non è mai stata quella del codice dell'elenco (errori dell'elenco: ${otherProvinceList}) e ${fromList.otherName.length} nomi di un codice sconosciuto che le altre fonti danno a un altro codice (${otherNameList}).`, '   ')}

Modifiche rispetto ai dati:
${item('i nomi degli Stati esteri e dei comuni presi dal pacchetto npm sono scritti in maiuscolo; nomi con caratteri corrotti nel pacchetto, corretti: ' + repairs.join(', ') + ';')}
${item(`un primo giorno anteriore al 1925-01-01 che è il primo del suo codice segna l'inizio dei record dell'archivio (l'unità, le annessioni fino al 1924), non l'istituzione del comune: è scritto 0000-01-01 (${nIt(sinceEver)} righe); così anche il primo giorno di ogni Stato estero, che i dati non danno in modo affidabile;`)}
${item('l\'ultimo giorno del pacchetto npm è il giorno in cui inizia il luogo successivo: è scritto il giorno prima, come fa l\'archivio.')}
Il programma confronta i nomi senza distinguere maiuscole e minuscole, con le
lettere accentate come lettere semplici.

ENGLISH

risorsa.cf.txt is the table of Italian municipalities (current and former)
and foreign states used by the 'f' command (tax code): one line for each
name of a place in a period, with the name, the cadastral (Belfiore) code,
the first and last day of the period and the province's abbreviation (EE for
foreign states). It is generated by scripts/make-municipalities from three
sources.

1. The archive of municipalities of the national resident register (ANPR,
   Anagrafe nazionale della popolazione residente), Italian Ministry of the
   Interior (Ministero dell'Interno): data/anpr/ANPR_archivio_comuni.csv,
   copied unchanged from https://github.com/italia/anpr
   (src/archivi/ANPR_archivio_comuni.csv). Licence Creative Commons
   Attribution 4.0 International (CC BY 4.0),
   https://creativecommons.org/licenses/by/4.0/legalcode; text in
   data/anpr/LICENSE, authors in data/anpr/AUTHORS.
${wrap(`From the archive: ${n(counts.records)} records, of which ${withoutCode} without a cadastral code ("ND") are left out; every Italian name and every name in the second language (German, French, Slovene) with its periods; consecutive records of the same name, code and province are joined into one line: ${n(counts.archiveLines)} lines of Italian names and ${n(counts.otherLines)} of second-language names, and ${n(counts.speltLines)} lines of the archive's transliterated names that the program would not find as the name itself (MUEHLWALD for MÜHLWALD); ${n(counts.codes)} codes (${n(counts.current)} current municipalities).`, '   ')}

2. The npm package ${embedded} ${packageVersion(embedded)}
   (https://www.npmjs.com/package/${embedded}),
   by Marco Ricupero, MIT licence; its data come from the same ANPR archive
   (CC BY 4.0) and from ISTAT (CC BY 3.0,
   https://creativecommons.org/licenses/by/3.0/it/).
${wrap(`From the package: the ${counts.states} foreign states (${counts.stateLines} lines: also the name without its note in brackets and each side of a slash, such as MYANMAR and BIRMANIA) and the changes after the archive's last record (${archiveEnd}): municipalities created ${createdList}; municipalities ended ${endedList}.`, '   ')}

3. The npm package codice-fiscale-js ${packageVersion('codice-fiscale-js')}
   (https://www.npmjs.com/package/codice-fiscale-js), by Luca Vandro,
   licence CC BY-SA 4.0 (https://creativecommons.org/licenses/by-sa/4.0/).
${wrap(`From its list (${n(counts.listNames)} name-code pairs): ${n(fromList.present)} already there; added ${n(fromList.withPeriods.length)} names the other sources lack, of a code they know: the list gives no period for the name, which is found through its code (the code valid on the birth day under another name; written with the period 0000-01-01 0000-01-01, in which no birth day falls); added without days (valid on every day) ${n(fromList.withoutDays.length)} names of a code the other sources do not know; left out ${fromList.otherProvince.length} names that the other sources give to another code and whose province was never that of the list's code (errors of the list: ${otherProvinceList}) and ${fromList.otherName.length} names of an unknown code that the other sources give to another code (${otherNameList}).`, '   ')}

Changes made to the data:
${item('the names of foreign states and of the municipalities taken from the npm package are written in capitals; names garbled in the package, repaired: ' + repairs.join(', ') + ';')}
${item(`a first day before 1925-01-01 that is the first of its code marks where the archive's records begin (the unification, the annexations up to 1924), not the creation of the municipality: it is written 0000-01-01 (${n(sinceEver)} lines); so is the first day of every foreign state, which the data do not give reliably;`)}
${item("the npm package's last day is the day on which the next place begins: the day before is written, as in the archive.")}
The program compares names regardless of case, with accented letters as
plain letters.
`;
writeFileSync(sourcesPath, sources);
console.error(`make-municipalities: ${table.length} lines`);
