'use strict';
// The readings' verse numbering laid over the codex's: joined commandments and the half verse
// that opens the next chapter, with the words kept and every verse knowing its codex verses.

const test = require('node:test');
const assert = require('node:assert');
const { toReadingNumbering, readingVerseOf } = require('../lib/reading-numbering');

// A chapter of n verses whose only token names its codex place ("20:13").
const chapter = (c, n) => ({ chapter: c,
  verses: Array.from({ length: n }, (_, i) => ({ verse: i + 1, tokens: [`${c}:${i + 1}`] })) });
const verse = (chapters, c, v) => chapters.find((x) => x.chapter === c).verses[v - 1];

test('the readings renumber three chapters and keep every word in order', () => {
  const rows = [
    // code, codex chapters, [reading chapter, its verse count], [reading verse, its codex words]
    ['EXO', [chapter(20, 26)], [20, 23], [20, 13, ['20:13', '20:14', '20:15', '20:16']],
      [20, 14, ['20:17']], [20, 23, ['20:26']]],
    ['DEU', [chapter(5, 33)], [5, 30], [5, 17, ['5:17', '5:18', '5:19', '5:20']],
      [5, 30, ['5:33']]],
    ['NUM', [chapter(25, 19), chapter(26, 65)], [25, 18], [26, 1, ['25:19', '26:1']],
      [26, 65, ['26:65']]],
    ['GEN', [chapter(20, 18)], [20, 18], [20, 13, ['20:13']]],
  ];
  for (const [code, codex, [countChapter, count], ...verses] of rows) {
    const words = codex.flatMap((c) => c.verses.flatMap((v) => v.tokens));
    const reading = toReadingNumbering(code, codex);
    assert.strictEqual(reading.find((c) => c.chapter === countChapter).verses.length, count, code);
    assert.deepStrictEqual(reading.flatMap((c) => c.verses.flatMap((v) => v.tokens)), words, code);
    for (const [c, v, tokens] of verses) {
      const got = verse(reading, c, v);
      assert.deepStrictEqual(got.tokens, tokens, `${code} ${c}:${v}`);
      assert.deepStrictEqual(got.sources.map((s) => `${s.chapter}:${s.verse}`), tokens);
      // and every codex verse is found again where it now stands
      for (const t of tokens) {
        const [sc, sv] = t.split(':').map(Number);
        assert.deepStrictEqual(readingVerseOf(code, sc, sv), { chapter: c, verse: v }, `${code} ${t}`);
      }
    }
  }
});
