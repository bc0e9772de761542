#!/usr/bin/env node
'use strict';
// Writes data/bhs/<CODE>.txt, the Hebrew text of every book in the program's book text
// format, from the Open Scriptures Hebrew Bible (npm package morphhb).
//
//   node tools/make-bhs.js [output folder]        (default: data/bhs beside tools/)
//
// The scroll layout (tikkun-lines: torah/N.json, esther/N.json) is read from the folder named
// by TIKKUN_LINES, by default /work/shared/data/tikkun-lines.
//
// Book text format: a title line "~a<title>", then one line per verse ending in CR LF. The
// first verse of the book follows the title line without a marker; every other chapter
// begins "~x<chapter> ", every other verse "~y<verse> ". Words are separated by one blank:
//   - a ketiv word begins with "*", each of its qere words with "**";
//   - a word joined to the next by maqaf ends in "-" and the next word follows after a blank;
//   - paseq is the accent 05 and sof pasuq the accent 00 on the word's last letter;
//   - "P" and "S" stand as one-letter words where an open or closed paragraph gap falls;
//   - in the five books of the Torah and in Esther, "?" follows the last word of every line
//     of a standard scroll (on the paragraph letter when an open paragraph ends the line),
//     and the paragraph gaps are those of the scroll's layout.
// Twenty verses of the codex lack the sof pasuq at their end (the codex omits it there); a
// reader still chants a full verse end, so it is supplied (in Exodus 34:6 in place of the
// paseq that ends the verse there).
// Verses are numbered as the weekly readings number them (lib/reading-numbering.js):
// Exodus 20:13-16 of the codex are one verse 20:13 and the later verses move down three,
// Deuteronomy 5:17-20 are one verse 5:17 likewise, and the half verse Numbers 25:19, which
// ends mid-sentence on an etnachta, opens Numbers 26:1.

const fs = require('fs');
const path = require('path');
const { BOOKS, SCROLL_BOOKS } = require('./lib/books');
const { readReadingBook } = require('./lib/reading-numbering');
const { convertWord } = require('./lib/hebrew-word');
const { longQamatsLetter } = require('./lib/qamats');
const tikkun = require('./lib/tikkun');

// Verses where the codex omits the sof pasuq and the converter supplies it.
const SUPPLIED_SOF_PASUQ = new Set([
  '1SA 6:19', 'AMO 1:14', 'AMO 6:6', 'AMO 9:5', 'DEU 9:20', 'DEU 25:9', 'EXO 2:5', 'EXO 14:25',
  'EXO 14:29', 'EXO 34:6', 'EZE 33:20', 'HOS 4:19', 'HOS 8:9', 'LEV 18:17', 'LEV 19:1',
  'LEV 26:7', 'NUM 7:32', 'NUM 7:40', 'NUM 7:55', 'NUM 7:68',
]);

// Passages written in a layout of their own, whose gaps are part of the writing and not
// paragraph breaks: the Song at the Sea and the ten sons of Haman.
const SONG_LAYOUTS = {
  EXO: [[15, 1], [15, 19]],
  EST: [[9, 6], [9, 10]],
};

function inSong(code, chapter, verse) {
  const range = SONG_LAYOUTS[code];
  if (!range) return false;
  const at = chapter * 1000 + verse;
  return at >= range[0][0] * 1000 + range[0][1] && at <= range[1][0] * 1000 + range[1][1];
}

// Marks the scroll's line ends and paragraph gaps on the codex words of a Torah book or
// Esther; the codex's own paragraph marks are then dropped.
function applyScrollLayout(code, chapters, report) {
  const kind = code === 'EST' ? 'esther' : 'torah';
  const layout = tikkun.layoutWords(tikkun.bookLines(kind, SCROLL_BOOKS[code]));
  const codexWords = [];
  for (const ch of chapters) {
    for (const v of ch.verses) {
      for (const t of v.tokens) {
        if (t.kind === 'word' && !t.qere) codexWords.push({ t, chapter: ch.chapter, verse: v.verse });
      }
    }
  }
  const keys = codexWords.map(({ t }) => ({ skel: tikkun.skeleton(t.text),
    loose: tikkun.looseSkeleton(t.text) }));
  const { target, unmatched } = tikkun.align(keys, layout);
  layout.forEach((lw, j) => {
    const i = target[j];
    const { t, chapter, verse } = codexWords[i];
    if (lw.lineEnd) t.lineEnd = true;
    const songGap = lw.para === 'S' && inSong(code, chapter, verse);
    if (lw.para && !songGap && i < codexWords.length - 1) t.para = lw.para;
  });
  let codexParas = 0;
  for (const ch of chapters) {
    for (const v of ch.verses) {
      codexParas += v.tokens.filter((t) => t.kind !== 'word').length;
      v.tokens = v.tokens.filter((t) => t.kind === 'word');
    }
  }
  const lines = layout.filter((w) => w.lineEnd).length;
  const paras = codexWords.filter(({ t }) => t.para).length;
  report.push(`${code}: ${lines} scroll lines, ${paras} paragraph gaps (codex ${codexParas}), ` +
    `${unmatched} words not matched between scroll layout and codex`);
}

