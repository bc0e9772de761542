#!/usr/bin/env node
// Writes the readings catalogue data/encodings/sedrot.xml and the catalogue of every portion's
// annual reading data/encodings/torah.xml from the reading tables of @hebcal/leyning and
// @hebcal/triennial (BSD-2-Clause).
//
//   node tools/make-catalogue.mjs [--cli PATH] [output folder]   (default: data/encodings)
//
// The special Maftir and Haftarah options of a portion are those its Sabbath can need: the
// program's own schedule is asked (PATH is lyrasta-cli, by default the first of build/*/
// src/app/lyrasta-cli) for the special keys of every portion in one year of each of the
// fourteen year types, in the Diaspora and in Israel, and each key's reading is taken from
// the readings of such a Sabbath.
//
// sedrot.xml: the root holds one element per reading, in the order of the open-reading
// dialog: the weekly portions (single and combined), the holidays and fasts, the Megillot.
// A reading's children are its options, with the attributes the program reads:
//   Torah options (Type "Torah", or "HiHoliday" on Rosh Hashanah and Yom Kippur), the Sabbath
//     readings first: Cycle "0" the annual reading, seven aliyot Kohen ... Shvii; Cycle "1",
//     "2", "3" the triennial reading of that year of the cycle, or for the twelve portions sometimes read with their neighbour (Vayakhel ...
//     Masei) the cycle followed by S or T for each year of the cycle (read separately or
//     together), e.g. "2SST"; Cycle "4" the weekday reading (its Name begins "Weekday");
//     Cycle "5" a
//     holiday's reading, with its own Maftir.
//   Maftir options (Type "Maftir"): a triennial key, then Cycle "0", for the portion's own
//     Maftir; Special the schedule's key ("Shabbas Rosh Chodesh", "Chanukah Day 3", ...) otherwise.
//   Haftarah options (Type "Haftarah"): the triennial cycle's Haftarah of each triennial
//     reading (Cycle its key, listed only in that cycle), then the Ashkenazi custom, then the
//     Sephardi one where it differs (its Name saying so); Special "" for the portion's own, the
//     schedule's key otherwise; a Haftarah of several pieces fills R1, R2, ... in order.
//   Holidays and fasts: Torah options of Cycle "5"; the afternoon reading is named "Minchah".
//   Other readings (the Megillot): Type "Esther", "Eichah" or "Ruth-Koheles-ShirHashirim", R1
//     the whole book or one chapter.
//   Every Torah option and Esther, read from a scroll, have Wrapped "TRUE": they are shown line
//   for line as the scroll is written.
// References are "GEN1:1-2:3": book code, first and last chapter:verse. The readings' source
// numbers Numbers 25 as the codex does (the half verse 25:19); it is mapped to the numbering
// of the program's text, where that half verse opens 26:1 (lib/reading-numbering.js).

import fs from 'node:fs';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { HDate, months, parshiot, getSedra } from '@hebcal/core';
import { getLeyningForParsha, getLeyningForHolidayKey, getLeyningOnDate } from '@hebcal/leyning';

const require = createRequire(import.meta.url);
const { BOOKS } = require('./lib/books');
const { readingVerseOf } = require('./lib/reading-numbering');
const { written, unwritten, haftarahFlaw } = require('./lib/haftarah');

const TOOLS = path.dirname(fileURLToPath(import.meta.url));
const ROOT = path.join(TOOLS, '..');

