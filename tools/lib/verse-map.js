'use strict';
// Which English verses (the numbering of the World English Bible, which is the King James
// numbering in the Old Testament) hold the text of a Hebrew verse (the numbering of the
// Westminster Leningrad Codex).
//
// The verse pairs come from the codex's own mapping file, wlc/VerseMap.xml of the morphhb
// package: one entry per Hebrew verse whose English number differs, "partial" entries where a
// verse boundary falls inside a verse ("!a" and "!b" name the halves). A Hebrew verse without
// an entry has the same number in English. A Hebrew verse of several entries collects all their
// English verses, in order; an English verse split over two Hebrew verses is given to both.
//
// The psalm titles are left out of that file's pairs (its notes say so), so the Psalms are
// mapped by their own rule: in a psalm whose Hebrew verses run ahead of the English ones by
// one or two (the usual difference among its entries), those first one or two Hebrew verses are
// the title, which the English text carries before its verse 1; a two-verse title is split
// where its second clause begins (", when ..."). Where the numbers agree, the title belongs to
// Hebrew verse 1 together with English verse 1.

const fs = require('fs');
const path = require('path');
const { WLC_DIR } = require('./oshb');

function parseRef(ref) {
  const m = /^([^.]+)\.(\d+)\.(\d+)(?:!([ab]))?/.exec(ref);
  return { book: m[1], chapter: Number(m[2]), verse: Number(m[3]), half: m[4] || '' };
}

// Returns Map osisBook -> Map "c:v" (Hebrew) -> [{ chapter, verse }] (English).
function readVerseMap(file = path.join(WLC_DIR, 'VerseMap.xml')) {
  const xml = fs.readFileSync(file, 'utf8');
  const books = new Map();
  const re = /<verse wlc="([^"]+)" kjv="([^"]+)" type="[^"]*"\/>/g;
  let m;
  while ((m = re.exec(xml)) !== null) {
    const heb = parseRef(m[1]);
    const eng = parseRef(m[2]);
    if (!books.has(heb.book)) books.set(heb.book, new Map());
    const map = books.get(heb.book);
    const key = `${heb.chapter}:${heb.verse}`;
    if (!map.has(key)) map.set(key, []);
    const list = map.get(key);
    if (!list.some((e) => e.chapter === eng.chapter && e.verse === eng.verse)) {
      list.push({ chapter: eng.chapter, verse: eng.verse, half: heb.half });
    }
  }
  // A Hebrew verse of which only one half has an entry: its other half is the English verse
  // of the same number (before it for a first half "!a", after it for a second half "!b").
  for (const [book, map] of books) {
    for (const [key, list] of map) {
      const halves = new Set(list.map((e) => e.half));
      if (halves.has('') || (halves.has('a') && halves.has('b'))) continue;
      const [chapter, verse] = key.split(':').map(Number);
      if (list.some((e) => e.chapter === chapter && e.verse === verse)) continue;
      if (book === 'Ps') continue; // psalm titles are handled on their own
      if (halves.has('a')) list.push({ chapter, verse, half: 'b' });
      else list.unshift({ chapter, verse, half: 'a' });
    }
  }
  return books;
}

// How many Hebrew verses of a psalm are its title: the most common difference between the
// Hebrew and English numbers of the psalm's entries.
function psalmTitleVerses(map, chapter) {
  const counts = new Map();
  for (const [key, list] of map) {
    const [c, v] = key.split(':').map(Number);
    if (c !== chapter || list.length !== 1 || list[0].chapter !== c) continue;
    const d = v - list[0].verse;
    counts.set(d, (counts.get(d) || 0) + 1);
  }
  let best = 0;
  let bestCount = 0;
  for (const [d, n] of counts) {
    if (n > bestCount) {
      best = d;
      bestCount = n;
    }
  }
  return best;
}

// Where the English text of a Hebrew verse comes from: a list of parts, each either
// { chapter, verse } (an English verse without its psalm title), { title: chapter, part, of }
// (a psalm title, or part `part` of `of` parts of it) or { chapter, verse, withTitle: true }.
function englishSources(osis, map, chapter, verse) {
  const entries = (map && map.get(`${chapter}:${verse}`)) || null;
  if (osis !== 'Ps') return entries ? entries.slice() : [{ chapter, verse }];
  const titleVerses = psalmTitleVerses(map || new Map(), chapter);
  if (verse <= titleVerses) return [{ title: chapter, part: verse, of: titleVerses }];
  if (entries) return entries.slice();
  const eng = { chapter, verse: verse - titleVerses };
  if (titleVerses === 0 && verse === 1) eng.withTitle = true;
  return [eng];
}

module.exports = { readVerseMap, englishSources };
