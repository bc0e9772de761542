'use strict';
// A verse of the codex from its XML to the line of the book text: ketiv and qere, maqaf,
// paseq, paragraph letters, scroll line ends and the supplied sof pasuq.

const test = require('node:test');
const assert = require('node:assert');
const { parseVerse } = require('../lib/oshb');
const { verseItems } = require('../make-bhs');

const w = (text) => `<w lemma="1" morph="H">${text}</w>`;
const seg = (type, text) => `<seg type="${type}">${text}</seg>`;
const variant = (catchWord, qere) =>
  `<note type="variant"><catchWord>${catchWord}</catchWord>${qere}</note>`;
const stats = () => ({ supplied: [], problems: [], notes: {} });

function line(xml, ref = ['GEN', 1, 1], scroll = null) {
  const tokens = parseVerse(xml, [], 'test');
  if (scroll) scroll(tokens);
  const s = stats();
  const items = verseItems(ref[0], ref[1], ref[2], tokens, s);
  return { text: items.join(' '), stats: s };
}

test('ketiv words are marked "*" and their qere words "**", in reading order', () => {
  const rows = [
    // one ketiv word, one qere word, sof pasuq after the qere
    [w('הוצא') + variant('הוצא', `<rdg type="x-qere">${w('הַיְצֵ֣א')}</rdg>`) +
      seg('x-sof-pasuq', '׃'), '*HWC) **HAY:C"74)00'],
    // a ketiv of two words joined by maqaf, read as two words joined by maqaf
    [w('הוא') + seg('x-maqqef', '־') + w('ו/היא') +
      variant('הוא־ו/היא', `<rdg type="x-qere">${w('הִֽיא')}${seg('x-maqqef', '־')}${w('וָ/ה֛וּא')}</rdg>`) +
      seg('x-sof-pasuq', '׃'), '*HW)- *WHY) **HI75Y)- **WFH91W.)00'],
    // a ketiv that is written and not read: no qere word
    [w('חֲמֵ֥שׁ') + w('חמש') + variant('חמש', '<rdg type="x-qere"/>') + seg('x-sof-pasuq', '׃'),
      'X:AM"71$ *XM#00'],
    // a second accentuation and textual remarks are not part of the text
    [w('אָֽנֹכִ֖י') + '<note type="alternative"><catchWord>x</catchWord><rdg type="x-accent">אָֽנֹכִי֙</rdg></note>' +
      '<note n="k">We read one or more consonants differently.</note>' + seg('x-sof-pasuq', '׃'),
      ')F75NOKI73Y00'],
  ];
  for (const [xml, expected] of rows) assert.strictEqual(line(xml).text, expected);
});

test('maqaf, paseq and the paragraph letters', () => {
  const xml = w('עַל') + seg('x-maqqef', '־') + w('פְּנֵ֥י') + seg('x-paseq', '׀') + w('תְה֑וֹם') +
    seg('x-sof-pasuq', '׃') + seg('x-pe', 'פ');
  assert.strictEqual(line(xml).text, '(AL- P.:N"71Y05 T:HO92WM00 P');
  assert.strictEqual(line(w('תְה֑וֹם') + seg('x-sof-pasuq', '׃') + seg('x-samekh', 'ס')).text,
    'T:HO92WM00 S');
});

test('scroll line ends: "?" after the line\'s last word, on the paragraph letter when an open paragraph ends the line', () => {
  const xml = w('אַ֥ב') + w('הוצא') + variant('הוצא', `<rdg type="x-qere">${w('הַיְצֵ֣א')}</rdg>`) +
    w('יֽוֹם') + seg('x-sof-pasuq', '׃');
  const rows = [
    [(t) => { t[0].lineEnd = true; }, ')A71B? *HWC) **HAY:C"74) YO75WM00'],
    // a line that ends on a ketiv ends after the ketiv; the qere follows it
    [(t) => { t[1].lineEnd = true; }, ')A71B *HWC)? **HAY:C"74) YO75WM00'],
    [(t) => { t[3].lineEnd = true; t[3].para = 'P'; }, ')A71B *HWC) **HAY:C"74) YO75WM00 P?'],
    [(t) => { t[0].para = 'S'; }, ')A71B S *HWC) **HAY:C"74) YO75WM00'],
    // a paragraph gap after a ketiv waits for the qere
    [(t) => { t[1].para = 'S'; }, ')A71B *HWC) **HAY:C"74) S YO75WM00'],
  ];
  for (const [layout, expected] of rows) assert.strictEqual(line(xml, ['GEN', 1, 1], layout).text, expected);
});

test('the verses the codex leaves without sof pasuq get it', () => {
  const open = w('הַמַּגֵּפָ֑ה') + seg('x-pe', 'פ');
  const rows = [
    [['NUM', 7, 32], open, 'HAM.AG."PF92H00 P', ['NUM 7:32'], []],
    [['GEN', 1, 1], open, 'HAM.AG."PF92H P', [], ['GEN 1:1: no sof pasuq']],
    // Exodus 34:6 ends in a paseq; the verse end takes its place
    [['EXO', 34, 6], w('וֶאֱמֶֽת') + seg('x-paseq', '׀'), 'WE):EME75T00', ['EXO 34:6'], []],
  ];
  for (const [ref, xml, expected, supplied, problems] of rows) {
    const { text, stats: s } = line(xml, ref);
    assert.strictEqual(text, expected, ref.join(' '));
    assert.deepStrictEqual(s.supplied, supplied);
    assert.deepStrictEqual(s.problems, problems);
  }
});