// The program's weekly portions, matched with the source's by the Sabbaths on which the
// program's schedule (`lyrasta-cli calendar sabbaths`) and the source read them over 5600-6000,
// in the Diaspora and in Israel: [{ name, parts, source }] (the source's name of each part and of
// the whole, "Vayakhel-Pekudei") in the order of the Torah, each combined
// portion after its two parts ("Vayakhel", "Pekudei", "Vayakhel+Pekudei").
export function portionNames(cli) {
  const sources = new Map();
  for (const israel of [false, true]) {
    const args = ['calendar', 'sabbaths', '--from-year', '5600', '--to-year', '6000'];
    if (israel) args.push('--israel');
    const sedra = new Map();
    for (const line of execFileSync(cli, args, { encoding: 'utf8', maxBuffer: 1 << 26 }).trim().split('\n')) {
      const s = JSON.parse(line);
      if (s.portion === '') continue;
      if (!sedra.has(s.hyear)) sedra.set(s.hyear, getSedra(s.hyear, israel));
      const [y, m, d] = s.date.split('-').map(Number);
      const read = sedra.get(s.hyear).lookup(new HDate(new Date(y, m - 1, d)));
      if (!sources.has(s.portion)) sources.set(s.portion, new Set());
      if (!read.chag) sources.get(s.portion).add(read.parsha.join('|'));
    }
  }
  // V'zos HaBracha stands on the Sabbath of the Succos week, which the source counts as the
  // festival's: it is the one portion left on each side
  const unread = [...sources].filter(([, set]) => set.size === 0);
  const used = new Set([...sources.values()].flatMap((set) => [...set]));
  const left = parshiot.filter((p) => !used.has(p));
  if (unread.length === 1 && left.length === 1) unread[0][1].add(left[0]);
  return [...sources].map(([name, set]) => {
    if (set.size !== 1) throw new Error(`${name} is read as "${[...set].join('", "')}"`);
    const parts = [...set][0].split('|');
    return { name, parts, source: parts.join('-') };
  }).sort((a, b) => parshiot.indexOf(a.parts[0]) + (a.parts.length - 1) * 1.5
    - parshiot.indexOf(b.parts[0]) - (b.parts.length - 1) * 1.5);
}

// Book codes of the source's book names.
const CODES = new Map();
for (const b of BOOKS) {
  CODES.set(b.sword, b.code);
  CODES.set(b.title, b.code);
}
for (const [name, code] of [['Ecclesiastes', 'QOH'], ['Song of Songs', 'SOS'], ['Nachum', 'NAH']]) {
  CODES.set(name, code);
}

// "GEN1:1-2:3" of one reading {k, b, e}.
export function reference(a) {
  const code = CODES.get(a.k);
  if (!code) throw new Error(`unknown book ${a.k}`);
  const at = (cv) => {
    // a half verse ("2:2b") is read as its whole verse
    const [c, v] = cv.split(':').map((n) => parseInt(n, 10));
    const r = code === 'NUM' ? readingVerseOf(code, c, v) : { chapter: c, verse: v };
    return `${r.chapter}:${r.verse}`;
  };
  return `${code}${at(a.b)}-${at(a.e)}`;
}

const ALIYOT = ['Kohen', 'Levi', 'Shlishi', 'Revii', 'Chamishi', 'Shishi', 'Shvii'];

// What is read from a scroll (the Torah, Esther) is shown line for line as the scroll is
// written: the text carries the scroll's line ends.
const SCROLL = { Wrapped: 'TRUE' };

// Section attributes of a reading's aliyot ({ "1": ..., "7": ..., "M": ... }).
function aliyotAttributes(aliyot, { maftir = true, chatanim = false } = {}) {
  const attrs = {};
  for (const [key, a] of Object.entries(aliyot || {})) {
    if (key === 'M') {
      if (maftir) attrs.Maftir = reference(a);
      continue;
    }
    const n = Number(key);
    if (!(n >= 1 && n <= 7)) throw new Error(`unknown aliyah ${key}`);
    // Simchas Torah: the sixth reader is the Chatan HaTorah, the seventh the Chatan Bereishis
    if (chatanim && n === 6) attrs.ChatanHaTorah = reference(a);
    else if (chatanim && n === 7) attrs.ChatanBereishisBara = reference(a);
    else attrs[ALIYOT[n - 1]] = reference(a);
  }
  return attrs;
}

// R1, R2, ... of a Haftarah in one or several pieces.
function pieces(haft) {
  const list = Array.isArray(haft) ? haft : [haft];
  if (list.length > 5) throw new Error('a Haftarah of more than five pieces');
  const attrs = {};
  list.forEach((a, i) => { attrs[`R${i + 1}`] = reference(a); });
  return attrs;
}

const same = (x, y) => JSON.stringify(pieces(x)) === JSON.stringify(pieces(y));

// The Ashkenazi Haftarah option and, where the Sephardi custom differs, the Sephardi one.
function haftarahOptions(name, leyning, extra = {}) {
  if (!leyning || !leyning.haft) return [];
  const out = [{ Name: name, Type: 'Haftarah', ...extra, ...pieces(leyning.haft) }];
  if (leyning.seph && !same(leyning.seph, leyning.haft)) {
    const sephName = name === 'Haftarah' ? 'Sephardi custom' : `${name} (Sephardi custom)`;
    out.push({ Name: sephName, Type: 'Haftarah', ...extra, ...pieces(leyning.seph) });
  }
  return out;
}

