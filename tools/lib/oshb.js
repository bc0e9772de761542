'use strict';
// Reads one book of the Open Scriptures Hebrew Bible (OSIS XML of the Westminster Leningrad
// Codex) into chapters of verses, each verse a list of tokens in reading order:
//   { kind: 'word', text, ketiv, qere, maqaf, paseq, sofPasuq, parts, morph }   one <w> element
// (parts: the text with its morphemes divided by "/"; morph: the source's morphology code)
//   { kind: 'P' } / { kind: 'S' }                                 open / closed paragraph
// Ketiv words are the unpointed <w> elements that a <note type="variant"> follows (as many
// as its catchWord names); the qere words of its <rdg type="x-qere"> follow them. Notes of
// other kinds (a second accentuation, textual remarks) are not part of the text.

const fs = require('fs');
const path = require('path');

const WLC_DIR = path.join(__dirname, '..', 'node_modules', 'morphhb', 'wlc');

const TOKEN = new RegExp(
  [
    '<w\\b([^>]*)>([\\s\\S]*?)</w>',
    '<seg type="([^"]+)"[^>]*>[\\s\\S]*?</seg>',
    '<note type="variant">([\\s\\S]*?)</note>',
    '<note\\b[^>]*>[\\s\\S]*?</note>',
  ].join('|'),
  'g',
);

function wordText(inner) {
  return inner.replace(/<[^>]*>/g, '').replace(/\//g, '').trim();
}

function newWord(text, extra) {
  return { kind: 'word', text, ketiv: false, qere: false, maqaf: false, paseq: false,
    sofPasuq: false, ...extra };
}

// A word of the text from its <w> element's attributes and content.
function wordOf(attributes, inner, extra) {
  const morph = (/\bmorph="([^"]*)"/.exec(attributes) || [, ''])[1];
  const parts = inner.replace(/<[^>]*>/g, '').trim();
  return newWord(wordText(inner), { parts, morph, ...extra });
}

// Applies a seg mark to the last word of a token list; returns false when it is not one.
function applySeg(tokens, type) {
  const last = [...tokens].reverse().find((t) => t.kind === 'word');
  switch (type) {
    case 'x-maqqef': if (last) last.maqaf = true; return true;
    case 'x-paseq': if (last) last.paseq = true; return true;
    case 'x-sof-pasuq': if (last) last.sofPasuq = true; return true;
    case 'x-pe': tokens.push({ kind: 'P' }); return true;
    case 'x-samekh': tokens.push({ kind: 'S' }); return true;
    default: return false; // inverted nun and other signs outside words
  }
}

function parseQere(rdg) {
  const tokens = [];
  const re = /<w\b([^>]*)>([\s\S]*?)<\/w>|<seg type="([^"]+)"[^>]*>[\s\S]*?<\/seg>/g;
  let m;
  while ((m = re.exec(rdg)) !== null) {
    if (m[2] !== undefined) tokens.push(wordOf(m[1], m[2], { qere: true }));
    else applySeg(tokens, m[3]);
  }
  return tokens;
}

function parseVerse(content, problems, ref) {
  const tokens = [];
  let m;
  TOKEN.lastIndex = 0;
  while ((m = TOKEN.exec(content)) !== null) {
    if (m[2] !== undefined) {
      tokens.push(wordOf(m[1], m[2]));
    } else if (m[3] !== undefined) {
      applySeg(tokens, m[3]);
    } else if (m[4] !== undefined) {
      const catchWord = (/<catchWord>([\s\S]*?)<\/catchWord>/.exec(m[4]) || [, ''])[1];
      // The ketiv is as many words before the note as it takes to spell the catchWord.
      const bare = (text) => text.replace(/[\s\u05BE/]+/g, '');
      const expected = bare(catchWord);
      const words = tokens.filter((t) => t.kind === 'word' && !t.qere);
      const ketiv = [];
      let found = '';
      while (found.length < expected.length && ketiv.length < words.length) {
        ketiv.unshift(words[words.length - 1 - ketiv.length]);
        found = ketiv.map((w) => bare(w.text)).join('');
      }
      if (expected !== found) problems.push(`${ref}: ketiv "${found}" differs from "${expected}"`);
      ketiv.forEach((w) => { w.ketiv = true; });
      const rdg = /<rdg type="x-qere"\s*(\/>|>([\s\S]*?)<\/rdg>)/.exec(m[4]);
      if (rdg && rdg[2] !== undefined) tokens.push(...parseQere(rdg[2]));
    }
  }
  return tokens;
}

// Returns [{ chapter, verses: [{ verse, tokens }] }] in order.
function readBook(osis, problems = []) {
  const xml = fs.readFileSync(path.join(WLC_DIR, `${osis}.xml`), 'utf8');
  const chapters = [];
  const verseRe = /<verse osisID="[^".]+\.(\d+)\.(\d+)">([\s\S]*?)<\/verse>/g;
  let m;
  while ((m = verseRe.exec(xml)) !== null) {
    const chapter = Number(m[1]);
    const verse = Number(m[2]);
    let ch = chapters[chapters.length - 1];
    if (!ch || ch.chapter !== chapter) {
      ch = { chapter, verses: [] };
      chapters.push(ch);
    }
    ch.verses.push({ verse, tokens: parseVerse(m[3], problems, `${osis} ${chapter}:${verse}`) });
  }
  return chapters;
}

module.exports = { readBook, parseVerse, WLC_DIR };
