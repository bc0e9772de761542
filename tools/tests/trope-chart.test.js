'use strict';
// The trope chart of the user guide is written from the trope names: it names every trope
// of every naming and is up to date with them.

const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const { chart } = require('../make-trope-chart');

const root = path.join(__dirname, '..', '..');
const xml = fs.readFileSync(path.join(root, 'data/encodings/tropenames.xml'), 'utf8');

test('the chart in data/help is the one the trope names give', () => {
  assert.strictEqual(fs.readFileSync(path.join(root, 'data/help/tropes.html'), 'utf8'), chart(xml),
    'run node tools/make-trope-chart.js');
});

test('every trope of the names has a row, with its group where it ends one', () => {
  const html = chart(xml);
  for (const name of ['Etnachta', 'Zakef Katon', 'Munach', 'Telisha Gedola', 'Shalshelet'])
    assert.ok(html.includes(`<td>${name}</td>`), name);
  assert.match(html, /<td style="background:#FF70FF">Etnachta<\/td>/);
  assert.ok(html.includes('<img src="tune:ETNACHTA"'), 'the tune, drawn by the help window');
  const rows = html.match(/<tr><td class="he">/g).length;
  assert.strictEqual(rows, (xml.match(/<Encoding Name="Ashkenazi">([\s\S]*?)<\/Encoding>/)[1].match(/<Trope /g)).length);
});
