'use strict';
// Qamats gadol marked from the source's morphology where the reading rule would read a
// qamats qatan, and only there.

const test = require('node:test');
const assert = require('node:assert');
const { longQamatsLetter } = require('../lib/qamats');
const { convertWord } = require('../lib/hebrew-word');

// [what it checks, word with morphemes divided by "/", morphology, expected text]
const CASES = [
  ['Qal perfect 3fs: hay-TA', 'הָיְתָ֖ה', 'HVqp3fs', 'HF]-Y:TF73H'],
  ['Qal perfect 3fs: yash-VA', 'יָשְׁבָ֣ה', 'HVqp3fs', 'YF]-$:BF74H'],
  ['Qal perfect 3cp after a prefix', 'וְ/שָׁמְר֖וּ', 'HC/Vqp3cp', 'W:$F]-M:R73W.'],
  ['kol stays short', 'כָּל', 'HNcmsc', 'K.FL'],
  ['chochmah, a noun, stays short', 'חָכְמָ֑ה', 'HNcfsa', 'XFK:MF92H'],
  ['an imperative stays as the rule reads it', 'שָׁמְרָ֥ה', 'HVqv2ms', '$FM:RF71H'],
  ['a qamats with its own accent needs no mark', 'הָ֥יְתָה', 'HVqp3fs', 'HF71Y:TFH'],
  ['no shva after the qamats: the rule reads it long already', 'קָ֣מָה', 'HVqp3fs', 'QF74MFH'],
  ['Aramaic is left to the rule', 'הֲוָת', 'AVqp3fs', 'H:AWFT'],
];

test('the Qal perfect of the third person keeps its qamats long', () => {
  for (const [what, word, morph, expected] of CASES) {
    const { text } = convertWord(word, { longQamats: longQamatsLetter(word, morph) });
    assert.strictEqual(text, expected, what);
  }
});