// The items of one verse, in order, as text.
function verseItems(code, chapter, verse, tokens, stats) {
  const ref = `${code} ${chapter}:${verse}`;
  const wordTokens = tokens.filter((t) => t.kind === 'word');
  const lastWord = wordTokens[wordTokens.length - 1];
  if (lastWord && !lastWord.sofPasuq) {
    if (SUPPLIED_SOF_PASUQ.has(ref)) {
      // Exodus 34:6 ends in a paseq where the sof pasuq belongs; the verse end replaces it,
      // since the loader knows a verse end only by a last letter whose accents are "00".
      lastWord.paseq = false;
      lastWord.sofPasuq = true;
      stats.supplied.push(ref);
    } else {
      stats.problems.push(`${ref}: no sof pasuq`);
    }
  }
  const items = [];
  let deferredPara = null; // a ketiv's paragraph gap waits for its qere words
  const flushPara = () => {
    if (deferredPara) items.push(deferredPara);
    deferredPara = null;
  };
  tokens.forEach((t) => {
    if (t.kind !== 'word') {
      flushPara();
      items.push(t.kind);
      return;
    }
    if (!t.qere) flushPara();
    const { text, notes } = convertWord(t.text, { sofPasuq: t.sofPasuq, paseq: t.paseq,
      qere: t.qere, longQamats: longQamatsLetter(t.parts || t.text, t.morph) });
    notes.forEach((n) => { stats.notes[n] = (stats.notes[n] || 0) + 1; });
    let item = (t.ketiv ? '*' : t.qere ? '**' : '') + text + (t.maqaf ? '-' : '');
    if (t.para) {
      deferredPara = t.para + (t.lineEnd && t.para === 'P' ? '?' : '');
      if (t.lineEnd && t.para !== 'P') item += '?';
    } else if (t.lineEnd) {
      item += '?';
    }
    items.push(item);
  });
  flushPara();
  return items;
}

function bookText(book, stats) {
  const problems = [];
  const chapters = readReadingBook(book, problems);
  stats.problems.push(...problems);
  if (SCROLL_BOOKS[book.code] !== undefined) applyScrollLayout(book.code, chapters, stats.report);
  const lines = [`~a${book.title}`];
  for (const ch of chapters) {
    for (const v of ch.verses) {
      const items = verseItems(book.code, ch.chapter, v.verse, v.tokens, stats);
      let marker = '';
      if (v.verse === 1 && ch.chapter > 1) marker = `~x${ch.chapter} `;
      else if (v.verse > 1) marker = `~y${v.verse} `;
      if (v.verse === 1 && ch.chapter === 1 && lines.length !== 1) {
        stats.problems.push(`${book.code}: chapter 1 does not open the book`);
      }
      lines.push(marker + items.join(' '));
      stats.verses += 1;
    }
  }
  return lines.map((l) => `${l}\r\n`).join('');
}

function main() {
  if (!tikkun.layoutAvailable()) {
    console.error(`make-bhs: the scroll layout files are not in ${tikkun.TIKKUN_DIR}; ` +
      'set TIKKUN_LINES to the folder holding torah/ and esther/');
    process.exit(1);
  }
  const outDir = process.argv[2] || path.join(__dirname, '..', 'data', 'bhs');
  fs.mkdirSync(outDir, { recursive: true });
  const stats = { verses: 0, supplied: [], problems: [], notes: {}, report: [] };
  for (const book of BOOKS) {
    fs.writeFileSync(path.join(outDir, `${book.code}.txt`), bookText(book, stats), 'latin1');
  }
  stats.report.forEach((r) => console.log(r));
  console.log(`${BOOKS.length} books, ${stats.verses} verses written to ${outDir}`);
  console.log(`sof pasuq supplied in ${stats.supplied.length} verses: ${stats.supplied.join(', ')}`);
  for (const [n, c] of Object.entries(stats.notes)) console.log(`${c} x ${n}`);
  stats.problems.forEach((p) => console.log(`problem: ${p}`));
}

if (require.main === module) main();

module.exports = { verseItems };
