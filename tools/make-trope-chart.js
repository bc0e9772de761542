#!/usr/bin/env node
'use strict';
// Writes data/help/tropes.html, the trope chart of the user guide: every trope with its
// sign, its names in each naming tradition of data/encodings/tropenames.xml, whether it
// joins or divides, the trope group it ends with its colour in the text view, and its tune:
// a picture "tune:NAME" that the program's help window draws as a staff of the trope's notes
// in the melody style in use.

const fs = require('node:fs');
const path = require('node:path');

const root = path.join(__dirname, '..');

// Joining (conjunctive) tropes, and the dividing ones by the length of their pause.
const kinds = {
  conjunctive: ['MUNACH', 'MERCHA', 'MERCHA_CHEFULAH', 'MAPACH', 'DARGA', 'KADMA', 'TELISHA_KETANA', 'YERACH_BEN_YOMO', 'AZLA'],
  minor: ['REVIA', 'TEVIR', 'PASHTA', 'DOUBLE_PASHTA', 'ZARKA', 'YETIV', 'GERESH', 'GERSHAYIM', 'PAZER',
    'TELISHA_GEDOLA', 'TELISHA_GEDOLA_AND_GERSHAYIM', 'KARNEI_FARAH', 'MUNACH_LEGARMEH'],
  major: ['SOF_PASUK', 'SILLUQ', 'ETNACHTA', 'SEGOL', 'SHALSHELET', 'ZAKEF_KATON', 'ZAKEF_GADOL', 'TIPCHA'],
};
const kindText = {
  conjunctive: ['joins to the next word', '#00C000'],
  minor: ['short pause', '#FFA070'],
  major: ['longer pause', '#FF40A0'],
};

// The group a trope ends, with the text view's colour of that group (white: no colour).
const groups = {
  SOF_PASUK: ['Sof Pasuk', '#70FFFF'], SILLUQ: ['Sof Pasuk', '#70FFFF'],
  ETNACHTA: ['Etnachta', '#FF70FF'], ZAKEF_KATON: ['Zakef Katon', '#FFFF70'],
  SEGOL: ['Segol', '#FFFFFF'], TEVIR: ['Tevir', '#FFFFFF'], REVIA: ['Revia', '#FFFFFF'],
  GERESH: ['Geresh', '#FFFFFF'], GERSHAYIM: ['Gershayim', '#FFFFFF'], PAZER: ['Pazer', '#FFFFFF'],
  TELISHA_GEDOLA: ['Telisha Gedola', '#FFFFFF'], KARNEI_FARAH: ['Karne Fara', '#FFFFFF'],
  ZAKEF_GADOL: ['Zakef Gadol', '#FFFFFF'], SHALSHELET: ['Shalshelet', '#FFFFFF'],
};

function attributes(tag) {
  const out = {};
  for (const m of tag.matchAll(/([A-Z_]+)="([^"]*)"/g)) out[m[1]] = m[2];
  return out;
}

// { encoding name: { trope name: attributes } } in the file's order.
function readNames(xml) {
  const encodings = [];
  for (const m of xml.matchAll(/<Encoding Name="([^"]+)">([\s\S]*?)<\/Encoding>/g)) {
    const tropes = new Map();
    for (const t of m[2].matchAll(/<Trope [^>]*\/>/g)) {
      const a = attributes(t[0]);
      tropes.set(a.NAME || t[0].match(/Name="([^"]+)"/)[1], a);
    }
    encodings.push({ name: m[1], tropes });
  }
  return encodings;
}

const escape = (s) => s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

function chart(xml) {
  const encodings = readNames(xml);
  const order = [...encodings[0].tropes.keys()];
  const rows = order.map((trope) => {
    const first = encodings[0].tropes.get(trope);
    const kind = Object.keys(kinds).find((k) => kinds[k].includes(trope));
    const [kindLabel, kindColour] = kind ? kindText[kind] : ['a mark, not a tune of its own', '#000000'];
    const group = groups[trope];
    const names = encodings.map((e) => escape((e.tropes.get(trope) || {}).VALUE || ''));
    return `<tr><td class="he">${escape(first.HEB_CHAR_VALUE || '')}</td>` +
      names.map((n) => `<td>${n}</td>`).join('') +
      `<td class="he">${escape(first.HEB_VALUE || '')}</td>` +
      `<td style="color:${kindColour}">${kindLabel}</td>` +
      (group ? `<td style="background:${group[1]}">${group[0]}</td>` : '<td></td>') + '</tr>\n' +
      // The tune on a line of its own under the names, as wide as they are.
      `<tr><td></td><td colspan="${encodings.length + 3}"><img src="tune:${trope}" alt=""></td></tr>`;
  });
  return `<html><head><title>Trope chart</title><link rel="stylesheet" href="style.css"></head><body>
<!-- Written by tools/make-trope-chart.js from data/encodings/tropenames.xml. -->
<p><a href="index.html">Contents</a></p>
<h1>Trope chart</h1>
<p>Every trope with its sign (on a dotted circle, where the letter goes), its name in each
way of naming it, whether it joins the word to the next or makes a pause, and the trope
group it ends, in the group's colour in the text (see <a href="colours.html">The colours</a>),
and its tune: the notes Lyrasta sings for it in the melody of the reading you have open (the
<i>Melody</i> tab; open another reading or choose another melody and this chart follows). A
trope sounds a little different at the end of a verse, an aliyah or a book; to hear it, find a
word with it in your reading and double click it: its notes appear on the staff under the text.</p>
<table>
<tr><th>Sign</th>${encodings.map((e) => `<th>${escape(e.name)}</th>`).join('')}<th>Hebrew</th><th>Kind</th><th>Ends the group</th></tr>
${rows.join('\n')}
</table>
</body></html>
`;
}

module.exports = { chart };

if (require.main === module) {
  const xml = fs.readFileSync(path.join(root, 'data/encodings/tropenames.xml'), 'utf8');
  fs.writeFileSync(path.join(root, 'data/help/tropes.html'), chart(xml));
}
