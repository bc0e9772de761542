'use strict';
// The scroll's line layout: its words, line ends and paragraph gaps, and how they are matched
// with the codex's words where the two editions differ.

const test = require('node:test');
const assert = require('node:assert');
const { layoutWords, align, skeleton, looseSkeleton } = require('../lib/tikkun');

const line = (text, isPetucha = false) => ({ text, verses: [], aliyot: [], isPetucha });
const keys = (words) => words.map((word) => ({ skel: skeleton(word), loose: looseSkeleton(word) }));

test('layout words with their line ends and paragraph gaps', () => {
  const words = layoutWords([
    // a closed gap between two strings of one line; a maqaf joins two words
    line([['י֥וֹם אֶחָֽד׃', ' עַל־פְּנֵ֥י']]),
    // the qere after a ketiv is not a word of the scroll; the open gap ends the line
    line([['הוצא#[הַיְצֵ֣א] אִתָּ֑ךְ׃#(פ)']], true),
    // the two columns of a song are one line
    line([['הַאֲזִ֥ינוּ הַשָּׁמַ֖יִם'], ['וְתִשְׁמַ֥ע הָאָ֖רֶץ']]),
  ]);
  assert.deepStrictEqual(words.map((w) => [w.skel, w.lineEnd, w.para]), [
    ['יומ', false, ''], ['אחד', false, 'S'], ['על', false, ''], ['פני', true, ''],
    ['הוצא', false, ''], ['אתכ', true, 'P'],
    ['האזינו', false, ''], ['השמימ', false, ''], ['ותשמע', false, ''], ['הארצ', true, ''],
  ]);
});

test('layout words are matched with codex words across spelling and word division', () => {
  const codex = keys(['פדה', 'צור', 'ויהי', 'אור', 'נבוכדנאצר', 'הגלה', 'בית', 'אל', 'טוב']);
  const layout = keys(['פדהצור', 'ויהי', 'אור', 'נבוכדנצר', 'הגלה', 'ביתאל', 'טוב']);
  const { target, unmatched } = align(codex, layout);
  // a word written as one in the scroll stands for the codex's last word of the pair
  assert.deepStrictEqual(target, [1, 2, 3, 4, 5, 7, 8]);
  assert.strictEqual(unmatched, 1);
  const split = align(keys(['ביתאל', 'טוב']), keys(['בית', 'אל', 'טוב']));
  assert.deepStrictEqual(split.target, [0, 0, 1]);
});