// ---- the schedule's special keys, from the program itself ---------------------------------

export function findCli(argv) {
  const at = argv.indexOf('--cli');
  if (at >= 0) return argv[at + 1];
  const build = path.join(ROOT, 'build');
  const found = fs.existsSync(build) ? fs.readdirSync(build)
    .map((d) => path.join(build, d, 'src', 'app', 'lyrasta-cli')).find((p) => fs.existsSync(p)) : null;
  if (!found) throw new Error('lyrasta-cli not found: build it, or give --cli PATH');
  return found;
}

const CIVIL_MONTHS = ['Jan.', 'Feb.', 'Mar.', 'Apr.', 'May', 'June', 'July', 'Aug.', 'Sept.', 'Oct.',
  'Nov.', 'Dec.'];

// The civil date of a date line "Oct. 5, 2024 / 3 Tishrei, 5785".
function dateOfLine(line) {
  const m = /^(\S+) (\d+), (\d+) \//.exec(line);
  return new Date(Number(m[3]), CIVIL_MONTHS.indexOf(m[1]), Number(m[2]));
}

// One year of each year type (weekday of Rosh Hashanah and length of the year) in 5600-6000.
function yearOfEachType() {
  const seen = new Map();
  for (let y = 5600; y <= 6000; y++) {
    const type = `${new HDate(1, months.TISHREI, y).getDay()}/${HDate.daysInYear(y)}`;
    if (!seen.has(type)) seen.set(type, y);
  }
  return [...seen.values()];
}

// For every portion, the Sabbaths (date, Israel flag, keys) on which the schedule gives it a
// special Maftir or Haftarah key.
function specialSabbaths(cli, portions) {
  const names = portions.map((p) => p.name);
  const byPortion = new Map(names.map((p) => [p, []]));
  for (const year of yearOfEachType()) {
    for (const israel of [false, true]) {
      const args = ['calendar', 'keys', '--year', String(year), ...names.flatMap((p) => ['--reading', p])];
      if (israel) args.push('--israel');
      const lines = execFileSync(cli, args, { encoding: 'utf8' }).trim().split('\n');
      names.forEach((portion, i) => {
        const keys = JSON.parse(lines[i]);
        if (keys.dateLine === '' || (keys.maftir === '' && keys.haftarah === '')) return;
        byPortion.get(portion).push({ ...keys, israel, date: dateOfLine(keys.dateLine) });
      });
    }
  }
  return byPortion;
}

// A portion's special options: one Maftir option per Maftir key and one Haftarah option (or
// two, with the Sephardi custom) per Haftarah key, from the readings of a Sabbath with that
// key. A Sabbath that is not also Rosh Chodesh or its eve is preferred: there the program adds
// the new moon's verses itself.
function specialOptions(sabbaths, problems, portion) {
  const order = [...sabbaths].sort((a, b) => Number(a.roshChodesh || a.erevRoshChodeshSpecial)
    - Number(b.roshChodesh || b.erevRoshChodeshSpecial));
  const maftirs = new Map();
  const haftarot = new Map();
  for (const s of order) {
    const l = getLeyningOnDate(new HDate(s.date), s.israel);
    if (!l) {
      problems.push(`${portion}: no reading on ${s.dateLine}`);
      continue;
    }
    if (s.maftir !== '' && !maftirs.has(s.maftir)) {
      if (l.fullkriyah && l.fullkriyah.M) maftirs.set(s.maftir, reference(l.fullkriyah.M));
      else problems.push(`${portion}: no Maftir for "${s.maftir}" on ${s.dateLine}`);
    }
    if (s.haftarah !== '' && !haftarot.has(s.haftarah)) haftarot.set(s.haftarah, l);
  }
  const out = [];
  for (const [key, ref] of [...maftirs].sort()) {
    out.push({ Name: key, Type: 'Maftir', Special: key, Maftir: ref });
  }
  for (const [key, l] of [...haftarot].sort()) out.push(...haftarahOptions(key, l, { Special: key }));
  return out;
}

// ---- the triennial cycle ----------------------------------------------------------------

