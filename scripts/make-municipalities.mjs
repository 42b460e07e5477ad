// Writes the municipality table of the 'f' command to standard output, one
// "NAME<TAB>CODE" line per name, sorted by name. Run it through
// scripts/make-municipalities, which passes the path of lista-comuni.js.
//
// Input rows are [code, province, name, active]; province "EE" marks a
// foreign state. Kept: every active Italian municipality and every foreign
// state, current or not (people born in a state that no longer exists keep
// its code).
//
// Names are written as the program's normalizeName turns the typed name:
// upper case, an elision apostrophe doubled (SANT'ANNA -> SANT''ANNA), an
// accented vowel as the vowel and one apostrophe (the list writes CANTU' for
// CANTÙ, kept as CANTU'), any sign other than a letter or a space followed by
// an apostrophe (a hyphen as -', a bracket as (').
//
// Extra lines, so that what people type is found:
// - accents typed as apostrophes: CANTU'' (from "Cantu'") besides CANTU';
// - a name shared by two municipalities: the plain name gives the one with
//   the lower cadastral code, and "NAME (PROVINCE)" gives each of them;
// - foreign states: each side of a name with "=" (DAHOMEY=BENIN) and the
//   name without its bracketed note (BERMUDA (ISOLE) -> BERMUDA), when no
//   other entry has that name and it names a single code.
//
// When several rows give one name: a line of the list's own name beats any
// extra line; a current code beats a former one; then the lower code wins.

import { pathToFileURL } from 'node:url';

const listPath = process.argv[2];
if (!listPath) {
  console.error('usage: node make-municipalities.mjs PATH/lista-comuni.js');
  process.exit(2);
}
const { COMUNI } = await import(pathToFileURL(listPath).href);

const FOREIGN = 'EE';
const isLetter = (c) => c >= 'A' && c <= 'Z';
const isVowel = (c) => 'AEIOU'.includes(c);

// The normalised form; `accentAs` is what an accent's apostrophe becomes:
// "'" for the accent typed as a letter, "''" for it typed as an apostrophe.
function normalise(name, accentAs) {
  const text = name.toUpperCase();
  let out = '';
  for (let i = 0; i < text.length; ++i) {
    const c = text[i];
    if (isLetter(c) || c === ' ') {
      out += c;
    } else if (c === "'") {
      const accent = i > 0 && isVowel(text[i - 1]) && !isLetter(text[i + 1] ?? '');
      out += accent ? accentAs : "''";
    } else {
      out += c + "'";
    }
  }
  return out;
}

// Rank of a claim on a name: lower wins.
const OWN_NAME = 0;
const FORMER_STATE = 1;
const EXTRA = 2;

const claims = new Map(); // normalised name -> [{rank, code}]
function claim(name, rank, code) {
  if (!claims.has(name)) claims.set(name, []);
  claims.get(name).push({ rank, code });
}

function claimWithAccentAlias(name, rank, code) {
  const typedWithAccents = normalise(name, "'");
  claim(typedWithAccents, rank, code);
  const typedWithApostrophes = normalise(name, "''");
  if (typedWithApostrophes !== typedWithAccents) claim(typedWithApostrophes, EXTRA, code);
}

const kept = COMUNI.filter(([, province, , active]) => active === 1 || province === FOREIGN);

// Municipalities that share a name also get the province in brackets.
const provincesByName = new Map();
for (const [, province, name] of kept) {
  if (province === FOREIGN) continue;
  if (!provincesByName.has(name)) provincesByName.set(name, new Set());
  provincesByName.get(name).add(province);
}

for (const [code, province, name, active] of kept) {
  if (province !== FOREIGN) {
    claimWithAccentAlias(name, OWN_NAME, code);
    if (provincesByName.get(name).size > 1) claimWithAccentAlias(`${name} (${province})`, EXTRA, code);
    continue;
  }
  claimWithAccentAlias(name, active === 1 ? OWN_NAME : FORMER_STATE, code);
  const sides = name.split('=').map((s) => s.trim());
  const shortNames = new Set(sides.length > 1 ? sides : []);
  for (const side of sides) shortNames.add(side.replace(/\s*\([^)]*\)\s*$/, ''));
  shortNames.delete(name);
  for (const short of shortNames) {
    if (short !== '') claimWithAccentAlias(short, EXTRA, code);
  }
}

const lines = [];
for (const [name, all] of claims) {
  const best = Math.min(...all.map((c) => c.rank));
  const codes = [...new Set(all.filter((c) => c.rank === best).map((c) => c.code))].sort();
  // An extra name that would stand for two different places is left out.
  if (best === EXTRA && codes.length > 1) {
    console.error(`left out: ${name} (${codes.join(', ')})`);
    continue;
  }
  lines.push([name, codes[0]]);
}
const bytes = (s) => Buffer.from(s, 'latin1');
lines.sort((a, b) => Buffer.compare(bytes(a[0]), bytes(b[0])));
process.stdout.write(lines.map(([name, code]) => `${name}\t${code}\n`).join(''));
