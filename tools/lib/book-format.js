'use strict';
// Reads the program's book text format the way the program does, so that the generated files
// can be checked against what the program will see: the book index (segments, verses,
// chapters), the words of a verse range, and each word's letter records as the word scanner
// makes them.

const VOWELS = new Set(['A', 'F', 'I', 'E', '"', 'U', ':', 'O']);
const { PREPOSITIVE } = require('./hebrew-word');
const METEG = new Set(['95', '75', '35']);

function newRecord() {
  return { letter: '', vowel: '', dagesh: false, meteg: false, maqaf: false, accents: '',
    bracket: '', kind: 0, query: false, exclaim: false, dot: '', comment: '', note: '' };
}

// The word scanner: one word (bytes) to letter records.
function scanWord(word) {
  const records = [];
  let state = 'start';
  let cur = null;
  let pending = '';
  let comment = null;
  let note = '';
  const bytes = (word.startsWith('\n') ? word.slice(1) : word) + ' ';
  let beforeBlank = 0;
  for (let i = 0; i < bytes.length; i++) {
    const b = bytes[i];
    if (i === bytes.length - 1) beforeBlank = records.length;
    if (comment !== null && b !== '>' && !'?!/@'.includes(b)) {
      comment += b;
      continue;
    }
    if (b === '?') { if (cur) cur.query = true; continue; }
    if (b === '!') { if (cur) cur.exclaim = true; continue; }
    if (b === '/' || b === '@') continue;
    if (b === '<') { comment = ''; continue; }
    if (b === '>' && comment !== null) {
      if (cur) cur.comment += `${comment} `;
      comment = null;
      continue;
    }
    let again = true;
    while (again) {
      again = false;
      switch (state) {
        case 'start':
          cur = newRecord();
          records.push(cur);
          if (b === '{') { state = 'note'; note = ''; }
          else if (b === 'V') { pending = 'V'; state = 'vmark'; }
          else if (b === ']') state = 'bracket';
          else if (b === '*') state = 'ketiv';
          else if (b >= '0' && b <= '9') { pending = b; state = 'accent'; }
          else if (b === '-') { cur.maqaf = true; state = 'start'; }
          else if (!VOWELS.has(b)) { pending = b; state = 'consonant'; }
          else if (b !== ':') { cur.vowel = b; state = 'after'; }
          else state = 'shva';
          break;
        case 'consonant':
          cur.letter = pending;
          state = 'after';
          if (b === '.') cur.dagesh = true;
          else again = true;
          break;
        case 'accent': {
          const code = pending + b;
          pending = code;
          if (code === '52' || code === '53') cur.dot = code;
          else if (METEG.has(code)) cur.meteg = true;
          else cur.accents += code;
          if (code === '00') {
            for (let k = records.length - 1; k >= 0; k--) {
              if (records[k].meteg) {
                records[k].meteg = false;
                records[k].accents = '75';
                break;
              }
            }
          }
          state = 'after';
          break;
        }
        case 'bracket': cur.bracket = b; state = 'after'; break;
        case 'ketiv':
          state = 'after';
          if (b === '*') cur.kind = 1;
          else { cur.kind = 2; again = true; }
          break;
        case 'shva':
          state = 'after';
          if (b === 'A') {
            if (!')(HX'.includes(cur.letter)) { cur.vowel = ':'; cur.bracket = '+'; } else cur.vowel = ':A';
          } else if (b === 'E') cur.vowel = ':E';
          else if (b === 'F') cur.vowel = ':F';
          else { cur.vowel = ':'; again = true; }
          break;
        case 'after':
          if (b === ']') state = 'bracket';
          else if (b === 'V') { pending = 'V'; state = 'vmark'; }
          else if (b === '*') state = 'ketiv';
          else if (b >= '0' && b <= '9') { pending = b; state = 'accent'; }
          else if (b === '-') { cur.maqaf = true; state = 'start'; }
          else if (VOWELS.has(b) && b !== ':') cur.vowel = b;
          else if (b === ':') state = 'shva';
          else if (PREPOSITIVE.has(pending)) { pending = b; state = 'consonant'; }
          else { state = 'start'; again = true; }
          break;
        case 'note':
          if (b === '}') { cur.note = note; state = 'start'; } else note += b;
          break;
        case 'vmark':
          if ((b >= '0' && b <= '9') || b === ':' || b === 'l') pending += b;
          else { cur.accents = pending; state = 'after'; again = true; }
          break;
        default: break;
      }
    }
  }
  // the record the closing blank opened
  if (records.length > beforeBlank) records.pop();
  return records;
}

// The book index: segment starts, the first segment of every verse, the first verse of every
// chapter (all 1-based, as the program counts them).
function indexBookText(text) {
  const segStart = [0, 0];
  const verseSeg = [0];
  const chapterVerse = [0];
  let r = 1;
  let title = '';
  let titlePending = false;
  for (let i = 0; i < text.length; i++) {
    const c = text[i];
    if (c === '\n') {
      r += 1;
      segStart[r] = i + 1;
      if (titlePending) {
        verseSeg.push(r);
        chapterVerse.push(verseSeg.length - 1);
        titlePending = false;
      }
      continue;
    }
    if (c !== '~') continue;
    let j = i + 1;
    while (j < text.length && !'axy'.includes(text[j])) j++;
    if (j >= text.length) break;
    if (text[j] === 'a') {
      let end = text.indexOf('\n', j);
      if (end < 0) end = text.length;
      title = text.slice(j + 1, end).replace(/\r$/, '');
      titlePending = true;
      i = end - 1;
      continue;
    }
    let k = j + 1;
    while (k < text.length && text[k] >= '0' && text[k] <= '9') k++;
    r += 1;
    segStart[r] = k;
    verseSeg.push(r);
    if (text[j] === 'x') chapterVerse.push(verseSeg.length - 1);
    i = k - 1;
  }
  segStart[r + 1] = text.length;
  return { segStart, segCount: r, verseSeg, chapterVerse, title };
}

// The segments of a range "c:v-c:v" of the indexed book: [first, last] inclusive.
function rangeSegments(index, sc, sv, ec, ev) {
  const first = index.verseSeg[index.chapterVerse[sc] + sv - 1];
  let end = index.verseSeg[index.chapterVerse[ec] + ev] || 0;
  if (end === 0) end = index.segCount + 1;
  return [first, end - 2];
}

// The words of segments first..last, split as the range scanner splits them: a blank outside
// brackets ends a word, CR ends the segment, "~x"/"~y" markers are passed over.
function rangeWords(text, index, first, last) {
  const words = [];
  for (let s = first; s <= last; s++) {
    let depth = 0;
    let word = '';
    for (let i = index.segStart[s]; i < text.length; i++) {
      const c = text[i];
      if (c === '\r') {
        if (word.replace(/^\n/, '').length > 0) words.push(word);
        break;
      }
      if (c === '~') break;
      if (c === '<' || c === '{') depth += 1;
      if (c === '>' || c === '}') depth = Math.max(0, depth - 1);
      if (c === ' ' && depth === 0) {
        if (word.replace(/^\n/, '').length > 0) words.push(word);
        word = '';
        continue;
      }
      word += c;
    }
  }
  return words;
}

module.exports = { scanWord, indexBookText, rangeSegments, rangeWords };
