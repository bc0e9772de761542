'use strict';
// Haftarot of several pieces: what the catalogue tool refuses to read as it stands.

const test = require('node:test');
const assert = require('node:assert');
const { written, unwritten, haftarahFlaw } = require('../lib/haftarah');

// Isaiah with chapters of 6 (chapter 4), 22 (chapter 48) and 17 (chapter 54) verses, the others 20.
const lengthsOf = (k) => (k === 'Isaiah'
  ? Array.from({ length: 66 }, (_, i) => ({ 4: 6, 48: 22, 54: 17 }[i + 1] || 20)) : null);

test('a Haftarah is refused where it cannot be read as it stands', () => {
  const rows = [
    // written pieces, the flaw found (null: read as it stands)
    ['Isaiah 48:12-48:21', null],
    ['Isaiah 48:12-48:21; Isaiah 48:20-48:20', null],
    ['Isaiah 54:1-54:10; Isaiah 54:11-55:5', null],
    ['Isaiah 48:12-48:21; Isaiah 4:20-4:20', 'Isaiah 4:20-4:20 is not a passage of whole verses of the book'],
    ['Isaiah 48:12-48:21; Isaiah 48:2b-48:3a', 'Isaiah 48:2b-48:3a is not a passage of whole verses of the book'],
    ['Isaiah 54:11-55:5**', 'Isaiah 54:11-55:5** is not a passage of whole verses of the book'],
    ['Isaiah 0:1-1:3', 'Isaiah 0:1-1:3 is not a passage of whole verses of the book'],
    ['Isaiah 48:12-48:1', 'Isaiah 48:12-48:1 ends before it starts'],
    ['Isaiah 48:12-48:21; Isaiah 48:19-48:22', 'Isaiah 48:19-48:22 repeats verses read before it'],
    ['Isaiah 48:12-48:21; Isaiah 48:13-48:18', 'Isaiah 48:13-48:18 repeats verses read before it'],
    ['Isaiah 48:12-48:21; Isaiah 48:20-48:20; Isaiah 54:1-54:3',
      'Isaiah 48:20-48:20 repeats verses read before it'],
    ['Isaiah 40:1-43:3', '63 verses, more than a Haftarah has'],
    ['Nachum 1:1-1:7', 'unknown book Nachum'],
  ];
  for (const [text, flaw] of rows) assert.strictEqual(haftarahFlaw(unwritten(text), lengthsOf), flaw, text);
});

test('pieces are written as the corrections table writes them, blanks of the source dropped', () => {
  assert.strictEqual(written([{ k: 'Joshua', b: '3:17', e: ' 4:7' }, { k: 'I Kings', b: '9:4', e: '9:5a' }]),
    'Joshua 3:17-4:7; I Kings 9:4-9:5a');
  assert.deepStrictEqual(unwritten('I Kings 9:4-9:5'), [{ k: 'I Kings', b: '9:4', e: '9:5' }]);
});
