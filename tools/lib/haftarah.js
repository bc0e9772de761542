'use strict';
// Haftarot of several pieces ({k: book name, b: "48:12", e: "48:21"}): written out as text and
// checked for what cannot be read as it stands.

// A Haftarah's pieces written out: "Isaiah 48:12-48:21; Isaiah 4:20-4:20".
const written = (list) => list.map((a) => `${a.k} ${a.b.trim()}-${a.e.trim()}`).join('; ');

// Pieces from their written form.
function unwritten(text) {
  return text.split('; ').map((piece) => {
    const m = /^(.*) (\S+)-(\S+)$/.exec(piece);
    return { k: m[1], b: m[2], e: m[3] };
  });
}

// The most verses a Haftarah has (the annual cycle's longest, II Samuel 22:1-51, has 51).
const MOST_HAFTARAH_VERSES = 60;
// The most verses read once more at the end of a Haftarah to close it in comfort.
const MOST_CLOSING_VERSES = 3;

// Why a Haftarah's pieces cannot be read as they stand, or null. lengthsOf(book name) gives the
// verses of each chapter of the book (null for a book not known). Flaws: a verse that is not a
// plain chapter:verse of the book (a half verse "2:2b", a footnote mark "55:5**"), a piece
// ending before it starts, more verses than a Haftarah has, and a piece repeating verses read
// before it other than as the closing repeat: the last piece, a few verses inside the passage
// (Malachi 3:23 read again after 3:24).
function haftarahFlaw(list, lengthsOf) {
  const read = [];
  let total = 0;
  for (const [i, a] of list.entries()) {
    const lengths = lengthsOf(a.k);
    if (!lengths) return `unknown book ${a.k}`;
    const index = (cv) => {
      const m = /^(\d+):(\d+)$/.exec(cv.trim());
      if (!m) return null;
      const [c, v] = [Number(m[1]), Number(m[2])];
      if (c < 1 || c > lengths.length || v < 1 || v > lengths[c - 1]) return null;
      return lengths.slice(0, c - 1).reduce((n, l) => n + l, 0) + v;
    };
    const [b, e] = [index(a.b), index(a.e)];
    const piece = `${a.k} ${a.b.trim()}-${a.e.trim()}`;
    if (b === null || e === null) return `${piece} is not a passage of whole verses of the book`;
    if (e < b) return `${piece} ends before it starts`;
    const repeated = read.filter((r) => r.k === a.k && b <= r.e && e >= r.b);
    const closing = i === list.length - 1 && e - b < MOST_CLOSING_VERSES
      && repeated.some((r) => b >= r.b && e <= r.e);
    if (repeated.length > 0 && !closing) return `${piece} repeats verses read before it`;
    read.push({ k: a.k, b, e });
    total += e - b + 1;
  }
  if (total > MOST_HAFTARAH_VERSES) return `${total} verses, more than a Haftarah has`;
  return null;
}

module.exports = { written, unwritten, haftarahFlaw };
