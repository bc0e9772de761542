#!/usr/bin/env node
'use strict';
// Checks the generated data/bhs and data/hnv files the way the program reads them, against
// the source text, and prints the figures. Exits non-zero when anything is wrong.
//
//   node tools/verify-data.js [data folder]        (default: data beside tools/)
//
// Checked for every book: the file exists, its lines end in CR LF, it holds single-byte ASCII
// only, it begins with the title line; the book index finds exactly the chapters and verses of
// the source text; every verse, read as a one-verse reading, yields words whose letter records
// are the source's letters; every accent code is one the program knows; every verse ends with
// a sof pasuq (accents exactly "00" on the last letter of its last word) and has none before,
// except the verses the readings join from several (Exodus 20:13, Deuteronomy 5:17), which keep
// the sof pasuq of each; every Hebrew verse finds its own translation line by its "CC:VV" key.
// The source is numbered as the readings number it (lib/reading-numbering.js).

const fs = require('fs');
const path = require('path');
const { BOOKS, SCROLL_BOOKS } = require('./lib/books');
const { readReadingBook, isJoinedVerse } = require('./lib/reading-numbering');
const { scanWord, indexBookText, rangeSegments, rangeWords } = require('./lib/book-format');
const { letterClusters } = require('./lib/hebrew-word');
const tikkun = require('./lib/tikkun');

// Consonant codes back to Hebrew letters, to compare words with the scroll's layout.
const HEBREW = { ')': 'א', B: 'ב', G: 'ג', D: 'ד', H: 'ה', W: 'ו', Z: 'ז', X: 'ח', '+': 'ט',
  Y: 'י', K: 'כ', L: 'ל', M: 'מ', N: 'נ', S: 'ס', '(': 'ע', P: 'פ', C: 'צ', Q: 'ק', R: 'ר',
  $: 'ש', '&': 'ש', '#': 'ש', T: 'ת' };

// Accent codes the program gives a trope name to, the meteg family and the two dots, and the
// codes of the poetic books' ole (60), iluy (64) and geresh muqdam (11), which the program
// reads as accents of their own.
const KNOWN_CODES = new Set([
  '00', '92', '01', '31', '65', '80', '85', '13', '73', '81', '91', '02', '82', '03', '33',
  '10', '61', '62', '83', '14', '44', '84', '74', '71', '72', '70', '94', '63', '04', '24',
  '93', '75', '35', '95', '05', '52', '53', '11', '60', '64',
]);

function pad(n) {
  return String(n).padStart(2, '0');
}

