'use strict';
// The course of the training dialog: the committed files are what tools/make-training.js
// writes from its sources, the trope groups it picks phrases by follow the text view's
// rules, and the lesson notes' rich text keeps the program's placeholders.

const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const { assignGroups, versePhrases } = require('../lib/trope-phrases');
const { toRichText } = require('../lib/rich-text');

const root = path.join(__dirname, '..', '..');

function filesUnder(dir, base = dir) {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((e) => (e.isDirectory()
    ? filesUnder(path.join(dir, e.name), base) : [path.relative(base, path.join(dir, e.name))]));
}

test('the committed course is the one its sources give', () => {
  const out = fs.mkdtempSync(path.join(os.tmpdir(), 'lyrasta-course-'));
  try {
    const run = spawnSync(process.execPath, [path.join(root, 'tools/make-training.js'), '--out', out],
      { encoding: 'utf8' });
    assert.strictEqual(run.status, 0, run.stderr);
    const written = filesUnder(out);
    assert.ok(written.includes(path.join('encodings', 'training.xml')));
    for (const file of written) {
      assert.ok(fs.readFileSync(path.join(root, 'data', file)).equals(fs.readFileSync(path.join(out, file))),
        `data/${file} is out of date: run node tools/make-training.js`);
    }
  } finally {
    fs.rmSync(out, { recursive: true, force: true });
  }
});

test('trope groups: a lord starts its group, a servant it admits stays in it', () => {
  const cases = [
    // words (accents only, on a consonant each), groups read backwards from the verse end
    { name: 'etnachta and sof pasuq halves', words: ['B74', 'B92', 'B73', 'B00'], groups: [2, 2, 1, 1] },
    { name: 'a servant the lord does not admit ends the group', words: ['B74', 'B85'], groups: [0, 13] },
    { name: 'a maqaf word keeps the group of the next', words: ['B-', 'B71', 'B73', 'B00'], groups: [1, 1, 1, 1] },
    { name: 'zarka serves segol', words: ['B74', 'B02', 'B74', 'B01'], groups: [5, 5, 5, 5] },
    { name: 'the accent of the last accented letter counts', words: ['B63B61', 'B81'], groups: [8, 7] },
  ];
  for (const c of cases) assert.deepStrictEqual(assignGroups(c.words), c.groups, c.name);
});

test('phrases end at their lord and never cut a maqaf chain', () => {
  const verse = { chapter: 1, verse: 1, tokens: ['B71', 'B73', 'B74', 'B92', 'B-', 'B73', 'B00'] };
  assert.deepStrictEqual(versePhrases(verse).map((p) => [p.group, p.tokens.join(' ')]),
    [[2, 'B71 B73 B74 B92'], [1, 'B- B73 B00']]);
});

test('lesson notes: ASCII rich text that keeps the placeholders', () => {
  const rtf = toRichText('# %ETNACHTA% %HEB_CHARS_ETNACHTA%\n\nA **bold** {brace} and \u05D0.\n- item');
  assert.match(rtf, /^\{\\rtf1\\ansi\\ansicpg65001/);
  assert.match(rtf, /\{\\b\\fs28\\cf6 %ETNACHTA% \{\\f1\\fs28 %HEB_CHARS_ETNACHTA%\}\}\\par/);
  assert.match(rtf, /A \{\\b bold\} \\\{brace\\\} and \\'d7\\'90\.\\par/);
  assert.match(rtf, /\\li360\\sa60 item\\par/);
  assert.ok(/^[\x00-\x7f]*$/.test(rtf), 'only ASCII');
});
