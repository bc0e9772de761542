#!/usr/bin/env node
'use strict';
// Writes the course of the training dialog from its sources in tools/training/:
//   data/encodings/training.xml   the selections and options, in course order
//   data/bhs/TRP.txt, TRA.txt     the tutorial, with the common Ashkenazi and the academic names
//   data/exercises/*.rtf          lesson notes (from the source form of tools/lib/rich-text.js)
//   data/exercises/*.txt          lesson lines and flash cards, phrases picked from data/bhs
// Run it after editing a source:  node tools/make-training.js  ("--out DIR" writes the files
// under DIR instead of data/, in the same layout).
//
// Lesson lines are real phrases: the runs of words that end with the lord being taught,
// with the servants the text view groups with it. The commonest servant patterns come
// first, one example of each, taken from the Torah first and from the Prophets and the
// Writings for the rare lords.

const fs = require('node:fs');
const path = require('node:path');
const { scanWord } = require('./lib/book-format');
const { toRichText } = require('./lib/rich-text');
const { readVerses, versePhrases, wordTropes } = require('./lib/trope-phrases');

const root = path.join(__dirname, '..');
const dataDir = path.join(root, 'data');
const sourceDir = path.join(__dirname, 'training');
const outArg = process.argv.indexOf('--out');
const outDir = outArg > 0 && process.argv[outArg + 1] ? path.resolve(process.argv[outArg + 1]) : dataDir;
const CRLF = '\r\n';

// Books searched for phrases, in order of preference. The poetic books (Psalms, Proverbs,
// Job) follow another accent system and are left out.
const PHRASE_BOOKS = ['GEN', 'EXO', 'LEV', 'NUM', 'DEU', 'JOS', 'JUD', '1SA', '2SA', '1KI', '2KI',
  'ISA', 'JER', 'EZE', 'HOS', 'JOE', 'AMO', 'OBA', 'JON', 'MIC', 'NAH', 'HAB', 'ZEP', 'HAG', 'ZEC',
  'MAL', 'RUT', 'SOS', 'QOH', 'LAM', 'EST', 'DAN', 'EZR', 'NEH', '1CH', '2CH'];
const BOOK_NAMES = {
  GEN: 'Genesis', EXO: 'Exodus', LEV: 'Leviticus', NUM: 'Numbers', DEU: 'Deuteronomy',
  JOS: 'Joshua', JUD: 'Judges', '1SA': '1 Samuel', '2SA': '2 Samuel', '1KI': '1 Kings',
  '2KI': '2 Kings', ISA: 'Isaiah', JER: 'Jeremiah', EZE: 'Ezekiel', HOS: 'Hosea', JOE: 'Joel',
  AMO: 'Amos', OBA: 'Obadiah', JON: 'Jonah', MIC: 'Micah', NAH: 'Nahum', HAB: 'Habakkuk',
  ZEP: 'Zephaniah', HAG: 'Haggai', ZEC: 'Zechariah', MAL: 'Malachi', RUT: 'Ruth',
  SOS: 'Song of Songs', QOH: 'Ecclesiastes', LAM: 'Lamentations', EST: 'Esther', DAN: 'Daniel',
  EZR: 'Ezra', NEH: 'Nehemiah', '1CH': '1 Chronicles', '2CH': '2 Chronicles',
};

// Writes one generated file; returns its path relative to the data folder.
function write(relative, text, encoding = 'utf8') {
  const file = path.join(outDir, relative);
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, text, encoding);
  return relative;
}

function readSource(name) {
  return fs.readFileSync(path.join(sourceDir, name), 'utf8');
}

// ---- Phrases ---------------------------------------------------------------------------

let phraseCache = null;
function allPhrases() {
  if (phraseCache) return phraseCache;
  phraseCache = [];
  for (const code of PHRASE_BOOKS) {
    for (const v of readVerses(dataDir, code)) {
      for (const p of versePhrases(v)) phraseCache.push({ ...p, book: code });
    }
  }
  return phraseCache;
}

