'use strict';
// The verse numbering of the weekly readings, which the aliyot, haftarot and verse limits of
// the program use, where it differs from the codex's own numbering:
//
//   codex                     readings
//   Exodus 20:13-16        =  Exodus 20:13 (the four short commandments are one verse, as in
//                             the upper accentuation read in public); codex 20:17-26 become
//                             20:14-23, so the chapter has 23 verses instead of 26
//   Deuteronomy 5:17-20    =  Deuteronomy 5:17 (the same four commandments); codex 5:21-33
//                             become 5:18-30, 30 verses instead of 33
//   Numbers 25:19          =  the opening of Numbers 26:1 (the half verse "after the plague"
//                             is read with the verse it leads into); chapter 25 has 18 verses
//                             and chapter 26 keeps its 65
//
// Only the numbering changes: the words, their accents and the paragraph marks between them
// stay as the codex has them, so a joined verse keeps the sof pasuq of each verse it joins.
// Every other chapter of the Bible is numbered alike in both (checked against the verse counts
// of the readings' source and the program's verse limits).

const { readBook } = require('./oshb');

// [code, chapter, first codex verse, last codex verse, chapter the joined verse stands in]
const JOINED_VERSES = [
  ['EXO', 20, 13, 16, 20],
  ['DEU', 5, 17, 20, 5],
];
// [code, chapter, codex verse that moves to open the next chapter's first verse]
const MOVED_TO_NEXT_CHAPTER = [
  ['NUM', 25, 19],
];

// Renumbers the chapters of one book ({ chapter, verses: [{ verse, tokens }] }, codex
// numbering) to the readings' numbering. Every verse gets `sources`, the codex verses it is
// made of ([{ chapter, verse }], in order).
function toReadingNumbering(code, chapters) {
  const out = chapters.map((ch) => ({
    chapter: ch.chapter,
    verses: ch.verses.map((v) => ({ ...v, sources: [{ chapter: ch.chapter, verse: v.verse }] })),
  }));
  for (const [c, chapter, first, last] of JOINED_VERSES) {
    if (c !== code) continue;
    const ch = out.find((x) => x.chapter === chapter);
    const at = ch.verses.findIndex((v) => v.verse === first);
    const joined = ch.verses.splice(at, last - first + 1);
    const verse = { verse: first, tokens: joined.flatMap((v) => v.tokens),
      sources: joined.flatMap((v) => v.sources) };
    ch.verses.splice(at, 0, verse);
    ch.verses.forEach((v, i) => { v.verse = i + 1; });
  }
  for (const [c, chapter, verse] of MOVED_TO_NEXT_CHAPTER) {
    if (c !== code) continue;
    const ch = out.find((x) => x.chapter === chapter);
    const next = out.find((x) => x.chapter === chapter + 1);
    const at = ch.verses.findIndex((v) => v.verse === verse);
    const [moved] = ch.verses.splice(at, 1);
    const opening = next.verses[0];
    opening.tokens = [...moved.tokens, ...opening.tokens];
    opening.sources = [...moved.sources, ...opening.sources];
  }
  return out;
}

// One book of the codex in the readings' numbering.
function readReadingBook(book, problems = []) {
  return toReadingNumbering(book.code, readBook(book.osis, problems));
}

// "EXO 20:13": the verses that hold the sof pasuq of more than one codex verse.
function isJoinedVerse(code, chapter, verse) {
  return JOINED_VERSES.some(([c, ch, first]) => c === code && ch === chapter && first === verse);
}

// A codex verse's place in the readings' numbering.
function readingVerseOf(code, chapter, verse) {
  for (const [c, ch, first, last, into] of JOINED_VERSES) {
    if (c !== code || ch !== chapter || verse < first) continue;
    return { chapter: into, verse: verse <= last ? first : verse - (last - first) };
  }
  for (const [c, ch, moved] of MOVED_TO_NEXT_CHAPTER) {
    if (c === code && ch === chapter && verse === moved) return { chapter: ch + 1, verse: 1 };
  }
  return { chapter, verse };
}

module.exports = { toReadingNumbering, readReadingBook, isJoinedVerse, readingVerseOf };
