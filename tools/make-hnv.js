#!/usr/bin/env node
'use strict';
// Writes data/hnv/<CODE>.eng, the English translation line of every Hebrew verse, from the
// World English Bible (public domain; Debian package sword-text-web, SWORD module
// engWEB2015eb), exported with mod2imp (Debian package libsword-utils).
//
//   node tools/make-hnv.js [output folder]        (default: data/hnv beside tools/)
//
// Each line is "CC:VV text" ending in CR LF: chapter and verse in the Hebrew numbering, each
// of at least two digits ("03:07", "119:105"), the key the program searches for. Verses are
// numbered as in the Hebrew text, which follows the weekly readings' numbering
// (lib/reading-numbering.js); lib/verse-map.js says which English verses fill each codex verse.
// The chapters where the numbering differs (Hebrew = English; "+" joins English verses that
// share one Hebrew verse):
//   Genesis 32:1 = 31:55, 32:2-33 = 32:1-32;
//   Exodus 7:26-29 = 8:1-4, 8:1-28 = 8:5-32, 20:13 = 20:13+20:14+20:15+20:16,
//     20:14-23 = 20:17-26, 21:37 = 22:1, 22:1-30 = 22:2-31;
//   Leviticus 5:20-26 = 6:1-7, 6:1-23 = 6:8-30;
//   Numbers 17:1-15 = 16:36-50, 17:16-28 = 17:1-13, 26:1 = 26:1 (the whole English verse,
//     whose first half the codex numbers 25:19), 30:1 = 29:40, 30:2-17 = 30:1-16;
//   Deuteronomy 5:17 = 5:17+5:18+5:19+5:20, 5:18-30 = 5:21-33, 13:1 = 12:32,
//     13:2-19 = 13:1-18, 23:1 = 22:30, 23:2-26 = 23:1-25, 28:69 = 29:1, 29:1-28 = 29:2-29;
//   1 Samuel 21:1 = 20:42 (second half), 21:2-16 = 21:1-15, 24:1 = 23:29, 24:2-23 = 24:1-22;
//   2 Samuel 19:1 = 18:33, 19:2-44 = 19:1-43;
//   1 Kings 5:1-14 = 4:21-34, 5:15-32 = 5:1-18, 18:34 = 18:33+18:34, 20:3 = 20:2+20:3,
//     22:21 = 22:21+22:22, 22:44-54 = 22:43-53;
//   2 Kings 12:1 = 11:21, 12:2-22 = 12:1-21;
//   Isaiah 8:23 = 9:1, 9:1-20 = 9:2-21, 63:19 = 63:19+64:1, 64:1-11 = 64:2-12;
//   Jeremiah 8:23 = 9:1, 9:1-25 = 9:2-26;
//   Ezekiel 21:1-5 = 20:45-49, 21:6-37 = 21:1-32;
//   Hosea 2:1-2 = 1:10-11, 2:3-25 = 2:1-23, 12:1 = 11:12, 12:2-15 = 12:1-14, 14:1 = 13:16,
//     14:2-10 = 14:1-9;
//   Joel 3:1-5 = 2:28-32, 4:1-21 = 3:1-21;
//   Jonah 2:1 = 1:17, 2:2-11 = 2:1-10;
//   Micah 4:14 = 5:1, 5:1-14 = 5:2-15;
//   Nahum 2:1 = 1:15, 2:2-14 = 2:1-13;
//   Zechariah 2:1-4 = 1:18-21, 2:5-17 = 2:1-13;
//   Malachi 3:19-24 = 4:1-6;
//   Job 40:25-32 = 41:1-8, 41:1-26 = 41:9-34;
//   Song of Songs 7:1 = 6:13, 7:2-14 = 7:1-13;
//   Ecclesiastes 4:17 = 5:1, 5:1-19 = 5:2-20;
//   Daniel 3:31-33 = 4:1-3, 4:1-34 = 4:4-37, 6:1 = 5:31, 6:2-29 = 6:1-28;
//   Nehemiah 3:33-38 = 4:1-6, 4:1-17 = 4:7-23, 7:68-72 = 7:69-73 (English 7:68 is not in the
//     Hebrew text), 10:1 = 9:38, 10:2-40 = 10:1-39;
//   1 Chronicles 5:27-41 = 6:1-15, 6:1-66 = 6:16-81, 12:5-41 = 12:4-40;
//   2 Chronicles 1:18 = 2:1, 2:1-17 = 2:2-18, 13:23 = 14:1, 14:1-14 = 14:2-15;
//   Psalms: the titles, which the Hebrew counts as the first verse (or two) and the English
//     puts before verse 1, so that most titled psalms run one or two verses ahead
//     (3:2 = 3:1, 51:3 = 51:1, ...); Psalm 13:6 = 13:5+13:6.
// The English text is cleared of notes, headings and markup; its typographic quotes, dashes
// and ellipses are written in plain ASCII so that the file reads the same as single bytes.

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const { BOOKS } = require('./lib/books');
const { readReadingBook } = require('./lib/reading-numbering');
const { readVerseMap, englishSources } = require('./lib/verse-map');

const MODULE = 'engWEB2015eb';

const ASCII = [
  [/[\u201C\u201D\u201E\u00AB\u00BB]/g, '"'],
  [/[\u2018\u2019\u201A]/g, "'"],
  [/\u2014/g, '--'],
  [/[\u2013\u2010\u2011]/g, '-'],
  [/\u2026/g, '...'],
  [/\u00A0/g, ' '],
];

