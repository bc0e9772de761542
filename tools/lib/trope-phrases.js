'use strict';
// The trope groups of the words of a verse, found as the text view finds them (walking from
// the verse end backwards: a lord starts its group, a servant stays in it when the group
// admits it), and the phrases they make: the run of words that ends with the group's lord.
// The training tool picks lesson lines and flash cards from these phrases, so every line
// is a real piece of a verse that ends with the lord being taught.

const fs = require('node:fs');
const path = require('node:path');
const { scanWord } = require('./book-format');

// Group number by the accents that start it (the sof pasuq is group 1 here: exercise lines
// stand outside any reading, so no verse of theirs ends an aliyah, chapter or book).
const STARTERS = {
  '00': 1, '92': 2, '80': 3, '01': 5, '31': 5, '91': 6, '81': 7, '61': 8, '62': 9, '83': 10,
  '14': 11, '44': 11, '84': 12, '85': 13, '65': 14,
};

// The servant accents each group keeps.
const SERVANTS = {
  1: ['73', '71'],
  2: ['73', '71', '74'],
  3: ['73', '71', '74', '03', '33', '70', '63', '04', '24', '10'],
  5: ['71', '74', '03', '33', '63', '04', '24', '02', '82'],
  6: ['71', '72', '73', '74', '03', '33', '63', '04', '24', '94'],
  7: ['70', '03', '71', '74', '94'],
  8: ['74', '03', '33', '63', '04', '24'],
  9: ['74'],
  10: ['74'],
  11: ['74'],
  12: ['93', '74'],
};

// Accents that only mark a position or a secondary stress, not a trope of their own.
const NOT_A_TROPE = new Set(['75', '95', '35', '52', '53', '05', '']);

// The word's accents as the group walk reads them: those of its last letter, searching from
// the end, whose accents are neither empty nor the paseq.
function wordAccents(records) {
  for (let k = records.length - 1; k >= 0; k--) {
    const a = records[k].accents;
    if (a !== '' && a !== '05') return a;
  }
  return '';
}

// Every accent code of the word in reading order, with the silluq, meteg, dots and paseq left
// out, and a doubled accent's copy at the stressed syllable left out beside its own mark.
function wordTropes(records) {
  const codes = [];
  for (const r of records) {
    for (let i = 0; i + 1 < r.accents.length; i += 2) {
      const code = r.accents.slice(i, i + 2);
      if (!NOT_A_TROPE.has(code) && !code.startsWith('V')) codes.push(code);
    }
  }
  const copies = { '33': '03', '31': '01', '82': '02', '24': '04', '44': '14' };
  return codes.filter((c) => !(copies[c] && codes.includes(copies[c])));
}

// Assigns the group of every word of one verse (words: tokens of the word format).
function assignGroups(tokens) {
  const groups = new Array(tokens.length).fill(0);
  let g = 0;
  for (let i = tokens.length - 1; i >= 0; i--) {
    const accents = wordAccents(scanWord(tokens[i]));
    if (accents !== '') {
      if (STARTERS[accents] !== undefined) g = STARTERS[accents];
      else if (!(SERVANTS[g] || []).includes(accents)) g = 0;
    }
    groups[i] = g;
  }
  return groups;
}

// A token of a book line as an exercise word: without the scroll's line-end marks ("?"),
// which would break the line of the exercise after it.
function cleanToken(token) {
  return token.replace(/\?/g, '');
}

// The verses of a book text: { chapter, verse, tokens } with the paragraph letters left out.
function readVerses(dataDir, code) {
  const text = fs.readFileSync(path.join(dataDir, 'bhs', `${code}.txt`), 'latin1');
  const verses = [];
  let chapter = 0;
  let verse = 0;
  for (const raw of text.split('\r\n')) {
    let line = raw;
    if (line.startsWith('~a')) { chapter = 1; verse = 0; continue; }
    const m = /^~([xy])(\d*) /.exec(line);
    if (m) {
      if (m[1] === 'x') { chapter = m[2] ? Number(m[2]) : chapter + 1; verse = 1; }
      else verse = m[2] ? Number(m[2]) : verse + 1;
      line = line.slice(m[0].length);
    } else if (line.trim() !== '') {
      verse += 1;
    } else continue;
    const tokens = line.split(' ').map(cleanToken).filter((t) => t !== '' && t !== 'P' && t !== 'S');
    verses.push({ chapter, verse, tokens });
  }
  return verses;
}

// The phrases of a verse: runs of words of one group, each ending with the word that starts
// the group; a maqaf chain is never cut.
function versePhrases(v) {
  const groups = assignGroups(v.tokens);
  const phrases = [];
  let start = 0;
  for (let i = 0; i < v.tokens.length; i++) {
    const ends = i === v.tokens.length - 1 || groups[i + 1] !== groups[i]
      || STARTERS[wordAccents(scanWord(v.tokens[i]))] !== undefined;
    if (!ends || v.tokens[i].endsWith('-')) continue;
    if (groups[i] !== 0) {
      phrases.push({ group: groups[i], tokens: v.tokens.slice(start, i + 1), chapter: v.chapter,
        verse: v.verse, first: start + 1 });
    }
    start = i + 1;
  }
  return phrases;
}

module.exports = { STARTERS, SERVANTS, wordAccents, wordTropes, assignGroups, readVerses, versePhrases };
