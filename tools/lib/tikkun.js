'use strict';
// Line layout of a standard scroll (a tikkun): which word ends each line, and where the open
// and closed paragraph gaps fall. The layout comes as one JSON file per column, each a list of
// lines; a line's text is a list of parts (the columns of the songs), each a list of strings
// separated by a closed paragraph gap; "#(פ)" marks an open paragraph (the rest of the line
// stays empty), "#[...]" holds the qere of the ketiv before it.
//
// The layout's edition can differ from the codex in a few letters and word divisions, so its
// words are aligned with the codex's words by their consonants, not taken over.

const fs = require('fs');
const path = require('path');

// The folder of the layout files; TIKKUN_LINES overrides where it is looked for.
const TIKKUN_DIR = process.env.TIKKUN_LINES || '/work/shared/data/tikkun-lines';
const FINALS = { '\u05DA': '\u05DB', '\u05DD': '\u05DE', '\u05DF': '\u05E0', '\u05E3': '\u05E4',
  '\u05E5': '\u05E6' };

// The consonants of a word with final forms made plain, for comparing editions.
function skeleton(text) {
  let out = '';
  for (const ch of text) {
    if (ch >= '\u05D0' && ch <= '\u05EA') out += FINALS[ch] || ch;
  }
  return out;
}

// A looser key that also forgives full and defective spelling (vav and yod as vowel letters).
function looseSkeleton(text) {
  return skeleton(text).replace(/[\u05D5\u05D9]/g, '');
}

// Words of the layout in order, each { skel, loose, lineEnd, para } where para is 'P' or 'S'
// when a paragraph gap follows the word.
function layoutWords(lines) {
  const words = [];
  for (const line of lines) {
    const lineStart = words.length;
    for (const part of line.text) {
      part.forEach((str, si) => {
        const pieces = str
          .replace(/#\[[^\]]*\]/g, ' ')
          .replace(/#\(\u05E4\)/g, ' \u0001 ')
          .replace(/#?\([^)]*\)/g, ' ')
          .replace(/#/g, '')
          .split(/[\s\u05BE]+/);
        for (const piece of pieces) {
          if (piece === '\u0001') {
            if (words.length > 0) words[words.length - 1].para = 'P';
            continue;
          }
          const skel = skeleton(piece);
          if (skel.length === 0) continue;
          words.push({ skel, loose: looseSkeleton(piece), lineEnd: false, para: '' });
        }
        if (si < part.length - 1 && words.length > 0 && !words[words.length - 1].para) {
          words[words.length - 1].para = 'S';
        }
      });
    }
    if (words.length > lineStart) words[words.length - 1].lineEnd = true;
    if (line.isPetucha && words.length > 0) words[words.length - 1].para = 'P';
  }
  return words;
}

// Whether the layout files are at hand (they are needed to regenerate the text, not to check
// it on a machine without them).
function layoutAvailable() {
  return fs.existsSync(path.join(TIKKUN_DIR, 'torah', '1.json'));
}

function readColumns(kind, count) {
  const lines = [];
  for (let n = 1; n <= count; n++) {
    lines.push(...JSON.parse(fs.readFileSync(path.join(TIKKUN_DIR, kind, `${n}.json`), 'utf8')));
  }
  return lines;
}

// The lines of one book of the Torah (1 to 5), or of Esther.
function bookLines(kind, bookNumber) {
  const count = kind === 'torah' ? 245 : 17;
  const lines = readColumns(kind, count);
  if (kind !== 'torah') return lines;
  // A line belongs to the book of the last verse begun before or on it.
  let book = 1;
  return lines.filter((line) => {
    if (line.verses.length > 0) book = line.verses[0].book;
    return book === bookNumber;
  });
}

const same = (a, b) => a.skel === b.skel || a.loose === b.loose;

// Aligns the layout's words with the codex's words (both given as { skel, loose }).
// Returns for every layout word the index of the codex word it stands for (a layout word
// missing from the codex stands for the codex word before it), and the count of words that
// did not match.
function align(codex, layout) {
  const target = new Array(layout.length);
  let i = 0;
  let j = 0;
  let unmatched = 0;
  // How many codex and layout words match at (a, b): one each, two codex words written as one
  // in the layout, or one codex word written as two; null when they do not match.
  const step = (a, b) => {
    if (a >= codex.length || b >= layout.length) return null;
    if (same(codex[a], layout[b])) return [1, 1];
    if (a + 1 < codex.length && layout[b].skel === codex[a].skel + codex[a + 1].skel) return [2, 1];
    if (b + 1 < layout.length && layout[b].skel + layout[b + 1].skel === codex[a].skel) return [1, 2];
    return null;
  };
  // Both run on together from (a, b) for two steps (or to the end).
  const runMatches = (a, b) => {
    const first = step(a, b);
    if (!first) return false;
    const [na, nb] = [a + first[0], b + first[1]];
    return na >= codex.length || nb >= layout.length || step(na, nb) !== null;
  };
  while (j < layout.length) {
    const s = step(i, j);
    if (s) {
      // a layout word standing for two codex words stands for the second of them
      for (let k = 0; k < s[1]; k++) target[j + k] = i + s[0] - 1;
      i += s[0];
      j += s[1];
      continue;
    }
    // Find the nearest point where both run on together again.
    let found = null;
    for (let k = 1; k <= 12 && !found; k++) {
      for (let di = 0; di <= k; di++) {
        const dj = k - di;
        if (runMatches(i + di, j + dj)) {
          found = [di, dj];
          break;
        }
      }
    }
    if (!found) found = [1, 1];
    const [di, dj] = found;
    unmatched += Math.max(di, dj);
    for (let k = 0; k < dj; k++) {
      // Layout words without a codex word: by position when the codex skips as many.
      target[j + k] = Math.min(codex.length - 1, Math.max(0, k < di ? i + k : i + di - 1));
    }
    i += di;
    j += dj;
  }
  return { target, unmatched };
}

module.exports = { skeleton, looseSkeleton, layoutWords, bookLines, align, layoutAvailable,
  TIKKUN_DIR };
