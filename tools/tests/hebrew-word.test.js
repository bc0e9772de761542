'use strict';
// The word converter: where each Unicode mark lands in the word format, checked both on the
// written text and on the letter records the program's word scanner makes of it.

const test = require('node:test');
const assert = require('node:assert');
const { convertWord } = require('../lib/hebrew-word');
const { scanWord } = require('../lib/book-format');

// [what it checks, word, options, expected text]
const CASES = [
  ['pashta on the last letter is postpositive', 'מֹשֶׁה֙', {}, 'MO$EH03'],
  ['pashta doubled: the qadma sign at the stress is its copy', 'וַיֹּ֨אמֶר֙', {}, 'WAY.O33)MER03'],
  ['qadma without a pashta stays qadma', 'קָ֨ח', {}, 'QF63X'],
  ['segolta on the last letter', '\u05D4\u05B8\u05E8\u05B8\u05E7\u05B4\u05D9\u05E2\u05B7\u0592', {}, 'HFRFQIY(A01'],
  ['segolta elsewhere is its copy 31', '\u05D4\u05B8\u05E8\u05B8\u05E7\u05B4\u0592\u05D9\u05E2\u05B7', {}, 'HFRFQI31Y(A'],
  ['zinor on the last letter', 'אֱלֹהִים֮', {}, '):ELOHIYM02'],
  ['telisha ketana: last letter 04, elsewhere 24', '\u05D9\u05B8\u05A9\u05D3\u05D5\u05B9\u05A9', {}, 'YF24DOW04'],
  ['telisha gedola is written before the first letter', 'אַ֠שֶׁר', {}, '14)A$ER'],
  ['telisha gedola elsewhere is its copy 44', '\u05D0\u05B7\u05E9\u05C1\u05A0\u05B6\u05E8', {}, ')A$E44R'],
  ['dechi of the poetic books is written before the first letter', 'וְ֭הָיָה', {}, '13W:HFYFH'],
  ['yetiv is written before the first letter', 'עֵ֚שֶׂב', {}, '10("&EB'],
  ['tipcha', 'בְּרֵאשִׁ֖ית', {}, 'B.:R")$I73YT'],
  ['meteg after the vowel is 75', 'הָאָֽרֶץ', {}, 'HF)F75REC'],
  ['meteg before a full vowel is 95', '\u05D5\u05BD\u05B7\u05D9\u05B0\u05D4\u05B4\u05D9', {}, 'W95AY:HIY'],
  ['meteg before a chataf vowel is 35', '\u05D4\u05BD\u05B1\u05DC\u05B9\u05D0', {}, 'H35:ELO)'],
  ['cholam of a cholam-vav goes to the letter before', 'שָׁל֑וֹם', {}, '$FLO92WM'],
  ['consonantal vav keeps its cholam', 'עָוֺן', {}, '(FWON'],
  ['shuruk is vav with dagesh', 'וּבְכָל', {}, 'W.B:KFL'],
  ['sin dot', 'יִשְׂרָאֵל', {}, 'YI&:RF)"L'],
  ['shin without a dot', '\u05D9\u05B4\u05E9\u05B8\u05BC\u05E9\u05C1\u05DB\u05B8\u05E8', {}, 'YI#.F$KFR'],
  ['final kaf with shva', 'אִתָּ֑ךְ', {}, ')IT.F92K:'],
  ['morpheme dividers are dropped', 'בְּ/רֵאשִׁ֖ית', {}, 'B.:R")$I73YT'],
  ['paseq closes the word', 'אֹ֣ור', { paseq: true }, ')O74WR05'],
  ['the letter\'s own vowel wins over the chirik of an unwritten yod', '\u05DC\u05B4\u05B8\u05BD\u05DD', {}, 'LF75M'],
  ['a prepositive mark of a qere word follows its letter', 'אַ֭תָּה', { qere: true }, ')A73T.FH'],
];

test('Unicode marks become the codes of the word format by their position', () => {
  for (const [what, word, options, expected] of CASES) {
    assert.strictEqual(convertWord(word, options).text, expected, what);
  }
});

test('a prepositive code stays with the first letter in the scanned records', () => {
  const records = scanWord(convertWord('אַ֠שֶׁר').text);
  assert.deepStrictEqual(records.map((r) => [r.letter, r.accents]),
    [[')', '14'], ['$', ''], ['R', '']]);
});

test('sof pasuq is the last letter\'s accent and the silluq comes from its meteg', () => {
  // [word, written text, accents of the records after scanning]
  const rows = [
    ['\u05D4\u05B8\u05D0\u05B8\u05BD\u05E8\u05B6\u05E5', 'HF)F75REC00', ['', '75', '', '00']],
    // the silluq on the last letter itself: the sof pasuq is written before it, or the
    // scanner's silluq would replace it
    ['\u05DC\u05B4\u05D9\u05BD', 'LIY0075', ['', '00']],
  ];
  for (const [word, text, accents] of rows) {
    assert.strictEqual(convertWord(word, { sofPasuq: true }).text, text);
    assert.deepStrictEqual(scanWord(text).map((r) => r.accents), accents, text);
  }
});

test('a qere word with a prepositive mark keeps its qere mark record apart', () => {
  const records = scanWord(`**${convertWord('אַ֭תָּה', { qere: true }).text}`);
  assert.deepStrictEqual(records.map((r) => [r.letter, r.kind]),
    [['', 1], [')', 0], ['T', 0], ['H', 0]]);
});