// One of the triennial package's tables: "triennial" (the aliyot of each portion by year and
// variation) or "triennial-haft" (each portion's Haftarah of each year of the cycle).
async function triennialTable(name = 'triennial') {
  const file = require.resolve('@hebcal/triennial').replace(/[^/]*$/, '');
  const candidates = [path.join(file, 'esm', `${name}.json.js`), path.join(file, `${name}.json.js`)];
  const at = candidates.find((p) => fs.existsSync(p));
  return (await import(pathToFileURL(at).href)).default;
}

// Where the triennial table's Haftarah of a portion and year cannot be read as it stands, what
// is read instead and why. `source` is the table's entry as `written` gives it: the tool stops
// when the table says something else, so that a corrected or changed package is looked at again.
// The table closes many Haftarot by reading a verse of comfort from the passage once more
// (Jeremiah 1:8 after 1:1-10, Malachi 2:7 after 2:1-10, Isaiah 51:22 after 51:12-23), as the
// annual cycle repeats Malachi 3:23 and Isaiah 66:23: such a closing repeat is read as it stands.
const TRIENNIAL_HAFTARAH_CORRECTIONS = [
  { portion: 'Ki Teitzei', year: 3,
    source: 'Isaiah 48:12-48:21; Isaiah 4:20-4:20',
    read: 'Isaiah 48:12-48:21; Isaiah 48:20-48:20',
    why: 'Isaiah 4 has six verses; the closing repeat is 48:20 of the passage read ("the LORD has '
      + 'redeemed his servant Jacob"), its chapter number having lost its 8' },
  { portion: 'Emor', year: 3,
    source: 'Nachum 1:1-1:7; Nachum 2:1-2:3; Nachum 2:2b-2:3a',
    read: 'Nachum 1:1-1:7; Nachum 2:1-2:3',
    why: 'the closing repeat ends in mid-verse, on "the LORD restores the pride of Jacob" (2:3a); '
      + 'read in whole verses it would end on the same words as the passage before it, so the '
      + 'passage is read once' },
  { portion: 'Masei', year: 3,
    source: 'I Kings 9:2-9:9; I Kings 9:4-9:5a',
    read: 'I Kings 9:2-9:9; I Kings 9:4-9:5',
    why: 'the closing repeat ends in mid-verse; the whole of 9:5 ("there shall not fail you a man '
      + 'upon the throne of Israel") still closes in comfort' },
  { portion: "Re'eh", year: 1,
    source: 'Isaiah 54:11-55:5**',
    read: 'Isaiah 54:11-55:5',
    why: 'the asterisks are a footnote mark of the table' },
];

// The Haftarah of a triennial reading (cycle key "2" or "2SST"): the Haftarah of that year of
// the cycle of the portion read; for a combined portion, that of its first part in the first
// year and of its second part in the later years, as the cycle's Torah readings divide it.
// None where the cycle keeps the annual Haftarah. A flaw of the table that the corrections do
// not mend is a problem, and the Haftarah is left out.
function triennialHaftarah(parts, cycle, haftTable, problems) {
  const year = Number(cycle[0]);
  const part = parts.length === 1 || year === 1 ? parts[0] : parts[1];
  const haft = haftTable[part] && haftTable[part][year];
  if (typeof haft !== 'object') return null;
  let list = Array.isArray(haft) ? haft : [haft];
  const correction = TRIENNIAL_HAFTARAH_CORRECTIONS.find((c) => c.portion === part && c.year === year);
  if (correction) {
    if (written(list) !== correction.source) {
      problems.push(`${part}'s triennial Haftarah, year ${year}: the table says "${written(list)}", `
        + `the correction expects "${correction.source}"`);
    }
    list = unwritten(correction.read);
  }
  const flaw = haftarahFlaw(list, (k) => (CODES.has(k) ? chapterLengths(CODES.get(k)) : null));
  if (flaw) {
    problems.push(`${part}'s triennial Haftarah, year ${year} (${written(list)}): ${flaw}`);
    return null;
  }
  return list;
}

// The aliyot of a variation ("C.2"), following the table's references from one to another.
function variation(entry, key) {
  const table = entry.variations || entry.years || {};
  let v = table[key];
  while (typeof v === 'string') v = table[v];
  return v;
}