function verifyBook(book, dataDir, fig, errors) {
  const err = (m) => errors.push(`${book.code} ${m}`);
  const file = path.join(dataDir, 'bhs', `${book.code}.txt`);
  if (!fs.existsSync(file)) return err('missing');
  const bytes = fs.readFileSync(file);
  if (bytes.some((b) => b > 0x7e && b !== 0x0d && b !== 0x0a)) err('holds bytes beyond ASCII');
  const text = bytes.toString('latin1');
  if (/[^\r]\n/.test(text) || !text.endsWith('\r\n')) err('has a line without CR LF');
  if (!text.startsWith('~a')) err('does not begin with the title line');
  const index = indexBookText(text);
  const eng = fs.existsSync(path.join(dataDir, 'hnv', `${book.code}.eng`))
    ? fs.readFileSync(path.join(dataDir, 'hnv', `${book.code}.eng`), 'latin1') : '';
  if (eng === '') err('has no translation file');
  if (eng !== '' && (/[^\r]\n/.test(eng) || !eng.endsWith('\r\n'))) err('translation has a line without CR LF');

  const chapters = readReadingBook(book);
  const lineEndWords = [];
  if (index.chapterVerse.length - 1 !== chapters.length) {
    err(`index has ${index.chapterVerse.length - 1} chapters, the source ${chapters.length}`);
  }
  for (const ch of chapters) {
    const next = index.chapterVerse[ch.chapter + 1];
    const count = (next || index.verseSeg.length) - index.chapterVerse[ch.chapter];
    if (count !== ch.verses.length) err(`chapter ${ch.chapter}: ${count} verses, the source ${ch.verses.length}`);
    for (const v of ch.verses) {
      fig.verses += 1;
      const [first, last] = rangeSegments(index, ch.chapter, v.verse, ch.chapter, v.verse);
      const words = rangeWords(text, index, first, last);
      const scanned = words.map((w) => scanWord(w));
      // the letters of the verse against the source's letters (ketiv and qere alike)
      const letters = scanned.flat().filter((r) => r.letter !== '' && r.kind === 0);
      const paraLetters = scanned.filter((rs) => rs.length === 1 && (rs[0].letter === 'P' || rs[0].letter === 'S')).length;
      const scrollBook = SCROLL_BOOKS[book.code] !== undefined;
      if (scrollBook) fig.scrollParagraphs += paraLetters;
      else fig.paragraphs += paraLetters;
      // the scroll books take their paragraphs from the scroll's layout, the others from the codex
      const paragraphs = scrollBook ? paraLetters : v.tokens.filter((t) => t.kind !== 'word').length;
      const expected = paragraphs + v.tokens.filter((t) => t.kind === 'word')
        .reduce((n, t) => n + letterClusters(t.text).length, 0);
      if (letters.length !== expected) err(`${ch.chapter}:${v.verse}: ${letters.length} letters, the source ${expected}`);
      fig.words += words.length;
      for (const rs of scanned) {
        if (rs.some((r) => r.query)) {
          lineEndWords.push(rs.filter((r) => r.letter !== '').map((r) => HEBREW[r.letter] || '').join(''));
        }
        if (rs.length === 0) err(`${ch.chapter}:${v.verse}: a word without letters`);
        for (const r of rs) {
          for (let k = 0; k < r.accents.length; k += 2) {
            const code = r.accents.slice(k, k + 2);
            if (!KNOWN_CODES.has(code)) err(`${ch.chapter}:${v.verse}: unknown code ${code}`);
            fig.codes.set(code, (fig.codes.get(code) || 0) + 1);
          }
          if (r.query) fig.lineEnds += 1;
          if (r.kind === 2) fig.ketiv += 1;
          if (r.kind === 1) fig.qere += 1;
        }
      }
      // the verse end: the last word that is not a paragraph letter
      const sung = scanned.filter((rs) => !(rs.length === 1 && (rs[0].letter === 'P' || rs[0].letter === 'S')));
      const lastWord = sung[sung.length - 1] || [];
      const lastLetter = lastWord[lastWord.length - 1];
      const endsVerse = lastLetter !== undefined && lastLetter.accents === '00';
      if (!endsVerse) {
        err(`${ch.chapter}:${v.verse}: does not end with sof pasuq`);
      } else {
        fig.sofPasuq += 1;
      }
      const inner = sung.slice(0, -1).flat().filter((r) => r.accents === '00').length;
      if (inner > 0 && !isJoinedVerse(book.code, ch.chapter, v.verse)) {
        err(`${ch.chapter}:${v.verse}: sof pasuq before the verse's end`);
      }
      // the translation line, found as the program finds it
      const key = `${pad(ch.chapter)}:${pad(v.verse)}`;
      const at = eng.indexOf(key);
      if (at < 0) err(`${ch.chapter}:${v.verse}: no translation line`);
      else if ((at > 0 && eng[at - 1] !== '\n') || eng[at + key.length] !== ' ') {
        err(`${ch.chapter}:${v.verse}: key ${key} is first found inside another line`);
      } else if (eng.slice(at + key.length + 1, eng.indexOf('\r', at)).trim() === '') {
        err(`${ch.chapter}:${v.verse}: empty translation line`);
      } else {
        fig.translations += 1;
      }
    }
  }
  if (SCROLL_BOOKS[book.code] !== undefined && tikkun.layoutAvailable()) {
    // every line of the scroll ends on the word that ends it in the layout
    const kind = book.code === 'EST' ? 'esther' : 'torah';
    const expected = tikkun.layoutWords(tikkun.bookLines(kind, SCROLL_BOOKS[book.code]))
      .filter((w) => w.lineEnd).map((w) => (w.para === 'P' ? 'פ' : w.skel));
    if (expected.length !== lineEndWords.length) {
      err(`${lineEndWords.length} scroll line ends, the layout has ${expected.length} lines`);
    }
    const differ = expected.filter((e, k) => {
      const got = lineEndWords[k] === undefined ? '' : tikkun.skeleton(lineEndWords[k]);
      return got !== e && tikkun.looseSkeleton(got) !== tikkun.looseSkeleton(e) && !e.endsWith(got);
    }).length;
    fig.lineEndsDiffering += differ;
    fig.scrollLines += expected.length;
  }
  fig.books += 1;
}

function main() {
  const dataDir = process.argv[2] || path.join(__dirname, '..', 'data');
  const fig = { books: 0, verses: 0, words: 0, sofPasuq: 0, translations: 0, lineEnds: 0,
    paragraphs: 0, scrollParagraphs: 0, scrollLines: 0, lineEndsDiffering: 0, ketiv: 0, qere: 0, codes: new Map() };
  const errors = [];
  for (const book of BOOKS) verifyBook(book, dataDir, fig, errors);
  console.log(`books ${fig.books}, verses ${fig.verses}, words ${fig.words}`);
  console.log(`verses ending in sof pasuq ${fig.sofPasuq}`);
  console.log(`verses with their own translation line ${fig.translations}`);
  console.log(`scroll line ends ${fig.lineEnds}, paragraph letters ${fig.paragraphs} ` +
    `(+ ${fig.scrollParagraphs} in the scroll books), ketiv ${fig.ketiv}, qere ${fig.qere}`);
  if (tikkun.layoutAvailable()) {
    console.log(`scroll lines ${fig.scrollLines}, of which end on another word than the layout's ` +
      `${fig.lineEndsDiffering}`);
  } else {
    console.log(`scroll layout not found in ${tikkun.TIKKUN_DIR} (set TIKKUN_LINES): line ends not compared`);
  }
  console.log(`accent codes: ${[...fig.codes].sort().map(([c, n]) => `${c}:${n}`).join(' ')}`);
  errors.slice(0, 50).forEach((e) => console.log(`error: ${e}`));
  console.log(errors.length === 0 ? 'all checks passed' : `${errors.length} errors`);
  process.exitCode = errors.length === 0 ? 0 : 1;
}

main();
