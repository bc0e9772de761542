'use strict';
// Which English verses fill each Hebrew verse's translation line, and how the English text
// is cleaned.

const test = require('node:test');
const assert = require('node:assert');
const path = require('path');
const { readVerseMap, englishSources } = require('../lib/verse-map');
const { plainText, titlePart } = require('../make-hnv');

const map = readVerseMap(path.join(__dirname, 'data', 'verse-map.xml'));
const v = (chapter, verse) => ({ chapter, verse });
const strip = (list) => list.map((e) => ('title' in e ? e
  : { chapter: e.chapter, verse: e.verse, ...(e.withTitle ? { withTitle: true } : {}) }));

test('English verses of a Hebrew verse', () => {
  // [what, osis book, chapter, verse, expected sources]
  const rows = [
    ['a moved chapter', 'Mal', 3, 19, [v(4, 1)]],
    ['a verse the map does not list keeps its number', 'Mal', 3, 18, [v(3, 18)]],
    ['a first half mapped: the rest is the same-numbered English verse', '1Kgs', 18, 34, [v(18, 33), v(18, 34)]],
    ['a second half mapped: the first half is the same-numbered English verse', 'Isa', 63, 19, [v(63, 19), v(64, 1)]],
    ['a one-verse psalm title', 'Ps', 3, 1, [{ title: 3, part: 1, of: 1 }]],
    ['a psalm verse after its title', 'Ps', 3, 2, [v(3, 1)]],
    ['a psalm verse holding two English verses', 'Ps', 13, 6, [v(13, 5), v(13, 6)]],
    ['the second verse of a two-verse title, not the map\'s English 51:1', 'Ps', 51, 2, [{ title: 51, part: 2, of: 2 }]],
    ['the first verse after a two-verse title', 'Ps', 51, 3, [v(51, 1)]],
    ['a psalm numbered alike carries its title in verse 1', 'Ps', 1, 1, [{ chapter: 1, verse: 1, withTitle: true }]],
  ];
  for (const [what, osis, chapter, verse, expected] of rows) {
    assert.deepStrictEqual(strip(englishSources(osis, map.get(osis), chapter, verse)), expected, what);
  }
});

test('a two-verse psalm title is split where its second clause begins', () => {
  const title = 'For the Chief Musician. A Psalm by David, when Nathan the prophet came to him.';
  assert.strictEqual(titlePart(title, 1, 2), 'For the Chief Musician. A Psalm by David,');
  assert.strictEqual(titlePart(title, 2, 2), 'when Nathan the prophet came to him.');
  assert.strictEqual(titlePart(title, 1, 1), title);
});

test('English text without notes, headings or markup, in plain ASCII', () => {
  const osis = '<title canonical="true" type="psalm">A Psalm.</title><w lemma="x">God</w><note placement="foot">' +
    '<reference>1:1 </reference>The Hebrew word\u2026</note><w>created</w> <q who="God">\u201CLet ' +
    'there be light,\u201D</q> <l level="1"/>and there\u2014light\u2019s <w>light</w>.';
  assert.strictEqual(plainText(osis), 'God created "Let there be light," and there--light\'s light.');
});