// The triennial readings of a portion: [{ cycle key, aliyot as {"1": {k,b,e}, ...} }].
function triennialReadings(source, table) {
  const entry = table[source];
  const book = ['', 'Genesis', 'Exodus', 'Leviticus', 'Numbers', 'Deuteronomy'][entry.book];
  const toAliyot = (v) => Object.fromEntries(Object.entries(v).map(([k, [b, e]]) => [k, { k: book, b, e }]));
  // Nitzavim and Vayeilech keep one reading per year whether read apart or together
  const n = parshiot.indexOf(source);
  const pair = [n - 1, n].find((f) => f >= 0 && table[`${parshiot[f]}-${parshiot[f + 1]}`]);
  const combined = pair === undefined ? null : table[`${parshiot[pair]}-${parshiot[pair + 1]}`];
  if (!combined || source.startsWith('Nitzavim') || source === 'Vayeilech') {
    return [1, 2, 3].map((c) => ({ cycle: String(c), aliyot: toAliyot(variation(entry, `Y.${c}`)) }));
  }
  // a single portion sometimes read with its neighbour: one reading per year of each pattern
  // of the cycle in which it is read separately that year
  const out = [];
  for (const [pattern, v] of Object.entries(combined.patterns || {})) {
    for (let c = 1; c <= 3; c++) {
      if (pattern[c - 1] !== 'S') continue;
      const aliyot = variation(entry, `${v}.${c}`);
      if (aliyot) out.push({ cycle: `${c}${pattern}`, aliyot: toAliyot(aliyot) });
    }
  }
  return out.sort((a, b) => a.cycle.localeCompare(b.cycle));
}

// ---- the readings -----------------------------------------------------------------------

function portionReading({ name, parts, source }, table, haftTable, specials, problems) {
  const l = getLeyningForParsha(source);
  // V'zos HaBracha is never read on a Sabbath but on Simchas Torah: in either cycle its reading
  // is that day's, the last verses for the Chatan HaTorah and the start of Bereishis for the
  // Chatan Bereishis, with the festival's Maftir
  const simchasTorah = source === 'Vezot Haberakhah' ? getLeyningForHolidayKey('Simchat Torah').fullkriyah : null;
  const sabbath = (name, aliyot) => (simchasTorah
    ? { Name: 'Simchas Torah', ...SCROLL, ...aliyotAttributes(simchasTorah, { maftir: false, chatanim: true }) }
    : { Name: name, ...SCROLL, ...aliyotAttributes(aliyot, { maftir: false }) });
  const options = [{ Type: 'Torah', Cycle: '0', ...sabbath('Shabbas', l.fullkriyah) }];
  const triennial = triennialReadings(source, table);
  for (const t of triennial) {
    options.push({ Type: 'Torah', Cycle: t.cycle, ...sabbath(`Triennial, year ${t.cycle[0]}`, t.aliyot) });
  }
  // after the Sabbath readings, so that the dialog's first Torah option is a Sabbath's in both
  // cycles
  const weekday = l.weekday || getLeyningForParsha(parts[0]).weekday;
  if (weekday) {
    options.push({ Name: 'Weekday (Mon./Thu.)', Type: 'Torah', Cycle: '4', ...SCROLL,
      ...aliyotAttributes(weekday) });
  }
  // the triennial Maftir before the annual one, which the dialog lists in both cycles: in
  // triennial mode the cycle's own Maftir is the one selected
  for (const t of triennial) {
    if (t.aliyot.M && !simchasTorah) {
      options.push({ Name: `Maftir (triennial year ${t.cycle[0]})`, Type: 'Maftir', Cycle: t.cycle,
        Maftir: reference(t.aliyot.M) });
    }
  }
  const maftir = simchasTorah ? simchasTorah.M : l.fullkriyah.M;
  if (maftir) options.push({ Name: 'Maftir', Type: 'Maftir', Cycle: '0', Maftir: reference(maftir) });
  // Pinchas has no Sabbath without a key: before the 17th of Tammuz it reads its own Haftarah
  const own = name === 'Pinchas' ? { Special: 'Before 17th of Tammuz' } : {};
  // the triennial cycle's Haftarot first, so that the dialog selects the cycle's own in
  // triennial mode (it lists them only there, by their Cycle)
  for (const t of triennial) {
    const haft = triennialHaftarah(parts, t.cycle, haftTable, problems);
    if (haft) {
      options.push({ Name: `Triennial, year ${t.cycle[0]}`, Type: 'Haftarah', Cycle: t.cycle, ...own,
        ...pieces(haft) });
    }
  }
  options.push(...haftarahOptions('Haftarah', l, own));
  options.push(...specialOptions(specials.get(name), problems, name));
  return { Name: name, options };
}