// A phrase the word scanner and the song take as they are: no ketiv/qere pair, no V-mark,
// no small print, and not longer than a line of the lesson pane's neighbour can hold.
function usable(p) {
  return p.tokens.length <= 7 && p.tokens.every((t) => !/[*V@{<]/.test(t));
}

function tropesOf(p) {
  return p.tokens.map((t) => wordTropes(scanWord(t)));
}

// The phrases of a lesson: in its groups, holding one of its required accents (when it names
// any) or a word with two tropes (for the lesson on such words). One example per servant
// pattern, the commonest patterns first; `skip` examples of each pattern are passed over
// (the flash cards take the next ones, so they differ from the lesson's lines).
function pickPhrases(lesson, count, skip = 0) {
  const byPattern = new Map();
  const seen = new Set();
  for (const p of allPhrases()) {
    if (!lesson.groups.includes(p.group) || !usable(p) || seen.has(p.tokens.join(' '))) continue;
    seen.add(p.tokens.join(' '));
    const tropes = tropesOf(p);
    const flat = tropes.flat();
    if (lesson.require.length && !lesson.require.some((a) => flat.includes(a))) continue;
    if (lesson.twoTropes && !tropes.some((t) => new Set(t).size > 1)) continue;
    const key = tropes.map((t) => t.join('+') || '-').join(' ');
    if (!byPattern.has(key)) byPattern.set(key, []);
    byPattern.get(key).push(p);
  }
  const patterns = [...byPattern.values()].sort((a, b) => b.length - a.length);
  // One example of each pattern in turn, the commonest first; a lord with few patterns
  // (one that has no servants) gets further examples of the same ones.
  const picked = [];
  for (let round = skip; picked.length < count; round++) {
    const more = patterns.filter((list) => list.length > round);
    if (more.length === 0) break;
    for (const list of more) if (picked.length < count) picked.push(list[round]);
  }
  // Shortest first: a student starts with the lord alone and adds its servants.
  return picked.map((p, i) => [p, i]).sort((a, b) => a[0].tokens.length - b[0].tokens.length || a[1] - b[1])
    .map(([p]) => p);
}

function reference(p) {
  return `${BOOK_NAMES[p.book]} ${p.chapter}:${p.verse}`;
}

// A line of an exercise file: the note in braces, then the phrase. Inside the note the word
// scanner would still take "?" as a line end, "!" as a rule, "/" as nothing, "@" and "<" as
// small print and comment.
function exerciseLine(p, note) {
  if (/[?!/@<>{}]/.test(note)) throw new Error(`exercise note "${note}": it may not hold ? ! / @ < > { }`);
  return `{${note}} ${p.tokens.join(' ')}`;
}

// ---- Lessons ---------------------------------------------------------------------------

// tools/training/lessons.txt: blocks that begin "lesson FILE-STEM"; then "name:", "trope:"
// (the trope name whose name the cards give), "groups:" (group numbers), "require:" (accent
// codes, one of which a phrase must hold), "two-tropes: yes"; a line "---" and the notes.
function readLessons() {
  const lessons = [];
  let cur = null;
  let inNotes = false;
  for (const line of readSource('lessons.txt').split(/\r?\n/)) {
    if (line.startsWith('lesson ')) {
      cur = { stem: line.slice(7).trim(), name: '', trope: '', groups: [], require: [],
        twoTropes: false, notes: [] };
      lessons.push(cur);
      inNotes = false;
    } else if (!cur || line.startsWith('#!')) {
      continue;
    } else if (inNotes) {
      cur.notes.push(line);
    } else if (line.trim() === '---') {
      inNotes = true;
    } else if (line.trim() !== '') {
      const [key, ...rest] = line.split(':');
      const value = rest.join(':').trim();
      if (key === 'name') cur.name = value;
      else if (key === 'trope') cur.trope = value;
      else if (key === 'groups') cur.groups = value.split(/\s+/).map(Number);
      else if (key === 'require') cur.require = value.split(/\s+/);
      else if (key === 'two-tropes') cur.twoTropes = value === 'yes';
      else throw new Error(`lessons.txt: unknown line "${line}"`);
    }
  }
  return lessons;
}

function writeLesson(lesson, number) {
  const stem = `lesson-${String(number).padStart(2, '0')}-${lesson.stem}`;
  const phrases = pickPhrases(lesson, 10);
  if (phrases.length === 0) throw new Error(`lesson ${lesson.stem}: no phrase found`);
  // The lesson shows all its lines as one range: the line-end mark "?" on each line's last
  // word (with the option's Wrapped) breaks the lines as the file does.
  const lines = phrases.map((p) => `${exerciseLine(p, reference(p))}?${CRLF}`).join('');
  return {
    notes: write(`exercises/${stem}.rtf`, toRichText(lesson.notes.join('\n'))).slice(10),
    lines: write(`exercises/${stem}.txt`, lines, 'latin1').slice(10),
  };
}

// Flash cards of one lesson's group: the question shows a phrase, the answer names the
// lord that ends it and sings the phrase.
function card(p, trope) {
  return exerciseLine(p, 'Chant this phrase, then name the trope that ends it') + CRLF
    + exerciseLine(p, `%${trope}% (${reference(p)})`) + CRLF;
}

function writeCards(lesson, number) {
  const stem = `cards-${String(number).padStart(2, '0')}-${lesson.stem}`;
  return write(`exercises/${stem}.txt`, pickPhrases(lesson, 12, 1).map((p) => card(p, lesson.trope)).join(''),
    'latin1').slice(10);
}

// Cards of every group mixed: three phrases of each lesson, dealt in a fixed shuffled order
// (the program picks the cards at random anyway; the order only spreads the file).
function writeMixedCards(lessons) {
  const cards = [];
  for (const l of lessons) for (const p of pickPhrases(l, 3, 2)) cards.push(card(p, l.trope));
  const dealt = cards.map((c, i) => [c, (i * 37) % cards.length]).sort((a, b) => a[1] - b[1]).map(([c]) => c);
  return write('exercises/cards-all-groups.txt', dealt.join(''), 'latin1').slice(10);
}

// Cards of the trope names: one word with one trope; the answer names it in the student's
// naming, in Latin letters and in Hebrew.
const NAMED_TROPES = [
  ['00', 'SOF_PASUK'], ['92', 'ETNACHTA'], ['80', 'ZAKEF_KATON'], ['85', 'ZAKEF_GADOL'],
  ['01', 'SEGOL'], ['65', 'SHALSHELET'], ['73', 'TIPCHA'], ['81', 'REVIA'], ['91', 'TEVIR'],
  ['02', 'ZARKA'], ['03', 'PASHTA'], ['10', 'YETIV'], ['61', 'GERESH'], ['62', 'GERSHAYIM'],
  ['83', 'PAZER'], ['14', 'TELISHA_GEDOLA'], ['84', 'KARNEI_FARAH'], ['74', 'MUNACH'],
  ['71', 'MERCHA'], ['72', 'MERCHA_CHEFULAH'], ['70', 'MAPACH'], ['94', 'DARGA'], ['63', 'KADMA'],
  ['04', 'TELISHA_KETANA'], ['93', 'YERACH_BEN-YOMO'],
];

function writeNameCards() {
  const found = new Map();
  for (const p of allPhrases()) {
    for (const token of p.tokens) {
      if (/[*V@{<-]/.test(token)) continue;
      const tropes = wordTropes(scanWord(token));
      if (tropes.length !== 1) continue;
      const list = found.get(tropes[0]) || [];
      if (list.length < 2 && !list.some((x) => x.token === token)) list.push({ token, p });
      found.set(tropes[0], list);
    }
  }
  const cards = [];
  for (const [code, trope] of NAMED_TROPES) {
    for (const { token, p } of found.get(code) || []) {
      cards.push(`{Name this trope} ${token}${CRLF}`
        + `{%${trope}% - %HEB_VALUE_${trope}% (${reference(p)})} ${token}${CRLF}`);
    }
  }
  return write('exercises/cards-trope-names.txt', cards.join(''), 'latin1').slice(10);
}

// ---- Tutorials -------------------------------------------------------------------------

// The names of one naming tradition of tropenames.xml, by trope name.
function tropeNames(encoding) {
  const xml = fs.readFileSync(path.join(dataDir, 'encodings', 'tropenames.xml'), 'utf8');
  const block = xml.split('<Encoding Name=').find((b) => b.startsWith(`"${encoding}"`));
  if (!block) throw new Error(`tropenames.xml has no encoding ${encoding}`);
  const names = {};
  for (const m of block.matchAll(/<Trope Name="([^"]+)" VALUE="([^"]+)"/g)) names[m[1]] = m[2];
  return names;
}

// The words of a verse range "GEN1:1" with the words first..last ("GEN1:1 3-5"), as one
// brace group of word-format words.
const verseCache = new Map();
function exampleWords(example) {
  const m = /^([1-3A-Z]{3})(\d+):(\d+)(?: (\d+)-(\d+))?$/.exec(example);
  if (!m) throw new Error(`tutorial: "${example}" is not an example such as GEN1:1 3-5`);
  if (!verseCache.has(m[1])) verseCache.set(m[1], readVerses(dataDir, m[1]));
  const v = verseCache.get(m[1]).find((x) => x.chapter === Number(m[2]) && x.verse === Number(m[3]));
  if (!v) throw new Error(`tutorial: no verse ${example}`);
  const words = m[4] ? v.tokens.slice(Number(m[4]) - 1, Number(m[5])) : v.tokens;
  if (words.length === 0 || words.some((t) => /[*{<]/.test(t))) throw new Error(`tutorial: bad example ${example}`);
  return `{${words.join(' ')}}`;
}

// Breaks a paragraph into lines of at most `width` characters.
function wrap(text, width = 76) {
  const lines = [];
  let line = '';
  for (const word of text.split(/\s+/).filter(Boolean)) {
    if (line && line.length + 1 + word.length > width) { lines.push(line); line = ''; }
    line = line ? `${line} ${word}` : word;
  }
  if (line) lines.push(line);
  return lines;
}

// tools/training/tutorial.txt: "~ Heading" starts a page; "[GEN1:1 3-5]" on a line of its own
// is a sung example; a line starting "ashkenazi:" or "academic:" belongs to that guide only;
// %TROPE% is the trope's name in the guide's naming; blank lines end paragraphs.
function writeTutorial(code, title, variant, encoding) {
  const names = tropeNames(encoding);
  const pages = [];
  for (const raw of readSource('tutorial.txt').split(/\r?\n/)) {
    let line = raw.trim();
    if (line.startsWith('#')) continue;
    const only = /^(ashkenazi|academic):\s*/.exec(line);
    if (only) {
      if (only[1] !== variant) continue;
      line = line.slice(only[0].length);
    }
    line = line.replace(/%([A-Z_-]+)%/g, (all, name) => {
      if (!names[name]) throw new Error(`tutorial: no trope ${name}`);
      return names[name];
    });
    if (line.startsWith('~ ')) pages.push({ heading: line.slice(2), body: [[]] });
    else if (!pages.length) continue;
    else if (line === '') pages[pages.length - 1].body.push([]);
    else if (line.startsWith('- ')) pages[pages.length - 1].body.push([line]);
    else if (/^\[.*\]$/.test(line)) pages[pages.length - 1].body.push([exampleWords(line.slice(1, -1))], []);
    else pages[pages.length - 1].body[pages[pages.length - 1].body.length - 1].push(line);
  }
  let text = `~a${title}${CRLF}`;
  pages.forEach((page, i) => {
    text += `~${i + 1} ${page.heading}${CRLF}`;
    for (const para of page.body.filter((p) => p.length)) {
      const lines = para[0].startsWith('{') ? para : wrap(para.join(' '));
      text += lines.map((l) => l + CRLF).join('');
    }
    text += CRLF;
  });
  if (/[^\x00-\x7f]/.test(text)) throw new Error(`tutorial ${code}: only ASCII text can be shown`);
  write(`bhs/${code}.txt`, text, 'latin1');
  return pages.map((p) => p.heading);
}

// ---- The blessings --------------------------------------------------------------------

// tools/training/blessings.txt to the book text bhs/BRC.txt and its translation hnv/BRC.eng.
function writeBlessings() {
  let text = `~aBlessings${CRLF}`;
  let english = '';
  let chapter = 1;
  for (const line of readSource('blessings.txt').split(/\r?\n/)) {
    if (line.startsWith('#') || line.trim() === '') continue;
    const [place, words, translation] = line.split('|').map((x) => x.trim());
    const [c, v] = place.split(':').map(Number);
    for (const word of words.split(' ')) {
      if (!scanWord(word).some((r) => r.letter !== '')) throw new Error(`blessings ${place}: "${word}" has no letters`);
    }
    if (!words.endsWith('00')) throw new Error(`blessings ${place}: the verse does not end with sof pasuk`);
    const marker = c !== chapter ? `~x${c} ` : c === 1 && v === 1 ? '' : `~y${v} `;
    chapter = c;
    text += `${marker}${words}${CRLF}`;
    english += `${String(c).padStart(2, '0')}:${String(v).padStart(2, '0')} ${translation}${CRLF}`;
  }
  write('bhs/BRC.txt', text, 'latin1');
  write('hnv/BRC.eng', english, 'latin1');
}

// ---- The training document -------------------------------------------------------------

function esc(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

function option(attrs) {
  return `    <Option${Object.entries(attrs).map(([k, v]) => ` ${k}="${esc(String(v))}"`).join('')}/>`;
}

// The annual Torah reading of every weekly portion, from the catalogue of annual readings.
function portions() {
  const xml = fs.readFileSync(path.join(dataDir, 'encodings', 'torah.xml'), 'utf8');
  const list = [];
  for (const m of xml.matchAll(/<(\w+)([^>]*\bKohen="[^"]*"[^>]*)\/?>/g)) {
    const attr = (n) => (new RegExp(`\\b${n}="([^"]*)"`).exec(m[2]) || [])[1] || '';
    const name = attr('Name');
    const first = attr('Kohen');
    const last = attr('Shvii');
    if (!name || !first || !last) continue;
    list.push({ name, range: `${first.split('-')[0]}-${last.split('-')[1]}` });
  }
  return list;
}

// The Ashkenazi Haftarah of a weekly portion (its first piece) with its second melody type,
// from the readings catalogue.
function haftarah(portion) {
  const xml = fs.readFileSync(path.join(dataDir, 'encodings', 'sedrot.xml'), 'utf8');
  const start = xml.indexOf(`<Reading Name="${portion}">`);
  if (start < 0) return '';
  const block = xml.slice(start, xml.indexOf('</Reading>', start));
  const m = /<Option Name="Haftarah" Type="Haftarah"((?: TypeAux="[^"]*")?) R1="([^"]+)"/.exec(block);
  return m ? { R1: m[2], TypeAux: (/"(.*)"/.exec(m[1]) || [])[1] } : null;
}

// The Megillot, read whole, each in its own melody.
const MEGILLOT = [
  ['Esther', 'Esther', 'EST1:1-10:3'], ['Ruth', 'Ruth-Koheles-ShirHashirim', 'RUT1:1-4:22'],
  ['Shir HaShirim', 'Ruth-Koheles-ShirHashirim', 'SOS1:1-8:14'], ['Eichah', 'Eichah', 'LAM1:1-5:22'],
  ['Koheles', 'Ruth-Koheles-ShirHashirim', 'QOH1:1-12:14'],
];

function main() {
  const selections = [];

  const tutorials = [
    { code: 'TRP', title: "Te'amim Guide", variant: 'ashkenazi', encoding: 'Ashkenazi',
      selection: 'Tutorial' },
    { code: 'TRA', title: "Te'amim Guide - Academic Trope Names", variant: 'academic',
      encoding: 'Academic', selection: 'Tutorial (academic trope names)' },
  ];
  for (const t of tutorials) {
    const headings = writeTutorial(t.code, t.title, t.variant, t.encoding);
    selections.push({ name: t.selection, options: headings.map((h, i) => ({
      Name: `${i + 1}. ${h}`, TUTORIAL: 'TRUE', Type: 'Torah', R1: `${t.code}${i + 1}` })) });
  }

  const lessons = readLessons();
  selections.push({ name: 'Lessons: the trope groups one by one', options: lessons.map((l, i) => {
    const files = writeLesson(l, i + 1);
    return { Name: `${i + 1}. ${l.name}`, TUTORIAL: 'LESSON', Type: 'Torah', L1: files.notes,
      R1: files.lines, LessonWindow: 40, Wrapped: 'TRUE' };
  }) });

  // Flash cards take Leviticus 6:1 as their place: no special melody of a verse or a
  // reading's end applies there.
  const cardNotes = write('exercises/cards.rtf', toRichText(readSource('cards.txt'))).slice(10);
  const cardSet = (Name, R1) => ({ Name, TUTORIAL: 'FLASHCARD', Type: 'Torah', TwoLine: 'TRUE',
    L1: cardNotes, R1, LessonWindow: 30, FORCEBOOK: 'LEV', FORCECHAPTER: 6, FORCEVERSE: 1 });
  const taught = lessons.filter((l) => l.trope);
  selections.push({ name: 'Flash cards', options: [
    cardSet('The names of the tropes', writeNameCards()),
    ...taught.map((l, i) => cardSet(l.name, writeCards(l, i + 1))),
    cardSet('All the groups mixed', writeMixedCards(taught)),
  ] });

  writeBlessings();
  selections.push({ name: 'Blessings', options: [
    { Name: 'Before the Torah reading', TUTORIAL: 'HEBTEXT', Type: 'TorahBlessing', R1: 'BRC1:1-1:2' },
    { Name: 'After the Torah reading', TUTORIAL: 'HEBTEXT', Type: 'TorahBlessing', R1: 'BRC1:3-1:3' },
    { Name: 'Before the Haftarah', TUTORIAL: 'HEBTEXT', Type: 'HaftarahBlessing', R1: 'BRC2:1-2:1' },
    { Name: 'After the Haftarah (on a Sabbath)', TUTORIAL: 'HEBTEXT', Type: 'HaftarahBlessing',
      R1: 'BRC2:2-2:12' },
  ] });

  selections.push({ name: 'Phrase drills: the Torah portions', options: portions().map((p) => ({
    Name: p.name, TUTORIAL: 'DRILL', Type: 'Torah', R1: p.range })) });
  selections.push({ name: 'Phrase drills: the Haftarot', options: portions()
    .map((p) => [p.name, haftarah(p.name)]).filter(([, h]) => h)
    .map(([Name, h]) => ({ Name, TUTORIAL: 'DRILL', Type: 'Haftarah', ...(h.TypeAux ? { TypeAux: h.TypeAux } : {}),
      R1: h.R1 })) });
  selections.push({ name: 'Phrase drills: the Megillot', options: MEGILLOT.map(([Name, Type, R1]) => ({
    Name, TUTORIAL: 'DRILL', Type, R1 })) });

  const xml = ['<?xml version="1.0" encoding="UTF-8"?>',
    '<!-- Generated by tools/make-training.js from tools/training/; edit the sources and run the tool again. -->',
    '<Training>'];
  for (const s of selections) {
    xml.push(`  <Selection Name="${esc(s.name)}">`);
    for (const o of s.options) xml.push(option(o));
    xml.push('  </Selection>');
  }
  xml.push('</Training>', '');
  write('encodings/training.xml', xml.join('\n'));
}

main();