function plainText(osis) {
  let t = osis
    .replace(/<note\b[^>]*>[\s\S]*?<\/note>/g, ' ')
    .replace(/<title\b[^>]*>[\s\S]*?<\/title>/g, '')
    .replace(/<speaker\b[^>]*>[\s\S]*?<\/speaker>/g, '')
    // word-level markup sits inside the running text; everything else separates lines
    .replace(/<\/?(w|q|name|seg|transChange|divineName|hi|foreign|d)\b[^>]*>/g, '')
    .replace(/<[^>]*>/g, ' ');
  for (const [re, to] of ASCII) t = t.replace(re, to);
  return t.replace(/\s+/g, ' ').replace(/ ([,.;:!?)])/g, '$1').trim();
}

// The title of a psalm, which the English text gives before the psalm's first verse. The
// letter names heading the stanzas of Psalm 119 come the same way; they are not in the Hebrew
// verse and are left out.
function psalmTitle(osis) {
  const m = /<title canonical="true" type="psalm">([\s\S]*?)<\/title>/.exec(osis);
  const title = m ? plainText(m[1]) : '';
  return /^[A-Z]+$/.test(title) ? '' : title;
}

// Reads the module as { swordBook -> Map "c:v" -> raw OSIS text }.
function readModule(file) {
  const imp = file ? fs.readFileSync(file, 'utf8')
    : execFileSync('mod2imp', [MODULE], { encoding: 'utf8', maxBuffer: 1 << 28 });
  const books = new Map();
  let current = null;
  for (const line of imp.split('\n')) {
    const key = /^\$\$\$(.+) (\d+):(\d+)$/.exec(line);
    if (key) {
      if (!books.has(key[1])) books.set(key[1], new Map());
      current = { map: books.get(key[1]), key: `${Number(key[2])}:${Number(key[3])}` };
      current.map.set(current.key, '');
      continue;
    }
    if (line.startsWith('$$$')) {
      current = null;
      continue;
    }
    if (current) current.map.set(current.key, current.map.get(current.key) + line + '\n');
  }
  return books;
}

// Splits a two-verse psalm title where its second clause begins.
function titlePart(title, part, of) {
  if (of === 1) return title;
  const at = title.indexOf(', when ');
  if (at < 0) return part === 1 ? title : '';
  return part === 1 ? title.slice(0, at + 1) : title.slice(at + 2);
}

function pad(n) {
  return String(n).padStart(2, '0');
}

function bookLines(book, english, verseMap, stats) {
  const eng = english.get(book.sword) || new Map();
  const used = new Set();
  const lines = [];
  for (const ch of readReadingBook(book)) {
    for (const v of ch.verses) {
      // a verse the readings join from several codex verses takes all their English verses
      const sources = v.sources.flatMap((c) => englishSources(book.osis, verseMap.get(book.osis),
        c.chapter, c.verse)).filter((s, i, all) => s.title !== undefined
        || all.findIndex((o) => o.chapter === s.chapter && o.verse === s.verse) === i);
      const parts = sources.map((s) => {
        if (s.title !== undefined) {
          return titlePart(psalmTitle(eng.get(`${s.title}:1`) || ''), s.part, s.of);
        }
        const key = `${s.chapter}:${s.verse}`;
        used.add(key);
        const raw = eng.get(key);
        if (raw === undefined) {
          stats.problems.push(`${book.code} ${ch.chapter}:${v.verse}: no English ${key}`);
          return '';
        }
        const text = plainText(raw);
        return s.withTitle ? `${psalmTitle(raw)} ${text}`.trim() : text;
      });
      const text = parts.filter((p) => p.length > 0).join(' ');
      if (text.length === 0) stats.problems.push(`${book.code} ${ch.chapter}:${v.verse}: empty line`);
      lines.push(`${pad(ch.chapter)}:${pad(v.verse)} ${text}`);
    }
  }
  for (const key of eng.keys()) {
    if (!used.has(key) && !key.endsWith(':0') && plainText(eng.get(key)).length > 0) {
      stats.unused.push(`${book.code} ${key}`);
    }
  }
  return lines;
}

function main() {
  const outDir = process.argv[2] || path.join(__dirname, '..', 'data', 'hnv');
  fs.mkdirSync(outDir, { recursive: true });
  const english = readModule(process.env.WEB_IMP);
  const verseMap = readVerseMap();
  const stats = { problems: [], unused: [], lines: 0 };
  for (const book of BOOKS) {
    const lines = bookLines(book, english, verseMap, stats);
    stats.lines += lines.length;
    const text = lines.map((l) => `${l}\r\n`).join('');
    const nonAscii = text.match(/[^\x00-\x7F]/g);
    if (nonAscii) stats.problems.push(`${book.code}: characters beyond ASCII: ${[...new Set(nonAscii)].join(' ')}`);
    fs.writeFileSync(path.join(outDir, `${book.code}.eng`), text, 'utf8');
  }
  console.log(`${BOOKS.length} books, ${stats.lines} verse lines written to ${outDir}`);
  console.log(`${stats.unused.length} English verses not used: ${stats.unused.join(', ')}`);
  stats.problems.forEach((p) => console.log(`problem: ${p}`));
}

if (require.main === module) main();

module.exports = { plainText, titlePart };