const torah = (name, key, extra = {}) => ({ name, key, kind: 'torah', extra });
const haftarah = (name, key, extra = {}) => ({ name, key, kind: 'haftarah', extra });
const megillah = (name, code) => ({ name, code, kind: 'megillah' });

const HIGH = { Type: 'HiHoliday' };
// The morning and afternoon services are named Shacharis and Minchah: the dialog knows an
// afternoon reading (no Maftir of the Sabbath, no other reading) by "Minchah" in its name.
const FAST = (caption, key) => [caption, [
  torah('Shacharis', key), torah('Minchah', `${key} (Mincha)`), haftarah('Minchah', `${key} (Mincha)`)]];

// The holidays and fasts in the order of the dialog's list: each day's Torah reading with its
// Maftir, its Haftarah, and the Megillah read on it.
const HOLIDAYS = [
  ['Rosh Chodesh', [torah('Rosh Chodesh', 'Rosh Chodesh'),
    haftarah('Shabbas Rosh Chodesh', 'Shabbat Rosh Chodesh'),
    haftarah('Shabbas Erev Rosh Chodesh', 'Shabbat Machar Chodesh')]],
  ['Rosh Hashanah', [torah('First day', 'Rosh Hashana I', HIGH),
    torah('First day on Shabbos', 'Rosh Hashana I (on Shabbat)', HIGH),
    torah('Second day', 'Rosh Hashana II', HIGH),
    haftarah('First day', 'Rosh Hashana I'), haftarah('Second day', 'Rosh Hashana II')]],
  FAST('Fast of Gedalia', 'Tzom Gedaliah'),
  ['Yom Kippur', [torah('Shacharis', 'Yom Kippur', HIGH),
    torah('Shacharis on Shabbos', 'Yom Kippur (on Shabbat)', HIGH),
    torah('Minchah', 'Yom Kippur (Mincha)', HIGH),
    haftarah('Shacharis', 'Yom Kippur'), haftarah('Minchah', 'Yom Kippur (Mincha)')]],
  ['Succos', [torah('First day', 'Sukkot I'), torah('First day on Shabbos', 'Sukkot I (on Shabbat)'),
    torah('Second day', 'Sukkot II'),
    ...[1, 2, 3, 4].map((d) => torah(`Intermediate day ${d}`, `Sukkot Chol ha-Moed Day ${d}`)),
    torah('Shabbos of the intermediate days', 'Sukkot Shabbat Chol ha-Moed'),
    haftarah('First day', 'Sukkot I'), haftarah('Second day', 'Sukkot II'),
    haftarah('Shabbos of the intermediate days', 'Sukkot Shabbat Chol ha-Moed'),
    megillah('Megillas Koheles', 'QOH')]],
  ['Hoshana Rabbah', [torah('Hoshana Rabbah', 'Sukkot Final Day (Hoshana Raba)')]],
  ['Shemini Atzeres', [torah('Shemini Atzeres', 'Shmini Atzeret'),
    torah('Shemini Atzeres on Shabbos', 'Shmini Atzeret (on Shabbat)'),
    haftarah('Shemini Atzeres', 'Shmini Atzeret')]],
  ['Simchas Torah', [torah('Simchas Torah', 'Simchat Torah', { chatanim: true }),
    torah('Evening', 'Erev Simchat Torah'), haftarah('Simchas Torah', 'Simchat Torah')]],
  ['Chanukah', [...[1, 2, 3, 4, 5, 6, 7, 8].map((d) => torah(`Day ${d}`, `Chanukah Day ${d}`)),
    torah('Day 7 on Rosh Chodesh', 'Chanukah Day 7 (on Rosh Chodesh)'),
    haftarah('First Shabbos of Chanukah', 'Chanukah Day 1 (on Shabbat)'),
    haftarah('Second Shabbos of Chanukah', 'Chanukah Day 8 (on Shabbat)')]],
  FAST('Tenth of Teves', "Asara B'Tevet"),
  FAST('Fast of Esther', "Ta'anit Esther"),
  ['Purim', [torah('Purim', 'Purim'), megillah('Megillas Esther', 'EST')]],
  ['Pesach', [torah('First day', 'Pesach I'), torah('First day on Shabbos', 'Pesach I (on Shabbat)'),
    torah('Second day', 'Pesach II'),
    ...[1, 2, 3, 4].map((d) => torah(`Intermediate day ${d}`, `Pesach Chol ha-Moed Day ${d}`)),
    torah('Shabbos of the intermediate days', 'Pesach Shabbat Chol ha-Moed'),
    torah('Seventh day', 'Pesach VII'), torah('Seventh day on Shabbos', 'Pesach VII (on Shabbat)'),
    torah('Eighth day', 'Pesach VIII'), torah('Eighth day on Shabbos', 'Pesach VIII (on Shabbat)'),
    haftarah('First day', 'Pesach I'), haftarah('Second day', 'Pesach II'),
    haftarah('Shabbos of the intermediate days', 'Pesach Shabbat Chol ha-Moed'),
    haftarah('Seventh day', 'Pesach VII'), haftarah('Eighth day', 'Pesach VIII'),
    megillah('Megillas Shir HaShirim', 'SOS')]],
  ['Shavuos', [torah('First day', 'Shavuot I'), torah('Second day', 'Shavuot II'),
    torah('Second day on Shabbos', 'Shavuot II (on Shabbat)'),
    haftarah('First day', 'Shavuot I'), haftarah('Second day', 'Shavuot II'),
    megillah('Megillas Ruth', 'RUT')]],
  FAST('Seventeenth of Tammuz', 'Tzom Tammuz'),
  ["Tisha B'Av", [torah('Shacharis', "Tish'a B'Av"), torah('Minchah', "Tish'a B'Av (Mincha)"),
    haftarah('Shacharis', "Tish'a B'Av", { TypeAux: 'Eichah' }),
    haftarah('Minchah', "Tish'a B'Av (Mincha)"),
    megillah('Megillas Eichah', 'LAM')]],
];

// The Megillot, their reading types and books.
const MEGILLOT = [
  ['Megillas Esther', 'EST', 'Esther'],
  ['Megillas Shir HaShirim (Song of Songs)', 'SOS', 'Ruth-Koheles-ShirHashirim'],
  ['Megillas Ruth', 'RUT', 'Ruth-Koheles-ShirHashirim'],
  ['Megillas Eichah (Lamentations)', 'LAM', 'Eichah'],
  ['Megillas Koheles (Ecclesiastes)', 'QOH', 'Ruth-Koheles-ShirHashirim'],
];

// Verses per chapter of a book of the program's text.
function chapterLengths(code) {
  const lines = fs.readFileSync(path.join(ROOT, 'data', 'bhs', `${code}.txt`), 'latin1').split('\r\n');
  const counts = [];
  for (const line of lines) {
    if (line === '' || line.startsWith('~a')) continue;
    if (counts.length === 0 || line.startsWith('~x')) counts.push(0);
    counts[counts.length - 1] += 1;
  }
  return counts;
}

// The options of a Megillah, whole and by chapter; Esther shown as its scroll is written.
function megillahOptions(code) {
  const type = MEGILLOT.find((m) => m[1] === code)[2];
  const attrs = { Type: type, ...(type === 'Esther' ? SCROLL : {}) };
  const lengths = chapterLengths(code);
  const whole = `${code}1:1-${lengths.length}:${lengths[lengths.length - 1]}`;
  return [{ Name: 'Whole Megillah', ...attrs, R1: whole },
    ...lengths.map((n, i) => ({ Name: `Chapter ${i + 1}`, ...attrs, R1: `${code}${i + 1}:1-${i + 1}:${n}` }))];
}

function holidayReading([caption, items], problems) {
  const options = [];
  for (const item of items) {
    if (item.kind === 'megillah') {
      options.push({ ...megillahOptions(item.code)[0], Name: item.name });
      continue;
    }
    const l = getLeyningForHolidayKey(item.key);
    if (!l) {
      problems.push(`${caption}: no reading "${item.key}"`);
      continue;
    }
    if (item.kind === 'torah') {
      const { chatanim, ...extra } = item.extra;
      // a Sabbath of the intermediate days reads the Maftir of the day it falls on
      const days = Object.keys(l.fullkriyah).filter((k) => /^M-day\d$/.test(k));
      const aliyot = Object.fromEntries(Object.entries(l.fullkriyah).filter(([k]) => !days.includes(k)));
      if (days.length === 0) {
        options.push({ Name: item.name, Type: 'Torah', ...extra, Cycle: '5', ...SCROLL,
          ...aliyotAttributes(aliyot, { chatanim }) });
      }
      for (const d of days) {
        options.push({ Name: `${item.name}, intermediate day ${d.slice(5)}`, Type: 'Torah', ...extra,
          Cycle: '5', ...SCROLL, ...aliyotAttributes({ ...aliyot, M: l.fullkriyah[d] }, { chatanim }) });
      }
    } else {
      options.push(...haftarahOptions(item.name, l, item.extra));
    }
  }
  return { Name: caption, options };
}

// ---- writing ----------------------------------------------------------------------------

const escape = (s) => String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
  .replace(/"/g, '&quot;');

const ATTRIBUTE_ORDER = ['Name', 'Type', 'TypeAux', 'Cycle', 'Special', 'Wrapped', ...ALIYOT,
  'ChatanHaTorah', 'ChatanBereishisBara', 'Maftir', 'R1Note', 'R1', 'R2Note', 'R2', 'R3Note', 'R3',
  'R4Note', 'R4', 'R5Note', 'R5'];

function element(tag, attrs, indent) {
  const names = Object.keys(attrs).filter((k) => attrs[k] !== undefined);
  for (const n of names) if (!ATTRIBUTE_ORDER.includes(n)) throw new Error(`unknown attribute ${n}`);
  names.sort((a, b) => ATTRIBUTE_ORDER.indexOf(a) - ATTRIBUTE_ORDER.indexOf(b));
  return `${indent}<${tag} ${names.map((n) => `${n}="${escape(attrs[n])}"`).join(' ')}/>`;
}

function documentText(rootTag, comment, readings) {
  const lines = ['<?xml version="1.0" encoding="UTF-8"?>', `<!-- ${comment} -->`, `<${rootTag}>`];
  for (const r of readings) {
    lines.push(`  <Reading Name="${escape(r.Name)}">`);
    for (const o of r.options) lines.push(element('Option', o, '    '));
    lines.push('  </Reading>');
  }
  lines.push(`</${rootTag}>`, '');
  return lines.join('\n');
}

const SOURCE = 'Generated by tools/make-catalogue.mjs from the reading tables of @hebcal/leyning and '
  + '@hebcal/triennial (BSD-2-Clause, see data/README.md); do not edit by hand.';

async function main() {
  const argv = process.argv.slice(2);
  const cliAt = argv.indexOf('--cli');
  const rest = argv.filter((_, i) => cliAt < 0 || (i !== cliAt && i !== cliAt + 1));
  const outDir = rest[0] || path.join(ROOT, 'data', 'encodings');
  const problems = [];
  const cli = findCli(argv);
  const portions = portionNames(cli);
  const specials = specialSabbaths(cli, portions);
  const table = await triennialTable();
  const haftTable = await triennialTable('triennial-haft');

  const readings = portions.map((p) => portionReading(p, table, haftTable, specials, problems));
  readings.push(...HOLIDAYS.map((h) => holidayReading(h, problems)));
  readings.push(...MEGILLOT.map(([caption, code]) => ({ Name: caption, options: megillahOptions(code) })));
  fs.writeFileSync(path.join(outDir, 'sedrot.xml'), documentText('Sedrot', SOURCE, readings));

  // every single portion in its seven aliyot (V'zos HaBracha too, not as Simchas Torah reads it)
  const annual = portions.filter((p) => p.parts.length === 1).map((p) => ({ Name: p.name, Type: 'Torah',
    Cycle: '0', ...aliyotAttributes(getLeyningForParsha(p.source).fullkriyah, { maftir: false }) }));
  fs.writeFileSync(path.join(outDir, 'torah.xml'), documentText('Torah', SOURCE,
    [{ Name: 'Weekly portions', options: annual }]));

  const options = readings.reduce((n, r) => n + r.options.length, 0);
  console.log(`${readings.length} readings, ${options} options written to ${outDir}/sedrot.xml`);
  console.log(`${annual.length} annual readings written to ${outDir}/torah.xml`);
  [...new Set(problems)].forEach((p) => console.log(`problem: ${p}`));
  process.exitCode = problems.length === 0 ? 0 : 1;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) await main();
